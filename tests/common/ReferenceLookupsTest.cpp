#include "support/EngineSql.h"
#include "common/ErrorLog.h"
#include "common/StateCodes.h"
#include "storage/Database.h"
#include "storage/ReferenceLookups.h"
#include "support/TempProgramFolder.h"

#include <QSqlError>
#include <QSqlQuery>
#include <memory>
#include <gtest/gtest.h>

using namespace vexa;
using namespace vexa::storage;

namespace {

// A fresh program folder whose reference and registry tables are emptied and
// refilled with just the rows these lookups read.
class ReferenceLookupsTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::make_unique<test::TempProgramFolder>();
        for (const char* table : {"Contribuintes", "Declarante", "Atividades", "CNAE15", "Municipios", "UF",
                                  "AliquotaUF", "Tributos", "Vexas", "Encerrantes", "Tare", "Leis", "LeisD",
                                  "LeisDeb", "cfop", "IndicesEconomicos"})
            exec(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table)));
        for (const char* sql : kRows) exec(QString::fromUtf8(sql));
        setUnhandledErrorHandler([this](const QString& m) { errors_ << m; });
    }
    void TearDown() override {
        setUnhandledErrorHandler({});
        folder_.reset();
    }

    void exec(const QString& sql, const QVariantList& values = {}) {
        QSqlQuery q(storage::db());
        ASSERT_TRUE(q.prepare(sql)) << sql.toStdString() << ": " << q.lastError().text().toStdString();
        for (const QVariant& v : values) q.addBindValue(v);
        ASSERT_TRUE(q.exec()) << sql.toStdString() << ": " << q.lastError().text().toStdString();
    }
    void declaration(const QString& ie, const QString& ano, const QString& mes, const QString& ret,
                     const QString& tipoEncerrante = {}) {
        exec(QStringLiteral("INSERT INTO Vexas (IE, Ano, Mes, Retificacao, TipoEncerrante) VALUES (?,?,?,?,?)"),
             {ie, ano, mes, ret, tipoEncerrante});
    }

    static constexpr const char* kRows[] = {
        "INSERT INTO UF (Codigo, UF) VALUES ('29','QX'), ('35','SP'), ('90','EX'), ('19','RJ')",
        "INSERT INTO AliquotaUF (CodigoUF, Aliquota, AliquotaN, AliquotaCF) VALUES ('29', 20.5, 12, 18), "
        "('19', 22, 12, 20)",
        "INSERT INTO Municipios (CodigoID, Descricao, ID, CodIBGE, UF) VALUES "
        "('2900108','Abaré','001',2900108,'QX'), ('2900207','Água Fria','002',2900207,'QX'), "
        "('2904001','Barra do Rio','040',2904001,'QX'), ('3550308','São Paulo','001',3550308,'SP'), "
        "('3304557','Rio de Janeiro','001',3304557,'RJ')",
        "INSERT INTO cfop (CFOP, Ano, Descricao) VALUES (5102, 2017, 'Venda'), (5102, 2022, 'Venda'), "
        "(5117, 2017, 'Venda a ordem'), (6110, 2022, 'Venda'), (1101, 2019, 'Compra')",
    };

    std::unique_ptr<test::TempProgramFolder> folder_;
    QStringList errors_;
};

} // namespace

