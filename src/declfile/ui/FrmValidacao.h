#pragma once
// "Validação de Dados": shows the report of the export's checks. For errors,
// the two labels and "Retornar"; for alerts, the first label and the question
// panel "Deseja continuar?" with "Sim" and "Não". The dialog's answer is "N"
// until "Sim" is pressed; "Retornar" and closing the window leave it "N".
// For "Validar VEXA" of the declaration screen (mode Check) the report comes
// from memory, with the first label and "Retornar" only.

#include "common/ProgramFolder.h"
#include "common/Prompter.h"
#include "declaration/DeclarationKey.h"
#include "declfile/ExportChecks.h"

#include <QDialog>
#include <QString>

class QFrame;
class QLabel;
class QPushButton;
class QStatusBar;
class QTextBrowser;

namespace vexa::declfile::ui {

class FrmValidacao : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Errors, Alerts, Check };

    explicit FrmValidacao(QWidget* parent = nullptr);

    // Loads the report page (code page 1252) into the view and lays the
    // dialog out for the mode. False with a message in the status bar when the
    // page cannot be read.
    bool showReport(const QString& reportPath, Mode mode);
    // The page of "Validar VEXA" (mode Check); no lines: the text that says no
    // message was found.
    void showCheck(const QStringList& reportLines);

    Mode mode() const { return mode_; }
    // "S" after "Sim", otherwise "N".
    QString answer() const { return answer_; }
    // The text shown by the view (for tests).
    QString reportText() const;

private:
    void layOut(Mode mode);
    void sim();
    void nao();

    QLabel* lblVerifique_ = nullptr;
    QLabel* lblProsseguir_ = nullptr;
    QPushButton* btnRetornar_ = nullptr;
    QTextBrowser* view_ = nullptr;
    QFrame* pnlPergunta_ = nullptr;
    QStatusBar* status_ = nullptr;
    Mode mode_ = Mode::Errors;
    QString answer_ = QStringLiteral("N");
};

// The export's presenter on the desktop: the dialog shown modally over parent.
class FrmValidacaoPresenter : public ReportPresenter {
public:
    explicit FrmValidacaoPresenter(QWidget* parent = nullptr) : parent_(parent) {}
    void showErrors(const QString& reportPath) override;
    bool askToContinue(const QString& reportPath) override;

private:
    QWidget* parent_;
};

// "Validar VEXA": checks the stored declaration as the export would, writing
// nothing, and shows the report modally over parent (a value without room in
// the layout or a failed run: its message through the prompter).
void validateDeclarationNow(const decl::DeclarationKey& key, const ProgramFolder& folder, Prompter& prompter,
                            QWidget* parent);

} // namespace vexa::declfile::ui
