#pragma once
// One sheet of the declaration screen. The screen ("Cadastro de VEXA
// Eletrônica", FrmVexas) holds twelve of them in a tab widget and drives
// them all the same way:
//
//  - setContext(): a declaration was opened, saved, located or changed its
//    item 3.10 (clear(): no declaration on show, the key is being typed);
//  - the declaration row itself (`Vexas`): sheets that show or edit its fields
//    answer editsDeclarationRow(), get showRow()/showComputed() and hand the
//    user's edits back in takeEdits(); a user edit is announced by rowEdited();
//    sheets whose commands act on the declaration answer activeTableIsDeclaration();
//  - the sheet's own table (its grids): tableState(), appendRow() (New),
//    post() (Save), cancel() (Cancel), deleteCurrentRow() (Delete, after the
//    screen has asked "Confirma Exclusão?"); tableStateChanged() announces a
//    row going into or out of edit, so that the toolbar follows;
//  - sheetShown() each time the sheet comes on show (presentation by regime),
//    canLeave() before the user leaves it, refresh() every half second while
//    it is on show.
//
// Every default does nothing, so a sheet overrides only what it uses.

#include "declaration/Apuracao.h"
#include "declaration/DeclarationKey.h"
#include "declaration/OperationTypes.h"
#include "declaration/Sheets.h"
#include "declaration/VexaRow.h"

#include <QWidget>

namespace vexa::decl::ui {

// What a sheet knows of the declaration on show.
struct SheetContext {
    DeclarationKey key;          // ie empty: no declaration on show
    bool isNew = false;          // typed but not stored yet
    QString razaoSocial;         // the taxpayer's name
    QString tipoRegime;          // "S" Simples Nacional, anything else normal
    QString atividade;           // the taxpayer's main activity code
    QString tipoEstabelecimento; // "U" único, "M" matriz, "F" filial
    QString tipoEscrituracao;    // "F" fiscal, "C" contábil
    bool portadorTare = false;
    bool usuarioECF = false;
    bool mudaDomicilio = false;  // item 3.10 answered "Sim"
    qint64 cidadeA = 0;          // IBGE code of the taxpayer's municipality
    qint64 cidadeB = 0;          // IBGE code of the previous municipality (3.10.1)
    bool bulkUpdate = false;     // checks and totals are skipped while set

    bool hasDeclaration() const { return !key.ie.isEmpty(); }
    bool isSimples() const { return tipoRegime == QLatin1String("S"); }
    OperationContext operationContext() const {
        return {key, tipoRegime, mudaDomicilio, cidadeA, cidadeB, bulkUpdate};
    }
};

// The state of a sheet's own table.
enum class TableState { Browse, Edit, Insert };

class VexaSheet : public QWidget {
    Q_OBJECT
public:
    explicit VexaSheet(Sheet sheet, QWidget* parent = nullptr) : QWidget(parent), sheet_(sheet) {}

    Sheet sheet() const { return sheet_; }
    const SheetContext& context() const { return context_; }

    // ---- the declaration on show ----
    virtual void setContext(const SheetContext& context) { context_ = context; }
    virtual void clear() { context_ = {}; }

    // ---- the declaration row ----
    // The sheet shows and edits fields of the `Vexas` row (showRow, takeEdits, rowEdited).
    virtual bool editsDeclarationRow() const { return false; }
    // The sheet's active table is `Vexas` itself (sheets "Itens 2 - 3.9", "Itens 5 - 8.7",
    // "Itens 17 - 18.4"): New, Save, Cancel and Delete act on the declaration. A sheet with a
    // grid of its own that also shows fields of the row (the remarks and meter kind of
    // "Item 13") edits the row but keeps its grid as the active table.
    virtual bool activeTableIsDeclaration() const { return false; }
    virtual void showRow(const VexaRow& row) { (void)row; }
    // The computed items (5.4 to 8.7 and the 3.9 text); inEdit: the row is being edited or inserted.
    virtual void showComputed(const Apuracao& computed, bool inEdit) { (void)computed, (void)inEdit; }
    // Moves the values typed on the sheet into the row.
    virtual void takeEdits(VexaRow& row) const { (void)row; }
    // The row's fields may be typed (false while no declaration is on show).
    virtual void setRowEditable(bool editable) { (void)editable; }
    // A failed check names a field (a `Vexas` column): focus it; false when not on this sheet.
    virtual bool focusField(const QString& field) { (void)field; return false; }

    // ---- the sheet's own table ----
    virtual TableState tableState() const { return TableState::Browse; }
    virtual bool appendRow() { return false; }
    // Posts the pending row; true when nothing is pending afterwards.
    virtual bool post() { return true; }
    virtual void cancel() {}
    // The current row (the user has confirmed); false with *error when the engine refuses.
    virtual bool deleteCurrentRow(QString* error) { (void)error; return true; }

    // ---- showing and leaving ----
    virtual void sheetShown() {}
    virtual bool canLeave() { return true; }
    virtual void refresh() {}

signals:
    void rowEdited();
    void tableStateChanged();
    // The sheet wrote into the stored declaration row itself: the screen reads it again.
    void storedRowChanged();

private:
    Sheet sheet_;
    SheetContext context_;
};

} // namespace vexa::decl::ui
