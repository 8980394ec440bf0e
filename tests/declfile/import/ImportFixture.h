#pragma once
// A fresh program folder with the taxpayers and the accountant that the
// accounting-system files of the tests name, and the import run over bytes.

#include "AccountLines.h"
#include "declfile/Import.h"
#include "support/TempProgramFolder.h"

#include <QVariant>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

// Texts shown as text when a test fails.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace vexa::test {

inline const QString kIE = QStringLiteral("290000009");        // a normal-regime shop
inline const QString kFuelIE = QStringLiteral("290000017");    // a fuel retailer
inline const QString kSimplesIE = QStringLiteral("290000025"); // Simples Nacional
inline const QString kShopName = QStringLiteral("MERCADO VERDAL LTDA");
inline const qint64 kCityA = 2940401;   // the taxpayers' municipality (CodigoID 2900001)
inline const qint64 kCityB = 2940807;

decl::DeclarationKey periodKey(const QString& ie, const QString& mes = QStringLiteral("03"),
                               const QString& ano = QStringLiteral("2024"));

// Runs a statement with its values bound; throws on failure.
void execSql(const QString& statement, const QVariantList& values = {});
// The first column of the first row; an invalid variant when there is none.
QVariant scalarSql(const QString& statement, const QVariantList& values = {});
// count(*) of a declaration's rows in a table.
int rowsOf(const QString& table, const decl::DeclarationKey& key);
// Rows of the declaration in `Vexas` and in all seventeen child tables.
int allRowsOf(const decl::DeclarationKey& key);

// A correct declaration of the shop for the key: A and eleven records (B x4,
// D x2, E, K, L, M, R), Z counting 13.
AccountText& addShopDeclaration(AccountText& text, const decl::DeclarationKey& key, int zCount = -1);

class ImportTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override { folder_.reset(); }

    declfile::ImportResult import(const QByteArray& bytes);
    declfile::ImportResult import(const AccountText& text) { return import(text.bytes()); }
    // The response of a run of one declaration: its lines joined by "|".
    static QString joined(const declfile::ImportResult& r) { return r.response.join(QLatin1Char('|')); }
    // The response header of a declaration, as the run writes it.
    static QString header(const QString& ie, const QString& name, const QString& period);

    ScriptedPrompter prompter_;
    std::unique_ptr<TempProgramFolder> folder_;
};

} // namespace vexa::test
