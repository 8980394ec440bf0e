#include "common/ui/MessageBoxPrompter.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace vexa {

namespace {
QWidget* owner(QWidget* parent) { return parent ? parent : QApplication::activeWindow(); }
} // namespace

void MessageBoxPrompter::warn(const QString& m) { QMessageBox::warning(owner(parent_), kAppTitle, m); }

bool MessageBoxPrompter::ask(const QString& q) {
    QMessageBox box(QMessageBox::Question, kAppTitle, q, QMessageBox::Yes | QMessageBox::No, owner(parent_));
    // The answers read in Portuguese whether or not Qt's own translations are installed.
    box.button(QMessageBox::Yes)->setText(QStringLiteral("&Sim"));
    box.button(QMessageBox::No)->setText(QStringLiteral("&Não"));
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
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
