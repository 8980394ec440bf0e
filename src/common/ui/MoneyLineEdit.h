#pragma once
// An amount in reais, shown "###,###,###,##0.00" ("1.234,50") also while it
// is typed: the thousands points follow the digits as they are typed, so the
// amount reads the same in the edit and out of it. Reading, rounding and
// display all go through the Money module.

#include <QLineEdit>
#include <QValidator>

namespace vexa {

// Digits, at most one decimal comma with up to two decimals after it, and a
// leading minus when allowed; the thousands points are set again after every
// key (the cursor stays after the same digit). A point typed at the end of an
// amount that has no comma yet is its decimal comma (the numeric keypad).
class GroupedAmountValidator : public QValidator {
public:
    explicit GroupedAmountValidator(QObject* parent = nullptr) : QValidator(parent) {}
    void setAllowNegative(bool allow) { allowNegative_ = allow; }
    void setMaxIntegerDigits(int digits) { maxIntegerDigits_ = digits; }
    State validate(QString& input, int& pos) const override;

private:
    bool allowNegative_ = false;
    int maxIntegerDigits_ = 15;
};

class MoneyLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit MoneyLineEdit(QWidget* parent = nullptr);

    // The amount, rounded to cents; 0 when the edit is blank.
    double value() const { return value_; }
    bool isBlank() const { return blank_; }
    void setValue(double value);
    void clearValue();

    // Negative amounts may be typed (off by default: most amounts are not signed).
    void setAllowNegative(bool allow);

signals:
    // The user changed the amount (on leaving the edit or pressing Enter).
    void valueEdited(double value);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void takeTypedText();
    void showValue();

    GroupedAmountValidator* validator_ = nullptr;
    double value_ = 0.0;
    bool blank_ = true;
    bool allowNegative_ = false;
};

} // namespace vexa
