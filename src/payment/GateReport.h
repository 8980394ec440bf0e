#pragma once
// The slip report's data set of the slips linked to a declaration
// (`qrRelatorioGATE`): one row per `dare` row with its taxpayer, municipality,
// due date and revenue, and its amounts, bar-code number and notes computed
// afresh with the row's stored payment date. The slip screen prints one DARE
// through it, the batch print every DARE of a period.
//
// Each parameter is a value or "<TODOS>" (everything). The joins are inner: a
// DARE whose period has no calendar row, whose taxpayer has no municipality or
// whose revenue code is not in `Tributos` has no row and is not printed.

#include "payment/SlipAmounts.h"
#include "payment/SlipPage.h"

#include <QDate>
#include <QList>
#include <QString>

namespace vexa::payment {

struct GateRow {
    // `Contribuintes`
    QString IE;
    QString cgc_cpf;
    QString RazaoSocial;
    QString MunicipioID;
    // `Municipios`
    QString NomeMunicipio;
    QString codIBGE;
    // `CalendarioFiscal`
    QDate DataVencimento;
    // `dare`
    QString Periodo;          // Mes + Ano, "MMYYYY"
    QString Ano;
    QString Mes;
    QString Retificacao;
    QString Doc_Origem;
    QString Obs1, Obs2, Obs3;
    QDate DataPgto;
    // `Tributos`
    int Tipo = -1;
    QString TributoID;
    QString Distribuicao;
    QString CodigoTributos;
    QString TributoDescricao;
    // computed
    SlipAmounts amounts;
    QString Obs4;
    QString NossoNumero;
    QString CodBar;
};

// Rows of the taxpayer `contribuinte` (IE), period `periodo` (MMYYYY) and
// rectification `retificacao`, each a value or "<TODOS>"; ordered by taxpayer
// name, IE, year, month and rectification.
QList<GateRow> qrRelatorioGATE(const QString& contribuinte, const QString& periodo, const QString& retificacao);

// What the page of a row prints (box 6 the originating document, box 17 the
// monetary correction).
SlipContent slipContent(const GateRow& row);

// The pages of the rows, leaving out those of total 0.
QList<SlipPage> gatePages(const QList<GateRow>& rows);

} // namespace vexa::payment
