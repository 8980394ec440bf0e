// What every screen gets from the application start: Qt's dialogs in
// Portuguese, file dialogs that start where the user chose last, radio
// buttons that select as the arrows move, and the access keys of the
// main window's toolbar and of the help window.
#include "AppTestSupport.h"

#include "app/ui/Commands.h"
#include "common/ui/DesktopBehaviour.h"
#include "common/ui/FileDialogs.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QAbstractProxyModel>
#include <QFileSystemModel>
#include <QRegularExpression>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace vexa;
using namespace vexa::test;
using vexa::app::Command;

TEST(DesktopBehaviour, FileDialogsSpeakPortugueseAndStartWhereTheUserLeft) {
    ASSERT_TRUE(ui::portugueseTextsLoaded()) << "qt6-translations-l10n is not installed";
    QFileDialog dialog(nullptr, QStringLiteral("Gravar Arquivo"));
    ui::prepareFileDialog(dialog);
    dialog.show();
    QStringList buttons;
    for (const QDialogButtonBox* box : dialog.findChildren<QDialogButtonBox*>())
        for (const QAbstractButton* b : box->buttons()) buttons << b->text().remove(QLatin1Char('&'));
    EXPECT_TRUE(buttons.contains(QStringLiteral("Cancelar"))) << buttons.join(", ").toStdString();
    // The files' dates the Brazilian way.
    QTemporaryDir files;
    writeFile(QDir(files.path()).filePath(QStringLiteral("VEXA032024.qx")), "x");
    auto* model = dialog.findChild<QFileSystemModel*>();
    ASSERT_NE(model, nullptr);
    QSignalSpy loaded(model, &QFileSystemModel::directoryLoaded);
    dialog.setDirectory(files.path());
    if (loaded.isEmpty()) loaded.wait(5000);
    const QModelIndex source = model->index(QDir(files.path()).filePath(QStringLiteral("VEXA032024.qx")), 3);
    const QModelIndex file = dialog.proxyModel()->mapFromSource(source);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d\\d/\\d\\d/\\d{4}")).match(file.data().toString()).hasMatch())
        << file.data().toString().toStdString();
    if (const QString dir = qEnvironmentVariable("VEXA_SCREENSHOT_DIR"); !dir.isEmpty())
        dialog.grab().save(QDir(dir).filePath(QStringLiteral("file_dialog.png")));
    dialog.hide();

    QTemporaryDir home, chosen;
    ui::resetFileDialogFolder();
    ui::setFileDialogHome(home.path());
    EXPECT_EQ(ui::fileDialogFolder(), QDir::cleanPath(home.path()));
    ui::rememberFileDialogChoice(QDir(chosen.path()).filePath(QStringLiteral("VEXA032024.qx")));
    EXPECT_EQ(ui::fileDialogFolder(), QDir(chosen.path()).absolutePath()) << "saving and opening share it";
    ui::resetFileDialogFolder();
}

TEST(DesktopBehaviour, ArrowsOnRadioButtonsSelectAsTheyMove) {
    QDialog form;
    auto* layout = new QVBoxLayout(&form);
    auto* sim = new QRadioButton(QStringLiteral("Sim"));
    auto* nao = new QRadioButton(QStringLiteral("Não"));
    auto* group = new QButtonGroup(&form);
    for (QRadioButton* b : {sim, nao}) {
        layout->addWidget(b);
        group->addButton(b);
    }
    // Buttons without a group answer the same question when they sit together.
    auto* box = new QWidget;
    auto* row = new QHBoxLayout(box);
    auto* a = new QRadioButton(QStringLiteral("A"));
    auto* b = new QRadioButton(QStringLiteral("B"));
    row->addWidget(a);
    row->addWidget(b);
    layout->addWidget(box);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    QSignalSpy clicked(nao, &QAbstractButton::clicked);
    sim->setChecked(true);
    sim->setFocus();
    QTest::keyClick(sim, Qt::Key_Down);
    EXPECT_TRUE(nao->isChecked());
    EXPECT_TRUE(nao->hasFocus());
    EXPECT_EQ(clicked.count(), 1) << "the screen reacts as to a click";
    QTest::keyClick(nao, Qt::Key_Left);
    EXPECT_TRUE(sim->isChecked());
    QTest::keyClick(sim, Qt::Key_Up);   // round from the first to the last
    EXPECT_TRUE(nao->isChecked());

    a->setFocus();
    QTest::keyClick(a, Qt::Key_Right);
    EXPECT_TRUE(b->isChecked());
    EXPECT_TRUE(nao->isChecked()) << "another question keeps its answer";
}

TEST(DesktopBehaviour, ToolbarAndHelpWindowShowTheirAccessKeys) {
    ShellFixture f;
    writeFile(f.configPath(), "EXIBIR=1\r\n");
    std::vector<Command> opened;
    f.window->setOpener(Command::Contribuintes, [&opened](QWidget*) { opened.push_back(Command::Contribuintes); });
    f.show();
    QStringList shown;
    for (QAction* action : f.window->toolBar()->actions())
        if (auto* button = qobject_cast<QToolButton*>(f.window->toolBar()->widgetForAction(action)))
            if (action->isVisible()) shown << button->text();
    EXPECT_EQ(shown, (QStringList{"&Contribuintes", "&VEXA", "&DARE", "C&opiar VEXA", "&Imprimir", "Sai&r"}));
    // Alt+C is the toolbar's "&Contribuintes" (the menu "&Cadastro" opens by Alt, then C).
    f.window->activateWindow();
    QTest::keyClick(f.window.get(), Qt::Key_C, Qt::AltModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(opened.size(), 1u);

    app::HelpWindow help(f.folder, QStringLiteral("Orientacoes.htm"), false);
    const auto* close = qobject_cast<QToolButton*>(
        help.findChild<QToolBar*>()->widgetForAction(help.findChild<QAction*>(QStringLiteral("btnFechar"))));
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->text(), QStringLiteral("&Fechar"));
}
