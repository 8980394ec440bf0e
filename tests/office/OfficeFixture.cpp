#include "OfficeFixture.h"

#include "storage/Database.h"
#include "storage/Engine.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <stdexcept>

namespace vexa::test {

QString binPath(const QString& program) { return QDir(qEnvironmentVariable("VEXA_BIN_DIR")).filePath(program); }

Station::Station(const QString& program, const QStringList& args) : program_(binPath(program)), args_(args) {}

Station::~Station() {
    if (process_ && process_->state() != QProcess::NotRunning) {
        process_->kill();
        process_->waitForFinished(5000);
    }
}

void Station::start() {
    process_ = std::make_unique<QProcess>();
    process_->setProcessChannelMode(QProcess::MergedChannels);
    process_->start(program_, args_);
    if (!process_->waitForStarted(30000)) throw std::runtime_error(("cannot start " + program_).toStdString());
}

ProcessResult Station::wait(int timeoutMs) {
    ProcessResult r;
    if (!process_) return r;
    if (!process_->waitForFinished(timeoutMs)) {
        process_->kill();
        process_->waitForFinished(5000);
    }
    r.code = process_->exitStatus() == QProcess::NormalExit ? process_->exitCode() : -1;
    r.output = QString::fromUtf8(process_->readAll());
    return r;
}

ProcessResult runStation(const QString& program, const QStringList& args) {
    Station s(program, args);
    s.start();
    return s.wait();
}

void OfficeTest::SetUp() { folder_ = std::make_unique<TempProgramFolder>(); }

void OfficeTest::TearDown() { folder_.reset(); }

void OfficeTest::exec(const QString& statement, const QVariantList& values) {
    QSqlQuery q(storage::db());
    ASSERT_TRUE(q.prepare(statement)) << q.lastError().text().toStdString();
    for (const QVariant& v : values) q.addBindValue(v);
    ASSERT_TRUE(q.exec()) << statement.toStdString() << ": " << q.lastError().text().toStdString();
}

QVariant OfficeTest::value(const QString& statement, const QVariantList& values) {
    QSqlQuery q(storage::db());
    q.prepare(statement);
    for (const QVariant& v : values) q.addBindValue(v);
    if (!q.exec() || !q.next()) return {};
    return q.value(0);
}

void OfficeTest::addTaxpayer(const QString& ie, const QString& name) {
    exec(QStringLiteral("INSERT INTO Contribuintes (RazaoSocial, IE, CGC_CPF, MunicipioID, NovaSenha, "
                        "AtividadeEconomicaPrincip, TipoEstabelecimento, PortadorTare, TipoEscrituracao, UsuarioECF, "
                        "TipoRegime, EmailCont, UF) VALUES (?, ?, '11222333000181', "
                        "(SELECT min(CodigoID) FROM Municipios WHERE UF = 'QX'), 'ab12', '4711302', 'U', 0, 'F', 0, "
                        "'N', 'a@b.qx', 'QX')"),
         {name, ie});
    if (value(QStringLiteral("SELECT count(*) FROM Declarante WHERE CRC = 'QX012345'")).toInt() == 0)
        exec(QStringLiteral("INSERT INTO Declarante (Nome, CRC, UF, Telefone, CPFCGC, email) VALUES "
                            "('MARIA CONTADORA', 'QX012345', 'QX', '6532101234', '52998224725', 'm@c.qx')"));
}

void OfficeTest::addDeclaration(const QString& ie, double c51) {
    exec(QStringLiteral("INSERT INTO Vexas (IE, Ano, Mes, Retificacao, CRCContador, UF, MudaDomicilio, C51) "
                        "VALUES (?, '2024', '03', '00', 'QX012345', 'QX', 'N', ?)"),
         {ie, c51});
}

int OfficeTest::orphanRows() {
    int n = 0;
    for (const char* table : {"MovimentacaoPorOperacoes42", "MovimentacaoPorUF", "ICMSRecolher", "OutrosDeb",
                              "Encerrantes", "EstTanque", "SaidasMun", "Aliquota"})
        n += value(QStringLiteral("SELECT count(*) FROM %1 c WHERE NOT EXISTS (SELECT 1 FROM Vexas v WHERE "
                                  "v.IE = c.IE AND v.Ano = c.Ano AND v.Mes = c.Mes AND v.Retificacao = c.Retificacao)")
                       .arg(QString::fromLatin1(table)))
                 .toInt();
    n += value(QStringLiteral("SELECT count(*) FROM Vexas v WHERE NOT EXISTS (SELECT 1 FROM Contribuintes c "
                              "WHERE c.IE = v.IE)"))
             .toInt();
    return n;
}

bool OfficeTest::waitForBlockedStation(int timeoutMs) const {
    // Asked on the cluster's own connection: this workstation's is inside its transaction.
    const QString statement = QStringLiteral("SELECT count(*) FROM pg_stat_activity WHERE datname = '%1' "
                                             "AND wait_event_type = 'Lock' AND pid <> %2")
                                  .arg(databaseOf(folder()))
                                  .arg(storage::serverProcessId(storage::db()));
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (clusterValue(statement).toInt() > 0) return true;
        QThread::msleep(20);
    }
    return false;
}

void OfficeTest::dropConnection() {
    const int pid = storage::serverProcessId(storage::db());
    clusterExec(QStringLiteral("SELECT pg_terminate_backend(%1)").arg(pid));
}

} // namespace vexa::test
