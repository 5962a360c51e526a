// In-place cell editor: key handling of the grid and its editor, commit on focus loss.
#include "common/gui/cell_editor.h"

#include <QApplication>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>

#include "common/fullwidth.h"
#include "common/gui/grid_view.h"
#include "common/gui/key_filters.h"
#include "common/gui/qtext.h"

namespace gui {

CellEditor::CellEditor(GridView* grid, common::GridParams params,
                       std::shared_ptr<EditTarget> target, std::function<bool()> moveRight,
                       Commit commit, const QString& editorName)
    : QObject(grid),
      grid_(grid),
      editor_(new QLineEdit(grid->viewport())),
      params_(params),
      target_(std::move(target)),
      moveRight_(std::move(moveRight)),
      commit_(std::move(commit)) {
    beep = [] { QApplication::beep(); };
    editor_->setObjectName(editorName);
    editor_->setFrame(false);
    editor_->setStyleSheet(QStringLiteral("QLineEdit { background: rgb(255, 255, 192); }"));
    // Pasted text with a double quote is refused too: the files cannot hold it. Number
    // columns show full-width digits as ASCII while they are typed.
    textValidator_ = noQuoteValidator(editor_);
    numberValidator_ = numericTextValidator(editor_);
    editor_->setValidator(textValidator_);
    editor_->hide();
    editor_->installEventFilter(this);
    grid_->installEventFilter(this);
    grid_->setAttribute(Qt::WA_InputMethodEnabled, true);
    auto scrolled = [this] {
        if (open_) {
            grid_->setFocus(Qt::OtherFocusReason);
            commitIfOpen();
        }
    };
    connect(grid_->verticalScrollBar(), &QScrollBar::valueChanged, this, scrolled);
    connect(grid_->horizontalScrollBar(), &QScrollBar::valueChanged, this, scrolled);
}

void CellEditor::editStart(char32_t code) {
    const auto& table = grid_->table();
    int r = table.currentRow(), c = table.currentCol();
    common::OpenDecision d = common::decideOpen(code, table.text(r, c));
    if (!d.open) return;
    grid_->scrollTo(grid_->tableModel()->indexOf(r, c));
    editor_->setValidator(params_.numeric.contains(c) ? numberValidator_ : textValidator_);
    editor_->setText(qs(d.text));
    editor_->setCursorPosition(d.caret == common::Caret::Start ? 0 : editor_->text().size());
    editor_->setGeometry(grid_->cellRect(r, c));
    open_ = true;
    editor_->show();
    editor_->raise();
    editor_->setFocus(Qt::OtherFocusReason);
    target_->row = static_cast<std::int16_t>(r);
    target_->col = static_cast<std::int16_t>(c);
}

void CellEditor::commitIfOpen() {
    if (open_) finish(/*commit=*/true);
}

void CellEditor::finish(bool commit) {
    if (!open_ || committing_) return;
    committing_ = true;
    std::string text = ss(editor_->text());
    // Input-method text still being composed never passed the validator.
    if (params_.numeric.contains(target_->col)) text = common::asciiNumberText(text);
    open_ = false;
    if (commit && commit_) commit_(target_->row, target_->col, text);
    // The view takes the focus before the editor hides, or Qt would pass it on as if Tab
    // had been pressed and shift the current cell.
    if (editor_->hasFocus()) grid_->setFocus(Qt::OtherFocusReason);
    editor_->hide();
    committing_ = false;
    if (commit && afterCommit) afterCommit();
    grid_->refresh();
}

void CellEditor::moveTo(common::CellPos pos) {
    grid_->table().setCurrent(pos.row, pos.col);
    grid_->refresh();
    grid_->scrollTo(grid_->tableModel()->indexOf(pos.row, pos.col));
}

void CellEditor::editKey(int key) {
    const auto& table = grid_->table();
    if (key == Qt::Key_Escape) {
        finish(/*commit=*/false);
        grid_->setFocus(Qt::OtherFocusReason);
        return;
    }
    // The focus goes back to the grid, which commits through the focus loss; commit
    // directly too where no focus event arrives (an inactive window).
    grid_->setFocus(Qt::OtherFocusReason);
    commitIfOpen();
    common::CellPos cur{table.currentRow(), table.currentCol()};
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        moveTo(common::moveAfterEnter(params_, cur, moveRight_ ? moveRight_() : true));
    else if (key == Qt::Key_Up)
        moveTo(common::moveUp(params_, cur));
    else if (key == Qt::Key_Down)
        moveTo(common::moveDown(params_, cur));
}

bool CellEditor::editorKey(QEvent* event) {
    auto* ke = static_cast<QKeyEvent*>(event);
    switch (ke->key()) {
        case Qt::Key_Escape:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Up:
        case Qt::Key_Down:
            editKey(ke->key());
            return true;
        default:
            break;
    }
    if (ke->text().contains(QLatin1Char('"'))) {
        if (beep) beep();
        return true;
    }
    return false;
}

bool CellEditor::gridKey(QEvent* event) {
    if (event->type() == QEvent::InputMethod) {
        auto* ime = static_cast<QInputMethodEvent*>(event);
        if (ime->commitString().isEmpty() && ime->preeditString().isEmpty()) return false;
        int col = grid_->table().currentCol();
        // Text composed with the input method is typing: where a typed character would
        // replace the cell, the composition replaces it too (kept, it would end up in
        // front of the old text: "１３" over 12.500 would commit 1312.5). Elsewhere the
        // input-method key opens the cell for editing as Space does.
        if (params_.typing.contains(col))
            editStart(common::kCodeBackspace);
        else if (params_.keyOpen.contains(col))
            editStart(common::kCodeSpace);
        else
            return true;
        if (open_) QCoreApplication::sendEvent(editor_, event);
        return true;
    }
    auto* ke = static_cast<QKeyEvent*>(event);
    if (onGridKey && onGridKey(ke->key())) return true;
    int col = grid_->table().currentCol();
    if (ke->key() == Qt::Key_Delete) {
        if (params_.keyOpen.contains(col)) editStart(common::kCodeBackspace);
        return true;
    }
    if (ke->key() == Qt::Key_F2) {
        if (params_.keyOpen.contains(col)) editStart(common::kCodeEnter);
        return true;
    }
    QString text = ke->text();
    if (text.isEmpty()) return false;
    // Shortcuts are not typing.
    if (ke->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    char32_t code = text.toUcs4().value(0);
    if (common::refusedEverywhere(code)) {
        if (beep) beep();
        return true;
    }
    if (code < 32 && code != common::kCodeEnter && code != common::kCodeBackspace) return false;
    if (params_.typing.contains(col)) editStart(code);
    return true;
}

bool CellEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == editor_) {
        if (event->type() == QEvent::KeyPress) return editorKey(event);
        if (event->type() == QEvent::FocusOut) {
            auto reason = static_cast<QFocusEvent*>(event)->reason();
            // Another window or a popup taking the focus is not leaving the cell.
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                commitIfOpen();
        }
        return false;
    }
    if (watched == grid_ &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::InputMethod))
        return gridKey(event);
    return false;
}

}  // namespace gui
