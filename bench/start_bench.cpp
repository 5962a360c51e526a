// Start time: from process start to the first painted window, Kandoru against a bare Qt
// main window built beside it, both started in turn in the same run.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <chrono>

namespace {

// Seconds from the start of program until it reports its first paint; < 0 on failure.
double firstPaint(const QString& program, const QString& home) {
    auto env = QProcessEnvironment::systemEnvironment();
    if (!env.contains(QStringLiteral("QT_QPA_PLATFORM")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("GESUI_FIRST_PAINT"), QStringLiteral("1"));
    env.insert(QStringLiteral("HOME"), home);
    QProcess p;
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::SeparateChannels);
    const auto t0 = std::chrono::steady_clock::now();
    p.start(QStringLiteral(GESUI_BIN_DIR "/") + program, {});
    QByteArray out;
    while (!out.contains("painted") && p.waitForReadyRead(20000)) out += p.readAllStandardOutput();
    const auto t1 = std::chrono::steady_clock::now();
    p.waitForFinished(20000);
    // The program ends right after its line: the line may arrive with the end, not before.
    out += p.readAllStandardOutput();
    if (!out.contains("painted")) return -1;
    return std::chrono::duration<double>(t1 - t0).count();
}

void BM_FirstPaintKandoruAgainstBareWindow(benchmark::State& state) {
    QTemporaryDir home;
    double bare = 0, kandoru = 0;
    for (auto _ : state) {
        const double b = firstPaint(QStringLiteral("bench_bare_window"), home.path());
        const double k = firstPaint(QStringLiteral("Kandoru"), home.path());
        if (b < 0 || k < 0) {
            state.SkipWithError("a program did not report its first paint");
            return;
        }
        bare += b;
        kandoru += k;
        state.SetIterationTime(k);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["bare_ms"] = bare / n * 1000;
    state.counters["kandoru_ms"] = kandoru / n * 1000;
    state.counters["ratio"] = kandoru / bare;
}
BENCHMARK(BM_FirstPaintKandoruAgainstBareWindow)
    ->UseManualTime()
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
