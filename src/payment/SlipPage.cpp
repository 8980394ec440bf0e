#include "payment/SlipPage.h"

#include "common/Conversions.h"
#include "common/Money.h"
#include "payment/SlipCode.h"

namespace vexa::payment {

QStringList slipHeading() {
    return {QStringLiteral("GOVERNO DO ESTADO DO VERDALENA"), QStringLiteral("KORVA - SECRETARIA DE ESTADO DA FAZENDA"),
            QStringLiteral("SUPERINTENDÊNCIA DE GESTÃO TRIBUTÁRIA"), QStringLiteral("DARE"),
            QStringLiteral("Documento de  Arrecadação de  Receitas Estaduais")};
}

const QStringList& slipBoxCaptions() {
    static const QStringList captions = {
        QStringLiteral("1 - NOME/RAZÃO SOCIAL"),
        QStringLiteral("2 - INSCRIÇÃO ESTADUAL"),
        QStringLiteral("3 - CPF/CNPJ"),
        QStringLiteral("4 - CÓDIGO MUNICÍPIO"),
        QStringLiteral("5 - NOSSO NÚMERO"),
        QStringLiteral("6 - NÚMERO DE DOCUMENTO DE ORIGEM"),
        QStringLiteral("7 - CÓDIGO DA RECEITA"),
        QStringLiteral("8 - RECEITA "),
        QStringLiteral("9 - PARCELA"),
        QStringLiteral("10 - INFORMAÇÕES COMPLEMENTARES"),
        QStringLiteral("11 - AUTENTICAÇÃO MECÂNICA"),
        QStringLiteral("12 - DATA DE VENCIMENTO"),
        QStringLiteral("13 - PERÍODO DE REFERÊNCIA"),
        QStringLiteral("14 - VALOR DA RECEITA"),
        QStringLiteral("15 - MULTA"),
        QStringLiteral("16 - JUROS"),
        QStringLiteral("17 - ATUALIZAÇÃO MONETÁRIA"),
        QStringLiteral("18  - "),
        QStringLiteral("19 - "),
        QStringLiteral("20 - VALOR TOTAL"),
    };
    return captions;
}

SlipPage buildSlipPage(const SlipContent& c) {
    SlipPage page;
    page.heading = slipHeading();
    const QString periodo = c.Periodo.size() == 6 ? c.Periodo.left(2) + QLatin1Char('/') + c.Periodo.mid(2) : c.Periodo;
    auto amount = [](double v) { return QStringList{money::format(v)}; };
    const QList<QStringList> texts = {
        {c.RazaoSocial}, {c.IE}, {c.cgc_cpf}, {c.codIBGE}, {c.NossoNumero}, {c.documento}, {c.CodigoTributo},
        {c.TributoDescricao}, {}, c.observacoes, {}, {dateText(c.DataVencimento)}, {periodo},
        amount(c.Vl_Receita), amount(c.Multa), amount(c.Juros), amount(c.Atualizacao), {}, {},
        amount(c.ccVlTotal),
    };
    const QStringList& captions = slipBoxCaptions();
    for (int i = 0; i < captions.size(); ++i) {
        const int number = i + 1;
        const bool isAmount = (number >= 14 && number <= 17) || number == 20;
        page.boxes << SlipBox{number, captions[i], texts[i], isAmount};
    }
    page.linhaDigitavel = LinhaDigitavel(c.CodBar);
    page.bankNote = kBankNote;
    page.formCaption = kFormCaption;
    page.barcodeDigits = page.linhaDigitavel.isEmpty() ? QString() : c.CodBar;
    return page;
}

bool slipIsPrinted(const SlipContent& content) { return money::toCents(content.ccVlTotal) > 0; }

QList<SlipPage> slipPages(const QList<SlipContent>& contents) {
    QList<SlipPage> pages;
    for (const SlipContent& c : contents)
        if (slipIsPrinted(c)) pages << buildSlipPage(c);
    return pages;
}

} // namespace vexa::payment
