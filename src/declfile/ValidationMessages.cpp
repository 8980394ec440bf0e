// The messages of the consistency checks, as the report shows them: HTML
// entities and carriage returns are part of the text.

#include "declfile/ValidationRules.h"

#include <array>

namespace vexa::declfile {

namespace {

// Indexed by rule number; for composed messages the first piece.
const std::array<QString, 62>& messages() {
    static const std::array<QString, 62> all = {
        QString(),
        /*  1 */ QStringLiteral("Município inválido no cadastro do contribuinte."),
        /*  2 */ QStringLiteral("Campo nome do Contador deve ser informado"),
        /*  3 */ QStringLiteral("Atividade Econômica Principal do contribuinte deve ser informada"),
        /*  4 */ QStringLiteral("Tipo de Estabelecimento do contribuinte deve ser informado"),
        /*  5 */ QStringLiteral("Campo Portador de Tare deve ser informado"),
        /*  6 */ QStringLiteral("Campo 3.4.1 (TARE) deve ser informado"),
        /*  7 */ QStringLiteral("Campo Tipo de Escrituração deve ser informado"),
        /*  8 */ QStringLiteral("Campo Usuario de ECF deve ser informado"),
        /*  9 */ QStringLiteral("Campo CPF Responsável pela declaração inválido"),
        /* 10 */ QStringLiteral("Campo Nome do Responsável pela declaração deve ser informado"),
        /* 11 */ QStringLiteral("Campo CRC Contador deve ser informado"),
        /* 12 */ QStringLiteral("Campo UF do CRC Contador deve ser informado"),
        /* 13 */ QStringLiteral("Campo CPF contabilista  inválido"),
        /* 14 */ QStringLiteral("Campo Email do contabilista deve ser informado"),
        /* 15 */ QStringLiteral("Campo Email do contribuinte deve ser informado"),
        /* 16 */ QStringLiteral("Campo Nova Senha deve ser informado"),
        /* 17 */ QStringLiteral("Valores inferiores a R$ 50,00, lançados no campo 7.3 (imposto a recolher), devem ser acumulados para o período \rseguinte no campo 6.2.1 - Outros Créditos (Imposto a Recolher inferior a R$ 50,00 a ser transportado para o \rperíodo seguinte), conforme  Art. 2º, inciso I da Portaria KORVA 916, de 15 de junho de 2005."),
        /* 18 */ QStringLiteral("Valores inferiores a R$ 50,00, lançados no campo 8.6 - ICMS SUBS. TRIBUTÁRIA A RECOLHER, devem ser acumulados para o período \rseguinte no campo 8.5 - Outros Créditos, e somado ao valor do campo 8.3 - DÉBITO ICMS SUBSTITUIÇÃO TRIBUTÁRIA do período seguinte, \rconforme  Art. 2º, inciso I da  Portaria KORVA 916,  de 15 de junho de 2005."),
        /* 19 */ QStringLiteral("O valor informado na coluna \"E\" do campo 10.2 - Estoque Inicial, ser&aacute; obrigatoriamente, igual ao somat&oacute;rio das colunas \"A\", \"B\", \"C\" e \"D\" do campo 10.2"),
        /* 20 */ QStringLiteral("O valor informado na coluna \"E\" do campo 10.3 - Estoque Final, ser&aacute; obrigatoriamente, igual ao somat&oacute;rio das colunas \"A\", \"B\", \"C\" e \"D\" do campo 10.3"),
        /* 21 */ QStringLiteral("Número do bico abastecedor (bico "),
        /* 22 */ QStringLiteral("Volume comercializado sem intervenção (A - 13.5 )  deve ser igual a diferença entre Leitura Encerrante Inicial (A 13.4) e  Leitura Encerrante Final (B 13.4) para a bico nº: "),
        /* 23 */ QStringLiteral("Campo 13.5 (Volume comercializado) B (Com intervenção) deve ser preenchido somente se o resultado das vendas A (volume comercializado sem intervenção) for negativo"),
        /* 24 */ QStringLiteral(" O Número do TARE cadastrado é inválido ("),
        /* 25 */ QStringLiteral("Obs.: Não deve ser informado valor para campo 6.2.1 com a Código/Lei: 98 - Outros, pois o campo 7.3 (imposto a recolher) não deve ser maior que  R$ 50,00."),
        /* 26 */ QStringLiteral("Valor Total item 6.2.1  deve ser igual ao valor do campo 6.2 (outros cr&eacute;ditos)"),
        /* 27 */ QStringLiteral("Campo 3.4.1 (Informa&ccedil;&otilde;es sobre TARE) deve ser preenchido quando ocorrer valores lan&ccedil;ados para o campo 6.2.1 (Outros Cr&eacute;ditos) referentes a TARE"),
        /* 28 */ QStringLiteral("Valor Total do item 7.2.1 deve ser igual ao valor do campo 7.2 (Dedu&ccedil;&otilde;es)"),
        /* 29 */ QStringLiteral("Campo 3.4.1 (Informa&ccedil;&otilde;es sobre TARE) deve ser preenchido quando ocorrer valores lan&ccedil;ados para o campo 7.2.1 (Dedu&ccedil;&otilde;es) referentes a TARE - Prosperar"),
        /* 30 */ QStringLiteral("O valor do somat&oacute;rio da coluna \"C\" (cr&eacute;dito do imposto) do item 4.1 ser&aacute;, obrigatoriamente, igual ao valor do item 6.1 (cr&eacute;dito do imposto por entradas)"),
        /* 31 */ QStringLiteral("O valor do somat&oacute;rio da coluna \"C\" (d&eacute;bito do imposto) do item 4.2 ser&aacute;, obrigatoriamente, igual ao valor do item 5.1 (d&eacute;bito do imposto por sa&iacute;das)"),
        /* 32 */ QStringLiteral("O valor do somat&oacute;rio da coluna \"A\" (valor cont&aacute;bil) do item 4.1 ser&aacute;, obrigatoriamente, igual ao valor do somat&oacute;rio da coluna 11.2 (valor cont&aacute;bil), indicado no item 11.8 (total)"),
        /* 33 */ QStringLiteral("O valor do somat&oacute;rio da coluna \"B\" (base da cálculo) do item 4.1 ser&aacute;, obrigatoriamente, igual ao valor do somat&oacute;rio do item 11.3 (base da cálculo), indicado no item 11.8 (total)"),
        /* 34 */ QStringLiteral("O valor do somat&oacute;rio da coluna \"C\" (cr&eacute;dito do imposto) do item 4.1 ser&aacute;, obrigatoriamente, igual ao valor do somat&oacute;rio do item 11.4 (cr&eacute;dito do imposto), indicado no item 11.8 (total)"),
        /* 35 */ QStringLiteral("O valor do somat&oacute;rio da Coluna \"D\" (isentas/não tributadas) do item 4.1  ser&aacute;, obrigatoriamente, igual ao valor do somat&oacute;rio do item 11.5 (isentas/não tributadas), indicado no item 11.8 (total)"),
        /* 36 */ QStringLiteral("O valor do somat&oacute;rio da Coluna \"E\" (outras) do item 4.1 ser&aacute;, obrigatoriamente, igual ao valor do somat&oacute;rio do item 11.6 (outras), indicado no item 11.8 (total)"),
        /* 37 */ QStringLiteral("O valor do somat&oacute;rio da Coluna \"F\" (substituição tributária) do item 4.1 ser&aacute;, obrigatoriamente, igual ao valor do somat&oacute;rio do item 11.7  (substituição tributária) , indicado no item 11.8 (total)"),
        /* 38 */ QStringLiteral("O valor do somat&oacute;rio da coluna \"A\" (valor contábil) do item 4.2 ser&aacute;, obrigatoriamente, igual ao valor do somat&oacute;rio dos totais das colunas \"A\" (contribuinte) e \"B\" (não contribuinte) do item 12.2 (valor contábil), indicado no item 12.8 (total)"),
        /* 39 */ QStringLiteral("O valor do somat&oacute;rio da coluna \"B\" (base da cálculo) do item 4.2 ser&aacute;, obrigatoriamente, igual ao valor do somat&oacute;rio dos totais das colunas \"A\" (contribuinte) e \"B\" (não contribuinte) do item 12.3 (base de cálculo), indicado no item 12.8 (total) "),
        /* 40 */ QStringLiteral("O valor do somat&oacute;rio da coluna \"C\" (débito do imposto) do item 4.2 ser&aacute;, obrigatoriamente, igual ao valor do somat&oacute;rio dos totais das colunas \"A\" (contribuinte) e \"B\" (não contribuinte) do item 12.4 (débito do imposto), indicado no item 12.8 (total)"),
        /* 41 */ QStringLiteral("O valor do somat&oacute;rio da coluna \"D\" (isentas/não tributadas)  do item 4.2 ser&aacute;, obrigatoriamente, igual ao valor do somat&oacute;rio do item 12.5 (isentas/não tributadas), indicado no item 12.8 (total)"),
        /* 42 */ QStringLiteral("O valor do somat&oacute;rio da coluna \"E\" (outras) do item 4.2 ser&aacute;, obrigatoriamente, igual ao valor do somat&oacute;rio do item 12.6 (outras), indicado no item 12.8 (total)"),
        /* 43 */ QStringLiteral("O valor do somat&oacute;rio da coluna \"F\" (substituição tributária) do item 4.2 ser&aacute;, obrigatoriamente, igual ao valor do somat&oacute;rio do item 12.7 (substituição tributária), indicado no item 12.8 (total)"),
        /* 44 */ QStringLiteral("O valor do somat&oacute;rio da coluna \"A\" (valor contábil)  do subitem 4.1.1 (entradas/op. Internas) ser&aacute;, obrigatoriamente, igual ao do item 11.2 (valor contábil), para o código 29 (Verdalena) no item 11.1 (Código da UF)"),
        /* 45 */ QStringLiteral("O valor do somat&oacute;rio da coluna \"A\" (valor contábil) do subitem 4.1.2 (entradas/op. Interestaduais) ser&aacute;, obrigatoriamente, igual ao do item 11.2 (valor contábil), para os códigos 01 a 28 (outras Unidades da Federação) no item 11.1 (Código da UF)"),
        /* 46 */ QStringLiteral("O valor do somat&oacute;rio da coluna \"A\" (valor contábil) do subitem 4.1.3 (entradas/op. Exterior) ser&aacute;, obrigatoriamente, igual ao do item 11.2 (valor contábil) , para o código 90 (Exterior) no item 11.1 (Código da UF)"),
        /* 47 */ QStringLiteral("O valor do somat&oacute;rio da coluna \"A\"  (valor contábil) do subitem 4.2.1 (sa&iacute;das/op. Internas) ser&aacute;, obrigatoriamente, igual ao somat&oacute;rio das colunas \"A\" (contribuinte) e \"B\" (não contribuinte) do item 12.2 (valor contábil), para o código  29 (Verdalena) no item 12.1 (Código  da UF)"),
        /* 48 */ QStringLiteral("O valor do somat&oacute;rio da coluna \"A\" (valor contábil) do subitem 4.2.2 (sa&iacute;das/op. Interestaduais) ser&aacute;, obrigatoriamente, igual ao somat&oacute;rio das colunas \"A\" (contribuinte) e \"B\" (não contribuinte) do item 12.2 (valor contábil), para os códigos 01 a 28 (outras Unidades da Federação) no item 12.1 (Código da UF)"),
        /* 49 */ QStringLiteral("O valor do somatório da coluna \"A\" (valor contábil) do subitem 4.2.3 (sa&iacute;das/op. Exterior) ser&aacute;, obrigatoriamente, igual ao somatório das colunas \"A\" (contribuinte) e \"B\" (não contribuinte) do item 12.2 (valor contábil), para o código 90 (Exterior) no item 12.1 (Código da UF) "),
        /* 50 */ QStringLiteral("O valor do somatório da coluna \"A\" (Valor Contábil) do item 4.1 ser&aacute;, obrigatoriamente, igual ao valor do somat&oacute;rio dos totais das colunas \"B\" (Base de Cálculo), \"D\" (Isentas e/ou Não Tributadas), \"E\" (Outras) e \"F\" (Substituição Tributária)"),
        /* 51 */ QStringLiteral("O valor do somat&oacute;rio da coluna \"A\" (Valor Contábil) do item 4.2 ser&aacute;, obrigatoriamente, igual ao valor do somat&oacute;rio dos totais das colunas \"B\" (Base de Cálculo), \"D\" (Isentas e/ou Não Tributadas), \"E\" (Outras) e \"F\" (Substituição Tributária)"),
        /* 52 */ QStringLiteral("O somatório do total da coluna \"B\" (Valor) do item 9.1 será, obrigatoriamente, igual ao valor informado no item 7.3. "),
        /* 53 */ QStringLiteral("O somatório do total da Coluna \"B\" (Valor) do item 9.2 será, obrigatoriamente, igual ao valor informado no item 7.4. "),
        /* 54 */ QStringLiteral("O somatório do total da Coluna \"B\" (Valor) do item 9.5 será, obrigatoriamente, igual ao valor informado no item 7.16. "),
        /* 55 */ QStringLiteral("Por favor, inserir na Coluna \"B\" (Valor) do item 9.6"),
        /* 56 */ QStringLiteral("O somat&oacute;rio do total da Coluna \"B\" (Valor) do item 9.3 ser&aacute;, obrigatoriamente, igual ao valor informado no item 8.6"),
        /* 57 */ QStringLiteral("O somat&oacute;rio do total da Coluna \"B\" (Valor) do item 9.4 ser&aacute;, obrigatoriamente, igual ao valor informado no item 7.12"),
        /* 58 */ QStringLiteral("O valor Total da coluna 15.3 \"Sa&iacute;das e/ou presta&ccedil;&otilde;es\" ser&aacute;, obrigatoriamente, igual ao valor do somat&oacute;rio da \rColuna: A - Valor Cont&aacute;bil, do item 4.2 - Sa&iacute;das e/ou presta&ccedil;&otilde;es, para os CFOP's relacionados abaixo:"),
        /* 59 */ QStringLiteral("O valor Total da coluna 15.4 \"Entradas e/ou aquisições\" ser&aacute;, obrigatoriamente, igual ao valor do somat&oacute;rio da Coluna: A - Valor Cont&aacute;bil, do item 4.1 - Entradas e/ou aquisições, para os CFOP's abaixo relacionados:"),
        /* 60 */ QStringLiteral("O campo 13 é de preenchimento obrigatório  para contribuintes com CNAE-Fiscal "),
        /* 61 */ QStringLiteral("O campo 13.6 é de preenchimento obrigatório  para contribuintes com CNAE-Fiscal "),
    };
    return all;
}

} // namespace

QString ruleMessage(int number) {
    if (number < 1 || number > 61) return {};
    return messages()[size_t(number)];
}

QString rule55Question() {
    return QStringLiteral("Na Coluna \"B\" (Valor) do item 9.6 não foi informado o adicional \rde 2% na alíquota do ICMS sobre produtos e serviços nos termos \rdo art. 82, §1º, do Ato das Disposições Constitucionais \rTransitórias - ADCT da Constituição Federal. \r\rConfirma a veracidade da informação?");
}

} // namespace vexa::declfile
