#include "common/ui/FileDialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>

namespace vexa::ui {

namespace {
QString g_home;
QString g_last;

// Qt's file list writes the dates in the machine's language; the program
// writes them the Brazilian way ("dd/mm/yyyy hh:mm").
class BrazilianDates : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::DisplayRole && index.column() == 3) {
            if (const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel())) {
                const QDateTime when = files->lastModified(mapToSource(index));
                if (when.isValid()) return QLocale().toString(when, QStringLiteral("dd/MM/yyyy HH:mm"));
            }
        }
        return QIdentityProxyModel::data(index, role);
    }
};

QString run(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}
} // namespace

void prepareFileDialog(QFileDialog& dialog) {
    dialog.setOptions(dialog.options() | QFileDialog::DontUseNativeDialog);
    dialog.setProxyModel(new BrazilianDates(&dialog));
    dialog.resize(dialog.size().expandedTo(QSize(780, 460)));   // names, sizes and dates whole
}

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
    QFileDialog dialog(parent, caption, fileDialogFolder(), filter);
    dialog.setOptions(options);
    prepareFileDialog(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.selectFile(proposedName);
    const QString path = run(dialog);
    rememberFileDialogChoice(path);
    return path;
}

QString openFileName(QWidget* parent, const QString& caption, const QString& filter, QFileDialog::Options options) {
    QFileDialog dialog(parent, caption, fileDialogFolder(), filter);
    dialog.setOptions(options);
    prepareFileDialog(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    const QString path = run(dialog);
    rememberFileDialogChoice(path);
    return path;
}

QString existingFolder(QWidget* parent, const QString& caption, const QString& startFolder) {
    QFileDialog dialog(parent, caption, startFolder.isEmpty() ? fileDialogFolder() : startFolder);
    dialog.setOptions(QFileDialog::ShowDirsOnly);
    prepareFileDialog(dialog);
    dialog.setFileMode(QFileDialog::Directory);
    const QString path = run(dialog);
    rememberFileDialogChoice(path, true);
    return path;
}

} // namespace vexa::ui
