#pragma once
// The program's open and save dialogs: Qt's own dialog (so that it speaks
// Portuguese, see DesktopBehaviour.h), starting in the folder the user chose
// last in any of them, else the program folder. One line at each place:
//     const QString path = ui::saveFileName(this, caption, proposedName, filter);
// An empty answer means the user cancelled.

#include <QFileDialog>
#include <QString>

namespace vexa::ui {

// The folder the dialogs start in until the user has chosen one (the program
// entry sets the program folder).
void setFileDialogHome(const QString& folder);
// Where the next dialog starts: the folder of the last choice, else the home
// above, else the user's home folder.
QString fileDialogFolder();
// Takes the folder of a chosen file (or a chosen folder) as the next start.
void rememberFileDialogChoice(const QString& path, bool isFolder = false);
// Forgets the last choice (tests).
void resetFileDialogFolder();

QString saveFileName(QWidget* parent, const QString& caption, const QString& proposedName, const QString& filter,
                     QFileDialog::Options options = {});
QString openFileName(QWidget* parent, const QString& caption, const QString& filter,
                     QFileDialog::Options options = {});
QString existingFolder(QWidget* parent, const QString& caption, const QString& startFolder = {});

// The options every dialog of the program gets (Qt's own dialog).
QFileDialog::Options dialogOptions(QFileDialog::Options options = {});
// Makes a dialog built by hand one of the program's: Qt's own, dates the Brazilian way.
void prepareFileDialog(QFileDialog& dialog);

} // namespace vexa::ui
