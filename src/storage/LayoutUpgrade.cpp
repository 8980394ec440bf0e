#include "storage/LayoutUpgrade.h"

#include "storage/Database.h"
#include "storage/Engine.h"
#include "storage/Portable.h"
#include "storage/Schema.h"

#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace vexa::storage {

namespace {

QVariant asText(const QVariant& v) { return v.isNull() ? QVariant() : QVariant(v.toString()); }
QVariant asFloat(const QVariant& v) { return v.isNull() ? QVariant() : QVariant(v.toDouble()); }
QVariant asInteger(const QVariant& v) { return v.isNull() ? QVariant() : QVariant(v.toLongLong()); }

} // namespace

LayoutUpgrade::LayoutUpgrade() : onVexa_(true) {}
LayoutUpgrade::LayoutUpgrade(QSqlDatabase db) : db_(std::move(db)) {}

// The "Vexa" connection as it is now: the start-up closes and opens it again around an index rebuild.
QSqlDatabase LayoutUpgrade::database() const { return onVexa_ ? storage::db() : db_; }

bool LayoutUpgrade::upgradeColumnsAndTables() {
    return addImportedFlag() && addRateDifferential() && rebuildRateDifferential() && rebuildRateComplement() &&
           fillMissingRates() && addRateComplementItems() && addLawPeriods() && fillDeclarationDefaults() &&
           addTaxpayerState() && addTaxpayerRegime() && addAccountantEmail() && addTaxpayerEmail();
}

bool LayoutUpgrade::exec(const QString& sql, const QVariantList& values) {
    QSqlQuery q(database());
    // PostgreSQL prepares no ALTER, CREATE or DROP: a statement without values runs as it stands.
    if (values.isEmpty()) {
        if (q.exec(sql)) return true;
        error_ = q.lastError().text();
        return false;
    }
    if (!q.prepare(sql)) {
        error_ = q.lastError().text();
        return false;
    }
    for (const QVariant& v : values) q.addBindValue(v);
    if (!q.exec()) {
        error_ = q.lastError().text();
        return false;
    }
    return true;
}

// The column check: the columns of "Select * from" the table, compared in
// lower case. A table that cannot be read is an error of the step.
bool LayoutUpgrade::lacks(const QString& table, const QString& column, bool* lacking) {
    QStringList names;
    if (!schema::columnNames(database(), table, &names, &error_)) return false;
    *lacking = true;
    for (const QString& n : names)
        if (n.toLower() == column.toLower()) *lacking = false;
    return true;
}

// The column and its fills as one unit: an old database gets both or neither.
bool LayoutUpgrade::addColumnIfMissing(const QString& table, const QString& column, const QString& type,
                                       const QStringList& fills) {
    bool lacking = false;
    if (!lacks(table, column, &lacking)) return false;
    if (!lacking) return true;
    Transaction transaction(database());
    if (!transaction.started()) {
        error_ = transaction.error();
        return false;
    }
    if (!exec(QStringLiteral("alter table %1 add %2 %3").arg(table, column, upgradeType(engineOf(database()), type))))
        return false;
    for (const QString& sql : fills)
        if (!exec(sql)) return false;
    if (!transaction.commit()) {
        error_ = transaction.error();
        return false;
    }
    return true;
}

bool LayoutUpgrade::addImportedFlag() {
    // Every declaration of an old database counts as imported: true, stored as 1.
    return addColumnIfMissing(QStringLiteral("vexas"), QStringLiteral("Importado"), QStringLiteral("boolean"),
                              {QStringLiteral("update vexas set Importado = 1")});
}

bool LayoutUpgrade::addRateDifferential() {
    return addColumnIfMissing(QStringLiteral("Aliquota"), QStringLiteral("VlrDifAliquota"), QStringLiteral("float"));
}

