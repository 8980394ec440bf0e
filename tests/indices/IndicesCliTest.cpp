// vexa-cli indices run as a process over a program folder: the list as the
// screen's grid shows it, a month added, a series imported or refused, and
// update-selic against the loopback server, with the exit codes of each.

#include "IndicesFixture.h"
#include "SoapTestServer.h"

#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

using namespace vexa;
using namespace vexa::test;

namespace {

struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
};

class IndicesCliTest : public IndicesTest {
protected:
    QTemporaryDir dir;
    SoapTestServer server;

    void SetUp() override {
        IndicesTest::SetUp();
        if (!QFile::exists(QStringLiteral(VEXA_CLI_PATH))) GTEST_SKIP() << "vexa-cli not built";
    }

    // Waits on an event loop rather than blocking, so the loopback server keeps answering.
    CliRun cli(QStringList args) {
        args.prepend(folder().folder().root());
        args.prepend(QStringLiteral("--home"));
        QProcess p;
        QEventLoop loop;
        QObject::connect(&p, &QProcess::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(60000, &loop, &QEventLoop::quit);
        p.start(QStringLiteral(VEXA_CLI_PATH), args);
        loop.exec();
        CliRun r;
        if (p.state() != QProcess::NotRunning) {
            p.kill();
            p.waitForFinished();
            return r;
        }
        r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.out = QString::fromUtf8(p.readAllStandardOutput());
        r.err = QString::fromUtf8(p.readAllStandardError());
        return r;
    }
    QString write(const QByteArray& content) {
        const QString path = dir.filePath(QStringLiteral("serie.csv"));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
        return path;
    }
};

TEST_F(IndicesCliTest, ListAddAndImport) {
    CliRun r = cli({"indices", "list", "--code", "5"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("01/07/2025\t0,0128\n01/06/2025\t0,0110\n"))) << r.out.toStdString();
    r = cli({"indices", "list", "--code", "4"});
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("01/04/2023\t1.128,6310\n"))) << r.out.toStdString();

    r = cli({"indices", "add", "--code", "5", "--date", "20/08/2025", "--value", "0,0116"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("Índice SELIC de 01/08/2025 gravado: 0,0116\n"));
    EXPECT_EQ(stored(5, "2025-08-01"), 0.0116);
    r = cli({"indices", "add", "--code", "5", "--date", "08/2025", "--value", "0,02"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("já está cadastrado"))) << r.err.toStdString();
    EXPECT_EQ(cli({"indices", "add", "--code", "5", "--date", "01/09/2025", "--value", "0.0105"}).exitCode, 1);
    EXPECT_EQ(cli({"indices", "add", "--code", "5", "--date", "32/09/2025", "--value", "0,0105"}).exitCode, 1);
    EXPECT_EQ(cli({"indices", "add", "--code", "7", "--date", "01/09/2025", "--value", "1"}).exitCode, 2);

    r = cli({"indices", "import", "--code", "5", write("data;valor\n01/08/2025;1,16\n01/09/2025;1,05\n")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("Índice SELIC: 1 mês inserido, 1 já cadastrado ignorado.\n"));

    const QStringList before = snapshot();
    r = cli({"indices", "import", "--code", "4", write("data;valor\n01/05/2023;1123,4\n01/06/2023;x\n")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Linha 3: valor inválido"))) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("nenhum mês foi gravado")));
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(cli({"indices", "import", "--code", "4", dir.filePath("nenhum.csv")}).exitCode, 2);
    EXPECT_EQ(cli({"indices", "import", "--code", "4"}).exitCode, 2);
    EXPECT_EQ(cli({"indices", "renumber"}).exitCode, 2);
}

TEST_F(IndicesCliTest, UpdateSelicFromTheServiceOfTheUrlGiven) {
    server.setReply(SoapTestServer::ok({{"2025-07-01", "0.0128"}, {"2025-08-01", "0.0116"}}));
    CliRun r = cli({"indices", "update-selic", "--url", server.url().toString()});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("Índice SELIC atualizado com sucesso!\n"
                                                "Índice SELIC: 1 mês inserido, 1 já cadastrado ignorado.")))
        << r.out.toStdString();
    EXPECT_EQ(stored(5, "2025-08-01"), 0.0116);
    ASSERT_EQ(server.requests().size(), 1);

    // A failure, from the address of the settings file: the message, then the
    // failure itself, exit 2, the failure in Log.txt.
    QFile settings(folder().path(QStringLiteral("Configuracoes.ini")));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly | QIODevice::Truncate));
    settings.write("[WebService]\nUrlSelic=" + server.url().toEncoded() + "\n");
    settings.close();
    SoapTestServer::Reply failing;
    failing.status = 500;
    failing.body = "falha interna";
    server.setReply(failing);
    const QStringList before = snapshot();
    r = cli({"indices", "update-selic"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(server.requests().size(), 2);
    EXPECT_TRUE(r.err.startsWith(QStringLiteral("Ocorreu um erro ao tentar atualizar Índice SELIC, verifique se o "
                                                "computador está conectada corremente a internet.\nO serviço de "
                                                "índices respondeu HTTP 500")))
        << r.err.toStdString();
    EXPECT_EQ(snapshot(), before);
    QFile log(folder().path(QStringLiteral("Log.txt")));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_TRUE(log.readAll().contains("HTTP 500"));
}

} // namespace
