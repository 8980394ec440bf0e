#include "declaration/ui/RateLineModel.h"

#include "common/ErrorLog.h"
#include "common/Money.h"
#include "declaration/ui/GridValues.h"
#include "storage/ReferenceLookups.h"

#include <QLocale>

namespace vexa::decl::ui {

RateLineModel::RateLineModel(RateTable table, const RateContext& context, Prompter& prompter, QObject* parent)
    : ListModelBase<RateLine>(parent), table_(table), context_(context), prompter_(prompter) {
    // The grid shows every stored code with its letters; the picker offers the table's states.
    for (const storage::StateRow& s : storage::StateList()) letters_.insert(s.codigo, s.uf);
    states_ = offeredStates(table_);
    connect(this, &ListEditorModel::totalsChanged, this, [this] { totals_ = rateTotals(table_, context_.key); });
    reload();
}

QString RateLineModel::rateText(double rate) {
    // Rates are whole percentages but for a few states ("17,5%").
    return QLocale(QLocale::Portuguese, QLocale::Brazil).toString(money::round2(rate), 'g', 6) + QLatin1Char('%');
}

QList<double> RateLineModel::ratesFor(int row) const {
    if (row < 0 || row >= lines()) return {};
    return offeredRates(table_, line(row).UF, context_.key);
}

QString RateLineModel::stateText(const QString& code) const {
    if (code.isEmpty()) return {};
    const QString letters = letters_.value(code);
    return letters.isEmpty() ? code : letters + QLatin1Char(' ') + code;
}

QString RateLineModel::municipality(qint64 ibge) const {
    if (ibge == 0) return {};
    auto it = municipalities_.find(ibge);
    if (it == municipalities_.end()) it = municipalities_.insert(ibge, storage::MunicipalityNameByIBGE(ibge));
    return it.value();
}

double RateLineModel::amount(const RateLine& l, int column) const {
    switch (column) {
    case VlrContabil: return l.VlrContabil;
    case VlrBaseCalculo: return l.VlrBaseCalculo;
    case Valor: return l.valor;
    case Origem: return l.Origem;
    case Destino: return l.Destino;
    }
    return 0;
}

QList<int> RateLineModel::totalColumns() const {
    if (table_ == RateTable::AliquotaConsumidor) return {VlrContabil, VlrBaseCalculo, Valor, Origem, Destino};
    return {VlrContabil, VlrBaseCalculo, Valor};
}

double RateLineModel::total(int column) const {
    switch (column) {
    case VlrContabil: return totals_.VlrContabil;
    case VlrBaseCalculo: return totals_.VlrBaseCalculo;
    case Valor: return totals_.valor;
    case Origem: return totals_.Origem;
    case Destino: return totals_.Destino;
    }
    return 0;
}

QString RateLineModel::totalFieldName(int column) const {
    switch (column) {
    case VlrContabil: return QStringLiteral("edtTotalContabil");
    case VlrBaseCalculo: return QStringLiteral("edtTotalBase");
    case Valor: return QStringLiteral("edtTotalValor");
    case Origem: return QStringLiteral("edtTotalOrigem");
    case Destino: return QStringLiteral("edtTotalDestino");
    }
    return {};
}

int RateLineModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return table_ == RateTable::AliquotaConsumidor ? Destino + 1 : Valor + 1;
}

QVariant RateLineModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= lines() || index.column() >= columnCount()) return {};
    const RateLine& l = line(index.row());
    const int c = index.column();
    switch (role) {
    case Qt::DisplayRole:
        switch (c) {
        case UF: return stateText(l.UF);
        case Aliquota: return l.aliquota ? rateText(*l.aliquota) : QString();
        case Domicilio: return l.DomicilioFiscal;
        case Municipio: return municipality(l.CidadeID);
        default: return money::format(amount(l, c));
        }
    case Qt::EditRole:
        switch (c) {
        case UF: return stateText(l.UF);
        case Aliquota: return l.aliquota ? QVariant(*l.aliquota) : QVariant();
        case Domicilio: return l.DomicilioFiscal;
        case Municipio: return l.CidadeID;
        default: return amount(l, c);
        }
    case Qt::TextAlignmentRole:
        if (isAmountColumn(c) || c == Aliquota)
            return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
        if (c == Domicilio) return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    default:
        return {};
    }
}

