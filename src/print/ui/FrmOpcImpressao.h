#pragma once
// "Opções de Impressão" ("IMPRESSÃO DO DARE"), opened by the main window's
// "&Imprimir": the period and the taxpayer (or "<TODOS>") whose linked DAREs
// are printed, one slip page each, in one preview. The steps of "&Ok" live in
// print/DareBatchPrint.h; the screen shows their messages, the status line,
// keeps "&Ok" disabled while the slips are prepared and shown, and puts the
// focus back on the period after a refusal.

#include "common/Prompter.h"
#include "print/DareBatchPrint.h"

#include <QDialog>
#include <functional>

class QComboBox;
class QLabel;
class QPrintPreviewDialog;
class QPushButton;

namespace vexa {
class MaskedLineEdit;
}

namespace vexa::print::ui {

class FrmOpcImpressao : public QDialog, private DareBatchView {
    Q_OBJECT
public:
    explicit FrmOpcImpressao(Prompter& prompter, QWidget* parent = nullptr);
    ~FrmOpcImpressao() override;

    // Opens the screen modally over parent, messages in message boxes.
    static void open(QWidget* parent);

    // Called with the preview before it is shown (tests look at it and close it).
    void setPreviewPrepared(std::function<void(QPrintPreviewDialog&)> prepared) { prepared_ = std::move(prepared); }

    // "&Ok", as its button runs it.
    DareBatchResult ok();

    QString statusText() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildScreen();
    void setStatus(const QString& text) override;
    void setOkEnabled(bool enabled) override;
    bool present(const QList<payment::SlipPage>& pages, QString* error) override;
    void waitCursor(bool on);

    Prompter& prompter_;
    std::function<void(QPrintPreviewDialog&)> prepared_;
    bool shown_ = false;
    bool waiting_ = false;

    MaskedLineEdit* edtPeriodo_ = nullptr;
    QComboBox* cmbContribuinte_ = nullptr;
    QPushButton* btnOk_ = nullptr;
    QPushButton* btnCancelar_ = nullptr;
    QLabel* statusPanel_ = nullptr;
};

} // namespace vexa::print::ui
