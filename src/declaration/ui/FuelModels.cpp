#include "declaration/ui/FuelModels.h"

#include "common/DocumentChecks.h"
#include "declaration/StateMovement.h"
#include "storage/ReferenceLookups.h"

#include <QColor>
#include <QLocale>

namespace vexa::decl::ui {

namespace {
QVariant right() { return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter)); }
QVariant left() { return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter)); }
const QLocale& brazil() {
    static const QLocale locale(QLocale::Portuguese, QLocale::Brazil);
    return locale;
}
template <class T>
QVariant editValue(const std::optional<T>& v) {
    return v ? QVariant(qint64(*v)) : QVariant();
}
// A product typed or picked: the number itself, or the first character of the text.
bool typedProduct(const QVariant& value, std::optional<int>* out) {
    if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong) {
        *out = value.toInt();
        return true;
    }
    *out = productFromTyped(value.toString());
    return true;
}
QString cnpjText(const QString& digits) {
    if (digits.size() != 14) return digits;
    return QStringLiteral("%1.%2.%3/%4-%5")
        .arg(digits.mid(0, 2), digits.mid(2, 3), digits.mid(5, 3), digits.mid(8, 4), digits.mid(12, 2));
}
} // namespace

QString formatThousands(qint64 value) { return brazil().toString(value); }
QString formatThousands(const std::optional<qint64>& value) { return value ? formatThousands(*value) : QString(); }

// ---- nozzles (13.1 to 13.5) ---------------------------------------------------------

EncerrantesModel::EncerrantesModel(QObject* parent) : SheetModel<EncerranteRow>(parent) {}

void EncerrantesModel::setContext(const FuelContext& context) {
    context_ = context;
    setBulkUpdate(context.bulkUpdate);
    reload();
}

QList<EncerranteRow> EncerrantesModel::loadLines() const {
    return hasTable() ? loadEncerrantes(context_.key) : QList<EncerranteRow>{};
}

int EncerrantesModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant EncerrantesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= lines()) return {};
    const EncerranteRow& r = line(index.row());
    const int c = index.column();
    if (role == Qt::DisplayRole) {
        switch (c) {
        case NSerieBomba: return r.nSerieBomba;
        case NBico: return r.nBico ? QString::number(*r.nBico) : QString();
        case Produto: return productText(r.produto);
        case LeituraInicial: return formatThousands(r.leituraInicial);
        case LeituraFinal: return formatThousands(r.leituraFinal);
        case VolSemInterv: return formatThousands(r.volComSemIntervCalc());
        case VolComInterv: return formatThousands(r.volComCemInterv);
        }
    } else if (role == Qt::EditRole) {
        switch (c) {
        case NSerieBomba: return r.nSerieBomba;
        case NBico: return editValue(r.nBico);
        case Produto: return editValue(r.produto);
        case LeituraInicial: return editValue(r.leituraInicial);
        case LeituraFinal: return editValue(r.leituraFinal);
        case VolSemInterv: return r.volComSemIntervCalc();
        case VolComInterv: return r.volComCemInterv;
        }
    } else if (role == Qt::TextAlignmentRole) {
        return c == NSerieBomba || c == Produto ? left() : right();
    } else if (role == Qt::BackgroundRole && c == VolSemInterv) {
        return QColor(0xec, 0xec, 0xec);
    }
    return {};
}

QVariant EncerrantesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    switch (section) {
    case NSerieBomba: return QStringLiteral("13.1 - Nº Série\nda Bomba");
    case NBico: return QStringLiteral("13.2 - Nº\ndo Bico");
    case Produto: return QStringLiteral("13.3 - Produto");
    case LeituraInicial: return QStringLiteral("13.4 - A.\nINICIAL");
    case LeituraFinal: return QStringLiteral("13.4 - B.\nFINAL");
    case VolSemInterv: return QStringLiteral("13.5 - A.\nS/ INTERV.");
    case VolComInterv: return QStringLiteral("13.5 - B.\nC/ INTERV.");
    }
    return {};
}

Qt::ItemFlags EncerrantesModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || index.row() >= lines()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (rowOpen(index.row()) && index.column() != VolSemInterv) f |= Qt::ItemIsEditable;
    return f;
}

