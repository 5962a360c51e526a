// gesui draw: the AutoCAD command script of a hand-off file, as the drawing program would
// write it, without a window.
#include <iostream>
#include <memory>
#include <optional>

#include "cli/cli_ui.h"
#include "cli/command.h"
#include "zumenko/intake.h"
#include "zumenko/layout.h"
#include "zumenko/script.h"
#include "zumenko/script_file.h"

namespace {

struct DrawArgs {
    std::string handoff;
    std::string output;
    int from = 0;
    int to = 0;
    std::string dl;
    bool reverse = false;
    bool pipeWall = false;
    bool noFrame = false;
    CLI::Option* fromOpt = nullptr;
    CLI::Option* dlOpt = nullptr;
};

int runDraw(const DrawArgs& a) {
    cli::CliUi ui(std::cerr);
    zumenko::Drawing doc;
    std::string why;
    common::ReadReport report;
    const auto handoff = cli::argumentPath(a.handoff);
    if (!zumenko::readHandoff(handoff, doc, &why, &report)) {
        ui.message(common::Icon::Critical, zumenko::kHandoffErrorTitle,
                   zumenko::handoffErrorMessage(handoff));
        std::cerr << "  (" << why << ")\n";
        return cli::kExitBadInput;
    }
    common::showReadReport(ui, report, handoff);

    zumenko::DrawOptions opt;
    opt.upstreamToDownstream = !a.reverse;
    opt.pipeWall = a.pipeWall;
    opt.frame = !a.noFrame;
    if (!*a.fromOpt) {
        opt.automatic = true;
    } else if (*a.dlOpt) {
        auto dl = zumenko::parseDatumLevel(a.dl);
        if (!dl) {
            std::cerr << "--dl: \"" << a.dl << "\" is not a number\n";
            return cli::kExitBadInput;
        }
        opt.startNo = a.from;
        opt.endNo = a.to;
        opt.datumLevel = *dl;
        opt.datumText = zumenko::trimmedField(a.dl);
    } else {
        // As pressing "レイアウト" and then the start button.
        zumenko::LayoutResult lr = zumenko::layoutButton(doc, a.from, a.to);
        if (!lr.ok) {
            ui.message(common::Icon::Critical, "作図レイアウト", "作図データに区間がありません。");
            return cli::kExitWarned;
        }
        opt.startNo = lr.startNo;
        opt.endNo = lr.endNo;
        opt.datumLevel = lr.datumLevel;
        opt.datumText = lr.datumText;
    }

    zumenko::ScriptResult script = zumenko::drawScript(doc, opt);
    if (script.error) {
        ui.message(common::Icon::Critical, script.error->title, script.error->text);
        return cli::kExitWarned;
    }
    if (a.output.empty()) {
        zumenko::DrawError refused;
        auto bytes = zumenko::scriptBytes(script.text, &refused);
        if (!bytes) {
            ui.message(common::Icon::Critical, refused.title, refused.text);
            return cli::kExitWarned;
        }
        std::cout.write(bytes->data(), static_cast<std::streamsize>(bytes->size()));
        std::cout.flush();
        return std::cout && !ui.warned() ? cli::kExitOk : cli::kExitWarned;
    }
    if (auto refused = zumenko::writeScriptFile(cli::argumentPath(a.output), script.text)) {
        ui.message(common::Icon::Critical, refused->title, refused->text);
        return cli::kExitWarned;
    }
    return ui.warned() ? cli::kExitWarned : cli::kExitOk;
}

const cli::RegisterCommand registerDraw(40, [](CLI::App& app, int* status) {
    auto a = std::make_shared<DrawArgs>();
    CLI::App* sub = app.add_subcommand(
        "draw",
        "Writes the AutoCAD command script of a hand-off file (XTemp.txt) in CP932, as the "
        "drawing program does. Without --from/--to the whole line is drawn automatically; "
        "with them the stretch of those station rows is drawn, with the datum level of "
        "\"レイアウト\" unless --dl gives it.");
    sub->add_option("HANDOFF", a->handoff, "hand-off file")->required();
    sub->add_option("-o,--output", a->output, "script file (default: standard output)");
    a->fromOpt = sub->add_option("--from", a->from, "start station row (起点番号)");
    CLI::Option* to = sub->add_option("--to", a->to, "end station row (終点番号)");
    a->fromOpt->needs(to);
    to->needs(a->fromOpt);
    a->dlOpt = sub->add_option("--dl", a->dl, "datum level in metres (ＤＬ)")->needs(a->fromOpt);
    sub->add_flag("--reverse", a->reverse, "draw downstream to upstream (下流→上流)");
    sub->add_flag("--pipe-wall", a->pipeWall, "draw the pipe walls (管厚)");
    sub->add_flag("--no-frame", a->noFrame, "no sheet border and frames (外枠・内枠記入 off)");
    sub->callback([a, status] { *status = runDraw(*a); });
});

}  // namespace
