#include "declaration/ui/NotasFiscaisModel.h"

namespace vexa::decl::ui {

NotasFiscaisModel::NotasFiscaisModel(SupplierKey supplier, QObject* parent)
    : SheetModel<NotaFiscalRow>(parent), supplier_(std::move(supplier)) {
    reload();
}

QList<NotaFiscalRow> NotasFiscaisModel::loadLines() const {
    return hasTable() ? loadNotasFiscais(supplier_) : QList<NotaFiscalRow>{};
}

double NotasFiscaisModel::handedBackTotal() const {
    double sum = 0.0;
    for (int r = 0; r < lines(); ++r) {
        if (r == pendingRow()) continue;
        sum += line(r).valor.value_or(0.0);
    }
    return money::round2(sum);
}

int NotasFiscaisModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant NotasFiscaisModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= lines()) return {};
    const NotaFiscalRow& r = line(index.row());
    switch (role) {
    case Qt::DisplayRole:
        if (index.column() == NumNota) return r.numeroText();
        return r.valor ? money::format(*r.valor) : QString();
    case Qt::EditRole:
        if (index.column() == NumNota) return r.numNota ? QVariant(*r.numNota) : QVariant();
        return r.valor ? QVariant(*r.valor) : QVariant();
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    default:
        return {};
    }
}

QVariant NotasFiscaisModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    return section == NumNota ? QStringLiteral("Nº da Nota Fiscal") : QStringLiteral("Valor Deferido");
}

Qt::ItemFlags NotasFiscaisModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || index.row() >= lines()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (rowOpen(index.row())) f |= Qt::ItemIsEditable;
    return f;
}

bool NotasFiscaisModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.row() >= lines()) return false;
    if (!(flags(index) & Qt::ItemIsEditable)) return false;
    const int r = index.row();
    NotaFiscalRow next = line(r);
    if (index.column() == NumNota) {
        std::optional<qint64> number;
        if (!gridInteger(value, &number)) return false;
        if (number == next.numNota) return true;
        next.numNota = number;
    } else {
        // A cleared value is no value at all.
        std::optional<double> amount;
        if (!value.isNull() && !value.toString().trimmed().isEmpty()) {
            amount = gridAmount(value);
            if (!amount) return false;
        }
        if (amount.has_value() == next.valor.has_value() && (!amount || money::same(*amount, *next.valor)))
            return true;
        next.valor = amount;
    }
    changeLine(r, next);
    return true;
}

bool NotasFiscaisModel::removeLine(int row, Prompter& prompter) {
    if (row < 0 || row >= lines()) return false;
    if (!prompter.ask(municipality_msg::ConfirmaExclusaoNota)) return false;
    return SheetModel<NotaFiscalRow>::removeLine(row, prompter);
}

LineOutcome NotasFiscaisModel::postLine(const NotaFiscalRow& l, const std::optional<NotaFiscalRow>& original,
                                        Prompter& prompter, QString* field) {
    return lineOutcome(postNotaFiscal(supplier_, l, original, bulkUpdate(), prompter), field);
}

int NotasFiscaisModel::columnOfField(const QString& field) const {
    if (field == municipality_field::NumNota) return NumNota;
    if (field == municipality_field::Valor) return Valor;
    return -1;
}

bool NotasFiscaisModel::deleteStored(const NotaFiscalRow& l, QString* error) {
    if (!l.numNota) return true;
    return deleteNotaFiscal(supplier_, *l.numNota, error);
}

} // namespace vexa::decl::ui