TEST_F(ReferenceLookupsTest, QuotesAndAccentsAreJustPartOfTheValue) {
    exec(QStringLiteral("INSERT INTO Contribuintes (IE, RazaoSocial) VALUES (?, ?)"),
         {QStringLiteral("290000009"), QStringLiteral("CASA D'ÁGUA COMÉRCIO LTDA")});
    EXPECT_EQ(TaxpayerIEByName(QStringLiteral("CASA D'ÁGUA COMÉRCIO LTDA")), QStringLiteral("290000009"));
    EXPECT_TRUE(TaxpayerExists(QStringLiteral("290000009")));
    EXPECT_FALSE(TaxpayerExists(QStringLiteral("x' OR '1'='1")));
    EXPECT_EQ(TaxpayerIEByName(QStringLiteral("x' OR '1'='1")), QString());
    EXPECT_FALSE(TaxpayerExists(QString()));

    exec(QStringLiteral("INSERT INTO Declarante (Nome, CRC, UF) VALUES ('JOÃO D''ÁVILA', 'QX-0''1', 'QX')"));
    EXPECT_TRUE(AccountantExists(QStringLiteral("QX-0'1"), QStringLiteral("QX")));
    EXPECT_FALSE(AccountantExists(QStringLiteral("QX-0'1"), QStringLiteral("SP")));

    exec(QStringLiteral("INSERT INTO Atividades (Codigo, Descricao) VALUES ('4731800', 'Comércio varejista de combustíveis')"));
    EXPECT_TRUE(ActivityExists(QStringLiteral("4731800")));
    EXPECT_EQ(ActivityDescription(QStringLiteral("4731800")), QStringLiteral("Comércio varejista de combustíveis"));
    EXPECT_FALSE(ActivityExists(QStringLiteral("4731800'")));
    EXPECT_TRUE(errors_.isEmpty()) << errors_.join(u'\n').toStdString();
}

TEST_F(ReferenceLookupsTest, DeclarationsOfATaxpayer) {
    const QString ie = QStringLiteral("290000009");
    EXPECT_FALSE(TaxpayerHasDeclarations(ie));
    EXPECT_EQ(LatestRectification(ie, QStringLiteral("2024"), QStringLiteral("01")), QString());
    EXPECT_EQ(LatestTipoEncerrante(ie), QString());

    declaration(ie, QStringLiteral("2023"), QStringLiteral("12"), QStringLiteral("00"), QStringLiteral("A"));
    declaration(ie, QStringLiteral("2024"), QStringLiteral("01"), QStringLiteral("00"), QStringLiteral("B"));
    declaration(ie, QStringLiteral("2024"), QStringLiteral("01"), QStringLiteral("01"), QStringLiteral("C"));
    declaration(ie, QStringLiteral("2024"), QStringLiteral("01"), QStringLiteral("02"), QStringLiteral("D"));
    declaration(QStringLiteral("290000050"), QStringLiteral("2025"), QStringLiteral("01"), QStringLiteral("00"),
                QStringLiteral("E"));
    EXPECT_TRUE(TaxpayerHasDeclarations(ie));
    EXPECT_EQ(LatestRectification(ie, QStringLiteral("2024"), QStringLiteral("01")), QStringLiteral("02"));
    EXPECT_EQ(LatestRectification(ie, QStringLiteral("2024"), QStringLiteral("02")), QString());
    // The latest period, and within it the lowest rectification.
    EXPECT_EQ(LatestTipoEncerrante(ie), QStringLiteral("B"));

    exec(QStringLiteral("INSERT INTO Encerrantes (IE, Ano, Mes, Retificacao, NSerieBomba, NBico, Produto) VALUES (?,?,?,?,?,?,?)"),
         {ie, QStringLiteral("2024"), QStringLiteral("01"), QStringLiteral("00"), QStringLiteral("BX'7"), 3, 2});
    EXPECT_EQ(NozzleProduct(ie, QStringLiteral("2024"), QStringLiteral("01"), QStringLiteral("00"),
                            QStringLiteral("BX'7"), 3), 2);
    EXPECT_EQ(NozzleProduct(ie, QStringLiteral("2024"), QStringLiteral("01"), QStringLiteral("00"),
                            QStringLiteral("BX'7"), 4), 0);

    EXPECT_FALSE(DeclarationHasTare(ie, QStringLiteral("2024"), QStringLiteral("01"), QStringLiteral("00")));
    exec(QStringLiteral("INSERT INTO Tare (IE, Ano, Mes, Retificacao, NumeroTare) VALUES (?, '2024', '01', '00', '123')"), {ie});
    EXPECT_TRUE(DeclarationHasTare(ie, QStringLiteral("2024"), QStringLiteral("01"), QStringLiteral("00")));
    EXPECT_FALSE(DeclarationHasTare(ie, QStringLiteral("2024"), QStringLiteral("01"), QStringLiteral("01")));
}

