// vexa-cli dare standalone run as a process over a fresh program folder: the
// same checks and messages as the screen, exit 1 with nothing stored or
// written when a check refuses, the Seq of each new slip on standard output.

#include "../PaymentFixture.h"
#include "Printers.h"

#include "payment/DareAvulsas.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

using namespace vexa;
using namespace vexa::payment;
using vexa::test::CliRun;
using vexa::test::PaymentTest;

namespace {

class StandaloneCliTest : public PaymentTest {
protected:
    void SetUp() override {
        PaymentTest::SetUp();
        addTaxpayer(test::kIE, "COMERCIAL VERDALENA LTDA");
        addTaxpayer(test::kIE2, "SEM MUNICIPIO LTDA", "N", "");
    }

    static QStringList issue(const QString& period, const QString& code, const QString& docName,
                             const QString& number = {}) {
        QStringList a{"dare",     "standalone", "issue",  "--ie",  test::kIE,       "--period", period, "--revenue",
                      code,       "--due-date", "20/03/2024", "--value", "1000,00", "--doc-name", docName};
        if (!number.isEmpty()) a << "--doc-number" << number;
        return a;
    }
    static QStringList key(const char* command, const QString& code, int seq) {
        return {"dare", "standalone", command, "--ie", test::kIE, "--period", "022024", "--revenue", code,
                "--seq", QString::number(seq)};
    }
    static int slips() { return count("SELECT count(*) FROM DareAvulsas"); }
};

TEST_F(StandaloneCliTest, IssueListShowPrintDelete) {
    struct Refusal {
        QStringList args;
        QString message;
    } refusals[] = {
        {issue("022024", "999", "NFA", "1234560"), dare_msg::ReceitaNaoLocalizada},
        {issue("022024", "101", "NFA", "1234560"), dare_msg::ReceitaNaoLocalizada},
        {issue("132024", "150", "NFA", "1234560"), avulsa_msg::PeriodoInvalido},
        {issue("02202", "150", "NFA", "1234560"), avulsa_msg::PeriodoInvalido},
        {issue("022024", "150", "NFA", "1234567"), avulsa_msg::NumeroInvalido},
        {issue("022024", "150", "PROCESSO", "12345"), avulsa_msg::NumeroInvalido},
        {issue("022024", "150", "NFA"), avulsa_msg::NumeroDocumento},
        {issue("022024", "150", ""), avulsa_msg::NomeDocumento},
        {issue("022024", "150", "RECIBO"), "Nome do documento desconhecido"},
        {issue("022024", "150", "NFA", "1234560") << "--fine" << "-5", "Valor inválido em --fine"},
        {QStringList(issue("022024", "150", "NFA", "1234560")).replaceInStrings("20/03/2024", "31/02/2024"),
         avulsa_msg::VencimentoInvalido},
        {issue("022024", "150", "NFA", "1234560") << "--seq" << "3", avulsa_msg::SemDareAvulso},
        {key("show", "150", 1), avulsa_msg::SemDareAvulso},
    };
    for (const Refusal& r : refusals) {
        const CliRun run = cli(r.args);
        EXPECT_EQ(run.code, 1) << r.args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(r.message)) << r.args.join(' ').toStdString() << ": " << run.err.toStdString();
    }
    EXPECT_EQ(slips(), 0);

    // The first slip of the period is Seq 1; the next new one takes the next Seq of the table.
    const CliRun first = cli(issue("022024", "150", "nfa", "1234560") << "--fine" << "50" << "--correction" << "7,5");
    ASSERT_EQ(first.code, 0) << first.err.toStdString();
    EXPECT_EQ(first.out.trimmed(), "1");
    const CliRun second = cli(issue("022024", "152", "OUTROS") << "--doc-text" << "TERMO 9" << "--obs" << "LINHA UM");
    ASSERT_EQ(second.code, 0) << second.err.toStdString();
    EXPECT_EQ(second.out.trimmed(), "2");
    EXPECT_EQ(findDareAvulsa({test::kIE, "2024", "02", "150", 1})->Obs1, "NFA 1234560");
    EXPECT_EQ(findDareAvulsa({test::kIE, "2024", "02", "152", 2})->Obs1, "LINHA UM");
    EXPECT_EQ(findDareAvulsa({test::kIE, "2024", "02", "152", 2})->Objeto, "0");

