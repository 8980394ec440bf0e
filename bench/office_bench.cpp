// Office mode on this machine: the import of an accounting-system file of N
// declarations (1,000 by default, 42 records each) into a new program folder
// on SQLite and on PostgreSQL, and the opening of a declaration of 500
// operation rows on both. Budgets: the PostgreSQL import within 3 times the
// SQLite one; the opening within 50 ms.
//
// The server databases are made (and dropped) on the cluster the connection
// names, which must let its user create databases, e.g. the test cluster:
//
//   bash tools/pgcluster.sh start build/pgtest      # prints the connection
//   build/bin/office_bench "host=... port=... user=vexa dbname=postgres" [declarations] [rounds|postgresql]
//
// Three rounds unless told; with "postgresql" one round of the server side only (for a profiler).
#include "ManyDeclarations.h"

#include "common/Money.h"
#include "common/ProgramFolder.h"
#include "common/Prompter.h"
#include "declaration/Apuracao.h"
#include "declaration/DeclarationService.h"
#include "declaration/OperationStore.h"
#include "declaration/OperationTotals.h"
#include "declfile/Import.h"
#include "storage/Database.h"
#include "storage/Engine.h"
#include "storage/ProgramFolderInit.h"
#include "storage/ServerConnection.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlError>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

using namespace vexa;

namespace {

const QString kAdmin = QStringLiteral("VexaBenchAdmin");

QString connectionTo(storage::ServerSettings s, const QString& database) {
    return QStringLiteral("host='%1' port='%2' user='%3' dbname='%4'")
        .arg(s.host, s.port.isEmpty() ? QStringLiteral("5432") : s.port, s.user, database);
}

bool admin(const QString& statement) {
    QSqlQuery q(QSqlDatabase::database(kAdmin, false));
    if (q.exec(statement)) return true;
    std::fprintf(stderr, "%s: %s\n", qPrintable(statement), qPrintable(q.lastError().text()));
    return false;
}

// A program folder on the engine: SQLite when database is empty.
bool layOut(const ProgramFolder& folder, const storage::ServerSettings& cluster, const QString& database) {
    QString error;
    const QString delivered = ProgramFolder::deliveredDir(QCoreApplication::applicationDirPath());
    bool ok = false;
    if (database.isEmpty()) {
        ok = storage::initProgramFolder(folder, delivered, false, &error);
    } else {
        ok = admin(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(database)) &&
             admin(QStringLiteral("CREATE DATABASE %1 TEMPLATE template0 ENCODING 'UTF8'").arg(database)) &&
             storage::layOutServerFolder(folder, delivered, connectionTo(cluster, database), false, &error) ==
                 storage::InitOutcome::Done;
    }
    if (ok) ok = storage::open(folder, &error);
    if (!ok) std::fprintf(stderr, "program folder: %s\n", qPrintable(error));
    return ok;
}

// The processor time this program has used so far, in ms (what the import
// costs on the client, apart from the time it waits for the server).
double cpuMs() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1000.0 + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1000.0;
}

// The processor time the server process of the program's connection has used
// so far, in ms (a server on this machine; 0 on SQLite or when unknown).
double serverCpuMs() {
    const int pid = storage::serverProcessId(storage::db());
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (pid <= 0 || !stat.open(QIODevice::ReadOnly)) return 0;
    const QByteArray text = stat.readAll();
    // After the command's closing parenthesis: state is field 3, utime 14, stime 15.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13) return 0;
    return (fields[11].toDouble() + fields[12].toDouble()) * 1000.0 / double(sysconf(_SC_CLK_TCK));
}

double importMs(const ProgramFolder& folder, int count, double* cpu, double* serverCpu) {
    QString error;
    if (!test::registerManyTaxpayers(count, &error)) {
        std::fprintf(stderr, "taxpayers: %s\n", qPrintable(error));
        return -1;
    }
    const QString path = folder.file(QStringLiteral("contabil.txt"));
    if (!test::writeManyDeclarations(path, count)) return -1;
    ScriptedPrompter prompter;
    declfile::ImportOptions options;
    options.keepResponse = false;
    QElapsedTimer timer;
    timer.start();
    const double cpuStart = cpuMs();
    const double serverStart = serverCpuMs();
    const declfile::ImportResult r = declfile::importAccountFile(path, prompter, {}, options);
    const double ms = double(timer.elapsed());
    *cpu = cpuMs() - cpuStart;
    *serverCpu = serverCpuMs() - serverStart;
    if (r.imported != count) {
        std::fprintf(stderr, "imported %d of %d: %s\n", r.imported, count, qPrintable(r.failure));
        return -1;
    }
    return ms;
}

