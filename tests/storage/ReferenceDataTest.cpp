// Reading the delivered CSV files: quoting, line ends, and every way a file
// replaced by a deployment can be wrong.
#include "storage/Csv.h"
#include "storage/ReferenceData.h"
#include "storage/Schema.h"
#include "storage/StorageTestSupport.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vexa;
using namespace vexa::test;

namespace {
QString parseError(const QByteArray& text) {
    storage::CsvContent csv;
    QString error;
    return storage::parseCsv(text, &csv, &error) ? QString() : error;
}
} // namespace

TEST(Csv, ReadsQuotedFieldsLineBreaksAndNulls) {
    storage::CsvContent csv;
    QString error;
    ASSERT_TRUE(storage::parseCsv("\xEF\xBB\xBF" "a,b,c\r\n"
                                  "\"x, \"\"y\"\"\",,\"line one\nline two\"\r\n"
                                  "\n"
                                  "1,\"\",3",
                                  &csv, &error))
        << error.toStdString();
    EXPECT_EQ(csv.header, (QStringList{"a", "b", "c"}));
    ASSERT_EQ(csv.records.size(), 2);
    EXPECT_EQ(csv.records[0].fields[0], QStringLiteral("x, \"y\""));
    EXPECT_TRUE(csv.records[0].fields[1].isNull());
    EXPECT_EQ(csv.records[0].fields[2], QStringLiteral("line one\nline two"));
    EXPECT_EQ(csv.records[1].line, 5);   // after the two-line record and the blank line
    EXPECT_TRUE(csv.records[1].fields[1].isNull());
}

TEST(Csv, RefusesMalformedText) {
    EXPECT_TRUE(parseError("a,b\n\"open,1\n").contains(QStringLiteral("linha 2")));
    EXPECT_FALSE(parseError("a,b\n\"x\"y,1\n").isEmpty());
    EXPECT_FALSE(parseError("a,b\nx\"y,1\n").isEmpty());
    EXPECT_TRUE(parseError("a,b\n1,2\n1,2,3\n").contains(QStringLiteral("linha 3")));
    EXPECT_FALSE(parseError("a,b\n\xC3" "(,1\n").isEmpty());   // not UTF-8
    EXPECT_FALSE(parseError("").isEmpty());
    EXPECT_FALSE(parseError("\n\n").isEmpty());
}

TEST(ReferenceValue, ChecksEachColumnType) {
    using storage::schema::Column;
    using storage::schema::Type;
    QVariant v;
    QString why;
    EXPECT_TRUE(storage::referenceValue({"X", Type::Float, 0, {}}, QStringLiteral("17.5"), &v, &why));
    EXPECT_EQ(v.toDouble(), 17.5);
    EXPECT_FALSE(storage::referenceValue({"X", Type::Float, 0, {}}, QStringLiteral("17,5"), &v, &why));
    EXPECT_FALSE(storage::referenceValue({"X", Type::Float, 0, {}}, QStringLiteral("1.234.5"), &v, &why));
    EXPECT_TRUE(storage::referenceValue({"X", Type::Integer, 0, {}}, QStringLiteral("-12"), &v, &why));
    EXPECT_FALSE(storage::referenceValue({"X", Type::Integer, 0, {}}, QStringLiteral("99999999999"), &v, &why));
    EXPECT_FALSE(storage::referenceValue({"X", Type::SmallInt, 0, {}}, QStringLiteral("40000"), &v, &why));
    EXPECT_FALSE(storage::referenceValue({"X", Type::Boolean, 0, {}}, QStringLiteral("true"), &v, &why));
    EXPECT_TRUE(storage::referenceValue({"X", Type::Date, 0, {}}, QStringLiteral("2024-02-29"), &v, &why));
    EXPECT_FALSE(storage::referenceValue({"X", Type::Date, 0, {}}, QStringLiteral("2023-02-29"), &v, &why));
    EXPECT_FALSE(storage::referenceValue({"X", Type::Date, 0, {}}, QStringLiteral("01/02/2023"), &v, &why));
    EXPECT_TRUE(storage::referenceValue({"X", Type::Text, 3, {}}, QStringLiteral("Açú"), &v, &why));   // characters, not bytes
    EXPECT_FALSE(storage::referenceValue({"X", Type::Text, 3, {}}, QStringLiteral("Açúc"), &v, &why));
    EXPECT_TRUE(storage::referenceValue({"X", Type::Integer, 0, {}}, QString(), &v, &why));
    EXPECT_TRUE(v.isNull());
}

class ReferenceFile : public ::testing::Test {
protected:
    void SetUp() override {
        db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("ReferenceFileTest"));
        db_.setDatabaseName(QStringLiteral(":memory:"));
        ASSERT_TRUE(db_.open());
        QString error;
        ASSERT_TRUE(storage::schema::createAll(db_, &error)) << error.toStdString();
    }
    void TearDown() override {
        db_.close();
        db_ = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("ReferenceFileTest"));
    }
    QString load(const QString& name, const QByteArray& text) {
        const QString path = dir_.filePath(name);
        writeFile(path, text);
        QString error;
        return storage::loadReferenceFile(db_, path, &error) ? QString() : error;
    }
    int count(const QString& table) {
        QSqlQuery q(db_);
        q.exec(QStringLiteral("SELECT count(*) FROM ") + table);
        return q.next() ? q.value(0).toInt() : -1;
    }
    QTemporaryDir dir_;
    QSqlDatabase db_;
};

TEST_F(ReferenceFile, NamesFileLineAndColumnOfEveryFault) {
    EXPECT_TRUE(load(QStringLiteral("Nada.csv"), "a\n1\n").contains(QStringLiteral("Nada.csv")));
    const QString unknown = load(QStringLiteral("UF.csv"), "Codigo,Nome\n29,x\n");
    EXPECT_TRUE(unknown.contains(QStringLiteral("UF.csv")) && unknown.contains(QStringLiteral("Nome")))
        << unknown.toStdString();
    const QString badRate = load(QStringLiteral("AliquotaUF.csv"), "CodigoUF,Aliquota\n29,18\n35,\"12,5\"\n");
    EXPECT_TRUE(badRate.contains(QStringLiteral("linha 3")) && badRate.contains(QStringLiteral("Aliquota")))
        << badRate.toStdString();
    const QString repeated = load(QStringLiteral("CNAE15.csv"), "CNAE\n4731800\n4731800\n");
    EXPECT_TRUE(repeated.contains(QStringLiteral("linha 3"))) << repeated.toStdString();
    EXPECT_FALSE(load(QStringLiteral("cfop.csv"), "CFOP,Ano,CFOP\n1,2,3\n").isEmpty());
    // None of the refused files left a row.
    EXPECT_EQ(count(QStringLiteral("UF")), 0);
    EXPECT_EQ(count(QStringLiteral("AliquotaUF")), 0);
    EXPECT_EQ(count(QStringLiteral("CNAE15")), 0);
}

TEST_F(ReferenceFile, TableAndColumnNamesIgnoreCaseAndOrder) {
    EXPECT_TRUE(load(QStringLiteral("municipios.csv"), "uf,codigoid,DESCRICAO\nQX,2900001,Vila d'Água\n").isEmpty());
    QSqlQuery q(db_);
    q.exec(QStringLiteral("SELECT CodigoID, Descricao, UF FROM Municipios"));
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toString(), QStringLiteral("2900001"));
    EXPECT_EQ(q.value(1).toString(), QStringLiteral("Vila d'Água"));
    EXPECT_EQ(q.value(2).toString(), QStringLiteral("QX"));
}
