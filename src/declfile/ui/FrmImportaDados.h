#pragma once
// "Importa arquivo de VEXA": the user picks an accounting-system file; the
// import (declfile/Import.h) reads it declaration by declaration and the
// response area lists what became of each one as it ends. A progress bar
// counts the file's declarations; "Cancelar" stops the run after the
// declaration in hand, which is stored whole or not at all like every other.

#include "common/Prompter.h"
#include "declfile/Import.h"

#include <QDialog>
#include <functional>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QStatusBar;

namespace vexa::declfile::ui {

class FrmImportaDados : public QDialog {
    Q_OBJECT
public:
    // Asks which file to read; empty when the user cancels.
    using FileChooser = std::function<QString(QWidget* parent)>;

    explicit FrmImportaDados(Prompter& prompter, QWidget* parent = nullptr);
    ~FrmImportaDados() override;

    // Opens the screen modally over parent, messages in message boxes.
    static void open(QWidget* parent);

    // Replacements for tests: the file dialog, and an observer told after each
    // declaration (before the screen shows it) that may ask to cancel (false).
    void setFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }
    void setProgressObserver(ImportObserver observer) { observer_ = std::move(observer); }

    // "Importar VEXA": the file dialog, then the run over the chosen file.
    void importar();
    // Runs the import over a file, as "Importar VEXA" does once it is chosen.
    void importarArquivo(const QString& path);
    // "Cancelar" while the run goes on: it stops after the declaration in hand.
    void cancelar();

    bool running() const { return running_; }
    const ImportResult& lastResult() const { return result_; }
    QString responseText() const;
    // Declarations of the file found before the run (the progress bar's maximum).
    int declarationsInFile() const { return total_; }

    // Counts the lines of a file that start a declaration (segment A).
    static int countDeclarations(const QString& path);

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildScreen();
    bool onProgress(const ImportProgress& progress);
    void appendResponse(const QString& line);
    void setRunning(bool running);
    void showOutcome();

    Prompter& prompter_;
    FileChooser chooser_;
    ImportObserver observer_;
    ImportResult result_;
    bool running_ = false;
    bool cancelRequested_ = false;
    int total_ = 0;

    QPushButton* btnImportar_ = nullptr;
    QPushButton* btnRetornar_ = nullptr;
    QPushButton* btnCancelar_ = nullptr;
    QLabel* lblArquivo_ = nullptr;
    QPlainTextEdit* response_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* lblProgresso_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
    QLabel* statusPanel_ = nullptr;
};

} // namespace vexa::declfile::ui
