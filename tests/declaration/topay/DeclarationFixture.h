#pragma once
// A fresh program folder with one taxpayer and one stored declaration, for
// the rows of item 9, item 10 and items 11 and 12; helpers that run
// statements and read back what was stored.

#include "common/Prompter.h"
#include "declaration/DeclarationKey.h"
#include "declaration/OperationTypes.h"
#include "support/TempProgramFolder.h"

#include <QSqlQuery>
#include <QVariantList>
#include <gtest/gtest.h>
#include <memory>

// Readable values in the failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace vexa::test {

inline const QString kSheetsIE = QStringLiteral("290000009");
// The previous municipality (B) of a change of domicile.
inline constexpr qint64 kSheetsIbgeB = 2940807;

class DeclarationFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override { folder_.reset(); }

    // Writes the taxpayer (regime "N" or "S") and the declaration of that
    // period; answers the context read back from them.
    decl::OperationContext declaration(const QString& ano = QStringLiteral("2024"),
                                       const QString& mes = QStringLiteral("02"),
                                       const QString& regime = QStringLiteral("N"), bool mudaDomicilio = false);

    static QSqlQuery exec(const QString& statement, const QVariantList& values = {});
    static int count(const QString& statement, const QVariantList& values = {});
    static QVariant value(const QString& statement, const QVariantList& values = {});
    // Rows of a child table under the declaration's key.
    static int rowsIn(const QString& table, const decl::DeclarationKey& key, const QString& extraWhere = {},
                      const QVariantList& extraValues = {});

    ScriptedPrompter prompter_;

private:
    std::unique_ptr<TempProgramFolder> folder_;
};

} // namespace vexa::test
