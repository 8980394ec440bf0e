// The screens "Cadastro de SELIC" and "Cadastro de IGP-DI" on the offscreen
// platform: the grid latest month first with its four decimals, Enter moving
// on, the IGP-DI notice, and Atualizar against the loopback server with its
// messages, its wait dialog and its cancel. With VEXA_SCREENSHOT_DIR set the
// pictures are written there, to be looked at.

#include "IndicesFixture.h"
#include "SoapTestServer.h"

#include "indices/ui/FrmIndices.h"
#include "indices/ui/IndexTableModel.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QDir>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

using namespace vexa;
using namespace vexa::indices;
using namespace vexa::indices::ui;
using namespace vexa::test;
using namespace std::chrono_literals;

namespace {

void settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

void activate(QWidget& screen) {
    screen.show();
    screen.activateWindow();
    QApplication::setActiveWindow(&screen);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
    settle();
}

void keep(QWidget& w, const QString& name) {
    settle();
    const QPixmap picture = w.grab();
    ASSERT_FALSE(picture.isNull());
    const QString dir = qEnvironmentVariable("VEXA_SCREENSHOT_DIR");
    if (!dir.isEmpty()) {
        EXPECT_TRUE(picture.save(QDir(dir).filePath(name + QStringLiteral(".png"))));
    }
}

QStringList row(const QAbstractItemModel& m, int r) {
    return {m.index(r, 0).data().toString(), m.index(r, 1).data().toString()};
}

class FrmIndicesTest : public IndicesTest {
protected:
    SoapTestServer server;
    ScriptedPrompter prompter;

