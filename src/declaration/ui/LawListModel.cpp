#include "declaration/ui/LawListModel.h"

#include "common/ErrorLog.h"
#include "common/Money.h"
#include "declaration/ui/GridValues.h"

#include <QBrush>
#include <QColor>

namespace vexa::decl::ui {

QString lawCodeText(int codLei, const QString& descLei) {
    if (codLei == 0) return {};
    return descLei.isEmpty() ? QString::number(codLei) : QStringLiteral("%1 - %2").arg(codLei).arg(descLei);
}

LawListModel::LawListModel(LawList list, const DeclarationKey& key, QObject* parent)
    : CodedListModel<LawLine>(list, key, parent) {
    reload();
}

int LawListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant LawListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= lines()) return {};
    const LawLine& l = line(index.row());
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case Origem: return l.tipo;
        case BaseLegal: return lawCodeText(l.codLei, l.descLei);
        case Valor: return money::format(l.Valor);
        }
        return {};
    case Qt::EditRole:
        switch (index.column()) {
        case Origem: return l.tipo;
        case BaseLegal: return l.codLei;
        case Valor: return l.Valor;
        }
        return {};
    case Qt::ToolTipRole:
        if (index.column() == BaseLegal && !l.descLei.isEmpty()) return l.descLei;
        return {};
    case Qt::TextAlignmentRole:
        if (index.column() == Valor) return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    case Qt::BackgroundRole:
        if (isCarriedSmallBalance(list(), l)) return QBrush(QColor(Qt::lightGray));
        return {};
    default:
        return {};
    }
}

QVariant LawListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    switch (section) {
    case Origem: return QStringLiteral("Origem");
    case BaseLegal: return QStringLiteral("Base Legal");
    case Valor: return QStringLiteral("Valor");
    }
    return {};
}

Qt::ItemFlags LawListModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || index.row() >= lines()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (index.column() != Origem && rowOpen(index.row())) f |= Qt::ItemIsEditable;
    return f;
}

bool LawListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.row() >= lines()) return false;
    if (!(flags(index) & Qt::ItemIsEditable)) return false;
    const int r = index.row();
    LawLine next = line(r);
    if (index.column() == BaseLegal) {
        bool ok = false;
        const int code = value.isNull() || value.toString().isEmpty() ? 0 : value.toInt(&ok);
        if (value.isValid() && !value.toString().isEmpty() && !ok) return false;
        if (code == next.codLei) return true;
        next = lawLine(list(), code, next.Valor);
        changeLine(r, next);
        codeChosen(code);
        return true;
    } else {
        const std::optional<double> entered = listAmount(value);
        if (!entered) return false;
        const double amount = *entered;
        if (!money::different(amount, next.Valor)) return true;
        next.Valor = amount;
    }
    changeLine(r, next);
    return true;
}

LineOutcome LawListModel::postLine(const LawLine& l, const std::optional<LawLine>& original, Prompter& prompter,
                                   QString* field) {
    return outcomeOf(postLawLine(list(), key(), l, original), prompter, field);
}

int LawListModel::columnOfField(const QString& field) const {
    if (field == law_field::CodLei) return BaseLegal;
    if (field == law_field::Valor) return Valor;
    return -1;
}

} // namespace vexa::decl::ui
