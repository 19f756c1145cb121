// Encode and decode of a full data set (200 memory channels, the edge and
// VFO channels, every list in use) through the 16,384-byte image.
#include <benchmark/benchmark.h>

#include "link/codec.h"
#include "link/fulldata.h"

namespace {

rp::AppData& FullData() {
    static rp::AppData d = [] {
        rp::AppData x;
        rp::test::FillFullDataSet(x);
        return x;
    }();
    return d;
}

void BM_EncodeAndDecode(benchmark::State& state) {
    rp::AppData& src = FullData();
    for (auto _ : state) {
        rp::AppData& d = src;
        bool ok = rp::SetCommDataByAll(d);
        rp::GetAllDataFromComm(d, d.CurModel);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(d.WorkData.FreDataCount);
    }
}
BENCHMARK(BM_EncodeAndDecode)->Unit(benchmark::kMicrosecond);

void BM_Encode(benchmark::State& state) {
    rp::AppData& d = FullData();
    for (auto _ : state) benchmark::DoNotOptimize(rp::SetCommDataByAll(d));
}
BENCHMARK(BM_Encode)->Unit(benchmark::kMicrosecond);

void BM_Decode(benchmark::State& state) {
    rp::AppData& d = FullData();
    rp::SetCommDataByAll(d);
    for (auto _ : state) {
        rp::GetAllDataFromComm(d, d.CurModel);
        benchmark::DoNotOptimize(d.WorkData.FreDataCount);
    }
}
BENCHMARK(BM_Decode)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
