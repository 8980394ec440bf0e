#include "declaration/ui/SheetSaidasMun.h"

#include "common/Money.h"
#include "common/ui/GridFit.h"
#include "declaration/ui/ListGrid.h"
#include "declaration/ui/OperationsDelegates.h"
#include "declaration/ui/SaidasMunModel.h"
#include "declaration/ui/SheetDelegates.h"
#include "declaration/ui/SheetGrid.h"
#include "declaration/ui/SheetWidgets.h"
#include "storage/Database.h"
#include "storage/ReferenceLookups.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace vexa::decl::ui {

namespace {
const char* const kTitle = "15 - Saídas e/ou Prestações e Entradas e/ou Aquisições do Estabelecimento do "
                           "Contribuinte por Município de Origem";
} // namespace

SheetSaidasMun::SheetSaidasMun(Prompter& prompter, QWidget* parent)
    : VexaSheet(Sheet::Itens15, parent), prompter_(prompter) {
    setObjectName(QStringLiteral("SheetItens15"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    pages_ = new QStackedWidget(this);
    layout->addWidget(pages_);

    auto* page = new QWidget(pages_);
    auto* v = new QVBoxLayout(page);
    v->setContentsMargins(0, 0, 0, 0);
    auto* title = new QLabel(QString::fromUtf8(kTitle), page);
    title->setObjectName(QStringLiteral("lblItem15"));
    title->setWordWrap(true);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    v->addWidget(title);

    grid_ = new SheetGrid(new SaidasMunModel, prompter_, {}, page);
    grid_->grid()->setObjectName(QStringLiteral("grdSaidasMun"));
    ListGrid* g = grid_->grid();
    auto* municipios = new PickerDelegate(homeStateMunicipalityEntries(), false, grid_);
    g->setItemDelegateForColumn(SaidasMunModel::Municipio, municipios);
    auto* money = new MoneyDelegate(grid_);
    g->setItemDelegateForColumn(SaidasMunModel::VlrContabil, money);
    g->setItemDelegateForColumn(SaidasMunModel::Devolucoes, money);
    vexa::ui::fitColumns(g, SaidasMunModel::Municipio);
    v->addWidget(grid_, 1);

    auto* totals = new QGridLayout;
    totals->setHorizontalSpacing(6);
    const QStringList headers = {QStringLiteral("15.3 - Saídas"), QStringLiteral("15.4 - Entradas"),
                                 QStringLiteral("15.5 - Total (15.3 - 15.4)")};
    for (int c = 0; c < 3; ++c) totals->addWidget(new QLabel(headers[c], page), 0, c + 1, Qt::AlignRight);
    const QStringList names = {QStringLiteral("A"), QStringLiteral("B")};
    for (int l = 0; l < 2; ++l) {
        lineLabels_[l] = new QLabel(page);
        lineLabels_[l]->setFont(bold);
        totals->addWidget(lineLabels_[l], l + 1, 0, Qt::AlignRight);
        for (int c = 0; c < 3; ++c) {
            QLineEdit* f = lookupField(QStringLiteral("edtTotal%1%2").arg(names[l]).arg(c), page, 150);
            f->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            fields_[l][c] = f;
            totals->addWidget(f, l + 1, c + 1);
        }
    }
    totals->setColumnStretch(0, 1);
    v->addLayout(totals);
    pages_->addWidget(page);

    guidance_ = new QTextBrowser(pages_);
    guidance_->setObjectName(QStringLiteral("WebBrowserCNAE15"));
    guidance_->setOpenExternalLinks(true);
    pages_->addWidget(guidance_);

    connect(grid_, &SheetGrid::editStateChanged, this, &VexaSheet::tableStateChanged);
    connect(grid_, &SheetGrid::rowsChanged, this, &SheetSaidasMun::refreshTotals);
    clear();
}

SaidasMunModel* SheetSaidasMun::model() const { return static_cast<SaidasMunModel*>(grid_->model()); }

bool SheetSaidasMun::showsGrid() const { return pages_->currentIndex() == 0; }

bool SheetSaidasMun::item15Declaration() const {
    return context().hasDeclaration() && !context().isNew && item15_;
}

void SheetSaidasMun::setContext(const SheetContext& context) {
    VexaSheet::setContext(context);
    item15_ = context.hasDeclaration() && storage::IsItem15Activity(context.atividade);
    MunicipalityContext mc;
    if (item15Declaration()) {
        mc.key = context.key;
        mc.razaoSocial = context.razaoSocial;
        mc.mudaDomicilio = context.mudaDomicilio;
        mc.cidadeA = context.cidadeA;
        mc.cidadeB = context.cidadeB;
        mc.bulkUpdate = context.bulkUpdate;
    }
    model()->setContext(mc);
    for (int c : {SaidasMunModel::Domicilio, SaidasMunModel::CidadeDomicilio})
        grid_->grid()->setColumnHidden(c, !context.mudaDomicilio);
    if (context.hasDeclaration() && !item15_) showGuidance();
    else pages_->setCurrentIndex(0);
    refreshTotals();
}

void SheetSaidasMun::clear() {
    VexaSheet::clear();
    item15_ = false;
    model()->setContext({});
    for (int c : {SaidasMunModel::Domicilio, SaidasMunModel::CidadeDomicilio}) grid_->grid()->setColumnHidden(c, true);
    pages_->setCurrentIndex(0);
    totals_ = {};
    showTotals();
}

void SheetSaidasMun::showGuidance() {
    pages_->setCurrentIndex(1);
    if (guidanceLoaded_) return;
    guidanceLoaded_ = true;
    const QString path = storage::currentFolder().file(QStringLiteral("CNAE15.htm"));
    if (storage::currentFolder().isValid() && QFileInfo(path).isFile()) {
        guidance_->setSearchPaths({storage::currentFolder().root()});
        guidance_->setSource(QUrl::fromLocalFile(path), QTextDocument::HtmlResource);
    } else {
        guidance_->setHtml(QStringLiteral("<h3>Página não encontrada</h3><p>%1</p>").arg(path.toHtmlEscaped()));
    }
}

void SheetSaidasMun::refreshTotals() {
    if (!item15Declaration()) totals_ = {};
    else if (!context().bulkUpdate) totals_ = item15Totals(context().key, context().mudaDomicilio);
    showTotals();
}

void SheetSaidasMun::showTotals() {
    const bool perDomicile = context().mudaDomicilio;
    lineLabels_[0]->setText(perDomicile ? QStringLiteral("TOTAL A") : QStringLiteral("TOTAL"));
    lineLabels_[1]->setText(QStringLiteral("TOTAL B"));
    const Item15Line* lines[2] = {&totals_.a, &totals_.b};
    for (int l = 0; l < 2; ++l) {
        fields_[l][0]->setText(money::format(lines[l]->vlrContabil));
        fields_[l][1]->setText(money::format(lines[l]->devolucoes));
        fields_[l][2]->setText(money::format(lines[l]->diferenca()));
        lineLabels_[l]->setVisible(l == 0 || perDomicile);
        for (int c = 0; c < 3; ++c) fields_[l][c]->setVisible(l == 0 || perDomicile);
    }
}

QString SheetSaidasMun::totalText(int line, int column) const {
    if (line < 0 || line > 1 || column < 0 || column > 2) return {};
    return fields_[line][column]->text();
}

TableState SheetSaidasMun::tableState() const { return grid_->tableState(); }

bool SheetSaidasMun::appendRow() { return item15Declaration() && grid_->append(true); }

bool SheetSaidasMun::post() { return grid_->post(); }

void SheetSaidasMun::cancel() { grid_->cancel(); }

bool SheetSaidasMun::deleteCurrentRow(QString* error) {
    if (!grid_->deleteCurrent(error)) return false;
    refreshTotals();
    return true;
}

void SheetSaidasMun::sheetShown() {
    refreshTotals();
    if (showsGrid() && item15Declaration()) grid_->focusCell(0, SaidasMunModel::Municipio);
}

bool SheetSaidasMun::canLeave() {
    if (!item15Declaration()) return true;
    refreshTotals();
    // The warnings never stop the change of sheet.
    for (const QString& warning : item15CrossCheck(context().key, totals_)) prompter_.warn(warning);
    return true;
}

} // namespace vexa::decl::ui
