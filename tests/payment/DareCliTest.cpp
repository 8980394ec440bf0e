// vexa-cli dare issue, show, print and delete run as processes over a fresh
// program folder: the same checks and messages as the slip screen, exit 1
// when a check or the user refuses, nothing stored or written then.

#include "PaymentFixture.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

using namespace vexa;
using namespace vexa::payment;
using vexa::test::CliRun;
using vexa::test::PaymentTest;

namespace {

class DareCliTest : public PaymentTest {
protected:
    void SetUp() override {
        PaymentTest::SetUp();
        addTaxpayer(test::kIE, "COMERCIAL VERDALENA LTDA");
        addTaxpayer(test::kIE2, "SEM MUNICIPIO LTDA", "N", "");
        addDeclaration(test::kIE, "2024", "02", "00", {{"C51", 1000}});
        addDeclaration(test::kIE2, "2024", "02", "00", {{"C51", 500}});
        setDueDate("2024", "02", QDate(2024, 3, 11));
    }

    static QStringList issue(const QString& ie, const QString& code, const QString& payDate) {
        return {"dare", "issue", "--ie", ie, "--period", "022024", "--revenue", code, "--pay-date", payDate};
    }
    static int dares() { return count("SELECT count(*) FROM dare"); }
};

TEST_F(DareCliTest, IssueShowPrintDelete) {
    // Refusals first: each prints the check's message and stores nothing.
    struct Refusal {
        QStringList args;
        QString message;
    } refusals[] = {
        {issue(test::kIE, "999", "15/03/2024"), dare_msg::ReceitaNaoLocalizada},
        {issue(test::kIE, "101", "14/03/2024"), "Data para pagamento não pode ser menor que a Data Atual: 15/03/2024"},
        {issue(test::kIE, "101", "01/04/2024"), "Data para pagamento não pode ser superior a 31/03/2024"},
        {issue(test::kIE, "101", "31/02/2024"), "Data para pagamento inválida"},
        {{"dare", "issue", "--ie", test::kIE, "--period", "032024", "--revenue", "101", "--pay-date", "15/03/2024"},
         dare_msg::SemVexa},
        {{"dare", "issue", "--ie", test::kIE, "--period", "021999", "--revenue", "101", "--pay-date", "15/03/2024"},
         dare_msg::AnoAnterior2000},
        {{"dare", "show", "--ie", test::kIE, "--period", "022024"}, dare_msg::SemDare},
        {{"dare", "show", "--ie", test::kIE, "--period", "132024"}, "Período de referência inválido"},
        {issue(test::kIE, "101", "15/03/2024") << "--obs" << QString(41, 'x'), "Observações aceita no máximo 40"},
    };
    for (const Refusal& r : refusals) {
        const CliRun run = cli(r.args);
        EXPECT_EQ(run.code, 1) << r.args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(r.message)) << run.err.toStdString();
    }
    EXPECT_EQ(dares(), 0);

    // Issued four days late: 1,32 % of penalty, no interest within the month.
    const CliRun issued = cli(issue(test::kIE, "101", "15/03/2024")
                              << "--doc" << "AUTO 77" << "--obs" << "PRIMEIRA" << "--obs" << "SEGUNDA");
    ASSERT_EQ(issued.code, 0) << issued.err.toStdString();
    EXPECT_TRUE(issued.out.contains("Valor Total: 1.013,20")) << issued.out.toStdString();
    const std::optional<Dare> stored = findDare({test::kIE, "2024", "02", "00"});
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(stored->Obs2, "SEGUNDA");
    EXPECT_EQ(stored->Doc_Origem, "AUTO 77");

