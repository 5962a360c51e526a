// The Ui of the windows: message boxes, file dialogs, program start, beep, clipboard.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

#include "common/ui.h"

namespace gui {

class QtUi : public common::Ui {
public:
    // showTab brings a tab of the window to the front (may be empty).
    QtUi(QWidget* parent, std::function<void(int)> showTab);

    void message(common::Icon icon, const std::string& title, const std::string& text) override;
    bool ask(const std::string& title, const std::string& text, common::Icon icon) override;
    std::optional<std::filesystem::path> openFileName(const std::string& title,
                                                      const std::string& filter,
                                                      const std::string& presetName) override;
    std::optional<std::filesystem::path> saveFileName(const std::string& title,
                                                      const std::string& filter) override;
    void showTab(int n) override;
    bool startProgram(const std::string& name) override;
    void beep() override;
    void setClipboard(const std::string& text) override;

private:
    QPointer<QWidget> parent_;
    std::function<void(int)> showTab_;
};

// The program's own folder (where its siblings are, and where the dialogs start).
QString programFolder();
// "下水データ (*.osa)|*.osa" as a Qt filter "下水データ (*.osa)".
QString qtFilter(const std::string& filter);

}  // namespace gui
