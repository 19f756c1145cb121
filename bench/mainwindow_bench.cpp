// The channel-list refresh over a full memory list (206 channels).
#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/fakes.h"
#include "core/language.h"
#include "core/startup.h"
#include "mainwindow/frmmain.h"

namespace {

void BM_ReShowListByData(benchmark::State& state) {
    rp::AppData d;
    rp::test::RecordingNotifier notes;
    d.Ui.Notify = &notes;
    d.AppFolder = RP_SOURCE_DIR;  // the shipped language files
    d.UserConfigDir = (std::filesystem::temp_directory_path() / "rp-bench-user").string();
    d.SkipInitFile = true;
    rp::SetLanguageIndex(d, 1);
    d.CurModel = "KEVRA8R";
    rp::FrmMain f(d);
    f.Form_Load();
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
    for (auto _ : state) f.ReShowListByData(rp::ListMemory);
}
BENCHMARK(BM_ReShowListByData)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
