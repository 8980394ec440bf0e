#pragma once
// A fresh program folder in a temporary directory, laid out as `init` does
// and opened as the "Vexa" connection. The first one of a test binary is built
// from the delivered files; later ones copy it, so each test starts clean and fast.
// With VEXA_TEST_PG (TestServer.h) the folder's tables are on a database of
// its own on the test cluster instead, dropped with the folder.

#include "common/ProgramFolder.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace vexa::test {

class ServerDatabase;

class TempProgramFolder {
public:
    // open: also open the database as the "Vexa" connection.
    explicit TempProgramFolder(bool open = true);
    ~TempProgramFolder();

    const ProgramFolder& folder() const { return folder_; }
    QString path(const QString& name) const { return folder_.file(name); }

    // The delivered files the build copies beside the executables.
    static QString deliveredDir();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    ProgramFolder folder_;
    std::unique_ptr<ServerDatabase> server_;
};

} // namespace vexa::test
