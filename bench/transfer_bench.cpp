// The transfer engine's own time per block: whole reads and writes on the
// fake clock against the simulated radio (no serial port, no waiting), so
// the time measured is the engine's (and the radio model's) work alone.
// Goal: 0.3 ms per block or less.
#include <benchmark/benchmark.h>

#include "link/linkfakes.h"

namespace {

void Run(benchmark::State& state, long mode) {
    double blocks = 0;
    for (auto _ : state) {
        state.PauseTiming();
        rp::test::EngineRig rig;
        rig.radio.LogEnabled = false;
        rig.radio.FillPattern(1);
        rig.radio.Memory.fill(0x00);  // every list in use: nothing skipped
        rig.radio.SetPassWord("");
        state.ResumeTiming();
        const bool started = mode == 1 ? rig.engine.StartRead() : rig.engine.StartWrite();
        if (!started || !rig.Finish()) state.SkipWithError("transfer did not end");
        state.PauseTiming();
        blocks = mode == 1 ? rig.radio.ReadRequests() : rig.radio.WriteFrames();
        state.ResumeTiming();
    }
    state.counters["blocks"] = blocks;
    state.counters["per_block"] =
        benchmark::Counter(blocks * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_FullRead(benchmark::State& state) { Run(state, 1); }
void BM_FullWrite(benchmark::State& state) { Run(state, 2); }

// What a write's read-back costs on the line, beside a read: line time on
// the fake clock (paced at 9600 baud) per block read back by the check pass
// of a write that met stray bytes, and per block of a read.
void BM_LineTimePerBlock(benchmark::State& state) {
    const bool pass = state.range(0) == 1;
    double perBlock = 0;
    for (auto _ : state) {
        rp::sim::SimOptions o;
        if (pass) o.StrayAckEvery = 5;
        rp::test::EngineRig rig(o);
        rig.radio.LogEnabled = false;
        rig.radio.Memory.fill(0x00);
        rig.radio.SetPassWord("");
        rig.port.paced = true;
        if (!(pass ? rig.engine.StartWrite() : rig.engine.StartRead())) state.SkipWithError("no start");
        double from = 0;
        int readsBefore = 0;
        if (pass) {
            rig.loop.RunUntil([&] { return rig.engine.Checking() == rp::CommEngine::Check::Pass; });
            from = rig.loop.now;
            readsBefore = rig.radio.ReadRequests();
        } else {
            rig.loop.RunUntil([&] { return rig.engine.CommState() == rp::CommStateBlocks; });
            from = rig.loop.now;
            readsBefore = rig.radio.ReadRequests();
        }
        if (!rig.Finish()) state.SkipWithError("transfer did not end");
        perBlock = (rig.loop.now - from) / (rig.radio.ReadRequests() - readsBefore);
    }
    state.counters["line_ms_per_block"] = perBlock;
}

}  // namespace

BENCHMARK(BM_FullRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LineTimePerBlock)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
