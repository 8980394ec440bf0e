#pragma once
// Shared pieces of the registry tests: a fresh program folder, an activity
// and municipalities to point at, a complete taxpayer and accountant that pass
// every check, and a declaration row written straight into `Vexas`.

#include "registry/Contribuintes.h"
#include "registry/Responsaveis.h"
#include "support/TempProgramFolder.h"

#include <QSqlQuery>
#include <QString>
#include <gtest/gtest.h>
#include <memory>

namespace vexa::test {

// IEs of the home state: valid check digits, and one whose check digit fails.
inline const QString kIE1 = QStringLiteral("290000009");
inline const QString kIE2 = QStringLiteral("290000017");
inline const QString kIE3 = QStringLiteral("291234569");
inline const QString kIEBadDigit = QStringLiteral("290000001");
inline const QString kCNPJ = QStringLiteral("11222333000181");
inline const QString kCPF = QStringLiteral("52998224725");
inline const QString kActivity = QStringLiteral("4711302");
inline const QString kOtherActivity = QStringLiteral("0111301");
inline const QString kApostropheName = QStringLiteral("D'ÁVILA & FILHOS COMÉRCIO LTDA");

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override { folder_.reset(); }

    // Runs a statement with bound values; fails the test when the engine refuses.
    static QSqlQuery exec(const QString& statement, const QVariantList& values = {});
    static int count(const QString& statement, const QVariantList& values = {});

    // A municipality of the state (its CodigoID), and its name.
    static QString municipalityOf(const QString& uf, QString* name = nullptr);

    // A taxpayer that passes every check of "&Gravar".
    static registry::Contribuinte completeTaxpayer(const QString& ie = kIE1);
    static registry::Declarante completeAccountant(const QString& crc = QStringLiteral("1SP123456"),
                                                   const QString& uf = QStringLiteral("SP"));

    // A declaration row of the taxpayer for that period and rectification.
    static void insertDeclaration(const QString& ie, const QString& ano, const QString& mes,
                                  const QString& ret, const QString& crc = {}, const QString& uf = {});

    const ProgramFolder& folder() const { return folder_->folder(); }

private:
    std::unique_ptr<TempProgramFolder> folder_;
};

} // namespace vexa::test
