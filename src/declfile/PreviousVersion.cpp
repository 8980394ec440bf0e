#include "declfile/PreviousVersion.h"

#include "storage/Database.h"
#include "storage/Schema.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <cmath>
#include <optional>

namespace vexa::declfile {

namespace {

using storage::schema::Column;
using storage::schema::Type;
namespace px = paradox;

const QStringList kDeclKey = {QStringLiteral("IE"), QStringLiteral("Ano"), QStringLiteral("Mes"),
                              QStringLiteral("Retificacao")};
const QString kFirstYear = QStringLiteral("2009");
constexpr int kProgressEvery = 500;

QStringList declKeyPlus(std::initializer_list<const char*> more) {
    QStringList k = kDeclKey;
    for (const char* m : more) k << QString::fromLatin1(m);
    return k;
}

QList<PreviousStep> buildSteps() {
    auto step = [](int n, const char* file, const char* table, QStringList key, bool filtered, bool ofDecl) {
        PreviousStep s;
        s.number = n;
        s.file = QString::fromLatin1(file);
        s.table = QString::fromLatin1(table);
        s.key = std::move(key);
        s.fromYear2009 = filtered;
        s.ofDeclaration = ofDecl;
        return s;
    };
    auto rates = [&step](int n, const char* file, const char* table, const char* rate, const char* amount) {
        PreviousStep s = step(n, file, table, declKeyPlus({"UF", "DomicilioFiscal", rate}), true, true);
        s.rateColumn = QString::fromLatin1(rate);
        s.amountColumn = QString::fromLatin1(amount);
        return s;
    };
    return {
        step(1, "Contribuintes.db", "Contribuintes", {QStringLiteral("IE")}, false, false),
        step(2, "Declarante.db", "Declarante", {QStringLiteral("CRC"), QStringLiteral("UF")}, false, false),
        step(3, "vexas.db", "Vexas", kDeclKey, true, false),
        rates(4, "Aliquota.db", "Aliquota", "Aliquota", "VlrDifAliquota"),
        rates(5, "AliquotaComp.db", "AliquotaComp", "AliquotaComp", "VlrComAliquota"),
        step(6, "dare.db", "dare", kDeclKey, true, true),
        step(7, "dareavulsas.db", "DareAvulsas",
             {QStringLiteral("IE"), QStringLiteral("Ano"), QStringLiteral("Mes"), QStringLiteral("CodigoTributo"),
              QStringLiteral("Seq")},
             true, false),
        step(8, "deducoes.db", "Deducoes", declKeyPlus({"CodLei"}), true, true),
        step(9, "demostrativoestoque.db", "DemostrativoEstoque", kDeclKey, true, true),
        step(10, "encerrantes.db", "Encerrantes", declKeyPlus({"NSerieBomba", "NBico"}), true, true),
        step(11, "esttanque.db", "EstTanque", declKeyPlus({"EstTanque"}), true, true),
        step(12, "infoalcool.db", "InfoAlcool", declKeyPlus({"CnpjRemetente", "NNotaFiscal"}), true, true),
        step(13, "ICMSRecolher.db", "ICMSRecolher", declKeyPlus({"TipoApuracao", "DtVencimento"}), true, true),
        step(14, "MercadMuni.db", "MercadMuni", declKeyPlus({"IEEmpresa", "DomicilioFiscal"}), true, true),
        step(15, "movimentacaoporoperacoes42.db", "MovimentacaoPorOperacoes42",
             declKeyPlus({"CodigoOperacao", "DomicilioFiscal"}), true, true),
        step(16, "movimentacaoporuf.db", "MovimentacaoPorUF", declKeyPlus({"EntradaSaida", "UF", "DomicilioFiscal"}),
             true, true),
        step(17, "NotasFiscal.db", "NotasFiscal", declKeyPlus({"IEEmpresa", "DomicilioFiscal", "Num_nota"}), true,
             true),
        step(18, "OutrosCred.db", "OutrosCred", declKeyPlus({"CodLei"}), true, true),
        step(19, "OutrosDeb.db", "OutrosDeb", declKeyPlus({"CodLei"}), true, true),
        step(20, "SaidasMun.db", "SaidasMun", declKeyPlus({"MunicipioID", "DomicilioFiscal"}), true, true),
        step(21, "Tare.db", "Tare", declKeyPlus({"NumeroTare"}), true, true),
    };
}

bool sameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// ---- values of the older tables in the current columns --------------------------------------

bool isIntegral(int type) {
    return type == px::Short || type == px::Long || type == px::AutoInc;
}

// Whether a source field of that kind can fill the column.
bool compatible(const Column& column, int type) {
    switch (column.type) {
    case Type::Text:
    case Type::Memo: return type == px::Alpha || isIntegral(type);
    case Type::Float: return type == px::Number || type == px::Currency || type == px::Bcd || isIntegral(type);
    case Type::Integer:
    case Type::SmallInt: return isIntegral(type) || type == px::Number || type == px::Alpha;
    case Type::Date: return type == px::Date || type == px::Timestamp;
    case Type::Boolean: return type == px::Logical || isIntegral(type);
    }
    return false;
}

QString trimmedRight(const QString& s) {
    qsizetype n = s.size();
    while (n > 0 && s.at(n - 1).isSpace()) --n;
    return s.left(n);
}

// The source value in the column's terms: text (empty as null, cut to the
// column's width), integer, float, date "yyyy-MM-dd" or 0/1. None when the
// value cannot stand in the column.
std::optional<QVariant> convert(const QVariant& value, int type, const Column& column) {
    if (value.isNull()) return QVariant();
    switch (column.type) {
    case Type::Text:
    case Type::Memo: {
        QString text = value.typeId() == QMetaType::QString ? trimmedRight(value.toString())
                                                             : QString::number(value.toLongLong());
        if (column.width > 0) text.truncate(column.width);
        return text.isEmpty() ? QVariant() : QVariant(text);
    }
    case Type::Float: {
        bool ok = true;
        const double d = value.typeId() == QMetaType::QString ? value.toString().trimmed().toDouble(&ok)
                                                               : value.toDouble(&ok);
        if (!ok || !std::isfinite(d)) return std::nullopt;
        return QVariant(d);
    }
    case Type::Integer:
    case Type::SmallInt: {
        if (value.typeId() == QMetaType::LongLong) return value;
        if (value.typeId() == QMetaType::Double) {
            const double d = value.toDouble();
            if (d != std::floor(d) || std::fabs(d) > 2147483647.0) return std::nullopt;
            return QVariant(qint64(d));
        }
        const QString text = value.toString().trimmed();
        if (text.isEmpty()) return QVariant();
        bool ok = false;
        const qint64 n = text.toLongLong(&ok);
        if (!ok) return std::nullopt;
        return QVariant(n);
    }
    case Type::Date: {
        const QDate d = type == px::Timestamp ? px::dateFromTimestamp(value.toDouble())
                                              : px::dateFromDays(value.toLongLong());
        if (!d.isValid()) return std::nullopt;
        return QVariant(d.toString(QStringLiteral("yyyy-MM-dd")));
    }
    case Type::Boolean: return QVariant(value.toLongLong() != 0 ? 1 : 0);
    }
    return std::nullopt;
}

// ---- the run ------------------------------------------------------------------------------

// One target column of a step and where its value comes from.
struct Planned {
    Column column;
    int source = -1;          // the field of the source table; -1: not in it
    QVariant fill;            // the value when the source lacks the column (null: the table's default)
    bool computedRate = false;
};

class Run {
public:
    Run(const QString& folder, const PreviousImportObserver& observer, const PreviousImportOptions& options)
        : folder_(folder), observer_(observer), options_(options) {}

