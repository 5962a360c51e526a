// Benchmarks of the editor's calculations on the largest document.
#include <benchmark/benchmark.h>

#include "kandoru/calc/split.h"
#include "largest_document.h"

namespace {

void BM_SplitCalculation(benchmark::State& state) {
    kandoru::Document doc = bench_support::largestDocument();
    bench_support::QuietUi ui;
    for (auto _ : state) {
        kandoru::splitCalculation(doc, ui, kandoru::SplitButton::Ground);
        benchmark::DoNotOptimize(doc.fgrid5.text(1000, 1));
    }
    if (ui.messages != 0) state.SkipWithError("the document did not calculate cleanly");
    if (doc.fgrid5.text(1000, 1).empty()) state.SkipWithError("the work tables are not full");
}
BENCHMARK(BM_SplitCalculation)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
