#pragma once
// Shared pieces of the declaration record tests: a fresh program folder, a
// registered taxpayer and accountant, declarations stored straight into
// `Vexas`, child rows and small SQL helpers.

#include "declaration/VexaRow.h"
#include "registry/Contribuintes.h"
#include "support/TempProgramFolder.h"

#include <QSqlQuery>
#include <QString>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace vexa::test {

inline const QString kIE = QStringLiteral("290000009");
inline const QString kOtherIE = QStringLiteral("290000017");
inline const QString kCPFOk = QStringLiteral("52998224725");
inline const QString kCommerce = QStringLiteral("4711302");
inline const QString kFuelRetail = QStringLiteral("4731800");

class RecordTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override { folder_.reset(); }

    static QSqlQuery exec(const QString& statement, const QVariantList& values = {});
    static int count(const QString& statement, const QVariantList& values = {});
    static double value(const QString& statement, const QVariantList& values = {});

    // A registered taxpayer of the home state, regime "N" unless given.
    static registry::Contribuinte addTaxpayer(const QString& ie = kIE, const QString& regime = QStringLiteral("N"),
                                              const QString& activity = kCommerce);
    // The IBGE code of the taxpayer's municipality, and another one of the state.
    static qint64 taxpayerCity(const QString& ie = kIE);
    static qint64 otherCity(qint64 notThis);
    // An accountant of the registry.
    static void addAccountant(const QString& crc, const QString& uf);

    // A declaration row stored as it is (every amount 0 unless set by `fill`).
    static decl::VexaRow store(const QString& ie, const QString& ano, const QString& mes,
                               const QString& ret = QStringLiteral("00"),
                               const std::function<void(decl::VexaRow&)>& fill = {});

    // The number of rows of the table under the declaration key.
    static int rowsOf(const QString& table, const decl::DeclarationKey& key);

    const ProgramFolder& folder() const { return folder_->folder(); }

private:
    std::unique_ptr<TempProgramFolder> folder_;
};

} // namespace vexa::test
