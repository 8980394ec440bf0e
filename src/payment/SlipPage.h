#pragma once
// The printed DARE as a plain structure: what one A4 page carries, box by box,
// before anything is drawn. Both kinds of slip fill the same `SlipContent`
// (a linked slip from its report row, a standalone slip from its stored
// amounts), so the page, its drawing and the batch print serve both.
//
// The page: three identical copies one below the other, each with the five
// heading lines, the numbered boxes 1 to 20, the digitable line and the bank
// note; the bar code of the 44 digits once; the form caption "10219".

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace vexa::payment {

// What a slip prints, whatever its kind.
struct SlipContent {
    QString RazaoSocial;        // box 1
    QString IE;                 // box 2
    QString cgc_cpf;            // box 3
    QString codIBGE;            // box 4
    QString NossoNumero;        // box 5
    QString documento;          // box 6: `Doc_Origem` of a linked slip, `NumeroDoc` of a standalone one
    QString CodigoTributo;      // box 7
    QString TributoDescricao;   // box 8
    QStringList observacoes;    // box 10: Obs1, Obs2, Obs3 and the due-date note Obs4
    QDate DataVencimento;       // box 12
    QString Periodo;            // box 13, "MMYYYY" (printed MM/YYYY)
    double Vl_Receita = 0;      // box 14
    double Multa = 0;           // box 15
    double Juros = 0;           // box 16
    double Atualizacao = 0;     // box 17: `AtualizacaoMonetaria`, or the stored `AtualizacaoFinaceira`
    double ccVlTotal = 0;       // box 20
    QString CodBar;             // the 44 digits
};

struct SlipBox {
    int number = 0;
    QString caption;            // "1 - NOME/RAZÃO SOCIAL", ...
    QStringList lines;          // the printed text, one entry per line (box 10 has four)
    bool amount = false;        // money, printed right-aligned
};

struct SlipPage {
    QStringList heading;        // the five heading lines of each copy
    QList<SlipBox> boxes;       // boxes 1 to 20 in number order
    QString linhaDigitavel;     // under each copy
    QString bankNote;           // under each copy
    QString formCaption;        // "10219"
    QString barcodeDigits;      // drawn once as interleaved 2 of 5; empty: no symbol
    int copies = 3;

    // Box `number` (1..20).
    const SlipBox& box(int number) const { return boxes.at(number - 1); }
};

// The heading lines and notes every slip prints.
QStringList slipHeading();
inline const QString kBankNote = QStringLiteral("O pagamento poderá ser efetuado somente na rede bancária autorizada.");
inline const QString kFormCaption = QStringLiteral("10219");

// The captions of boxes 1 to 20, in order.
const QStringList& slipBoxCaptions();

// The page of one slip: dates "dd/mm/yyyy", the period "MM/YYYY", money as
// "####,###,###,###,##0.00", the digitable line from CodBar.
SlipPage buildSlipPage(const SlipContent& content);

// A slip prints only when its total, in cents, is above 0.
bool slipIsPrinted(const SlipContent& content);

// The pages of the slips in order, leaving out those of total 0.
QList<SlipPage> slipPages(const QList<SlipContent>& contents);

} // namespace vexa::payment
