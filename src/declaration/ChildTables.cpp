#include "declaration/ChildTables.h"

#include "declaration/DeclSql.h"

namespace vexa::decl {

namespace {

QVariantList keyValues(const DeclarationKey& k) { return {k.ie, k.ano, k.mes, k.retificacao}; }
const QString kWhereKey = QStringLiteral(" WHERE IE = ? AND Ano = ? AND Mes = ? AND Retificacao = ?");
const QString kA = QStringLiteral("A");
const QString kB = QStringLiteral("B");

QVariant cityValue(qint64 city) { return city == 0 ? QVariant(QMetaType(QMetaType::LongLong)) : QVariant(city); }

// One domicile-B copy: `insertColumns` of the new row from `selectColumns` of
// each domicile-A row, unless a B row with the same `sameFields` exists.
// The selects hold only column names and bound markers.
struct BCopy {
    const char* table;
    const char* insertColumns;
    const char* selectColumns;   // "?" stands for the bound B marker and city
    const char* sameFields;
    const char* order;
    bool withCity;
};

const BCopy kBCopies[] = {
    {"MovimentacaoPorOperacoes42",
     "IE, Ano, Mes, Retificacao, CodigoOperacao, EntradaSaida, TipoOperacao, DomicilioFiscal, CidadeID, "
     "BaseCalculo, IsentasNaoTributadas, Outras, SubstituicaoTributaria, ValorContabil, ImpostoCreditado",
     "a.IE, a.Ano, a.Mes, a.Retificacao, a.CodigoOperacao, a.EntradaSaida, a.TipoOperacao, ?, ?, 0, 0, 0, 0, 0, 0",
     "CodigoOperacao", "CodigoOperacao", true},
    {"MovimentacaoPorUF",
     "IE, Ano, Mes, Retificacao, EntradaSaida, UF, DomicilioFiscal, ValorContabilA, ValorContabilB, BaseCalculoA, "
     "BaseCalculoB, CredDebImpostoA, CredDebImpostoB, IsentasNaoTributadas, Outras, SubsTributaria",
     "a.IE, a.Ano, a.Mes, a.Retificacao, a.EntradaSaida, a.UF, ?, 0, 0, 0, 0, 0, 0, 0, 0, 0", "EntradaSaida;UF",
     "EntradaSaida, UF", false},
    {"MercadMuni", "IE, Ano, Mes, Retificacao, IEEmpresa, MunicipioID, DomicilioFiscal, CidadeID, Valor",
     "a.IE, a.Ano, a.Mes, a.Retificacao, a.IEEmpresa, a.MunicipioID, ?, ?, 0", "IEEmpresa", "IEEmpresa", true},
    {"SaidasMun",
     "IE, Ano, Mes, Retificacao, MunicipioID, DomicilioFiscal, CIdadeID, VlrContabil, Devolucoes, Total",
     "a.IE, a.Ano, a.Mes, a.Retificacao, a.MunicipioID, ?, ?, 0, 0, 0", "MunicipioID", "Seq", true},
    {"Aliquota",
     "IE, Ano, Mes, Retificacao, UF, Aliquota, DomicilioFiscal, CidadeID, VlrContabil, VlrBaseCalculo, "
     "VlrDifAliquota",
     "a.IE, a.Ano, a.Mes, a.Retificacao, a.UF, a.Aliquota, ?, ?, 0, 0, 0", "UF;Aliquota", "UF, Aliquota", true},
};

} // namespace

const QStringList& childTables() {
    static const QStringList tables = {
        QStringLiteral("MovimentacaoPorOperacoes42"), QStringLiteral("MovimentacaoPorUF"),
        QStringLiteral("DemostrativoEstoque"),        QStringLiteral("ICMSRecolher"),
        QStringLiteral("SaidasMun"),                  QStringLiteral("MercadMuni"),
        QStringLiteral("NotasFiscal"),                QStringLiteral("Encerrantes"),
        QStringLiteral("EstTanque"),                  QStringLiteral("InfoAlcool"),
        QStringLiteral("Tare"),                       QStringLiteral("Deducoes"),
        QStringLiteral("OutrosCred"),                 QStringLiteral("Aliquota"),
        QStringLiteral("AliquotaConsumidor"),         QStringLiteral("AliquotaComp"),
        QStringLiteral("OutrosDeb")};
    return tables;
}

bool deleteDeclarationRows(const DeclarationKey& key, QString* error) {
    sql::WriteUnit unit(QStringLiteral("delete_declaration"));
    if (!unit.started()) {
        if (error) *error = unit.error();
        return false;
    }
    QSqlQuery q;
    for (const QString& table : childTables() + QStringList{QStringLiteral("Vexas")}) {
        if (!sql::run(q, QStringLiteral("DELETE FROM ") + table + kWhereKey, keyValues(key), error)) return false;
    }
    return unit.release(error);
}

bool createAllDomicileBRows(const DeclarationKey& key, qint64 cidadeB, QString* error) {
    QSqlQuery q;
    for (const BCopy& c : kBCopies) {
        const QString table = QString::fromLatin1(c.table);
        QStringList same;
        for (const QString& f : QString::fromLatin1(c.sameFields).split(QLatin1Char(';')))
            same << QStringLiteral("b.%1 = a.%1").arg(f);
        const QString statement =
            QStringLiteral("INSERT INTO %1 (%2) SELECT %3 FROM %1 a WHERE a.IE = ? AND a.Ano = ? AND a.Mes = ? "
                           "AND a.Retificacao = ? AND a.DomicilioFiscal = ? AND NOT EXISTS (SELECT 1 FROM %1 b "
                           "WHERE b.IE = a.IE AND b.Ano = a.Ano AND b.Mes = a.Mes AND b.Retificacao = "
                           "a.Retificacao AND b.DomicilioFiscal = ? AND %4) ORDER BY a.%5")
                .arg(table, QString::fromLatin1(c.insertColumns), QString::fromLatin1(c.selectColumns),
                     same.join(QStringLiteral(" AND ")), QString::fromLatin1(c.order).replace(
                                                             QStringLiteral(", "), QStringLiteral(", a.")));
        QVariantList values{kB};
        if (c.withCity) values << cityValue(cidadeB);
        values += keyValues(key);
        values << kA << kB;
        if (!sql::run(q, statement, values, error)) return false;
    }
    return true;
}

bool removeAllDomicileBRows(const DeclarationKey& key, QString* error) {
    static const QStringList tables = {QStringLiteral("MovimentacaoPorOperacoes42"),
                                       QStringLiteral("MovimentacaoPorUF"), QStringLiteral("SaidasMun"),
                                       QStringLiteral("MercadMuni"), QStringLiteral("NotasFiscal")};
    QSqlQuery q;
    for (const QString& table : tables) {
        if (!sql::run(q, QStringLiteral("DELETE FROM ") + table + kWhereKey + QStringLiteral(" AND DomicilioFiscal = ?"),
                      keyValues(key) + QVariantList{kB}, error))
            return false;
    }
    return true;
}

DeclarationKey pumpSourceDeclaration(const DeclarationKey& newKey) {
    DeclarationKey source;
    source.ie = newKey.ie;
    source.retificacao.clear();
    QSqlQuery q;
    if (!sql::read(q,
                   QStringLiteral("SELECT Ano, Mes, MAX(Retificacao) FROM Vexas WHERE IE = ? AND Ano || Mes < ? "
                                  "GROUP BY Ano, Mes ORDER BY Ano DESC, Mes DESC"),
                   {newKey.ie, newKey.yyyymm()}) ||
        !q.next())
        return source;
    source.ano = sql::text(q.value(0));
    source.mes = sql::text(q.value(1));
    source.retificacao = sql::text(q.value(2));
    return source;
}

bool copyPumpsAndTanks(const DeclarationKey& from, const DeclarationKey& to, QString* error) {
    QSqlQuery q;
    if (!sql::run(q,
                  QStringLiteral("INSERT INTO Encerrantes (IE, Ano, Mes, Retificacao, NSerieBomba, NBico, PRODUTO, "
                                 "LeituraInicial) SELECT ?, ?, ?, ?, a.NSerieBomba, a.NBico, a.PRODUTO, "
                                 "a.LeituraFinal FROM Encerrantes a WHERE a.IE = ? AND a.Ano = ? AND a.Mes = ? AND "
                                 "a.Retificacao = ? AND NOT EXISTS (SELECT 1 FROM Encerrantes b WHERE b.IE = ? AND "
                                 "b.Ano = ? AND b.Mes = ? AND b.Retificacao = ? AND b.NSerieBomba IS NOT DISTINCT FROM a.NSerieBomba "
                                 "AND b.NBico IS NOT DISTINCT FROM a.NBico) ORDER BY a.NBico"),
                  keyValues(to) + keyValues(from) + keyValues(to), error))
        return false;
    return sql::run(q,
                    QStringLiteral("INSERT INTO EstTanque (IE, Ano, Mes, Retificacao, EstTanque, PRODUTO) "
                                   "SELECT ?, ?, ?, ?, a.EstTanque, a.PRODUTO FROM EstTanque a WHERE a.IE = ? AND "
                                   "a.Ano = ? AND a.Mes = ? AND a.Retificacao = ? AND NOT EXISTS (SELECT 1 FROM "
                                   "EstTanque b WHERE b.IE = ? AND b.Ano = ? AND b.Mes = ? AND b.Retificacao = ? AND "
                                   "b.EstTanque IS NOT DISTINCT FROM a.EstTanque) ORDER BY a.EstTanque"),
                    keyValues(to) + keyValues(from) + keyValues(to), error);
}

} // namespace vexa::decl
