#pragma once
// Declarations for the submission-file tests, stored with plain bound SQL in a
// fresh program folder: a taxpayer, its accountant and a declaration with
// rows in every child table, values picked so that each field is recognisable
// at its position.

#include "declaration/DeclarationKey.h"
#include "support/TempProgramFolder.h"

#include <QByteArray>
#include <QString>
#include <QVariantList>
#include <gtest/gtest.h>
#include <memory>

namespace vexa::test {

inline const QString kTaxpayerIE = QStringLiteral("290000009");
inline const QString kOtherIE = QStringLiteral("290000017");
inline const QString kCRC = QStringLiteral("QX012345");

// Runs a statement with its values bound; throws on failure.
void exec(const QString& statement, const QVariantList& values = {});
// The first column of the first row, or an invalid variant.
QVariant scalar(const QString& statement, const QVariantList& values = {});

// Columns of `Contribuintes` / `Vexas` changed from the fixture's values.
using Overrides = QList<QPair<QString, QVariant>>;

void insertTaxpayer(const QString& ie, const QString& razaoSocial, const Overrides& overrides = {});
void insertAccountant(const QString& crc = kCRC, const QString& uf = QStringLiteral("QX"));
void insertDeclaration(const decl::DeclarationKey& key, const Overrides& overrides = {});
// One or more rows in every child table B to S (see the .cpp for the values).
void insertEveryChildRow(const decl::DeclarationKey& key);

// "A" line's field at 1-based position pos, len characters.
inline QByteArray at(const QByteArray& line, int pos, int len) { return line.mid(pos - 1, len); }

decl::DeclarationKey marchKey(const QString& ie = kTaxpayerIE, const QString& ret = QStringLiteral("00"));

class LayoutTest : public ::testing::Test {
protected:
    void SetUp() override { folder_ = std::make_unique<TempProgramFolder>(); }
    void TearDown() override { folder_.reset(); }
    const TempProgramFolder& folder() const { return *folder_; }

    // The fixture's taxpayer, accountant and the full March 2024 declaration.
    static void storeFullDeclaration() {
        insertTaxpayer(kTaxpayerIE, QStringLiteral("Posto Verdal Ltda"));
        insertAccountant();
        insertDeclaration(marchKey());
        insertEveryChildRow(marchKey());
    }

private:
    std::unique_ptr<TempProgramFolder> folder_;
};

} // namespace vexa::test
