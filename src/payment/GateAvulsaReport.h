#pragma once
// The slip report's data set of the standalone slips (`qrRelatorioGATEAvulsa`):
// one row per `DareAvulsas` row with its taxpayer, municipality and revenue,
// the stored amounts, and the total, slip number, bar-code number and due-date
// note computed from them. "&Imprimir DARE" prints one slip through it.
//
// `contribuinte` (IE), `periodo` (MMYYYY) and `tributo` (revenue code) are each
// a value or "<TODOS>"; `seq` a value or -1 for all. The joins are inner: a
// slip whose taxpayer has no municipality or whose revenue code is not in
// `Tributos` has no row and is not printed.

#include "payment/DareAvulsas.h"
#include "payment/SlipPage.h"

#include <QList>
#include <QString>

namespace vexa::payment {

inline constexpr int kTodasSeq = -1;

struct GateAvulsaRow {
    // `Contribuintes`
    QString cgc_cpf;
    QString RazaoSocial;
    QString MunicipioID;
    // `Municipios`
    QString NomeMunicipio;
    QString codIBGE;
    // `DareAvulsas`: the stored slip (IE, period, amounts, notes, document, `Objeto`)
    DareAvulsa slip;
    // `Tributos`
    int Tipo = -1;
    QString TributoID;
    QString Distribuicao;
    QString CodigoTributos;
    QString TributoDescricao;
    // computed: ccVlTotal, NossoNumero, Codbar, Obs4
    AvulsaCodes codes;

    QString Periodo() const { return slip.key.periodo(); }
};

// Ordered by taxpayer name, IE, year, month, revenue code and `Seq`.
QList<GateAvulsaRow> qrRelatorioGATEAvulsa(const QString& contribuinte, const QString& periodo, const QString& tributo,
                                           int seq);

// What the page of a row prints: box 6 the document number, box 17 the stored correction.
SlipContent slipContent(const GateAvulsaRow& row);

// The pages of the rows, leaving out those of total 0.
QList<SlipPage> gateAvulsaPages(const QList<GateAvulsaRow>& rows);

// The page of one stored slip (none when the report has no row for it).
QList<SlipPage> dareAvulsaPages(const AvulsaKey& key);

} // namespace vexa::payment
