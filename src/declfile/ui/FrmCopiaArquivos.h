#pragma once
// "Cópia de Arquivos": the taxpayers with a declaration for the typed period,
// one tickable line each; "Gravar Arquivo" checks the ticked declarations and
// writes them all into one submission file. The run itself lives in
// declfile/Export.h; this screen fills the list, shows the progress with its
// cancel button, asks for the file name and shows the messages.

#include "common/Prompter.h"
#include "declfile/Export.h"

#include <QDialog>
#include <functional>
#include <memory>

class QLabel;
class QListWidget;
class QProgressDialog;
class QPushButton;
class QStatusBar;

namespace vexa {
class MaskedLineEdit;
}

namespace vexa::declfile::ui {

class FrmCopiaArquivos : public QDialog {
    Q_OBJECT
public:
    // Asks where to save, proposing a file name; empty when the user cancels.
    using FileChooser = std::function<QString(QWidget* parent, const QString& proposedName)>;

    explicit FrmCopiaArquivos(Prompter& prompter, QWidget* parent = nullptr);
    ~FrmCopiaArquivos() override;

    // Opens the screen modally over parent, messages in message boxes.
    static void open(QWidget* parent);

    // Replacements for tests: the file dialog, the checks, the report dialog
    // (by default "Validação de Dados"),
    // and an observer of the progress that may cancel the run (false).
    void setFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }
    void setChecker(DeclarationChecker* checker) { checker_ = checker; }
    void setReportPresenter(ReportPresenter* presenter) { presenter_ = presenter; }
    void setProgressObserver(ExportProgress observer) { observer_ = std::move(observer); }

    // The commands, as their buttons run them.
    void atualizar();
    void marcarTodas();
    void desmarcarTodas();
    void gravarArquivo();

    // What the last "Gravar Arquivo" came to (Failed before any run).
    ExportStatus lastStatus() const { return lastStatus_; }
    QString lastFile() const { return lastFile_; }

    QStringList itemTexts() const;
    QStringList tickedTexts() const;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildScreen();
    void refresh(bool showing);
    void fillList(const QString& period);
    void setStatus(const QString& text);
    void onFocusChanged(QWidget* old, QWidget* now);
    bool onProgress(int index, int count, const ExportItem& item);

    Prompter& prompter_;
    FileChooser chooser_;
    DeclarationChecker* checker_ = nullptr;
    ReportPresenter* presenter_ = nullptr;
    ExportProgress observer_;
    std::unique_ptr<DeclarationChecker> ownChecker_;
    std::unique_ptr<ReportPresenter> ownPresenter_;
    ExportStatus lastStatus_ = ExportStatus::Failed;
    QString lastFile_;
    bool shown_ = false;
    bool cancelled_ = false;
    QProgressDialog* progress_ = nullptr;

    MaskedLineEdit* edtPeriodo_ = nullptr;
    QPushButton* btnAtualizar_ = nullptr;
    QPushButton* btnMarcarTodas_ = nullptr;
    QPushButton* btnDesmarcarTodas_ = nullptr;
    QPushButton* btnGravarArquivo_ = nullptr;
    QPushButton* btnRetornar_ = nullptr;
    QListWidget* lstDeclaracoes_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
    QLabel* statusPanel_ = nullptr;
};

} // namespace vexa::declfile::ui
