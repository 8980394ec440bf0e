#include "storage/DataModule.h"

#include "storage/Database.h"
#include "storage/Engine.h"
#include "storage/IndexList.h"
#include "storage/LayoutUpgrade.h"
#include "storage/Schema.h"

#include <QDir>
#include <QFile>

namespace vexa::storage {

namespace {

// Deletes the files of the folder that match the mask (any case); a file that
// cannot be deleted stays without a message.
void deleteFiles(const QString& folder, const QString& mask) {
    const QDir dir(folder);
    if (!dir.exists()) return;
    for (const QString& f : dir.entryList({mask}, QDir::Files | QDir::Hidden | QDir::System))
        QFile::remove(dir.filePath(f));
}

} // namespace

DataModule::DataModule(ProgramFolder folder, ErrorHandler onError)
    : folder_(std::move(folder)), onError_(std::move(onError)) {}

DataModule::~DataModule() {
    setConnectionNotice({});   // the handler goes with the data module
    close();
    deleteFiles(folder_.dbDir(), QStringLiteral("*.lck"));
    deleteFiles(folder_.root(), QStringLiteral("*.lck"));
}

QString DataModule::indexListFile(const ProgramFolder& folder) { return storage::indexListFile(folder.root()); }

StartUpResult DataModule::startUp(RebuildProgress* progress, Prompter& prompter) {
    StartUpResult result;
    // Any step that fails goes to the error handler and ends the start-up;
    // the program goes on to its main window.
    auto stop = [&](const QString& message) {
        result.error = message;
        if (onError_) onError_(message);
        return result;
    };
    auto reopen = [&]() {
        QString why;
        result.opened = open(folder_, &why);
        if (!result.opened) result.error = why;
        return result.opened;
    };

    // 2. The engine's shared control and private folders.
    const QString root = folder_.root();
    QDir(root).mkdir(QStringLiteral("PrivDir"));
    QDir(root).mkdir(QStringLiteral("NetDir"));

    // 3. The connection.
    if (!reopen()) return stop(result.error);

    // 4. Stale lock and validity files.
    deleteFiles(root + QStringLiteral("NetDir"), QStringLiteral("*.lck"));
    deleteFiles(root, QStringLiteral("*.lck"));
    deleteFiles(folder_.dbDir(), QStringLiteral("*.Val"));

    // A lost server connection is told through the application-wide handler.
    setConnectionNotice(onError_);

    // 5 to 16. Columns and tables of earlier layouts, and the values their rows
    // lack; then the change stamp of the declarations that several workstations
    // save. Workstations that start together upgrade one after the other.
    LayoutUpgrade upgrade;
    {
        StartUpLock lock(db());
        if (!upgrade.upgradeColumnsAndTables() || !upgrade.addRowVersion()) return stop(upgrade.error());
    }

    // 17. The key index of the operations sheet is missing: rebuild the indexes.
    const QString indexList = indexListFile(folder_);
    if (!schema::keyIndexExists(db(), QStringLiteral("movimentacaoporoperacoes42"))) {
        QString why;
        rebuildIndexes(folder_, indexList, progress, prompter, &why);
        result.endProgram = true;
        if (!why.isEmpty()) return stop(why);
        if (!reopen()) return stop(result.error);
    }

    // 18. Once per layout version: rebuild the indexes, then write the version row.
    bool hasVersion = false;
    if (!upgrade.hasLayoutVersion(&hasVersion)) return stop(upgrade.error());
    if (!hasVersion) {
        QString why;
        rebuildIndexes(folder_, indexList, progress, prompter, &why);
        result.endProgram = true;
        if (!why.isEmpty()) return stop(why);
        if (!reopen()) return stop(result.error);
        if (!upgrade.writeLayoutVersion()) return stop(upgrade.error());
    }

    // 19, 20. Reference rows that must exist.
    if (!upgrade.ensureItem15Activity() || !upgrade.ensureRateComplementRevenue()) return stop(upgrade.error());
    return result;
}

} // namespace vexa::storage
