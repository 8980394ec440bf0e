#pragma once
// A fresh program folder with one taxpayer and one declaration to hang
// operation rows on; helpers to type a row and to read what was stored.

#include "common/Prompter.h"
#include "declaration/OperationRules.h"
#include "declaration/OperationStore.h"
#include "support/TempProgramFolder.h"

#include <QSqlQuery>
#include <QVariantList>
#include <gtest/gtest.h>
#include <memory>

namespace vexa::test {

inline const QString kOpsIE = QStringLiteral("290000009");
// Municipalities of the home state: the taxpayer's (A) and the previous one (B).
inline const QString kCodigoA = QStringLiteral("2900001");
inline constexpr qint64 kIbgeA = 2940401;
inline constexpr qint64 kIbgeB = 2940807;

class OperationsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override { folder_.reset(); }

    // Writes the taxpayer (regime "N" or "S") and the declaration of that period;
    // answers the context read back from them.
    decl::OperationContext declaration(const QString& ano = QStringLiteral("2024"),
                                       const QString& mes = QStringLiteral("02"),
                                       const QString& regime = QStringLiteral("N"), bool mudaDomicilio = false);

    static QSqlQuery exec(const QString& statement, const QVariantList& values = {});
    static int count(const QString& statement, const QVariantList& values = {});
    // Rows of the declaration with that CFOP and domicile.
    static int rowsOf(const decl::OperationContext& ctx, int cfop, const QString& domicile);

    // A row typed in the view: the CFOP and the amounts, as the grid fills them.
    static decl::OperationRow typed(const decl::OperationContext& ctx, const decl::OperationView& view, int cfop,
                                    double valorContabil = 0, double base = 0, double imposto = 0,
                                    double isentas = 0, double outras = 0, double subst = 0);
    // Posts a new row answering Yes to any question; fails the test unless stored.
    static void store(const decl::OperationContext& ctx, const decl::OperationView& view,
                      const decl::OperationRow& row);

    static constexpr decl::OperationView k411{decl::Direction::Entry, decl::OperationKind::Domestic};
    static constexpr decl::OperationView k412{decl::Direction::Entry, decl::OperationKind::Interstate};
    static constexpr decl::OperationView k413{decl::Direction::Entry, decl::OperationKind::Foreign};
    static constexpr decl::OperationView k421{decl::Direction::Output, decl::OperationKind::Domestic};
    static constexpr decl::OperationView k422{decl::Direction::Output, decl::OperationKind::Interstate};
    static constexpr decl::OperationView k423{decl::Direction::Output, decl::OperationKind::Foreign};

    ScriptedPrompter prompter_;

private:
    std::unique_ptr<TempProgramFolder> folder_;
};

} // namespace vexa::test
