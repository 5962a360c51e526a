// gesui preview: the picture of a drawing script (PNG, SVG, or PDF at the sheet's size).
#include <iostream>
#include <memory>

#include "cli/command.h"
#include "zumenko/preview/render.h"
#include "zumenko/preview/script_reader.h"

namespace {

struct Options {
    std::string script;
    std::string output;
    int widthPx = 2400;
    double scale = 0;
};

int run(const Options& o) {
    std::string message;
    auto drawing = zumenko::preview::loadDrawing(cli::argumentPath(o.script), &message);
    if (!drawing) {
        cli::error("preview") << message;
        return cli::kExitBadInput;
    }
    const auto output = cli::argumentPath(o.output);
    if (!zumenko::preview::pictureFormatOf(output)) {
        cli::error("preview") << "出力ファイルの拡張子は .png、.svg、.pdf のどれかにしてください: "
                              << o.output << "\n";
        return cli::kExitBadInput;
    }
    zumenko::preview::ensureGuiApplication();
    if (!zumenko::preview::pinnedFontAvailable())
        cli::error("preview")
            << "IPAGothic "
               "フォントが見つかりません（fonts-ipafont-gothic）。別のフォントで描きます\n";
    auto written = zumenko::preview::writePicture(*drawing, output, {o.widthPx, o.scale});
    if (!written) {
        cli::error("preview") << o.output << " を書けません: " << written.error << "\n";
        return cli::kExitWarned;
    }
    return cli::kExitOk;
}

const cli::RegisterCommand registration(70, [](CLI::App& app, int* status) {
    auto options = std::make_shared<Options>();
    auto* sub = app.add_subcommand(
        "preview",
        "Draws a command script (JTemp.txt) as a picture: PNG or SVG fitted to the drawing "
        "as \"_zoom e\" shows it, or PDF at the sheet's real size (1 paper mm per sheet mm).");
    sub->add_option("SCRIPT", options->script, "the command script (CP932, CR LF)")->required();
    sub->add_option("-o,--output", options->output, "OUT.png, OUT.svg or OUT.pdf")->required();
    sub->add_option("--width", options->widthPx, "picture width in pixels (PNG, SVG)")
        ->check(CLI::Range(64, 10000))
        ->capture_default_str();
    sub->add_option("--scale", options->scale,
                    "PDF: horizontal scale denominator, when the script has no \"H=1:N\" text")
        ->check(CLI::PositiveNumber);
    sub->callback([options, status] { *status = run(*options); });
});

}  // namespace
