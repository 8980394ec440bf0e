#pragma once
// The checks of the declaration row: leaving the key fields, and the save
// checks of the first sheet (change of domicile), of "Itens 17 - 18.4"
// (declarant and accountant) and of "Itens 5 - 8.7" (apuração), each in its
// fixed order, answering the exact message and the field at fault (the
// `Vexas` column name, or "IE" / "Mes" / "Ano" for the key fields).
//
// Fields a screen treats specially: a failure on "CidadeB" clears the
// municipality name and opens the municipality picker.

#include "common/Check.h"
#include "common/Prompter.h"
#include "declaration/Sheets.h"
#include "declaration/VexaRow.h"

#include <QString>

namespace vexa::decl {

namespace vexa_msg {
// key fields
inline const QString InformeIE = QStringLiteral("Informe uma Inscrição Estadual!!!");
inline const QString IENaoLocalizada =
    QStringLiteral("Inscrição Estadual informada não localizada no cadastro de contribuintes!!!");
inline const QString MesInvalido = QStringLiteral("Mes de referência não infomado ou inválido!!!");
inline const QString AnoObrigatorio = QStringLiteral("Ano de referência deve ser informado!!!");
inline const QString AnoAnterior2000 = QStringLiteral(
    "O calculo do DARE está disponível somente para períodos posteriores a 1999!\rDeseja cadastrar a VEXA "
    "para este período?");
// posting
inline const QString PeriodoAnterior2009 = QStringLiteral(
    "A VEXA com período de referência anterior a 01/2009 deverá ser informada no programa VEXA 7.2");
// change of domicile (3.10)
inline const QString InformeMudanca = QStringLiteral("Informe se houve mudança de domicilio!");
inline const QString MunicipioIgual = QStringLiteral(
    "O município ATUAL não deve ser igual ao município ANTERIOR quando há mudança de domicílio");
inline const QString DtIniAVazia = QStringLiteral("Digite a data inicial do município A");
inline const QString DtFimAVazia = QStringLiteral("Digite a data Final do município A");
inline const QString CidadeBVazia = QStringLiteral("Selecione um município para B");
inline const QString DtIniBVazia = QStringLiteral("Digite a data inicial do município B");
inline const QString DtFimBVazia = QStringLiteral("Digite a data Final do município B");
inline const QString DataInicialMaior = QStringLiteral("Data Inicial não pode ser maior que a data Final!!!");
inline const QString DatasInvalidas = QStringLiteral("Datas do item 3.10.1 inválidas. Por favor verifique.");
inline const QString DatasForaPeriodo =
    QStringLiteral("Datas do item 3.10.1 fora do período de referência. Por favor verifique.");
inline const QString SelecioneCidade = QStringLiteral("Selecione uma cidade.");
// declarant and accountant (17 - 18.4)
inline const QString UFInvalida = QStringLiteral("UF Informada Inválida!!!");
inline const QString CPFVazio = QStringLiteral("CPF Responsável deve ser informado!!!");
inline const QString CPFInvalido = QStringLiteral("CPF Responsável Inválido!!!");
inline const QString NomeVazio = QStringLiteral("Nome Responsável deve ser informado!!!");
inline const QString CRCNaoLocalizado = QStringLiteral("CRC / UF não localizados no cadastro de contabilista.");
// apuração (5 - 8.7)
inline const QString DeducoesComCredito = QStringLiteral(
    "Valor do campo 7.2 (Deduções) deve ser  igual a zero quando valor do campo 6.5 \r(Total do Crédito) for "
    "maior  que o valor do campo 5.4 (Total do Débito)!!!");
inline const QString Item73Inferior50 = QStringLiteral(
    "Valores inferiores a R$ 50,00, lançados no campo 7.3 (imposto a recolher), devem ser acumulados para o "
    "período \rseguinte no campo 6.2.1 - Outros Créditos (Imposto a Recolher inferior a R$ 50,00 a ser "
    "transportado para o \rperíodo seguinte), conforme  Art. 2º, inciso I da Portaria KORVA 916,  de 15 de "
    "junho de 2005.");
inline const QString Item86Inferior50 = QStringLiteral(
    "Valores inferiores a R$ 50,00, lançados no campo 8.6 - ICMS SUBS. TRIBUTÁRIA A RECOLHER, devem ser "
    "acumulados para o período \rseguinte no campo 8.5 - Outros Créditos, e somado ao valor do campo 8.3 - "
    "DÉBITO ICMS SUBSTITUIÇÃO TRIBUTÁRIA do período seguinte, \rconforme  Art. 2º, inciso I da  Portaria "
    "KORVA 916,  de 15 de junho de 2005.");
inline const QString DeducoesMaiorSaldo = QStringLiteral(
    "Valor do campo 7.2 (Deduções) deve ser menor ou igual ao valor do campo 7.1 (Saldo Devedor)!!!");
// commands
inline const QString ConfirmaExclusaoVexa = QStringLiteral("Confirma Exclusão desta VEXA?");
inline const QString ConfirmaExclusao = QStringLiteral("Confirma Exclusão?");
inline const QString GraveOuCancelePagina =
    QStringLiteral("Grave ou Cancele as alterações antes de mudar de página!!!");
inline const QString GraveOuCanceleSair = QStringLiteral("Grave ou Cancele as alterações antes de sair!!!");
inline const QString SelecioneCidadeAnterior = QStringLiteral("Selecione a cidade anterior");
} // namespace vexa_msg

namespace vexa_field {
inline const QString IE = QStringLiteral("IE");
inline const QString Mes = QStringLiteral("Mes");
inline const QString Ano = QStringLiteral("Ano");
} // namespace vexa_field

// ---- key fields -----------------------------------------------------------------

// Leaving IE: blank, or not exactly one taxpayer with it.
CheckResult checkLeavingIE(const QString& ie);
// Leaving Mes: blank or outside 1..12 (the screen then leaves search mode).
CheckResult checkLeavingMes(const QString& typedMonth);

// Leaving Ano: the year (4 characters), the IE, and for a year before 2000
// the question whether to go on (asked only when the year field is the one
// being left). Declined: the user answered No; the focus goes back to the year.
struct LeaveAnoResult {
    enum class Outcome { Proceed, Refused, Declined };
    Outcome outcome = Outcome::Proceed;
    CheckResult check;   // Refused: the message and field
    bool proceed() const { return outcome == Outcome::Proceed; }
};
LeaveAnoResult checkLeavingAno(const QString& ie, const QString& typedYear, bool leavingYearField,
                               Prompter& prompter);

// ---- save checks ------------------------------------------------------------------

// Items 3.10 and 3.10.1 (run on every save). taxpayerCityIBGE: the IBGE code
// of the taxpayer's current municipality (0 when unknown).
CheckResult checkDomicile(const VexaRow& row, qint64 taxpayerCityIBGE);
// The same, looking the taxpayer's municipality up.
CheckResult checkDomicile(const VexaRow& row);

// Sheet "Itens 17 - 18.4".
CheckResult checkDeclarantSheet(const VexaRow& row);

// Sheet "Itens 5 - 8.7": the computation, then its checks. Rounds C72 of the
// row to cents, as the save does before its comparisons.
CheckResult checkApuracaoSheet(VexaRow& row);

// Leaving item 8.3: the item-8.6 message as a warning (not blocking); empty when none.
QString item83Warning(const VexaRow& row);

// Every save check of the sheet on show, in order: domicile, then the sheet's own.
CheckResult checkSave(VexaRow& row, Sheet sheet);

// A new row may be stored only from 01/2009.
CheckResult checkPostingPeriod(const DeclarationKey& key);

} // namespace vexa::decl
