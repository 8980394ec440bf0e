#include "GatesScreenFixture.h"

#include "common/ErrorLog.h"

namespace vexa::test {

void GatesScreenTest::SetUp() {
    PaymentTest::SetUp();
    setUnhandledErrorHandler([this](const QString& m) { errors_ << m; });
    addTaxpayer(kIE, kNome);
    addTaxpayer(kIESimples, kNomeSimples, QStringLiteral("S"));
    addTaxpayer(kIESemMunicipio, QStringLiteral("GAMA SEM MUNICÍPIO"), QStringLiteral("N"), QString());
    // 02/2024 (due 11/03/2024) rectified once: ICMS 1.000,00 on the rectification.
    addDeclaration(kIE, "2024", "02", "00", {{"C51", 400}});
    addDeclaration(kIE, "2024", "02", "01", {{"C51", 1000}});
    addDeclaration(kIE, "2024", "01", "00", {{"C51", 500}});   // due 14/02/2024
    addDeclaration(kIE, "2024", "03", "00", {{"C51", 500}});   // due 10/04/2024
    addDeclaration(kIESimples, "2024", "02", "00", {{"C51", 300}});
    addDeclaration(kIESemMunicipio, "2024", "02", "00", {{"C51", 200}});
}

void GatesScreenTest::TearDown() {
    setUnhandledErrorHandler({});
    PaymentTest::TearDown();
}

void GatesScreenTest::typeKey(payment::ui::FrmGates& screen, const QString& ie, const QString& mes,
                              const QString& ano) {
    QLineEdit* fields[] = {edit(screen, "EdtIE"), edit(screen, "EdtMes"), edit(screen, "EdtAno")};
    const QString values[] = {ie, mes, ano};
    fields[0]->setFocus(Qt::MouseFocusReason);
    settle();
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(focused(), fields[i]->objectName());
        fields[i]->selectAll();
        QTest::keyClick(fields[i], Qt::Key_Backspace);
        QTest::keyClicks(fields[i], values[i]);
        QTest::keyClick(fields[i], Qt::Key_Return);
        settle();
        if (i < 2 && focused() != fields[i + 1]->objectName()) return;   // a check stopped the typing
    }
}

void GatesScreenTest::retype(QLineEdit* edit, const QString& text) {
    edit->setFocus(Qt::MouseFocusReason);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    edit->setCursorPosition(0);
    QTest::keyClicks(edit, text);
    settle();
}

void GatesScreenTest::storeDare(const QString& ie, const QString& ano, const QString& mes, const QString& ret,
                                const QString& code, const QDate& payDate, const QString& obs1) {
    payment::Dare d = dare(ie, ano, mes, ret, code, payDate);
    d.Obs1 = obs1;
    QString error;
    ASSERT_TRUE(payment::saveDare(d, &error)) << error.toStdString();
}

} // namespace vexa::test
