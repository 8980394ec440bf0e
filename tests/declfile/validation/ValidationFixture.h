#pragma once
// Declarations for the consistency checks, built by inserting rows into a
// fresh program folder. A new declaration passes every check; each test then
// breaks what it is about.

#include "common/Prompter.h"
#include "declaration/DeclarationKey.h"
#include "declfile/Validation.h"
#include "support/TempProgramFolder.h"

#include <QString>
#include <QVariantMap>
#include <gtest/gtest.h>
#include <memory>

namespace vexa::test {

// Inserts a row with bound values; fails the test when the engine refuses.
void insertRow(const QString& table, const QVariantMap& values);
// Sets columns of the rows that match `where` (column -> value).
void updateRows(const QString& table, const QVariantMap& values, const QVariantMap& where);

class ValidationTest : public ::testing::Test {
protected:
    void SetUp() override;

    // A taxpayer with its accountant and a declaration that passes every check.
    // The taxpayer's IE, name and the accountant's CRC are derived from `ie`.
    decl::DeclarationKey addDeclaration(const QString& ie = QStringLiteral("291234567"),
                                        const QString& mes = QStringLiteral("03"),
                                        const QString& ano = QStringLiteral("2024"),
                                        const QString& razaoSocial = QStringLiteral("Comércio Exemplo Ltda"));

    // Columns of the declaration row, of its taxpayer and of its accountant.
    void setVexa(const decl::DeclarationKey& key, const QVariantMap& values);
    void setTaxpayer(const QString& ie, const QVariantMap& values);
    void setAccountant(const QString& ie, const QVariantMap& values);
    // A child row of the declaration: the key columns are added.
    void addChild(const QString& table, const decl::DeclarationKey& key, const QVariantMap& values);

    // Item 5.1 debit and 6.1 credit with the operation rows (B) and the rows by
    // state (D, home state) that agree with them: an entry of CFOP 1102 and an
    // output of CFOP 5102, base and accounting value ten times the tax.
    void setDebitAndCredit(const decl::DeclarationKey& key, double debit, double credit);

    // Checks the declarations as one export run does, in order.
    declfile::ValidationResult check(const QList<decl::DeclarationKey>& keys);
    declfile::ValidationResult check(const decl::DeclarationKey& key) { return check(QList{key}); }

    std::unique_ptr<TempProgramFolder> folder;
    ScriptedPrompter prompter{false};
};

// The accountant's CRC of a taxpayer built by addDeclaration.
QString crcOf(const QString& ie);

} // namespace vexa::test
