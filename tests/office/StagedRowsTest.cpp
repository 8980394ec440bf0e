// Rows staged during a long unit and written at its end: the checks see them
// as they come, and a flush keeps their order however many statements it takes.

#include "OfficeFixture.h"

#include "storage/Database.h"
#include "storage/StagedRows.h"

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

} // namespace
