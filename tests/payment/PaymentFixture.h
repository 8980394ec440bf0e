#pragma once
// Shared pieces of the slip tests: a fresh program folder whose index tables
// hold known values (IGP-DI 1000 in March 2023 and 1010 in April 2023; SELIC
// 0,01 a month from May 2023, 0,0079 in June 2024), taxpayers and declaration
// rows written straight into the tables, and the clock fixed on 15/03/2024
// (for the batch program run over the folder too).

#include "common/Clock.h"
#include "payment/Gates.h"
#include "support/CliOverFolder.h"
#include "support/TempProgramFolder.h"

#include <QSqlQuery>
#include <QString>
#include <gtest/gtest.h>
#include <memory>

namespace vexa::test {

inline const QString kIE = QStringLiteral("291234567");
inline const QString kIE2 = QStringLiteral("290000009");
inline const QString kMunicipio = QStringLiteral("2900001");   // IBGE 2940401
inline const QString kIBGE = QStringLiteral("2940401");

class PaymentTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    static QSqlQuery exec(const QString& statement, const QVariantList& values = {});
    static int count(const QString& statement, const QVariantList& values = {});

    // A taxpayer; an empty municipality leaves `MunicipioID` null.
    static void addTaxpayer(const QString& ie, const QString& name, const QString& regime = QStringLiteral("N"),
                            const QString& municipio = kMunicipio);
    // A declaration row with the given inputs ("C51" -> 1000, ...), the others 0.
    static void addDeclaration(const QString& ie, const QString& ano, const QString& mes, const QString& ret,
                               const QList<std::pair<QString, double>>& inputs = {});
    static void setDueDate(const QString& ano, const QString& mes, const QDate& due);   // invalid: no row
    static void setIndex(int code, const QDate& month, double value);                   // NaN: no row

    static payment::Dare dare(const QString& ie, const QString& ano, const QString& mes, const QString& ret,
                              const QString& code, const QDate& payDate);

    // vexa-cli over this test's program folder, on 15/03/2024 and without a display.
    CliRun cli(QStringList args) const;

    const ProgramFolder& folder() const { return folder_->folder(); }
    FixedClock clock_{QDate(2024, 3, 15)};

private:
    std::unique_ptr<TempProgramFolder> folder_;
};

} // namespace vexa::test