    std::unique_ptr<FrmIndices> screen(int code) {
        auto s = std::make_unique<FrmIndices>(code, prompter);
        s->setServiceUrl(server.url());
        s->setCallTimeout(10s);
        return s;
    }
};

TEST_F(FrmIndicesTest, GridsLatestMonthFirstWithFourDecimals) {
    auto selic = screen(kSelic);
    activate(*selic);
    QAbstractItemModelTester tester(const_cast<IndexTableModel*>(selic->model()),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(selic->windowTitle(), QStringLiteral("Cadastro de SELIC"));
    EXPECT_EQ(selic->objectName(), QStringLiteral("FrmSelic"));
    const IndexTableModel& m = *selic->model();
    EXPECT_EQ(m.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Data"));
    EXPECT_EQ(m.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Valor"));
    ASSERT_GT(m.rowCount(), 190);
    EXPECT_EQ(row(m, 0), (QStringList{"01/07/2025", "0,0128"}));
    EXPECT_EQ(row(m, 1), (QStringList{"01/06/2025", "0,0110"}));
    EXPECT_EQ(m.rows().last().data, QDate(2009, 1, 1));
    for (int i = 1; i < m.rowCount(); ++i) ASSERT_GT(m.rows()[i - 1].data, m.rows()[i].data) << i;
    EXPECT_FALSE(m.flags(m.index(0, 1)) & Qt::ItemIsEditable);
    keep(*selic, QStringLiteral("FrmSelic"));

    // Enter moves from the grid to the commands.
    auto* grid = selic->findChild<QTableView*>(QStringLiteral("GrdIndices"));
    ASSERT_NE(grid, nullptr);
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("btnAtualizar"));
    selic->close();

    auto igpdi = screen(kIgpDi);
    activate(*igpdi);
    EXPECT_EQ(igpdi->windowTitle(), QStringLiteral("Cadastro de IGP-DI"));
    EXPECT_EQ(row(*igpdi->model(), 0), (QStringList{"01/04/2023", "1.128,6310"}));
    EXPECT_EQ(igpdi->model()->rows().last().data, QDate(2008, 1, 1));
    keep(*igpdi, QStringLiteral("FrmIGPDI"));

    // Atualizar on IGP-DI only says so; no call goes out.
    const QStringList before = snapshot();
    QTest::mouseClick(igpdi->findChild<QPushButton*>(QStringLiteral("btnAtualizar")), Qt::LeftButton);
    EXPECT_EQ(prompter.log(), QStringList{QStringLiteral("info: Índice de atualização monetária IGP-DI já está atualizado!")});
    EXPECT_TRUE(server.requests().isEmpty());
    EXPECT_EQ(snapshot(), before);
    QTest::mouseClick(igpdi->findChild<QPushButton*>(QStringLiteral("btnRetornar")), Qt::LeftButton);
    EXPECT_FALSE(igpdi->isVisible());
}

TEST_F(FrmIndicesTest, AtualizarStoresTheNewMonthsAndShowsThemFirst) {
    server.setReply(SoapTestServer::ok({{"2025-07-01", "0.0128"}, {"2025-08-01", "0.0116"}}));
    auto s = screen(kSelic);
    activate(*s);
    bool waitShown = false;
    s->setWaitObserver([&](QProgressDialog& wait) {
        waitShown = wait.isVisible();
        keep(wait, QStringLiteral("FrmSelic-aguarde"));
    });
    QTest::mouseClick(s->findChild<QPushButton*>(QStringLiteral("btnAtualizar")), Qt::LeftButton);
    EXPECT_TRUE(waitShown);
    EXPECT_EQ(prompter.log(), QStringList{QStringLiteral("info: Índice SELIC atualizado com sucesso!")});
    EXPECT_EQ(row(*s->model(), 0), (QStringList{"01/08/2025", "0,0116"}));
    EXPECT_EQ(row(*s->model(), 1), (QStringList{"01/07/2025", "0,0128"}));
    ASSERT_TRUE(s->lastUpdate());
    EXPECT_EQ(s->lastUpdate()->count.inserted, 1);
    EXPECT_FALSE(s->isUpdating());
}

TEST_F(FrmIndicesTest, AFailureShowsTheMessageThenTheFailureAndACancelShowsNothing) {
    SoapTestServer::Reply failing;
    failing.status = 500;
    failing.body = "falha";
    server.setReply(failing);
    auto s = screen(kSelic);
    activate(*s);
    const int rows = s->model()->rowCount();
    const QStringList before = snapshot();
    s->atualizar();
    ASSERT_EQ(prompter.log().size(), 2);
    EXPECT_EQ(prompter.log()[0], QStringLiteral("warn: ") + indices_msg::FalhaAtualizacaoSelic);
    EXPECT_TRUE(prompter.log()[1].startsWith(QStringLiteral("error: O serviço de índices respondeu HTTP 500")))
        << prompter.log()[1].toStdString();
    QFile log(folder().path(QStringLiteral("Log.txt")));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_TRUE(log.readAll().contains("\"FrmSelic\""));

    // The service never answers; the user cancels the wait.
    prompter.clear();
    SoapTestServer::Reply silent;
    silent.kind = SoapTestServer::Reply::Kind::Silent;
    server.setReply(silent);
    QProgressDialog* seen = nullptr;
    s->setWaitObserver([&](QProgressDialog& wait) {
        seen = &wait;
        EXPECT_TRUE(s->isUpdating());
        auto* cancelar = wait.findChild<QPushButton*>();
        ASSERT_NE(cancelar, nullptr);
        EXPECT_EQ(cancelar->text(), QStringLiteral("Cancelar"));
        QTimer::singleShot(0, cancelar, [cancelar] { QTest::mouseClick(cancelar, Qt::LeftButton); });
    });
    s->atualizar();
    EXPECT_NE(seen, nullptr);
    ASSERT_TRUE(s->lastUpdate());
    EXPECT_EQ(s->lastUpdate()->status, SelicUpdateResult::Status::Cancelled);
    EXPECT_TRUE(prompter.log().isEmpty()) << prompter.log().join('\n').toStdString();
    EXPECT_EQ(s->model()->rowCount(), rows);
    EXPECT_EQ(snapshot(), before);
    EXPECT_TRUE(s->findChild<QPushButton*>(QStringLiteral("btnAtualizar"))->isEnabled());
}

} // namespace
