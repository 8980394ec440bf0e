#include "declaration/ui/DeductionsModel.h"

#include "common/Money.h"
#include "declaration/ui/GridValues.h"

#include <QBrush>
#include <QColor>

namespace vexa::decl::ui {

namespace {
const QColor kPaleYellow(255, 255, 204);
const QColor kWhite(Qt::white);
const QColor kComputed(235, 235, 235);
} // namespace

DeductionsModel::DeductionsModel(const DeclarationKey& key, QObject* parent)
    : CodedListModel<DeductionLine>(LawList::Deducoes, key, parent) {
    reload();
}

int DeductionsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

double DeductionsModel::amount(const DeductionLine& l, int column) const {
    switch (column) {
    case ICMSDevido: return l.ICMSDevido;
    case MediaICMS: return l.MediaICMS;
    case ParSujIncentivo: return l.ParSujIncentivo();
    case ParIncentivada: return l.ParIncentivada();
    case SubParIncentivada: return l.SubParIncentivada();
    case VlrDeducao: return l.VlrDeducao;
    }
    return 0;
}

QVariant DeductionsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= lines()) return {};
    const DeductionLine& l = line(index.row());
    const int c = index.column();
    const bool typed = isTypedDeduction(l.codLei);
    switch (role) {
    case Qt::DisplayRole:
        if (c == Origem) return l.tipo;
        if (c == BaseLegal) return lawCodeText(l.codLei, l.descLei);
        // The computed columns stay empty while they are zero.
        if (c >= ParSujIncentivo && c <= SubParIncentivada && money::isZero(amount(l, c))) return QString();
        return money::format(amount(l, c));
    case Qt::EditRole:
        if (c == Origem) return l.tipo;
        if (c == BaseLegal) return l.codLei;
        return amount(l, c);
    case Qt::ToolTipRole:
        if (c == BaseLegal && !l.descLei.isEmpty()) return l.descLei;
        return {};
    case Qt::TextAlignmentRole:
        if (c >= ICMSDevido) return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    case Qt::BackgroundRole:
        if (c == VlrDeducao) return QBrush(typed ? kWhite : kComputed);
        if (typed && c >= ICMSDevido && c <= SubParIncentivada) return QBrush(kPaleYellow);
        if (!typed && c >= ParSujIncentivo && c <= SubParIncentivada) return QBrush(kComputed);
        return {};
    default:
        return {};
    }
}

QVariant DeductionsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    switch (section) {
    case Origem: return QStringLiteral("Origem");
    case BaseLegal: return QStringLiteral("Base Legal");
    case ICMSDevido: return QStringLiteral("ICMS Devido\n(1)");
    case MediaICMS: return QStringLiteral("Média ICMS\n(2)");
    case ParSujIncentivo: return QStringLiteral("(3)=(1-2)");
    case ParIncentivada: return QStringLiteral("(4)=((3)*75%)");
    case SubParIncentivada: return QStringLiteral("(5)=((4)*5%)");
    case VlrDeducao: return QStringLiteral("Valor da Dedução\n(6)=(4-5)");
    }
    return {};
}

Qt::ItemFlags DeductionsModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || index.row() >= lines()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (!rowOpen(index.row())) return f;
    const int c = index.column();
    const bool typed = isTypedDeduction(line(index.row()).codLei);
    if (c == BaseLegal || c == ICMSDevido || c == MediaICMS || (c == VlrDeducao && typed)) f |= Qt::ItemIsEditable;
    return f;
}

bool DeductionsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.row() >= lines()) return false;
    if (!(flags(index) & Qt::ItemIsEditable)) return false;
    const int r = index.row();
    const int c = index.column();
    DeductionLine next = line(r);
    if (c == BaseLegal) {
        bool ok = true;
        const int code = value.toString().isEmpty() ? 0 : value.toInt(&ok);
        if (!ok) return false;
        if (code == next.codLei) return true;
        const DeductionLine chosen = deductionLine(code);
        next.codLei = chosen.codLei;
        next.tipo = chosen.tipo;
        next.descLei = chosen.descLei;
        applyDeductionValue(next);
        changeLine(r, next);
        codeChosen(code);
        return true;
    } else {
        const std::optional<double> entered = listAmount(value);
        if (!entered) return false;
        const double typed = *entered;
        double& target = c == ICMSDevido ? next.ICMSDevido : c == MediaICMS ? next.MediaICMS : next.VlrDeducao;
        target = typed;
    }
    // Leaving any column of the line recomputes its value.
    applyDeductionValue(next);
    if (next.sameStored(line(r)) && next.tipo == line(r).tipo) return true;
    changeLine(r, next);
    return true;
}

LineOutcome DeductionsModel::postLine(const DeductionLine& l, const std::optional<DeductionLine>& original,
                                      Prompter& prompter, QString* field) {
    return outcomeOf(postDeductionLine(key(), l, original), prompter, field);
}

int DeductionsModel::columnOfField(const QString& field) const {
    return field == law_field::CodLei ? BaseLegal : -1;
}

} // namespace vexa::decl::ui
