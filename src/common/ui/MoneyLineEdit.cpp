#include "common/ui/MoneyLineEdit.h"

#include "common/Money.h"

#include <QFocusEvent>
#include <algorithm>

namespace vexa {

QValidator::State GroupedAmountValidator::validate(QString& input, int& pos) const {
    QString text = input;
    int cursor = pos;
    if (!text.contains(QLatin1Char(',')) && text.endsWith(QLatin1Char('.')) && cursor == text.size())
        text[text.size() - 1] = QLatin1Char(',');

    bool negative = false;
    QString integer;
    QString fraction;
    int commas = 0;
    int keptBeforeCursor = 0;   // digits, comma and sign left of the cursor
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('.')) continue;   // the points are set again below
        if (c == QLatin1Char('-')) {
            if (i != 0 || !allowNegative_) return Invalid;
            negative = true;
        } else if (c == QLatin1Char(',')) {
            if (++commas > 1) return Invalid;
        } else if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            (commas ? fraction : integer) += c;
        } else {
            return Invalid;
        }
        if (i < cursor) ++keptBeforeCursor;
    }
    if (fraction.size() > 2) return Invalid;
    // Leading zeros go, but one stays before the comma.
    int zeros = 0;
    while (zeros < integer.size() - 1 && integer[zeros] == QLatin1Char('0')) ++zeros;
    if (zeros > 0) {
        integer.remove(0, zeros);
        keptBeforeCursor = std::max(keptBeforeCursor - zeros, int(negative));
    }
    if (integer.size() > maxIntegerDigits_) return Invalid;

    QString out;
    if (negative) out += QLatin1Char('-');
    for (int i = 0; i < integer.size(); ++i) {
        if (i > 0 && (integer.size() - i) % 3 == 0) out += QLatin1Char('.');
        out += integer[i];
    }
    if (commas) out += QLatin1Char(',') + fraction;

    int newPos = 0;
    for (int kept = 0; newPos < out.size() && kept < keptBeforeCursor; ++newPos)
        if (out[newPos] != QLatin1Char('.')) ++kept;
    input = out;
    pos = newPos;
    return Acceptable;
}

MoneyLineEdit::MoneyLineEdit(QWidget* parent) : QLineEdit(parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setMaxLength(24);
    validator_ = new GroupedAmountValidator(this);
    setValidator(validator_);
    connect(this, &QLineEdit::editingFinished, this, [this] {
        if (hasFocus()) takeTypedText();   // Enter: the amount counts at once
    });
}

void MoneyLineEdit::setAllowNegative(bool allow) {
    allowNegative_ = allow;
    validator_->setAllowNegative(allow);
}

void MoneyLineEdit::setValue(double value) {
    value_ = money::round2(value);
    blank_ = false;
    showValue();
}

void MoneyLineEdit::clearValue() {
    value_ = 0.0;
    blank_ = true;
    showValue();
}

void MoneyLineEdit::showValue() {
    if (blank_) {
        setText(QString());
        return;
    }
    setText(money::format(value_));
}

void MoneyLineEdit::takeTypedText() {
    const QString typed = text().trimmed();
    const double before = value_;
    const bool wasBlank = blank_;
    if (typed.isEmpty() || typed == QLatin1String("-")) {
        value_ = 0.0;
        blank_ = true;
    } else if (const auto parsed = money::parse(typed); parsed && (allowNegative_ || *parsed >= 0)) {
        value_ = *parsed;
        blank_ = false;
    }
    // Anything else keeps the amount as it was.
    if (wasBlank != blank_ || money::different(before, value_)) emit valueEdited(value_);
}

void MoneyLineEdit::focusInEvent(QFocusEvent* event) {
    // The amount is edited as it is shown, thousands points included.
    if (!blank_) setText(money::format(value_));
    QLineEdit::focusInEvent(event);
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) selectAll();
}

void MoneyLineEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (event->reason() == Qt::PopupFocusReason) return;   // a context menu is not leaving
    takeTypedText();
    if (!blank_) setText(money::format(value_));
}

} // namespace vexa
