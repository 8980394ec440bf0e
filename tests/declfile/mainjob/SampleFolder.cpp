#include "SampleFolder.h"

#include "storage/Database.h"
#include "support/TestServer.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <stdexcept>

namespace vexa::test {

namespace {

ProcessRun runProcess(const QString& program, const QStringList& args, int timeoutMs) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    ProcessRun run;
    if (!p.waitForStarted(30000)) {
        run.output = p.errorString();
        return run;
    }
    run.finished = p.waitForFinished(timeoutMs);
    if (!run.finished) {
        p.kill();
        p.waitForFinished(5000);
    }
    run.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    run.output = QString::fromUtf8(p.readAll());
    return run;
}

// The child table of each segment B to S.
const QList<std::pair<char, QString>>& segmentTables() {
    static const QList<std::pair<char, QString>> tables{
        {'B', QStringLiteral("MovimentacaoPorOperacoes42")}, {'C', QStringLiteral("DemostrativoEstoque")},
        {'D', QStringLiteral("MovimentacaoPorUF")},           {'E', QStringLiteral("ICMSRecolher")},
        {'G', QStringLiteral("Encerrantes")},                 {'H', QStringLiteral("EstTanque")},
        {'I', QStringLiteral("InfoAlcool")},                  {'J', QStringLiteral("Tare")},
        {'K', QStringLiteral("OutrosCred")},                  {'L', QStringLiteral("Deducoes")},
        {'M', QStringLiteral("SaidasMun")},                   {'N', QStringLiteral("MercadMuni")},
        {'O', QStringLiteral("NotasFiscal")},                 {'P', QStringLiteral("Aliquota")},
        {'Q', QStringLiteral("AliquotaComp")},                {'R', QStringLiteral("OutrosDeb")},
        {'S', QStringLiteral("AliquotaConsumidor")}};
    return tables;
}

QSqlQuery run(const QString& statement) {
    QSqlQuery q(storage::db());
    if (!q.exec(statement)) throw std::runtime_error(("statement failed: " + statement).toStdString());
    return q;
}

// The folder laid out by the script's first steps, once per test binary (on
// a database of its own on the test cluster when the tests run on PostgreSQL).
const QString& templateFolder() {
    static QTemporaryDir dir;
    static QString path;
    static std::unique_ptr<ServerDatabase> server;
    if (path.isEmpty()) {
        const QString home = dir.path() + QStringLiteral("/programa");
        QStringList args{QStringLiteral("--home"), home, QStringLiteral("--until"), QStringLiteral("register")};
        if (onServer()) {
            server = std::make_unique<ServerDatabase>(ServerDatabase::Content::Empty);
            args << QStringLiteral("--postgres") << server->connection();
        }
        const ProcessRun run = runMainJob(args);
        if (!run.finished || run.exitCode != 0)
            throw std::runtime_error(("the example script could not register the sample's taxpayers:\n" + run.output)
                                         .toStdString());
        path = home;
    }
    return path;
}

} // namespace

QString sourcePath(const QString& relative) {
    return QDir(qEnvironmentVariable("VEXA_SOURCE_DIR")).filePath(relative);
}

QString binPath(const QString& name) { return QDir(qEnvironmentVariable("VEXA_BIN_DIR")).filePath(name); }

QString samplePath() { return sourcePath(QStringLiteral("examples/vexa-exemplo.txt")); }

QByteArray sampleBytes() {
    QFile f(samplePath());
    if (!f.open(QIODevice::ReadOnly)) throw std::runtime_error(("cannot read " + samplePath()).toStdString());
    return f.readAll();
}

ProcessRun runMainJob(const QStringList& args, int timeoutMs) {
    return runProcess(QStringLiteral("bash"),
                      QStringList{sourcePath(QStringLiteral("examples/run-main-job.sh")), QStringLiteral("--bin"),
                                  qEnvironmentVariable("VEXA_BIN_DIR")} +
                          args,
                      timeoutMs);
}

ProcessRun runCli(const QString& home, const QStringList& args, int timeoutMs) {
    return runProcess(binPath(QStringLiteral("vexa-cli")), QStringList{QStringLiteral("--home"), home} + args,
                      timeoutMs);
}

QList<QByteArray> splitLines(const QByteArray& bytes) {
    QList<QByteArray> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        const bool ended = end >= 0;
        if (!ended) end = bytes.size();
        QByteArray line = bytes.mid(start, end - start);
        if (line.endsWith('\r')) line.chop(1);
        lines << line;
        start = ended ? end + 1 : end;
    }
    return lines;
}

QString recordKey(const QByteArray& line) {
    return QString::fromLatin1(line.mid(1, 9) + line.mid(12, 6) + line.mid(18, 2));
}

QList<AccountBlock> accountBlocks(const QList<QByteArray>& lines) {
    QList<AccountBlock> blocks;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!lines[i].startsWith('A')) continue;
        AccountBlock b;
        b.key = recordKey(lines[i]);
        for (qsizetype j = i + 1; j < lines.size(); ++j) {
            const char s = lines[j].isEmpty() ? '\0' : lines[j].at(0);
            if (s == 'Z') break;
            if (s >= 'B' && s <= 'S') ++b.records[s];
        }
        blocks << b;
    }
    return blocks;
}

QMap<QString, StoredDeclaration> storedDeclarations() {
    QMap<QString, StoredDeclaration> out;
    const QString key = QStringLiteral("IE || Mes || Ano || Retificacao");
    QSqlQuery v = run(QStringLiteral("select ") + key + QStringLiteral(", Importado from Vexas"));
    while (v.next()) out[v.value(0).toString()].imported = v.value(1).toBool();
    for (const auto& [segment, table] : segmentTables()) {
        QSqlQuery q = run(QStringLiteral("select ") + key + QStringLiteral(", count(*) from ") + table +
                          QStringLiteral(" group by IE, Ano, Mes, Retificacao"));
        while (q.next()) out[q.value(0).toString()].records[segment] = q.value(1).toInt();
    }
    return out;
}

int orphanRows() {
    int n = 0;
    for (const auto& [segment, table] : segmentTables()) {
        QSqlQuery q = run(QStringLiteral("select count(*) from ") + table +
                          QStringLiteral(" c where not exists (select 1 from Vexas v where v.IE = c.IE and "
                                         "v.Ano = c.Ano and v.Mes = c.Mes and v.Retificacao = c.Retificacao)"));
        if (q.next()) n += q.value(0).toInt();
    }
    return n;
}

void clearDeclarations() {
    storage::db().transaction();
    for (const auto& [segment, table] : segmentTables()) run(QStringLiteral("delete from ") + table);
    run(QStringLiteral("delete from Vexas"));
    storage::db().commit();
}

SampleProgramFolder::SampleProgramFolder(bool open) : dir_(std::make_unique<QTemporaryDir>()) {
    storage::close();
    server_ = copyProgramFolder(templateFolder(), dir_->path());
    folder_ = ProgramFolder(dir_->path());
    if (open) {
        QString error;
        if (!storage::open(folder_, &error))
            throw std::runtime_error(("open of the sample program folder failed: " + error).toStdString());
    }
}

SampleProgramFolder::~SampleProgramFolder() {
    storage::close();
    server_.reset();
}

} // namespace vexa::test
