#include "common/ui/MoneyLineEdit.h"

#include "common/Money.h"

#include <QFocusEvent>
#include <QValidator>

namespace vexa {

namespace {
// Digits, points, at most one decimal comma with up to two decimals after it, and a
// leading minus when allowed. The shown form "1.234,50" passes too; Money reads both.
class AmountValidator : public QValidator {
public:
    AmountValidator(const bool& allowNegative, QObject* parent)
        : QValidator(parent), allowNegative_(allowNegative) {}

    State validate(QString& input, int&) const override {
        int commas = 0;
        int decimals = 0;
        for (int i = 0; i < input.size(); ++i) {
            const QChar c = input[i];
            if (c == QLatin1Char('-') && i == 0 && allowNegative_) continue;
            if (c == QLatin1Char('.')) continue;
            if (c == QLatin1Char(',')) {
                if (++commas > 1) return Invalid;
                continue;
            }
            if (c < QLatin1Char('0') || c > QLatin1Char('9')) return Invalid;
            if (commas && ++decimals > 2) return Invalid;
        }
        return Acceptable;
    }

private:
    const bool& allowNegative_;
};
} // namespace

MoneyLineEdit::MoneyLineEdit(QWidget* parent) : QLineEdit(parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setMaxLength(18);
    setValidator(new AmountValidator(allowNegative_, this));
    connect(this, &QLineEdit::editingFinished, this, [this] {
        if (hasFocus()) takeTypedText();   // Enter: the amount counts at once
    });
}

void MoneyLineEdit::setAllowNegative(bool allow) { allowNegative_ = allow; }

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
    setText(hasFocus() ? money::editText(value_) : money::format(value_));
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
    // The amount is edited without thousands points.
    if (!blank_) setText(money::editText(value_));
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
