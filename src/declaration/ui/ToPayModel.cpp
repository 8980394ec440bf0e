#include "declaration/ui/ToPayModel.h"

#include "common/Conversions.h"
#include "common/Money.h"
#include "declaration/ui/GridValues.h"

#include <QBrush>
#include <QColor>

namespace vexa::decl::ui {

ToPayModel::ToPayModel(ToPayKind kind, QObject* parent) : PendingRowList(parent), kind_(kind) {}

void ToPayModel::setDeclaration(const DeclarationKey& key, const QString& tipoRegime) {
    key_ = key;
    enabled_ = key.isComplete() && isToPayKindEnabled(kind_, tipoRegime, key);
    reload();
}

QList<ToPayRow> ToPayModel::loadRows() const {
    return key_.isComplete() ? loadToPayRows(key_, kind_) : QList<ToPayRow>{};
}

bool ToPayModel::acceptsNewRow(bool newRowFlag, bool beforeFirstRow) const {
    return toPayAcceptsNewRow(rows(), newRowFlag, bulkUpdate_, beforeFirstRow);
}

PendingRowModel::Submitted ToPayModel::postRow(const ToPayRow& typed, Prompter& prompter) {
    const ToPayPostOutcome out = postToPayRow(key_, kind_, typed, original_, prompter);
    Submitted result{out.status, out.message, -1};
    if (out.status == PostStatus::Refused && out.field == topay_field::DtVencimento) result.column = Vencimento;
    return result;
}

bool ToPayModel::deleteRow(const ToPayRow& row, QString* error) {
    return deleteToPayRow(key_, kind_, row.dtVencimento, error);
}

std::optional<ToPayRow> ToPayModel::existingRow(const ToPayRow& typed) const {
    return existingToPayRow(key_, kind_, typed, original_);
}

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
        const std::optional<double> typed = gridAmount(value);
        if (!typed) return false;
        const double amount = *typed;
        if (!money::different(amount, next.valor)) return true;
        next.valor = amount;
    }
    storeTyped(r, next);
    return true;
}

} // namespace vexa::decl::ui
