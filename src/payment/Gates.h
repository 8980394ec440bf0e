#pragma once
// The DARE of a monthly declaration (table `dare`, one slip per declaration
// version): the reference check that attaches a slip to the latest
// rectification of the period, what the slip screen shows with it (taxpayer,
// revenue, due date, amounts, bar-code number), the save checks and the print
// checks in their fixed order with their messages and the field at fault,
// storing and deleting. No screen code: the "Cadastrar DARE" screen and the
// batch program both run these, in the same order.

#include "common/Check.h"
#include "common/Prompter.h"
#include "payment/SlipAmounts.h"
#include "payment/SlipCode.h"
#include "payment/Tributos.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <optional>

namespace vexa::payment {

// Key of a `dare` row: the declaration key it belongs to.
struct DareKey {
    QString IE;            // 9 digits
    QString Ano;           // "YYYY"
    QString Mes;           // "MM"
    QString Retificacao;   // "00", "01", ...

    QString periodo() const { return Mes + Ano; }   // "MMYYYY"
    bool operator==(const DareKey&) const = default;
};

// One `dare` row as stored.
struct Dare {
    DareKey key;
    QString CodigoTributo;   // a `Tributos.CodigoID`
    QString Obs1, Obs2, Obs3;
    QString Doc_Origem;      // "Nº DOC. ORIGEM"
    QDate DataPgto;          // invalid when empty

    bool operator==(const Dare&) const = default;
};

// Column widths; the screen's edits stop there and the save refuses longer texts.
namespace dare_width {
inline constexpr int CodigoTributo = 5;
inline constexpr int Obs = 40;
inline constexpr int Doc_Origem = 30;
} // namespace dare_width

// Field names a failed check points at (the columns, and the screen's fields).
namespace dare_field {
inline const QString IE = QStringLiteral("IE");
inline const QString Mes = QStringLiteral("Mes");
inline const QString Ano = QStringLiteral("Ano");
inline const QString CodigoTributo = QStringLiteral("CodigoTributo");
inline const QString DataPgto = QStringLiteral("DataPgto");
inline const QString Doc_Origem = QStringLiteral("Doc_Origem");
inline const QString Obs1 = QStringLiteral("Obs1");
inline const QString Obs2 = QStringLiteral("Obs2");
inline const QString Obs3 = QStringLiteral("Obs3");
} // namespace dare_field

namespace dare_msg {
inline const QString AnoAnterior2000 =
    QStringLiteral("O calculo do DARE está disponível somente para períodos posteriores a 1999!");
inline const QString ContribuinteNaoLocalizado = QStringLiteral("Contribuinte não localizado");
inline const QString SemVexa =
    QStringLiteral("Não há VEXA cadastrada para a Inscrição Estadual e período informado!!!");
inline const QString ReceitaNaoLocalizada =
    QStringLiteral("Código da receita não localizado na tabela de tributos!!!");
inline const QString SemMunicipio =
    QStringLiteral("Código do município não foi informado no cadastro de contribuintes!!!");
inline const QString PagamentoAntesVencimento =
    QStringLiteral("A data para pagamento não pode ser menor que a data de vencimento");
// A period the fiscal calendar does not hold has no due date to check the payment date against.
inline const QString SemVencimento =
    QStringLiteral("Não há data de vencimento no calendário fiscal para o período de referência informado!!!");
inline const QString PagamentoSuperiorPrefix = QStringLiteral("Data para pagamento não pode ser superior a ");
inline const QString PagamentoAnteriorHojePrefix =
    QStringLiteral("Data para pagamento não pode ser menor que a Data Atual: ");
inline const QString AtualizarIGPDI =
    QStringLiteral("Para finalizar a gravação do DARE, favor atualizar o cadastro de IGP-DI. ");
inline const QString AtualizarSelic =
    QStringLiteral("Para finalizar a gravação do DARE, favor atualizar o cadastro de Indice Selic. ");
inline const QString InformeDataPagamento = QStringLiteral("Informa a data para pagamento!!!");
inline const QString ReceitaNaoPositiva = QStringLiteral("Valor da Receita deve ser maior que zero!!!");
inline const QString TotalAcimaLimite =
    QStringLiteral("Valor total do DARE deve ser menor ou iqual a  99.999.999,99!!!");
inline const QString ConfirmaExclusao = QStringLiteral("Confirma Exclusão???");
// The batch program's answer for a declaration that has no DARE yet.
inline const QString SemDare =
    QStringLiteral("Não há DARE cadastrado para a Inscrição Estadual e período informado!!!");
inline const QString SemDadosImpressao =
    QStringLiteral("Não há dados cadastrados para período e contribuinte informado!!!");
} // namespace dare_msg

// "Versão do programa só permite emissão do DARE até referência 01/2025." +
// two line breaks + "Solicite nova versão na Delegacia Fiscal mais próxima ou
// pela Internet.". `beforeAte` is the blank(s) before "até": one on the slip
// screens, two on the batch print of a period.
QString versionMessage(const QString& beforeAte = QStringLiteral(" "));
// The status line of the slip screens: "Impressão do DARE valida até referência 01/2025".
QString issueLimitText();

// ---- shared by the linked and the standalone slips ----------------------------

// The taxpayer as a slip shows it.
struct SlipTaxpayer {
    bool found = false;
    QString RazaoSocial;     // "NOME DO CONTRIBUINTE"
    QString CGC_CPF;         // "CNPJ"
    QString MunicipioID;     // the taxpayer's municipality (`Municipios.CodigoID`)
    QString TipoRegime;
    QString codIBGE;         // "CÓDIGO DO MUNICÍPIO"; empty when the municipality is missing or names none
};
SlipTaxpayer findSlipTaxpayer(const QString& ie);

// A text of a slip and the width of its column.
struct TextWidth {
    const QString& value;
    int width;
    const char* caption;
    const QString& field;
};
// The first text wider than its column: "<caption> aceita no máximo N caracteres.", with its field.
CheckResult checkTextWidths(std::initializer_list<TextWidth> texts);

// The bar-code number (empty when it cannot be formed) and the digitable line
// of a slip of the revenue with these amounts and this slip number.
struct SlipBarcode {
    QString CodBar;
    QString LinhaDigitavel;
};
SlipBarcode slipBarcode(const Tributo& tributo, double ccVlTotal, double vlReceita, double juros, double multa,
                        const QString& nossoNumero, SlipOrigin origin);

// ---- the reference check ------------------------------------------------------

enum class ReferenceOutcome {
    Shown,              // a stored DARE of the key: `dare` holds it
    New,                // the declaration exists and has no DARE yet: `dare` is a new row (not stored)
    YearBefore2000,     // refused: focus back to the year
    TaxpayerNotFound,   // refused: error box, key fields as typed
    NoDeclaration,      // refused: key entry with the key fields cleared, focus on the IE
};

struct ReferenceResult {
    ReferenceOutcome outcome = ReferenceOutcome::NoDeclaration;
    CheckResult check;          // the message and field of a refusal; passes otherwise
    DareKey key;                // IE, Mes, Ano and the latest rectification found
    Dare dare;                  // the DARE on show (Shown / New)
    QString tipoRegime;         // the taxpayer's regime
    QList<Tributo> revenues;    // the drop-down's codes for that regime

