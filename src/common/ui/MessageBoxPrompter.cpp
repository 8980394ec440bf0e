#include "common/ui/MessageBoxPrompter.h"

#include <QApplication>
#include <QMessageBox>

namespace vexa {

namespace {
QWidget* owner(QWidget* parent) { return parent ? parent : QApplication::activeWindow(); }
} // namespace

void MessageBoxPrompter::warn(const QString& m) { QMessageBox::warning(owner(parent_), kAppTitle, m); }

bool MessageBoxPrompter::ask(const QString& q) {
    return QMessageBox::question(owner(parent_), kAppTitle, q, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

void MessageBoxPrompter::error(const QString& m) {
    // The error box shows the normal cursor while open and restores the one before.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    QMessageBox::critical(owner(parent_), kAppTitle, m);
    QApplication::restoreOverrideCursor();
}

void MessageBoxPrompter::info(const QString& m) {
    QMessageBox box(QMessageBox::NoIcon, kAppTitle, m, QMessageBox::Ok, owner(parent_));
    box.exec();
}

} // namespace vexa