    PreviousImportResult go();

private:
    bool runStep(const PreviousStep& step, const QString& path, PreviousStepResult& result, QString* why);
    bool plan(const PreviousStep& step, const QList<px::Field>& fields, QString* why);
    bool copyRow(const PreviousStep& step, const px::Row& row, PreviousStepResult& result, QString* why);
    bool loadRates(QString* why);
    void tell(const PreviousStep& step, const QString& file, bool found, qint64 rows) const {
        if (observer_) observer_({step.number, int(previousSteps().size()), file, found, rows});
    }

    QString folder_;
    const PreviousImportObserver& observer_;
    const PreviousImportOptions& options_;

    // The declarations this run copied, "IE|Ano|Mes|Retificacao".
    QSet<QString> declarations_;
    // `AliquotaUF.Aliquota` by `CodigoUF`.
    QHash<QString, QVariant> rates_;
    bool ratesLoaded_ = false;

    // The step in hand.
    QList<Planned> plan_;
    QList<int> keyAt_;        // positions in plan_ of the step's key
    QList<int> declKeyAt_;    // positions of IE, Ano, Mes, Retificacao (empty for the registries)
    int anoAt_ = -1;
    int rateFrom_ = -1;       // position of UF, for the rate
    QList<px::Field> fields_;
    QSqlQuery exists_;        // the key compared with "=", so the key's index serves
    QSqlQuery existsNull_;    // the same with nulls equal, for a key part left empty
    QSqlQuery insert_;
    qint64 rowNumber_ = 0;
};

bool Run::loadRates(QString* why) {
    if (ratesLoaded_) return true;
    QSqlQuery q(storage::db());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT CodigoUF, Aliquota FROM AliquotaUF"))) {
        *why = q.lastError().text();
        return false;
    }
    while (q.next()) rates_.insert(q.value(0).toString(), q.value(1));
    ratesLoaded_ = true;
    return true;
}

bool Run::plan(const PreviousStep& step, const QList<px::Field>& fields, QString* why) {
    fields_ = fields;
    plan_.clear();
    keyAt_.clear();
    declKeyAt_.clear();
    anoAt_ = rateFrom_ = -1;

    const storage::schema::Table* table = storage::schema::findTable(step.table);
    if (!table) {
        *why = QStringLiteral("a tabela %1 não existe no banco de dados").arg(step.table);
        return false;
    }
    auto sourceOf = [&fields](const QString& name) {
        for (int i = 0; i < fields.size(); ++i)
            if (sameName(fields[i].name, name)) return i;
        return -1;
    };

    // The rate tables are read as the fixed statement of their columns; the
    // others copy every column of the target that the source has.
    QList<Column> columns;
    if (step.isRateTable()) {
        for (const char* name : {"IE", "Ano", "Mes", "Retificacao", "UF", "DomicilioFiscal", "VlrContabil",
                                 "VlrBaseCalculo"})
            columns << *storage::schema::findColumn(*table, QString::fromLatin1(name));
        columns << *storage::schema::findColumn(*table, step.amountColumn)
                << *storage::schema::findColumn(*table, QStringLiteral("CidadeID"));
    } else {
        columns = table->columns;
    }
    for (const Column& c : columns) {
        Planned p{c, sourceOf(c.name), {}, false};
        if (p.source >= 0 && !compatible(c, fields[p.source].type)) {
            *why = QStringLiteral("a coluna \"%1\" é de um tipo inesperado").arg(fields[p.source].name);
            return false;
        }
        if (p.source < 0 && step.table == QLatin1String("Contribuintes")) {
            // What the start-up gives the taxpayers of an older database.
            if (sameName(c.name, QStringLiteral("UF"))) p.fill = QStringLiteral("QX");
            if (sameName(c.name, QStringLiteral("TipoRegime"))) p.fill = QStringLiteral("N");
        }
        if (p.source < 0 && p.fill.isNull() && !step.isRateTable()) continue;   // the table's default
        plan_ << p;
    }
    if (step.isRateTable()) {
        plan_ << Planned{*storage::schema::findColumn(*table, step.rateColumn), -1, {}, true};
        if (!loadRates(why)) return false;
    }

    auto at = [this](const QString& name) {
        for (int i = 0; i < plan_.size(); ++i)
            if (sameName(plan_[i].column.name, name)) return i;
        return -1;
    };
    // The key, the year and the declaration must all be read from the source.
    QStringList required = step.key;
    if (step.fromYear2009) required << QStringLiteral("Ano");
    if (step.ofDeclaration || step.table == QLatin1String("Vexas")) required += kDeclKey;
    for (const QString& name : required) {
        const int i = at(name);
        if (i < 0 || (plan_[i].source < 0 && !plan_[i].computedRate)) {
            *why = QStringLiteral("a coluna \"%1\" não existe na tabela").arg(name);
            return false;
        }
    }
    for (const QString& name : step.key) keyAt_ << at(name);
    if (step.ofDeclaration || step.table == QLatin1String("Vexas"))
        for (const QString& name : kDeclKey) declKeyAt_ << at(name);
    if (step.fromYear2009) anoAt_ = at(QStringLiteral("Ano"));
    if (step.isRateTable()) rateFrom_ = at(QStringLiteral("UF"));

    QStringList names, marks, equal, nullSafe;
    for (const Planned& p : plan_) {
        names << p.column.name;
        marks << QStringLiteral("?");
    }
    for (const int i : keyAt_) {
        equal << plan_[i].column.name + QStringLiteral(" = ?");
        nullSafe << plan_[i].column.name + QStringLiteral(" IS NOT DISTINCT FROM ?");
    }
    const QString lookup = QStringLiteral("SELECT 1 FROM %1 WHERE %2 LIMIT 1");
    auto prepare = [&](QSqlQuery& q, const QString& sql) {
        q = QSqlQuery(storage::db());
        if (q.prepare(sql)) return true;
        *why = q.lastError().text();
        return false;
    };
    return prepare(exists_, lookup.arg(table->name, equal.join(QStringLiteral(" AND ")))) &&
           prepare(existsNull_, lookup.arg(table->name, nullSafe.join(QStringLiteral(" AND ")))) &&
           prepare(insert_, QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                .arg(table->name, names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))));
}

