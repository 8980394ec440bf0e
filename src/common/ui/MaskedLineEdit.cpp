#include "common/ui/MaskedLineEdit.h"

#include "common/Masks.h"

#include <QFocusEvent>
#include <QTimer>

namespace vexa {

namespace {
const QString kDateFormat = QStringLiteral("dd/MM/yyyy");

QString onlyDigits(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) out += c;
    return out;
}
} // namespace

QString MaskedLineEdit::maskFor(Kind kind) {
    switch (kind) {
    case Kind::IE: return kInputMaskIE;
    case Kind::CPF: return kInputMaskCPF;
    case Kind::Date: return kInputMaskDate;
    case Kind::Period: return kInputMaskPeriod;
    }
    return {};
}

int MaskedLineEdit::digitPositions(Kind kind) {
    switch (kind) {
    case Kind::IE: return 9;
    case Kind::CPF: return 11;
    case Kind::Date: return 8;
    case Kind::Period: return 6;
    }
    return 0;
}

MaskedLineEdit::MaskedLineEdit(Kind kind, QWidget* parent) : QLineEdit(parent), kind_(kind) {
    setInputMask(maskFor(kind));
}

QString MaskedLineEdit::digits() const { return onlyDigits(text()); }

void MaskedLineEdit::setDigits(const QString& value) {
    // The mask places the digits around its punctuation; anything else is dropped.
    setText(onlyDigits(value));
}

bool MaskedLineEdit::isComplete() const { return digits().size() == digitPositions(kind_); }

QDate MaskedLineEdit::date() const {
    if (!isComplete()) return {};
    return QDate::fromString(text(), kDateFormat);
}

void MaskedLineEdit::setDate(const QDate& value) {
    if (value.isValid()) setText(value.toString(kDateFormat));
    else clear();
}

QString MaskedLineEdit::dateText() const { return isBlank() ? QString() : text(); }

void MaskedLineEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // Entering a blank masked edit starts typing at its first position, not
    // wherever the click fell among the blanks.
    if (isBlank()) QTimer::singleShot(0, this, [this] { setCursorPosition(0); });
}

} // namespace vexa