bool LayoutUpgrade::copyIntoWorkTable(const QString& table, const QString& amountColumn) {
    // Read whole before the inserts: PostgreSQL streams a forward-only read,
    // and a statement run meanwhile would cut it short.
    QSqlQuery read(database());
    if (!read.exec(QStringLiteral("SELECT ie, ano, mes, retificacao, uf, DomicilioFiscal, VlrContabil, "
                                  "VlrBaseCalculo, %1, CidadeID FROM %2")
                       .arg(amountColumn, table))) {
        error_ = read.lastError().text();
        return false;
    }
    QSqlQuery insert(database());
    insert.prepare(QStringLiteral(
        "INSERT INTO Aliquota2 (ie, ano, mes, retificacao, uf, DomicilioFiscal, VlrContabil, VlrBaseCalculo, "
        "VlrDifAliquota, CidadeID) VALUES(:ie, :ano, :mes, :retificacao, :uf, :DomicilioFiscal, :VlrContabil, "
        ":VlrBaseCalculo, :VlrDifAliquota, :CidadeID)"));
    while (read.next()) {
        insert.bindValue(QStringLiteral(":ie"), asText(read.value(0)));
        insert.bindValue(QStringLiteral(":ano"), asText(read.value(1)));
        insert.bindValue(QStringLiteral(":mes"), asText(read.value(2)));
        insert.bindValue(QStringLiteral(":retificacao"), asText(read.value(3)));
        insert.bindValue(QStringLiteral(":uf"), asText(read.value(4)));
        insert.bindValue(QStringLiteral(":DomicilioFiscal"), asText(read.value(5)));
        insert.bindValue(QStringLiteral(":VlrContabil"), asFloat(read.value(6)));
        insert.bindValue(QStringLiteral(":VlrBaseCalculo"), asFloat(read.value(7)));
        insert.bindValue(QStringLiteral(":VlrDifAliquota"), asFloat(read.value(8)));
        insert.bindValue(QStringLiteral(":CidadeID"), asInteger(read.value(9)));
        if (!insert.exec()) {
            error_ = insert.lastError().text();
            return false;
        }
    }
    if (read.lastError().isValid()) {
        error_ = read.lastError().text();
        return false;
    }
    return true;
}

bool LayoutUpgrade::copyBackFromWorkTable(const QString& table, const QString& amountColumn) {
    QSqlQuery read(database());   // whole, as above
    if (!read.exec(QStringLiteral("SELECT ie, ano, mes, retificacao, uf, DomicilioFiscal, VlrContabil, "
                                  "VlrBaseCalculo, VlrDifAliquota, CidadeID FROM Aliquota2"))) {
        error_ = read.lastError().text();
        return false;
    }
    QSqlQuery insert(database());
    insert.prepare(QStringLiteral("INSERT INTO %1 (ie, ano, mes, retificacao, uf, DomicilioFiscal, VlrContabil, "
                                  "VlrBaseCalculo, %2, CidadeID) VALUES(:ie, :ano, :mes, :retificacao, :uf, "
                                  ":DomicilioFiscal, :VlrContabil, :VlrBaseCalculo, :%2, :CidadeID)")
                       .arg(table, amountColumn));
    while (read.next()) {
        insert.bindValue(QStringLiteral(":ie"), read.value(0));
        insert.bindValue(QStringLiteral(":ano"), read.value(1));
        insert.bindValue(QStringLiteral(":mes"), read.value(2));
        insert.bindValue(QStringLiteral(":retificacao"), read.value(3));
        insert.bindValue(QStringLiteral(":uf"), read.value(4));
        insert.bindValue(QStringLiteral(":DomicilioFiscal"), read.value(5));
        insert.bindValue(QStringLiteral(":VlrContabil"), read.value(6));
        insert.bindValue(QStringLiteral(":VlrBaseCalculo"), read.value(7));
        insert.bindValue(QLatin1Char(':') + amountColumn, read.value(8));
        insert.bindValue(QStringLiteral(":CidadeID"), read.value(9));
        if (!insert.exec()) {
            error_ = insert.lastError().text();
            return false;
        }
    }
    if (read.lastError().isValid()) {
        error_ = read.lastError().text();
        return false;
    }
    return true;
}

