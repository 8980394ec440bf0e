#include "storage/StorageTestSupport.h"

#include "storage/Database.h"
#include "storage/Engine.h"
#include "storage/ProgramFolderInit.h"
#include "storage/Schema.h"

#include <QDir>
#include <algorithm>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <gtest/gtest.h>
#include <stdexcept>

namespace vexa::test {

namespace {
const QString kAux = QStringLiteral("StorageTestAux");

template <typename Fn>
void withConnection(const ProgramFolder& folder, Fn fn) {
    std::string failure;
    {
        QString why;
        QSqlDatabase db;
        if (storage::isOnServer(folder)) {
            if (storage::openFolderConnection(folder, kAux, &why)) db = QSqlDatabase::database(kAux, false);
        } else {
            db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kAux);
            db.setDatabaseName(folder.dbFile());
            if (!db.open()) why = db.lastError().text();
        }
        if (!db.isOpen()) {
            failure = why.toStdString();
        } else {
            try {
                fn(db);
            } catch (const std::exception& e) {
                failure = e.what();
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(kAux);
    if (!failure.empty()) throw std::runtime_error(failure);
}
} // namespace

QByteArray readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

void writeFile(const QString& path, const QByteArray& data) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) throw std::runtime_error("cannot write test file");
    f.write(data);
}

QMap<QString, QByteArray> smallReferenceFiles() {
    QMap<QString, QByteArray> files;
    files[QStringLiteral("UF.csv")] = "Codigo,UF\n29,QX\n35,SP\n33,RJ\n90,EX\n";
    files[QStringLiteral("AliquotaUF.csv")] =
        "CodigoUF,Aliquota,AliquotaN,AliquotaCF\n29,18,12,20\n35,18,12,18\n33,20,,22\n";
    files[QStringLiteral("Municipios.csv")] =
        "CodigoID,Descricao,ID,CodIBGE,UF\n"
        "2900001,\"Santo Antônio d'Oeste, \"\"Velho\"\"\",001,2900001,QX\n"
        "2900002,Açaí do Norte,002,2900002,QX\n"
        "3550308,São Paulo,,3550308,SP\n";
    files[QStringLiteral("CNAE15.csv")] = "CNAE\n4731800\n";
    files[QStringLiteral("Tributos.csv")] =
        "CodigoID,Descricao,ID,Tipo,Distribuicao\n101,ICMS Normal,10,0,1\n";
    files[QStringLiteral("Leis.csv")] =
        "CodLei,Tipo,DescLei,PerRLeiIni,PerRLeiFim\n98,OUTROS,\"Imposto inferior a R$ 50,00\",2009-01-01,\n";
    files[QStringLiteral("CalendarioFiscal.csv")] = "Ano,Mes,DataVencimento\n2024,01,2024-02-20\n";
    return files;
}

QString writeDeliveredFolder(const QString& dir, const QMap<QString, QByteArray>& csvFiles) {
    const QString delivered = QDir(dir).filePath(QStringLiteral("delivered"));
    for (auto it = csvFiles.constBegin(); it != csvFiles.constEnd(); ++it)
        writeFile(delivered + QStringLiteral("/reference/") + it.key(), it.value());
    QDir().mkpath(delivered + QStringLiteral("/reference"));
    const QString ini = QDir(qEnvironmentVariable("VEXA_SOURCE_DIR")).filePath(QStringLiteral("data/program/VexaIdx90.ini"));
    const QByteArray list = readFile(ini);
    if (list.isEmpty()) throw std::runtime_error("the delivered index list was not found (VEXA_SOURCE_DIR)");
    writeFile(delivered + QStringLiteral("/program/VexaIdx90.ini"), list);
    writeFile(delivered + QStringLiteral("/program/ajuda/Quemudou.htm"), "<html><body>Mudanças</body></html>");
    return delivered;
}

LaidOutFolder::LaidOutFolder(Kind kind) {
    delivered = writeDeliveredFolder(dir.path(), smallReferenceFiles());
    folder = ProgramFolder(dir.filePath(QStringLiteral("home")));
    QString error;
    if (kind == Kind::TestedEngine && onServer()) {
        server = std::make_unique<ServerDatabase>(ServerDatabase::Content::Empty);
        if (storage::layOutServerFolder(folder, delivered, server->connection(), false, &error) !=
            storage::InitOutcome::Done)
            throw std::runtime_error(("init --postgres failed: " + error).toStdString());
        return;
    }
    if (!storage::initProgramFolder(folder, delivered, false, &error))
        throw std::runtime_error(("init failed: " + error).toStdString());
}

LaidOutFolder::~LaidOutFolder() { storage::close(); }

QList<QVariantList> query(const ProgramFolder& folder, const QString& sql, const QVariantList& values) {
    QList<QVariantList> rows;
    withConnection(folder, [&](QSqlDatabase db) {
        QSqlQuery q(db);
        // PostgreSQL prepares no CREATE, ALTER or DROP: a statement without values runs as it stands.
        if (values.isEmpty()) {
            if (!q.exec(sql)) throw std::runtime_error((sql + ": " + q.lastError().text()).toStdString());
        } else {
            if (!q.prepare(sql)) throw std::runtime_error((sql + ": " + q.lastError().text()).toStdString());
            for (int i = 0; i < values.size(); ++i) q.bindValue(i, values[i]);
            if (!q.exec()) throw std::runtime_error((sql + ": " + q.lastError().text()).toStdString());
        }
        while (q.next()) {
            QVariantList row;
            for (int i = 0; i < q.record().count(); ++i) row << q.value(i);
            rows << row;
        }
    });
    return rows;
}

void execute(const ProgramFolder& folder, const QString& sql, const QVariantList& values) { query(folder, sql, values); }

QStringList indexNames(const ProgramFolder& folder, const QString& table) {
    QStringList names;
    withConnection(folder, [&](QSqlDatabase db) {
        if (!table.isEmpty()) {
            names = storage::indexNames(db, table);
        } else {
            for (const QString& t : storage::tableNames(db)) names += storage::indexNames(db, t);
        }
    });
    // The key of a table's own row number (PostgreSQL names it "<table>_pkey") is
    // no index of the list; SQLite's row number has none.
    names.erase(std::remove_if(names.begin(), names.end(), [](const QString& n) { return n.endsWith(QLatin1String("_pkey")); }),
                names.end());
    names.sort();
    return names;
}

QStringList columnNames(const ProgramFolder& folder, const QString& table) {
    QStringList names;
    withConnection(folder, [&](QSqlDatabase db) {
        QString why;
        if (!storage::schema::columnNames(db, table, &names, &why)) throw std::runtime_error(why.toStdString());
    });
    return names;
}

bool hasColumn(const ProgramFolder& folder, const QString& table, const QString& column) {
    return columnNames(folder, table).contains(column, Qt::CaseInsensitive);
}

QStringList lowered(const QStringList& names) {
    QStringList out;
    for (const QString& n : names) out << n.toLower();
    return out;
}

void makeOldLayout(const ProgramFolder& folder) {
    const QStringList statements = {
        QStringLiteral("DROP INDEX pk_Aliquota"),
        QStringLiteral("DROP INDEX pk_AliquotaComp"),
        QStringLiteral("ALTER TABLE Vexas DROP COLUMN Importado"),
        QStringLiteral("ALTER TABLE Vexas DROP COLUMN C79"),
        QStringLiteral("ALTER TABLE Vexas DROP COLUMN C710"),
        QStringLiteral("ALTER TABLE Aliquota DROP COLUMN Aliquota"),
        QStringLiteral("ALTER TABLE Aliquota DROP COLUMN VlrDifAliquota"),
        QStringLiteral("ALTER TABLE AliquotaComp DROP COLUMN AliquotaComp"),
        QStringLiteral("CREATE UNIQUE INDEX pk_Aliquota ON Aliquota (IE, Ano, Mes, Retificacao, UF, DomicilioFiscal)"),
        QStringLiteral("CREATE UNIQUE INDEX pk_AliquotaComp ON AliquotaComp (IE, Ano, Mes, Retificacao, UF, DomicilioFiscal)"),
        QStringLiteral("ALTER TABLE Contribuintes DROP COLUMN UF"),
        QStringLiteral("ALTER TABLE Contribuintes DROP COLUMN TipoRegime"),
        QStringLiteral("ALTER TABLE Contribuintes DROP COLUMN EmailCont"),
        QStringLiteral("ALTER TABLE Declarante DROP COLUMN email"),
        QStringLiteral("ALTER TABLE Leis DROP COLUMN PerRLeiIni"),
        QStringLiteral("ALTER TABLE Leis DROP COLUMN PerRLeiFim"),
        QStringLiteral("DELETE FROM Controle"),
        QStringLiteral("DELETE FROM CNAE15 WHERE CNAE = '3511501'"),
        QStringLiteral("DELETE FROM Tributos WHERE CodigoID = '105'"),
    };
    for (const QString& sql : statements) execute(folder, sql);
}

} // namespace vexa::test
