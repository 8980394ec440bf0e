// The steps of "&Ok" of "Opções de Impressão" and `vexa-cli print dare` run as
// a process: the refusals in their order with their messages, what the
// status line and the command show as the run goes, and the PDF of a
// period as a reader and a bank scanner see it (pdftotext, pdftoppm at
// 300 dpi, zbarimg reading interleaved 2 of 5).

#include "DareBatchFixture.h"

#include "payment/ConsultaDare.h"
#include "payment/GateReport.h"
#include "payment/Gates.h"
#include "payment/SlipDraw.h"
#include "storage/Database.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace vexa;
using namespace vexa::print;
using namespace vexa::test;

namespace {

const QString kVersion = QStringLiteral(
    "Versão do programa só permite emissão do DARE  até referência 01/2025.\n\n"
    "Solicite nova versão na Delegacia Fiscal mais próxima ou pela Internet.");
const QString kTodos = QStringLiteral("<TODOS>");
const QString kInforme = QStringLiteral("warn: Informe o Período!");
const QString kNoData = QStringLiteral("Não há dados cadastrados para período e contribuinte informado!!!");

TEST_F(DareBatchTest, OkChecksInOrderAndWhatTheScreenShows) {
    const QString busy = QStringLiteral("status: Aguarde!!! Processando...");
    const struct {
        const char* periodo;
        QString contribuinte;
        QString prompt;      // what the prompter shows; empty: nothing
        QStringList calls;   // what the view is told, in order
    } cases[] = {
        {"", kTodos, kInforme, {}},
        {" 0720 ", kTodos, kInforme, {}},
        {"132024", kTodos, kInforme, {}},
        {"022025", kTodos, "info: " + kVersion, {busy, "status: "}},
        {"072024", kIEDelta, "info: " + kNoData, {busy, "ok: 0", "status: ", "ok: 1"}},
        {"072024", kIEZero, "info: " + kNoData, {busy, "ok: 0", "status: ", "ok: 1"}},   // total 0: no page
        {"012025", kTodos, "info: " + kNoData, {busy, "ok: 0", "status: ", "ok: 1"}},   // accepted, nothing stored
        {"072024", kTodos, QString(), {busy, "ok: 0", "present: 3", "status: ", "ok: 1"}},
        {"072024", kIE2, QString(), {busy, "ok: 0", "present: 1", "status: ", "ok: 1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 / %2").arg(c.periodo, c.contribuinte).toStdString());
        ScriptedPrompter prompter;
        RecordingView view;
        const DareBatchResult r = runDareBatchPrint(c.periodo, c.contribuinte, prompter, view);
        EXPECT_EQ(prompter.log(), c.prompt.isEmpty() ? QStringList() : QStringList{c.prompt});
        EXPECT_EQ(view.calls, c.calls);
        EXPECT_EQ(r.outcome, c.prompt.isEmpty() ? DareBatchOutcome::Presented : DareBatchOutcome::Refused);
        EXPECT_EQ(r.check.field, c.prompt.startsWith("warn") ? dare_batch_field::Periodo : QString());
    }

    // A preview that cannot be shown is an error, and the command comes back.
    ScriptedPrompter prompter;
    RecordingView view;
    view.presentOk = false;
    EXPECT_EQ(runDareBatchPrint("072024", kTodos, prompter, view).outcome, DareBatchOutcome::Failed);
    EXPECT_EQ(prompter.log(), QStringList{"error: falhou"});
    EXPECT_EQ(view.calls.last(), "ok: 1");
}

TEST_F(DareBatchTest, EveryTaxpayerAndRectificationOfThePeriodOnePageEach) {
    ScriptedPrompter prompter;
    RecordingView view;
    runDareBatchPrint("072024", kTodos, prompter, view);
    ASSERT_EQ(view.pages.size(), 3);
    // In name order; Beta's slip is that of its rectification 01 (2500 - 500).
    const QStringList expected[] = {{kAlfa, kIE, "1.234,56"}, {kBeta, kIE2, "2.000,00"}, {kGama, kIE3, "777,70"}};
    for (int i = 0; i < 3; ++i) {
        const payment::SlipPage& p = view.pages[i];
        EXPECT_EQ(p.box(1).lines, QStringList{expected[i][0]});
        EXPECT_EQ(p.box(2).lines, QStringList{expected[i][1]});
        EXPECT_EQ(p.box(13).lines, QStringList{"07/2024"});
        EXPECT_EQ(p.box(20).lines, QStringList{expected[i][2]});
        EXPECT_EQ(p.copies, 3);
        EXPECT_EQ(p.barcodeDigits.size(), 44);
    }
}

TEST_F(DareBatchTest, TaxpayerChoicesAndTheIEOfAName) {
    // A second taxpayer with Beta's name, registered under a higher IE.
    addTaxpayer("299999990", kBeta);
    addTaxpayer("290000041", "");
    EXPECT_EQ(dareBatchTaxpayers(), (QStringList{"<TODOS>", kAlfa, kBeta, kDelta, kGama, kZero}));
    EXPECT_EQ(contribuinteOfChoice(kBeta), kIE2);
    EXPECT_EQ(contribuinteOfChoice("<TODOS>"), "<TODOS>");
    EXPECT_EQ(contribuinteOfChoice(""), "<TODOS>");
    EXPECT_EQ(contribuinteOfChoice(QStringLiteral("NINGUÉM")), "");
    // No taxpayer of that name: nothing to print (not everything).
    ScriptedPrompter prompter;
    RecordingView view;
    runDareBatchPrint("072024", contribuinteOfChoice(QStringLiteral("NINGUÉM")), prompter, view);
    EXPECT_EQ(prompter.log(), QStringList{"info: " + kNoData});
}

// ---- the batch program ---------------------------------------------------------

struct CliRun {
    int code = -1;
    QString out;
    QString err;
};

QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    EXPECT_TRUE(p.waitForFinished(120000)) << program.toStdString();
    EXPECT_EQ(p.exitCode(), 0) << program.toStdString() << ": " << p.readAllStandardError().toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString squeezed(QString text) { return text.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" ")); }

