// "縦断計算" as the user meets it: the button on the split tab of the real window over the
// largest document, the calculation and the refresh and repaint of every visible table
// (offscreen unless QT_QPA_PLATFORM says otherwise).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <memory>

#include "kandoru/shell/main_window.h"
#include "largest_document.h"

namespace {

void BM_CalculationButtonWithTableRefresh(benchmark::State& state) {
    bench_support::QuietUi ui;
    kandoru::shell::MainWindow window(&ui);
    window.document() = bench_support::largestDocument();
    window.show();
    window.requestTab(kandoru::kTabSplit);
    QApplication::processEvents();
    auto* calc = window.findChild<QPushButton*>(QStringLiteral("cmdCalc"));
    if (!calc) {
        state.SkipWithError("no 縦断計算 button");
        return;
    }
    for (auto _ : state) {
        calc->click();
        QApplication::processEvents();  // the repaint of what changed
    }
    if (ui.messages != 0) state.SkipWithError("the document did not calculate cleanly");
    if (window.document().fgrid2.text(799, 7).empty())
        state.SkipWithError("the inverts were not designed");
}
BENCHMARK(BM_CalculationButtonWithTableRefresh)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
