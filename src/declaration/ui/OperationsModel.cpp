#include "declaration/ui/OperationsModel.h"

#include "common/Money.h"
#include "declaration/ui/GridValues.h"
#include "declaration/OperationStore.h"

#include <QBrush>
#include <QColor>
#include <QRegularExpression>

namespace vexa::decl::ui {

OperationsModel::OperationsModel(OperationView view, QObject* parent)
    : QAbstractTableModel(parent), view_(view) {}

void OperationsModel::setContext(const OperationContext& context) {
    context_ = context;
    reload();
}

void OperationsModel::reload() {
    beginResetModel();
    rows_ = context_.key.isComplete() ? loadOperationRows(context_.key, view_) : QList<OperationRow>{};
    pending_ = -1;
    original_.reset();
    endResetModel();
    setState(EditState::Browse);
}

bool OperationsModel::isAmountColumn(int column) { return column >= ValorContabil && column <= SubstituicaoTributaria; }

Amount OperationsModel::amountOf(int column) {
    switch (column) {
    case BaseCalculo: return Amount::BaseCalculo;
    case Imposto: return Amount::ImpostoCreditado;
    case IsentasNaoTributadas: return Amount::IsentasNaoTributadas;
    case Outras: return Amount::Outras;
    case SubstituicaoTributaria: return Amount::SubstituicaoTributaria;
    default: return Amount::ValorContabil;
    }
}

int OperationsModel::columnOf(Amount amount) {
    switch (amount) {
    case Amount::ValorContabil: return ValorContabil;
    case Amount::BaseCalculo: return BaseCalculo;
    case Amount::ImpostoCreditado: return Imposto;
    case Amount::IsentasNaoTributadas: return IsentasNaoTributadas;
    case Amount::Outras: return Outras;
    case Amount::SubstituicaoTributaria: return SubstituicaoTributaria;
    }
    return ValorContabil;
}

int OperationsModel::columnOfField(const QString& field) {
    if (field == operation_field::Cfop) return Cfop;
    if (field == operation_field::ValorContabil) return ValorContabil;
    return -1;
}

void OperationsModel::setState(EditState state) {
    if (state == state_) return;
    state_ = state;
    emit editStateChanged(state_);
}

void OperationsModel::beginEdit(int r) {
    if (state_ != EditState::Browse) return;
    original_ = rows_.at(r);
    pending_ = r;
    setState(EditState::Edit);
}

int OperationsModel::appendRow(bool newRowFlag) {
    if (isEditing() || !context_.key.isComplete()) return -1;
    if (!childTableAcceptsNewRow(newRowFlag, context_.bulkUpdate, rows())) return -1;
    const int r = rows();
    beginInsertRows({}, r, r);
    rows_.append(newOperationRow(view_));
    endInsertRows();
    pending_ = r;
    original_.reset();
    setState(EditState::Insert);
    return r;
}

PostOutcome OperationsModel::submitPending(Prompter& prompter) {
    if (!isEditing()) return {};
    const OperationRow typed = rows_.at(pending_);
    if (state_ == EditState::Edit && original_ && typed.sameStoredValues(*original_)) {
        // Nothing was changed: the row simply leaves edit.
        pending_ = -1;
        original_.reset();
        setState(EditState::Browse);
        return {};
    }
    PostOutcome out = postOperationRow(context_, view_, typed, original_, prompter);
    switch (out.status) {
    case PostStatus::Posted:
        reload();
        emit rowsStored();
        break;
    case PostStatus::Discarded:
        revertPending();
        reload();
        break;
    case PostStatus::Refused:
    case PostStatus::Failed:
        break;
    }
    return out;
}

void OperationsModel::revertPending() {
    if (!isEditing()) return;
    const int r = pending_;
    if (state_ == EditState::Insert) {
        beginRemoveRows({}, r, r);
        rows_.removeAt(r);
        endRemoveRows();
    } else if (original_) {
        rows_[r] = *original_;
        emit dataChanged(index(r, 0), index(r, ColumnCount - 1));
    }
    pending_ = -1;
    original_.reset();
    setState(EditState::Browse);
}

bool OperationsModel::removeStoredRow(int r, QString* error) {
    if (r < 0 || r >= rows()) return true;
    if (r == pending_ && state_ == EditState::Insert) {
        revertPending();
        return true;
    }
    if (isEditing()) revertPending();
    if (!deleteOperationRowWithTwin(context_, view_, rows_.at(r), error)) return false;
    reload();
    emit rowsStored();
    return true;
}

int OperationsModel::jumpToExistingCfop() {
    if (!isEditing()) return -1;
    const auto existing = existingRowForTypedCfop(context_, view_, rows_.at(pending_), original_);
    if (!existing) return -1;
    revertPending();
    for (int r = 0; r < rows(); ++r) {
        if (rows_.at(r).codigoOperacao == existing->codigoOperacao &&
            rows_.at(r).domicilioFiscal == existing->domicilioFiscal)
            return r;
    }
    return -1;
}

int OperationsModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows(); }

int OperationsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant OperationsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows() || index.column() >= ColumnCount) return {};
    const OperationRow& r = rows_.at(index.row());
    const int c = index.column();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        switch (c) {
        case Cfop: return r.cfopText();
        case Descricao: return r.cfopDescricao;
        case Domicilio: return r.domicilioFiscal;
        case Municipio: return r.municipioNom;
        default:
            if (role == Qt::EditRole) return r.amount(amountOf(c));
            return money::format(r.amount(amountOf(c)));
        }
    case Qt::ToolTipRole:
        if (c == Descricao && !r.cfopDescricao.isEmpty()) return r.cfopDescricao;
        return {};
    case Qt::TextAlignmentRole:
        if (isAmountColumn(c)) return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    case Qt::BackgroundRole:
        // Columns the regime does not let the user type are greyed.
        if (isAmountColumn(c) && !isAmountEditable(amountOf(c), context_.tipoRegime))
            return QBrush(QColor(Qt::lightGray));
        return {};
    default:
        return {};
    }
}

QVariant OperationsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    switch (section) {
    case Cfop: return QStringLiteral("CFOP");
    case Descricao: return QStringLiteral("Descrição");
    case Domicilio: return QStringLiteral("Domicílio");
    case Municipio: return QStringLiteral("Município");
    // The amount captions take two lines so that the six amounts fit the 800-pixel screen.
    case ValorContabil: return QStringLiteral("Valor\nContábil");
    case BaseCalculo: return QStringLiteral("Base de\nCálculo");
    case Imposto:
        return view_.direction == Direction::Entry ? QStringLiteral("Crédito do\nImposto")
                                                   : QStringLiteral("Débito do\nImposto");
    case IsentasNaoTributadas: return QStringLiteral("Isentas ou\nNão Tributadas");
    case Outras: return QStringLiteral("Outras");
    case SubstituicaoTributaria: return QStringLiteral("Substituição\nTributária");
    default: return {};
    }
}

Qt::ItemFlags OperationsModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    const int c = index.column();
    // While one row is pending, the others wait for it to be posted.
    const bool rowOpen = !isEditing() || index.row() == pending_;
    if (rowOpen && context_.key.isComplete()) {
        if (c == Cfop) f |= Qt::ItemIsEditable;
        if (isAmountColumn(c) && isAmountEditable(amountOf(c), context_.tipoRegime)) f |= Qt::ItemIsEditable;
    }
    return f;
}

bool OperationsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.row() >= rows()) return false;
    if (!(flags(index) & Qt::ItemIsEditable)) return false;
    const int r = index.row();
    const int c = index.column();
    OperationRow next = rows_.at(r);
    if (c == Cfop) {
        const QString text = value.toString().trimmed();
        static const QRegularExpression digits(QStringLiteral("^\\d{1,4}$"));
        if (!text.isEmpty() && !digits.match(text).hasMatch()) return false;
        const std::optional<int> code = text.isEmpty() ? std::nullopt : std::optional<int>(text.toInt());
        if (code == next.codigoOperacao) return true;
        next.codigoOperacao = code;
        applyCfopChange(context_, next);
    } else {
        const std::optional<double> typed = gridAmount(value);
        if (!typed) return false;
        const double amount = *typed;
        if (!money::different(amount, next.amount(amountOf(c)))) return true;
        next.setAmount(amountOf(c), amount);
    }
    beginEdit(r);
    rows_[r] = next;
    emit dataChanged(this->index(r, 0), this->index(r, ColumnCount - 1));
    return true;
}

} // namespace vexa::decl::ui
