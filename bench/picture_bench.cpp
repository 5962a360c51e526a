// The pictures of the largest document's automatic drawing (about 50,000 script lines):
// the PNG from the drawing model, from the script text, and gesui preview as a process.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QImage>
#include <filesystem>

#include "common/platform/paths.h"
#include "common/platform/process.h"
#include "common/textfile.h"
#include "kandoru/calc/calculation.h"
#include "kandoru/files/format_intake.h"
#include "kandoru/files/handoff.h"
#include "largest_document.h"
#include "zumenko/intake.h"
#include "zumenko/preview/render.h"
#include "zumenko/preview/script_reader.h"
#include "zumenko/script.h"
#include "zumenko/script_file.h"

namespace {

struct Largest {
    zumenko::Figure figure;
    std::string script;
    std::filesystem::path scriptFile;  // the script as JTemp.txt holds it
};

const Largest& largest() {
    static const Largest l = [] {
        namespace fs = std::filesystem;
        kandoru::Document doc = bench_support::largestDocument();
        bench_support::QuietUi ui;
        kandoru::loadFormat(doc, fs::path(GESUI_EXAMPLES) / "standard.osb");
        kandoru::runCalculation(doc, ui);
        const fs::path handoff = fs::temp_directory_path() / "gesui-bench-picture-XTemp.txt";
        kandoru::TempSave(doc, handoff);
        zumenko::Drawing drawing;
        zumenko::readHandoff(handoff, drawing);
        fs::remove(handoff);
        zumenko::DrawOptions opt;
        opt.automatic = true;
        zumenko::ScriptResult r = zumenko::drawScript(drawing, opt);
        const fs::path file = fs::temp_directory_path() / "gesui-bench-picture-JTemp.txt";
        zumenko::writeScriptFile(file, r.text);
        return Largest{std::move(r.figure), std::move(r.text), file};
    }();
    return l;
}

qint64 png(const zumenko::Figure& figure) {
    zumenko::preview::Picture pic = zumenko::preview::renderImage(figure, 2400);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    pic.image.save(&buffer, "PNG");
    return buffer.size();
}

void BM_PngFromModel(benchmark::State& state) {
    zumenko::preview::ensureGuiApplication();
    const Largest& l = largest();
    qint64 bytes = 0;
    for (auto _ : state) bytes = png(l.figure);
    state.counters["script_lines"] = double(common::splitLines(l.script).size());
    state.counters["png_bytes"] = double(bytes);
}
BENCHMARK(BM_PngFromModel)->Unit(benchmark::kMillisecond);

void BM_PngFromScript(benchmark::State& state) {
    zumenko::preview::ensureGuiApplication();
    const Largest& l = largest();
    for (auto _ : state) {
        auto r = zumenko::preview::readScript(common::splitLines(l.script));
        benchmark::DoNotOptimize(png(r.figure));
    }
}
BENCHMARK(BM_PngFromScript)->Unit(benchmark::kMillisecond);

// The whole gesui preview process: start, read the CP932 script, draw, write the PNG.
void BM_GesuiPreviewProcess(benchmark::State& state) {
    const Largest& l = largest();
    const auto png = std::filesystem::temp_directory_path() / "gesui-bench-picture.png";
    platform::RunRequest run;
    run.program = std::filesystem::path(GESUI_BIN_DIR) / "gesui";
    run.arguments = {"preview", platform::pathToUtf8(l.scriptFile), "-o",
                     platform::pathToUtf8(png)};
    for (auto _ : state)
        if (platform::runProgram(run) != 0) state.SkipWithError("gesui preview failed");
    std::filesystem::remove(png);
}
BENCHMARK(BM_GesuiPreviewProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
