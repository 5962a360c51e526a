// The floating in-place editor of an editable grid: a light-yellow line edit laid over
// the current cell, opened by typing, committed when it loses the focus.
#pragma once

#include <QObject>
#include <QPointer>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "common/cell_edit.h"

class QLineEdit;
class QEvent;
class QValidator;

namespace gui {

class GridView;

// The cell the next commit writes to; one per window, shared by all its grids.
struct EditTarget {
    std::int16_t row = 0;
    std::int16_t col = 0;
};

class CellEditor : public QObject {
public:
    using Commit = std::function<void(int row, int col, const std::string& text)>;

    CellEditor(GridView* grid, common::GridParams params, std::shared_ptr<EditTarget> target,
               std::function<bool()> moveRight, Commit commit, const QString& editorName);

    QLineEdit* editor() const { return editor_; }
    GridView* grid() const { return grid_; }
    bool isOpen() const { return open_; }

    // Opens the editor over the current cell for an opening code (see decideOpen).
    void editStart(char32_t code);
    // Commits now if open (used before a tab switch and when focus events do not arrive).
    void commitIfOpen();

    // Called for every key press in the grid before the editor's own handling; returning
    // true consumes the key (the split table's F4).
    std::function<bool(int qtKey)> onGridKey;
    // Called after every commit, so the window can repaint what the rule changed.
    std::function<void()> afterCommit;
    std::function<void()> beep;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool gridKey(QEvent* event);
    bool editorKey(QEvent* event);
    void editKey(int key);
    void finish(bool commit);
    void moveTo(common::CellPos pos);

    GridView* grid_;
    QLineEdit* editor_;
    common::GridParams params_;
    std::shared_ptr<EditTarget> target_;
    std::function<bool()> moveRight_;
    Commit commit_;
    QValidator* textValidator_;
    QValidator* numberValidator_;
    bool open_ = false;
    bool committing_ = false;
};

}  // namespace gui
