#pragma once
// The main window "VEXA - Eletrônica versão 10.0": the toolbar and menu from
// which every screen is opened modally, the status bar with the database
// folder, the changes page at start, the help pages, the about box, the index
// rebuild and the exit with its backup question.

#include "app/ui/Commands.h"
#include "common/ProgramFolder.h"
#include "common/Prompter.h"

#include <QMainWindow>
#include <functional>
#include <map>

class QDialog;
class QLabel;
class QToolBar;

namespace vexa::storage {
class RebuildProgress;
}

namespace vexa::app {

inline const QString kMainCaption = QStringLiteral("VEXA - Eletrônica versão 10.0");
inline const QString kWindowPicture = QStringLiteral("VexaFundo.jpg");

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(const ProgramFolder& folder, Prompter& prompter, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The screen a command opens; a command without an opener does nothing.
    void setOpener(Command command, ScreenOpener opener);
    bool hasOpener(Command command) const;
    void runCommand(Command command);

    // Shows a modal dialog and returns when it closes. Tests replace it to
    // look at the dialog and answer it without a user.
    using DialogRunner = std::function<void(QDialog& dialog)>;
    void setDialogRunner(DialogRunner runner);

    // The index rebuild of "&Reindexar Arquivos": answers whether the program must end.
    using Reindexer = std::function<bool(storage::RebuildProgress* progress, Prompter& prompter)>;
    void setReindexer(Reindexer reindexer);

    // Quit as soon as the window is on screen (start-up timing): no changes page.
    void setQuitWhenShown(bool quit) { quitWhenShown_ = quit; }

    // The commands of the toolbar and the menu.
    void openHelp(const QString& page, bool showHideBox);
    void showAbout();
    void exitProgram();      // "Sai&r" and "&Sair": the backup question, then close
    void reindexFiles();     // "&Reindexar Arquivos": rebuild, closing message, end

    QToolBar* toolBar() const { return toolBar_; }
    QLabel* statusPanel(int index) const;
    // True once the program is ending (after the exit question or the rebuild).
    bool isEnding() const { return ending_; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildToolBar();
    void buildMenu();
    QAction* commandAction(const QString& caption, const QString& hint, Command command);
    void afterShown();
    void fillStatusBar();
    void runDialog(QDialog& dialog);

    ProgramFolder folder_;
    Prompter& prompter_;
    std::map<Command, ScreenOpener> openers_;
    DialogRunner dialogRunner_;
    Reindexer reindexer_;
    QToolBar* toolBar_ = nullptr;
    QLabel* panels_[2] = {nullptr, nullptr};
    QLabel* picture_ = nullptr;
    bool shownOnce_ = false;
    bool quitWhenShown_ = false;
    bool ending_ = false;
    bool askedOnExit_ = false;
};

} // namespace vexa::app
