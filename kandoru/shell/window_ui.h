// The Ui the main window hands to the commands: everything goes to the injected Ui (the
// Qt dialogs, or a scripted fake in tests), and a tab the document switched to is also
// shown in the window.
#pragma once

#include <functional>

#include "common/ui.h"

namespace kandoru::shell {

class WindowUi : public common::Ui {
public:
    WindowUi(common::Ui& inner, std::function<void(int)> showTab)
        : inner_(inner), showTab_(std::move(showTab)) {}

    void message(common::Icon icon, const std::string& title, const std::string& text) override {
        inner_.message(icon, title, text);
    }
    bool ask(const std::string& title, const std::string& text, common::Icon icon) override {
        return inner_.ask(title, text, icon);
    }
    std::optional<std::filesystem::path> openFileName(const std::string& title,
                                                      const std::string& filter,
                                                      const std::string& presetName) override {
        return inner_.openFileName(title, filter, presetName);
    }
    std::optional<std::filesystem::path> saveFileName(const std::string& title,
                                                      const std::string& filter) override {
        return inner_.saveFileName(title, filter);
    }
    void showTab(int n) override {
        if (showTab_) showTab_(n);
        inner_.showTab(n);
    }
    bool startProgram(const std::string& name) override { return inner_.startProgram(name); }
    void beep() override { inner_.beep(); }
    void setClipboard(const std::string& text) override { inner_.setClipboard(text); }

private:
    common::Ui& inner_;
    std::function<void(int)> showTab_;
};

}  // namespace kandoru::shell
