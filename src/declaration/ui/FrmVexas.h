#pragma once
// "Cadastro de VEXA Eletrônica": the monthly declaration in twelve sheets.
//
// The screen shows one declaration (the `Vexas` row and its child tables),
// found or started by typing its key (IE, month, year) on the first sheet,
// and runs the toolbar commands "&Novo", "&Gravar", "&Cancelar", "&Excluir",
// "&Localizar VEXA", "&DARE", "&Retornar" through the declaration service
// (declaration/DeclarationService.h). Every rule lives in the core; the screen
// shows, asks through its Prompter, moves the focus and enables the controls
// (FrmVexasState.h holds the table of what is enabled when).
//
// PLUGGING A SHEET IN. Each sheet is a VexaSheet (VexaSheet.h). The sheets
// "Item 9", "Itens 10 - 10.3", "Itens 11 - 12.7", "Item 13", "Item 14",
// "Itens 15" and "Item 16" come from one factory function each
// (SheetFactories.h, one file per sheet: SheetItem9.cpp, SheetItens10.cpp,
// SheetItens11.cpp, SheetItem13.cpp, SheetItem14.cpp, SheetItens15.cpp,
// SheetItem16.cpp); they answer a placeholder until their area makes them
// answer its own widget. setSheetWidget() replaces a sheet at run time.
// A sheet learns of the declaration through setContext()/clear(), edits its
// own table through appendRow()/post()/cancel()/deleteCurrentRow(), and
// announces a row going into edit with tableStateChanged(): the toolbar
// follows, a change of sheet and the closing are refused while it edits.
//
// PLUGGING AN EDITOR IN. The list editors of sheet "Itens 5 - 8.7" (5.2.1,
// 6.2.1, 7.2.1, 7.6.1, 7.9.1, 7.13.1), the TARE and ECF editors, "&DARE",
// "&Imprimir VEXA", "Validar VEXA" and "Re&tificar VEXA" come from FrmVexasPlugs.h (one file
// per area). A list editor answers the list's total when it closes; the
// screen hides itself while it is open, then writes the total into the
// declaration row and posts it at once (openListEditor()). Anything else that
// must hide the screen while it runs goes through openEditor().

#include "common/Prompter.h"
#include "declaration/Apuracao.h"
#include "declaration/Sheets.h"
#include "declaration/VexaRow.h"
#include "declaration/ui/FrmLocalizarVexaQuery.h"
#include "declaration/ui/FrmVexasPlugs.h"
#include "declaration/ui/FrmVexasState.h"
#include "registry/Contribuintes.h"

#include <QDialog>
#include <array>
#include <functional>
#include <map>
#include <optional>

class QTimer;
class QToolButton;

namespace vexa::decl::ui {

class FrmVexasTabs;
class SheetApuracao;
class SheetDeclarante;
class SheetIdentificacao;
class VexaSheet;

class FrmVexas : public QDialog {
    Q_OBJECT
public:
    explicit FrmVexas(Prompter& prompter, QWidget* parent = nullptr);
    ~FrmVexas() override;

    // Opens the screen modally over parent, messages in message boxes.
    static void open(QWidget* parent);
    // Shows the screen modally and returns when it is closed (hiding it for an
    // editor does not end it).
    void run();

    // ---- sheets ----
    VexaSheet* sheetWidget(Sheet sheet) const { return sheets_.at(size_t(sheet)); }
    // Replaces the widget of a sheet (the screen takes it over; the old one is deleted).
    void setSheetWidget(Sheet sheet, VexaSheet* widget);
    Sheet currentSheet() const;
    // A change of sheet as the user asks it: refused while anything is being edited.
    bool goToSheet(Sheet sheet);
    SheetIdentificacao* identificacao() const;
    SheetApuracao* apuracao() const;
    SheetDeclarante* declarante() const;

    // ---- what is on show ----
    DeclState declState() const { return declState_; }
    // The declaration row with the edits taken so far.
    const VexaRow& row() const { return row_; }
    const Apuracao& computed() const { return computed_; }
    const SheetContext& context() const { return context_; }
    ScreenState screenState() const;
    const Controls& controls() const { return controlStates_.controls(); }
    // Whether the declaration row or the active sheet table holds unsaved edits.
    bool isEditing() const;

    // ---- commands ----
    void novo();
    void gravar();
    void cancelar();
    void excluir();
    void localizar();
    void dare();
    void retificar();
    void imprimir();
    // "Validar VEXA": the export's checks on the stored declaration, nothing written.
    void validar();
    void anterior();
    void proxima();
    void procurarContribuinte();
    void editarTare();
    void editarEcf();
    // The half-second timer: title, TARE/ECF buttons, the active sheet's refresh.
    void tick();

