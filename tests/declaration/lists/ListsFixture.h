#pragma once
// Shared pieces of the list and rate-table tests: a fresh program folder, a
// registered taxpayer, declarations stored straight into `Vexas`, law codes
// of a chosen validity and small SQL helpers.

#include "declaration/DeclarationKey.h"
#include "declaration/VexaRow.h"
#include "support/TempProgramFolder.h"

#include <QDate>
#include <QSqlQuery>
#include <QString>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace vexa::test {

inline const QString kListsIE = QStringLiteral("290000009");

class ListsFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override { folder_.reset(); }

    static QSqlQuery exec(const QString& statement, const QVariantList& values = {});
    static int count(const QString& statement, const QVariantList& values = {});
    static QVariant value(const QString& statement, const QVariantList& values = {});

    // A taxpayer of the home state (regime "N" unless given).
    static void addTaxpayer(const QString& ie = kListsIE, const QString& regime = QStringLiteral("N"));
    // The IBGE code of the taxpayer's municipality, and another one of the home state.
    static qint64 taxpayerCity(const QString& ie = kListsIE);
    static qint64 otherCity(qint64 notThis);

    // A declaration row stored as it is (zero amounts unless `fill` sets them).
    static decl::VexaRow store(const decl::DeclarationKey& key, const std::function<void(decl::VexaRow&)>& fill = {});
    static decl::DeclarationKey keyOf(const QString& ano, const QString& mes, const QString& ie = kListsIE) {
        return {ie, ano, mes, QStringLiteral("00")};
    }

    // A law code in `Leis`, `LeisDeb` or `LeisD` valid from `ini` to `fim` (invalid: open-ended).
    static void addLaw(const QString& table, int code, const QString& tipo, const QDate& ini, const QDate& fim = {});

    static int rowsOf(const QString& table, const decl::DeclarationKey& key);

private:
    std::unique_ptr<TempProgramFolder> folder_;
};

} // namespace vexa::test
