#pragma once
// One small question per reference or registry lookup that the screens, the
// validation and the import ask: does this code exist, what is its description,
// which state code matches which, is this rate or CFOP acceptable for the period.
//
// Each runs one statement on the "Vexa" connection with its arguments bound,
// so a quote or an accent in an argument is simply part of the value. When the
// engine refuses a statement the error goes to the application-wide handler
// (reportUnhandledError) and the lookup answers its "none" result: false,
// empty text, 0 or an invalid date. An empty argument matches nothing.

#include <QDate>
#include <QList>
#include <QString>

namespace vexa::storage {

// ---- registries --------------------------------------------------------------

bool TaxpayerExists(const QString& ie);                       // exactly one `Contribuintes` row
bool TaxpayerHasDeclarations(const QString& ie);              // at least one `Vexas` row
QString TaxpayerIEByName(const QString& name);                // `IE` of the first row with that `RazaoSocial`
bool AccountantExists(const QString& crc, const QString& uf); // exactly one `Declarante` row

// ---- activities and municipalities --------------------------------------------

bool ActivityExists(const QString& code);                     // exactly one `Atividades` row
QString ActivityDescription(const QString& code);
bool IsItem15Activity(const QString& cnae);                   // exactly one `CNAE15` row
bool IsHomeStateMunicipality(qint64 codIBGE);                 // exactly one QX row with that `CodIBGE`
QString MunicipalityNameByIBGE(qint64 codIBGE);

// ---- states and rates ---------------------------------------------------------

QString NumericStateCode(const QString& letterCode);          // `UF.Codigo` of a letter code
QString LetterStateCode(const QString& numericCode);          // `UF.UF` of a numeric code
double InternalRate(const QString& numericCode);              // `AliquotaUF.Aliquota`; 0 when none

// Rate acceptance for the rate columns of segments P, Q and S of the
// accounting-system file. rate in percent (the file's value divided by 100),
// year "YYYY", month "MM", segment the record letter. Rates are equal when
// they agree to the cent.
bool IsAcceptedRate(const QString& numericCode, const QString& year, const QString& segment,
                    const QString& month, double rate);

// ---- declarations -------------------------------------------------------------

bool TributeExists(const QString& code, int kind);            // a `Tributos` row of that code and kind
// The highest `Retificacao` of the taxpayer's period; empty when the period has none.
QString LatestRectification(const QString& ie, const QString& year, const QString& month);
// `TipoEncerrante` of the taxpayer's latest year and month and, within it, of the
// LOWEST rectification (the last row of "order by ano, mes, Retificacao desc").
// Empty when the taxpayer has no declaration.
QString LatestTipoEncerrante(const QString& ie);
// `produto` of the nozzle of the declaration; 0 when none.
int NozzleProduct(const QString& ie, const QString& year, const QString& month,
                  const QString& rectification, const QString& pumpSerial, int nozzle);
bool DeclarationHasTare(const QString& ie, const QString& year, const QString& month,
                        const QString& rectification);

// ---- legal grounds (`Leis` credits, `LeisDeb` debits, `LeisD` deductions) ----

QString CreditLawKind(int code);
QString DebitLawKind(int code);
QString DeductionLawKind(int code);
bool CreditLawExists(int code);
bool DebitLawExists(int code);
bool DeductionLawExists(int code);
QString CreditLawDescription(const QString& code);
QString DebitLawDescription(const QString& code);
QString DeductionLawDescription(const QString& code);

// ---- CFOP ---------------------------------------------------------------------

// The CFOP table year of a declaration year, compared as text: up to "2017"
// -> "2017"; "2018" to "2021" -> themselves; "2022" and later -> "2022".
QString cfopTableYear(const QString& year);
// Exactly one `cfop` row of that CFOP in the table year of `year`.
bool IsCFOPOfYear(const QString& cfop, const QString& year);
// Whether the CFOP's first digit belongs to the grid of entries/outputs
// (`EntradaSaida` 0/1) and operation kind (`TipoOperacao` 0 internal,
// 1 interstate, 2 foreign): (1,0,0) (2,0,1) (3,0,2) (5,1,0) (6,1,1) (7,1,2).
bool IsCFOPOfView(const QString& cfop, int entradaSaida, int tipoOperacao);

// ---- indices ------------------------------------------------------------------

// The latest `Data` held for index 5 (SELIC); invalid when none.
QDate LatestIndexDate();

// ---- lists ----------------------------------------------------------------------

struct StateRow {
    QString codigo;   // numeric code
    QString uf;       // letter code
};
// "select * from uf order by uf"
QList<StateRow> StateList();

struct MunicipalityRow {
    QString codigoID;
    QString descricao;
    QString id;
    qint64 codIBGE = 0;
    QString uf;
};
// The municipality list in `Descricao` order, filtered by mode: 0 the home
// state "QX" only; 1 only those of stateLetterCode; any other mode all.
QList<MunicipalityRow> MunicipalityList(int mode, const QString& stateLetterCode = {});

} // namespace vexa::storage
