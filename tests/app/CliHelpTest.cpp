// vexa-cli's command line read before anything runs: help that never acts,
// lines refused with exit 2 and the folder untouched, values passed through
// as typed, a program folder that cannot be used refused before the command.

#include "CliProcess.h"

#include "app/cli/CliUsage.h"
#include "support/TempProgramFolder.h"

#include <QFile>
#include <QTemporaryDir>
#include <unistd.h>

using namespace vexa;
using namespace vexa::test;

namespace {

QStringList homeArgs(const QString& dir, const QStringList& rest) { return QStringList{"--home", dir} + rest; }

TEST(CliHelp, EveryCommandAndSubcommandPrintsItsUsageAndLeavesTheFolderAsItWas) {
    TempProgramFolder home(false);
    const QString dir = home.folder().root();
    const auto before = snapshot(dir);

    QList<QStringList> named{{}};   // the program itself, then every command and group
    for (const cli::CommandSpec& c : cli::commandTable()) named << c.words();
    for (const QStringList& words : named) {
        for (const QString flag : {"--help", "-h"}) {
            const CliRun r = runCli(homeArgs(dir, words + QStringList{flag}));
            SCOPED_TRACE((words.join(' ') + ' ' + flag).toStdString());
            EXPECT_EQ(r.code, 0);
            EXPECT_TRUE(r.out.startsWith("uso: vexa-cli")) << r.out.toStdString();
            EXPECT_TRUE(r.out.contains(words.join(' ')));
            EXPECT_EQ(r.err, QString());
        }
    }

    // --help anywhere wins, even where a value or an unknown option stands,
    // and prints the usage of the deepest command named.
    const struct {
        QStringList args;
        QString usage;
    } anywhere[] = {
        {{"--help", "taxpayer", "delete"}, "taxpayer delete [--yes] IE"},
        {{"taxpayer", "--help", "delete"}, "taxpayer delete [--yes] IE"},
        {{"taxpayer", "delete", "29.000.000-9", "-h"}, "taxpayer delete [--yes] IE"},
        {{"export", "--period", "--help", "-o", "x.qx"}, "export --period MMAAAA"},
        {{"dare", "standalone", "delete", "--bogus", "--help", "--ie"}, "dare standalone delete --ie IE"},
        {{"dare", "standalone", "-h"}, "emite um DARE avulso"},
        {{"--version", "--help"}, "COMANDO"},
    };
    for (const auto& c : anywhere) {
        const CliRun r = runCli(homeArgs(dir, c.args));
        EXPECT_EQ(r.code, 0) << c.args.join(' ').toStdString();
        EXPECT_TRUE(r.out.contains(c.usage)) << c.args.join(' ').toStdString() << "\n" << r.out.toStdString();
    }
    const CliRun version = runCli(homeArgs(dir, {"--version"}));
    EXPECT_EQ(version.code, 0);
    EXPECT_TRUE(version.out.contains("versão 10.0"));
    EXPECT_EQ(snapshot(dir), before);

    // Help never looks at the folder: one that does not exist stays so.
    const QString missing = dir + "falta";
    EXPECT_EQ(runCli({"--home", missing, "init", "--help"}).code, 0);
    EXPECT_FALSE(QFileInfo::exists(missing));
}

TEST(CliHelp, TheTableHoldsEveryCommandAndTheManualPageNamesThem) {
    const char* const commands[] = {
        "init", "reindex", "move-to-postgres", "taxpayer add", "taxpayer list", "taxpayer show", "taxpayer delete",
        "accountant add", "accountant list", "accountant delete", "declaration list", "declaration show", "rectify",
        "import", "validate", "export", "qx decode", "qx encode", "dare issue", "dare show", "dare print",
        "dare delete", "dare standalone issue", "dare standalone list", "dare standalone show",
        "dare standalone print", "dare standalone delete", "print declaration", "print dare", "indices list",
        "indices add", "indices import", "indices update-selic", "backup", "restore", "import-previous"};
    QFile page(qEnvironmentVariable("VEXA_SOURCE_DIR") + "/packaging/vexa-cli.1");
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString manual = QString::fromUtf8(page.readAll()).replace("\\-", "-");
    int leaves = 0;
    for (const cli::CommandSpec& c : cli::commandTable()) leaves += cli::isGroup(c.path) ? 0 : 1;
    EXPECT_EQ(leaves, int(std::size(commands)));
    for (const char* name : commands) {
        const cli::CommandSpec* c = cli::findCommand(name);
        ASSERT_NE(c, nullptr) << name;
        EXPECT_FALSE(cli::isGroup(name)) << name;
        EXPECT_TRUE(manual.contains(QString("vexa-cli %1 ").arg(name)) ||
                    manual.contains(QString("vexa-cli %1\n").arg(name)))
            << "not in the manual page: " << name;
    }
}

TEST(CliHelp, LinesThatDoNotFitTheTableAreRefusedWithTheUsageAndChangeNothing) {
    TempProgramFolder home(false);
    const QString dir = home.folder().root();
    const auto before = snapshot(dir);
    const struct {
        QStringList args;
        QString reason;
    } cases[] = {
        {{}, "informe o comando"},
        {{"frobnicate"}, "comando desconhecido: frobnicate"},
        {{"taxpayer"}, "informe o subcomando"},
        {{"taxpayer", "remove", "1"}, "subcomando desconhecido: remove"},
        {{"taxpayer", "delete", "--bogus", "29.000.000-9"}, "opção desconhecida: --bogus"},
        {{"taxpayer", "list", "--home", dir}, "opção desconhecida: --home"},
        {{"export", "--period", "012024", "-o"}, "falta o valor da opção -o"},
        {{"export", "--period", "-o", "x.qx"}, "falta o valor da opção --period"},
        {{"declaration", "show", "--ie", "1", "--ie=2", "--period", "012024"}, "a opção --ie foi informada mais de uma vez"},
        {{"--yes", "export", "--period", "012024", "-o", "x.qx", "--yes"}, "a opção --yes foi informada mais de uma vez"},
        {{"init", "--force=sim"}, "a opção --force não leva valor"},
        {{"print", "declaration", "--ie", "1", "--period", "012024"}, "falta a opção -o"},
        {{"taxpayer", "show"}, "falta o argumento IE"},
        {{"accountant", "delete", "QX1", "QX", "x"}, "argumento a mais: x"},
        {{"--home"}, "falta o valor da opção --home"},
    };
    for (const auto& c : cases) {
        const CliRun r = runCli(c.args.isEmpty() || c.args.first() == "--home" ? c.args : homeArgs(dir, c.args));
        SCOPED_TRACE(c.args.join(' ').toStdString());
        EXPECT_EQ(r.code, 2);
        EXPECT_TRUE(r.err.startsWith("vexa-cli: " + c.reason)) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains("\nuso: vexa-cli")) << r.err.toStdString();
        EXPECT_EQ(r.out, QString());
    }
    EXPECT_EQ(snapshot(dir), before);
}

