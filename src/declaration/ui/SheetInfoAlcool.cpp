#include "declaration/ui/SheetInfoAlcool.h"
#include "common/ui/GridFit.h"

#include "common/Masks.h"
#include "declaration/StateMovement.h"
#include "declaration/ui/FuelModels.h"
#include "declaration/ui/FuelNotice.h"
#include "declaration/ui/ListGrid.h"
#include "declaration/ui/SheetDelegates.h"
#include "declaration/ui/SheetGrid.h"
#include "declaration/ui/SheetWidgets.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace vexa::decl::ui {

namespace {
QList<PickerDelegate::Entry> stateEntries() {
    QList<PickerDelegate::Entry> entries;
    for (const QString& text : statePickerEntries()) entries.append({text, text.mid(3, 2)});
    return entries;
}
} // namespace

SheetInfoAlcool::SheetInfoAlcool(Prompter& prompter, QWidget* parent)
    : VexaSheet(Sheet::Item14, parent), prompter_(prompter) {
    setObjectName(QStringLiteral("SheetItem14"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    pages_ = new QStackedWidget(this);
    layout->addWidget(pages_);

    auto* page = new QWidget(pages_);
    auto* v = new QVBoxLayout(page);
    v->setContentsMargins(0, 0, 0, 0);
    auto* title = new QLabel(QStringLiteral("14 - INFORMAÇÕES DA AQUISIÇÃO DE ÁLCOOL"), page);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    v->addWidget(title);

    grid_ = new SheetGrid(new InfoAlcoolModel, prompter_, {}, page);
    ListGrid* g = grid_->grid();
    g->setObjectName(QStringLiteral("grdInfoAlcool"));
    g->setItemDelegateForColumn(InfoAlcoolModel::NNotaFiscal, new DigitsDelegate(9, grid_));
    g->setItemDelegateForColumn(InfoAlcoolModel::DtEmissao, new MaskDelegate(kInputMaskDate, grid_));
    g->setItemDelegateForColumn(InfoAlcoolModel::Cnpj, new MaskDelegate(QStringLiteral("00.000.000/0000-00;_"), grid_));
    g->setItemDelegateForColumn(InfoAlcoolModel::UfOrigem, new PickerDelegate(stateEntries(), true, grid_));
    g->setItemDelegateForColumn(InfoAlcoolModel::ValorUnitario, new DecimalDelegate(4, grid_));
    g->setItemDelegateForColumn(InfoAlcoolModel::Quantidade, new DecimalDelegate(0, grid_));
    vexa::ui::fitColumns(g);
    g->horizontalHeader()->setMinimumHeight(g->fontMetrics().height() * 2 + 8);
    v->addWidget(grid_, 1);

    auto* bar = new QHBoxLayout;
    bar->addStretch(1);
    auto* label = new QLabel(QStringLiteral("TOTAL"), page);
    label->setFont(bold);
    bar->addWidget(label);
    total_ = lookupField(QStringLiteral("edtTotalQuantidade"), page, 150);
    total_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    bar->addWidget(total_);
    v->addLayout(bar);
    pages_->addWidget(page);
    pages_->addWidget(makeFuelNotice(pages_));

    connect(grid_, &SheetGrid::editStateChanged, this, &VexaSheet::tableStateChanged);
    connect(grid_, &SheetGrid::rowsChanged, this, &SheetInfoAlcool::refreshTotal);
    clear();
}

InfoAlcoolModel* SheetInfoAlcool::model() const { return static_cast<InfoAlcoolModel*>(grid_->model()); }

bool SheetInfoAlcool::showsGrid() const { return pages_->currentIndex() == 0; }

bool SheetInfoAlcool::hasTable() const {
    return context().hasDeclaration() && !context().isNew && isFuelRetailer(context().atividade);
}

QString SheetInfoAlcool::totalText() const { return total_->text(); }

void SheetInfoAlcool::refreshTotal() {
    if (context().bulkUpdate) return;
    const double total = hasTable() ? alcoolTotalQuantidade(context().key) : 0.0;
    total_->setText(formatThousands(qint64(money::roundTo(total, 0))));
}

void SheetInfoAlcool::setContext(const SheetContext& context) {
    VexaSheet::setContext(context);
    FuelContext fc;
    if (hasTable()) fc = {context.key, context.bulkUpdate};
    model()->setContext(fc);
    pages_->setCurrentIndex(!context.hasDeclaration() || isFuelRetailer(context.atividade) ? 0 : 1);
    refreshTotal();
}

void SheetInfoAlcool::clear() {
    VexaSheet::clear();
    model()->setContext({});
    pages_->setCurrentIndex(0);
    refreshTotal();
}

TableState SheetInfoAlcool::tableState() const { return grid_->tableState(); }

bool SheetInfoAlcool::appendRow() { return hasTable() && grid_->append(true); }

bool SheetInfoAlcool::post() { return grid_->post(); }

void SheetInfoAlcool::cancel() { grid_->cancel(); }

bool SheetInfoAlcool::deleteCurrentRow(QString* error) {
    if (!grid_->deleteCurrent(error)) return false;
    refreshTotal();
    return true;
}

void SheetInfoAlcool::sheetShown() {
    refreshTotal();
    if (hasTable()) grid_->focusCell(0, InfoAlcoolModel::NNotaFiscal);
}

} // namespace vexa::decl::ui
