// Spin buttons over a free text field.
#include "zumenko/shell/spin_field.h"

#include <QLineEdit>
#include <algorithm>

#include "common/fullwidth.h"
#include "common/numtext.h"

namespace zumenko {

SpinField::SpinField(double minimum, double maximum, double step, QWidget* parent)
    : QAbstractSpinBox(parent), minimum_(minimum), maximum_(maximum), step_(step) {
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(false);
}

QValidator::State SpinField::validate(QString& input, int&) const {
    // Digits typed with the input method on are read as the numbers they are.
    for (auto& ch : input) ch = QChar(char16_t(common::asciiNumberChar(ch.unicode())));
    return QValidator::Acceptable;
}

QString SpinField::text() const { return lineEdit()->text(); }

void SpinField::setText(const QString& text) { lineEdit()->setText(text); }

void SpinField::stepBy(int steps) {
    // The buttons start from the number in the field (0 when there is none) and stay in
    // range; the field then shows the stepped number.
    double v = common::val(text().toStdString()) + steps * step_;
    v = std::clamp(v, minimum_, maximum_);
    setText(QString::fromStdString(common::formatGeneral(v)));
    lineEdit()->selectAll();
}

QAbstractSpinBox::StepEnabled SpinField::stepEnabled() const {
    double v = common::val(text().toStdString());
    StepEnabled e = StepNone;
    if (v < maximum_) e |= StepUpEnabled;
    if (v > minimum_) e |= StepDownEnabled;
    return e;
}

}  // namespace zumenko