// The rate became part of the table's key: the rows go through the work table
// Aliquota2 while the table is made again. All in one transaction, so that a
// failure anywhere leaves the old table with every row.
bool LayoutUpgrade::rebuildRateTable(const QString& table, const QString& rateColumn, const QString& amountColumn,
                                     const QString& createStatement) {
    bool lacking = false;
    if (!lacks(table, rateColumn, &lacking)) return false;
    if (!lacking) return true;

    Transaction transaction(database());
    if (!transaction.started()) {
        error_ = transaction.error();
        return false;
    }
    // SQLite takes the statement as it stands; on PostgreSQL the table is made
    // as every new database has it, with its key index.
    QStringList create{createStatement};
    if (engineOf(database()) == Engine::PostgreSQL) {
        const schema::Table* t = schema::findTable(table);
        if (!t) {
            error_ = QStringLiteral("tabela desconhecida: %1").arg(table);
            return false;
        }
        create = {schema::createTableStatement(*t, Engine::PostgreSQL),
                  schema::createIndexStatement(t->name, {QString(), t->key}, Engine::PostgreSQL)};
    }
    bool done = exec(QStringLiteral("DELETE FROM Aliquota2")) && copyIntoWorkTable(table, amountColumn) &&
                exec(QStringLiteral("DROP TABLE %1").arg(table));
    for (const QString& sql : create) done = done && exec(sql);
    done = done && copyBackFromWorkTable(table, amountColumn) && exec(QStringLiteral("DELETE FROM Aliquota2"));
    if (!done) return false;   // rolled back
    if (!transaction.commit()) {
        error_ = transaction.error();
        return false;
    }
    return true;
}

bool LayoutUpgrade::rebuildRateDifferential() {
    const QStringList lines = {
        QStringLiteral("CREATE TABLE Aliquota("), QStringLiteral("IE char(11),"), QStringLiteral("Ano char(4),"),
        QStringLiteral("Mes char(2),"), QStringLiteral("Retificacao char(2),"), QStringLiteral("UF char(2),"),
        QStringLiteral("DomicilioFiscal char(1),"), QStringLiteral("Aliquota float,"),
        QStringLiteral("VlrContabil float,"), QStringLiteral("VlrBaseCalculo float,"),
        QStringLiteral("VlrDifAliquota float,"), QStringLiteral("CidadeID integer,"),
        QStringLiteral("PRIMARY KEY(IE, Ano, Mes, Retificacao, UF, DomicilioFiscal, Aliquota))")};
    return rebuildRateTable(QStringLiteral("Aliquota"), QStringLiteral("Aliquota"), QStringLiteral("VlrDifAliquota"),
                            lines.join(QLatin1Char('\n')));
}

bool LayoutUpgrade::rebuildRateComplement() {
    const QStringList lines = {
        QStringLiteral("CREATE TABLE AliquotaComp("), QStringLiteral("IE char(11),"), QStringLiteral("Ano char(4),"),
        QStringLiteral("Mes char(2),"), QStringLiteral("Retificacao char(2),"), QStringLiteral("UF char(2),"),
        QStringLiteral("DomicilioFiscal char(1),"), QStringLiteral("AliquotaComp float,"),
        QStringLiteral("VlrContabil float,"), QStringLiteral("VlrBaseCalculo float,"),
        QStringLiteral("VlrComAliquota float,"), QStringLiteral("CidadeID integer,"),
        QStringLiteral("PRIMARY KEY(IE, Ano, Mes, Retificacao, UF, DomicilioFiscal, AliquotaComp))")};
    return rebuildRateTable(QStringLiteral("AliquotaComp"), QStringLiteral("AliquotaComp"),
                            QStringLiteral("VlrComAliquota"), lines.join(QLatin1Char('\n')));
}