TEST_F(ReferenceLookupsTest, StatesMunicipalitiesAndRates) {
    EXPECT_EQ(NumericStateCode(QStringLiteral("QX")), QStringLiteral("29"));
    EXPECT_EQ(LetterStateCode(QStringLiteral("90")), QStringLiteral("EX"));
    EXPECT_EQ(LetterStateCode(QStringLiteral("09")), QString());
    EXPECT_DOUBLE_EQ(InternalRate(QStringLiteral("29")), 20.5);
    EXPECT_DOUBLE_EQ(InternalRate(QStringLiteral("35")), 0.0);

    EXPECT_TRUE(IsHomeStateMunicipality(2900207));
    EXPECT_FALSE(IsHomeStateMunicipality(3550308));
    EXPECT_EQ(MunicipalityNameByIBGE(3550308), QStringLiteral("São Paulo"));
    EXPECT_EQ(MunicipalityNameByIBGE(1), QString());

    auto names = [](const QList<MunicipalityRow>& rows) {
        QStringList out;
        for (const auto& r : rows) out << r.descricao;
        return out;
    };
    EXPECT_EQ(names(MunicipalityList(0)),
              (QStringList{QStringLiteral("Abaré"), QStringLiteral("Água Fria"), QStringLiteral("Barra do Rio")}));
    EXPECT_EQ(names(MunicipalityList(1, QStringLiteral("SP"))), QStringList{QStringLiteral("São Paulo")});
    EXPECT_EQ(names(MunicipalityList(1, QStringLiteral("RJ"))), QStringList{QStringLiteral("Rio de Janeiro")});
    EXPECT_EQ(MunicipalityList(2).size(), 5);
    EXPECT_EQ(MunicipalityList(1, QStringLiteral("SP")).front().codIBGE, 3550308);

    const auto states = StateList();
    ASSERT_EQ(states.size(), 4);
    EXPECT_EQ(states.front().uf, QStringLiteral("EX"));
    EXPECT_EQ(states.back().uf, QStringLiteral("SP"));
}

TEST_F(ReferenceLookupsTest, AcceptedRatesBySegmentStateAndPeriod) {
    const QString rj = QStringLiteral("19");   // A 22, N 12, CF 20
    // Segment S from April 2023: the fixed rate of the state, whatever the table holds.
    EXPECT_TRUE(IsAcceptedRate(rj, QStringLiteral("2023"), QStringLiteral("S"), QStringLiteral("05"), 21));
    EXPECT_FALSE(IsAcceptedRate(rj, QStringLiteral("2023"), QStringLiteral("S"), QStringLiteral("05"), 20));
    EXPECT_TRUE(IsAcceptedRate(rj, QStringLiteral("2023"), QStringLiteral("S"), QStringLiteral("04"), 21));
    // Before: the CF rule (the CF rate, from 2016 on).
    EXPECT_TRUE(IsAcceptedRate(rj, QStringLiteral("2023"), QStringLiteral("S"), QStringLiteral("03"), 20));
    EXPECT_FALSE(IsAcceptedRate(rj, QStringLiteral("2023"), QStringLiteral("S"), QStringLiteral("03"), 21));
    EXPECT_FALSE(IsAcceptedRate(rj, QStringLiteral("2015"), QStringLiteral("S"), QStringLiteral("12"), 20));
    // A state without a fixed rate keeps the CF rule after April 2023.
    exec(QStringLiteral("INSERT INTO AliquotaUF (CodigoUF, Aliquota, AliquotaN, AliquotaCF) VALUES ('03', 17, 12, 17)"));
    EXPECT_TRUE(IsAcceptedRate(QStringLiteral("03"), QStringLiteral("2024"), QStringLiteral("S"),
                               QStringLiteral("01"), 17));
    EXPECT_TRUE(IsAcceptedRate(QStringLiteral("29"), QStringLiteral("2024"), QStringLiteral("S"),
                               QStringLiteral("01"), 20));
    // Segments P and Q: the internal rate, or N from 2013 on.
    EXPECT_TRUE(IsAcceptedRate(rj, QStringLiteral("2012"), QStringLiteral("P"), QStringLiteral("06"), 22));
    EXPECT_FALSE(IsAcceptedRate(rj, QStringLiteral("2012"), QStringLiteral("P"), QStringLiteral("06"), 12));
    EXPECT_TRUE(IsAcceptedRate(rj, QStringLiteral("2013"), QStringLiteral("Q"), QStringLiteral("01"), 12));
    EXPECT_FALSE(IsAcceptedRate(rj, QStringLiteral("2013"), QStringLiteral("Q"), QStringLiteral("01"), 20));
    // The file's rate divided by 100 matches however the division rounds.
    EXPECT_TRUE(IsAcceptedRate(QStringLiteral("29"), QStringLiteral("2020"), QStringLiteral("P"),
                               QStringLiteral("01"), 2050 / 100.0));
}

