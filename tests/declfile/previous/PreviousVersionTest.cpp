// The import of a 9.6 folder: what is copied and what is left, a folder
// without some tables, hostile tables and readers that crash, hang or write
// junk, a fuzz run over damaged tables, and the batch command.

#include "PreviousFixture.h"

#include "declfile/PreviousVersion.h"
#include "storage/Database.h"
#include "support/EngineSql.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>

using namespace vexa;
using namespace vexa::declfile;
using namespace vexa::test;

namespace {

PreviousImportOptions quickReader() {
    PreviousImportOptions o;
    o.reader.silenceLimitMs = 2000;
    o.reader.totalLimitMs = 5000;
    return o;
}

TEST_F(PreviousTest, CopiesWhatTheDatabaseLacksAndASecondRunChangesNothing) {
    writeSampleFolder(source());
    QStringList seen;
    const PreviousImportResult r = importPreviousVersion(
        source(), [&seen](const PreviousImportProgress& p) { seen << QStringLiteral("%1 %2").arg(p.step).arg(p.file); });
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    ASSERT_EQ(r.steps.size(), 21);
    // Every step is told, with the file as it is spelled in the folder.
    EXPECT_TRUE(seen.contains("3 VEXAS.DB")) << seen.join(", ").toStdString();
    EXPECT_TRUE(seen.contains("15 movimentacaoporoperacoes42.DB"));
    EXPECT_TRUE(seen.contains("10 encerrantes.db"));   // missing: named as the step names it
    EXPECT_FALSE(r.steps[9].found);

    // Taxpayers: the known one as it was, the new one whole, with what an older row gets.
    EXPECT_EQ(value("SELECT RazaoSocial FROM Contribuintes WHERE IE = ?", {kKnownIE}).toString(), "NOME ATUAL LTDA");
    EXPECT_EQ(rowText("SELECT RazaoSocial, UF, TipoRegime, PortadorTare, DataVctoTARE, EmailCont FROM Contribuintes "
                      "WHERE IE = ?",
                      {kNewIE}),
              kNewName + "/QX/N/1/2010-06-30/nulo");
    EXPECT_EQ(value("SELECT Nome FROM Declarante WHERE CRC = 'QX012345' AND UF = 'QX'").toString(), "MARIA CONTADORA");

    // Declarations from 2009 on, each with its own sheets; none of 2008; the
    // declaration the database had keeps its own sheets.
    EXPECT_EQ(rowsText("SELECT IE, Ano || Mes || Retificacao, C51 FROM Vexas ORDER BY IE, Ano, Mes, Retificacao"),
              "290000009 20090100 5.0, 290000009 20090300 7.0, 290000017 20090100 100.25, 290000017 20090200 1.0, "
              "290000017 20090201 2.0");
    EXPECT_EQ(value("SELECT NomeResponsavel || '/' || DtIniA || '/' || Importado FROM Vexas WHERE IE = ?", {kNewIE})
                  .toString(),
              "JOSÉ DA SILVA/2009-01-01/1");
    EXPECT_EQ(rowsText("SELECT IE, Ano || Mes || Retificacao, CodigoOperacao, ValorContabil FROM "
                       "MovimentacaoPorOperacoes42 ORDER BY IE, Ano, Mes, Retificacao, CodigoOperacao"),
              "290000009 20090100 5102 5.0, 290000009 20090300 5102 nulo, 290000017 20090100 1102 50.0, "
              "290000017 20090100 5102 100.25, 290000017 20090201 5102 nulo");
    // The older rate tables get the state's current rate.
    EXPECT_EQ(rowsText("SELECT UF, Aliquota, VlrDifAliquota, CidadeID FROM Aliquota"), "14 7.0 35.0 2940401");
    EXPECT_EQ(rowsText("SELECT UF, AliquotaComp, VlrComAliquota FROM AliquotaComp"), "01 12.0 12.0");
    for (const char* table : {"OutrosCred", "dare", "DareAvulsas", "Tare", "ICMSRecolher", "Aliquota"})
        EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM %1 WHERE Ano < '2009'").arg(table)), 0) << table;
    EXPECT_EQ(value("SELECT DataPgto FROM dare").toString(), "2009-02-10");
    EXPECT_EQ(value("SELECT NumeroTare || ' ' || DataVencto FROM Tare").toString(), "TARE-9 2010-06-30");
    EXPECT_EQ(value("SELECT DtVencimento || ' ' || Valor FROM ICMSRecolher").toString(), "2009-02-10 50.25");
    // A taxpayer, an accountant, four declarations with four operation lines, one row in each other table.
    EXPECT_EQ(r.inserted(), 1 + 1 + 4 + 4 + 7);

    const QStringList once = picture();
    const PreviousImportResult again = importPreviousVersion(source());
    ASSERT_TRUE(again.ok) << again.error.toStdString();
    EXPECT_EQ(again.inserted(), 0);
    EXPECT_EQ(picture(), once);
}

TEST_F(PreviousTest, AFolderWithoutSomeTablesImportsTheOthers) {
    writeSampleFolder(source(), /*withDare=*/false);
    QFile::remove(sourceFile("Contribuintes.db"));
    const PreviousImportResult r = importPreviousVersion(source());
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_FALSE(r.steps[0].found);
    EXPECT_FALSE(r.steps[5].found);
    EXPECT_EQ(count("SELECT count(*) FROM dare"), 0);
    EXPECT_EQ(count("SELECT count(*) FROM Contribuintes WHERE IE = ?", {kNewIE}), 0);
    EXPECT_EQ(count("SELECT count(*) FROM Vexas WHERE IE = ?", {kNewIE}), 3);
    EXPECT_EQ(count("SELECT count(*) FROM Tare"), 1);

    EXPECT_EQ(previousVersionFiles(source()), (QStringList{"Declarante.db", "VEXAS.DB"}));
    EXPECT_EQ(findSourceFile(source(), "vexas.db"), sourceFile("VEXAS.DB"));
    EXPECT_TRUE(findSourceFile(source(), "nada.db").isEmpty());
}

// A damaged or hostile table stops the run with a message naming its file, and nothing is imported.
TEST_F(PreviousTest, HostileTablesImportNothing) {
    struct Case {
        const char* name;
        const char* file;   // the table damaged
        std::function<void(const QString& path)> damage;
        const char* reason;
    } cases[] = {
        {"truncated header", "VEXAS.DB", [](const QString& p) { QFile f(p); f.open(QIODevice::ReadWrite); f.resize(100); },
         "danificado"},
        {"broken header", "Declarante.db",
         [](const QString& p) {
             QFile f(p);
             f.open(QIODevice::ReadWrite);
             f.seek(4);
             f.write(QByteArray(40, '\xff'));
         },
         "danificado"},
        {"not a table", "OutrosCred.db",
         [](const QString& p) {
             QFile f(p);
             f.open(QIODevice::WriteOnly | QIODevice::Truncate);
             f.write("IE;Ano;Mes\r\n290000017;2009;01\r\n");
         },
         "danificado"},
        {"unexpected field type", "Tare.db",
         [](const QString& p) {
             EXPECT_TRUE(px::writeTable(p, {{"IE", 0x01, 11}, {"ANO", 0x01, 4}, {"MES", 0x01, 2}, {"RETIFICACAO", 0x01, 2},
                                {"NumeroTare", 0x01, 20}, {"DataVencto", 0x01, 10}},
                            {{{"IE", kNewIE}, {"ANO", "2009"}, {"MES", "01"}, {"RETIFICACAO", "00"},
                              {"DataVencto", "30/06/2010"}}}));
         },
         "\"DataVencto\" é de um tipo inesperado"},
        {"key column missing", "ICMSRecolher.db",
         [](const QString& p) { EXPECT_TRUE(px::writeTable(p, px::layoutOf("ICMSRecolher", {"DtVencimento"}), {})); },
         "\"DtVencimento\" não existe"},
        {"value out of its column", "dare.db",
         [](const QString& p) {
             EXPECT_TRUE(px::writeTable(p, {{"IE", 0x01, 11}, {"Ano", 0x01, 4}, {"Mes", 0x01, 2}, {"Retificacao", 0x01, 2},
                                {"DataPgto", 0x02, 4}},
                            {{{"IE", kNewIE}, {"Ano", "2009"}, {"Mes", "01"}, {"Retificacao", "00"},
                              {"DataPgto", QDate(-20, 1, 1)}}}));
         },
         "valor inválido na coluna \"DataPgto\" do registro 1"},
    };
    const QStringList before = picture();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const QString& f : QDir(source()).entryList(QDir::Files)) QFile::remove(sourceFile(f));
        writeSampleFolder(source());
        c.damage(sourceFile(QString::fromLatin1(c.file)));
        const PreviousImportResult r = importPreviousVersion(source(), {}, quickReader());
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(r.error.startsWith(QStringLiteral("Não foi possível importar o arquivo \"%1\"").arg(c.file)))
            << r.error.toStdString();
        EXPECT_TRUE(r.error.contains(QString::fromUtf8(c.reason))) << r.error.toStdString();
        EXPECT_EQ(picture(), before);
    }
}