// Each row without a rate gets the internal rate of its state. The row is
// found by its key columns (null-safe) and only while its rate is still null,
// so that no other row of the same state and domicile is touched. A state
// without a rate in AliquotaUF leaves the row as it is.
bool LayoutUpgrade::fillRates(const QString& table, const QString& rateColumn) {
    struct Row {
        QVariantList key;   // ie, ano, mes, retificacao, uf, domiciliofiscal
    };
    QList<Row> rows;
    {
        QSqlQuery read(database());
        read.setForwardOnly(true);
        if (!read.exec(QStringLiteral("select ie, ano, mes, retificacao, uf, domiciliofiscal, %1 from %2 "
                                      "where %1 is null")
                           .arg(rateColumn, table))) {
            error_ = read.lastError().text();
            return false;
        }
        while (read.next()) {
            Row r;
            for (int i = 0; i < 6; ++i) r.key << read.value(i);
            rows << r;
        }
    }
    if (rows.isEmpty()) return true;

    Transaction transaction(database());
    QHash<QString, QVariant> rates;
    QSqlQuery rateOf(database());
    rateOf.prepare(QStringLiteral("select Aliquota from AliquotaUf where CodigoUf = :codigoUF"));
    QSqlQuery update(database());
    update.prepare(QStringLiteral("update %1 set %2 = ? where ie IS NOT DISTINCT FROM ? and ano IS NOT DISTINCT "
                                  "FROM ? and mes IS NOT DISTINCT FROM ? and retificacao IS NOT DISTINCT FROM ? and "
                                  "uf IS NOT DISTINCT FROM ? and domiciliofiscal IS NOT DISTINCT FROM ? and %2 is null")
                       .arg(table, rateColumn));
    for (const Row& r : rows) {
        const QString uf = r.key[4].toString();
        if (!rates.contains(uf)) {
            rateOf.bindValue(QStringLiteral(":codigoUF"), uf);
            if (!rateOf.exec()) {
                error_ = rateOf.lastError().text();
                return false;
            }
            rates.insert(uf, rateOf.next() ? rateOf.value(0) : QVariant());
            rateOf.finish();
        }
        const QVariant rate = rates.value(uf);
        if (rate.isNull()) continue;
        update.bindValue(0, rate.toDouble());
        for (int i = 0; i < r.key.size(); ++i) update.bindValue(i + 1, r.key[i]);
        if (!update.exec()) {
            error_ = update.lastError().text();
            return false;
        }
    }
    if (!transaction.commit()) {
        error_ = transaction.error();
        return false;
    }
    return true;
}

bool LayoutUpgrade::fillMissingRates() {
    return fillRates(QStringLiteral("aliquota"), QStringLiteral("aliquota")) &&
           fillRates(QStringLiteral("aliquotaComp"), QStringLiteral("aliquotaComp"));
}

bool LayoutUpgrade::addRateComplementItems() {
    return addColumnIfMissing(QStringLiteral("vexas"), QStringLiteral("C79"), QStringLiteral("float")) &&
           addColumnIfMissing(QStringLiteral("vexas"), QStringLiteral("C710"), QStringLiteral("float"));
}

bool LayoutUpgrade::addLawPeriods() {
    return addColumnIfMissing(QStringLiteral("leis"), QStringLiteral("PerRLeiIni"), QStringLiteral("Date"),
                              {QStringLiteral("alter table leis add PerRLeiFim %1")
                                   .arg(upgradeType(engineOf(database()), QStringLiteral("Date")))});
}

bool LayoutUpgrade::fillDeclarationDefaults() {
    for (const char* sql : {"UPDATE vexas SET C72=0 WHERE C72 IS NULL", "UPDATE vexas SET C76=0 WHERE C76 IS NULL",
                            "UPDATE vexas SET C62=0 WHERE C62 IS NULL", "UPDATE vexas SET C74=0 WHERE C74 IS NULL",
                            "DELETE FROM vexas WHERE IE IS NULL"})
        if (!exec(QString::fromLatin1(sql))) return false;
    return true;
}