TEST_F(ReferenceLookupsTest, CfopTableYearAndView) {
    EXPECT_EQ(cfopTableYear(QStringLiteral("2010")), QStringLiteral("2017"));
    EXPECT_EQ(cfopTableYear(QStringLiteral("2019")), QStringLiteral("2019"));
    EXPECT_EQ(cfopTableYear(QStringLiteral("2030")), QStringLiteral("2022"));
    EXPECT_TRUE(IsCFOPOfYear(QStringLiteral("5117"), QStringLiteral("2010")));    // the 2017 list
    EXPECT_FALSE(IsCFOPOfYear(QStringLiteral("5117"), QStringLiteral("2030")));   // not in the 2022 list
    EXPECT_TRUE(IsCFOPOfYear(QStringLiteral("6110"), QStringLiteral("2030")));
    EXPECT_TRUE(IsCFOPOfYear(QStringLiteral("1101"), QStringLiteral("2019")));
    EXPECT_FALSE(IsCFOPOfYear(QStringLiteral("1101"), QStringLiteral("2020")));
    EXPECT_FALSE(IsCFOPOfYear(QStringLiteral("51'2"), QStringLiteral("2017")));

    EXPECT_TRUE(IsCFOPOfView(QStringLiteral("1102"), 0, 0));
    EXPECT_TRUE(IsCFOPOfView(QStringLiteral("2102"), 0, 1));
    EXPECT_TRUE(IsCFOPOfView(QStringLiteral("3102"), 0, 2));
    EXPECT_TRUE(IsCFOPOfView(QStringLiteral("5102"), 1, 0));
    EXPECT_TRUE(IsCFOPOfView(QStringLiteral("6102"), 1, 1));
    EXPECT_TRUE(IsCFOPOfView(QStringLiteral("7102"), 1, 2));
    EXPECT_FALSE(IsCFOPOfView(QStringLiteral("5102"), 0, 0));
    EXPECT_FALSE(IsCFOPOfView(QStringLiteral("1102"), 0, 1));
    EXPECT_FALSE(IsCFOPOfView(QStringLiteral("4102"), 1, 0));
    EXPECT_FALSE(IsCFOPOfView(QString(), 0, 0));
}

