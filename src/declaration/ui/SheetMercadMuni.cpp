#include "declaration/ui/SheetMercadMuni.h"

#include "common/ErrorLog.h"
#include "common/Masks.h"
#include "common/Money.h"
#include "common/ui/GridFit.h"
#include "declaration/ui/ListGrid.h"
#include "declaration/ui/MercadMuniModel.h"
#include "declaration/ui/SheetDelegates.h"
#include "declaration/ui/SheetGrid.h"
#include "declaration/ui/SheetWidgets.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vexa::decl::ui {

namespace {
const char* const kTitle =
    "16 - Relação de Mercadorias e/ou Produtos de Outros Municípios Verdalenses com Diferimento do ICMS";
} // namespace

SheetMercadMuni::SheetMercadMuni(Prompter& prompter, std::function<void()> save, QWidget* parent)
    : VexaSheet(Sheet::Item16, parent), prompter_(prompter), save_(std::move(save)), openInvoices_(openNotasFiscais) {
    setObjectName(QStringLiteral("SheetItem16"));
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(4, 4, 4, 4);
    auto* title = new QLabel(QString::fromUtf8(kTitle), this);
    title->setObjectName(QStringLiteral("lblItem16"));
    title->setWordWrap(true);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    v->addWidget(title);

    grid_ = new SheetGrid(new MercadMuniModel, prompter_, {}, this);
    ListGrid* g = grid_->grid();
    g->setObjectName(QStringLiteral("grdMercadMuni"));
    g->setItemDelegateForColumn(MercadMuniModel::IEEmpresa, new MaskDelegate(kInputMaskIE, grid_));
    g->setItemDelegateForColumn(MercadMuniModel::MunicipioCodigo, new DigitsDelegate(7, grid_));
    g->setItemDelegateForColumn(MercadMuniModel::MunicipioNome,
                                new PickerDelegate(homeStateMunicipalityEntries(), false, grid_));
    auto* button = new ButtonDelegate(QStringLiteral("Incluir"), grid_);
    g->setItemDelegateForColumn(MercadMuniModel::Notas, button);
    // Opens once the click that asked for it is over.
    connect(button, &ButtonDelegate::clicked, this, [this](int row) { openInvoices(row); }, Qt::QueuedConnection);
    vexa::ui::fitColumns(g, MercadMuniModel::MunicipioNome);
    g->horizontalHeader()->setMinimumHeight(g->fontMetrics().height() * 2 + 8);
    v->addWidget(grid_, 1);

    auto* totals = new QGridLayout;
    totalCaption_ = new QPushButton(QStringLiteral("TOTAL"), this);
    totalCaption_->setObjectName(QStringLiteral("lblTotal"));
    totalCaption_->setFlat(true);
    totalCaption_->setFont(bold);
    totalCaption_->setFocusPolicy(Qt::NoFocus);
    totalCaption_->setAutoDefault(false);
    connect(totalCaption_, &QPushButton::clicked, this, [this] { grid_->focusCell(0); grid_->grid()->setFocus(); });
    totals->addWidget(totalCaption_, 0, 0, Qt::AlignRight);
    const QStringList names = {QStringLiteral("A"), QStringLiteral("B")};
    for (int l = 0; l < 2; ++l) {
        lineLabels_[l] = new QLabel(names[l], this);
        totals->addWidget(lineLabels_[l], l, 1, Qt::AlignRight);
        fields_[l] = lookupField(QStringLiteral("edtTotal") + names[l], this, 150);
        fields_[l]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        totals->addWidget(fields_[l], l, 2);
    }
    totals->setColumnStretch(0, 1);
    v->addLayout(totals);

    connect(grid_, &SheetGrid::editStateChanged, this, &VexaSheet::tableStateChanged);
    connect(grid_, &SheetGrid::rowsChanged, this, &SheetMercadMuni::refreshTotals);
    clear();
}

MercadMuniModel* SheetMercadMuni::model() const { return static_cast<MercadMuniModel*>(grid_->model()); }

bool SheetMercadMuni::hasTable() const { return context().hasDeclaration() && !context().isNew; }

void SheetMercadMuni::setContext(const SheetContext& context) {
    VexaSheet::setContext(context);
    MunicipalityContext mc;
    if (hasTable()) {
        mc.key = context.key;
        mc.razaoSocial = context.razaoSocial;
        mc.mudaDomicilio = context.mudaDomicilio;
        mc.cidadeA = context.cidadeA;
        mc.cidadeB = context.cidadeB;
        mc.bulkUpdate = context.bulkUpdate;
    }
    model()->setContext(mc);
    for (int c : {MercadMuniModel::Domicilio, MercadMuniModel::CidadeDomicilio})
        grid_->grid()->setColumnHidden(c, !context.mudaDomicilio);
    refreshTotals();
}

void SheetMercadMuni::clear() {
    VexaSheet::clear();
    model()->setContext({});
    for (int c : {MercadMuniModel::Domicilio, MercadMuniModel::CidadeDomicilio})
        grid_->grid()->setColumnHidden(c, true);
    totals_ = {};
    showTotals();
}

void SheetMercadMuni::refreshTotals() {
    if (!hasTable()) totals_ = {};
    else if (!context().bulkUpdate) totals_ = item16Totals(context().key, context().mudaDomicilio);
    showTotals();
}

void SheetMercadMuni::showTotals() {
    const bool perDomicile = context().mudaDomicilio;
    fields_[0]->setText(money::format(totals_.a));
    fields_[1]->setText(money::format(totals_.b));
    lineLabels_[0]->setVisible(perDomicile);
    lineLabels_[1]->setVisible(perDomicile);
    fields_[1]->setVisible(perDomicile);
}

QString SheetMercadMuni::totalText(int line) const { return line == 0 || line == 1 ? fields_[line]->text() : QString(); }

void SheetMercadMuni::openInvoices(int row) {
    if (!hasTable() || row < 0 || row >= model()->rowCount()) return;
    const MercadoriaRow typed = model()->line(row);
    // The screen's pending edit is saved first; the row is found again by its IE.
    if (model()->isEditing() && save_) save_();
    if (model()->isEditing()) return;
    const int found = model()->rowOf(typed.ieEmpresa, typed.domicilioFiscal);
    if (found < 0) return;
    const SupplierKey supplier{context().key, typed.ieEmpresa, typed.domicilioFiscal};
    const double total = openInvoices_ ? openInvoices_(supplier, prompter_, window()) : notasFiscaisTotal(supplier);
    QString error;
    if (!storeSupplierValue(supplier, total, &error)) reportUnhandledError(error);
    grid_->reload();
    refreshTotals();
    grid_->focusCell(model()->rowOf(supplier.ieEmpresa, supplier.domicilioFiscal), MercadMuniModel::Notas);
}

TableState SheetMercadMuni::tableState() const { return grid_->tableState(); }

bool SheetMercadMuni::appendRow() { return hasTable() && grid_->append(true); }

bool SheetMercadMuni::post() { return grid_->post(); }

void SheetMercadMuni::cancel() { grid_->cancel(); }

bool SheetMercadMuni::deleteCurrentRow(QString* error) {
    if (!grid_->deleteCurrent(error)) return false;
    refreshTotals();
    return true;
}

void SheetMercadMuni::sheetShown() {
    refreshTotals();
    if (hasTable()) grid_->focusCell(0, MercadMuniModel::IEEmpresa);
}

} // namespace vexa::decl::ui
