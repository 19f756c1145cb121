// The printed report as a PDF file for a full data set: every memory
// channel in use, every five-tone entry, a full book, every section ticked;
// and the channel section alone. Runs offscreen.
#include <QApplication>
#include <QPrinter>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <string>

#include "core/bands.h"
#include "core/defaults.h"
#include "core/fakes.h"
#include "core/language.h"
#include "core/messages.h"
#include "platform/qtprinterport.h"
#include "printing/printjob.h"
#include "printing/printstrings.h"

namespace {

struct FullData {
    rp::AppData d;
    rp::test::RecordingNotifier notes;
    std::string pdf = (std::filesystem::temp_directory_path() / "rp-print-bench.pdf").string();

    FullData() {
        d.Ui.Notify = &notes;
        d.AppFolder = RP_SOURCE_DIR;  // the shipped language files
        d.UserConfigDir = (std::filesystem::temp_directory_path() / "rp-bench-user").string();
        d.InitFolder = (std::filesystem::temp_directory_path() / "rp-bench-none").string();
        rp::SetLanguageIndex(d, 1);
        rp::InitMessageTexts(d);
        rp::InitPrintStrings(d);
        d.CurModel = "KEVRA8R";
        d.CurBandText = rp::GetFreqRangeText(0);
        rp::ParseBandRanges(d);
        rp::InitAllData(d);
        d.DataFilePath = "/home/dealer/full.dat";
        for (int n = 1; n <= rp::kFreDataMax; ++n) {
            rp::FreDataRec r = d.FreData[0];
            r.No = static_cast<rp::Integer>(rp::kFreDataMax + 1 - n);  // stored in reverse
            r.RxFre.Set("044000000");
            r.OffsetFre.Set("000500000");
            r.OffsetDir = 2;
            r.Name.Set("CH" + std::to_string(n));
            r.DeCTCType = 1;
            r.DeCTCSS = static_cast<rp::Integer>(n % 51);
            r.EnCTCType = 2;
            r.EnDCS = static_cast<rp::Integer>(n);
            r.OptSig = static_cast<rp::Integer>(n % 5);
            d.FreData[static_cast<std::size_t>(n - 1)] = r;
        }
        d.FreDataCount() = rp::kFreDataMax;
        for (auto& e : d.Tone5Data().Codes) {
            e.Code.Set("12345");
            e.CodeLen = 5;
            e.ToneTime = 70;
            e.Name.Set("NAME");
        }
        for (std::size_t i = 0; i < d.WorkData.BookData.size(); ++i) {
            d.WorkData.BookData[i].CallID.Set(std::to_string(10000 + i));
            d.WorkData.BookData[i].Name.Set("BOOK");
        }
    }

    void Print(std::initializer_list<int> items) {
        rp::QtPrinterPort port([this](QPrinter& p, QWidget*) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(QString::fromStdString(pdf));
            return true;
        });
        d.PrintItemFlags = {};
        for (int i : items) d.PrintItemFlags[static_cast<std::size_t>(i)] = 1;
        rp::PrintSelectedItems(d, port);
    }
};

void BM_WholeReportPdf(benchmark::State& state) {
    FullData f;
    for (auto _ : state) f.Print({0, 3, 4, 5, 6, 7, 8, 9});
    if (!f.d.PrintOK) state.SkipWithError("the job failed");
}
BENCHMARK(BM_WholeReportPdf)->Unit(benchmark::kMillisecond);

void BM_ChannelSectionPdf(benchmark::State& state) {
    FullData f;
    for (auto _ : state) f.Print({rp::kPrintItemChannel});
    if (!f.d.PrintOK) state.SkipWithError("the job failed");
}
BENCHMARK(BM_ChannelSectionPdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