bool haveTools() {
    for (const char* tool : {"pdftoppm", "pdftotext", "pdfinfo", "zbarimg"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) return false;
    return true;
}

class PrintDareCli : public DareBatchTest {
protected:
    CliRun cli(QStringList args) {
        storage::close();   // the batch program opens the database itself
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("VEXA_TODAY", "15/03/2024");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_RUNTIME_DIR", runtime_.path());
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(VEXA_CLI_PATH), QStringList{"--home", folder().root(), "print", "dare"} + args);
        EXPECT_TRUE(p.waitForFinished(120000));
        CliRun r{p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
        QString error;
        EXPECT_TRUE(storage::open(folder(), &error)) << error.toStdString();
        return r;
    }
    QTemporaryDir dir_;
    QTemporaryDir runtime_;
};

TEST_F(PrintDareCli, RefusalsWriteNothing) {
    const QString pdf = dir_.filePath("dare.pdf");
    const struct {
        QStringList args;
        QString message;
    } cases[] = {
        {{"--period", "0724"}, QStringLiteral("Informe o Período!")},
        {{"--period", "02/2025"}, kVersion},
        {{"--period", "072024", "--ie", "29.000.002-5"}, kNoData},
        {{"--period", "082024"}, kNoData},
    };
    for (const auto& c : cases) {
        const CliRun r = cli(c.args + QStringList{"-o", pdf});
        EXPECT_EQ(r.code, 1) << c.args.join(' ').toStdString() << r.err.toStdString();
        EXPECT_EQ(r.err.trimmed(), c.message);
        EXPECT_FALSE(QFile::exists(pdf));
    }
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

TEST_F(PrintDareCli, ThreeTaxpayersThreePagesOfThreeCopiesEveryBarcodeReadBack) {
    if (!haveTools()) GTEST_SKIP() << "poppler-utils and zbar-tools are needed";
    const QList<payment::SlipPage> pages = dareBatchPages("072024", payment::kTodos);
    ASSERT_EQ(pages.size(), 3);
    const QString pdf = dir_.filePath("julho.pdf");
    const CliRun r = cli({"--period", "072024", "-o", pdf});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();   // no progress line off a terminal
    EXPECT_TRUE(run("pdfinfo", {pdf}).contains(QRegularExpression("Pages:\\s+3\\b")));

    const QRectF band =
        payment::slipBarcodeRect(pages[0]).adjusted(-payment::kBarQuietZoneMm - 2, -4, payment::kBarQuietZoneMm + 2, 4);
    auto px = [](double mm) { return QString::number(qRound(mm * 300 / 25.4)); };
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i + 1);
        const QString page = QString::number(i + 1);
        const QString text = squeezed(run("pdftotext", {"-f", page, "-l", page, "-layout", pdf, "-"}));
        EXPECT_EQ(text.count(QStringLiteral("1 - NOME/RAZÃO SOCIAL")), 3);
        EXPECT_EQ(text.count(squeezed(pages[i].linhaDigitavel)), 3);
        EXPECT_EQ(text.count(pages[i].box(1).lines.first()), 3);
        const QString prefix = dir_.filePath("band" + page);
        run("pdftoppm", {"-r", "300", "-f", page, "-l", page, "-singlefile", "-gray", "-png", "-x", px(band.x()), "-y",
                         px(band.y()), "-W", px(band.width()), "-H", px(band.height()), pdf, prefix});
        EXPECT_EQ(run("zbarimg", {"-q", "--raw", "-Sdisable", "-Si25.enable", prefix + ".png"}).trimmed(),
                  pages[i].barcodeDigits);
    }
}

} // namespace
