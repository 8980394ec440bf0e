#pragma once
// vexa-cli run as a process over the test's own program folder (--home). The
// batch program opens the database itself: the test lets go of it for the run
// and opens it again after, so that it can read back what the run stored.

#include "app/CliProcess.h"
#include "common/ProgramFolder.h"
#include "storage/Database.h"

#include <QProcessEnvironment>
#include <QStringList>

namespace vexa::test {

inline CliRun runCliOver(const ProgramFolder& folder, QStringList args,
                         const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    storage::close();
    args.prepend(folder.root());
    args.prepend(QStringLiteral("--home"));
    CliRun r = runCli(args, env);
    QString error;
    EXPECT_TRUE(storage::open(folder, &error)) << error.toStdString();
    return r;
}

} // namespace vexa::test