TEST(CliHelp, ValuesReachTheCommandAsTyped) {
    TempProgramFolder home(false);
    const QString dir = home.folder().root();
    // "--name=value", blanks, quotes, accents and a value that begins with '-'.
    const CliRun add = runCli(homeArgs(dir, {"accountant", "add", "--crc=QX014512", "--uf", "QX",
                                             "--name=Zé d'Ávila \"Contábil\"  Ltda", "--cpf", "529.982.247-25",
                                             "--email", "a@b.qx", "--phone=-6532"}));
    ASSERT_EQ(add.code, 0) << add.err.toStdString();
    const CliRun list = runCli(homeArgs(dir, {"accountant", "list"}));
    EXPECT_TRUE(list.out.contains("ZÉ D'ÁVILA \"CONTÁBIL\"  LTDA\ta@b.qx\t-6532")) << list.out.toStdString();

    // A repeatable option given twice goes through to the command.
    const CliRun twice = runCli(homeArgs(dir, {"validate", "--period", "012024", "--ie", "29.310.452-2", "--ie=29.411.783-0"}));
    EXPECT_TRUE(twice.err.contains("Inscrição Estadual 29.310.452-2")) << twice.err.toStdString();
    EXPECT_TRUE(twice.err.contains("Inscrição Estadual 29.411.783-0")) << twice.err.toStdString();
}

TEST(CliHome, AFolderThatCannotBeUsedIsRefusedBeforeTheCommandAndNothingIsCreated) {
    QTemporaryDir tmp;
    const QString missing = tmp.filePath("falta");
    const QString file = tmp.filePath("arquivo");
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write("x") == 1);
    f.close();
    const auto before = snapshot(tmp.path());

    QProcessEnvironment viaEnv = QProcessEnvironment::systemEnvironment();
    viaEnv.insert("VEXA_HOME", missing);
    const struct {
        QStringList args;
        QString message;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    } cases[] = {
        {{"--home", "", "taxpayer", "list"}, "a opção --home está vazia"},
        {{"--home=", "init"}, "a opção --home está vazia"},
        {{"--home", missing, "taxpayer", "list"}, "A pasta do programa \"" + missing + "\" não existe (--home)."},
        {{"--home", missing, "qx", "decode", file}, "não existe (--home)"},
        {{"--home", file, "init"}, "\"" + file + "\" não é uma pasta (--home)."},
        {{"taxpayer", "list"}, "não existe (VEXA_HOME).", viaEnv},
    };
    for (const auto& c : cases) {
        const CliRun r = runCli(c.args, c.env);
        SCOPED_TRACE(c.args.join(' ').toStdString());
        EXPECT_EQ(r.code, 2);
        EXPECT_TRUE(r.err.contains(c.message)) << r.err.toStdString();
    }
    EXPECT_EQ(snapshot(tmp.path()), before);

    // init lays out a folder that does not exist yet, its parents too; one
    // that it could not lay out is taken away again.
    const QString fresh = tmp.filePath("nova/de/todo/pasta");
    const CliRun init = runCli({"--home", fresh, "init"});
    EXPECT_EQ(init.code, 0) << init.err.toStdString();
    EXPECT_TRUE(QFileInfo::exists(fresh + "/DB/vexa.db"));
    QProcessEnvironment noData = QProcessEnvironment::systemEnvironment();
    noData.insert("VEXA_DATA_DIR", tmp.filePath("nova"));   // holds no reference tables
    const CliRun failed = runCli({"--home", tmp.filePath("outra/pasta"), "init"}, noData);
    EXPECT_EQ(failed.code, 2);
    EXPECT_FALSE(QFileInfo::exists(tmp.filePath("outra")));
}

TEST(CliHome, AFolderWithoutWritePermissionIsRefused) {
    if (::geteuid() == 0) GTEST_SKIP() << "as root every folder takes writes: the refusal cannot be shown";
    QTemporaryDir tmp;
    const QString locked = tmp.filePath("somente-leitura");
    ASSERT_TRUE(QDir().mkpath(locked));
    ASSERT_TRUE(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const CliRun list = runCli({"--home", locked, "taxpayer", "list"});
    EXPECT_EQ(list.code, 2);
    EXPECT_TRUE(list.err.contains("não permite gravação")) << list.err.toStdString();
    const CliRun init = runCli({"--home", locked + "/nova", "init"});
    EXPECT_EQ(init.code, 2);
    EXPECT_TRUE(init.err.contains("não pode ser criada")) << init.err.toStdString();
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

} // namespace
