// gesui dxf: a drawing script as a DXF file any CAD program can open.
#include <iostream>
#include <memory>

#include "cli/command.h"
#include "zumenko/preview/dxf_writer.h"
#include "zumenko/preview/script_reader.h"

namespace {

struct Options {
    std::string script;
    std::string output;
};

int run(const Options& o) {
    std::string message;
    auto drawing = zumenko::preview::loadDrawing(cli::argumentPath(o.script), &message);
    if (!drawing) {
        cli::error("dxf") << message;
        return cli::kExitBadInput;
    }
    auto written = zumenko::preview::writeDxf(*drawing, cli::argumentPath(o.output));
    if (!written) {
        cli::error("dxf") << o.output << " を書けません: " << written.error << "\n";
        return cli::kExitWarned;
    }
    return cli::kExitOk;
}

const cli::RegisterCommand registration(71, [](CLI::App& app, int* status) {
    auto options = std::make_shared<Options>();
    auto* sub = app.add_subcommand(
        "dxf",
        "Converts a command script (JTemp.txt) to a DXF file (AutoCAD 2000, code page 932) "
        "with its layers, lines and texts.");
    sub->add_option("SCRIPT", options->script, "the command script (CP932, CR LF)")->required();
    sub->add_option("-o,--output", options->output, "OUT.dxf")->required();
    sub->callback([options, status] { *status = run(*options); });
});

}  // namespace
