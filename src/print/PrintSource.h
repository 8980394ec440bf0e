#pragma once
// The stored rows the printed declaration is made of, read with one bound
// statement per section. Descriptions come from the reference tables through
// outer joins: a line whose CFOP, municipality, state or law code is no longer
// in its table is read with an empty description, never dropped.

#include "declaration/DeclarationKey.h"
#include "declaration/VexaRow.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

namespace vexa::print {

// The declaration row with its taxpayer, the taxpayer's activity and the
// accountant it names. `taxpayerFound` / `accountantFound` are false when
// the registry has no such row (the fields then read empty).
struct HeaderSource {
    decl::VexaRow vexa;
    bool taxpayerFound = false;
    QString RazaoSocial;
    QString AtividadeEconomicaPrincip;
    QString AtividadeDescricao;
    QString TipoEstabelecimento;
    bool PortadorTare = false;
    QString TipoEscrituracao;
    bool UsuarioECF = false;
    QString TipoRegime;
    QString MunicipioA; // name of the taxpayer's municipality
    QString MunicipioB; // name of `CidadeB`
    bool accountantFound = false;
    QString ContadorNome, ContadorCPFCGC, ContadorTelefone;
};

struct TareSource {
    QString NumeroTare;
    QDate DataVencto;
};

struct OperationSource {
    QString EntradaSaida;
    QString TipoOperacao;
    qint64 CodigoOperacao = 0;
    QString DomicilioFiscal;
    QString Descricao; // `cfop.Descricao` of the declaration's CFOP year
    double ValorContabil = 0, BaseCalculo = 0, ImpostoCreditado = 0;
    double IsentasNaoTributadas = 0, Outras = 0, SubstituicaoTributaria = 0;
};

// A line of other debits or other credits, with its law code's kind and text.
struct LawSource {
    qint64 CodLei = 0;
    QString Tipo;
    QString DescLei;
    double Valor = 0;
};

struct DeductionSource {
    qint64 CodLei = 0;
    QString Tipo;
    QString DescLei;
    double ICMSDevido = 0;
    double MediaICMS = 0;
    double VlrDeducao = 0;
};

// A line of 7.6.1, 7.9.1 or 7.13.1. `Aliquota` is the line's own rate;
// `AliquotaUF` the state's internal rate (none when the state is not in `AliquotaUF`).
struct RateSource {
    QString UF;
    QString Sigla; // letters of the state, empty when not in `UF`
    QString DomicilioFiscal;
    double Aliquota = 0;
    std::optional<double> AliquotaUF;
    double VlrContabil = 0;
    double VlrBaseCalculo = 0;
    double Valor = 0; // stored differential / complement
    double Origem = 0, Destino = 0;
};

struct ToPaySource {
    QString TipoApuracao;
    QDate DtVencimento;
    double Valor = 0;
};

struct StockSource {
    double EITributadas = 0, EIIsentasNaoTributadas = 0, EIOutras = 0, EISubstituicaoTributaria = 0,
           EITotal = 0;
    double EFTributadas = 0, EFIsentasNaoTributadas = 0, EFOutras = 0, EFSubstituicaoTributaria = 0,
           EFTotal = 0;
};

struct StateSource {
    QString EntradaSaida;
    QString UF;
    QString Sigla;
    QString DomicilioFiscal;
    double ValorContabilA = 0, ValorContabilB = 0, BaseCalculoA = 0, BaseCalculoB = 0;
    double CredDebImpostoA = 0, CredDebImpostoB = 0, IsentasNaoTributadas = 0, Outras = 0, SubsTributaria = 0;
};

struct PumpSource {
    QString NSerieBomba;
    std::optional<qint64> NBico, Produto, LeituraInicial, LeituraFinal, VolComSemInterv, VolComCemInterv;
};

struct TankSource {
    std::optional<qint64> EstTanque, Produto, EstQuantidade;
};

struct AlcoholSource {
    std::optional<qint64> NNotaFiscal;
    QDate DtEmissaoNota;
    QString CnpjRemetente;
    QString UfOrigem;
    QString Sigla;
    double ValorUnitario = 0;
    double Quantidade = 0;
};

struct MunicipalitySource {
    qint64 MunicipioID = 0;
    QString Nome; // empty when the IBGE code is not in `Municipios`
    QString DomicilioFiscal;
    double VlrContabil = 0;
    double Devolucoes = 0;
};

// One invoice of item 16 with its supplier; a supplier without invoices is
// one line with no invoice.
struct GoodsSource {
    QString IEEmpresa;
    QString DomicilioFiscal;
    qint64 MunicipioID = 0;
    QString Nome;
    std::optional<qint64> NumNota;
    double Valor = 0;
};

struct DeclarationSource {
    HeaderSource header;
    QList<TareSource> tare;
    QList<OperationSource> operations; // by direction, kind, CFOP, domicile
    QList<LawSource> otherDebits;
    QList<LawSource> otherCredits;
    QList<DeductionSource> deductions;
    QList<RateSource> rates;           // 7.6.1
    QList<RateSource> rateComplements; // 7.9.1
    QList<RateSource> consumerRates;   // 7.13.1
    QList<ToPaySource> toPay;          // by kind and due date
    QList<StockSource> stock;
    QList<StateSource> states; // by direction, state, domicile
    QList<PumpSource> pumps;
    QList<TankSource> tanks;
    QList<AlcoholSource> alcohol;
    QList<MunicipalitySource> municipalities;
    QList<GoodsSource> goods;
};

// Reads everything the print of the declaration shows. False when the
// declaration is not stored (*error says so) or the engine refuses a
// statement (*error holds its message).
bool readDeclarationSource(const decl::DeclarationKey& key, DeclarationSource& source, QString* error);

} // namespace vexa::print
