#include "declaration/ui/FrmVexas.h"

#include "common/ui/EnterAsTab.h"
#include "common/ui/MaskedLineEdit.h"
#include "common/ui/MessageBoxPrompter.h"
#include "common/ui/MoneyLineEdit.h"
#include "declaration/DeclarationChecks.h"
#include "declaration/ui/FrmLocalizarVexa.h"
#include "declaration/ui/FrmVexasTabs.h"
#include "declaration/ui/SheetApuracao.h"
#include "declaration/ui/SheetDeclarante.h"
#include "declaration/ui/SheetFactories.h"
#include "declaration/ui/SheetIdentificacao.h"
#include "declaration/ui/SheetOperacoes.h"
#include "declaration/ui/SheetWidgets.h"
#include "registry/ui/FrmProcura.h"

#include <QEventLoop>
#include <QFocusEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace vexa::decl::ui {

namespace {
QToolButton* toolbarButton(const QString& caption, const QString& name, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setText(caption);
    b->setObjectName(name);
    b->setFocusPolicy(Qt::NoFocus);   // pressing it never leaves the field being typed
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setMinimumWidth(76);
    return b;
}

// Focus moves that mean the user went to another control (not a message box
// or a menu taking the window for a while).
bool movesToAnotherControl(Qt::FocusReason reason) {
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
           reason != Qt::MenuBarFocusReason;
}
} // namespace

FrmVexas::FrmVexas(Prompter& prompter, QWidget* parent) : QDialog(parent), prompter_(prompter) {
    setObjectName(QStringLiteral("FrmVexas"));
    setWindowTitle(QStringLiteral("Cadastro de VEXA Eletrônica"));
    setStyleSheet(sheetStyleSheet());
    // The screen may be maximised: its grids grow with it.
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setSizeGripEnabled(true);

    taxpayerSearcher_ = [](QWidget* p) { return registry::ui::searchTaxpayer(p); };
    declarationSearcher_ = [](QWidget* p) { return FrmLocalizarVexa::pick(p); };
    for (ListEditor list : {ListEditor::OutrosDeb, ListEditor::OutrosCred, ListEditor::Deducoes})
        listEditors_[list] = plugOtherListsEditor(list);
    for (ListEditor list : {ListEditor::Aliquota, ListEditor::AliquotaComp, ListEditor::AliquotaConsumidor})
        listEditors_[list] = plugRateListsEditor(list);
    tareEditor_ = plugTareEditor();
    ecfEditor_ = plugEcfEditor();
    slips_ = plugSlips();
    print_ = plugPrint();
    validate_ = plugValidate();
    rectify_ = plugRectify();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildToolbar();
    layout->addWidget(findChild<QFrame*>(QStringLiteral("pnlBotoes")));
    tabs_ = new FrmVexasTabs(this);
    tabs_->setObjectName(QStringLiteral("pgcVexas"));
    layout->addWidget(tabs_, 1);
    buildSheets();
    tabs_->setMayChange([this](int from, int to) { return mayChangeSheet(from, to); });
    connect(tabs_, &QTabWidget::currentChanged, this, &FrmVexas::sheetChanged);

    EnterAsTab::install(this);
    timer_ = new QTimer(this);
    timer_->setInterval(500);
    connect(timer_, &QTimer::timeout, this, &FrmVexas::tick);

    resize(kScreenWidth, defaultHeight(Sheet::Itens2a39));
    showNothing();
}

FrmVexas::~FrmVexas() = default;

void FrmVexas::open(QWidget* parent) {
    MessageBoxPrompter prompter(parent);
    FrmVexas screen(prompter, parent);
    screen.run();
}

void FrmVexas::showAgain() {
    show();
    raise();
    activateWindow();
}

void FrmVexas::run() {
    setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    connect(this, &QDialog::finished, &loop, &QEventLoop::quit);
    show();
    raise();
    activateWindow();
    loop.exec(QEventLoop::DialogExec);
}