// Readers that crash, hang, or answer something else than the expected form.
TEST_F(PreviousTest, ReadersThatFailImportNothing) {
    QTemporaryDir bin;
    auto script = [&bin](const char* name, const char* body) {
        const QString path = bin.filePath(QString::fromLatin1(name));
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(QByteArray("#!/bin/sh\n") + body + "\n");
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    };
    const QString header = "printf 'PXDUMP 1\\nTABLE 1 2 1252\\nFIELD 1 11 4945\\n'";
    struct Case {
        QString program;
        const char* reason;
    } cases[] = {
        {script("crash", "printf 'PXDUMP 1\\n'; kill -SEGV $$"), "terminou de forma anormal"},
        {script("hang", "exec sleep 30"), "não terminou no tempo previsto"},
        {script("chatty-hang", (header + "; exec sleep 30").toLatin1().constData()), "não terminou no tempo previsto"},
        {script("junk", "head -c 5000 /dev/urandom"), "resposta do leitor de tabelas é inválida"},
        {script("too-many-rows",
                (header + "; printf 'ROW S3239\\nROW S3239\\nROW S3239\\nEND 3\\n'").toLatin1().constData()),
         "inválida (linha 6)"},
        {script("bad-token", (header + "; printf 'ROW F1.5\\nEND 1\\n'").toLatin1().constData()), "inválida (linha 4)"},
        {script("not-utf8", (header + "; printf 'ROW Sff\\nEND 1\\n'").toLatin1().constData()), "inválida"},
        {script("no-end", (header + "; printf 'ROW S3239\\n'").toLatin1().constData()), "inválida"},
        {script("refuses", "echo 'sem tabela' >&2; exit 1"), "danificado ou não é uma tabela Paradox (sem tabela)"},
        {bin.filePath("missing-reader"), "não pôde ser iniciado"},
    };
    writeSampleFolder(source());
    const QStringList before = picture();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.program.toStdString());
        PreviousImportOptions o = quickReader();
        o.reader.program = c.program;
        QElapsedTimer t;
        t.start();
        const PreviousImportResult r = importPreviousVersion(source(), {}, o);
        EXPECT_LT(t.elapsed(), 8000);
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(r.error.contains("\"Contribuintes.db\"")) << r.error.toStdString();
        EXPECT_TRUE(r.error.contains(QString::fromUtf8(c.reason))) << r.error.toStdString();
        EXPECT_EQ(picture(), before);
    }
}

