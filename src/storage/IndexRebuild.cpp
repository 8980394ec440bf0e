// The index rebuild: drops every index of the database and makes again the
// keys and secondary indexes that the index list names. Used once per layout
// version at start-up and by the "&Reindexar Arquivos" command; the program
// ends after it.
#include "storage/DataModule.h"

#include "storage/Database.h"
#include "storage/Engine.h"
#include "storage/IndexList.h"
#include "storage/Schema.h"

#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

namespace vexa::storage {

namespace {

const QString kRebuildConnection = QStringLiteral("VexaIndices");

bool run(QSqlDatabase db, const QString& sql) {
    QSqlQuery q(db);
    return q.exec(sql);
}

// Every index the engine lets us drop (the keys of CREATE TABLE ... PRIMARY KEY
// belong to their table and stay), of one table or of all.
void dropIndexes(QSqlDatabase db, const QString& table = QString()) {
    const Engine engine = engineOf(db);
    for (const QString& n : droppableIndexes(db, table))
        run(db, QStringLiteral("DROP INDEX IF EXISTS %1").arg(identifier(engine, n)));
}

// Makes one entry's index; false when it cannot be built (unknown table or
// field, a repeated key in the rows, a name already taken, ...). Each entry is
// a unit of its own, so that one that fails leaves the others standing.
bool buildEntry(QSqlDatabase db, const QString& table, const IndexListEntry& entry) {
    if (table.isEmpty() || entry.fields.isEmpty()) return false;
    QStringList columns;
    QString why;
    if (!schema::columnNames(db, table, &columns, &why)) return false;
    QStringList fields;
    for (const QString& f : entry.fields) {
        const auto it = std::find_if(columns.cbegin(), columns.cend(),
                                     [&](const QString& c) { return c.compare(f, Qt::CaseInsensitive) == 0; });
        if (it == columns.cend()) return false;
        fields << *it;
    }
    Transaction unit(db);
    if (!unit.started()) return false;
    if (!run(db, schema::createIndexStatement(table, {entry.name, fields}, engineOf(db)))) return false;
    return unit.commit();
}

void deleteEngineIndexFiles(const QString& dbDir, const QString& dbFile) {
    const QDir dir(dbDir);
    const QStringList files = dir.entryList(
        {QStringLiteral("*.PX"), QStringLiteral("*.Y??"), QStringLiteral("*.X??"), QStringLiteral("*.VAL")},
        QDir::Files);   // any case
    for (const QString& f : files) {
        const QString path = dir.filePath(f);
        if (!path.startsWith(dbFile)) QFile::remove(path);
    }
}

} // namespace

bool DataModule::rebuildIndexes(const ProgramFolder& folder, const QString& indexListFile,
                                RebuildProgress* progress, Prompter& prompter, QString* error) {
    close();
    deleteEngineIndexFiles(folder.dbDir(), folder.dbFile());

    const IndexList list = readIndexList(indexListFile);
    if (progress) progress->begin(list.total);

    QString why;
    if (openFolderConnection(folder, kRebuildConnection, &why)) {
        {
            QSqlDatabase db = QSqlDatabase::database(kRebuildConnection, false);
            // One transaction: a rebuild cut short leaves the indexes as they were.
            Transaction rebuild(db);
            dropIndexes(db);
            QString previous;
            for (int i = 0; i < list.entries.size(); ++i) {
                const IndexListEntry& entry = list.entries[i];
                const QString table = realTableName(db, entry.table);
                // The first entry of a table's group drops what an earlier group made.
                if (!table.isEmpty() && entry.table.compare(previous, Qt::CaseInsensitive) != 0)
                    dropIndexes(db, table);
                buildEntry(db, table, entry);   // an entry that cannot be built is skipped
                previous = entry.table;
                if (progress) progress->step(i + 1);
            }
            if (!rebuild.commit()) why = rebuild.error();
        }
        closeConnection(kRebuildConnection);
    }
    if (!why.isEmpty() && error) *error = why;
    if (progress) progress->end();
    prompter.info(QStringLiteral("Programa será encerrado para concluir a atualização dos índices!"));
    return true;
}

} // namespace vexa::storage
