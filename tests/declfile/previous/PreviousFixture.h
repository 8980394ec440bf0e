#pragma once
// A folder of the previous version (9.6) written with pxlib, a current
// database to import it into, and a picture of what the import may touch.

#include "ParadoxWriter.h"

#include "support/TempProgramFolder.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace vexa::test {

inline const QString kKnownIE = QStringLiteral("290000009");   // in both databases
inline const QString kNewIE = QStringLiteral("290000017");     // only in the 9.6 folder
inline const QString kNewName = QStringLiteral("JOSÉ & FILHOS D'ÁVILA LTDA");

// Writes the sample 9.6 folder: taxpayers (older layout without `EmailCont`,
// `UF` and `TipoRegime`), an accountant, declarations of 12/2008, 01/2009 and
// 02/2009 (with a rectification) with rows in their sheets, the rate tables
// of the older layout (no rate column), slips linked and standalone. File
// names are spelled in several cases. Without `dare.db` when asked.
void writeSampleFolder(const QString& dir, bool withDare = true);

class PreviousTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override { folder_.reset(); }

    QString source() const { return source_.path(); }
    QString sourceFile(const QString& name) const { return source_.filePath(name); }
    const TempProgramFolder& folder() const { return *folder_; }

    // Every row of the twenty-one target tables, as text: equal pictures mean
    // the import changed nothing.
    static QStringList picture();
    static int count(const QString& statement, const QVariantList& values = {});
    static QVariant value(const QString& statement, const QVariantList& values = {});
    static void exec(const QString& statement, const QVariantList& values = {});

private:
    std::unique_ptr<TempProgramFolder> folder_;
    QTemporaryDir source_;
};

} // namespace vexa::test
