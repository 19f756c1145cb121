// The channel-list refresh over a full memory list (206 channels), and a
// frequency typed into the grid's RX or TX editor and committed.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "core/fakes.h"
#include "core/channelstore.h"
#include "core/language.h"
#include "core/startup.h"
#include "mainwindow/frmmain.h"
#include "mainwindow/frmmaincontrols.h"

namespace {

// A loaded main window over a full memory list.
struct FullList {
    rp::AppData d;
    rp::test::RecordingNotifier notes;
    std::unique_ptr<rp::FrmMain> f;

    FullList() {
        d.Ui.Notify = &notes;
        d.AppFolder = RP_SOURCE_DIR;  // the shipped language files
        d.UserConfigDir = (std::filesystem::temp_directory_path() / "rp-bench-user").string();
        d.SkipInitFile = true;
        rp::SetLanguageIndex(d, 1);
        d.CurModel = "KEVRA8R";
        f = std::make_unique<rp::FrmMain>(d);
        f->Form_Load();
        // Every memory channel in use, with tones and banks.
        for (int n = 1; n <= rp::kFreDataMax; ++n) {
            rp::FreDataRec r = d.FreData[0];
            r.No = static_cast<rp::Integer>(n);
            r.RxFre.Set("044000000");
            r.OffsetFre.Set("000500000");
            r.OffsetDir = 2;
            r.Name.Set("CH");
            r.DeCTCType = 1;
            r.EnCTCType = 2;
            r.EnDCS = static_cast<rp::Integer>(n);
            r.OptSig = 1;
            d.FreData[static_cast<std::size_t>(n - 1)] = r;
        }
        d.FreDataCount() = rp::kFreDataMax;
    }
};

void BM_ReShowListByData(benchmark::State& state) {
    FullList l;
    for (auto _ : state) l.f->ReShowListByData(rp::ListMemory);
}
BENCHMARK(BM_ReShowListByData)->Unit(benchmark::kMillisecond);

// Opening the editor of channel 5's RX (column 1) or TX (column 2) cell,
// typing one of two frequencies and committing: the store's write and the
// row's redraw.
void BM_GridFrequencyEdit(benchmark::State& state) {
    FullList l;
    l.f->ReShowListByData(rp::ListMemory);
    const int column = static_cast<int>(state.range(0));
    const char* editor = column == 1 ? rp::mainform::RxBox : rp::mainform::TxBox;
    const char* const typed[2] = {column == 1 ? "145.5" : "145.6", column == 1 ? "462.5630" : "440"};
    int i = 0;
    for (auto _ : state) {
        rp::TextGrid& g = l.f->GridAt(0);
        g.row = 5;
        g.col = column;
        l.f->DblClick(rp::mainform::Grids[0]);
        l.f->C(editor).text = typed[i++ & 1];
        l.f->SaveOldData();
    }
}
BENCHMARK(BM_GridFrequencyEdit)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// The store's part of that commit alone: a typed RX (column 1) or TX
// (column 2) text read, band-checked and written into channel 5.
void BM_StoreTypedFrequency(benchmark::State& state) {
    FullList l;
    const int column = static_cast<int>(state.range(0));
    const char* const typed[2] = {column == 1 ? "145.5" : "145.6", column == 1 ? "462.5630" : "440"};
    int i = 0;
    for (auto _ : state) rp::SetFreDataByCol(l.d, 5, typed[i++ & 1], column, 0);
}
BENCHMARK(BM_StoreTypedFrequency)->Arg(1)->Arg(2)->Unit(benchmark::kNanosecond);

}  // namespace

BENCHMARK_MAIN();
