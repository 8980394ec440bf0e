#pragma once
// Shared pieces of the index tests: a fresh program folder holding the
// delivered tables (SELIC up to 07/2025, IGP-DI up to 04/2023), statements run
// straight on the database, and a snapshot of the index table to show that a
// refused update or file left it exactly as it was.

#include "support/TempProgramFolder.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <gtest/gtest.h>
#include <memory>

namespace vexa::test {

class IndicesTest : public ::testing::Test {
protected:
    void SetUp() override { folder_ = std::make_unique<TempProgramFolder>(); }
    void TearDown() override { folder_.reset(); }

    const TempProgramFolder& folder() const { return *folder_; }

    static QSqlQuery exec(const QString& sql, const QVariantList& values = {}) {
        QSqlQuery q(QSqlDatabase::database(QStringLiteral("Vexa")));
        EXPECT_TRUE(q.prepare(sql)) << q.lastError().text().toStdString();
        for (const QVariant& v : values) q.addBindValue(v);
        EXPECT_TRUE(q.exec()) << q.lastError().text().toStdString();
        return q;
    }

    // Every row of the table as "code|yyyy-mm-dd|value", in key order.
    static QStringList snapshot() {
        QSqlQuery q = exec(QStringLiteral("SELECT CodigoIndice, Data, Valor FROM IndicesEconomicos ORDER BY 1, 2"));
        QStringList rows;
        while (q.next())
            rows << QStringLiteral("%1|%2|%3").arg(q.value(0).toString(), q.value(1).toString(),
                                                   QString::number(q.value(2).toDouble(), 'g', 17));
        return rows;
    }

    // The value stored for the month; -1 when none.
    static double stored(int code, const char* isoDate) {
        QSqlQuery q = exec(QStringLiteral("SELECT Valor FROM IndicesEconomicos WHERE CodigoIndice = ? AND Data = ?"),
                           {code, QString::fromLatin1(isoDate)});
        return q.next() ? q.value(0).toDouble() : -1;
    }

private:
    std::unique_ptr<TempProgramFolder> folder_;
};

} // namespace vexa::test
