// The form widgets every screen shares: masked edits, case and digit edits,
// the money edit and Enter acting as Tab.
#include "common/ui/EnterAsTab.h"
#include "common/ui/MaskedLineEdit.h"
#include "common/ui/MoneyLineEdit.h"
#include "common/ui/TextLineEdit.h"

#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace vexa;

namespace {

// A shown, active form so that focus and key events behave as on screen.
class Form {
public:
    Form() : layout(new QVBoxLayout(&dialog)) {}
    template <class W>
    W* add(W* w) {
        layout->addWidget(w);
        return w;
    }
    bool show() {
        dialog.show();
        dialog.activateWindow();
        return QTest::qWaitForWindowActive(&dialog);
    }
    QDialog dialog;
    QVBoxLayout* layout;
};

} // namespace

TEST(MaskedLineEdit, IeAndCpfStoreDigitsAndShowThePunctuation) {
    Form form;
    auto* ie = form.add(new MaskedLineEdit(MaskedLineEdit::Kind::IE));
    auto* cpf = form.add(new MaskedLineEdit(MaskedLineEdit::Kind::CPF));
    ASSERT_TRUE(form.show());

    ie->setFocus();
    QTest::keyClicks(ie, "29000000");
    EXPECT_FALSE(ie->isComplete());
    QTest::keyClicks(ie, "9x7");   // letters are refused; the tenth digit has no place
    EXPECT_EQ(ie->text(), QStringLiteral("29.000.000-9"));
    EXPECT_EQ(ie->digits(), QStringLiteral("290000009"));
    EXPECT_TRUE(ie->isComplete());

    cpf->setDigits(QStringLiteral("12345678909"));
    EXPECT_EQ(cpf->text(), QStringLiteral("123.456.789-09"));
    cpf->setDigits(QStringLiteral("123.456.789-09"));
    EXPECT_EQ(cpf->digits(), QStringLiteral("12345678909"));
    cpf->setDigits(QString());
    EXPECT_TRUE(cpf->isBlank());
}

TEST(MaskedLineEdit, DateIsReadOnlyWhenCompleteAndReal) {
    Form form;
    auto* date = form.add(new MaskedLineEdit(MaskedLineEdit::Kind::Date));
    ASSERT_TRUE(form.show());
    date->setFocus();
    QTest::keyClicks(date, "29022024");
    EXPECT_EQ(date->date(), QDate(2024, 2, 29));
    EXPECT_EQ(date->dateText(), QStringLiteral("29/02/2024"));

    date->clear();
    QTest::keyClicks(date, "31022024");
    EXPECT_FALSE(date->date().isValid());
    date->clear();
    QTest::keyClicks(date, "0102");
    EXPECT_FALSE(date->date().isValid());

    date->setDate(QDate(2009, 1, 5));
    EXPECT_EQ(date->text(), QStringLiteral("05/01/2009"));
    date->setDate(QDate());
    EXPECT_TRUE(date->isBlank());
    EXPECT_TRUE(date->dateText().isEmpty());
}

TEST(MaskedLineEdit, PeriodStoresMonthAndYearDigits) {
    MaskedLineEdit period(MaskedLineEdit::Kind::Period);
    period.setDigits(QStringLiteral("032024"));
    EXPECT_EQ(period.text(), QStringLiteral("03/2024"));
    EXPECT_EQ(period.digits(), QStringLiteral("032024"));
    EXPECT_TRUE(period.isComplete());
}

TEST(TextLineEdit, UpperAndLowerCaseWhateverIsTypedOrSet) {
    Form form;
    auto* name = form.add(new TextLineEdit(TextLineEdit::Case::Upper, 50));
    auto* mail = form.add(new TextLineEdit(TextLineEdit::Case::Lower, 60));
    ASSERT_TRUE(form.show());
    name->setFocus();
    QTest::keyClicks(name, QStringLiteral("comercio d'avila "));
    // Accented letters arrive as text from the keyboard layout.
    QKeyEvent accented(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("ç"));
    QCoreApplication::sendEvent(name, &accented);
    EXPECT_EQ(name->text(), QStringLiteral("COMERCIO D'AVILA Ç"));
    name->setText(QStringLiteral("posto são joão"));
    EXPECT_EQ(name->text(), QStringLiteral("POSTO SÃO JOÃO"));
    mail->setText(QStringLiteral("Fiscal@Empresa.COM.BR"));
    EXPECT_EQ(mail->text(), QStringLiteral("fiscal@empresa.com.br"));
    EXPECT_EQ(name->maxLength(), 50);
}

TEST(DigitsLineEdit, TakesOnlyDigits) {
    Form form;
    auto* year = form.add(new DigitsLineEdit(4));
    ASSERT_TRUE(form.show());
    year->setFocus();
    QTest::keyClicks(year, "2a0-2 45");
    EXPECT_EQ(year->text(), QStringLiteral("2024"));
}

