#include "declaration/ui/ToPayModel.h"

#include "common/Conversions.h"
#include "common/Money.h"

#include <QBrush>
#include <QColor>

namespace vexa::decl::ui {

ToPayModel::ToPayModel(ToPayKind kind, QObject* parent) : PendingRowModel(parent), kind_(kind) {}

void ToPayModel::setDeclaration(const DeclarationKey& key, const QString& tipoRegime) {
    key_ = key;
    enabled_ = key.isComplete() && isToPayKindEnabled(kind_, tipoRegime, key);
    reload();
}

void ToPayModel::reload() {
    beginResetModel();
    rows_ = key_.isComplete() ? loadToPayRows(key_, kind_) : QList<ToPayRow>{};
    original_.reset();
    endResetModel();
    setState(EditState::Browse, -1);
}

int ToPayModel::appendRow(bool newRowFlag, bool beforeFirstRow) {
    if (isEditing() || !isOpen()) return -1;
    if (!toPayAcceptsNewRow(rows(), newRowFlag, bulkUpdate_, beforeFirstRow)) return -1;
    const int r = rows();
    beginInsertRows({}, r, r);
    rows_.append(ToPayRow{});
    endInsertRows();
    original_.reset();
    setState(EditState::Insert, r);
    return r;
}

PendingRowModel::Submitted ToPayModel::submitPending(Prompter& prompter) {
    if (!isEditing()) return {};
    const ToPayRow typed = rows_.at(pendingRow());
    if (editState() == EditState::Edit && original_ && typed == *original_) {
        // Nothing was changed: the row simply leaves edit.
        original_.reset();
        setState(EditState::Browse, -1);
        return {};
    }
    const ToPayPostOutcome out = postToPayRow(key_, kind_, typed, original_, prompter);
    Submitted result{out.status, out.message, -1};
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
        if (out.field == topay_field::DtVencimento) result.column = Vencimento;
        break;
    case PostStatus::Failed:
        break;
    }
    return result;
}

void ToPayModel::revertPending() {
    if (!isEditing()) return;
    const int r = pendingRow();
    const bool inserted = editState() == EditState::Insert;
    const auto original = original_;
    original_.reset();
    // Out of edit first: the views see a browsing model while the row goes.
    setState(EditState::Browse, -1);
    if (inserted) {
        beginRemoveRows({}, r, r);
        rows_.removeAt(r);
        endRemoveRows();
    } else if (original) {
        rows_[r] = *original;
        emit dataChanged(index(r, 0), index(r, ColumnCount - 1));
    }
}

bool ToPayModel::removeStoredRow(int r, QString* error) {
    if (r < 0 || r >= rows()) return true;
    if (r == pendingRow() && editState() == EditState::Insert) {
        revertPending();
        return true;
    }
    if (isEditing()) revertPending();
    if (!deleteToPayRow(key_, kind_, rows_.at(r).dtVencimento, error)) return false;
    reload();
    emit rowsStored();
    return true;
}

int ToPayModel::jumpToExisting() {
    if (!isEditing()) return -1;
    const auto existing = existingToPayRow(key_, kind_, rows_.at(pendingRow()), original_);
    if (!existing) return -1;
    revertPending();
    return rowOfIdentity(existing->dtVencimento);
}

QVariant ToPayModel::rowIdentity(int r) const {
    if (r < 0 || r >= rows() || (r == pendingRow() && editState() == EditState::Insert)) return {};
    return r == pendingRow() && original_ ? original_->dtVencimento : rows_.at(r).dtVencimento;
}

int ToPayModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows(); }

int ToPayModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant ToPayModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows() || index.column() >= ColumnCount) return {};
    const ToPayRow& r = rows_.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return index.column() == Vencimento ? dateText(r.dtVencimento) : money::format(r.valor);
    case Qt::EditRole:
        return index.column() == Vencimento ? QVariant(r.dtVencimento) : QVariant(r.valor);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment((index.column() == Valor ? Qt::AlignRight : Qt::AlignLeft) |
                                                 Qt::AlignVCenter));
    case Qt::ForegroundRole:
        if (!enabled_) return QBrush(QColor(Qt::gray));
        return {};
    default:
        return {};
    }
}

QVariant ToPayModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    if (section == Vencimento) return QStringLiteral(" Vencimento");
    if (section == Valor) return QStringLiteral("Valor");
    return {};
}

Qt::ItemFlags ToPayModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    // While one row is pending, the others wait for it to be posted.
    const bool rowOpen = !isEditing() || index.row() == pendingRow();
    if (rowOpen && isOpen()) f |= Qt::ItemIsEditable;
    return f;
}

bool ToPayModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.row() >= rows()) return false;
    if (!(flags(index) & Qt::ItemIsEditable)) return false;
    const int r = index.row();
    ToPayRow next = rows_.at(r);
    if (index.column() == Vencimento) {
        QDate due;
        if (value.typeId() == QMetaType::QDate) {
            due = value.toDate();
        } else if (const QString text = value.toString().trimmed(); !text.isEmpty()) {
            const auto parsed = toDate(text);
            if (!parsed) return false;
            due = *parsed;
        }
        if (due == next.dtVencimento) return true;
        next.dtVencimento = due;
    } else {
        double amount = 0.0;
        if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Int ||
            value.typeId() == QMetaType::LongLong) {
            amount = value.toDouble();
        } else if (const QString text = value.toString().trimmed(); !text.isEmpty()) {
            const auto parsed = money::parse(text);
            if (!parsed) return false;
            amount = *parsed;
        }
        amount = money::round2(amount);
        if (!money::different(amount, next.valor)) return true;
        next.valor = amount;
    }
    if (editState() == EditState::Browse) {
        original_ = rows_.at(r);
        setState(EditState::Edit, r);
    }
    rows_[r] = next;
    emit dataChanged(this->index(r, 0), this->index(r, ColumnCount - 1));
    return true;
}

} // namespace vexa::decl::ui
