// "Validar VEXA" on the declaration screen: the export's checks on the
// declaration on show, their report in "Validação de Dados", the same
// messages as `vexa-cli validate`, and nothing written either way.

#include "../../declfile/export/ExportFixture.h"

#include "common/ui/MaskedLineEdit.h"
#include "declaration/ui/FrmVexas.h"
#include "declfile/CheckNow.h"
#include "declfile/ValidationReport.h"
#include "declfile/ui/FrmValidacao.h"
#include "storage/Database.h"

#include <QApplication>
#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace vexa;
using namespace vexa::test;
using namespace vexa::decl;
using namespace vexa::decl::ui;

namespace {

class FrmVexasValidarTest : public LayoutTest {
protected:
    void SetUp() override {
        LayoutTest::SetUp();
        storeCleanDeclaration(kOtherIE, QStringLiteral("Mercado Boa Vista"), "00", "2024", "02");
        storeCleanDeclaration(kTaxpayerIE, QStringLiteral("Armazém Central"), "00", "2024", "02");
        exec("UPDATE Vexas SET C51 = 30 WHERE IE = ?", {kTaxpayerIE});   // item 7.3 below R$ 50,00
    }
    void TearDown() override {
        screen.reset();
        LayoutTest::TearDown();
    }

    // Every row of every table and every file of the program folder, as they stand.
    QStringList snapshot() const {
        QStringList out;
        QSqlQuery tables(storage::db());
        tables.exec("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name");
        while (tables.next()) {
            QSqlQuery rows(storage::db());
            rows.exec("SELECT count(*) FROM \"" + tables.value(0).toString() + "\"");
            out << tables.value(0).toString() + '=' + (rows.next() ? rows.value(0).toString() : "?");
        }
        QDirIterator files(folder().folder().root(), QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QFileInfo f(files.next());
            if (!f.absoluteFilePath().contains("/DB/")) out << f.absoluteFilePath() + ' ' + QString::number(f.size());
        }
        out.sort();
        return out;
    }

    // Shows the declaration and presses "Validar VEXA"; answers what "Validação de Dados" showed.
    QString validate(const QString& ie) {
        screen = std::make_unique<FrmVexas>(prompter);
        screen->show();
        QApplication::setActiveWindow(screen.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(screen.get()));
        for (auto [name, text] : {std::pair{"EdtIE", ie}, {"EdtMes", QStringLiteral("02")}, {"EdtAno", QStringLiteral("2024")}}) {
            auto* e = screen->findChild<QLineEdit*>(QString::fromLatin1(name));
            e->setFocus(Qt::MouseFocusReason);
            e->selectAll();
            QTest::keyClicks(e, text);
            QTest::keyClick(e, Qt::Key_Tab);
            QCoreApplication::processEvents();
        }
        EXPECT_EQ(screen->declState(), DeclState::Browse) << prompter.log().join('\n').toStdString();
        auto* button = screen->findChild<QPushButton*>("btnValidar");
        EXPECT_TRUE(button && button->isEnabled() && button->isVisible());
        if (!button) return {};
        QString shown = "<no report>";
        QTimer::singleShot(0, [&shown] {
            if (auto* report = qobject_cast<declfile::ui::FrmValidacao*>(QApplication::activeModalWidget())) {
                shown = report->windowTitle() + '\n' + report->reportText();
                if (const QString dir = qEnvironmentVariable("VEXA_SCREENSHOT_DIR"); !dir.isEmpty())
                    report->grab().save(QDir(dir).filePath(shown.contains("Nenhuma") ? "validar_clean.png" : "validar_errors.png"));
                report->reject();
            }
        });
        QTest::mouseClick(button, Qt::LeftButton);
        return shown;
    }

    // The messages `vexa-cli validate` prints for the declaration, in order.
    QStringList cliMessages(const QString& ie) {
        QTemporaryDir dir;
        QProcess p;
        p.start(VEXA_CLI_PATH, {"--home", folder().folder().root(), "validate", "--period", "022024", "--ie", ie,
                                "--report", dir.filePath("criticas.html")});
        EXPECT_TRUE(p.waitForFinished(60000));
        QStringList out;
        for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split('\n'))
            if (line.startsWith("erro: ") || line.startsWith("alerta: ")) out << line.mid(line.indexOf("] ") + 2);
        return out;
    }

    ScriptedPrompter prompter;
    std::unique_ptr<FrmVexas> screen;
};

TEST_F(FrmVexasValidarTest, ReportsTheExportsMessagesAndWritesNothing) {
    if (!QFile::exists(VEXA_CLI_PATH)) GTEST_SKIP() << "vexa-cli not built";
    const QStringList before = snapshot();

    const QString report = validate(kTaxpayerIE);
    EXPECT_TRUE(report.startsWith("Validação de Dados\n")) << report.toStdString();
    EXPECT_EQ(snapshot(), before) << "no file, no row";

    const QStringList expected = cliMessages(kTaxpayerIE);
    ASSERT_FALSE(expected.isEmpty());
    QStringList fromScreen;   // the same run the button made, message by message
    const declfile::DeclarationCheck check = declfile::checkDeclarationNow(
        {kTaxpayerIE, "2024", "02", "00"}, folder().folder(), prompter);
    for (const auto& list : {check.result.errors, check.result.alerts})
        for (const auto& m : list) fromScreen << declfile::messagePlainText(m.text).simplified();
    EXPECT_EQ(fromScreen, expected);
    for (const QString& message : expected)
        EXPECT_TRUE(report.simplified().contains(message)) << message.toStdString();

    EXPECT_EQ(validate(kOtherIE), "Validação de Dados\n" + declfile::kNoInconsistency);
    EXPECT_TRUE(cliMessages(kOtherIE).isEmpty());
    EXPECT_EQ(snapshot(), before);
}

} // namespace
