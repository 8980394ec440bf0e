#pragma once
// The modal editor of one list of sheet "Itens 5 - 8.7": its grid of lines,
// a "TOTAL" under each summed column, the commands, and "&Retornar", which
// posts a pending line and closes, handing the list's total back to the
// declaration. Closing the window or Escape act as "&Retornar". Messages go
// through the Prompter the editor is given.
//
// The list editors of other debits, other credits and deductions
// (FrmLawEditors.h) and of the rate tables (FrmRateEditors.h) are this
// dialog over their own models.

#include "common/Prompter.h"
#include "declaration/ui/ListEditorModel.h"

#include <QDialog>
#include <QHash>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vexa::decl::ui {

class ListGrid;

class FrmListEditor : public QDialog {
    Q_OBJECT
public:
    struct Options {
        QString caption;                 // the window title
        QString title;                   // the heading above the grid
        QString objectName;              // FrmOutrosCreditos, ...
        bool recordCommands = false;     // "&Novo", "&Gravar", "&Cancelar" beside the delete command
        QString deleteCaption = QStringLiteral("&Excluir Linha");
        bool appendWhenEmpty = true;     // an empty list shows a new line ready to be typed
        QSize size{760, 420};
    };

    // Takes the model over.
    FrmListEditor(ListEditorModel* model, Prompter& prompter, Options options, QWidget* parent = nullptr);
    ~FrmListEditor() override;

    ListEditorModel* model() const { return model_; }
    ListGrid* grid() const { return grid_; }
    QLineEdit* totalField(int column) const { return totals_.value(column); }

    // Runs modally; the list's total as it stands when the editor closes.
    double run();
    double handedBackTotal() const { return model_->handedBackTotal(); }

    // The commands, as their buttons run them (tests call them too).
    bool novo();          // a new line, the cursor on its first column
    bool gravar();        // posts the pending line
    void cancelar();      // drops the pending edit
    bool excluir();       // deletes the current line ("Confirma Exclusão?")
    bool retornar();      // posts a pending line and closes; false when its post is refused

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildTotals(QWidget* bar);
    void placeTotals();
    void showTotals();
    void followState();
    void focusCell(int row, int column, bool edit = true);
    void afterPost();
    void currentChanged(const QModelIndex& current, const QModelIndex& previous);
    void leavePendingRow();
    void takeExistingLine();
    void append();

    ListEditorModel* model_;
    Prompter& prompter_;
    Options options_;
    ListGrid* grid_ = nullptr;
    QWidget* totalsBar_ = nullptr;
    QHash<int, QLineEdit*> totals_;
    QPushButton* btnNovo_ = nullptr;
    QPushButton* btnGravar_ = nullptr;
    QPushButton* btnCancelar_ = nullptr;
    QPushButton* btnExcluir_ = nullptr;
    QPushButton* btnRetornar_ = nullptr;
    bool moving_ = false;    // the editor itself moves the cursor
    bool closing_ = false;
};

} // namespace vexa::decl::ui