TEST(MoneyLineEdit, TypedAndShownWithThousandsPoints) {
    Form form;
    auto* amount = form.add(new MoneyLineEdit);
    auto* other = form.add(new QLineEdit);
    ASSERT_TRUE(form.show());
    QSignalSpy edited(amount, &MoneyLineEdit::valueEdited);
    other->setFocus();

    amount->setValue(1234567.8);
    EXPECT_EQ(amount->text(), QStringLiteral("1.234.567,80"));
    amount->setFocus();
    EXPECT_EQ(amount->text(), QStringLiteral("1.234.567,80")) << "the amount reads the same while edited";
    EXPECT_EQ(edited.count(), 0);

    // The points follow the digits as they are typed; a letter and a third decimal are refused.
    amount->selectAll();
    QTest::keyClicks(amount, "48906,7x29");
    EXPECT_EQ(amount->text(), QStringLiteral("48.906,72"));
    // A digit put in the middle regroups the amount and the cursor stays after it.
    amount->setCursorPosition(1);
    QTest::keyClick(amount, '1');
    EXPECT_EQ(amount->text(), QStringLiteral("418.906,72"));
    EXPECT_EQ(amount->cursorPosition(), 2);
    QTest::keyClick(amount, Qt::Key_Backspace);
    EXPECT_EQ(amount->text(), QStringLiteral("48.906,72"));
    other->setFocus();
    EXPECT_DOUBLE_EQ(amount->value(), 48906.72);
    ASSERT_EQ(edited.count(), 1);

    // The keypad's point at the end of an amount without decimals is its comma.
    amount->setFocus();
    amount->selectAll();
    QTest::keyClicks(amount, "2500.5");
    EXPECT_EQ(amount->text(), QStringLiteral("2.500,5"));
    other->setFocus();
    EXPECT_DOUBLE_EQ(amount->value(), 2500.5);
    EXPECT_EQ(amount->text(), QStringLiteral("2.500,50"));
    ASSERT_EQ(edited.count(), 2);

    // Leaving without a change says nothing; clearing the text blanks the amount.
    amount->setFocus();
    other->setFocus();
    EXPECT_EQ(edited.count(), 2);
    amount->setFocus();
    amount->selectAll();
    QTest::keyClick(amount, Qt::Key_Delete);
    other->setFocus();
    EXPECT_TRUE(amount->isBlank());
    EXPECT_EQ(amount->value(), 0.0);
    EXPECT_EQ(amount->text(), QString());
}

TEST(MoneyLineEdit, NegativeOnlyWhenAllowed) {
    Form form;
    auto* amount = form.add(new MoneyLineEdit);
    auto* signedAmount = form.add(new MoneyLineEdit);
    signedAmount->setAllowNegative(true);
    auto* other = form.add(new QLineEdit);
    ASSERT_TRUE(form.show());
    amount->setFocus();
    QTest::keyClicks(amount, "-10");
    signedAmount->setFocus();
    QTest::keyClicks(signedAmount, "-10,5");
    other->setFocus();
    EXPECT_EQ(amount->value(), 10.0);
    EXPECT_EQ(signedAmount->value(), -10.5);
    EXPECT_EQ(signedAmount->text(), QStringLiteral("-10,50"));
}

TEST(EnterAsTab, EnterMovesToTheNextControlButKeepsItsMeaningOnButtonsAndTexts) {
    Form form;
    auto* first = form.add(new QLineEdit);
    auto* second = form.add(new MaskedLineEdit(MaskedLineEdit::Kind::IE));
    auto* notes = form.add(new QTextEdit);
    auto* ok = form.add(new QPushButton(QStringLiteral("OK")));
    ok->setDefault(true);
    EnterAsTab::install(&form.dialog);
    ASSERT_TRUE(form.show());
    QSignalSpy clicked(ok, &QPushButton::clicked);

    first->setFocus();
    QTest::keyClick(first, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), second);
    QTest::keyClick(second, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(QApplication::focusWidget(), notes);
    EXPECT_EQ(clicked.count(), 0);   // the dialog's default button was not pressed
    EXPECT_TRUE(form.dialog.isVisible());

    QTest::keyClicks(notes, "a");
    QTest::keyClick(notes, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), notes);
    EXPECT_EQ(notes->toPlainText(), QStringLiteral("a\n"));

    ok->setFocus();
    QTest::keyClick(ok, Qt::Key_Return);
    EXPECT_EQ(clicked.count(), 1);
}

TEST(EnterAsTab, OnlyTheFormItWasInstalledOn) {
    Form withIt;
    auto* a = withIt.add(new QLineEdit);
    withIt.add(new QLineEdit);
    EnterAsTab::install(&withIt.dialog);
    Form without;
    auto* b = without.add(new QLineEdit);
    without.add(new QLineEdit);
    ASSERT_TRUE(without.show());
    b->setFocus();
    QSignalSpy returned(b, &QLineEdit::returnPressed);
    QTest::keyClick(b, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), b);
    EXPECT_EQ(returned.count(), 1);
    (void)a;
}
