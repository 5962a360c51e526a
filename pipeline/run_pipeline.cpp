// The pipeline from a calculated document to the drawing's script file.
#include "pipeline/run_pipeline.h"

#include <system_error>

#include "kandoru/files/handoff.h"
#include "kandoru/files/osa_file.h"
#include "zumenko/intake.h"
#include "zumenko/script_file.h"

namespace pipeline {

namespace {

size_t lineCount(const std::string& text) {
    size_t n = 0;
    for (char c : text) n += c == '\n';
    return n;
}

}  // namespace

PipelineResult runPipeline(const kandoru::Document& doc, const std::filesystem::path& dir,
                           common::Ui& ui) {
    PipelineResult res;
    res.summary = kandoru::summarizeDesign(doc);
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    res.handoffPath = dir / kandoru::kHandoffFileName;
    res.scriptPath = dir / zumenko::kScriptFileName;
    if (auto w = kandoru::TempSave(doc, res.handoffPath); !w) {
        ui.message(
            common::Icon::Critical, "作図データ",
            common::writeFailureText("作図データを書き込めませんでした。", res.handoffPath, w,
                                     kandoru::unmappableText(doc).message("作図してください。")));
        return res;
    }
    res.handoffWritten = true;

    // The drawing reads the file back, as the drawing program does.
    zumenko::Drawing& drawing = res.drawing;
    if (!zumenko::readHandoff(res.handoffPath, drawing, &res.detail)) {
        ui.message(common::Icon::Critical, zumenko::kHandoffErrorTitle,
                   zumenko::handoffErrorMessage(res.handoffPath));
        return res;
    }
    zumenko::DrawOptions opt;
    opt.automatic = true;
    res.script = zumenko::drawScript(drawing, opt);
    if (res.script.error) {
        ui.message(common::Icon::Critical, res.script.error->title, res.script.error->text);
        return res;
    }
    if (auto refused = zumenko::writeScriptFile(res.scriptPath, res.script.text)) {
        ui.message(common::Icon::Critical, refused->title, refused->text);
        return res;
    }
    res.ok = true;
    return res;
}

std::vector<std::string> pipelineReport(const PipelineResult& result,
                                        const std::vector<std::filesystem::path>& moreFiles) {
    std::vector<std::string> lines = kandoru::summaryLines(result.summary);
    std::error_code sizeError;
    const auto bytes = std::filesystem::file_size(result.scriptPath, sizeError);
    lines.push_back("作図コマンド: " + std::to_string(lineCount(result.script.text)) + " 行, " +
                    std::to_string(sizeError ? 0 : bytes) + " バイト");
    std::string files = "書き出し: " + kandoru::pathText(result.handoffPath) + ", " +
                        kandoru::pathText(result.scriptPath);
    for (const auto& f : moreFiles) files += ", " + kandoru::pathText(f);
    lines.push_back(files);
    return lines;
}

}  // namespace pipeline
