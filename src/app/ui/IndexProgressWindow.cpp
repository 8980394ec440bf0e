#include "app/ui/IndexProgressWindow.h"

#include "app/ui/WindowPlacement.h"

#include <QApplication>
#include <QProgressBar>
#include <QVBoxLayout>

namespace vexa::app {

IndexProgressWindow::IndexProgressWindow(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("FrmProgresso"));
    setWindowTitle(QStringLiteral("Aguarde Criando Índices..."));
    setWindowModality(Qt::ApplicationModal);
    gauge_ = new QProgressBar(this);
    gauge_->setObjectName(QStringLiteral("Gauge1"));
    gauge_->setMinimum(0);
    gauge_->setTextVisible(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addWidget(gauge_);
    resize(360, 70);
}

IndexProgressWindow::~IndexProgressWindow() {
    if (busy_) QApplication::restoreOverrideCursor();
}

void IndexProgressWindow::begin(int total) {
    if (!busy_) QApplication::setOverrideCursor(Qt::WaitCursor);
    busy_ = true;
    gauge_->setMaximum(qMax(total, 0));
    gauge_->setValue(0);
    show();
    centreOnScreen(this);
    raise();
    repaintNow();
}

void IndexProgressWindow::step(int done) {
    gauge_->setValue(qBound(0, done, gauge_->maximum()));
    repaintNow();
}

void IndexProgressWindow::end() {
    hide();
    if (busy_) QApplication::restoreOverrideCursor();
    busy_ = false;
}

void IndexProgressWindow::repaintNow() {
    // The rebuild runs on this thread: let the window paint, but take no
    // clicks or keys while the indexes are being made.
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace vexa::app
