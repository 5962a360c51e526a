// Message boxes as lines on standard error, questions answered Yes.
#include "cli/cli_ui.h"

#include <ostream>

namespace cli {

CliUi::CliUi(std::ostream& err) : err_(err) {}

void CliUi::message(common::Icon icon, const std::string& title, const std::string& text) {
    if (icon == common::Icon::Critical || icon == common::Icon::Exclamation) warned_ = true;
    err_ << title << ": " << common::oneLine(text) << '\n';
}

bool CliUi::ask(const std::string& title, const std::string& text, common::Icon) {
    err_ << title << ": " << common::oneLine(text) << '\n';
    return true;
}

std::optional<std::filesystem::path> CliUi::openFileName(const std::string&, const std::string&,
                                                         const std::string&) {
    auto p = nextOpenFile;
    nextOpenFile.reset();
    return p;
}

std::optional<std::filesystem::path> CliUi::saveFileName(const std::string&, const std::string&) {
    auto p = nextSaveFile;
    nextSaveFile.reset();
    return p;
}

}  // namespace cli
