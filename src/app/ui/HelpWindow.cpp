#include "app/ui/HelpWindow.h"

#include "app/ui/ProgramConfig.h"
#include "app/ui/WindowPlacement.h"
#include "common/ErrorLog.h"
#include "common/ui/DesktopBehaviour.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

namespace vexa::app {

HelpWindow::HelpWindow(const ProgramFolder& folder, const QString& page, bool showHideBox, QWidget* parent)
    : QDialog(parent), folder_(folder), page_(page) {
    setObjectName(QStringLiteral("FrmAjuda"));
    setWindowTitle(QStringLiteral("Ajuda Vexa Eletrônica"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);

    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    closeAction_ = bar->addAction(QStringLiteral("&Fechar"));
    closeAction_->setObjectName(QStringLiteral("btnFechar"));
    ui::showAccessKey(closeAction_);   // Alt+F closes
    bar->addSeparator();
    hideBox_ = new QCheckBox(QStringLiteral("Não exibir esta janela novamente"), bar);
    hideBox_->setObjectName(QStringLiteral("chkNaoExibir"));
    hideBoxAction_ = bar->addWidget(hideBox_);
    hideBoxAction_->setVisible(showHideBox);
    connect(closeAction_, &QAction::triggered, this, &HelpWindow::closeClicked);

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("WebBrowser1"));
    browser_->setOpenExternalLinks(true);   // web addresses open in the system browser
    browser_->setSearchPaths({folder.root()});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(browser_, 1);

    const QString path = folder.file(page);
    if (QFileInfo(path).isFile()) {
        browser_->setSource(QUrl::fromLocalFile(path), QTextDocument::HtmlResource);
    } else {
        // The view's own answer to a page that is not there; nothing else happens.
        browser_->setHtml(QStringLiteral("<h3>Página não encontrada</h3><p>%1</p>").arg(path.toHtmlEscaped()));
    }
    resize(860, 620);
}

bool HelpWindow::hideBoxOffered() const { return hideBoxAction_->isVisible(); }

void HelpWindow::closeClicked() {
    if (hideBoxOffered() && hideBox_->isChecked()) {
        QString error;
        if (!hideChangesPage(folder_, &error)) reportUnhandledError(error);
    }
    accept();
}

void HelpWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnScreen(this);
}

} // namespace vexa::app
