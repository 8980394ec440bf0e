#include "declaration/ui/SaidasMunModel.h"

#include "common/Money.h"

namespace vexa::decl::ui {

namespace {
QVariant right() { return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter)); }
QVariant left() { return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter)); }
} // namespace

SaidasMunModel::SaidasMunModel(QObject* parent) : SheetModel<SaidaMunRow>(parent) {}

void SaidasMunModel::setContext(const MunicipalityContext& context) {
    context_ = context;
    setBulkUpdate(context.bulkUpdate);
    reload();
}

QList<SaidaMunRow> SaidasMunModel::loadLines() const {
    return hasTable() ? loadSaidasMun(context_.key) : QList<SaidaMunRow>{};
}

int SaidasMunModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant SaidasMunModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= lines()) return {};
    const SaidaMunRow& r = line(index.row());
    const int c = index.column();
    switch (role) {
    case Qt::DisplayRole:
        switch (c) {
        case Municipio: return r.municipioNom;
        case Domicilio: return r.domicilioFiscal;
        case CidadeDomicilio: return r.cidadeNom;
        case VlrContabil: return money::format(r.vlrContabil);
        case Devolucoes: return money::format(r.devolucoes);
        case Total: return money::format(r.totalVlrDiferenca());
        }
        return {};
    case Qt::EditRole:
        switch (c) {
        case Municipio: return r.municipioID ? QVariant(*r.municipioID) : QVariant();
        case Domicilio: return r.domicilioFiscal;
        case CidadeDomicilio: return r.cidadeNom;
        case VlrContabil: return r.vlrContabil;
        case Devolucoes: return r.devolucoes;
        case Total: return r.totalVlrDiferenca();
        }
        return {};
    case Qt::TextAlignmentRole:
        return c >= VlrContabil ? right() : left();
    default:
        return {};
    }
}

QVariant SaidasMunModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    switch (section) {
    case Municipio: return QStringLiteral("15.1 - Município de Origem");
    case Domicilio: return QStringLiteral("Domicílio");
    case CidadeDomicilio: return QStringLiteral("Município do Domicílio");
    case VlrContabil: return QStringLiteral("15.3 - Saídas");
    case Devolucoes: return QStringLiteral("15.4 - Entradas");
    case Total: return QStringLiteral("15.5 - Total (15.3 - 15.4)");
    }
    return {};
}

Qt::ItemFlags SaidasMunModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || index.row() >= lines()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    const int c = index.column();
    if (rowOpen(index.row()) && (c == Municipio || c == VlrContabil || c == Devolucoes)) f |= Qt::ItemIsEditable;
    return f;
}

bool SaidasMunModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.row() >= lines()) return false;
    if (!(flags(index) & Qt::ItemIsEditable)) return false;
    const int r = index.row();
    SaidaMunRow next = line(r);
    if (index.column() == Municipio) {
        std::optional<qint64> code;
        if (!value.isNull() && !value.toString().trimmed().isEmpty()) {
            bool ok = false;
            code = value.toLongLong(&ok);
            if (!ok) return false;
        }
        if (code == next.municipioID) return true;
        applySaidaMunMunicipio(context_, next, code);
    } else {
        const std::optional<double> amount = gridAmount(value);
        if (!amount) return false;
        double& target = index.column() == VlrContabil ? next.vlrContabil : next.devolucoes;
        if (money::same(*amount, target)) return true;
        target = *amount;
    }
    changeLine(r, next);
    return true;
}

QString SaidasMunModel::leavingColumnWarning(int column) const {
    if (column != Municipio || pendingRow() < 0) return {};
    return checkSaidaMunMunicipio(line(pendingRow())).message;
}

LineOutcome SaidasMunModel::postLine(const SaidaMunRow& l, const std::optional<SaidaMunRow>& original,
                                     Prompter& prompter, QString* field) {
    MunicipalityContext ctx = context_;
    ctx.bulkUpdate = bulkUpdate();
    return lineOutcome(postSaidaMunRow(ctx, l, original, prompter), field);
}

int SaidasMunModel::columnOfField(const QString& field) const {
    return field == municipality_field::MunicipioID ? Municipio : -1;
}

bool SaidasMunModel::deleteStored(const SaidaMunRow& l, QString* error) {
    return deleteSaidaMunRowWithTwin(context_, l, error);
}

} // namespace vexa::decl::ui
