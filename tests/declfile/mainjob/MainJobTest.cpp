// The main job end to end, as examples/run-main-job.sh shows it: a fresh
// program folder, the sample's taxpayers and accountants, the import of the
// sample accounting-system file, the export's checks, the submission files
// and their decoding, each step a run of the batch program. The decoded
// files are compared with the sample declaration by declaration.

#include "DeclarationDescription.h"
#include "SampleFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vexa::test;

namespace {

const QStringList kPeriods{QStringLiteral("012024"), QStringLiteral("022024"), QStringLiteral("032024")};

// The sample's taxpayers in the order of their names, as the export lists them.
const QStringList kIEsByName{QStringLiteral("294117830"), QStringLiteral("295220643"), QStringLiteral("296331252"),
                             QStringLiteral("293104522"), QStringLiteral("297443062")};

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString periodOf(const QString& key) { return key.mid(9, 6); }

class MainJobTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = new QTemporaryDir;
        run_ = new ProcessRun(runMainJob({QStringLiteral("--home"), home(), QStringLiteral("--out"), out()}));
    }
    static void TearDownTestSuite() {
        delete run_;
        delete dir_;
    }
    static QString home() { return dir_->path() + QStringLiteral("/programa"); }
    static QString out() { return dir_->path() + QStringLiteral("/entrega"); }
    static QByteArray decoded(const QString& period) {
        return readFile(out() + QStringLiteral("/VEXA") + period + QStringLiteral(".txt"));
    }
    void SetUp() override { ASSERT_TRUE(run_->finished && run_->exitCode == 0) << run_->output.toStdString(); }

    static QTemporaryDir* dir_;
    static ProcessRun* run_;
};

QTemporaryDir* MainJobTest::dir_ = nullptr;
ProcessRun* MainJobTest::run_ = nullptr;

TEST_F(MainJobTest, EveryStepRunsInOrderOnTheFreshFolder) {
    const QString prefix = QStringLiteral("==> vexa-cli --home ") + home() + QLatin1Char(' ');
    QStringList steps{QStringLiteral("init"), QStringLiteral("accountant add"), QStringLiteral("taxpayer add"),
                      QStringLiteral("import"), QStringLiteral("declaration list")};
    for (const QString& p : kPeriods) steps << QStringLiteral("validate --period ") + p;
    for (const QString& p : kPeriods) steps << QStringLiteral("export --period ") + p;
    for (const QString& p : kPeriods) steps << QStringLiteral("qx decode ") + out() + QStringLiteral("/VEXA") + p;
    qsizetype from = 0;
    for (const QString& step : steps) {
        const qsizetype at = run_->output.indexOf(prefix + step, from);
        ASSERT_GE(at, 0) << "step missing or out of order: " << step.toStdString();
        from = at;
    }
    EXPECT_EQ(run_->output.count(QStringLiteral("==> vexa-cli --home ") + home() + QStringLiteral(" taxpayer add")), 5);

    // Every declaration of the sample was imported, and each period checked clean and written.
    const int declarations = int(sampleBytes().count("\nA")) + 1;
    EXPECT_EQ(declarations, 12);
    EXPECT_EQ(run_->output.count(QStringLiteral(" Importada com sucesso.")), declarations);
    EXPECT_TRUE(run_->output.contains(QStringLiteral("2 VEXA(s) sem divergências.")));
    EXPECT_EQ(run_->output.count(QStringLiteral("5 VEXA(s) sem divergências.")), 2);
    EXPECT_EQ(run_->output.count(QStringLiteral("Arquivo gravado com sucesso!!!")), 3);
    EXPECT_TRUE(run_->output.contains(QStringLiteral("Pronto.")));
}

TEST_F(MainJobTest, EachSubmissionFileHoldsItsPeriodsDeclarationsWithTheSampleRecords) {
    const QList<AccountBlock> blocks = accountBlocks(splitLines(sampleBytes()));
    for (const QString& period : kPeriods) {
        SCOPED_TRACE(period.toStdString());
        const QByteArray text = decoded(period);
        ASSERT_FALSE(text.isEmpty());
        // Every record, the last included, ends with CR LF.
        EXPECT_TRUE(text.endsWith("\r\n"));
        EXPECT_EQ(text.count('\n'), text.count("\r\n"));

        QStringList expected;
        for (const QString& ie : kIEsByName)
            for (const AccountBlock& b : blocks)
                if (b.key.startsWith(ie) && periodOf(b.key) == period) expected << b.key;
        QStringList found;
        QMap<QString, QMap<char, int>> records;
        QString current;
        for (const QByteArray& line : splitLines(text)) {
            if (line.startsWith('A')) found << (current = recordKey(line));
            else if (!line.startsWith('Z')) ++records[current][line.at(0)];
            EXPECT_EQ(recordKey(line), current) << "a record outside its declaration: " << line.left(20).toStdString();
        }
        EXPECT_EQ(found, expected);
        for (const AccountBlock& b : blocks) {
            if (periodOf(b.key) != period) continue;
            EXPECT_EQ(records.value(b.key), b.records) << b.key.toStdString();
        }
    }
}