void FrmVexas::buildToolbar() {
    auto* bar = new QFrame(this);
    bar->setObjectName(QStringLiteral("pnlBotoes"));
    bar->setFrameShape(QFrame::StyledPanel);
    auto* h = new QHBoxLayout(bar);
    h->setContentsMargins(4, 4, 4, 4);
    btnNovo_ = toolbarButton(QStringLiteral("&Novo"), QStringLiteral("btnNovo"), bar);
    btnGravar_ = toolbarButton(QStringLiteral("&Gravar"), QStringLiteral("btnGravar"), bar);
    btnCancelar_ = toolbarButton(QStringLiteral("&Cancelar"), QStringLiteral("btnCancelar"), bar);
    btnExcluir_ = toolbarButton(QStringLiteral("&Excluir"), QStringLiteral("btnExcluir"), bar);
    btnLocalizar_ = toolbarButton(QStringLiteral("&Localizar VEXA"), QStringLiteral("btnLocalizar"), bar);
    btnDare_ = toolbarButton(QStringLiteral("&DARE"), QStringLiteral("btnDare"), bar);
    btnRetornar_ = toolbarButton(QStringLiteral("&Retornar"), QStringLiteral("btnRetornar"), bar);
    btnLocalizar_->setMinimumWidth(110);
    for (QToolButton* b : {btnNovo_, btnGravar_, btnCancelar_, btnExcluir_, btnLocalizar_, btnDare_}) h->addWidget(b);
    h->addStretch(1);
    h->addWidget(btnRetornar_);

    connect(btnNovo_, &QToolButton::clicked, this, &FrmVexas::novo);
    connect(btnGravar_, &QToolButton::clicked, this, &FrmVexas::gravar);
    connect(btnCancelar_, &QToolButton::clicked, this, &FrmVexas::cancelar);
    connect(btnExcluir_, &QToolButton::clicked, this, &FrmVexas::excluir);
    connect(btnLocalizar_, &QToolButton::clicked, this, &FrmVexas::localizar);
    connect(btnDare_, &QToolButton::clicked, this, &FrmVexas::dare);
    connect(btnRetornar_, &QToolButton::clicked, this, &QWidget::close);
}

void FrmVexas::buildSheets() {
    const SheetEnvironment env{prompter_, *this};
    std::array<VexaSheet*, kSheetCount> built = {
        new SheetIdentificacao(prompter_),
        new SheetOperacoes(Direction::Entry, prompter_),
        new SheetOperacoes(Direction::Output, prompter_),
        new SheetApuracao,
        createSheetItem9(env, nullptr),
        createSheetItens10(env, nullptr),
        createSheetItens11(env, nullptr),
        createSheetItem13(env, nullptr),
        createSheetItem14(env, nullptr),
        createSheetItens15(env, nullptr),
        createSheetItem16(env, nullptr),
        new SheetDeclarante,
    };
    for (int i = 0; i < kSheetCount; ++i) {
        // Each sheet fits the height the screen takes for it; the tallest one
        // must not stretch the others.
        built[size_t(i)]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
        sheets_[size_t(i)] = built[size_t(i)];
        tabs_->addTab(built[size_t(i)], sheetCaption(Sheet(i)));
        connectSheet(built[size_t(i)]);
    }

    SheetIdentificacao* s0 = identificacao();
    for (QWidget* key : {static_cast<QWidget*>(s0->ieEdit()), static_cast<QWidget*>(s0->mesEdit()),
                         static_cast<QWidget*>(s0->anoEdit())})
        key->installEventFilter(this);
    connect(s0->searchButton(), &QPushButton::clicked, this, &FrmVexas::procurarContribuinte);
    connect(s0->tareButton(), &QPushButton::clicked, this, &FrmVexas::editarTare);
    connect(s0->ecfButton(), &QPushButton::clicked, this, &FrmVexas::editarEcf);
    connect(s0->rectifyButton(), &QPushButton::clicked, this, &FrmVexas::retificar);
    connect(s0->printButton(), &QPushButton::clicked, this, &FrmVexas::imprimir);
    connect(s0->validateButton(), &QPushButton::clicked, this, &FrmVexas::validar);
    connect(s0->previousButton(), &QPushButton::clicked, this, &FrmVexas::anterior);
    connect(s0->nextButton(), &QPushButton::clicked, this, &FrmVexas::proxima);
    connect(s0, &SheetIdentificacao::leftSaldoFinal, this, &FrmVexas::onLeftSaldoFinal);
    connect(apuracao(), &SheetApuracao::listRequested, this, [this](ListEditor list) { openListEditor(list); });
    connect(apuracao(), &SheetApuracao::leftItem83, this, &FrmVexas::onLeftItem83);
}

