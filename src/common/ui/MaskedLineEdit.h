#pragma once
// Edits with a fixed mask, shared by every keyed form: the IE "99.999.999-9",
// the accountant's CPF "999.999.999-99", a date "99/99/9999" and a period
// "99/9999" (MM/YYYY). The screens read and set the stored form: the digits
// only for IE, CPF and period (MMYYYY), the text with its slashes for a date.

#include <QDate>
#include <QLineEdit>

namespace vexa {

class MaskedLineEdit : public QLineEdit {
    Q_OBJECT
public:
    enum class Kind { IE, CPF, Date, Period };

    explicit MaskedLineEdit(Kind kind, QWidget* parent = nullptr);

    Kind kind() const { return kind_; }
    static QString maskFor(Kind kind);

    // The typed digits, punctuation left out (IE, CPF, period MMYYYY).
    QString digits() const;
    // Shows stored digits (or a text already punctuated) through the mask.
    void setDigits(const QString& digits);

    bool isBlank() const { return digits().isEmpty(); }
    // Every digit position filled (9 for IE, 11 for CPF, 8 for a date, 6 for a period).
    bool isComplete() const;
    static int digitPositions(Kind kind);

    // A date edit: the date typed, invalid while incomplete or impossible (31/02/2024).
    QDate date() const;
    void setDate(const QDate& date);
    // The date as stored: "dd/mm/yyyy", or empty when nothing is typed.
    QString dateText() const;

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    Kind kind_;
};

} // namespace vexa
