// A text field with spin buttons: the buttons step the field's number within a range,
// and anything may be typed into the field itself.
#pragma once

#include <QAbstractSpinBox>

namespace zumenko {

class SpinField : public QAbstractSpinBox {
public:
    SpinField(double minimum, double maximum, double step, QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);
    // The text field, for its textChanged signal.
    QLineEdit* field() const { return lineEdit(); }

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;

protected:
    StepEnabled stepEnabled() const override;

private:
    double minimum_, maximum_, step_;
};

}  // namespace zumenko
