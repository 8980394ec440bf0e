#include "declaration/ui/EcfTareModels.h"

#include "common/DocumentChecks.h"

namespace vexa::decl::ui {

// ---- ECF -------------------------------------------------------------------------

EcfModel::EcfModel(DeclarationKey key, QObject* parent) : SheetModel<EcfRow>(parent), key_(std::move(key)) { reload(); }

int EcfModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant EcfModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= lines() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    const EcfRow& r = line(index.row());
    switch (index.column()) {
    case NECF: return r.necf;
    case NFabricacao: return r.nfabricacao;
    case Marca: return r.marca;
    case Modelo: return r.modelo;
    }
    return {};
}

QVariant EcfModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    switch (section) {
    case NECF: return QStringLiteral("Número do\nECF");
    case NFabricacao: return QStringLiteral("Número de\nFabricação");
    case Marca: return QStringLiteral("Marca");
    case Modelo: return QStringLiteral("Modelo");
    }
    return {};
}

Qt::ItemFlags EcfModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || index.row() >= lines()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (rowOpen(index.row())) f |= Qt::ItemIsEditable;
    return f;
}

bool EcfModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.row() >= lines()) return false;
    if (!(flags(index) & Qt::ItemIsEditable)) return false;
    const int r = index.row();
    EcfRow next = line(r);
    const QString text = value.toString().left(20);
    switch (index.column()) {
    case NECF: next.necf = text; break;
    case NFabricacao: next.nfabricacao = text; break;
    case Marca: next.marca = text; break;
    case Modelo: next.modelo = text; break;
    default: return false;
    }
    if (next.sameStored(line(r))) return true;
    changeLine(r, next);
    return true;
}

bool EcfModel::removeLine(int row, Prompter& prompter) {
    if (row < 0 || row >= lines()) return false;
    if (!prompter.ask(ecftare_msg::ConfirmaExclusaoEcf)) return false;
    return SheetModel<EcfRow>::removeLine(row, prompter);
}

LineOutcome EcfModel::postLine(const EcfRow& l, const std::optional<EcfRow>& original, Prompter&, QString* field) {
    return lineOutcome(postEcfRow(key_, l, original), field);
}

// ---- TARE ------------------------------------------------------------------------

TareModel::TareModel(DeclarationKey key, QObject* parent) : SheetModel<TareRow>(parent), key_(std::move(key)) {
    reload();
}

int TareModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant TareModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= lines() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    const TareRow& r = line(index.row());
    if (index.column() == NumeroTare) return r.numeroTare;
    return r.dataVencto.isValid() ? r.dataVencto.toString(QStringLiteral("dd/MM/yyyy")) : QString();
}

QVariant TareModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    return section == NumeroTare ? QStringLiteral("Número do Tare") : QStringLiteral("Data de Vencimento");
}

Qt::ItemFlags TareModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || index.row() >= lines()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (rowOpen(index.row())) f |= Qt::ItemIsEditable;
    return f;
}

bool TareModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.row() >= lines()) return false;
    if (!(flags(index) & Qt::ItemIsEditable)) return false;
    const int r = index.row();
    TareRow next = line(r);
    if (index.column() == NumeroTare) {
        next.numeroTare = value.toString().left(20);
    } else {
        const QString text = value.toString();
        if (SoNumeros(text).isEmpty()) {
            next.dataVencto = QDate();
        } else {
            const QDate date = QDate::fromString(text.trimmed(), QStringLiteral("dd/MM/yyyy"));
            if (!date.isValid()) return false;
            next.dataVencto = date;
        }
    }
    if (next.sameStored(line(r))) return true;
    changeLine(r, next);
    return true;
}

bool TareModel::removeLine(int row, Prompter& prompter) {
    if (row < 0 || row >= lines()) return false;
    if (!prompter.ask(ecftare_msg::confirmaExclusaoTare(line(row).numeroTare))) return false;
    return SheetModel<TareRow>::removeLine(row, prompter);
}

LineOutcome TareModel::postLine(const TareRow& l, const std::optional<TareRow>& original, Prompter& prompter,
                                QString* field) {
    return lineOutcome(postTareRow(key_, l, original, prompter), field);
}

int TareModel::columnOfField(const QString& field) const {
    return field == ecftare_field::NumeroTare ? NumeroTare : -1;
}

int TareModel::rowOfPosted(const TareRow& posted) const {
    const QString number = posted.numeroTare.trimmed();
    for (int r = 0; r < lines(); ++r)
        if (line(r).numeroTare == number) return r;
    return lines() - 1;
}

} // namespace vexa::decl::ui