bool EncerrantesModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.row() >= lines()) return false;
    if (!(flags(index) & Qt::ItemIsEditable)) return false;
    const int r = index.row();
    EncerranteRow next = line(r);
    std::optional<qint64> number;
    switch (index.column()) {
    case NSerieBomba: next.nSerieBomba = value.toString().trimmed(); break;
    case Produto: typedProduct(value, &next.produto); break;
    case NBico:
        if (!gridInteger(value, &number) || (number && *number > 999999999)) return false;
        next.nBico = number ? std::optional<int>(int(*number)) : std::nullopt;
        break;
    case LeituraInicial:
    case LeituraFinal:
    case VolComInterv:
        if (!gridInteger(value, &number) || (number && *number > 2147483647)) return false;
        if (index.column() == LeituraInicial) next.leituraInicial = number;
        else if (index.column() == LeituraFinal) next.leituraFinal = number;
        else next.volComCemInterv = number.value_or(0);
        break;
    default: return false;
    }
    if (next.sameStored(line(r))) return true;
    changeLine(r, next);
    return true;
}

int EncerrantesModel::takeExistingRow(int column) {
    if ((column != NSerieBomba && column != NBico) || pendingRow() < 0) return -1;
    const auto existing = existingEncerranteRow(context_.key, line(pendingRow()), original());
    if (!existing) return -1;
    revertPending();
    return findRow([&](const EncerranteRow& l) {
        return l.nSerieBomba == existing->nSerieBomba && l.nBico == existing->nBico;
    });
}

void EncerrantesModel::leftColumn(int column) {
    if (column != NSerieBomba || editState() != EditState::Insert || pendingRow() < 0) return;
    EncerranteRow next = line(pendingRow());
    if (next.nSerieBomba.isEmpty() || next.nBico) return;
    next.nBico = nextNozzleNumber(context_.key);
    changeLine(pendingRow(), next);
}

LineOutcome EncerrantesModel::postLine(const EncerranteRow& l, const std::optional<EncerranteRow>& original,
                                       Prompter& prompter, QString* field) {
    return lineOutcome(postEncerranteRow(context_.key, l, original, prompter, previousProduct_), field);
}

int EncerrantesModel::columnOfField(const QString& field) const {
    if (field == fuel_field::NSerieBomba) return NSerieBomba;
    if (field == fuel_field::NBico) return NBico;
    if (field == fuel_field::Produto) return Produto;
    if (field == fuel_field::LeituraInicial) return LeituraInicial;
    if (field == fuel_field::LeituraFinal) return LeituraFinal;
    if (field == fuel_field::VolComCemInterv) return VolComInterv;
    return -1;
}

bool EncerrantesModel::deleteStored(const EncerranteRow& l, QString* error) {
    return deleteEncerrante(context_.key, l, error);
}

// ---- tanks (13.6) --------------------------------------------------------------------

EstTanqueModel::EstTanqueModel(QObject* parent) : SheetModel<TanqueRow>(parent) {}

void EstTanqueModel::setContext(const FuelContext& context) {
    context_ = context;
    setBulkUpdate(context.bulkUpdate);
    reload();
}

QList<TanqueRow> EstTanqueModel::loadLines() const {
    return hasTable() ? loadTanques(context_.key) : QList<TanqueRow>{};
}

TanqueRow EstTanqueModel::newLine() const { return hasTable() ? newTanqueRow(context_.key) : TanqueRow{}; }

int EstTanqueModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant EstTanqueModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= lines()) return {};
    const TanqueRow& r = line(index.row());
    const int c = index.column();
    if (role == Qt::DisplayRole) {
        switch (c) {
        case Tanque: return r.estTanque ? QString::number(*r.estTanque) : QString();
        case Produto: return productText(r.produto);
        case Quantidade: return formatThousands(r.estQuantidade);
        }
    } else if (role == Qt::EditRole) {
        switch (c) {
        case Tanque: return editValue(r.estTanque);
        case Produto: return editValue(r.produto);
        case Quantidade: return editValue(r.estQuantidade);
        }
    } else if (role == Qt::TextAlignmentRole) {
        return c == Produto ? left() : right();
    }
    return {};
}