// Damaged copies of a declaration table, for a few seconds: the run always
// ends, and when it refuses the table the database is as it was.
TEST_F(PreviousTest, FuzzedTablesNeverCrashOrHang) {
    QTemporaryDir pristine;
    writeSampleFolder(pristine.path());
    QFile original(pristine.filePath("VEXAS.DB"));
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray good = original.readAll();
    const QStringList before = picture();

    // Some damaged tables send pxlib into an endless loop: the reader is stopped.
    PreviousImportOptions fuzzReader = quickReader();
    fuzzReader.reader.silenceLimitMs = 500;
    QRandomGenerator random(20240315);
    QElapsedTimer clock;
    clock.start();
    int runs = 0, refused = 0;
    while (clock.elapsed() < 4000) {
        QByteArray bytes = good;
        switch (random.bounded(4)) {
        case 0: bytes.truncate(random.bounded(bytes.size())); break;
        case 1:   // the header, where pxlib reads sizes and counts
            for (int i = 0, n = 1 + random.bounded(8); i < n; ++i) bytes[random.bounded(120)] = char(random.bounded(256));
            break;
        case 2:
            for (int i = 0, n = 1 + random.bounded(64); i < n; ++i)
                bytes[random.bounded(bytes.size())] = char(random.bounded(256));
            break;
        default: bytes += QByteArray(random.bounded(9000), char(random.bounded(256))); break;
        }
        QFile f(sourceFile("Vexas.db"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
        f.close();
        const PreviousImportResult r = importPreviousVersion(source(), {}, fuzzReader);
        ++runs;
        if (!r.ok) {
            ++refused;
            EXPECT_TRUE(r.error.contains("\"Vexas.db\"")) << r.error.toStdString();
            EXPECT_EQ(picture(), before);
        } else {
            // What the damaged table still held is taken away again.
            exec("DELETE FROM Vexas WHERE NOT (IE = ? AND Ano = '2009' AND Mes = '01' AND Retificacao = '00')",
                 {kKnownIE});
        }
    }
    EXPECT_GT(runs, 20);
    EXPECT_GT(refused, 0);
}

// ---- the batch command -----------------------------------------------------------------------

struct CliRun {
    int exitCode = -1;
    QString out, err;
};

CliRun cli(const QString& home, const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(VEXA_CLI_PATH), QStringList{"--home", home} + args);
    CliRun r;
    if (!p.waitForFinished(60000)) return r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

TEST_F(PreviousTest, BatchCommand) {
    writeSampleFolder(source());
    const QString home = folder().folder().root();
    storage::close();

    CliRun r = cli(home, {"import-previous", source()});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.endsWith(kPreviousImportDone + "\n")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("VEXAS.DB\tVexas\t6 lidos\t4 importados")) << r.out.toStdString();

    QTemporaryDir empty;
    EXPECT_EQ(cli(home, {"import-previous", empty.path()}).exitCode, 1);
    EXPECT_EQ(cli(home, {"import-previous", empty.filePath("nada")}).exitCode, 1);
    EXPECT_EQ(cli(home, {"import-previous"}).exitCode, 2);

    QFile broken(sourceFile("Declarante.db"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("junk");
    broken.close();
    r = cli(home, {"import-previous", source()});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains("\"Declarante.db\"")) << r.err.toStdString();
}

} // namespace
