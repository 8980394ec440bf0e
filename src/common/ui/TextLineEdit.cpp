#include "common/ui/TextLineEdit.h"

#include <QValidator>

namespace vexa {

namespace {
// Rewrites the text in the asked case as it is typed, pasted or set.
class CaseValidator : public QValidator {
public:
    CaseValidator(TextLineEdit::Case c, QObject* parent) : QValidator(parent), case_(c) {}
    State validate(QString& input, int&) const override {
        if (case_ == TextLineEdit::Case::Upper) input = input.toUpper();
        else if (case_ == TextLineEdit::Case::Lower) input = input.toLower();
        return Acceptable;
    }

private:
    TextLineEdit::Case case_;
};

class DigitsValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        for (const QChar c : input)
            if (c < QLatin1Char('0') || c > QLatin1Char('9')) return Invalid;
        return Acceptable;
    }
};
} // namespace

TextLineEdit::TextLineEdit(Case letterCase, int maxLength, QWidget* parent)
    : QLineEdit(parent), case_(letterCase) {
    setMaxLength(maxLength);
    if (letterCase != Case::AsTyped) setValidator(new CaseValidator(letterCase, this));
}

DigitsLineEdit::DigitsLineEdit(int maxLength, QWidget* parent) : QLineEdit(parent) {
    setMaxLength(maxLength);
    setValidator(new DigitsValidator(this));
}

} // namespace vexa
