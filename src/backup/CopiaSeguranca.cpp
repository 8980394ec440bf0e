#include "backup/CopiaSeguranca.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>

namespace vexa::backup {

namespace msg {
QString naoEBackup(const QString& path) {
    return QStringLiteral("O arquivo ") + path + QStringLiteral(" não é um arquivo de BACKUP da VEXA 10.0 !");
}
QString substituirDados(const QString& path) {
    return QStringLiteral("Todos os dados do sistema serão substituídos pelo dados contidos no arquivo ") + path +
           QStringLiteral("!") + QStringLiteral("\r") + QStringLiteral("Deseja continuar?");
}
QString proximoDisco(int volume) {
    return QStringLiteral("Insira o disquete número %1 da cópia de segurança e confirme para continuar.").arg(volume + 1);
}
} // namespace msg

namespace {
const QString kStagingPrefix = QStringLiteral(".restore-");

QString shown(const QString& path) { return QDir::toNativeSeparators(path); }

// Folders of restores that never finished (the program was stopped midway).
void removeStaleStaging(const QString& parent) {
    const QDir dir(parent);
    for (const QString& name : dir.entryList({kStagingPrefix + QLatin1Char('*')}, QDir::Dirs | QDir::Hidden))
        QDir(dir.filePath(name)).removeRecursively();
}
} // namespace

QString proposedArchiveName(const QDateTime& now) {
    return QStringLiteral("VEXA10") + now.toString(QStringLiteral("-ddMMyyyy-HHmm")) + QStringLiteral(".bak");
}

bool isFloppyPath(const QString& path) { return path.startsWith(u'A', Qt::CaseInsensitive); }

CopiaSeguranca::CopiaSeguranca(DatabaseSide& side, Prompter& prompter, BackupView& view, Clock& clock)
    : side_(side), prompter_(prompter), view_(view), clock_(clock) {}

void CopiaSeguranca::listFiles() { files_ = side_.tableFiles(); }

void CopiaSeguranca::cancel() {
    if (archive_) archive_->cancel();
}

void CopiaSeguranca::connect(BackupFile& archive) {
    archive.setProgress([this](qint64 done, qint64 total, const QString& file) {
        const int percent = total > 0 ? int(std::clamp<qint64>(done * 100 / total, 0, 100)) : 0;
        view_.showStep(shown(file), percent, 100);
        view_.poll();
    });
    archive.setNextVolume([this](int number) { return view_.nextVolume(number); });
}

void CopiaSeguranca::packAll(const QStringList& files) {
    // A table that cannot be packed is still saved, without a message.
    const int maximum = std::max<int>(1, int(files.size()) - 1);
    for (int i = 0; i < files.size(); ++i) {
        view_.showStep(msg::Verificando + shown(files[i]), i, maximum);
        side_.pack(files[i]);
        view_.showStep(msg::Verificando + shown(files[i]), std::min(i + 1, maximum), maximum);
    }
}

void CopiaSeguranca::reopen() {
    QString why;
    if (!side_.reopen(&why) && lastError_.isEmpty()) lastError_ = why;
}

BackupOutcome CopiaSeguranca::iniciarCopia() {
    lastError_.clear();
    lastArchive_.clear();
    const QString proposed = proposedArchiveName(clock_.now());
    if (files_.isEmpty()) {
        prompter_.info(msg::NenhumArquivo);
        return BackupOutcome::Stopped;
    }
    const QString path = view_.chooseArchiveToSave(proposed);
    if (path.isEmpty()) return BackupOutcome::Stopped;

    bool ok = false;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (std::any_of(files_.cbegin(), files_.cend(), [&](const QString& f) { return QFileInfo(f).absoluteFilePath() == absolute; })) {
        // Writing the archive over a table file would destroy what it saves.
        lastError_ = QStringLiteral("A cópia de segurança não pode ser gravada sobre o banco de dados: %1").arg(shown(path));
    } else {
        view_.setBusy(true);
        QString why;
        const bool whole = side_.closeDatabase(&why);
        if (whole) packAll(files_);
        view_.clearStep();
        if (!whole) {
            lastError_ = why;
        } else {
            BackupFile archive;
            archive.setTitle(msg::kTitle);
            archive.setCompressionLevel(CompressionLevel::Fastest);
            if (isFloppyPath(path)) {
                view_.setBusy(false);
                prompter_.info(msg::DriveA);
                view_.setBusy(true);
                archive.setMaxVolumeSize(kFloppyVolumeSize);
            }
            connect(archive);
            archive_ = &archive;
            ok = archive.backup(files_, path);
            archive_ = nullptr;
            if (!ok) lastError_ = archive.wasCancelled() ? QStringLiteral("Cópia cancelada pelo usuário.") : archive.lastErrorText();
            view_.clearStep();
        }
        reopen();
        view_.setBusy(false);
    }
    if (ok) lastArchive_ = path;
    prompter_.info(ok ? msg::CopiaEfetuada : msg::CopiaFalhou);
    return ok ? BackupOutcome::Done : BackupOutcome::Failed;
}

BackupOutcome CopiaSeguranca::restaurarCopia() {
    lastError_.clear();
    lastArchive_.clear();
    const QString path = view_.chooseArchiveToOpen();
    if (path.isEmpty()) return BackupOutcome::Stopped;
    {
        BackupFile reader;
        ArchiveHeader header;
        if (!reader.readHeader(path, header) || header.title != msg::kTitle) {
            lastError_ = reader.lastErrorText();
            prompter_.warn(msg::naoEBackup(shown(path)));
            return BackupOutcome::Refused;
        }
    }
    if (!prompter_.ask(msg::substituirDados(shown(path)))) return BackupOutcome::Declined;

    view_.setBusy(true);
    // The database in use is only closed: damaged or not, it stays as it is
    // unless the whole archive reads back sound.
    side_.closeConnection();
    bool ok = false;
    {
        // The whole archive is read back beside the database first; the
        // database is replaced only when every file came back whole and sound.
        removeStaleStaging(side_.stagingParent());
        QTemporaryDir staging(QDir(side_.stagingParent()).filePath(kStagingPrefix + QStringLiteral("XXXXXX")));
        if (!staging.isValid()) {
            lastError_ = staging.errorString();
        } else {
            BackupFile archive;
            connect(archive);
            archive_ = &archive;
            QList<RestoredFile> restored;
            ok = archive.restore(path, staging.path(), &restored);
            archive_ = nullptr;
            if (!ok) {
                lastError_ = archive.wasCancelled() ? QStringLiteral("Restauração cancelada pelo usuário.") : archive.lastErrorText();
            } else {
                QString why;
                ok = side_.replaceDatabase(restored, &why);
                if (!ok) lastError_ = why;
            }
        }
    }
    view_.clearStep();
    if (!ok) {
        reopen();
        view_.setBusy(false);
        prompter_.warn(msg::RestauracaoFalhou);
        return BackupOutcome::Failed;
    }

    side_.cleanAfterRestore();
    packAll(side_.tableFiles());
    view_.clearStep();
    side_.rebuildIndexes(view_.rebuildProgress(), prompter_);
    view_.setBusy(false);
    lastArchive_ = path;
    prompter_.warn(msg::RestauracaoConcluida);
    view_.endProgram();
    return BackupOutcome::Done;
}

} // namespace vexa::backup