TEST_F(ReferenceLookupsTest, LawsTributesAndIndices) {
    exec(QStringLiteral("INSERT INTO Leis (CodLei, Tipo, DescLei, PerRLeiIni, PerRLeiFim) VALUES (98, 'TARE', 'Crédito d''outro', '2009-01-01', NULL)"));
    exec(QStringLiteral("INSERT INTO LeisDeb (CodLei, Tipo, DescLei, PerRLeiIni, PerRLeiFim) VALUES (98, 'OUTROS', 'Débito', '2009-01-01', NULL)"));
    exec(QStringLiteral("INSERT INTO LeisD (CodLei, Tipo, DescLei, PerRLeiIni, PerRLeiFim) VALUES (99, 'DED', 'Dedução', '2009-01-01', NULL)"));
    EXPECT_EQ(CreditLawKind(98), QStringLiteral("TARE"));
    EXPECT_EQ(DebitLawKind(98), QStringLiteral("OUTROS"));
    EXPECT_EQ(DeductionLawKind(98), QString());
    EXPECT_TRUE(DeductionLawExists(99));
    EXPECT_FALSE(CreditLawExists(99));
    EXPECT_EQ(CreditLawDescription(QStringLiteral("98")), QStringLiteral("Crédito d'outro"));
    EXPECT_EQ(DeductionLawDescription(QStringLiteral("99")), QStringLiteral("Dedução"));
    EXPECT_EQ(DebitLawDescription(QStringLiteral("9'8")), QString());

    exec(QStringLiteral("INSERT INTO Tributos (CodigoID, Descricao, ID, Tipo, Distribuicao) VALUES ('1006', 'ICMS Normal', '01', 0, '1')"));
    EXPECT_TRUE(TributeExists(QStringLiteral("1006"), 0));
    EXPECT_FALSE(TributeExists(QStringLiteral("1006"), 1));

    EXPECT_FALSE(LatestIndexDate().isValid());
    exec(QStringLiteral("INSERT INTO IndicesEconomicos (CodigoIndice, Data, Valor) VALUES (5, '2024-01-01', 0.0097), (5, '2024-02-01', 0.008), "
                        "(4, '2024-06-01', 1000)"));
    EXPECT_EQ(LatestIndexDate(), QDate(2024, 2, 1));
    EXPECT_TRUE(errors_.isEmpty());
}

TEST_F(ReferenceLookupsTest, ARefusedStatementReachesTheHandlerAndAnswersNone) {
    test::dropTable(QStringLiteral("Tare"));
    EXPECT_FALSE(DeclarationHasTare(QStringLiteral("290000009"), QStringLiteral("2024"), QStringLiteral("01"),
                                    QStringLiteral("00")));
    ASSERT_EQ(errors_.size(), 1);
    EXPECT_TRUE(errors_.front().contains(QStringLiteral("Tare"), Qt::CaseInsensitive));
}

TEST(ReferenceLookupsOnDeliveredData, CfopListsOfTheTableYears) {
    test::TempProgramFolder folder;
    EXPECT_TRUE(IsCFOPOfYear(QStringLiteral("5102"), QStringLiteral("2010")));
    EXPECT_TRUE(IsCFOPOfYear(QStringLiteral("5102"), QStringLiteral("2030")));
    EXPECT_TRUE(IsCFOPOfYear(QStringLiteral("6108"), QStringLiteral("2022")));
    EXPECT_FALSE(IsCFOPOfYear(QStringLiteral("5100"), QStringLiteral("2022")));
    EXPECT_FALSE(IsCFOPOfYear(QStringLiteral("4102"), QStringLiteral("2017")));
}

TEST(ReferenceLookupsOnDeliveredData, StateTableMatchesTheFixedCodeLists) {
    test::TempProgramFolder folder;
    QStringList letters;
    QStringList numbers;
    for (const StateRow& row : StateList()) {
        letters << row.uf;
        numbers << row.codigo;
        EXPECT_EQ(NumericStateCode(row.uf), row.codigo);
        EXPECT_EQ(LetterStateCode(row.codigo), row.uf);
    }
    EXPECT_EQ(letters, letterStateCodes());   // both in letter-code order
    numbers.sort();
    EXPECT_EQ(numbers, numericStateCodes());
    EXPECT_EQ(NumericStateCode(QStringLiteral("QX")), QStringLiteral("29"));
    EXPECT_EQ(NumericStateCode(QStringLiteral("EX")), QStringLiteral("90"));

    const auto home = MunicipalityList(0);
    EXPECT_GE(home.size(), 100);
    for (const MunicipalityRow& m : home) EXPECT_EQ(m.uf, QStringLiteral("QX")) << m.descricao.toStdString();
}
