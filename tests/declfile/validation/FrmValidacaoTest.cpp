// The dialog "Validação de Dados" in its two modes, its answer, and the export
// run answered through it: alerts only, Sim writes, Não or closing does not.
#include "ValidationFixture.h"

#include "declfile/Export.h"
#include "declfile/ExportList.h"
#include "declfile/ValidationReport.h"
#include "declfile/ValidationRules.h"
#include "declfile/ui/FrmValidacao.h"

#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

namespace vexa::test {
namespace {

using declfile::ui::FrmValidacao;

void settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

template <class W>
W* child(const QWidget& w, const char* name) {
    W* c = w.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
}

// Acts on the modal dialog once it is shown.
void whenShown(std::function<void(FrmValidacao&)> act) {
    QTimer::singleShot(0, [act] {
        auto* d = qobject_cast<FrmValidacao*>(QApplication::activeModalWidget());
        if (!d) {
            ADD_FAILURE() << "the dialog is not shown";
            return;
        }
        act(*d);
    });
}

class FrmValidacaoTest : public ValidationTest {
protected:
    QString writeAlertReport() {
        declfile::ValidationResult r;
        declfile::ValidationMessage m;
        m.key = {QStringLiteral("291234567"), QStringLiteral("2024"), QStringLiteral("03"), QStringLiteral("00")};
        m.name = QStringLiteral("Comércio Exemplo Ltda");
        m.rule = 30;
        m.kind = declfile::MessageKind::Alerta;
        m.text = declfile::ruleMessage(30);
        r.alerts << m;
        const QString path = folder->path(QStringLiteral("vexacriticas.err"));
        QString error;
        EXPECT_TRUE(declfile::writeReportFile(path, declfile::reportLines(r), &error));
        return path;
    }