QString declarationOf(const QList<QVariant>& values, const QList<int>& at) {
    QStringList parts;
    for (const int i : at) parts << values[i].toString();
    return parts.join(QLatin1Char('|'));
}

bool Run::copyRow(const PreviousStep& step, const px::Row& row, PreviousStepResult& result, QString* why) {
    ++rowNumber_;
    if (row.size() != fields_.size()) {
        *why = QStringLiteral("registro %1 incompleto").arg(rowNumber_);
        return false;
    }
    QList<QVariant> values;
    values.reserve(plan_.size());
    for (const Planned& p : plan_) {
        if (p.computedRate) {
            values << QVariant();   // filled below, from the row's state
            continue;
        }
        if (p.source < 0) {
            values << p.fill;
            continue;
        }
        const std::optional<QVariant> v = convert(row[p.source], fields_[p.source].type, p.column);
        if (!v) {
            *why = QStringLiteral("valor inválido na coluna \"%1\" do registro %2")
                       .arg(fields_[p.source].name)
                       .arg(rowNumber_);
            return false;
        }
        values << *v;
    }
    if (anoAt_ >= 0 && (values[anoAt_].isNull() || values[anoAt_].toString() < kFirstYear)) return true;
    // A row without its declaration's key, or a taxpayer / accountant without
    // its registration, is no row of the program.
    for (const int i : declKeyAt_)
        if (values[i].isNull()) return true;
    if (declKeyAt_.isEmpty() && values[keyAt_.first()].isNull()) return true;
    if (step.ofDeclaration && !declarations_.contains(declarationOf(values, declKeyAt_))) return true;
    if (step.isRateTable()) values.last() = rates_.value(values[rateFrom_].toString());

    bool anyNull = false;
    for (const int i : keyAt_) anyNull = anyNull || values[i].isNull();
    QSqlQuery& exists = anyNull ? existsNull_ : exists_;
    for (int k = 0; k < keyAt_.size(); ++k) exists.bindValue(k, values[keyAt_[k]]);
    if (!exists.exec()) {
        *why = exists.lastError().text();
        return false;
    }
    const bool present = exists.next();
    exists.finish();
    if (present) return true;

    for (int i = 0; i < values.size(); ++i) insert_.bindValue(i, values[i]);
    if (!insert_.exec()) {
        *why = insert_.lastError().text();
        return false;
    }
    ++result.inserted;
    if (step.table == QLatin1String("Vexas")) declarations_.insert(declarationOf(values, declKeyAt_));
    return true;
}

