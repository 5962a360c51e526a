// Benchmarks of the editor's calculations on the largest document.
#include <benchmark/benchmark.h>

#include "kandoru/calc/calculation.h"
#include "kandoru/calc/split.h"
#include "kandoru/check/design_check.h"
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

// "縦断計算": gate, split calculation with interpolation, Judancalc and Judanhenka.
void BM_WholeCalculation(benchmark::State& state) {
    kandoru::Document doc = bench_support::largestDocument();
    bench_support::QuietUi ui;
    for (auto _ : state) {
        kandoru::runCalculation(doc, ui);
        benchmark::DoNotOptimize(doc.fgrid6.text(1000, 7));
    }
    if (ui.messages != 0) state.SkipWithError("the document did not calculate cleanly");
    if (doc.fgrid6.text(1000, 1).empty()) state.SkipWithError("FGrid6 is not full");
    if (doc.fgrid2.text(799, 7).empty()) state.SkipWithError("the inverts were not designed");
}
BENCHMARK(BM_WholeCalculation)->Unit(benchmark::kMicrosecond);

// The design checks of the calculated document, as the editor runs them after "縦断計算".
void BM_DesignCheck(benchmark::State& state) {
    kandoru::Document doc = bench_support::largestDocument();
    bench_support::QuietUi ui;
    kandoru::runCalculation(doc, ui);
    size_t spans = 0;
    for (auto _ : state) {
        const auto result = kandoru::check::designCheck(doc);
        spans = result.spans.size();
        benchmark::DoNotOptimize(result.findings.data());
    }
    if (spans < 700) state.SkipWithError("the spans were not all checked");
}
BENCHMARK(BM_DesignCheck)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
