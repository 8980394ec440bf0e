#pragma once
// A small modal editor of one list of rows of the declaration: a heading, a
// grid (SheetGrid.h), an optional "TOTAL" and its command buttons. The
// invoices of a supplier of item 16 ("Notas Fiscais"), the cash registers
// ("ECF") and the TARE agreements ("TARE") are this dialog over their models.
//
// Escape cancels the pending row, as in a data grid; with nothing pending it
// closes the editor. How closing treats a pending row is the editor's
// choice: post it first (and stay open while its post fails), or refuse
// with a message until the row is saved or cancelled.

#include "common/Prompter.h"
#include "declaration/ui/SheetModel.h"

#include <QDialog>
#include <QList>

class QLineEdit;
class QPushButton;

namespace vexa::decl::ui {

class SheetGrid;

class FrmGridEditor : public QDialog {
    Q_OBJECT
public:
    enum class Command { Novo, Gravar, Cancelar, Excluir, Retornar };
    struct Button {
        Command command;
        QString caption;
    };
    enum class ClosePolicy {
        PostPending,         // a pending row is posted first; the editor stays open while that fails
        RefuseWhileEditing,  // refused with closeRefusedMessage while a row is pending
    };
    struct Options {
        QString caption;                // window title
        QString title;                  // heading above the grid
        QString objectName;
        QList<Button> buttons;
        ClosePolicy close = ClosePolicy::PostPending;
        QString closeRefusedMessage;
        bool showTotal = false;         // "TOTAL" of the model's first total column
        bool appendWhenEmpty = false;   // an empty list shows a new row ready to be typed
        QSize size{560, 360};
    };

    // The editor takes the model over; model must be a SheetRows too.
    FrmGridEditor(ListEditorModel* model, Prompter& prompter, Options options, QWidget* parent = nullptr);

    SheetGrid* sheetGrid() const { return grid_; }
    ListEditorModel* model() const { return model_; }
    QPushButton* button(Command command) const;
    QLineEdit* totalField() const { return total_; }

    // The commands as their buttons run them (tests call them too).
    bool novo();
    bool gravar();
    void cancelar();
    bool excluir();       // the model asks its question
    bool retornar();      // closes when the close policy allows it

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool mayClose();
    void followState();

    ListEditorModel* model_;
    Prompter& prompter_;
    Options options_;
    SheetGrid* grid_ = nullptr;
    QLineEdit* total_ = nullptr;
    QList<QPair<Command, QPushButton*>> buttons_;
    bool closing_ = false;
};

} // namespace vexa::decl::ui
