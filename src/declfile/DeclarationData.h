#pragma once
// One declaration as the submission file carries it: the declaration row
// joined with its taxpayer, its accountant and the taxpayer's municipality
// (record A), and the rows of every child table that the records B to S
// write, in the order they are written. Read once per declaration by
// DeclarationReader; the records (DeclarationRecords.h) and the consistency
// checks of the export both work on it, so nothing is read twice.
//
// Member names are the column names.

#include "declaration/DeclarationKey.h"
#include "declaration/VexaRow.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

namespace vexa::declfile {

// Record A: the declaration row joined with `Contribuintes` (by IE),
// `Declarante` (CRC = CRCContador, UF = the declaration's UF) and
// `Municipios` (CodigoID = the taxpayer's MunicipioID). When the join gives
// no row (no such accountant, for example) `found` is false and every column
// reads as empty or zero; the key is then the one the export asked for.
struct DeclarationHeader {
    bool found = false;
    decl::VexaRow vexa;   // every stored column of `Vexas`

    // taxpayer (`Contribuintes`)
    QString RazaoSocial;
    QString MunicipioID;
    QString AtividadeEconomicaPrincip;
    QString TipoEstabelecimento;
    std::optional<bool> PortadorTare;   // null when never answered
    QString TipoEscrituracao;
    std::optional<bool> UsuarioECF;     // null when never answered
    QString Senha;
    QString NovaSenha;
    QString NTare;
    QDate DataVctoTARE;                 // invalid when empty
    QString EmailCont;
    QString TipoRegime;

    // accountant (`Declarante`)
    QString ContadorNome;       // `Declarante.Nome`
    QString ContadorCPFCGC;     // `Declarante.CPFCGC`
    QString ContadorTelefone;   // `Declarante.Telefone`
    QString ContadorCRC;        // `Declarante.CRC`
    QString ContadorEmail;      // `Declarante.email`

