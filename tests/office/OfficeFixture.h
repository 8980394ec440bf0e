#pragma once
// Several workstations on one database: the test process is one workstation,
// the others are processes of their own (vexa-cli, office_station) on the same
// program folder. Most cases need the PostgreSQL cluster of VEXA_TEST_PG and
// are skipped without it; those that do not run on both engines.

#include "support/TempProgramFolder.h"
#include "support/TestServer.h"

#include <QProcess>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

namespace vexa::test {

inline const QString kOfficeIE = QStringLiteral("290000009");

struct ProcessResult {
    int code = -1;
    QString output;   // standard output and error
};

// A program of the build (vexa-cli, office_station) run on the folder.
class Station {
public:
    Station(const QString& program, const QStringList& args);
    ~Station();
    void start();
    ProcessResult wait(int timeoutMs = 120000);

private:
    QString program_;
    QStringList args_;
    std::unique_ptr<QProcess> process_;
};
ProcessResult runStation(const QString& program, const QStringList& args);
QString binPath(const QString& program);

class OfficeTest : public ::testing::Test {
public:
    // On the "Vexa" connection.
    static void exec(const QString& statement, const QVariantList& values = {});
    static QVariant value(const QString& statement, const QVariantList& values = {});

protected:
    void SetUp() override;
    void TearDown() override;
    const ProgramFolder& folder() const { return folder_->folder(); }
    QString home() const { return folder().root(); }

    // A registered taxpayer of the home state and its accountant.
    static void addTaxpayer(const QString& ie, const QString& name);
    // A stored declaration of 03/2024 with item 5.1.
    static void addDeclaration(const QString& ie, double c51);
    // Child rows of declarations whose `Vexas` row is gone.
    static int orphanRows();

    // Waits until a workstation of the folder's database waits for a row lock
    // held by this process; false after the timeout.
    bool waitForBlockedStation(int timeoutMs = 20000) const;
    // Cuts this process's server connection, as a network failure would.
    static void dropConnection();

private:
    std::unique_ptr<TempProgramFolder> folder_;
};

#define SKIP_UNLESS_ON_SERVER() \
    if (!::vexa::test::onServer()) GTEST_SKIP() << "needs the PostgreSQL cluster of VEXA_TEST_PG"

} // namespace vexa::test