void FrmVexas::connectSheet(VexaSheet* sheet) {
    connect(sheet, &VexaSheet::rowEdited, this, &FrmVexas::onRowEdited);
    connect(sheet, &VexaSheet::tableStateChanged, this, &FrmVexas::applyState);
    connect(sheet, &VexaSheet::storedRowChanged, this, &FrmVexas::reloadStored);
}

void FrmVexas::setSheetWidget(Sheet sheet, VexaSheet* widget) {
    const int index = int(sheet);
    VexaSheet* old = sheets_[size_t(index)];
    const bool current = tabs_->currentIndex() == index;
    tabs_->blockSignals(true);
    tabs_->removeTab(index);
    widget->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    tabs_->insertTab(index, widget, sheetCaption(sheet));
    if (current) tabs_->setCurrentIndex(index);
    tabs_->blockSignals(false);
    sheets_[size_t(index)] = widget;
    connectSheet(widget);
    if (context_.hasDeclaration()) widget->setContext(context_);
    else widget->clear();
    if (widget->editsDeclarationRow()) {
        widget->setRowEditable(context_.hasDeclaration());
        if (context_.hasDeclaration()) widget->showRow(row_);
        widget->showComputed(computed_, decl::ui::isEditing(declState_));
    }
    delete old;
    applyState();
}

SheetIdentificacao* FrmVexas::identificacao() const {
    return qobject_cast<SheetIdentificacao*>(sheetWidget(Sheet::Itens2a39));
}
SheetApuracao* FrmVexas::apuracao() const { return qobject_cast<SheetApuracao*>(sheetWidget(Sheet::Itens5a87)); }
SheetDeclarante* FrmVexas::declarante() const {
    return qobject_cast<SheetDeclarante*>(sheetWidget(Sheet::Itens17a184));
}

int FrmVexas::defaultHeight(Sheet sheet) const {
    // The sheet's own height, or more where its grids need it (three whole rows each).
    const QWidget* bar = findChild<QFrame*>(QStringLiteral("pnlBotoes"));
    const int chrome = (bar ? bar->sizeHint().height() : 0) + tabs_->tabBar()->sizeHint().height() + 6;
    return std::max(sheetHeight(sheet), chrome + sheets_[size_t(sheet)]->minimumSizeHint().height());
}

Sheet FrmVexas::currentSheet() const { return Sheet(tabs_->currentIndex()); }
VexaSheet* FrmVexas::activeSheet() const { return sheetWidget(currentSheet()); }

// ---- changing sheets ------------------------------------------------------------------

bool FrmVexas::goToSheet(Sheet sheet) { return tabs_->requestIndex(int(sheet)); }

bool FrmVexas::mayChangeSheet(int from, int to) {
    (void)to;
    pageChange_ = true;
    // Leaving the first sheet ends the typing of the key: its field is left
    // as the user would leave it, which may open a declaration.
    if (from == int(Sheet::Itens2a39)) identificacao()->saldoInicialEdit()->setFocus(Qt::OtherFocusReason);
    if (!sheets_[size_t(from)]->canLeave() || isEditing()) {
        if (isEditing()) prompter_.warn(vexa_msg::GraveOuCancelePagina);
        pageChange_ = false;
        return false;
    }
    return true;
}

