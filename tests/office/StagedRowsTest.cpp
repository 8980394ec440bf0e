// Rows staged during a long unit and written at its end: the checks see them
// as they come, and a flush keeps their order however many statements it takes.

#include "OfficeFixture.h"

#include "storage/Database.h"
#include "storage/StagedRows.h"

#include <QSqlError>
#include <QSqlQuery>

using namespace vexa;
using namespace vexa::test;

namespace {

using StagedRowsTest = OfficeTest;

TEST_F(StagedRowsTest, ALargeUnitIsCheckedAsItComesAndWrittenWholeInItsOrder) {
    const int rows = 4000;   // ten values each: more than one statement of the flush
    storage::StagedRows staged({QStringLiteral("SaidasMun"), QStringLiteral("OutrosCred")});
    storage::Transaction unit;
    for (int i = 0; i < rows; ++i) {
        QSqlQuery q(staged.connection());
        ASSERT_TRUE(q.prepare(QStringLiteral("INSERT INTO SaidasMun (IE, Ano, Mes, Retificacao, MunicipioID, "
                                             "DomicilioFiscal, VlrContabil, Devolucoes, Total, CIdadeID) "
                                             "VALUES (?, '2024', '03', '00', ?, 'A', ?, 0, ?, NULL)")));
        for (const QVariant& v : QVariantList{kOfficeIE, 2900000 + (rows - i), i * 0.25, i * 0.25}) q.addBindValue(v);
        ASSERT_TRUE(q.exec());
    }
    QSqlQuery seen(staged.connection());
    ASSERT_TRUE(seen.exec(QStringLiteral("SELECT count(*) FROM SaidasMun WHERE MunicipioID = 2900001")) && seen.next());
    EXPECT_EQ(seen.value(0).toInt(), 1);
    seen = QSqlQuery();
    QString error;
    ASSERT_TRUE(staged.flush(&error)) << error.toStdString();
    ASSERT_TRUE(unit.commit());

    EXPECT_EQ(value(QStringLiteral("SELECT count(*) FROM SaidasMun")).toInt(), rows);
    // In the order they were added: the row number follows it.
    EXPECT_EQ(value(QStringLiteral("SELECT MunicipioID FROM SaidasMun ORDER BY Seq LIMIT 1")).toInt(), 2900000 + rows);
    EXPECT_DOUBLE_EQ(value(QStringLiteral("SELECT Total FROM SaidasMun ORDER BY Seq DESC LIMIT 1")).toDouble(),
                     (rows - 1) * 0.25);
    // Flushed rows are not written twice.
    ASSERT_TRUE(staged.flush(&error));
    EXPECT_EQ(value(QStringLiteral("SELECT count(*) FROM SaidasMun")).toInt(), rows);
}

// Each column goes to the server as one array: texts that look like the
// array's own syntax, empty texts, nulls and amounts come back as they were staged.
TEST_F(StagedRowsTest, ValuesComeBackExactlyAsStaged) {
    const QStringList pumps{QStringLiteral("a\"b"), QStringLiteral("c\\d"), QStringLiteral("{e,f}"),
                            QStringLiteral(""),     QStringLiteral("NULL"),  QStringLiteral(" ç ã "), QString()};
    const QList<double> amounts{0.1, 1e-300, 123456789.123, -0.5, 2.0 / 3.0, 0, 1e15};
    storage::StagedRows staged({QStringLiteral("Encerrantes"), QStringLiteral("OutrosCred")});
    storage::Transaction unit;
    for (int i = 0; i < pumps.size(); ++i) {
        QSqlQuery q(staged.connection());
        ASSERT_TRUE(q.prepare(QStringLiteral("INSERT INTO Encerrantes (IE, Ano, Mes, Retificacao, NSerieBomba, NBico, "
                                             "LeituraInicial, DataAlteracao) VALUES (?, '2024', '03', '00', ?, ?, ?, ?)")));
        for (const QVariant& v : QVariantList{kOfficeIE, pumps[i], i, i % 2 ? QVariant() : QVariant(i * 1000),
                                              i % 2 ? QStringLiteral("2024-03-0%1").arg(i + 1) : QVariant()})
            q.addBindValue(v);
        ASSERT_TRUE(q.exec()) << q.lastError().text().toStdString();
        q = QSqlQuery(staged.connection());
        ASSERT_TRUE(q.prepare(QStringLiteral("INSERT INTO OutrosCred (IE, Ano, Mes, Retificacao, CodLei, Valor) "
                                             "VALUES (?, '2024', '03', '00', ?, ?)")));
        for (const QVariant& v : QVariantList{kOfficeIE, i, amounts[i]}) q.addBindValue(v);
        ASSERT_TRUE(q.exec());
    }
    QString error;
    ASSERT_TRUE(staged.flush(&error)) << error.toStdString();
    ASSERT_TRUE(unit.commit());

    QSqlQuery back(storage::db());
    ASSERT_TRUE(back.exec(QStringLiteral("SELECT e.NSerieBomba, e.LeituraInicial, e.DataAlteracao, o.Valor FROM "
                                         "Encerrantes e JOIN OutrosCred o ON o.CodLei = e.NBico ORDER BY e.NBico")));
    for (int i = 0; i < pumps.size(); ++i) {
        ASSERT_TRUE(back.next());
        EXPECT_EQ(back.value(0).isNull(), pumps[i].isNull()) << i;
        EXPECT_EQ(back.value(0).toString(), pumps[i]) << i;
        EXPECT_EQ(back.value(1).isNull(), i % 2 == 1) << i;
        EXPECT_EQ(back.value(2).toString(), i % 2 ? QStringLiteral("2024-03-0%1").arg(i + 1) : QString()) << i;
        EXPECT_EQ(back.value(3).toDouble(), amounts[i]) << i;   // the same double, not a near one
    }
    EXPECT_FALSE(back.next());
}

// The unit's closing write goes with the staged rows on a server; on SQLite
// the caller runs it. Either way it is written once.
TEST_F(StagedRowsTest, TheClosingWriteIsWrittenOnceWithOrWithoutStagedRows) {
    addTaxpayer(kOfficeIE, QStringLiteral("ANTES"));
    for (const bool withRows : {true, false}) {
        storage::StagedRows staged({QStringLiteral("OutrosCred")});
        storage::Transaction unit;
        QSqlQuery q(staged.connection());
        if (withRows) {
            ASSERT_TRUE(q.exec(QStringLiteral("INSERT INTO OutrosCred (IE, Ano, Mes, Retificacao, CodLei, Valor) "
                                              "VALUES ('%1', '2024', '03', '00', 7, 1.5)").arg(kOfficeIE)));
        }
        storage::StagedRows::Then then{QStringLiteral("UPDATE Contribuintes SET RazaoSocial = ?, PortadorTare = ? "
                                                      "WHERE IE = ?"),
                                       {withRows ? QStringLiteral("COM LINHAS") : QStringLiteral("SEM LINHAS"), true,
                                        kOfficeIE}};
        QString error;
        ASSERT_TRUE(staged.flush(&error, &then)) << error.toStdString();
        if (!then.sent) {
            QSqlQuery w(storage::db());
            ASSERT_TRUE(w.prepare(then.statement));
            for (const QVariant& v : then.values) w.addBindValue(v);
            ASSERT_TRUE(w.exec()) << w.lastError().text().toStdString();
        }
        EXPECT_TRUE(!withRows || then.sent == onServer());
        ASSERT_TRUE(unit.commit());
        EXPECT_EQ(value(QStringLiteral("SELECT RazaoSocial FROM Contribuintes WHERE IE = '%1'").arg(kOfficeIE)).toString(),
                  withRows ? QStringLiteral("COM LINHAS") : QStringLiteral("SEM LINHAS"));
        EXPECT_EQ(value(QStringLiteral("SELECT PortadorTare FROM Contribuintes WHERE IE = '%1'").arg(kOfficeIE)).toInt(), 1);
    }
    EXPECT_EQ(value(QStringLiteral("SELECT count(*) FROM OutrosCred")).toInt(), 1);
}

} // namespace