    static void keep(QWidget& w, const QString& name) {
        settle();
        const QPixmap picture = w.grab();
        ASSERT_FALSE(picture.isNull());
        const QString dir = qEnvironmentVariable("VEXA_SCREENSHOT_DIR");
        if (!dir.isEmpty()) {
            EXPECT_TRUE(picture.save(QDir(dir).filePath(name + QStringLiteral(".png"))));
        }
    }
};

TEST_F(FrmValidacaoTest, ErrorModeShowsTheReportWithRetornar) {
    const QString path = writeAlertReport();
    FrmValidacao dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Validação de Dados"));
    ASSERT_TRUE(dialog.showReport(path, FrmValidacao::Mode::Errors));
    dialog.show();
    settle();
    EXPECT_TRUE(child<QLabel>(dialog, "lblVerifique")->isVisible());
    EXPECT_TRUE(child<QLabel>(dialog, "lblProsseguir")->isVisible());
    EXPECT_TRUE(child<QPushButton>(dialog, "btnRetornar")->isVisible());
    EXPECT_FALSE(child<QFrame>(dialog, "pnlPergunta")->isVisible());
    EXPECT_TRUE(dialog.reportText().contains(QStringLiteral("Inscrição Estadual: 29.123.456-7")));
    EXPECT_TRUE(dialog.reportText().contains(QStringLiteral("crédito do imposto")));
    keep(dialog, QStringLiteral("FrmValidacao-erros"));

    QTest::mouseClick(child<QPushButton>(dialog, "btnRetornar"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.answer(), QStringLiteral("N"));
}

TEST_F(FrmValidacaoTest, AlertModeAsksDesejaContinuar) {
    const QString path = writeAlertReport();
    FrmValidacao dialog;
    ASSERT_TRUE(dialog.showReport(path, FrmValidacao::Mode::Alerts));
    dialog.show();
    settle();
    EXPECT_TRUE(child<QLabel>(dialog, "lblVerifique")->isVisible());
    EXPECT_FALSE(child<QLabel>(dialog, "lblProsseguir")->isVisible());
    EXPECT_FALSE(child<QPushButton>(dialog, "btnRetornar")->isVisible());
    EXPECT_TRUE(child<QFrame>(dialog, "pnlPergunta")->isVisible());
    EXPECT_EQ(child<QLabel>(dialog, "lblPergunta")->text(), QStringLiteral("Deseja continuar?"));
    EXPECT_EQ(child<QLabel>(dialog, "lblNota")->text(),
              QStringLiteral("A apresentação com estas divergências, sujeitará à fiscalização."));
    keep(dialog, QStringLiteral("FrmValidacao-alertas"));

    QTest::mouseClick(child<QPushButton>(dialog, "btnSim"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.answer(), QStringLiteral("S"));

    // Shown again: the answer starts at "N"; Não keeps it and closes.
    dialog.showReport(path, FrmValidacao::Mode::Alerts);
    EXPECT_EQ(dialog.answer(), QStringLiteral("N"));
    dialog.show();
    settle();
    QTest::mouseClick(child<QPushButton>(dialog, "btnNao"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.answer(), QStringLiteral("N"));
}

TEST_F(FrmValidacaoTest, AnUnreadableReportIsSaidInTheStatusBar) {
    FrmValidacao dialog;
    EXPECT_FALSE(dialog.showReport(folder->path(QStringLiteral("nao-existe.err")), FrmValidacao::Mode::Errors));
    EXPECT_TRUE(dialog.reportText().isEmpty());
}

// The export of one declaration whose only finding is rule 30 (an alert).
class ExportThroughDialogTest : public FrmValidacaoTest {
protected:
    declfile::ExportOutcome exportRun(const decl::DeclarationKey& key) {
        declfile::ConsistencyChecker checker(folder->folder());
        declfile::ui::FrmValidacaoPresenter presenter;
        declfile::ExportRequest request;
        request.period = key.mmyyyy();
        request.items << declfile::exportItemFromText(
            declfile::exportItemText(key.ie, QStringLiteral("Comércio Exemplo Ltda"), key.retificacao));
        return declfile::runExport(request, folder->folder(), checker, presenter, prompter);
    }
};

TEST_F(ExportThroughDialogTest, OnlyAnAlertSimWritesNaoOrClosingDoesNot) {
    const auto key = addDeclaration();
    setVexa(key, {{"C61", 10.0}});

    whenShown([](FrmValidacao& d) {
        EXPECT_EQ(d.mode(), FrmValidacao::Mode::Alerts);
        QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("btnSim")), Qt::LeftButton);
    });
    declfile::ExportOutcome out = exportRun(key);
    EXPECT_EQ(out.status, declfile::ExportStatus::Ready);
    EXPECT_FALSE(out.container.isEmpty());

    whenShown([](FrmValidacao& d) {
        QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("btnNao")), Qt::LeftButton);
    });
    out = exportRun(key);
    EXPECT_EQ(out.status, declfile::ExportStatus::AlertsDeclined);
    EXPECT_TRUE(out.container.isEmpty());

    whenShown([](FrmValidacao& d) { d.close(); });
    out = exportRun(key);
    EXPECT_EQ(out.status, declfile::ExportStatus::AlertsDeclined);
}

TEST_F(ExportThroughDialogTest, ErrorsShowTheReportWithoutTheQuestion) {
    const auto key = addDeclaration();
    setVexa(key, {{"C61", 10.0}, {"NomeResponsavel", QVariant()}});
    whenShown([](FrmValidacao& d) {
        EXPECT_EQ(d.mode(), FrmValidacao::Mode::Errors);
        // The alert of rule 30 is not on the error report.
        EXPECT_FALSE(d.reportText().contains(QStringLiteral("crédito do imposto")));
        EXPECT_TRUE(d.reportText().contains(QStringLiteral("Campo Nome do Responsável pela declaração deve ser informado")));
        QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("btnRetornar")), Qt::LeftButton);
    });
    const declfile::ExportOutcome out = exportRun(key);
    EXPECT_EQ(out.status, declfile::ExportStatus::Errors);
    EXPECT_TRUE(out.container.isEmpty());
    EXPECT_TRUE(prompter.log().isEmpty());
}

} // namespace
} // namespace vexa::test
