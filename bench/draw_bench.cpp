// The drawing on the largest document: the intake of its hand-off lines and the script
// of the whole line in both directions.
#include <benchmark/benchmark.h>

#include "fixtures.h"
#include "zumenko/intake.h"
#include "zumenko/script.h"

namespace {

const std::vector<std::string>& largestHandoff() {
    static const std::vector<std::string> lines = [] {
        zumenko::Drawing src;
        zumenko_test::setSampleFormat(src);
        zumenko_test::setLongProfile(src, 1000);
        return zumenko_test::handoffLines(src);
    }();
    return lines;
}

const zumenko::Drawing& largestDrawing() {
    static const zumenko::Drawing doc = [] {
        zumenko::Drawing d;
        zumenko::readHandoffLines(largestHandoff(), d);
        return d;
    }();
    return doc;
}

void BM_ReadHandoff(benchmark::State& state) {
    for (auto _ : state) {
        zumenko::Drawing doc;
        benchmark::DoNotOptimize(zumenko::readHandoffLines(largestHandoff(), doc));
    }
}
BENCHMARK(BM_ReadHandoff)->Unit(benchmark::kMillisecond);

void BM_GenerateScript(benchmark::State& state) {
    zumenko::DrawOptions opt;
    opt.automatic = true;
    opt.upstreamToDownstream = state.range(0) != 0;
    opt.pipeWall = true;
    size_t bytes = 0;
    for (auto _ : state) {
        std::string s = zumenko::generateScript(largestDrawing(), opt);
        bytes = s.size();
        benchmark::DoNotOptimize(s);
    }
    state.counters["script_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_GenerateScript)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
