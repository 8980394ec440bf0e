#pragma once
// An amount in reais: typed without thousands points ("1234,50"), shown
// "###,###,###,##0.00" ("1.234,50") once the focus leaves. Reading, rounding
// and display all go through the Money module.

#include <QLineEdit>

namespace vexa {

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

    double value_ = 0.0;
    bool blank_ = true;
    bool allowNegative_ = false;
};

} // namespace vexa
