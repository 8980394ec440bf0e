#include "storage/LayoutUpgrade.h"

#include "storage/Database.h"
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

bool LayoutUpgrade::exec(const QString& sql, const QVariantList& values) {
    QSqlQuery q(db());
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
    if (!schema::columnNames(db(), table, &names, &error_)) return false;
    *lacking = true;
    for (const QString& n : names)
        if (n.toLower() == column.toLower()) *lacking = false;
    return true;
}

bool LayoutUpgrade::addColumnIfMissing(const QString& table, const QString& column, const QStringList& statements) {
    bool lacking = false;
    if (!lacks(table, column, &lacking)) return false;
    if (!lacking) return true;
    for (const QString& sql : statements)
        if (!exec(sql)) return false;
    return true;
}

bool LayoutUpgrade::addImportedFlag() {
    return addColumnIfMissing(QStringLiteral("Vexas"), QStringLiteral("Importado"),
                              {QStringLiteral("alter table vexas add Importado boolean "),
                               QStringLiteral("update vexas set Importado = true ")});
}

bool LayoutUpgrade::addRateDifferential() {
    return addColumnIfMissing(QStringLiteral("Aliquota"), QStringLiteral("VlrDifAliquota"),
                              {QStringLiteral("alter table Aliquota add VlrDifAliquota float")});
}

bool LayoutUpgrade::copyIntoWorkTable(const QString& table, const QString& amountColumn) {
    QSqlQuery read(db());
    read.setForwardOnly(true);
    if (!read.exec(QStringLiteral("SELECT ie, ano, mes, retificacao, uf, DomicilioFiscal, VlrContabil, "
                                  "VlrBaseCalculo, %1, CidadeID FROM %2")
                       .arg(amountColumn, table))) {
        error_ = read.lastError().text();
        return false;
    }
    QSqlQuery insert(db());
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
    QSqlQuery read(db());
    read.setForwardOnly(true);
    if (!read.exec(QStringLiteral("SELECT ie, ano, mes, retificacao, uf, DomicilioFiscal, VlrContabil, "
                                  "VlrBaseCalculo, VlrDifAliquota, CidadeID FROM Aliquota2"))) {
        error_ = read.lastError().text();
        return false;
    }
    QSqlQuery insert(db());
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

    Transaction transaction;
    if (!transaction.started()) {
        error_ = db().lastError().text();
        return false;
    }
    const bool done = exec(QStringLiteral("DELETE FROM Aliquota2")) && copyIntoWorkTable(table, amountColumn) &&
                      exec(QStringLiteral("DROP TABLE %1").arg(table)) && exec(createStatement) &&
                      copyBackFromWorkTable(table, amountColumn) && exec(QStringLiteral("DELETE FROM Aliquota2"));
    if (!done) return false;   // rolled back
    if (!transaction.commit()) {
        error_ = db().lastError().text();
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
        QSqlQuery read(db());
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

    Transaction transaction;
    QHash<QString, QVariant> rates;
    QSqlQuery rateOf(db());
    rateOf.prepare(QStringLiteral("select Aliquota from AliquotaUf where CodigoUf = :codigoUF"));
    QSqlQuery update(db());
    update.prepare(QStringLiteral("update %1 set %2 = ? where ie IS ? and ano IS ? and mes IS ? and "
                                  "retificacao IS ? and uf IS ? and domiciliofiscal IS ? and %2 is null")
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
        error_ = db().lastError().text();
        return false;
    }
    return true;
}

bool LayoutUpgrade::fillMissingRates() {
    return fillRates(QStringLiteral("aliquota"), QStringLiteral("aliquota")) &&
           fillRates(QStringLiteral("aliquotaComp"), QStringLiteral("aliquotaComp"));
}

bool LayoutUpgrade::addRateComplementItems() {
    return addColumnIfMissing(QStringLiteral("Vexas"), QStringLiteral("C79"),
                              {QStringLiteral("alter table vexas add C79 float")}) &&
           addColumnIfMissing(QStringLiteral("Vexas"), QStringLiteral("C710"),
                              {QStringLiteral("alter table vexas add C710 float")});
}

bool LayoutUpgrade::addLawPeriods() {
    return addColumnIfMissing(QStringLiteral("leis"), QStringLiteral("PerRLeiIni"),
                              {QStringLiteral("alter table leis add PerRLeiIni Date"),
                               QStringLiteral("alter table leis add PerRLeiFim Date")});
}

bool LayoutUpgrade::fillDeclarationDefaults() {
    for (const char* sql : {"UPDATE vexas SET C72=0 WHERE C72 IS NULL", "UPDATE vexas SET C76=0 WHERE C76 IS NULL",
                            "UPDATE vexas SET C62=0 WHERE C62 IS NULL", "UPDATE vexas SET C74=0 WHERE C74 IS NULL",
                            "DELETE FROM vexas WHERE IE IS NULL"})
        if (!exec(QString::fromLatin1(sql))) return false;
    return true;
}

bool LayoutUpgrade::addTaxpayerState() {
    return addColumnIfMissing(QStringLiteral("Contribuintes"), QStringLiteral("UF"),
                              {QStringLiteral("alter table Contribuintes add UF char(2)"),
                               QStringLiteral("update Contribuintes set UF ='QX'")});
}

bool LayoutUpgrade::addTaxpayerRegime() {
    return addColumnIfMissing(QStringLiteral("Contribuintes"), QStringLiteral("TipoRegime"),
                              {QStringLiteral("alter table Contribuintes add TipoRegime char(1)"),
                               QStringLiteral("update Contribuintes set TipoRegime ='N'")});
}

bool LayoutUpgrade::addAccountantEmail() {
    return addColumnIfMissing(QStringLiteral("Declarante"), QStringLiteral("email"),
                              {QStringLiteral("alter table Declarante add email char(50)")});
}

bool LayoutUpgrade::addTaxpayerEmail() {
    return addColumnIfMissing(QStringLiteral("Contribuintes"), QStringLiteral("EmailCont"),
                              {QStringLiteral("alter table Contribuintes add EmailCont char(50)")});
}

bool LayoutUpgrade::hasLayoutVersion(bool* has) {
    QSqlQuery q(db());
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
    Transaction transaction;
    if (!transaction.started()) {
        error_ = db().lastError().text();
        return false;
    }
    if (!exec(QStringLiteral("INSERT INTO Controle (Versao) VALUES (?)"), {kLayoutVersion})) return false;
    if (!transaction.commit()) {
        error_ = db().lastError().text();
        return false;
    }
    return true;
}

bool LayoutUpgrade::ensureItem15Activity() {
    const QString code = QStringLiteral("3511501");
    QSqlQuery q(db());
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
    QSqlQuery q(db());
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