// The declaration of 03/2024 of the first taxpayer with 500 operation rows.
bool fillOperations() {
    const QString ie = test::manyIE(0);
    storage::Transaction t;
    QSqlQuery q(storage::db());
    q.prepare(QStringLiteral("DELETE FROM MovimentacaoPorOperacoes42 WHERE IE = ?"));
    q.addBindValue(ie);
    if (!q.exec()) return false;
    q.prepare(QStringLiteral("INSERT INTO MovimentacaoPorOperacoes42 (IE, Ano, Mes, Retificacao, CodigoOperacao, "
                             "DomicilioFiscal, EntradaSaida, CidadeID, TipoOperacao, BaseCalculo, IsentasNaoTributadas, "
                             "Outras, SubstituicaoTributaria, ValorContabil, ImpostoCreditado) VALUES (?, '2024', "
                             "'03', '00', ?, ?, ?, 2940401, ?, ?, ?, ?, ?, ?, ?)"));
    for (int i = 0; i < 125; ++i) {
        for (int direction = 0; direction < 2; ++direction) {
            for (const char* domicile : {"A", "B"}) {
                const double v = 100.0 + i * 1.37;
                const QVariantList values{ie, (direction == 0 ? 1000 : 5000) + (i % 3) * 1000 + 100 + i,
                                          QString::fromLatin1(domicile), QString::number(direction),
                                          QString::number(i % 3), v * 0.6, v * 0.1, v * 0.3, 0.0, v, v * 0.6 * 0.17};
                for (int b = 0; b < values.size(); ++b) q.bindValue(b, values[b]);
                if (!q.exec()) {
                    std::fprintf(stderr, "%s\n", qPrintable(q.lastError().text()));
                    return false;
                }
            }
        }
    }
    return t.commit();
}

// What the declaration screen reads on opening, repeated; the median and the worst in ms.
std::pair<double, double> openMs(int repetitions) {
    std::vector<double> ms;
    for (int i = 0; i < repetitions; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const decl::OpenedDeclaration opened =
            decl::openDeclaration(test::manyIE(0), QStringLiteral("03"), QStringLiteral("2024"));
        const QList<decl::OperationRow> rows = decl::loadAllOperationRows(opened.row.key());
        const decl::DeclarationOperationTotals totals = decl::operationTotals(opened.row.key());
        const decl::Apuracao ap = decl::computeApuracao(opened.row);
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        if (opened.isNew || rows.size() != 500 || money::round2(ap.C73 + totals.entries.total[decl::Amount::ValorContabil]) < 0)
            return {-1, -1};
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.back()};
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString connection = argc > 1 ? QString::fromLocal8Bit(argv[1]) : qEnvironmentVariable("VEXA_TEST_PG");
    const int count = argc > 2 ? std::max(2, std::atoi(argv[2])) : 1000;
    storage::ServerSettings cluster;
    QString error;
    if (!storage::parseConnectionText(connection, &cluster, &error) ||
        !storage::openServerConnection(cluster, kAdmin, false, &error)) {
        std::fprintf(stderr, "uso: office_bench \"host=... dbname=postgres\" [declarações]\n%s\n", qPrintable(error));
        return 2;
    }
    const QString database = QStringLiteral("vexa_bench_%1").arg(QCoreApplication::applicationPid());

    // Rounds alternate the engines, so that a busy moment of the machine
    // does not fall on one engine only; the medians are compared.
    const QString third = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
    const bool serverOnly = third == QLatin1String("postgresql");
    const int rounds = serverOnly ? 1 : std::max(1, third.isEmpty() ? 3 : third.toInt());
    std::vector<double> importRuns[2], cpuRuns[2], serverRuns[2];
    std::pair<double, double> opens[2];
    for (int round = 0; round < rounds; ++round) {
        for (int engine = serverOnly ? 1 : 0; engine < 2; ++engine) {
            QTemporaryDir dir;
            const ProgramFolder folder(dir.path());
            if (!layOut(folder, cluster, engine == 0 ? QString() : database)) return 2;
            double cpu = 0, serverCpu = 0;
            const double ms = importMs(folder, count, &cpu, &serverCpu);
            if (ms < 0 || !fillOperations()) return 2;
            importRuns[engine].push_back(ms);
            cpuRuns[engine].push_back(cpu);
            serverRuns[engine].push_back(serverCpu);
            if (round == 0) opens[engine] = openMs(50);
            storage::close();
        }
    }
    auto median = [](std::vector<double> v) {
        if (v.empty()) return 0.0;
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    const double imports[2] = {median(importRuns[0]), median(importRuns[1])};
    const double cpu[2] = {median(cpuRuns[0]), median(cpuRuns[1])};
    admin(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(database));

    std::printf("import of %d declarations, median of %d rounds: SQLite %.0f ms, PostgreSQL %.0f ms (%.2f times; "
                "budget 3)\n",
                count, rounds, imports[0], imports[1], imports[1] / imports[0]);
    std::printf("  processor time of the import in this program: SQLite %.0f ms, PostgreSQL %.0f ms; in the server "
                "process: %.0f ms\n",
                cpu[0], cpu[1], median(serverRuns[1]));
    std::printf("opening a declaration of 500 rows: SQLite median %.1f ms, worst %.1f ms; PostgreSQL median %.1f ms, "
                "worst %.1f ms (budget 50 ms)\n",
                opens[0].first, opens[0].second, opens[1].first, opens[1].second);
    return imports[1] <= 3 * imports[0] && opens[1].second <= 50 ? 0 : 1;
}
