#include "common/ui/MessageBoxPrompter.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace vexa {

namespace {
QWidget* owner(QWidget* parent) { return parent ? parent : QApplication::activeWindow(); }

// The messages mark their line breaks with a carriage return, as the program
// always has; on screen that is a new line.
QString screenText(const QString& message) {
    QString text = message;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

int showBox(QWidget* parent, QMessageBox::Icon icon, const QString& message, QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, kAppTitle, screenText(message), buttons, owner(parent));
    // Shown as written: a "<" in a message is never read as markup.
    box.setTextFormat(Qt::PlainText);
    if (buttons & QMessageBox::Yes) {
        // The answers read in Portuguese whether or not Qt's own translations are installed.
        box.button(QMessageBox::Yes)->setText(QStringLiteral("&Sim"));
        box.button(QMessageBox::No)->setText(QStringLiteral("&Não"));
        box.setDefaultButton(QMessageBox::Yes);
    }
    return box.exec();
}
} // namespace

void MessageBoxPrompter::warn(const QString& m) { showBox(parent_, QMessageBox::Warning, m, QMessageBox::Ok); }

bool MessageBoxPrompter::ask(const QString& q) {
    return showBox(parent_, QMessageBox::Question, q, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void MessageBoxPrompter::error(const QString& m) {
    // The error box shows the normal cursor while open and restores the one before.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    showBox(parent_, QMessageBox::Critical, m, QMessageBox::Ok);
    QApplication::restoreOverrideCursor();
}

void MessageBoxPrompter::info(const QString& m) { showBox(parent_, QMessageBox::NoIcon, m, QMessageBox::Ok); }

} // namespace vexa