bool LayoutUpgrade::addTaxpayerState() {
    return addColumnIfMissing(QStringLiteral("Contribuintes"), QStringLiteral("UF"), QStringLiteral("char(2)"),
                              {QStringLiteral("update Contribuintes set UF ='QX'")});
}

bool LayoutUpgrade::addTaxpayerRegime() {
    return addColumnIfMissing(QStringLiteral("Contribuintes"), QStringLiteral("TipoRegime"), QStringLiteral("char(1)"),
                              {QStringLiteral("update Contribuintes set TipoRegime ='N'")});
}

bool LayoutUpgrade::addAccountantEmail() {
    return addColumnIfMissing(QStringLiteral("Declarante"), QStringLiteral("email"), QStringLiteral("char(50)"));
}

bool LayoutUpgrade::addTaxpayerEmail() {
    return addColumnIfMissing(QStringLiteral("Contribuintes"), QStringLiteral("EmailCont"), QStringLiteral("char(50)"));
}

// The change stamp of a declaration row: every save adds one, and a save of a
// row that another workstation saved since it was read is refused.
bool LayoutUpgrade::addRowVersion() {
    return addColumnIfMissing(QStringLiteral("vexas"), QStringLiteral("VersaoRegistro"), QStringLiteral("integer"),
                              {QStringLiteral("update vexas set VersaoRegistro = 0")});
}

bool LayoutUpgrade::hasLayoutVersion(bool* has) {
    QSqlQuery q(database());
    q.prepare(QStringLiteral("Select Count(*) from Controle where Versao = ?"));
    q.addBindValue(kLayoutVersion);
    if (!q.exec() || !q.next()) {
        error_ = q.lastError().text();
        return false;
    }
    *has = q.value(0).toInt() > 0;
    return true;
}

bool LayoutUpgrade::writeLayoutVersion() {
    Transaction transaction(database());
    if (!transaction.started()) {
        error_ = transaction.error();
        return false;
    }
    {
        QSqlQuery q(database());
        q.prepare(QStringLiteral("INSERT INTO Controle (Versao) VALUES (?)"));
        q.addBindValue(kLayoutVersion);
        if (!q.exec()) {
            // Another workstation that started at the same moment wrote it first.
            if (isKeyViolation(q.lastError())) return true;
            error_ = q.lastError().text();
            return false;
        }
    }
    if (!transaction.commit()) {
        error_ = transaction.error();
        return false;
    }
    return true;
}

bool LayoutUpgrade::ensureItem15Activity() {
    const QString code = QStringLiteral("3511501");
    QSqlQuery q(database());
    q.prepare(QStringLiteral("select cnae from CNAE15 where CNAE = (?)"));
    q.addBindValue(code);
    if (!q.exec()) {
        error_ = q.lastError().text();
        return false;
    }
    if (q.next()) return true;
    q.finish();
    return exec(QStringLiteral("insert into CNAE15 (CNAE) values (?)"), {code});
}

bool LayoutUpgrade::ensureRateComplementRevenue() {
    const QString code = QStringLiteral("105");
    QSqlQuery q(database());
    q.prepare(QStringLiteral("select * from tributos where CodigoID = (?)"));
    q.addBindValue(code);
    if (!q.exec()) {
        error_ = q.lastError().text();
        return false;
    }
    if (q.next()) return true;
    q.finish();
    return exec(QStringLiteral("insert into tributos (CodigoID,Descricao,ID,Tipo,Distribuicao) values (?, ?, ?, ?, ? )"),
                {code, QStringLiteral("ICMS Complementação de Alíquota"), QStringLiteral("90"), 4,
                 QStringLiteral("2")});
}

} // namespace vexa::storage
