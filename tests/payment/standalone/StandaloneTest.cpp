// The standalone DARE: the Seq a slip gets, the save checks in their order
// with their messages and fields, the document codes, the print checks, the
// report rows and the consult.

#include "../PaymentFixture.h"
#include "Printers.h"

#include "payment/ConsultaDareAvulsa.h"
#include "payment/DareAvulsas.h"
#include "payment/GateAvulsaReport.h"

using namespace vexa;
using namespace vexa::payment;
using vexa::test::PaymentTest;

namespace {

const QString kNFA = QStringLiteral("NFA  -  NOTA FISCAL AVULSA");
const QString kCATC = QStringLiteral("CATC - CONHECIMENTO AVULSO DE TRANSPORTE DE CARGA");
const QString kNI = QStringLiteral("N.I. -  NOTA DE INTERPELACAO");

class StandaloneTest : public PaymentTest {
protected:
    void SetUp() override {
        PaymentTest::SetUp();
        addTaxpayer(test::kIE, "COMERCIAL VERDALENA LTDA");
    }

    // A slip that passes every save check: NFA 1234560 (its check digit is 0).
    static DareAvulsa slip(const QString& code = "150", int seq = 1, const QString& ie = test::kIE) {
        DareAvulsa s;
        s.key = {ie, "2024", "02", code, seq};
        s.DataVencimento = QDate(2024, 3, 20);
        s.ValorReceita = 1000;
        s.TipoDoc = kNFA;
        s.NumeroDoc = "1234560";
        return s;
    }
    static void store(DareAvulsa s, const std::optional<AvulsaKey>& original = {}) {
        QString error;
        ASSERT_TRUE(saveDareAvulsa(s, original, &error)) << error.toStdString();
    }
    static int slips() { return count("SELECT count(*) FROM DareAvulsas"); }
};

TEST_F(StandaloneTest, SeqOfTheFirstSlipAndOfANewOneAfterNovo) {
    YearResult r = leaveYear(test::kIE, "02", "2024", false);
    ASSERT_EQ(r.outcome, YearOutcome::New);
    EXPECT_EQ(r.slip.key, (AvulsaKey{test::kIE, "2024", "02", "", 1}));
    EXPECT_EQ(slips(), 0);   // nothing stored by looking
    store(slip("150", r.slip.key.Seq));

    // Exactly one: shown; "&Novo" on the same period: one more than the largest Seq of the whole table.
    addTaxpayer(test::kIE2, "OUTRO LTDA");
    store(slip("151", 7, test::kIE2));
    r = leaveYear(test::kIE, "02", "2024", false);
    ASSERT_EQ(r.outcome, YearOutcome::Shown);
    EXPECT_EQ(r.slip.key.CodigoTributo, "150");
    EXPECT_EQ(r.slip.Objeto, "2");
    r = leaveYear(test::kIE, "02", "2024", true);
    ASSERT_EQ(r.outcome, YearOutcome::New);
    EXPECT_EQ(r.slip.key.Seq, 8);
    // A period without slips starts at 1 even after "&Novo".
    EXPECT_EQ(leaveYear(test::kIE, "03", "2024", true).slip.key.Seq, 1);

    // Two slips of the period: the choice, with the taxpayer's name for the heading.
    DareAvulsa second = slip("152", 8);
    second.ValorReceita = 55.5;
    store(second);
    r = leaveYear(test::kIE, "02", "2024", false);
    ASSERT_EQ(r.outcome, YearOutcome::Choose);
    EXPECT_EQ(r.RazaoSocial, "COMERCIAL VERDALENA LTDA");
    EXPECT_EQ(r.choices, (QList<PeriodSlip>{{"150", 1000, "COMERCIAL VERDALENA LTDA", 1},
                                            {"152", 55.5, "COMERCIAL VERDALENA LTDA", 8}}));
    EXPECT_EQ(lastDareAvulsa()->key, second.key);
}

TEST_F(StandaloneTest, SaveChecksInOrderWithTheirFields) {
    addTaxpayer(test::kIE2, "OUTRO LTDA");
    struct Case {
        const char* what;
        std::function<void(DareAvulsa&)> change;
        QString message, field;
        bool cancels = false;
    } cases[] = {
        {"unknown IE", [](DareAvulsa& s) { s.key.IE = "290000017"; }, avulsa_msg::IENaoLocalizada, "IE", true},
        {"IE before period",
         [](DareAvulsa& s) {
             s.key.IE = "";
             s.key.Mes = "13";
         },
         avulsa_msg::IENaoLocalizada, "IE", true},
        {"month 13", [](DareAvulsa& s) { s.key.Mes = "13"; }, avulsa_msg::PeriodoInvalido, "Mes", true},
        {"year of 3 digits", [](DareAvulsa& s) { s.key.Ano = "202"; }, avulsa_msg::PeriodoInvalido, "Mes", true},
        {"unknown revenue", [](DareAvulsa& s) { s.key.CodigoTributo = "999"; }, dare_msg::ReceitaNaoLocalizada,
         "CodigoTributo"},
        {"revenue of a declaration",
         [](DareAvulsa& s) {
             s.key.CodigoTributo = "101";
             s.TipoDoc = "";
         },
         dare_msg::ReceitaNaoLocalizada, "CodigoTributo"},
        {"no name", [](DareAvulsa& s) { s.TipoDoc = ""; }, avulsa_msg::NomeDocumento, "TipoDoc"},
        {"blank item", [](DareAvulsa& s) { s.TipoDoc = " "; }, avulsa_msg::NomeDocumento, "TipoDoc"},
        {"no number", [](DareAvulsa& s) { s.NumeroDoc = ""; }, avulsa_msg::NumeroDocumento, "NumeroDoc"},
        {"letters", [](DareAvulsa& s) { s.NumeroDoc = "12A"; }, avulsa_msg::NumeroDocumento, "NumeroDoc"},
        {"NFA 1234567", [](DareAvulsa& s) { s.NumeroDoc = "1234567"; }, avulsa_msg::NumeroInvalido, "NumeroDoc"},
        {"NFA of 8 digits", [](DareAvulsa& s) { s.NumeroDoc = "12345600"; }, avulsa_msg::NumeroInvalido, "NumeroDoc"},
        {"PROCESSO 12345 as 000012345",
         [](DareAvulsa& s) {
             s.TipoDoc = "PROCESSO";
             s.NumeroDoc = "12345";
         },
         avulsa_msg::NumeroInvalido, "NumeroDoc"},
        {"N.I. with a wrong CNPJ digit",
         [](DareAvulsa& s) {
             s.TipoDoc = kNI;
             s.NumeroDoc = "11222333000180";
         },
         avulsa_msg::NumeroInvalido, "NumeroDoc"},
        {"N.I. with punctuation",
         [](DareAvulsa& s) {
             s.TipoDoc = kNI;
             s.NumeroDoc = "11.222.333/0001-81";
         },
         avulsa_msg::NumeroDocumento, "NumeroDoc"},
        {"name outside the list", [](DareAvulsa& s) { s.TipoDoc = "RECIBO"; }, avulsa_msg::NumeroInvalido, "NumeroDoc"},
        {"no due date", [](DareAvulsa& s) { s.DataVencimento = QDate(); }, avulsa_msg::VencimentoInvalido,
         "DataVencimento"},
    };
    for (const Case& c : cases) {
        DareAvulsa s = slip();
        c.change(s);
        const AvulsaSaveCheck check = checkSaveAvulsa(s);
        EXPECT_EQ(check.refusal.message, c.message) << c.what;
        EXPECT_EQ(check.refusal.field, c.field) << c.what;
        EXPECT_EQ(check.cancelsEdit, c.cancels) << c.what;
    }

    // Accepted, each with its document code as the third character of NossoNumero.
    struct Accepted {
        QString code, tipoDoc, numero, objeto;
    } accepted[] = {
        {"150", kNFA, "1234560", "2"},           {"151", kCATC, "27", "3"},
        {"152", kNI, "11222333000181", "4"},     {"153", "PROCESSO", "12343", "6"},
        {"154", "OUTROS A ESPECIFICAR", "", "0"},
    };
    int seq = 1;
    for (const Accepted& a : accepted) {
        DareAvulsa s = slip(a.code, seq++);
        s.TipoDoc = a.tipoDoc;
        s.NumeroDoc = a.numero;
        EXPECT_TRUE(checkSaveAvulsa(s).ok()) << a.tipoDoc.toStdString() << ": "
                                            << checkSaveAvulsa(s).refusal.message.toStdString();
        store(s);
        const std::optional<DareAvulsa> stored = findDareAvulsa(s.key);
        ASSERT_TRUE(stored);
        EXPECT_EQ(stored->Objeto, a.objeto) << a.tipoDoc.toStdString();
        EXPECT_EQ(avulsaCodes(*stored, findTributo(a.code)).NossoNumero, "24" + a.objeto + "12345602");
    }
    EXPECT_EQ(slips(), 5);
}

TEST_F(StandaloneTest, ObservationFromTheDocument) {
    EXPECT_EQ(obs1FromDocument(kNFA, "1234560", "IGNORADO"), "NFA 1234560");
    EXPECT_EQ(obs1FromDocument(kCATC, "19", ""), "CATC 19");
    EXPECT_EQ(obs1FromDocument(kNI, "11222333000181", ""), "N.I. 11222333000181");
    EXPECT_EQ(obs1FromDocument("PROCESSO", "12343", ""), "PROCESSO 12343");
    EXPECT_EQ(obs1FromDocument("OUTROS A ESPECIFICAR", "9", "TERMO DE ACORDO 5"), "TERMO DE ACORDO 5");
    EXPECT_EQ(obs1FromDocument("OUTROS A ESPECIFICAR", "9", "  "), std::nullopt);
    EXPECT_EQ(obs1FromDocument(" ", "9", ""), std::nullopt);
    EXPECT_EQ(findDocumento("ni")->nome, kNI);
    EXPECT_EQ(findDocumento(kCATC)->objeto, "3");
    EXPECT_FALSE(findDocumento("NOTA"));
}

TEST_F(StandaloneTest, EditKeepsWhatIsNotTypedAndRefusesWithoutLosingTheSlip) {
    store(slip());
    exec("UPDATE DareAvulsas SET TSE = 2.5");
    // The revenue code of a stored slip is retyped: the same slip, under its new code, TSE kept.
    DareAvulsa s = *findDareAvulsa(slip().key);
    const AvulsaKey original = s.key;
    s.key.CodigoTributo = "151";
    s.Multa = 10;
    store(s, original);
    EXPECT_EQ(slips(), 1);
    const std::optional<DareAvulsa> moved = findDareAvulsa(s.key);
    ASSERT_TRUE(moved);
    EXPECT_EQ(moved->TSE, 2.5);
    EXPECT_EQ(moved->ccVlTotal(), 1012.5);

    // A key another slip holds, or a text too wide: refused, the stored slip untouched.
    store(slip("152", 1));
    DareAvulsa clash = *moved;
    clash.key.CodigoTributo = "152";
    QString error;
    EXPECT_FALSE(saveDareAvulsa(clash, moved->key, &error));
    EXPECT_FALSE(error.isEmpty());
    DareAvulsa wide = *moved;
    wide.Obs2 = QString(41, 'x');
    EXPECT_FALSE(saveDareAvulsa(wide, moved->key, &error));
    EXPECT_EQ(error, "Observações aceita no máximo 40 caracteres.");
    EXPECT_EQ(findDareAvulsa(moved->key), moved);
    EXPECT_EQ(slips(), 2);

    ScriptedPrompter prompter;
    EXPECT_EQ(deleteDareAvulsa(moved->key, prompter, &error), DeleteOutcome::NotConfirmed);
    prompter.queueAnswer(true);
    EXPECT_EQ(deleteDareAvulsa(moved->key, prompter, &error), DeleteOutcome::Deleted);
    EXPECT_EQ(prompter.log(), (QStringList{"ask: Confirma Exclusão???", "ask: Confirma Exclusão???"}));
    EXPECT_EQ(deleteDareAvulsa(moved->key, prompter, &error), DeleteOutcome::NotFound);
    EXPECT_EQ(slips(), 1);
}

TEST_F(StandaloneTest, PrintChecksAndTheReportRows) {
    struct Case {
        std::function<void(DareAvulsa&)> change;
        QString message;
    } cases[] = {
        {[](DareAvulsa& s) { s.ValorReceita = 0.004; }, dare_msg::ReceitaNaoPositiva},
        {[](DareAvulsa& s) { s.Juros = 99999000; }, "Valor total do DARE deve ser menor ou iqual a 99.999.999,99!!!"},
        {[](DareAvulsa& s) { s.key.Mes = "02";
             s.key.Ano = "2025"; },
         "Versão do programa só permite emissão do DARE até referência 01/2025.\n\nSolicite nova versão na Delegacia "
         "Fiscal mais próxima ou pela Internet."},
        {[](DareAvulsa& s) { s.Juros = 99999999.99 - 1000; }, ""},
    };
    for (const Case& c : cases) {
        DareAvulsa s = slip();
        c.change(s);
        EXPECT_EQ(checkPrintAvulsa(s).message, c.message);
    }

    // The stored amounts and correction, the total with TSE, origin "1" and the document code in the bar code.
    addTaxpayer(test::kIE2, "SEM MUNICIPIO LTDA", "N", "");
    DareAvulsa s = slip();
    s.Multa = 50;
    s.Juros = 25;
    s.AtualizacaoFinaceira = 12.34;
    s.Obs2 = "SEGUNDA";
    store(s);
    exec("UPDATE DareAvulsas SET TSE = 0.66");
    store(slip("151", 2));
    store(slip("150", 3, test::kIE2));
    exec("INSERT INTO DareAvulsas (IE, Ano, Mes, CodigoTributo, Seq, ValorReceita) VALUES (?, '2024', '02', '999', 4, "
         "1)",
         {test::kIE});

    EXPECT_EQ(qrRelatorioGATEAvulsa(kTodos, kTodos, kTodos, kTodasSeq).size(), 2);   // inner joins
    EXPECT_EQ(qrRelatorioGATEAvulsa(test::kIE, "022024", "151", kTodasSeq).size(), 1);
    EXPECT_TRUE(qrRelatorioGATEAvulsa(test::kIE, "022024", "150", 2).isEmpty());
    const QList<GateAvulsaRow> rows = qrRelatorioGATEAvulsa(test::kIE, "022024", "150", 1);
    ASSERT_EQ(rows.size(), 1);
    const GateAvulsaRow& r = rows[0];
    EXPECT_EQ(r.codes.ccVlTotal, 1088);
    EXPECT_EQ(r.codes.NossoNumero, "24212345602");
    EXPECT_EQ(r.codes.CodBar.size(), 44);
    EXPECT_EQ(r.codes.CodBar.mid(4, 11), "00000108800");
    EXPECT_EQ(r.codes.CodBar.mid(21, 1), "1");
    EXPECT_EQ(r.codes.CodBar.mid(22, 11), r.codes.NossoNumero);
    EXPECT_EQ(r.codes.Obs4, "Data limite para pagamento 20/03/2024.");
    const SlipPage page = gateAvulsaPages(rows).value(0);
    EXPECT_EQ(page.box(6).lines, QStringList{"1234560"});
    EXPECT_EQ(page.box(10).lines,
              (QStringList{"", "SEGUNDA", "", "Data limite para pagamento 20/03/2024."}));
    EXPECT_EQ(page.box(17).lines, QStringList{"12,34"});
    EXPECT_EQ(page.box(20).lines, QStringList{"1.088,00"});
    EXPECT_EQ(page.box(4).lines, QStringList{test::kIBGE});

    // A due date already past: the note shows today. No municipality: no page, and why.
    clock_.set(QDateTime(QDate(2024, 3, 25), QTime(12, 0)));
    EXPECT_EQ(qrRelatorioGATEAvulsa(test::kIE, "022024", "150", 1)[0].codes.Obs4,
              "Data limite para pagamento 25/03/2024.");
    EXPECT_TRUE(dareAvulsaPages(slip("150", 3, test::kIE2).key).isEmpty());
    EXPECT_EQ(noPageMessage(slip("150", 3, test::kIE2)), dare_msg::SemMunicipio);
}

TEST_F(StandaloneTest, ConsultFiltersByNameAndPeriodAndCarriesTheSeq) {
    addTaxpayer(test::kIE2, "ABC COMERCIO");
    store(slip("150", 1));
    store(slip("150", 5));
    DareAvulsa march = slip("151", 1, test::kIE2);
    march.key.Mes = "03";
    store(march);

    EXPECT_EQ(consultAvulsaPeriodChoices(), (QStringList{"<TODOS>", "022024", "032024"}));
    const QList<AvulsaConsultRow> all = consultDareAvulsas(kTodos, "");
    ASSERT_EQ(all.size(), 3);
    EXPECT_EQ(all[0].RazaoSocial, "ABC COMERCIO");
    EXPECT_EQ(all[2].key(), slip("150", 5).key);
    EXPECT_EQ(consultDareAvulsas("COMERCIAL VERDALENA LTDA", "022024").size(), 2);
    EXPECT_TRUE(consultDareAvulsas("COMERCIAL VERDALENA LTDA", "032024").isEmpty());
    EXPECT_EQ(consultDareAvulsas(kTodos, kTodos, test::kIE2).size(), 1);
}

} // namespace
