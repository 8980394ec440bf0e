#pragma once
// Plain edits of the keyed forms: names and codes typed in upper case (or
// e-mail addresses in lower case) whatever the keyboard sends, and number
// fields that take only the digits 0-9 (the month, the year, a CNPJ or CPF).

#include <QLineEdit>

namespace vexa {

class TextLineEdit : public QLineEdit {
    Q_OBJECT
public:
    enum class Case { Upper, Lower, AsTyped };

    explicit TextLineEdit(Case letterCase, int maxLength = 32767, QWidget* parent = nullptr);
    Case letterCase() const { return case_; }

private:
    Case case_;
};

// Accepts only the digits 0-9 (typed, pasted or set), up to maxLength of them.
class DigitsLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit DigitsLineEdit(int maxLength = 32767, QWidget* parent = nullptr);
};

} // namespace vexa