TEST_F(MainJobTest, ExportedDeclarationsDescribeTheImportedOnes) {
    const QMap<QString, DeclarationDescription> sample = describeAccountingFile(splitLines(sampleBytes()));
    ASSERT_EQ(sample.size(), 12);
    int compared = 0;
    for (const QString& period : kPeriods) {
        const QMap<QString, DeclarationDescription> exported = describeSubmissionFile(splitLines(decoded(period)));
        for (const DeclarationDescription& d : exported) {
            ASSERT_TRUE(sample.contains(d.key)) << d.key.toStdString();
            const QStringList differences = sample[d.key].differences(d);
            EXPECT_TRUE(differences.isEmpty())
                << d.key.toStdString() << ":\n" << differences.join(QLatin1Char('\n')).toStdString();
            ++compared;
        }
    }
    EXPECT_EQ(compared, sample.size());
}

// The comparison is no formality: a value changed in one record, a record
// dropped or one more, and the two files no longer describe one declaration.
TEST_F(MainJobTest, ADifferentDeclarationIsToldApart) {
    const QMap<QString, DeclarationDescription> sample = describeAccountingFile(splitLines(sampleBytes()));
    const QList<QByteArray> lines = splitLines(decoded(QStringLiteral("032024")));
    auto differs = [&](const QList<QByteArray>& changed) {
        for (const DeclarationDescription& d : describeSubmissionFile(changed))
            if (sample.value(d.key) != d) return true;
        return false;
    };
    ASSERT_FALSE(differs(lines));
    auto firstOf = [&](char segment) {
        for (qsizetype i = 0; i < lines.size(); ++i)
            if (lines[i].startsWith(segment)) return i;
        return qsizetype(-1);
    };
    for (const auto& [segment, pos] : std::initializer_list<std::pair<char, int>>{
             {'A', 330}, {'B', 90}, {'G', 60}, {'M', 40}, {'N', 35}, {'O', 50}, {'P', 60}, {'S', 100}}) {
        const qsizetype i = firstOf(segment);
        ASSERT_GE(i, 0) << segment;
        QList<QByteArray> changed = lines;
        changed[i][pos - 1] = changed[i][pos - 1] == '1' ? '2' : '1';
        EXPECT_TRUE(differs(changed)) << "a changed " << segment << " record";
    }
    QList<QByteArray> dropped = lines;
    dropped.removeAt(firstOf('K'));
    EXPECT_TRUE(differs(dropped));
    QList<QByteArray> doubled = lines;
    doubled.insert(firstOf('E'), lines[firstOf('E')]);
    EXPECT_TRUE(differs(doubled));
}

TEST_F(MainJobTest, TheSameFileImportedAgainAnswersAlreadyRegisteredForEveryDeclaration) {
    const ProcessRun before = runCli(home(), {QStringLiteral("declaration"), QStringLiteral("list")});
    const ProcessRun again = runCli(home(), {QStringLiteral("import"), samplePath()});
    ASSERT_TRUE(again.finished);
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_EQ(again.output.count(QStringLiteral("Já cadastrada para esse Período de Referência.")), 12);
    EXPECT_FALSE(again.output.contains(QStringLiteral("Importada com sucesso.")));
    EXPECT_EQ(runCli(home(), {QStringLiteral("declaration"), QStringLiteral("list")}).output, before.output);
}

TEST_F(MainJobTest, AFolderThatHoldsADatabaseIsLeftAlone) {
    const ProcessRun before = runCli(home(), {QStringLiteral("declaration"), QStringLiteral("list")});
    const ProcessRun refused = runMainJob({QStringLiteral("--home"), home()});
    ASSERT_TRUE(refused.finished);
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(refused.output.contains(QStringLiteral("já tem um banco de dados"))) << refused.output.toStdString();
    EXPECT_FALSE(refused.output.contains(QStringLiteral("==> vexa-cli")));
    EXPECT_EQ(runCli(home(), {QStringLiteral("declaration"), QStringLiteral("list")}).output, before.output);
}

// The start command lays out the desktop's folder with the steps up to the import.
TEST(MainJobStart, StepsUpToTheImportLeaveTheSampleDeclarationsAndNothingElse) {
    QTemporaryDir dir;
    const QString home = dir.path() + QStringLiteral("/bin");
    const ProcessRun run = runMainJob({QStringLiteral("--home"), home, QStringLiteral("--until"), QStringLiteral("import")});
    ASSERT_TRUE(run.finished);
    ASSERT_EQ(run.exitCode, 0) << run.output.toStdString();
    EXPECT_FALSE(run.output.contains(QStringLiteral(" validate ")));
    EXPECT_FALSE(QDir(home + QStringLiteral("/saida")).exists());
    const ProcessRun list = runCli(home, {QStringLiteral("declaration"), QStringLiteral("list")});
    EXPECT_EQ(list.output.count(QLatin1Char('\n')), 12) << list.output.toStdString();
    EXPECT_TRUE(QFile::exists(home + QStringLiteral("/DB/vexa.db")));
}

TEST(MainJobStart, UnknownArgumentsAndStepsAreRefusedBeforeAnythingRuns) {
    QTemporaryDir dir;
    for (const QStringList& args : {QStringList{QStringLiteral("--until"), QStringLiteral("everything")},
                                    QStringList{QStringLiteral("--frobnicate")}}) {
        const ProcessRun run = runMainJob(QStringList{QStringLiteral("--home"), dir.path()} + args);
        EXPECT_EQ(run.exitCode, 2) << run.output.toStdString();
        EXPECT_FALSE(QFile::exists(dir.path() + QStringLiteral("/DB/vexa.db")));
    }
}

} // namespace
