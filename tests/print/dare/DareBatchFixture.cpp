#include "DareBatchFixture.h"

namespace vexa::test {

void DareBatchTest::SetUp() {
    PaymentTest::SetUp();
    setDueDate("2024", "06", QDate(2024, 7, 10));
    setDueDate("2024", "07", QDate(2024, 8, 12));
    addTaxpayer(kIE, kAlfa);
    addTaxpayer(kIE2, kBeta);
    addTaxpayer(kIE3, kGama);
    addTaxpayer(kIEDelta, kDelta);
    addTaxpayer(kIEZero, kZero);
    addDeclaration(kIE, "2024", "07", "00", {{"C51", 1234.56}});
    addDeclaration(kIE, "2024", "06", "00", {{"C51", 999}});
    addDeclaration(kIE2, "2024", "07", "00", {{"C51", 100}});
    addDeclaration(kIE2, "2024", "07", "01", {{"C51", 2500}, {"C61", 500}});
    addDeclaration(kIE3, "2024", "07", "00", {{"C76", 777.7}});
    addDeclaration(kIEDelta, "2024", "07", "00", {{"C51", 50}});
    addDeclaration(kIEZero, "2024", "07", "00", {{"C51", 10}, {"C61", 20}});
    addSlip(kIE, "07", "00", "101", QDate(2024, 8, 12));
    addSlip(kIE, "06", "00", "101", QDate(2024, 7, 10));
    addSlip(kIE2, "07", "01", "101", QDate(2024, 8, 12));
    addSlip(kIE3, "07", "00", "110", QDate(2024, 8, 12));
    addSlip(kIEZero, "07", "00", "101", QDate(2024, 8, 12));
}

void DareBatchTest::addSlip(const QString& ie, const QString& mes, const QString& ret, const QString& code,
                            const QDate& paid) {
    exec(QStringLiteral("INSERT INTO dare (IE, Ano, Mes, Retificacao, CodigoTributo, DataPgto) "
                        "VALUES (?, '2024', ?, ?, ?, ?)"),
         {ie, mes, ret, code, paid.toString(QStringLiteral("yyyy-MM-dd"))});
}

} // namespace vexa::test