    // municipality of the taxpayer (`Municipios.CodIBGE`)
    qint64 CodIBGE = 0;
};

// B: `MovimentacaoPorOperacoes42`, only the rows with some amount not zero,
// in key order (CodigoOperacao, DomicilioFiscal).
struct OperationRecordRow {
    QString EntradaSaida;    // "0" entry, "1" output
    qint64 CodigoOperacao = 0;
    QString DomicilioFiscal;
    QString TipoOperacao;    // "0" domestic, "1" interstate, "2" foreign
    double BaseCalculo = 0;
    double IsentasNaoTributadas = 0;
    double Outras = 0;
    double SubstituicaoTributaria = 0;
    double ValorContabil = 0;
    double ImpostoCreditado = 0;
};

// C: `DemostrativoEstoque` (a C record only when there is exactly one row).
struct StockRecordRow {
    double EITributadas = 0;
    double EIIsentasNaoTributadas = 0;
    double EIOutras = 0;
    double EISubstituicaoTributaria = 0;
    double EITotal = 0;
    double EFTributadas = 0;
    double EFIsentasNaoTributadas = 0;
    double EFOutras = 0;
    double EFSubstituicaoTributaria = 0;
    double EFTotal = 0;
};

// D: `MovimentacaoPorUF`, key order (EntradaSaida, UF, DomicilioFiscal).
struct StateRecordRow {
    QString EntradaSaida;
    QString UF;              // two-digit state code
    QString DomicilioFiscal;
    double BaseCalculoA = 0;
    double BaseCalculoB = 0;
    double IsentasNaoTributadas = 0;
    double Outras = 0;
    double SubsTributaria = 0;
    double ValorContabilA = 0;
    double ValorContabilB = 0;
    double CredDebImpostoA = 0;
    double CredDebImpostoB = 0;
};

// E: `ICMSRecolher`, key order (TipoApuracao, DtVencimento).
struct ToPayRecordRow {
    QString TipoApuracao;    // "N", "D", "S", "C", "F" or "P"
    QDate DtVencimento;
    double Valor = 0;
};

// G: `Encerrantes`, ascending NBico; the numbers read as whole numbers.
struct PumpRecordRow {
    QString NSerieBomba;
    qint64 NBico = 0;
    qint64 Produto = 0;
    qint64 LeituraInicial = 0;
    qint64 LeituraFinal = 0;
    qint64 VolComSemInterv = 0;
    qint64 VolComCemInterv = 0;
    qint64 ProdutoAnt = 0;
    qint64 LeituraInicialProdAnt = 0;
    qint64 LeituraFinalProdAnt = 0;
    QDate DataAlteracao;
};

// H: `EstTanque`, key order (EstTanque).
struct TankRecordRow {
    qint64 EstTanque = 0;
    qint64 Produto = 0;
    qint64 EstQuantidade = 0;
};

// I: `InfoAlcool`, key order (CnpjRemetente, NNotaFiscal).
struct AlcoholRecordRow {
    qint64 NNotaFiscal = 0;
    QDate DtEmissaoNota;
    QString CnpjRemetente;
    QString UfOrigem;        // written as a number
    double ValorUnitario = 0;
    double Quantidade = 0;   // written rounded to a whole number
};

// J: `Tare`, key order (NumeroTare).
struct TareRecordRow {
    QString NumeroTare;
    QDate DataVencto;
};

// K (`OutrosCred`) and R (`OutrosDeb`), key order (CodLei).
struct LawAmountRecordRow {
    qint64 CodLei = 0;
    double Valor = 0;
};

// L: `Deducoes`, key order (CodLei).
struct DeductionRecordRow {
    qint64 CodLei = 0;
    double ICMSDevido = 0;
    double MediaICMS = 0;
    double VlrDeducao = 0;
};

// M: `SaidasMun`, key order (MunicipioID, DomicilioFiscal).
struct MunicipalityRecordRow {
    qint64 MunicipioID = 0;  // IBGE code
    double VlrContabil = 0;
    double Devolucoes = 0;
    double Total = 0;
    QString DomicilioFiscal;
};

// N: `MercadMuni`, key order (IEEmpresa, DomicilioFiscal).
struct GoodsRecordRow {
    QString IEEmpresa;
    qint64 MunicipioID = 0;
    qint64 CidadeID = 0;
    QString DomicilioFiscal;
};

// O: `NotasFiscal` rows that have their `MercadMuni` row (same key, IEEmpresa
// and DomicilioFiscal), key order (IEEmpresa, DomicilioFiscal, Num_nota).
struct NoteRecordRow {
    QString IEEmpresa;
    qint64 Num_nota = 0;
    double Valor = 0;
    QString DomicilioFiscal;
};

// P (`Aliquota`), Q (`AliquotaComp`) and S (`AliquotaConsumidor`), key order
// (UF, DomicilioFiscal, rate). `VlrDifAliquota` holds `VlrComAliquota` for Q;
// `Aliquota` holds the row's rate column; Origem and Destino are S only.
struct RateRecordRow {
    QString UF;
    double VlrContabil = 0;
    double VlrBaseCalculo = 0;
    double VlrDifAliquota = 0;
    qint64 CidadeID = 0;
    QString DomicilioFiscal;
    double Aliquota = 0;
    double Origem = 0;
    double Destino = 0;
};

struct DeclarationData {
    decl::DeclarationKey key;   // as the export asked for it
    DeclarationHeader header;
    QList<OperationRecordRow> operations;        // B
    QList<StockRecordRow> stock;                 // C (every row; written when exactly one)
    QList<StateRecordRow> states;                // D
    QList<ToPayRecordRow> toPay;                 // E
    QList<PumpRecordRow> pumps;                  // G
    QList<TankRecordRow> tanks;                  // H
    QList<AlcoholRecordRow> alcohol;             // I
    QList<TareRecordRow> tare;                   // J
    QList<LawAmountRecordRow> otherCredits;      // K
    QList<DeductionRecordRow> deductions;        // L
    QList<MunicipalityRecordRow> municipalities; // M
    QList<GoodsRecordRow> goods;                 // N
    QList<NoteRecordRow> notes;                  // O
    QList<RateRecordRow> rates;                  // P
    QList<RateRecordRow> rateComplements;        // Q
    QList<LawAmountRecordRow> otherDebits;       // R
    QList<RateRecordRow> consumerRates;          // S
};

} // namespace vexa::declfile
