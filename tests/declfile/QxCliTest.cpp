// vexa-cli qx encode / decode run as a process: the reference vector through
// the batch program, and a damaged file refused without leaving anything behind.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

CliRun runCli(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(VEXA_CLI_PATH), args);
    CliRun r;
    if (!p.waitForFinished(60000)) return r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

QByteArray slurp(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class QxCli : public testing::Test {
protected:
    void SetUp() override {
        if (!QFile::exists(QStringLiteral(VEXA_CLI_PATH)))
            GTEST_SKIP() << "vexa-cli not built";
        ASSERT_TRUE(dir.isValid());
    }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    static QString vector(const char* name) { return QStringLiteral(LZHUF_VECTOR_DIR "/") + QLatin1String(name); }

    QTemporaryDir dir;
};

} // namespace

TEST_F(QxCli, EncodesAndDecodesTheReferenceVector) {
    CliRun r = runCli({"qx", "encode", vector("declaracoes.txt"), "-o", path("VEXA072025.qx")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(slurp(path("VEXA072025.qx")), slurp(vector("declaracoes.qx")));

    r = runCli({"qx", "decode", path("VEXA072025.qx"), "-o", path("texto.txt")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(slurp(path("texto.txt")), slurp(vector("declaracoes.txt")));

    // Without -o the text goes to standard output byte for byte (code page 1252).
    r = runCli({"qx", "decode", vector("acentos.qx")});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, slurp(vector("acentos.txt")));
}

TEST_F(QxCli, DamagedFileIsRefusedAndNothingIsWritten) {
    QFile cut(path("cortado.qx"));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(slurp(vector("declaracoes.qx")).left(100));
    cut.close();

    const CliRun r = runCli({"qx", "decode", path("cortado.qx"), "-o", path("texto.txt")});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(QString::fromUtf8(r.err).startsWith(QStringLiteral("Arquivo compactado inválido: ")));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("cortado.qx")});

    EXPECT_EQ(runCli({"qx", "encode", vector("f60.txt")}).exitCode, 2); // encode needs -o
}
