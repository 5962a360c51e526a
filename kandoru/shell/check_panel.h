// The window "設計チェック": the spans with their velocity and capacity and the findings of
// the design checks after "縦断計算". A double-click on a finding selects its cell in the
// main window; the calculation sheet can be saved as a PDF.
#pragma once

#include <QWidget>
#include <functional>

#include "common/ui.h"
#include "kandoru/check/design_check.h"
#include "kandoru/document.h"

class QLabel;
class QTableWidget;

namespace kandoru::shell {

class DesignCheckPanel : public QWidget {
public:
    explicit DesignCheckPanel(QWidget* parent);

    // Shows a result of the checks of doc.
    void setResult(const Document& doc, check::CheckResult result);
    const check::CheckResult& result() const { return result_; }

    // A finding or a span was double-clicked: the cell to select.
    std::function<void(const check::CellRef&)> onCellActivated;
    // "計算書(PDF)..." was pressed.
    std::function<void()> onSaveSheet;

private:
    QLabel* summary_;
    QLabel* settings_[2];  // the settings and limits used, in two columns
    QTableWidget* spans_;
    QTableWidget* findings_;
    check::CheckResult result_;
};

// The status-bar text of a result: "設計チェック：指摘 3 件".
QString checkStatusText(const check::CheckResult& result);

// "計算書(PDF)...": asks for a file (and whether to replace it), then writes the sheet; a
// failed write is reported and changes nothing.
void saveCheckSheet(const Document& doc, const check::CheckResult& result, common::Ui& ui);

}  // namespace kandoru::shell
