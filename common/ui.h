// What a command needs from a person or the desktop. Core commands never open a window
// themselves: the windows implement this with dialogs, tests with a scripted fake and the
// command-line tool with standard error and fixed answers.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace common {

enum class Icon { None, Information, Exclamation, Critical, Question };

class Ui {
public:
    virtual ~Ui() = default;

    // A modal message box with an OK button. Line breaks in text are "\r\n".
    virtual void message(Icon icon, const std::string& title, const std::string& text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool ask(const std::string& title, const std::string& text, Icon icon) = 0;
    // File dialogs starting in the program's folder; filter is "description|pattern".
    // nullopt when cancelled.
    virtual std::optional<std::filesystem::path> openFileName(const std::string& title,
                                                              const std::string& filter,
                                                              const std::string& presetName) = 0;
    virtual std::optional<std::filesystem::path> saveFileName(const std::string& title,
                                                              const std::string& filter) = 0;
    // Brings tab n of the main window to the front (the document already switched).
    virtual void showTab(int n) = 0;
    // Starts a sibling program by name from the program's own folder, without waiting.
    virtual bool startProgram(const std::string& name) = 0;
    virtual void beep() = 0;
    virtual void setClipboard(const std::string& text) = 0;
};

// The message texts as one line: each line break (CR LF, CR or LF) becomes one blank.
std::string oneLine(const std::string& text);

}  // namespace common