void FrmVexas::sheetChanged(int index) {
    const Sheet sheet = Sheet(index);
    // Each sheet has its height; a screen the user sized or maximised keeps its size.
    if (!isMaximized() && !isFullScreen() && size() == QSize(kScreenWidth, defaultHeight(shownSheet_)))
        resize(kScreenWidth, defaultHeight(sheet));
    shownSheet_ = sheet;
    sheets_[size_t(index)]->sheetShown();
    if (sheet == Sheet::Itens2a39 && context_.hasDeclaration() && pageChange_)
        identificacao()->saldoInicialEdit()->setFocus(Qt::OtherFocusReason);
    applyState();
    // The flag only covers the focus moves of the change itself.
    pageChange_ = false;
}

// ---- state --------------------------------------------------------------------------------

ScreenState FrmVexas::screenState() const {
    ScreenState st;
    st.decl = declState_;
    st.sheet = currentSheet();
    const VexaSheet* sheet = activeSheet();
    if (sheet->activeTableIsDeclaration()) {
        st.sheetTable = declState_ == DeclState::Edit     ? TableState::Edit
                        : declState_ == DeclState::Insert ? TableState::Insert
                                                          : TableState::Browse;
    } else {
        st.sheetTable = sheet->tableState();
    }
    st.atFirst = atFirst_;
    st.atLast = atLast_;
    return st;
}

bool FrmVexas::isEditing() const { return decl::ui::isEditing(screenState()); }

void FrmVexas::applyState() {
    const Controls& c = controlStates_.apply(screenState());
    btnNovo_->setEnabled(c.novo);
    btnGravar_->setEnabled(c.gravar);
    btnCancelar_->setEnabled(c.cancelar);
    btnExcluir_->setEnabled(c.excluir);
    btnLocalizar_->setEnabled(c.localizar);
    btnDare_->setEnabled(c.dare);
    SheetIdentificacao* s0 = identificacao();
    if (!s0) return;
    s0->rectifyButton()->setEnabled(c.retificar);
    s0->printButton()->setEnabled(c.imprimir);
    // Checking reads the stored declaration: offered when printing is.
    s0->validateButton()->setEnabled(c.imprimir);
    s0->previousButton()->setEnabled(c.anterior);
    s0->nextButton()->setEnabled(c.proxima);
    s0->ieEdit()->setEnabled(c.keyFields);
    s0->mesEdit()->setEnabled(c.keyFields);
    s0->anoEdit()->setEnabled(c.keyFields);
    s0->searchButton()->setEnabled(c.keyFields);
}

void FrmVexas::tick() {
    setWindowTitle(screenTitle(declState_, row_.key(), context_.razaoSocial));
    if (SheetIdentificacao* s0 = identificacao()) {
        s0->tareButton()->setEnabled(context_.hasDeclaration() && context_.portadorTare);
        s0->ecfButton()->setEnabled(context_.hasDeclaration() && context_.usuarioECF);
    }
    activeSheet()->refresh();
}

// ---- opening and closing --------------------------------------------------------------------

void FrmVexas::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (opened_) return;
    opened_ = true;
    // The first sheet, the key fields empty and IE focused; the timer runs while the screen is open.
    tabs_->setCurrentIndex(int(Sheet::Itens2a39));
    identificacao()->setKeyTexts({}, {}, {});
    timer_->start();
    tick();
    startSearch();
    identificacao()->ieEdit()->setFocus(Qt::OtherFocusReason);
}

void FrmVexas::done(int result) {
    if (isEditing()) {
        prompter_.warn(vexa_msg::GraveOuCanceleSair);
        return;
    }
    timer_->stop();
    QDialog::done(result);
}

void FrmVexas::keyPressEvent(QKeyEvent* event) {
    // The screen closes by "&Retornar" or its frame, not by Esc.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool FrmVexas::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        SheetIdentificacao* s0 = identificacao();
        auto* field = qobject_cast<QWidget*>(watched);
        if (s0 && s0->isKeyField(field) &&
            movesToAnotherControl(static_cast<QFocusEvent*>(event)->reason())) {
            if (event->type() == QEvent::FocusIn) enterKeyField(field);
            else if (isVisible()) leaveKeyField(field);
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace vexa::decl::ui
