// The Ui of the command-line tool: every message box is one line "title: text" on
// standard error, every question is answered Yes, no dialog opens.
#pragma once

#include <iosfwd>

#include "common/ui.h"

namespace cli {

class CliUi : public common::Ui {
public:
    explicit CliUi(std::ostream& err);

    void message(common::Icon icon, const std::string& title, const std::string& text) override;
    bool ask(const std::string& title, const std::string& text, common::Icon icon) override;
    std::optional<std::filesystem::path> openFileName(const std::string& title,
                                                      const std::string& filter,
                                                      const std::string& presetName) override;
    std::optional<std::filesystem::path> saveFileName(const std::string& title,
                                                      const std::string& filter) override;
    void showTab(int) override {}
    bool startProgram(const std::string&) override { return false; }
    void beep() override {}
    void setClipboard(const std::string&) override {}

    // True once a critical or exclamation message was shown.
    bool warned() const { return warned_; }
    // The answers the file dialogs give (nullopt: cancelled).
    std::optional<std::filesystem::path> nextOpenFile;
    std::optional<std::filesystem::path> nextSaveFile;

private:
    std::ostream& err_;
    bool warned_ = false;
};

}  // namespace cli