    bool ok() const { return outcome == ReferenceOutcome::Shown || outcome == ReferenceOutcome::New; }
};

// The latest rectification of the taxpayer's period: the highest `Retificacao`
// of `Vexas`; empty when the period has no declaration.
QString latestRectification(const QString& ie, const QString& ano, const QString& mes);

// The reference check of the typed IE, month and year. fromYearField: started
// by leaving the year field (only then is a year before 2000 refused). A new
// DARE gets today's date (Clock) as its payment date; nothing is stored here.
ReferenceResult referenceCheck(const QString& ie, const QString& mes, const QString& ano, bool fromYearField);

// The stored DARE of the key, or none.
std::optional<Dare> findDare(const DareKey& key);

// ---- what the screen shows with a DARE ---------------------------------------

struct DareView {
    Dare dare;
    bool taxpayerFound = false;
    QString RazaoSocial;     // "NOME DO CONTRIBUINTE"
    QString CGC_CPF;         // "CNPJ"
    QString MunicipioID;     // the taxpayer's municipality (`Municipios.CodigoID`)
    QString codIBGE;         // "CÓDIGO DO MUNICÍPIO": IBGE code of that municipality; empty when none
    QString TipoRegime;
    std::optional<Tributo> tributo;   // by CodigoTributo
    QDate DataVencimento;    // "DATA DE VENCIMENTO"; invalid when the period has no calendar row
    bool amountsComputed = false;     // IE, Mes, Ano and the due date all present
    SlipAmounts amounts;     // zero unless amountsComputed
    QString NossoNumero;
    QString CodBar;          // empty when it cannot be formed (no revenue, total too large)
    QString LinhaDigitavel;
    QString Obs4;
};

// Looks up everything the slip shows with the row as it stands (typed, not
// necessarily stored) and computes its amounts with its own payment date.
DareView describeDare(const Dare& dare);

// ---- save, print, delete -----------------------------------------------------

// The save checks ("&Gravar"), in order. Warnings are shown and the save goes
// on (the taxpayer without a municipality); `refusal` is the first check that
// stops it, with its field.
struct SaveCheck {
    QStringList warnings;
    CheckResult refusal;
    bool ok() const { return refusal.ok(); }
};
SaveCheck checkSave(const Dare& dare);

// Texts wider than their columns (the screen's edits stop at the width; the
// batch program refuses them): "<caption> aceita no máximo N caracteres.".
CheckResult checkDareWidths(const Dare& dare);

// Stores the row: inserted when its key is new, updated otherwise. Texts wider
// than their columns are refused. False and *error when refused or the engine fails.
bool saveDare(const Dare& dare, QString* error);

// The print checks ("&Imprimir DARE"), in order, on what the screen shows.
CheckResult checkPrint(const DareView& view);

enum class DeleteOutcome { Deleted, NotConfirmed, NotFound, Failed };
// Deletes the DARE of the key after "Confirma Exclusão???".
DeleteOutcome deleteDare(const DareKey& key, Prompter& prompter, QString* error);

} // namespace vexa::payment
