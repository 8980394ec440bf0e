// Speed of backup and restore over a database of 10,000 declarations (each
// with its taxpayer, 16 operation lines, 2 state lines and 3 amounts to pay),
// built with direct inserts. Measures "Iniciar Cópia" and "Restaurar Cópia"
// as the screen runs them, and the archive component alone beside them.
#include "backup/BackupFile.h"
#include "backup/CopiaSeguranca.h"
#include "backup/DatabaseSide.h"
#include "common/ProgramFolder.h"
#include "common/Prompter.h"
#include "storage/Database.h"
#include "storage/ProgramFolderInit.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>
#include <cstdio>
#include <ctime>
#include <functional>

namespace {

using namespace vexa;

constexpr int kDeclarations = 10000;

bool run(QSqlQuery& q, const QVariantList& values) {
    for (int i = 0; i < values.size(); ++i) q.bindValue(i, values[i]);
    if (q.exec()) return true;
    std::fprintf(stderr, "%s\n", qPrintable(q.lastError().text()));
    return false;
}

QSqlQuery prepared(const char* sql) {
    QSqlQuery q(storage::db());
    if (!q.prepare(QString::fromLatin1(sql))) std::fprintf(stderr, "%s\n", qPrintable(q.lastError().text()));
    return q;
}

bool storeDeclarations() {
    storage::Transaction t;
    QSqlQuery taxpayer = prepared(
        "INSERT INTO Contribuintes (RazaoSocial, IE, CGC_CPF, MunicipioID, AtividadeEconomicaPrincip, TipoRegime,"
        " EmailCont, UF) VALUES (?, ?, '11222333000181', '2900001', '4711302', 'N', 'a@b.qx', 'QX')");
    QSqlQuery vexa = prepared("INSERT INTO Vexas (IE, Ano, Mes, Retificacao, C51, C61, C72, C76, UF, Importado)"
                              " VALUES (?, '2025', '07', '00', ?, ?, 0, 0, 'QX', 1)");
    QSqlQuery op = prepared(
        "INSERT INTO MovimentacaoPorOperacoes42 (IE, Ano, Mes, Retificacao, CodigoOperacao, DomicilioFiscal, EntradaSaida,"
        " CidadeID, TipoOperacao, BaseCalculo, IsentasNaoTributadas, Outras, SubstituicaoTributaria, ValorContabil,"
        " ImpostoCreditado) VALUES (?, '2025', '07', '00', ?, 'A', ?, 2940401, '0', ?, 0, 0, 0, ?, 0)");
    QSqlQuery state = prepared(
        "INSERT INTO MovimentacaoPorUF (IE, Ano, Mes, Retificacao, EntradaSaida, UF, DomicilioFiscal, ValorContabilA,"
        " ValorContabilB, BaseCalculoA, BaseCalculoB, CredDebImpostoA, CredDebImpostoB, IsentasNaoTributadas, Outras,"
        " SubsTributaria) VALUES (?, '2025', '07', '00', ?, '29', 'A', ?, 0, ?, 0, 0, 0, 0, 0, 0)");
    QSqlQuery toPay = prepared("INSERT INTO ICMSRecolher (IE, Ano, Mes, Retificacao, TipoApuracao, DtVencimento, Valor)"
                               " VALUES (?, '2025', '07', '00', ?, '2025-08-10', 10)");
    for (int d = 0; d < kDeclarations; ++d) {
        const QString ie = QStringLiteral("29%1").arg(d, 7, 10, QLatin1Char('0'));
        bool ok = run(taxpayer, {QStringLiteral("Contribuinte %1").arg(d, 5, 10, QLatin1Char('0')), ie}) &&
                  run(vexa, {ie, 100.0 + d, 50.0 + d});
        for (int i = 0; i < 16 && ok; ++i) {
            const double v = 1000 + 37.5 * i + d;
            ok = run(op, {ie, (i < 8 ? 1101 : 5101) + i, i < 8 ? "0" : "1", v, v});
        }
        ok = ok && run(state, {ie, "0", 1000.0, 1000.0}) && run(state, {ie, "1", 2000.0, 2000.0});
        for (const char* kind : {"S", "C", "P"}) ok = ok && run(toPay, {ie, kind});
        if (!ok) return false;
    }
    return t.commit();
}

class Quiet : public backup::BackupView {
public:
    QString archive;
    QString chooseArchiveToSave(const QString&) override { return archive; }
    QString chooseArchiveToOpen() override { return archive; }
};

struct Timing {
    double wall = 0;
    double cpu = 0;
};

Timing timed(const std::function<bool()>& f, bool* ok) {
    QElapsedTimer t;
    const std::clock_t c0 = std::clock();
    t.start();
    *ok = f();
    return {double(t.nsecsElapsed()) / 1e9, double(std::clock() - c0) / CLOCKS_PER_SEC};
}

void line(const char* what, const Timing& t) { std::printf("%-52s %6.3f s wall, %6.3f s processor\n", what, t.wall, t.cpu); }

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir, out;
    const ProgramFolder folder(dir.path());
    QString error;
    const QString delivered = ProgramFolder::deliveredDir(QCoreApplication::applicationDirPath());
    if (!storage::initProgramFolder(folder, delivered, false, &error) || !storage::open(folder, &error)) {
        std::fprintf(stderr, "program folder: %s\n", qPrintable(error));
        return 2;
    }
    if (!storeDeclarations()) return 2;

    ScriptedPrompter prompter(true);
    Quiet view;
    view.archive = out.filePath(QStringLiteral("copia.bak"));
    backup::SqliteDatabaseSide side(folder);
    backup::CopiaSeguranca copia(side, prompter, view);
    copia.listFiles();

    bool ok = false;
    const Timing backupRun = timed([&] { return copia.iniciarCopia() == backup::BackupOutcome::Done; }, &ok);
    if (!ok) return 2;
    const qint64 dbSize = QFileInfo(folder.dbFile()).size(), archiveSize = QFileInfo(view.archive).size();
    std::printf("%d declarations: database %.1f MB, archive %.1f MB\n", kDeclarations, double(dbSize) / 1e6,
                double(archiveSize) / 1e6);
    line("Iniciar Cópia (close, VACUUM, archive, reopen):", backupRun);

    storage::close();
    backup::BackupFile archive;
    const Timing write = timed([&] { return archive.backup({folder.dbFile()}, out.filePath(QStringLiteral("raw.bak"))); }, &ok);
    if (!ok) return 2;
    line("  archive written alone (fastest level):", write);
    const Timing read = timed([&] { return archive.restore(out.filePath(QStringLiteral("raw.bak")), out.filePath(QStringLiteral("read"))); }, &ok);
    if (!ok) return 2;
    line("  archive read back alone:", read);

    const Timing restoreRun = timed([&] { return copia.restaurarCopia() == backup::BackupOutcome::Done; }, &ok);
    if (!ok) {
        std::fprintf(stderr, "restore: %s\n", qPrintable(copia.lastError()));
        return 2;
    }
    line("Restaurar Cópia (read, check, replace, VACUUM, indexes):", restoreRun);
    return 0;
}
