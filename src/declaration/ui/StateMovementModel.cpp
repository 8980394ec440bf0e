#include "declaration/ui/StateMovementModel.h"

#include "common/Money.h"
#include "declaration/ui/GridValues.h"
#include "declaration/StateMovementStore.h"
#include "storage/ReferenceLookups.h"

#include <QBrush>
#include <QColor>

namespace vexa::decl::ui {

StateMovementModel::StateMovementModel(Direction direction, QObject* parent)
    : PendingRowList(parent), direction_(direction), amounts_(stateAmountsOf(direction)) {}

void StateMovementModel::setContext(const OperationContext& context) {
    context_ = context;
    reload();
}

QList<StateRow> StateMovementModel::loadRows() const {
    return isOpen() ? loadStateRows(context_.key, direction_) : QList<StateRow>{};
}

bool StateMovementModel::isAmountColumn(int column) const {
    return column >= FirstAmount && column < FirstAmount + amountColumnCount();
}

StateAmount StateMovementModel::amountOf(int column) const {
    return isAmountColumn(column) ? amounts_.at(column - FirstAmount) : StateAmount::ValorContabilA;
}

int StateMovementModel::columnOf(StateAmount amount) const {
    const int i = int(amounts_.indexOf(amount));
    return i < 0 ? -1 : FirstAmount + i;
}

bool StateMovementModel::acceptsNewRow(bool newRowFlag, bool beforeFirstRow) const {
    return childTableAcceptsNewRow(newRowFlag, context_.bulkUpdate, rows(), beforeFirstRow);
}

PendingRowModel::Submitted StateMovementModel::postRow(const StateRow& typed, Prompter& prompter) {
    const StatePostOutcome out = postStateRow(context_, direction_, typed, original_, prompter);
    Submitted result{out.status, out.message, -1};
    if (out.status == PostStatus::Refused) {
        if (out.field == state_field::Uf) result.column = Uf;
        else if (out.field == state_field::ValorContabil) result.column = columnOf(StateAmount::ValorContabilA);
    }
    return result;
}

bool StateMovementModel::deleteRow(const StateRow& row, QString* error) {
    return deleteStateRowWithTwin(context_, direction_, row, error);
}

std::optional<StateRow> StateMovementModel::existingRow(const StateRow& typed) const {
    return existingStateRow(context_, direction_, typed, original_);
}

int StateMovementModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : FirstAmount + amountColumnCount();
}

QVariant StateMovementModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows() || index.column() >= columnCount()) return {};
    const StateRow& r = rows_.at(index.row());
    const int c = index.column();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        if (c == Uf) {
            // Shown as every sheet shows a state: its letters beside its code ("AL 14").
            if (role == Qt::EditRole || r.uf.isEmpty()) return r.uf;
            const QString letters = storage::LetterStateCode(r.uf);
            return letters.isEmpty() ? r.uf : letters + QLatin1Char(' ') + r.uf;
        }
        if (c == Domicilio) return r.domicilioFiscal;
        if (role == Qt::EditRole) return r.amount(amountOf(c));
        return money::format(r.amount(amountOf(c)));
    case Qt::ToolTipRole:
        if (c == Uf && !r.uf.isEmpty()) return storage::LetterStateCode(r.uf);
        return {};
    case Qt::TextAlignmentRole:
        if (isAmountColumn(c)) return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    case Qt::BackgroundRole:
        // Columns the regime does not let the user type are greyed.
        if (isAmountColumn(c) && !isStateAmountEditable(amountOf(c), context_.tipoRegime))
            return QBrush(QColor(Qt::lightGray));
        return {};
    default:
        return {};
    }
}

QString StateMovementModel::amountCaption(Direction direction, StateAmount amount) {
    const bool entry = direction == Direction::Entry;
    switch (amount) {
    case StateAmount::ValorContabilA:
        return entry ? QStringLiteral("Valor\nContábil") : QStringLiteral("V. Contábil\nContrib.");
    case StateAmount::ValorContabilB: return QStringLiteral("V. Contábil\nNão Contrib.");
    case StateAmount::BaseCalculoA:
        return entry ? QStringLiteral("Base de\nCálculo") : QStringLiteral("B. Cálculo\nContrib.");
    case StateAmount::BaseCalculoB: return QStringLiteral("B. Cálculo\nNão Contrib.");
    case StateAmount::CredDebImpostoA:
        return entry ? QStringLiteral("Imposto\nCreditado") : QStringLiteral("Imposto Deb.\nContrib.");
    case StateAmount::CredDebImpostoB: return QStringLiteral("Imposto Deb.\nNão Contrib.");
    case StateAmount::IsentasNaoTributadas: return QStringLiteral("Isentas/Não\nTributadas");
    case StateAmount::Outras: return QStringLiteral("Outras");
    case StateAmount::SubsTributaria: return QStringLiteral("Substituição\nTributária");
    }
    return {};
}

QVariant StateMovementModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    if (section == Uf) return QStringLiteral("UF");
    if (section == Domicilio) return QStringLiteral("Domicílio");
    if (isAmountColumn(section)) return amountCaption(direction_, amountOf(section));
    return {};
}

Qt::ItemFlags StateMovementModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    const bool rowOpen = !isEditing() || index.row() == pendingRow();
    if (!rowOpen || !isOpen()) return f;
    const int c = index.column();
    if (c == Uf) f |= Qt::ItemIsEditable;
    if (isAmountColumn(c) && isStateAmountEditable(amountOf(c), context_.tipoRegime)) f |= Qt::ItemIsEditable;
    return f;
}

bool StateMovementModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.row() >= rows()) return false;
    if (!(flags(index) & Qt::ItemIsEditable)) return false;
    const int r = index.row();
    const int c = index.column();
    StateRow next = rows_.at(r);
    if (c == Uf) {
        const QString code = stateCodeFromTyped(value.toString());
        if (code == next.uf) return true;
        next.uf = code;
    } else {
        const std::optional<double> typed = gridAmount(value);
        if (!typed) return false;
        const double amount = *typed;
        if (!money::different(amount, next.amount(amountOf(c)))) return true;
        next.setAmount(amountOf(c), amount);
    }
    storeTyped(r, next);
    return true;
}

} // namespace vexa::decl::ui
