// vexa-cli taxpayer and accountant commands, run as a process over a fresh
// program folder: the same checks and messages as the screens, exit 1 when
// refused, names listed exactly.

#include "RegistryFixture.h"
#include "support/CliOverFolder.h"

using namespace vexa;
using vexa::test::CliRun;
using vexa::test::RegistryTest;
using vexa::test::runCliOver;

namespace {

class RegistryCliTest : public RegistryTest {
protected:
    CliRun cli(QStringList args) { return runCliOver(folder(), std::move(args)); }

    QStringList taxpayerArgs(const QString& ie, const QString& name) {
        return {"taxpayer", "add", "--ie", ie, "--name", name, "--doc", test::kCNPJ, "--activity", test::kActivity,
                "--uf", "QX", "--municipality", municipalityOf("QX"), "--email", "a@b.com", "--password", "x1"};
    }
};

QStringList with(QStringList args, const QString& option, const QString& value) {
    const int i = int(args.indexOf(option));
    args[i + 1] = value;
    return args;
}

TEST_F(RegistryCliTest, TaxpayerWithApostropheAccentsAndPercentIsStoredAndListedExactly) {
    QStringList args = taxpayerArgs("29.000.000-9", "d'ávila & filhos comércio ltda");
    args = with(args, "--email", "d'avila%fiscal@comércio.com");
    args << "--regime" << "S" << "--kind" << "F" << "--books" << "C" << "--tare" << "--ecf";
    const CliRun add = cli(args);
    ASSERT_EQ(add.code, 0) << add.err.toStdString();

    const auto row = registry::findTaxpayer(test::kIE1);
    ASSERT_TRUE(row.has_value());
    EXPECT_EQ(row->RazaoSocial, test::kApostropheName);  // upper case, as the screen's edit types it
    EXPECT_EQ(row->EmailCont, "d'avila%fiscal@comércio.com");
    EXPECT_EQ(row->TipoRegime, "S");
    EXPECT_EQ(row->TipoEstabelecimento, "F");
    EXPECT_EQ(row->TipoEscrituracao, "C");
    EXPECT_TRUE(row->PortadorTare && row->UsuarioECF);

    const CliRun list = cli({"taxpayer", "list"});
    EXPECT_EQ(list.code, 0);
    EXPECT_TRUE(list.out.contains(test::kIE1 + "\t" + test::kCNPJ + "\t" + test::kApostropheName + "\t"))
        << list.out.toStdString();
    EXPECT_TRUE(list.out.contains("d'avila%fiscal@comércio.com"));

    const CliRun show = cli({"taxpayer", "show", test::kIE1});
    EXPECT_EQ(show.code, 0);
    EXPECT_TRUE(show.out.contains("Nome ou Razão Social: " + test::kApostropheName));
    EXPECT_TRUE(show.out.contains("Tipo de Regime de Tributação: Simples Nacional"));
    EXPECT_FALSE(show.out.contains("x1"));  // the password is not printed
}

TEST_F(RegistryCliTest, TaxpayerAddRefusesWithTheFirstFailingCheck) {
    const QStringList good = taxpayerArgs(test::kIE1, "LOJA");
    struct Case {
        QStringList args;
        QString message;
    };
    const std::vector<Case> cases = {
        {with(good, "--ie", ""), "Informe  a Inscrição Estadual!!!"},
        // The TARE box does not save a new IE whose check digit fails.
        {with(good, "--ie", test::kIEBadDigit) << "--tare", "Inscrição Estadual Inválida!!!"},
        // Several faults: only the first, in the order of the checks.
        {with(with(good, "--name", " "), "--doc", "11111111111111"), "Nome ou Razão Social deve ser Informada!!!"},
        {with(good, "--activity", "0000000"),
         "Atividade Econômica informada não cadastrada na tabela de atividades econômicas!!!"},
        {with(good, "--uf", "SP"), "Campo município deve ser selecionado!!!"},
        {with(good, "--doc", "11111111111111"), "CNPJ ou CPF informado inválido!!!"},
        {with(good, "--doc", "00000000000"), "CNPJ ou CPF informado inválido!!!"},
        {with(good, "--password", ""), "Senha deve ser informada!!!"},
        {QStringList(good) << "--regime" << "X", "Informe o Tipo de Regime"},
        {with(good, "--email", " "), "E-mail do Contribuinte deve ser informado!!!"},
    };
    for (const Case& c : cases) {
        const CliRun r = cli(c.args);
        EXPECT_EQ(r.code, 1) << c.message.toStdString();
        EXPECT_EQ(r.err.trimmed(), c.message);
    }
    EXPECT_EQ(count("SELECT count(*) FROM Contribuintes"), 0);
}

TEST_F(RegistryCliTest, TaxpayerDeleteFollowsTheRules) {
    ASSERT_EQ(cli(taxpayerArgs(test::kIE1, "UM")).code, 0);
    ASSERT_EQ(cli(taxpayerArgs(test::kIE2, "DOIS")).code, 0);
    insertDeclaration(test::kIE1, "2023", "12", "01");

    CliRun r = cli({"--yes", "taxpayer", "delete", test::kIE1});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err.trimmed(), "Contribuinte não pode ser exluido. Existe VEXA cadastrada para ele!!!");
    EXPECT_TRUE(registry::findTaxpayer(test::kIE1).has_value());

