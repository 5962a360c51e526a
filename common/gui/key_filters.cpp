// Numeric and quote key filters for line edits.
#include "common/gui/key_filters.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>

#include "common/cell_edit.h"
#include "common/fullwidth.h"

namespace gui {
namespace {

class NoQuote : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return input.contains(QLatin1Char('"')) ? Invalid : Acceptable;
    }
};

// A number field takes full-width digits, point, minus and plus as ASCII, typed or pasted.
class NumericText : public NoQuote {
public:
    using NoQuote::NoQuote;
    State validate(QString& input, int& pos) const override {
        // One UTF-16 unit becomes one ASCII character: the caret stays where it is.
        for (auto& ch : input) ch = QChar(char16_t(common::asciiNumberChar(ch.unicode())));
        return NoQuote::validate(input, pos);
    }
};

KeyFilter* install(QLineEdit* field, bool numeric) {
    auto* f = new KeyFilter(field, numeric);
    field->installEventFilter(f);
    if (!field->validator())
        field->setValidator(numeric ? numericTextValidator(field) : noQuoteValidator(field));
    if (numeric) field->setAttribute(Qt::WA_InputMethodEnabled, false);
    return f;
}

}  // namespace

QValidator* noQuoteValidator(QObject* parent) { return new NoQuote(parent); }
QValidator* numericTextValidator(QObject* parent) { return new NumericText(parent); }

KeyFilter::KeyFilter(QObject* parent, bool numeric)
    : QObject(parent), beep([] { QApplication::beep(); }), numeric_(numeric) {}

bool KeyFilter::eventFilter(QObject*, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    auto* ke = static_cast<QKeyEvent*>(event);
    QString text = ke->text();
    if (text.isEmpty()) return false;
    // Shortcuts (copy, paste, undo) are not characters.
    if (ke->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return false;
    for (char32_t c : text.toUcs4()) {
        bool refused = numeric_ ? !common::numericKeyPasses(c) : common::refusedEverywhere(c);
        if (refused) {
            if (beep) beep();
            return true;
        }
    }
    return false;
}

KeyFilter* installNumericFilter(QLineEdit* field) { return install(field, true); }
KeyFilter* installQuoteFilter(QLineEdit* field) { return install(field, false); }

}  // namespace gui
