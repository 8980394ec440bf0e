#pragma once
// Declarations for the print tests, stored with plain bound statements in a
// fresh program folder: a taxpayer, its accountant and a March 2024
// declaration with rows in every child table, with values that are easy to
// find on the page (and texts with accents, quotes and characters outside
// code page 1252).

#include "declaration/DeclarationKey.h"
#include "support/TempProgramFolder.h"

#include <QString>
#include <QVariantMap>
#include <gtest/gtest.h>
#include <memory>

namespace vexa::test {

inline const QString kPrintIE = QStringLiteral("290000009");
inline const QString kPrintName = QStringLiteral("POSTO D'ÁGUA “ΩMEGA” LTDA");

inline decl::DeclarationKey marchDeclaration(const QString& ret = QStringLiteral("00")) {
    return {kPrintIE, QStringLiteral("2024"), QStringLiteral("03"), ret};
}

// Inserts one row; the test fails when the engine refuses it.
void insertRow(const QString& table, const QVariantMap& columns);
// A row of a child table under the declaration's key.
void insertChild(const QString& table, const decl::DeclarationKey& key, QVariantMap columns);
void runStatement(const QString& statement, const QVariantList& values = {});

void storeTaxpayer(const QVariantMap& overrides = {});
void storeAccountant();
// The declaration row: MudaDomicilio "S" with municipality B, amounts in every item.
void storeDeclaration(const decl::DeclarationKey& key, const QVariantMap& overrides = {});
// Rows in every child table (see the .cpp for the values).
void storeEveryChildRow(const decl::DeclarationKey& key);

class PrintTest : public ::testing::Test {
protected:
    void SetUp() override { folder_ = std::make_unique<TempProgramFolder>(); }
    void TearDown() override { folder_.reset(); }
    const TempProgramFolder& folder() const { return *folder_; }

    // Taxpayer, accountant and the full March declaration.
    static void storeFull(const QVariantMap& overrides = {}) {
        storeTaxpayer();
        storeAccountant();
        storeDeclaration(marchDeclaration(), overrides);
        storeEveryChildRow(marchDeclaration());
    }

private:
    std::unique_ptr<TempProgramFolder> folder_;
};

} // namespace vexa::test
