#pragma once
// Fixtures of the storage tests: a small delivered folder written in code
// (a few reference rows, the real index list), program folders laid out from
// it, and databases of an earlier layout.

#include "common/ProgramFolder.h"
#include "storage/DataModule.h"
#include "support/TestServer.h"

#include <QMap>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>
#include <ostream>

namespace vexa::test {

// reference/*.csv from the given texts (file name -> content) and program/
// with the delivered VexaIdx90.ini and one help page.
QString writeDeliveredFolder(const QString& dir, const QMap<QString, QByteArray>& csvFiles);
QMap<QString, QByteArray> smallReferenceFiles();

// A program folder laid out from the small delivered folder: on the engine the
// tests run on (initProgramFolder, or init on a fresh database of the test
// cluster), or always on an SQLite file for the tests of the file itself.
struct LaidOutFolder {
    enum class Kind { TestedEngine, SqliteFile };
    QTemporaryDir dir;
    ProgramFolder folder;
    QString delivered;
    std::unique_ptr<ServerDatabase> server;
    explicit LaidOutFolder(Kind kind = Kind::TestedEngine);
    ~LaidOutFolder();
};

// Turns the database of the folder into one of an earlier layout: no
// Vexas.Importado/C79/C710, Aliquota and AliquotaComp keyed without their rate
// (and Aliquota without VlrDifAliquota), no Contribuintes.UF/TipoRegime/EmailCont,
// no Declarante.email, no Leis.PerRLeiIni/PerRLeiFim, no layout version row, and
// without the CNAE "3511501" and the revenue code "105".
void makeOldLayout(const ProgramFolder& folder);

// Runs one statement with bound values on a connection of its own to the
// folder's database; the rows as lists of values.
QList<QVariantList> query(const ProgramFolder& folder, const QString& sql, const QVariantList& values = {});
void execute(const ProgramFolder& folder, const QString& sql, const QVariantList& values = {});
// Index names in lower case (PostgreSQL folds them), sorted.
QStringList indexNames(const ProgramFolder& folder, const QString& table = QString());
// Column names as the engine reports them (PostgreSQL: lower case).
QStringList columnNames(const ProgramFolder& folder, const QString& table);
bool hasColumn(const ProgramFolder& folder, const QString& table, const QString& column);
QStringList lowered(const QStringList& names);

// Progress that records what it was told.
class RecordingProgress : public storage::RebuildProgress {
public:
    void begin(int total) override { events << QStringLiteral("begin %1").arg(total); }
    void step(int done) override { last = done; }
    void end() override { events << QStringLiteral("end"); }
    QStringList events;
    int last = 0;
};

QByteArray readFile(const QString& path);
void writeFile(const QString& path, const QByteArray& data);

} // namespace vexa::test

// Readable failure messages for the Qt values the tests compare.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QVariant& v, std::ostream* os) {
    *os << (v.isNull() ? std::string("NULL") : v.toString().toStdString());
}