    const CliRun shown = cli({"dare", "show", "--ie", test::kIE, "--period", "022024", "--json"});
    ASSERT_EQ(shown.code, 0);
    const QJsonObject json = QJsonDocument::fromJson(shown.out.toUtf8()).object();
    EXPECT_EQ(json.keys(), (QStringList{"AtualizacaoMonetaria", "CodBar", "CodigoTributo", "DataPgto", "DataVencimento",
                                        "IE", "Juros", "LinhaDigitavel", "Multa", "NossoNumero", "Obs4", "Periodo",
                                        "Retificacao", "Vl_Receita", "ccVlTotal"}));
    EXPECT_EQ(json["Periodo"].toString(), "022024");
    EXPECT_EQ(json["DataVencimento"].toString(), "11/03/2024");
    EXPECT_EQ(json["Vl_Receita"].toDouble(), 1000);
    EXPECT_NEAR(json["Multa"].toDouble(), 13.2, 1e-9);
    EXPECT_EQ(json["NossoNumero"].toString(), "24112345602");
    const QString codBar = json["CodBar"].toString();
    EXPECT_EQ(codBar.mid(4, 11), "00000101320");
    EXPECT_TRUE(json["LinhaDigitavel"].toString().startsWith(codBar.left(11) + "-"));

    QTemporaryDir out;
    const QString pdf = out.filePath("dare.pdf");
    const CliRun printed = cli({"dare", "print", "--ie", test::kIE, "--period", "022024", "-o", pdf});
    ASSERT_EQ(printed.code, 0) << printed.err.toStdString();
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5).startsWith("%PDF-"));

    // Delete asks; without --yes the answer is Não and the slip stays.
    const CliRun kept = cli({"dare", "delete", "--ie", test::kIE, "--period", "022024"});
    EXPECT_EQ(kept.code, 1);
    EXPECT_TRUE(kept.err.contains("Confirma Exclusão??? Não"));
    EXPECT_EQ(dares(), 1);
    EXPECT_EQ(cli({"--yes", "dare", "delete", "--ie", test::kIE, "--period", "022024"}).code, 0);
    EXPECT_EQ(dares(), 0);
}

TEST_F(DareCliTest, PrintRefusalsWriteNoFile) {
    // Without a municipality the issue only warns; the print refuses.
    const CliRun warned = cli(issue(test::kIE2, "101", "15/03/2024"));
    EXPECT_EQ(warned.code, 0);
    EXPECT_TRUE(warned.err.contains(dare_msg::SemMunicipio));

    addDeclaration(test::kIE, "2025", "02", "00", {{"C51", 100}});
    addDeclaration(test::kIE, "2024", "01", "00", {{"C51", 100}, {"C61", 200}});
    exec("INSERT INTO dare (IE, Ano, Mes, Retificacao, CodigoTributo, DataPgto) VALUES "
         "(?, '2025', '02', '00', '101', '2024-03-15'), (?, '2024', '01', '00', '101', '2024-03-15')",
         {test::kIE, test::kIE});
    QTemporaryDir out;
    const QString pdf = out.filePath("dare.pdf");
    struct Case {
        QString ie, period, message;
    } cases[] = {
        {test::kIE2, "022024", dare_msg::SemMunicipio},
        {test::kIE, "022025", "Versão do programa só permite emissão do DARE até referência 01/2025.\n\nSolicite"},
        {test::kIE, "012024", dare_msg::ReceitaNaoPositiva},
    };
    for (const Case& c : cases) {
        const CliRun run = cli({"dare", "print", "--ie", c.ie, "--period", c.period, "-o", pdf});
        EXPECT_EQ(run.code, 1);
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(pdf));
    }
    EXPECT_EQ(cli({"dare", "print", "--ie", test::kIE, "--period", "022024"}).code, 2);   // no -o
    EXPECT_EQ(cli({"dare", "frobnicate"}).code, 2);
}

TEST_F(DareCliTest, DocumentGivenWithAnEqualsSignReachesTheSlip) {
    // A value that starts with a dash can only be given as --doc=VALUE.
    const CliRun issued = cli(issue(test::kIE, "101", "15/03/2024") << "--doc=-77/2024");
    ASSERT_EQ(issued.code, 0) << issued.err.toStdString();
    const std::optional<Dare> stored = findDare({test::kIE, "2024", "02", "00"});
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(stored->Doc_Origem, "-77/2024");
}

} // namespace
