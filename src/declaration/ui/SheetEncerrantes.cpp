#include "declaration/ui/SheetEncerrantes.h"
#include "common/ui/GridFit.h"

#include "common/ErrorLog.h"
#include "declaration/ui/FrmProdutoAnterior.h"
#include "declaration/ui/FuelModels.h"
#include "declaration/ui/FuelNotice.h"
#include "declaration/ui/ListGrid.h"
#include "declaration/ui/SheetDelegates.h"
#include "declaration/ui/SheetGrid.h"

#include <QButtonGroup>
#include <QHeaderView>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace vexa::decl::ui {

namespace {
constexpr int kObsLength = 255;

QList<PickerDelegate::Entry> productEntries() {
    QList<PickerDelegate::Entry> entries;
    int n = 1;
    for (const QString& text : productPickerEntries()) entries.append({text, QVariant(qint64(n++))});
    return entries;
}
} // namespace

SheetEncerrantes::SheetEncerrantes(Prompter& prompter, QWidget* parent)
    : VexaSheet(Sheet::Item13, parent), prompter_(prompter) {
    setObjectName(QStringLiteral("SheetItem13"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    pages_ = new QStackedWidget(this);
    layout->addWidget(pages_);

    auto* page = new QWidget(pages_);
    auto* v = new QVBoxLayout(page);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(4);
    auto* title = new QLabel(QStringLiteral("13 - INFORMAÇÕES DOS ENCERRANTES DAS BOMBAS DE COMBUSTÍVEIS"), page);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    v->addWidget(title);

    auto* kind = new QWidget(page);
    kind->setObjectName(QStringLiteral("rgTipoEncerrante"));
    auto* kindLayout = new QHBoxLayout(kind);
    kindLayout->setContentsMargins(0, 0, 0, 0);
    kindLayout->addWidget(new QLabel(QStringLiteral("TIPO DO ENCERRANTE CONSIDERADO NA ESCRITURAÇÃO DO LMC:"), kind));
    eletronico_ = new QRadioButton(QStringLiteral("Eletrônio"), kind);
    eletronico_->setObjectName(QStringLiteral("rbEletronico"));
    mecanico_ = new QRadioButton(QStringLiteral("Mecânico"), kind);
    mecanico_->setObjectName(QStringLiteral("rbMecanico"));
    auto* group = new QButtonGroup(kind);
    group->addButton(eletronico_);
    group->addButton(mecanico_);
    kindLayout->addWidget(eletronico_);
    kindLayout->addWidget(mecanico_);
    kindLayout->addStretch(1);
    v->addWidget(kind);
    connect(eletronico_, &QRadioButton::toggled, this, [this] { meterFieldsEdited(); });
    connect(mecanico_, &QRadioButton::toggled, this, [this] { meterFieldsEdited(); });

    auto* nozzleModel = new EncerrantesModel;
    nozzleModel->setPreviousProductDialog([this](int product) { return FrmProdutoAnterior::ask(product, window()); });
    nozzles_ = new SheetGrid(nozzleModel, prompter_, {}, page);
    ListGrid* g = nozzles_->grid();
    g->setObjectName(QStringLiteral("grdEncerrantes"));
    g->setItemDelegateForColumn(EncerrantesModel::NSerieBomba, new TextDelegate(20, true, nozzles_));
    g->setItemDelegateForColumn(EncerrantesModel::NBico, new DigitsDelegate(4, nozzles_));
    g->setItemDelegateForColumn(EncerrantesModel::Produto, new PickerDelegate(productEntries(), true, nozzles_));
    auto* readings = new DigitsDelegate(9, nozzles_);
    for (int c : {EncerrantesModel::LeituraInicial, EncerrantesModel::LeituraFinal, EncerrantesModel::VolComInterv})
        g->setItemDelegateForColumn(c, readings);
    vexa::ui::fitColumns(g, EncerrantesModel::Produto);
    g->horizontalHeader()->setMinimumHeight(g->fontMetrics().height() * 2 + 8);
    g->setMinimumHeight(150);
    v->addWidget(nozzles_, 3);

    tanks_ = new SheetGrid(new EstTanqueModel, prompter_,
                           QStringLiteral("13.6 - ESTOQUE FÍSICO NO FECHAMENTO DO ÚLTIMO DIA DO MÊS (em litros)"), page);
    ListGrid* t = tanks_->grid();
    t->setObjectName(QStringLiteral("grdEstTanque"));
    t->setItemDelegateForColumn(EstTanqueModel::Tanque, new DigitsDelegate(4, tanks_));
    t->setItemDelegateForColumn(EstTanqueModel::Produto, new PickerDelegate(productEntries(), true, tanks_));
    t->setItemDelegateForColumn(EstTanqueModel::Quantidade, new DigitsDelegate(9, tanks_));
    vexa::ui::fitColumns(t, EstTanqueModel::Produto);
    t->setMinimumHeight(80);
    t->setMaximumHeight(110);
    v->addWidget(tanks_, 1);

    v->addWidget(new QLabel(QStringLiteral("Observações"), page));
    obs_ = new QPlainTextEdit(page);
    obs_->setObjectName(QStringLiteral("edtObsEncerrantes"));
    obs_->setTabChangesFocus(true);
    obs_->setFixedHeight(obs_->fontMetrics().height() * 3 + 12);
    v->addWidget(obs_);
    connect(obs_, &QPlainTextEdit::textChanged, this, [this] {
        // Up to 255 characters, as the declaration row keeps them.
        if (obs_->toPlainText().size() > kObsLength) {
            const QSignalBlocker block(obs_);
            obs_->setPlainText(obs_->toPlainText().left(kObsLength));
            obs_->moveCursor(QTextCursor::End);
        }
        meterFieldsEdited();
    });
    pages_->addWidget(page);
    pages_->addWidget(makeFuelNotice(pages_));

    active_ = nozzles_;
    for (SheetGrid* grid : {nozzles_, tanks_}) {
        connect(grid, &SheetGrid::editStateChanged, this, &VexaSheet::tableStateChanged);
        connect(grid, &SheetGrid::entered, this, [this, grid] { enterGrid(grid); });
    }
    clear();
}

EncerrantesModel* SheetEncerrantes::nozzleModel() const { return static_cast<EncerrantesModel*>(nozzles_->model()); }
EstTanqueModel* SheetEncerrantes::tankModel() const { return static_cast<EstTanqueModel*>(tanks_->model()); }

void SheetEncerrantes::setPreviousProductDialog(PreviousProductDialog dialog) {
    nozzleModel()->setPreviousProductDialog(std::move(dialog));
}

bool SheetEncerrantes::showsGrids() const { return pages_->currentIndex() == 0; }

bool SheetEncerrantes::hasTable() const {
    return context().hasDeclaration() && !context().isNew && isFuelRetailer(context().atividade);
}

void SheetEncerrantes::setContext(const SheetContext& context) {
    VexaSheet::setContext(context);
    FuelContext fc;
    if (hasTable()) fc = {context.key, context.bulkUpdate};
    nozzleModel()->setContext(fc);
    tankModel()->setContext(fc);
    stored_ = hasTable() ? loadMeterFields(context.key) : MeterFields{};
    showMeterFields(stored_);
    pages_->setCurrentIndex(!context.hasDeclaration() || isFuelRetailer(context.atividade) ? 0 : 1);
}

void SheetEncerrantes::clear() {
    VexaSheet::clear();
    nozzleModel()->setContext({});
    tankModel()->setContext({});
    stored_ = {};
    showMeterFields(stored_);
    pages_->setCurrentIndex(0);
}

void SheetEncerrantes::showMeterFields(const MeterFields& fields) {
    showing_ = true;
    // Neither button checked when the kind was never chosen.
    for (QRadioButton* b : {eletronico_, mecanico_}) b->group()->setExclusive(false);
    eletronico_->setChecked(fields.tipoEncerrante == QLatin1String("E"));
    mecanico_->setChecked(fields.tipoEncerrante == QLatin1String("M"));
    eletronico_->group()->setExclusive(true);
    obs_->setPlainText(fields.obsEncerrantes);
    const bool editable = hasTable();
    eletronico_->setEnabled(editable);
    mecanico_->setEnabled(editable);
    obs_->setReadOnly(!editable);
    showing_ = false;
    const bool wasEdited = fieldsEdited_;
    fieldsEdited_ = false;
    if (wasEdited) emit tableStateChanged();
}

MeterFields SheetEncerrantes::typedMeterFields() const {
    MeterFields f;
    f.tipoEncerrante = eletronico_->isChecked() ? QStringLiteral("E")
                       : mecanico_->isChecked() ? QStringLiteral("M")
                                                : stored_.tipoEncerrante;
    f.obsEncerrantes = obs_->toPlainText().left(kObsLength);
    return f;
}

void SheetEncerrantes::meterFieldsEdited() {
    if (showing_ || !hasTable()) return;
    const bool edited = !(typedMeterFields() == stored_);
    if (edited == fieldsEdited_) return;
    fieldsEdited_ = edited;
    emit tableStateChanged();
}

void SheetEncerrantes::enterGrid(SheetGrid* grid) {
    // Entering one grid posts the row pending in the other.
    SheetGrid* other = grid == nozzles_ ? tanks_ : nozzles_;
    if (other->isEditing() && !other->post()) return;
    active_ = grid;
}

TableState SheetEncerrantes::tableState() const {
    for (SheetGrid* g : {active_, active_ == nozzles_ ? tanks_ : nozzles_})
        if (const TableState state = g->tableState(); state != TableState::Browse) return state;
    return fieldsEdited_ ? TableState::Edit : TableState::Browse;
}

bool SheetEncerrantes::appendRow() { return hasTable() && active_->append(true); }

bool SheetEncerrantes::post() {
    // The grid rows first: a refused row keeps the meter kind and remarks pending too.
    for (SheetGrid* g : {active_, active_ == nozzles_ ? tanks_ : nozzles_})
        if (g->isEditing() && !g->post()) return false;
    if (fieldsEdited_) {
        const MeterFields typed = typedMeterFields();
        QString error;
        if (!storeMeterFields(context().key, typed, &error)) {
            reportUnhandledError(error);
            return false;
        }
        stored_ = typed;
        fieldsEdited_ = false;
        emit tableStateChanged();
        // The screen reads the declaration row again, remarks included.
        emit storedRowChanged();
    }
    return true;
}

void SheetEncerrantes::cancel() {
    nozzles_->cancel();
    tanks_->cancel();
    showMeterFields(stored_);
}

bool SheetEncerrantes::deleteCurrentRow(QString* error) {
    if (!hasTable()) return true;
    return active_->deleteCurrent(error);
}

void SheetEncerrantes::sheetShown() {
    if (hasTable()) nozzles_->focusCell(0, EncerrantesModel::NSerieBomba);
}

} // namespace vexa::decl::ui
