// Key filters of plain text fields: the numeric key filter and the refusal of double
// quotes, which the files cannot hold.
#pragma once

#include <QObject>
#include <functional>

class QLineEdit;
class QValidator;

namespace gui {

class KeyFilter : public QObject {
public:
    // numeric: only control keys, "-", "." and digits (also full-width) pass; otherwise
    // only '"' is refused.
    KeyFilter(QObject* parent, bool numeric);
    std::function<void()> beep;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool numeric_;
};

// A validator that refuses any text holding a double quote (pasted text included).
QValidator* noQuoteValidator(QObject* parent);
// The same for number fields, which also turns full-width digits, point, minus and plus
// into ASCII as they are typed or pasted.
QValidator* numericTextValidator(QObject* parent);

// Installs the numeric key filter on a field (and blocks pasted quotes).
KeyFilter* installNumericFilter(QLineEdit* field);
// Installs the quote refusal on a free-text field.
KeyFilter* installQuoteFilter(QLineEdit* field);

}  // namespace gui
