// The pipeline after a calculation, as gesui run runs it and a window could: the hand-off
// file, read back as the drawing program reads it, the automatic drawing and its script
// file, and the summary of what was designed.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "common/ui.h"
#include "kandoru/calc/design_summary.h"
#include "kandoru/document.h"
#include "zumenko/drawing.h"
#include "zumenko/script.h"

namespace pipeline {

struct PipelineResult {
    bool ok = false;              // the hand-off file and the script file written
    bool handoffWritten = false;  // this run's hand-off file is on disk
    std::filesystem::path handoffPath;
    std::filesystem::path scriptPath;
    zumenko::Drawing drawing;      // the hand-off file as the drawing program read it
    zumenko::ScriptResult script;  // the drawing: its text and figure
    kandoru::DesignSummary summary;
    std::string detail;  // the system's reason when a step failed
};

// Writes XTemp.txt and JTemp.txt into dir (created when missing) from a calculated
// document. A step that fails is reported through ui and ends the run; the summary is
// read from the document in any case.
PipelineResult runPipeline(const kandoru::Document& doc, const std::filesystem::path& dir,
                           common::Ui& ui);

// The lines printed after a run: the summary, the script's size and the files written.
std::vector<std::string> pipelineReport(const PipelineResult& result,
                                        const std::vector<std::filesystem::path>& moreFiles);

}  // namespace pipeline