bool Run::runStep(const PreviousStep& step, const QString& path, PreviousStepResult& result, QString* why) {
    rowNumber_ = 0;
    const QString shown = QFileInfo(path).fileName();
    return px::readTable(
        path, options_.reader,
        [&](const QList<px::Field>& fields, QString* error) { return plan(step, fields, error); },
        [&](const px::Row& row, QString* error) {
            ++result.read;
            if (result.read % kProgressEvery == 0) tell(step, shown, true, result.read);
            return copyRow(step, row, result, error);
        },
        why);
}

PreviousImportResult Run::go() {
    PreviousImportResult out;
    if (!QFileInfo(folder_).isDir()) {
        out.error = QStringLiteral("A pasta \"%1\" não foi encontrada.").arg(QDir::toNativeSeparators(folder_));
        return out;
    }
    storage::Transaction transaction;
    if (!transaction.started()) {
        out.error = storage::db().lastError().text();
        return out;
    }
    for (const PreviousStep& step : previousSteps()) {
        PreviousStepResult result;
        result.number = step.number;
        result.table = step.table;
        const QString path = findSourceFile(folder_, step.file);
        result.found = !path.isEmpty();
        result.file = result.found ? QFileInfo(path).fileName() : step.file;
        tell(step, result.file, result.found, 0);
        if (result.found) {
            QString why;
            if (!runStep(step, path, result, &why)) {
                transaction.rollback();
                out.steps << result;
                out.error = QStringLiteral("Não foi possível importar o arquivo \"%1\": %2. Nenhum dado foi importado.")
                                .arg(result.file, why);
                return out;
            }
        }
        out.steps << result;
    }
    exists_ = QSqlQuery();
    existsNull_ = QSqlQuery();
    insert_ = QSqlQuery();
    if (!transaction.commit()) {
        out.error = storage::db().lastError().text();
        return out;
    }
    out.ok = true;
    return out;
}

} // namespace

const QList<PreviousStep>& previousSteps() {
    static const QList<PreviousStep> steps = buildSteps();
    return steps;
}

QString findSourceFile(const QString& folder, const QString& name) {
    const QDir dir(folder);
    QString found;
    for (const QFileInfo& f : dir.entryInfoList(QDir::Files | QDir::Hidden, QDir::Name)) {
        if (!f.isFile() || !sameName(f.fileName(), name)) continue;
        if (f.fileName() == name) return f.filePath();   // the exact spelling wins
        if (found.isEmpty()) found = f.filePath();
    }
    return found;
}

QStringList previousVersionFiles(const QString& folder) {
    QStringList names;
    for (const QString& name : kPreviousVersionMask.split(QLatin1Char(';'))) {
        const QString path = findSourceFile(folder, name);
        if (!path.isEmpty()) names << QFileInfo(path).fileName();
    }
    return names;
}

int PreviousImportResult::inserted() const {
    int n = 0;
    for (const PreviousStepResult& s : steps) n += s.inserted;
    return n;
}

PreviousImportResult importPreviousVersion(const QString& folder, const PreviousImportObserver& observer,
                                           const PreviousImportOptions& options) {
    Run run(folder, observer, options);
    return run.go();
}

} // namespace vexa::declfile