QVariant RateLineModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    switch (section) {
    case UF: return QStringLiteral("UF");
    case Aliquota: return QStringLiteral("Alíquota");
    case Domicilio: return QStringLiteral("Domicílio");
    case Municipio: return QStringLiteral("Município");
    case VlrContabil: return QStringLiteral("Valor Contábil");
    case VlrBaseCalculo: return QStringLiteral("Base de Cálculo");
    case Valor:
        return table_ == RateTable::AliquotaComp ? QStringLiteral("Complementação\nde Alíquota")
                                                 : QStringLiteral("Diferencial\nde Alíquota");
    case Origem: return QStringLiteral("Origem");
    case Destino: return QStringLiteral("Destino");
    }
    return {};
}

Qt::ItemFlags RateLineModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || index.row() >= lines()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    const int c = index.column();
    if (rowOpen(index.row()) && c != Domicilio && c != Municipio) f |= Qt::ItemIsEditable;
    return f;
}

bool RateLineModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.row() >= lines()) return false;
    if (!(flags(index) & Qt::ItemIsEditable)) return false;
    const int r = index.row();
    const int c = index.column();
    RateLine next = line(r);
    if (c == UF) {
        const QString code = stateCodeFromTyped(value.toString());
        if (code == next.UF) return true;
        chooseState(table_, context_, next, code);
    } else if (c == Aliquota) {
        QString text = value.toString().trimmed();
        text.remove(QLatin1Char('%'));
        if (text.isEmpty()) {
            next.aliquota.reset();
        } else {
            const auto rate = value.typeId() == QMetaType::Double ? std::optional<double>(value.toDouble())
                                                                  : money::parse(text);
            if (!rate) return false;
            next.aliquota = money::round2(*rate);
        }
        if (next.sameKey(line(r))) return true;
    } else {
        const std::optional<double> entered = listAmount(value);
        if (!entered) return false;
        const double typed = *entered;
        if (!money::different(typed, amount(next, c))) return true;
        if (c == Origem && !context_.bulkUpdate) {
            // The share of the state of origin the year requires.
            if (const CheckResult check = checkOrigem(context_.key, next.valor, typed); !check) {
                prompter_.warn(check.message);
                return false;
            }
        }
        switch (c) {
        case VlrContabil: next.VlrContabil = typed; break;
        case VlrBaseCalculo: next.VlrBaseCalculo = typed; break;
        case Valor: next.valor = typed; break;
        case Origem: next.Origem = typed; break;
        case Destino: next.Destino = typed; break;
        }
    }
    changeLine(r, next);
    return true;
}

LineOutcome RateLineModel::postLine(const RateLine& l, const std::optional<RateLine>& original, Prompter& prompter,
                                    QString* field) {
    const RatePostResult r = postRateLine(table_, context_, l, original);
    switch (r.status) {
    case RatePost::Posted: return LineOutcome::Posted;
    case RatePost::Refused:
        prompter.warn(r.check.message);
        *field = r.check.field;
        return LineOutcome::Refused;
    case RatePost::Discarded:
        prompter.warn(r.check.message);
        return LineOutcome::Discarded;
    case RatePost::Failed:
        reportUnhandledError(r.error);
        return LineOutcome::Failed;
    }
    return LineOutcome::Failed;
}

int RateLineModel::columnOfField(const QString& field) const {
    if (field == rate_field::UF) return UF;
    if (field == rate_field::Aliquota) return Aliquota;
    if (field == rate_field::Valor) return Valor;
    if (field == rate_field::Origem) return Origem;
    return -1;
}

bool RateLineModel::removeLine(int row, Prompter& prompter) {
    if (row < 0 || row >= lines()) return false;
    if (editState() == EditState::Insert && row == pendingRow()) {
        if (!prompter.ask(rate_msg::ConfirmaExclusao)) return false;
        revertPending();
        return true;
    }
    revertPending();
    QString error;
    switch (deleteRateLine(table_, context_, line(row), prompter, &error)) {
    case RateDelete::Deleted:
        reload();
        return true;
    case RateDelete::Failed:
        reportUnhandledError(error);
        reload();
        return false;
    case RateDelete::NotConfirmed:
        return false;
    }
    return false;
}

} // namespace vexa::decl::ui