QVariant EstTanqueModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    switch (section) {
    case Tanque: return QStringLiteral("A. TANQUE");
    case Produto: return QStringLiteral("B. PRODUTO");
    case Quantidade: return QStringLiteral("C. QUANT.");
    }
    return {};
}

Qt::ItemFlags EstTanqueModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || index.row() >= lines()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (rowOpen(index.row())) f |= Qt::ItemIsEditable;
    return f;
}

bool EstTanqueModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.row() >= lines()) return false;
    if (!(flags(index) & Qt::ItemIsEditable)) return false;
    const int r = index.row();
    TanqueRow next = line(r);
    std::optional<qint64> number;
    switch (index.column()) {
    case Produto: typedProduct(value, &next.produto); break;
    case Tanque:
        if (!gridInteger(value, &number) || (number && *number > 9999)) return false;
        next.estTanque = number ? std::optional<int>(int(*number)) : std::nullopt;
        break;
    case Quantidade:
        if (!gridInteger(value, &number) || (number && *number > 2147483647)) return false;
        next.estQuantidade = number;
        break;
    default: return false;
    }
    if (next.sameStored(line(r))) return true;
    changeLine(r, next);
    return true;
}

int EstTanqueModel::takeExistingRow(int column) {
    if (column != Tanque || pendingRow() < 0) return -1;
    const auto existing = existingTanqueRow(context_.key, line(pendingRow()), original());
    if (!existing) return -1;
    revertPending();
    return findRow([&](const TanqueRow& l) { return l.estTanque == existing->estTanque; });
}

LineOutcome EstTanqueModel::postLine(const TanqueRow& l, const std::optional<TanqueRow>& original,
                                     Prompter& prompter, QString* field) {
    return lineOutcome(postTanqueRow(context_.key, l, original, prompter), field);
}

int EstTanqueModel::columnOfField(const QString& field) const {
    if (field == fuel_field::EstTanque) return Tanque;
    if (field == fuel_field::Produto) return Produto;
    if (field == fuel_field::EstQuantidade) return Quantidade;
    return -1;
}

bool EstTanqueModel::deleteStored(const TanqueRow& l, QString* error) { return deleteTanque(context_.key, l, error); }

// ---- alcohol invoices (14) --------------------------------------------------------------

InfoAlcoolModel::InfoAlcoolModel(QObject* parent) : SheetModel<AlcoolRow>(parent) {}

void InfoAlcoolModel::setContext(const FuelContext& context) {
    context_ = context;
    setBulkUpdate(context.bulkUpdate);
    reload();
}

QList<AlcoolRow> InfoAlcoolModel::loadLines() const {
    return hasTable() ? loadAlcool(context_.key) : QList<AlcoolRow>{};
}

int InfoAlcoolModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant InfoAlcoolModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= lines()) return {};
    const AlcoolRow& r = line(index.row());
    const int c = index.column();
    if (role == Qt::DisplayRole) {
        switch (c) {
        case NNotaFiscal: return r.nNotaFiscal ? QString::number(*r.nNotaFiscal) : QString();
        case DtEmissao: return r.dtEmissaoNota.isValid() ? r.dtEmissaoNota.toString(QStringLiteral("dd/MM/yyyy")) : QString();
        case Cnpj: return cnpjText(r.cnpjRemetente);
        case UfOrigem: {
            // The state's letters beside its code ("SP 26"), as the picker lists it.
            const QString letters = r.ufOrigem.isEmpty() ? QString() : storage::LetterStateCode(r.ufOrigem);
            return letters.isEmpty() ? r.ufOrigem : letters + QLatin1Char(' ') + r.ufOrigem;
        }
        case ValorUnitario: return brazil().toString(r.valorUnitario, 'f', 4);
        case Quantidade: return brazil().toString(r.quantidade, 'f', 0);
        }
    } else if (role == Qt::EditRole) {
        switch (c) {
        case NNotaFiscal: return editValue(r.nNotaFiscal);
        case DtEmissao: return r.dtEmissaoNota.isValid() ? r.dtEmissaoNota.toString(QStringLiteral("dd/MM/yyyy")) : QString();
        case Cnpj: return r.cnpjRemetente;
        case UfOrigem: return r.ufOrigem;
        case ValorUnitario: return r.valorUnitario;
        case Quantidade: return r.quantidade;
        }
    } else if (role == Qt::TextAlignmentRole) {
        return c == ValorUnitario || c == Quantidade || c == NNotaFiscal ? right() : left();
    }
    return {};
}

