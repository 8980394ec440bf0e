#include "common/ui/FileDialogs.h"

#include <QDir>
#include <QFileInfo>

namespace vexa::ui {

namespace {
QString g_home;
QString g_last;
} // namespace

void setFileDialogHome(const QString& folder) { g_home = folder; }

QString fileDialogFolder() {
    for (const QString& f : {g_last, g_home})
        if (!f.isEmpty() && QFileInfo(f).isDir()) return QDir::cleanPath(f);
    return QDir::homePath();
}

void rememberFileDialogChoice(const QString& path, bool isFolder) {
    if (path.isEmpty()) return;
    const QFileInfo info(path);
    g_last = isFolder ? info.absoluteFilePath() : info.absolutePath();
}

void resetFileDialogFolder() { g_last.clear(); }

QFileDialog::Options dialogOptions(QFileDialog::Options options) {
    return options | QFileDialog::DontUseNativeDialog;
}

QString saveFileName(QWidget* parent, const QString& caption, const QString& proposedName, const QString& filter,
                     QFileDialog::Options options) {
    const QString start = QDir(fileDialogFolder()).filePath(proposedName);
    const QString path = QFileDialog::getSaveFileName(parent, caption, start, filter, nullptr, dialogOptions(options));
    rememberFileDialogChoice(path);
    return path;
}

QString openFileName(QWidget* parent, const QString& caption, const QString& filter, QFileDialog::Options options) {
    const QString path =
        QFileDialog::getOpenFileName(parent, caption, fileDialogFolder(), filter, nullptr, dialogOptions(options));
    rememberFileDialogChoice(path);
    return path;
}

QString existingFolder(QWidget* parent, const QString& caption, const QString& startFolder) {
    const QString start = startFolder.isEmpty() ? fileDialogFolder() : startFolder;
    const QString path = QFileDialog::getExistingDirectory(parent, caption, start,
                                                           dialogOptions(QFileDialog::ShowDirsOnly));
    rememberFileDialogChoice(path, true);
    return path;
}

} // namespace vexa::ui
