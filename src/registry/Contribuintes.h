#pragma once
// The taxpayer registry: table `Contribuintes`, one row per establishment
// registered for ICMS, keyed by its IE (9 digits). Finding by key, a new row
// with its defaults, the save checks in their fixed order, deleting (never a
// taxpayer with a declaration), clearing the password. No screen code here:
// the taxpayer screen and the batch program both run these.

#include "common/Check.h"
#include "common/Prompter.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace vexa::registry {

// The columns of `Contribuintes` that the taxpayer screen edits. The other
// columns (CNAE1, Fone, CPF, Nome, NTare, DataVctoTARE) are kept as stored.
struct Contribuinte {
    QString IE;
    QString RazaoSocial;
    QString CGC_CPF;
    QString MunicipioID;                 // `CodigoID` of `Municipios`
    QString Senha;                       // not edited; cleared with NovaSenha
    QString NovaSenha;                   // the 4-character password, as typed
    QString AtividadeEconomicaPrincip;   // `Codigo` of `Atividades`
    QString TipoEstabelecimento;         // "U" único, "M" matriz, "F" filial
    bool PortadorTare = false;
    QString TipoEscrituracao;            // "F" fiscal, "C" contábil
    bool UsuarioECF = false;
    QString TipoRegime;                  // "N" normal, "S" Simples Nacional
    QString EmailCont;
    QString UF;                          // letter code of the taxpayer's state

    bool operator==(const Contribuinte&) const = default;
};

// Field names a failed check points at (the columns themselves).
namespace taxpayer_field {
inline const QString IE = QStringLiteral("IE");
inline const QString RazaoSocial = QStringLiteral("RazaoSocial");
inline const QString Atividade = QStringLiteral("AtividadeEconomicaPrincip");
inline const QString Municipio = QStringLiteral("MunicipioID");
inline const QString CgcCpf = QStringLiteral("CGC_CPF");
inline const QString Senha = QStringLiteral("NovaSenha");
inline const QString Regime = QStringLiteral("TipoRegime");
inline const QString Email = QStringLiteral("EmailCont");
} // namespace taxpayer_field

// Widths of the edited columns: the screen's edits stop there, the batch
// program refuses longer values.
namespace taxpayer_width {
inline constexpr int IE = 9;             // the digits the mask takes (column text(11))
inline constexpr int RazaoSocial = 50;
inline constexpr int CGC_CPF = 14;
inline constexpr int NovaSenha = 4;
inline constexpr int EmailCont = 60;
} // namespace taxpayer_width

namespace taxpayer_msg {
inline const QString InformeIE = QStringLiteral("Informe  a Inscrição Estadual!!!");
inline const QString IEInvalida = QStringLiteral("Inscrição Estadual Inválida!!!");
inline const QString IEInformadaInvalida = QStringLiteral("Inscrição Estadual Informada Inválida!!!");
inline const QString NomeVazio = QStringLiteral("Nome ou Razão Social deve ser Informada!!!");
inline const QString AtividadeNaoCadastrada = QStringLiteral(
    "Atividade Econômica informada não cadastrada na tabela de atividades econômicas!!!");
inline const QString MunicipioVazio = QStringLiteral("Campo município deve ser selecionado!!!");
inline const QString DocumentoInvalido = QStringLiteral("CNPJ ou CPF informado inválido!!!");
inline const QString SenhaVazia = QStringLiteral("Senha deve ser informada!!!");
inline const QString RegimeVazio = QStringLiteral("Informe o Tipo de Regime");
inline const QString EmailVazio = QStringLiteral("E-mail do Contribuinte deve ser informado!!!");
inline const QString TemVexa =
    QStringLiteral("Contribuinte não pode ser exluido. Existe VEXA cadastrada para ele!!!");
inline const QString ConfirmaExclusao = QStringLiteral("Confirma Exclusão???");
} // namespace taxpayer_msg

// The taxpayer with that IE, or none.
std::optional<Contribuinte> findTaxpayer(const QString& ie);

// A new row for a new IE with the defaults it gets at once: single
// establishment, fiscal bookkeeping, normal regime, no ECF, no TARE.
Contribuinte newTaxpayer(const QString& ie);

// Leaving the IE field with an IE that no taxpayer holds: blank asks for one,
// a failing check digit refuses it (whatever the TARE box says); otherwise a
// new row may be started.
CheckResult checkNewIE(const QString& typedIE);

// The checks of "&Gravar", in their order, stopping at the first failure.
// passwordAsked: the "Senha" group is on show, so a password must be typed.
CheckResult checkTaxpayer(const Contribuinte& row, bool passwordAsked);

// The municipality as the screen shows it: the name of the `Municipios` row
// with that `CodigoID` within the row's state; empty when there is none.
QString municipalityShown(const Contribuinte& row);

// Writes the row (inserting it when its IE is new). The columns not edited
// here keep their stored values. False and *error when the engine refuses.
bool saveTaxpayer(const Contribuinte& row, QString* error);

// The stored password ("select novasenha from contribuintes where IE = ?").
QString storedPassword(const QString& ie);

// Clears `Senha` and `NovaSenha` of the taxpayer and writes the row at once.
bool clearTaxpayerPassword(const QString& ie, QString* error);

enum class DeleteOutcome {
    Deleted,
    HasDeclarations,   // warned: a declaration row names the taxpayer
    NotConfirmed,      // the user answered No
    NotFound,          // no such taxpayer (the table may be empty)
    Failed,            // the engine refused; *error says why
};

// Deletes the taxpayer unless any declaration row (any period, any
// rectification) names it; asks "Confirma Exclusão???" first.
DeleteOutcome deleteTaxpayer(const QString& ie, Prompter& prompter, QString* error);

// Moving through the table in `IE` order (the record navigator).
enum class Move { First, Prior, Next, Last };
// The IE reached from `from` (empty from = no current row); empty when the
// table is empty. Prior of the first and Next of the last stay where they are.
QString moveTaxpayer(Move move, const QString& from);

// Every taxpayer in `IE` order.
QList<Contribuinte> allTaxpayers();

} // namespace vexa::registry
