// A scripted Ui for tests: records every message, answers queued questions and file
// dialogs, and fails the test on a question nobody expected.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "common/ui.h"

namespace testing_support {

struct ShownMessage {
    common::Icon icon;
    std::string title;
    std::string text;
    bool operator==(const ShownMessage&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const ShownMessage& m) {
    return os << "[" << static_cast<int>(m.icon) << "] " << m.title << ": " << m.text;
}

class FakeUi : public common::Ui {
public:
    std::vector<ShownMessage> messages;
    std::vector<ShownMessage> questions;  // every question asked, with its icon
    std::deque<bool> answers;             // answers to the next questions
    std::deque<std::optional<std::filesystem::path>> openFiles;  // nullopt: cancelled
    std::deque<std::optional<std::filesystem::path>> saveFiles;
    std::vector<std::string> openTitles, openPresets, saveTitles;
    std::vector<int> tabsShown;
    std::vector<std::string> programsStarted;
    bool startSucceeds = true;
    int beeps = 0;
    std::string clipboard;

    void message(common::Icon icon, const std::string& title, const std::string& text) override {
        messages.push_back({icon, title, text});
    }
    bool ask(const std::string& title, const std::string& text, common::Icon icon) override {
        questions.push_back({icon, title, text});
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << title << ": " << text;
            return false;
        }
        bool a = answers.front();
        answers.pop_front();
        return a;
    }
    std::optional<std::filesystem::path> openFileName(const std::string& title, const std::string&,
                                                      const std::string& preset) override {
        openTitles.push_back(title);
        openPresets.push_back(preset);
        if (openFiles.empty()) {
            ADD_FAILURE() << "unexpected open dialog: " << title;
            return std::nullopt;
        }
        auto p = openFiles.front();
        openFiles.pop_front();
        return p;
    }
    std::optional<std::filesystem::path> saveFileName(const std::string& title,
                                                      const std::string&) override {
        saveTitles.push_back(title);
        if (saveFiles.empty()) {
            ADD_FAILURE() << "unexpected save dialog: " << title;
            return std::nullopt;
        }
        auto p = saveFiles.front();
        saveFiles.pop_front();
        return p;
    }
    void showTab(int n) override { tabsShown.push_back(n); }
    bool startProgram(const std::string& name) override {
        programsStarted.push_back(name);
        return startSucceeds;
    }
    void beep() override { ++beeps; }
    void setClipboard(const std::string& text) override { clipboard = text; }

    // The one message shown so far (fails when there is not exactly one).
    const ShownMessage& onlyMessage() const {
        EXPECT_EQ(messages.size(), 1u);
        static const ShownMessage none{common::Icon::None, "", ""};
        return messages.empty() ? none : messages.front();
    }
    int lastTab() const { return tabsShown.empty() ? -1 : tabsShown.back(); }
};

}  // namespace testing_support
