#pragma once
// A fresh program folder with taxpayers and stored declarations to hang the
// rows of items 13 to 16, ECF and TARE on, written straight into their tables.

#include "common/Prompter.h"
#include "declaration/DeclarationKey.h"
#include "support/TempProgramFolder.h"

#include <QSqlQuery>
#include <QVariantList>
#include <gtest/gtest.h>
#include <memory>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os) { *os << "{\"" << l.join("\", \"").toStdString() << "\"}"; }

namespace vexa::test {

// IEs of the home state with valid check digits: the taxpayer and suppliers.
inline const QString kTaxpayerIE = QStringLiteral("290000009");
inline const QString kSupplier1 = QStringLiteral("290000025");
inline const QString kSupplier2 = QStringLiteral("290000033");
inline const QString kSupplier3 = QStringLiteral("291234569");
inline const QString kTaxpayerName = QStringLiteral("POSTO D'ÁVILA & FILHOS LTDA");
inline const QString kValidCnpj = QStringLiteral("11222333000181");
// Municipalities of the home state: the taxpayer's (its row `CodigoID`
// 2900001) and two others.
inline constexpr qint64 kIbgeA = 2940401;
inline constexpr qint64 kIbgeB = 2940807;
inline constexpr qint64 kIbgeOther = 2941201;
inline const QString kFuelActivity = QStringLiteral("4731800");

class SheetsFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override { folder_.reset(); }

    struct Taxpayer {
        QString activity = QStringLiteral("4711302");
        bool tare = false;
        bool ecf = false;
    };
    static void addTaxpayer(const Taxpayer& t);
    static void addTaxpayer() { addTaxpayer(Taxpayer{}); }
    // A stored declaration of the taxpayer; with a change of domicile from kIbgeB.
    static decl::DeclarationKey addDeclaration(const QString& ano = QStringLiteral("2024"),
                                               const QString& mes = QStringLiteral("02"), bool mudaDomicilio = false);

    static QSqlQuery exec(const QString& statement, const QVariantList& values = {});
    static int count(const QString& statement, const QVariantList& values = {});
    static QVariant value(const QString& statement, const QVariantList& values = {});

    const ProgramFolder& folder() const { return folder_->folder(); }

    ScriptedPrompter prompter_;

private:
    std::unique_ptr<TempProgramFolder> folder_;
};

} // namespace vexa::test