    // --seq edits the stored slip: what is not given stays.
    ASSERT_EQ(cli(issue("022024", "150", "NFA", "1234560") << "--seq" << "1" << "--interest" << "2,5").code, 0);
    const std::optional<DareAvulsa> edited = findDareAvulsa({test::kIE, "2024", "02", "150", 1});
    EXPECT_EQ(edited->Multa, 50);
    EXPECT_EQ(edited->Juros, 2.5);
    EXPECT_EQ(slips(), 2);

    const CliRun listed = cli({"dare", "standalone", "list", "--period", "022024"});
    ASSERT_EQ(listed.code, 0);
    EXPECT_EQ(listed.out, QString("%1\t02/2024\t150\t1\t1.000,00\tCOMERCIAL VERDALENA LTDA\n"
                                  "%1\t02/2024\t152\t2\t1.000,00\tCOMERCIAL VERDALENA LTDA\n")
                              .arg(test::kIE));

    const CliRun shown = cli(key("show", "150", 1) << "--json");
    ASSERT_EQ(shown.code, 0) << shown.err.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(shown.out.toUtf8()).object();
    EXPECT_EQ(json.keys(), (QStringList{"AtualizacaoMonetaria", "CodBar", "CodigoTributo", "DataPgto", "DataVencimento",
                                        "IE", "Juros", "LinhaDigitavel", "Multa", "NossoNumero", "NumeroDoc", "Obs4",
                                        "Periodo", "Retificacao", "Seq", "TipoDoc", "Vl_Receita", "ccVlTotal"}));
    EXPECT_EQ(json["ccVlTotal"].toDouble(), 1060);
    EXPECT_EQ(json["AtualizacaoMonetaria"].toDouble(), 7.5);
    EXPECT_EQ(json["NossoNumero"].toString(), "24212345602");
    EXPECT_EQ(json["Retificacao"].toString(), "");
    EXPECT_EQ(json["Seq"].toInt(), 1);
    EXPECT_EQ(json["CodBar"].toString().mid(4, 11), "00000106000");

    QTemporaryDir out;
    const QString pdf = out.filePath("avulso.pdf");
    const CliRun printed = cli(key("print", "150", 1) << "-o" << pdf);
    ASSERT_EQ(printed.code, 0) << printed.err.toStdString();
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5).startsWith("%PDF-"));

    const CliRun kept = cli(key("delete", "152", 2));
    EXPECT_EQ(kept.code, 1);
    EXPECT_TRUE(kept.err.contains("Confirma Exclusão??? Não"));
    EXPECT_EQ(cli(QStringList{"--yes"} + key("delete", "152", 2)).code, 0);
    EXPECT_EQ(slips(), 1);
}

TEST_F(StandaloneCliTest, PrintRefusalsWriteNoFile) {
    exec("INSERT INTO DareAvulsas (IE, Ano, Mes, CodigoTributo, Seq, ValorReceita, TipoDoc) VALUES "
         "(?, '2024', '02', '150', 1, 0, 'PROCESSO'), (?, '2025', '02', '150', 2, 10, 'PROCESSO'), "
         "(?, '2024', '02', '150', 3, 10, 'PROCESSO')",
         {test::kIE, test::kIE, test::kIE2});
    QTemporaryDir out;
    const QString pdf = out.filePath("avulso.pdf");
    struct Case {
        QString ie, period;
        int seq;
        QString message;
    } cases[] = {
        {test::kIE, "022024", 1, dare_msg::ReceitaNaoPositiva},
        {test::kIE, "022025", 2, "Versão do programa só permite emissão do DARE até referência 01/2025."},
        {test::kIE2, "022024", 3, dare_msg::SemMunicipio},
    };
    for (const Case& c : cases) {
        const CliRun run = cli({"dare", "standalone", "print", "--ie", c.ie, "--period", c.period, "--revenue", "150",
                                "--seq", QString::number(c.seq), "-o", pdf});
        EXPECT_EQ(run.code, 1);
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(pdf));
    }
    EXPECT_EQ(cli({"dare", "standalone", "print", "--ie", test::kIE, "--period", "022024", "--revenue", "150"}).code,
              2);   // no --seq, no -o
    EXPECT_EQ(cli({"dare", "standalone", "frobnicate"}).code, 2);
}

} // namespace
