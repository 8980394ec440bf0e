#pragma once
// "Cópia de Segurança": "Iniciar Cópia" writes the database into a backup
// archive, "Restaurar Cópia" puts an archive in place of the database (the
// program then rebuilds its indexes and ends), "Retornar" closes the screen or,
// while an archive is being written or read, offers to abort it. The steps and
// messages live in backup/CopiaSeguranca.h; this screen shows the file
// dialogs, the text line and the progress bar (hidden when idle).

#include "backup/CopiaSeguranca.h"
#include "backup/DatabaseSide.h"
#include "common/ProgramFolder.h"
#include "common/Prompter.h"

#include <QDialog>
#include <QElapsedTimer>
#include <functional>
#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;

namespace vexa::backup::ui {

class FrmCopiaSeguranca : public QDialog, private BackupView {
    Q_OBJECT
public:
    using SaveChooser = std::function<QString(QWidget* parent, const QString& proposedName)>;
    using OpenChooser = std::function<QString(QWidget* parent)>;

    // folder: the program folder of the open database.
    FrmCopiaSeguranca(Prompter& prompter, const ProgramFolder& folder, QWidget* parent = nullptr);
    ~FrmCopiaSeguranca() override;

    // Opens the screen modally over parent, messages in message boxes.
    static void open(QWidget* parent);

    // Replacements for tests: the file dialogs, what ends the program after a
    // restore (by default the application's event loops end), and a hook run
    // each time the screen lets events through while an archive is processed.
    void setSaveChooser(SaveChooser chooser) { saveChooser_ = std::move(chooser); }
    void setOpenChooser(OpenChooser chooser) { openChooser_ = std::move(chooser); }
    void setProgramEnder(std::function<void()> ender) { ender_ = std::move(ender); }
    void setPollHook(std::function<void()> hook) { pollHook_ = std::move(hook); }

    // The buttons.
    void iniciarCopia();
    void restaurarCopia();
    void retornar();

    BackupOutcome lastOutcome() const { return lastOutcome_; }
    QStringList files() const { return run_.files(); }
    bool isBusy() const { return busy_ > 0; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;   // Esc and the window's close box act as "Retornar"

private:
    class CursorPrompter;
    class BarRebuildProgress;

    // BackupView
    QString chooseArchiveToSave(const QString& proposedName) override;
    QString chooseArchiveToOpen() override;
    void setBusy(bool busy) override;
    void showStep(const QString& text, int value, int maximum) override;
    void clearStep() override;
    void poll() override;
    bool nextVolume(int number) override;
    storage::RebuildProgress* rebuildProgress() override;
    void endProgram() override;

    void buildScreen();

    std::unique_ptr<CursorPrompter> prompter_;
    std::unique_ptr<DatabaseSide> side_;
    CopiaSeguranca run_;
    std::unique_ptr<BarRebuildProgress> rebuildBar_;
    SaveChooser saveChooser_;
    OpenChooser openChooser_;
    std::function<void()> ender_;
    std::function<void()> pollHook_;
    QElapsedTimer sincePoll_;
    BackupOutcome lastOutcome_ = BackupOutcome::Stopped;
    int busy_ = 0;
    bool shown_ = false;

    QPushButton* btnIniciar_ = nullptr;
    QPushButton* btnRestaurar_ = nullptr;
    QPushButton* btnRetornar_ = nullptr;
    QLabel* lblTexto_ = nullptr;
    QProgressBar* pbProgresso_ = nullptr;
};

} // namespace vexa::backup::ui
