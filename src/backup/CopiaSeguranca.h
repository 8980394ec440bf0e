#pragma once
// "Cópia de Segurança": the backup of the database into an archive and its
// restore, step by step with every message in its order. The desktop screen
// and the batch program both run this; they differ only in their BackupView
// (how a file is chosen, how progress shows, how the program ends).

#include "backup/BackupFile.h"
#include "backup/DatabaseSide.h"
#include "common/Clock.h"
#include "common/Prompter.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace vexa::storage {
class RebuildProgress;
}

namespace vexa::backup {

namespace msg {
inline const QString kTitle = QStringLiteral("VEXA10");
inline const QString NenhumArquivo = QStringLiteral("Nenhum arquivo localizado para cópia de segurança!");
inline const QString Verificando = QStringLiteral("Verificando arquivo: ");
inline const QString DriveA = QStringLiteral("Drive A indica um drive de disquete - Por favor insira um disquete vazio.");
inline const QString CopiaEfetuada = QStringLiteral("Cópia efetuada com sucesso!");
inline const QString CopiaFalhou = QStringLiteral("Cópia falhou ou foi cancelada!");
inline const QString RestauracaoFalhou = QStringLiteral("Restauração falhou ou foi cancelada pelo usuário!");
inline const QString RestauracaoConcluida = QStringLiteral("Restauração concluída com sucesso!");
inline const QString AbortarOperacao = QStringLiteral("Do you want to abort the operation");
inline const QString FiltroBackup = QStringLiteral("Backup VEXA (*.bak)");
QString naoEBackup(const QString& path);        // "O arquivo " path " não é um arquivo de BACKUP da VEXA 10.0 !"
QString substituirDados(const QString& path);   // the question before a restore, with its carriage return
QString proximoDisco(int volume);               // asks for the disk of the next volume
} // namespace msg

// "VEXA10-DDMMYYYY-HHMM.bak"
QString proposedArchiveName(const QDateTime& now);

// A path on drive A: is taken for a floppy disk and split into volumes.
inline constexpr qint64 kFloppyVolumeSize = 1400000;
bool isFloppyPath(const QString& path);

class BackupView {
public:
    virtual ~BackupView() = default;
    // The archive to write (proposing a name) and the archive to restore; empty when cancelled.
    virtual QString chooseArchiveToSave(const QString& proposedName) = 0;
    virtual QString chooseArchiveToOpen() = 0;
    virtual void setBusy(bool busy) { (void)busy; }          // wait cursor
    // The text line and the progress bar; clearStep() hides the bar and clears the line.
    virtual void showStep(const QString& text, int value, int maximum) { (void)text, (void)value, (void)maximum; }
    virtual void clearStep() {}
    // Called as the archive is written or read: lets "Retornar" reach cancel().
    virtual void poll() {}
    // The disk for the next volume; false cancels.
    virtual bool nextVolume(int number) { (void)number; return true; }
    virtual storage::RebuildProgress* rebuildProgress() { return nullptr; }
    // A restore ends the program once its messages were shown.
    virtual void endProgram() {}
};

enum class BackupOutcome {
    Stopped,    // nothing to save, or the file choice cancelled
    Refused,    // not an archive of this program
    Declined,   // the user answered No to the restore question
    Failed,     // failed or cancelled: nothing written, nothing replaced
    Done,
};

class CopiaSeguranca {
public:
    CopiaSeguranca(DatabaseSide& side, Prompter& prompter, BackupView& view, Clock& clock = Clock::instance());

    // The table files, as listed when the screen opens.
    void listFiles();
    const QStringList& files() const { return files_; }

    BackupOutcome iniciarCopia();
    BackupOutcome restaurarCopia();

    bool isRunning() const { return archive_ != nullptr; }
    void cancel();

    // Why the last run failed (the archive's error or the database's reason), for the batch program.
    QString lastError() const { return lastError_; }
    QString lastArchive() const { return lastArchive_; }

private:
    void packAll(const QStringList& files);
    void connect(BackupFile& archive);
    void reopen();

    DatabaseSide& side_;
    Prompter& prompter_;
    BackupView& view_;
    Clock& clock_;
    QStringList files_;
    BackupFile* archive_ = nullptr;
    QString lastError_;
    QString lastArchive_;
};

} // namespace vexa::backup