    // Without --yes the question is answered "Não".
    r = cli({"taxpayer", "delete", test::kIE2});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err.trimmed(), "Confirma Exclusão??? Não");
    EXPECT_TRUE(registry::findTaxpayer(test::kIE2).has_value());

    r = cli({"--yes", "taxpayer", "delete", test::kIE2});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_FALSE(registry::findTaxpayer(test::kIE2).has_value());
    EXPECT_EQ(cli({"taxpayer", "show", test::kIE2}).code, 1);
}

TEST_F(RegistryCliTest, AccountantsByCRCAndState) {
    const QStringList base = {"accountant", "add", "--crc", "12345678901", "--uf", "sp", "--name", "ana d'ávila",
                              "--cpf", "529.982.247-25", "--email", "Ana@Contabil.COM", "--phone", "(11) 4444"};
    CliRun r = cli(base);
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    r = cli(with(with(base, "--uf", "EX"), "--name", "outra"));
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(count("SELECT count(*) FROM Declarante WHERE CRC = ?", {"1234567890"}), 2);
    const auto ana = registry::findAccountant("1234567890", "SP");
    ASSERT_TRUE(ana.has_value());
    EXPECT_EQ(ana->Nome, "ANA D'ÁVILA");
    EXPECT_EQ(ana->email, "ana@contabil.com");
    EXPECT_EQ(ana->CPFCGC, test::kCPF);

    EXPECT_EQ(cli(with(base, "--uf", "XX")).err.trimmed(), "UF informada inválida!!!");
    EXPECT_EQ(cli(with(base, "--name", "")).err.trimmed(), "Nome do Cotabilista deve ser informado!!!");
    EXPECT_EQ(cli(with(base, "--cpf", "52998224724")).err.trimmed(), "CPF Contabilista Inválido!!!");
    EXPECT_EQ(cli(with(base, "--email", "")).err.trimmed(), "E-mail do Contabilista deve ser informado!!!");

    const CliRun list = cli({"accountant", "list"});
    EXPECT_EQ(list.code, 0);
    EXPECT_TRUE(list.out.contains("1234567890\tSP\t" + test::kCPF + "\tANA D'ÁVILA\tana@contabil.com\t(11) 4444"))
        << list.out.toStdString();

    r = cli({"--yes", "accountant", "delete", "12345678901", "ex"});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.err.trimmed(), "Confirma Exclusão Sim");
    EXPECT_FALSE(registry::findAccountant("1234567890", "EX").has_value());
    EXPECT_TRUE(registry::findAccountant("1234567890", "SP").has_value());
}

} // namespace
