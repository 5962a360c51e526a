// Numeric and quote key filters for line edits.
#include "common/gui/key_filters.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>

#include "common/cell_edit.h"

namespace gui {
namespace {

class NoQuote : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return input.contains(QLatin1Char('"')) ? Invalid : Acceptable;
    }
};

KeyFilter* install(QLineEdit* field, bool numeric) {
    auto* f = new KeyFilter(field, numeric);
    field->installEventFilter(f);
    if (!field->validator()) field->setValidator(noQuoteValidator(field));
    if (numeric) field->setAttribute(Qt::WA_InputMethodEnabled, false);
    return f;
}

}  // namespace

QValidator* noQuoteValidator(QObject* parent) { return new NoQuote(parent); }

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