QVariant InfoAlcoolModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    switch (section) {
    case NNotaFiscal: return QStringLiteral("14.1 - Nº da\nNota Fiscal");
    case DtEmissao: return QStringLiteral("14.2 - Data\nde Emissão");
    case Cnpj: return QStringLiteral("14.3 - CNPJ\ndo Remetente");
    case UfOrigem: return QStringLiteral("14.4 - UF\nde Origem");
    case ValorUnitario: return QStringLiteral("14.5 - Valor\nUnitário");
    case Quantidade: return QStringLiteral("14.6 - Quantidade\n(litros)");
    }
    return {};
}

Qt::ItemFlags InfoAlcoolModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || index.row() >= lines()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (rowOpen(index.row())) f |= Qt::ItemIsEditable;
    return f;
}

bool InfoAlcoolModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.row() >= lines()) return false;
    if (!(flags(index) & Qt::ItemIsEditable)) return false;
    const int r = index.row();
    AlcoolRow next = line(r);
    switch (index.column()) {
    case NNotaFiscal: {
        std::optional<qint64> number;
        if (!gridInteger(value, &number) || (number && *number > 2147483647)) return false;
        next.nNotaFiscal = number;
        break;
    }
    case DtEmissao: {
        const QString text = value.toString();
        if (SoNumeros(text).isEmpty()) {
            next.dtEmissaoNota = QDate();
        } else {
            const QDate date = QDate::fromString(text.trimmed(), QStringLiteral("dd/MM/yyyy"));
            if (!date.isValid()) return false;
            next.dtEmissaoNota = date;
        }
        break;
    }
    case Cnpj: next.cnpjRemetente = SoNumeros(value.toString()); break;
    case UfOrigem: next.ufOrigem = stateCodeFromTyped(value.toString()); break;
    case ValorUnitario: {
        const auto amount = gridAmount(value, 4);
        if (!amount) return false;
        next.valorUnitario = *amount;
        break;
    }
    case Quantidade: {
        const auto amount = gridAmount(value, 0);
        if (!amount) return false;
        next.quantidade = *amount;
        break;
    }
    default: return false;
    }
    if (next.sameStored(line(r))) return true;
    changeLine(r, next);
    return true;
}

int InfoAlcoolModel::takeExistingRow(int column) {
    if ((column != NNotaFiscal && column != Cnpj) || pendingRow() < 0) return -1;
    const auto existing = existingAlcoolRow(context_.key, line(pendingRow()), original());
    if (!existing) return -1;
    revertPending();
    return findRow([&](const AlcoolRow& l) {
        return l.nNotaFiscal == existing->nNotaFiscal && l.cnpjRemetente == existing->cnpjRemetente;
    });
}

LineOutcome InfoAlcoolModel::postLine(const AlcoolRow& l, const std::optional<AlcoolRow>& original,
                                      Prompter& prompter, QString* field) {
    return lineOutcome(postAlcoolRow(context_.key, l, original, bulkUpdate(), prompter), field);
}

int InfoAlcoolModel::columnOfField(const QString& field) const {
    if (field == fuel_field::NNotaFiscal) return NNotaFiscal;
    if (field == fuel_field::DtEmissaoNota) return DtEmissao;
    if (field == fuel_field::CnpjRemetente) return Cnpj;
    if (field == fuel_field::UfOrigem) return UfOrigem;
    if (field == fuel_field::ValorUnitario) return ValorUnitario;
    if (field == fuel_field::Quantidade) return Quantidade;
    return -1;
}

bool InfoAlcoolModel::deleteStored(const AlcoolRow& l, QString* error) { return deleteAlcool(context_.key, l, error); }

} // namespace vexa::decl::ui
