#include "declaration/ui/MercadMuniModel.h"

#include "common/DocumentChecks.h"
#include "common/Masks.h"

namespace vexa::decl::ui {

namespace {
QVariant right() { return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter)); }
QVariant left() { return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter)); }
} // namespace

MercadMuniModel::MercadMuniModel(QObject* parent) : SheetModel<MercadoriaRow>(parent) {}

void MercadMuniModel::setContext(const MunicipalityContext& context) {
    context_ = context;
    setBulkUpdate(context.bulkUpdate);
    reload();
}

QList<MercadoriaRow> MercadMuniModel::loadLines() const {
    return hasTable() ? loadMercadorias(context_.key) : QList<MercadoriaRow>{};
}

int MercadMuniModel::rowOf(const QString& ieEmpresa, const QString& domicile) const {
    for (int r = 0; r < lines(); ++r)
        if (line(r).ieEmpresa == ieEmpresa && line(r).domicilioFiscal == domicile) return r;
    return -1;
}

int MercadMuniModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant MercadMuniModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= lines()) return {};
    const MercadoriaRow& r = line(index.row());
    const int c = index.column();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        switch (c) {
        case IEEmpresa: return role == Qt::DisplayRole ? formatIE(r.ieEmpresa) : r.ieEmpresa;
        case Domicilio: return r.domicilioFiscal;
        case CidadeDomicilio: return r.cidadeNom;
        case MunicipioCodigo:
        case MunicipioNome:
            if (role == Qt::EditRole) return r.municipioID ? QVariant(*r.municipioID) : QVariant();
            if (c == MunicipioNome) return r.municipioNom;
            return r.municipioID ? QString::number(*r.municipioID) : QString();
        case Notas: return role == Qt::DisplayRole ? QStringLiteral("Incluir") : QVariant();
        case Valor: return role == Qt::DisplayRole ? QVariant(money::format(r.valor)) : QVariant(r.valor);
        }
        return {};
    case Qt::TextAlignmentRole:
        return c == Valor || c == MunicipioCodigo ? right() : left();
    default:
        return {};
    }
}

QVariant MercadMuniModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    switch (section) {
    case IEEmpresa: return QStringLiteral("16.1 - Identificação\n(IE)");
    case Domicilio: return QStringLiteral("16.2 -\nDomicílio");
    case CidadeDomicilio: return QStringLiteral("Município do\nDomicílio");
    case MunicipioCodigo: return QStringLiteral("16.3 -\nMunicípio");
    case MunicipioNome: return QStringLiteral("Nome do\nMunicípio");
    case Notas: return QStringLiteral("16.4 - Nº. da\nNota Fiscal");
    case Valor: return QStringLiteral("16.5 - Valor");
    }
    return {};
}

Qt::ItemFlags MercadMuniModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || index.row() >= lines()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    const int c = index.column();
    if (rowOpen(index.row()) && (c == IEEmpresa || c == MunicipioCodigo || c == MunicipioNome))
        f |= Qt::ItemIsEditable;
    return f;
}

bool MercadMuniModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.row() >= lines()) return false;
    if (!(flags(index) & Qt::ItemIsEditable)) return false;
    const int r = index.row();
    MercadoriaRow next = line(r);
    if (index.column() == IEEmpresa) {
        const QString digits = SoNumeros(value.toString());
        if (digits == next.ieEmpresa) return true;
        applyMercadoriaIE(context_, next, digits);
    } else {
        std::optional<qint64> code;
        if (!gridInteger(value, &code)) return false;
        if (code == next.municipioID) return true;
        applyMercadoriaMunicipio(next, code);
    }
    changeLine(r, next);
    return true;
}

int MercadMuniModel::takeExistingRow(int column) {
    if (column != IEEmpresa || pendingRow() < 0) return -1;
    const auto existing = existingMercadoriaRow(context_, line(pendingRow()), original());
    if (!existing) return -1;
    revertPending();
    return rowOf(existing->ieEmpresa, existing->domicilioFiscal);
}

LineOutcome MercadMuniModel::postLine(const MercadoriaRow& l, const std::optional<MercadoriaRow>& original,
                                      Prompter& prompter, QString* field) {
    MunicipalityContext ctx = context_;
    ctx.bulkUpdate = bulkUpdate();
    return lineOutcome(postMercadoriaRow(ctx, l, original, prompter), field);
}

int MercadMuniModel::columnOfField(const QString& field) const {
    if (field == municipality_field::IEEmpresa) return IEEmpresa;
    if (field == municipality_field::MunicipioID) return MunicipioNome;
    return -1;
}

bool MercadMuniModel::deleteStored(const MercadoriaRow& l, QString* error) {
    return deleteMercadoriaRowWithTwin(context_, l, error);
}

int MercadMuniModel::rowOfPosted(const MercadoriaRow& posted) const {
    const int r = rowOf(SoNumeros(posted.ieEmpresa), posted.domicilioFiscal);
    return r >= 0 ? r : lines() - 1;
}

} // namespace vexa::decl::ui
