#include "support/TempProgramFolder.h"

#include "storage/Database.h"
#include "storage/ProgramFolderInit.h"
#include "support/TestServer.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

namespace vexa::test {

namespace {
void copyTree(const QString& from, const QString& to) {
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString rel = QDir(from).relativeFilePath(src);
        const QString dst = QDir(to).filePath(rel);
        if (it.fileInfo().isDir()) QDir().mkpath(dst);
        else QFile::copy(src, dst);
    }
}

// The program folder laid out once per test binary.
const QString& templateFolder() {
    static QTemporaryDir dir;
    static QString path;
    if (path.isEmpty()) {
        QString error;
        if (!storage::initProgramFolder(ProgramFolder(dir.path()), TempProgramFolder::deliveredDir(), false, &error))
            throw std::runtime_error(("init of the test program folder failed: " + error).toStdString());
        path = dir.path();
    }
    return path;
}
} // namespace

QString TempProgramFolder::deliveredDir() {
    // The copy the build lays beside the executables; the source tree's data/
    // when the build has not made it (a test target built on its own).
    const QString bin = qEnvironmentVariable("VEXA_BIN_DIR");
    const QString built = QDir(bin).filePath(QStringLiteral("delivered"));
    if (!bin.isEmpty() && QFileInfo(built + QStringLiteral("/reference")).isDir()) return built;
    return QDir(qEnvironmentVariable("VEXA_SOURCE_DIR")).filePath(QStringLiteral("data"));
}

TempProgramFolder::TempProgramFolder(bool open) : dir_(std::make_unique<QTemporaryDir>()) {
    storage::close();
    copyTree(templateFolder(), dir_->path());
    folder_ = ProgramFolder(dir_->path());
    if (onServer()) {
        server_ = std::make_unique<ServerDatabase>();
        server_->attach(folder_);
    }
    if (open) {
        QString error;
        if (!storage::open(folder_, &error))
            throw std::runtime_error(("open of the test database failed: " + error).toStdString());
    }
}

TempProgramFolder::~TempProgramFolder() {
    storage::close();
    server_.reset();
}

} // namespace vexa::test