    // ---- editors ----
    // Hides the screen, runs the editor, shows the screen again and reads the
    // stored declaration row again (with its list totals). Pending edits of the
    // declaration row are taken into it first.
    void openEditor(const std::function<void()>& editor);
    // The list editor of sheet "Itens 5 - 8.7", when it may open for the
    // taxpayer's regime and the period: its total is written into the list's
    // item and the row posted at once. False when nothing opened.
    bool openListEditor(ListEditor list);

    // ---- replaceable pieces (tests) ----
    void setListEditor(ListEditor list, ListEditorOpener opener) { listEditors_[list] = std::move(opener); }
    void setTareEditor(DeclarationAction action) { tareEditor_ = std::move(action); }
    void setEcfEditor(DeclarationAction action) { ecfEditor_ = std::move(action); }
    void setSlipsScreen(DeclarationAction action) { slips_ = std::move(action); }
    void setPrinter(DeclarationAction action) { print_ = std::move(action); }
    void setValidator(DeclarationAction action) { validate_ = std::move(action); }
    void setRectifier(DeclarationAction action) { rectify_ = std::move(action); }
    using TaxpayerSearcher = std::function<std::optional<QString>(QWidget* parent)>;
    void setTaxpayerSearcher(TaxpayerSearcher searcher) { taxpayerSearcher_ = std::move(searcher); }
    using DeclarationSearcher = std::function<std::optional<FoundDeclaration>(QWidget* parent)>;
    void setDeclarationSearcher(DeclarationSearcher searcher) { declarationSearcher_ = std::move(searcher); }

    QTimer* timer() const { return timer_; }
    FrmVexasTabs* tabs() const { return tabs_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // FrmVexas.cpp: the frame
    void buildToolbar();
    void buildSheets();
    void installSheet(Sheet sheet, VexaSheet* widget);
    bool mayChangeSheet(int from, int to);
    void sheetChanged(int index);
    void applyState();
    void connectSheet(VexaSheet* sheet);
    void showAgain();   // after hiding for another screen
    VexaSheet* activeSheet() const;
    // The screen's height on a sheet until the user sizes it.
    int defaultHeight(Sheet sheet) const;

    // FrmVexasKey.cpp: typing the key
    void enterKeyField(QWidget* field);
    void leaveKeyField(QWidget* field);
    void leaveIE();
    void leaveMes();
    void leaveAno();
    void startSearch();
    void refocus(QWidget* field);

    // FrmVexasCommands.cpp: the declaration on show and the commands
    void showDeclaration(const VexaRow& row, DeclState state);
    void showNothing();
    void reloadStored();
    void showChangedElsewhere();   // refused save: warn and read the stored row again
    void takeEdits();
    void recompute();
    void onRowEdited();
    void onLeftSaldoFinal();
    void onLeftItem83();
    void failCheck(const CheckResult& check);
    void runAction(const DeclarationAction& action, bool hideScreen);
    void moveTo(bool previous);
    ListEditorOpener listEditor(ListEditor list) const;

    Prompter& prompter_;
    FrmVexasTabs* tabs_ = nullptr;
    std::array<VexaSheet*, kSheetCount> sheets_{};
    QTimer* timer_ = nullptr;
    QToolButton* btnNovo_ = nullptr;
    QToolButton* btnGravar_ = nullptr;
    QToolButton* btnCancelar_ = nullptr;
    QToolButton* btnExcluir_ = nullptr;
    QToolButton* btnLocalizar_ = nullptr;
    QToolButton* btnDare_ = nullptr;
    QToolButton* btnRetornar_ = nullptr;

    // The declaration on show.
    DeclState declState_ = DeclState::Closed;
    VexaRow row_;                    // with the edits taken so far
    VexaRow stored_;                 // as read (or as started, for a new one)
    Apuracao computed_;
    SheetContext context_;
    std::optional<VexaRow> beforeSearch_;   // on show when the key began to be typed
    bool atFirst_ = true;            // no declaration before the one on show
    bool atLast_ = true;             // none after it
    ControlStates controlStates_;

    // Flags of the screen.
    bool pageChange_ = false;     // a change of sheet is under way
    bool refocusing_ = false;     // the focus goes back to a field after its message
    bool leavingKey_ = false;     // a key field's exit is being handled
    bool opened_ = false;
    Sheet shownSheet_ = Sheet::Itens2a39;   // the sheet the screen's size was set for

    std::map<ListEditor, ListEditorOpener> listEditors_;
    DeclarationAction tareEditor_, ecfEditor_, slips_, print_, validate_, rectify_;
    TaxpayerSearcher taxpayerSearcher_;
    DeclarationSearcher declarationSearcher_;
};

} // namespace vexa::decl::ui
