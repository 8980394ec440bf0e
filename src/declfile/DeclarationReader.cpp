#include "declfile/DeclarationReader.h"

#include "storage/Database.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <cmath>

namespace vexa::declfile {

namespace {

// ---- values as stored (null reads as empty or zero) ----------------------------

QString text(const QVariant& v) { return v.isNull() ? QString() : v.toString(); }

double real(const QVariant& v) {
    if (v.isNull()) return 0;
    bool ok = false;
    const double d = v.toDouble(&ok);
    return ok ? d : 0;
}

// Whole numbers: a value stored as a fraction is rounded; text that is no number reads 0.
qint64 whole(const QVariant& v) {
    if (v.isNull()) return 0;
    if (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Float) {
        const double d = v.toDouble();
        if (!std::isfinite(d) || std::fabs(d) > 9e17) return d < 0 ? -1 : qint64(9e17);
        return std::llround(d);
    }
    bool ok = false;
    const qint64 n = v.toLongLong(&ok);
    if (ok) return n;
    const double d = v.toString().trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(d) || std::fabs(d) > 9e17) return 0;
    return std::llround(d);
}

std::optional<bool> optionalFlag(const QVariant& v) {
    if (v.isNull()) return std::nullopt;
    return whole(v) != 0;
}

// Dates are stored "yyyy-MM-dd"; anything else reads as empty.
QDate date(const QVariant& v) {
    if (v.isNull()) return {};
    return QDate::fromString(v.toString().left(10), Qt::ISODate);
}

// ---- statements ---------------------------------------------------------------------

const char* const kHeaderSql =
    "SELECT v.SaldoInicialCaixa, v.SaldoFinalCaixa, v.CRCContador, v.UF, v.CPF, v.NomeResponsavel,"
    " v.C51, v.C52, v.C53, v.C79, v.C710, v.C61, v.C62, v.C63, v.C64, v.C72, v.C76, v.C77,"
    " v.C81, v.C82, v.C83, v.C84, v.C85, v.TipoEncerrante, v.C74, v.ObsEncerrantes, v.MudaDomicilio,"
    " v.CidadeB, v.DtIniA, v.DtFimA, v.DtIniB, v.DtFimB, v.Importado, v.C713, v.C714, v.C716,"
    " c.RazaoSocial, c.MunicipioID, c.AtividadeEconomicaPrincip, c.TipoEstabelecimento, c.PortadorTare,"
    " c.TipoEscrituracao, c.UsuarioECF, c.Senha, c.NovaSenha, c.NTare, c.DataVctoTARE, c.EmailCont,"
    " c.TipoRegime, d.Nome, d.CPFCGC, d.Telefone, d.CRC, d.email, m.CodIBGE"
    " FROM Vexas v"
    " JOIN Contribuintes c ON c.IE = v.IE"
    " JOIN Declarante d ON d.CRC = v.CRCContador AND d.UF = v.UF"
    " JOIN Municipios m ON m.CodigoID = c.MunicipioID"
    " WHERE v.IE = ? AND v.Ano = ? AND v.Mes = ? AND v.Retificacao = ?";

const char* const kKey = " WHERE IE = ? AND Ano = ? AND Mes = ? AND Retificacao = ?";

enum Child { B, C, D, E, G, H, I, J, K, L, M, N, O, P, Q, R, S, ChildCount };

struct ChildSql {
    const char* select;
    const char* order;
};

// Rows in key order; a key column left empty (null) comes first, as SQLite
// orders it, on both engines.
const ChildSql kChildSql[ChildCount] = {
    {"SELECT EntradaSaida, CodigoOperacao, DomicilioFiscal, TipoOperacao, BaseCalculo, IsentasNaoTributadas,"
     " Outras, SubstituicaoTributaria, ValorContabil, ImpostoCreditado FROM MovimentacaoPorOperacoes42",
     " ORDER BY CodigoOperacao NULLS FIRST, DomicilioFiscal NULLS FIRST"},
    {"SELECT EITributadas, EIIsentasNaoTributadas, EIOutras, EISubstituicaoTributaria, EITotal, EFTributadas,"
     " EFIsentasNaoTributadas, EFOutras, EFSubstituicaoTributaria, EFTotal FROM DemostrativoEstoque",
     ""},
    {"SELECT EntradaSaida, UF, DomicilioFiscal, BaseCalculoA, BaseCalculoB, IsentasNaoTributadas, Outras,"
     " SubsTributaria, ValorContabilA, ValorContabilB, CredDebImpostoA, CredDebImpostoB FROM MovimentacaoPorUF",
     " ORDER BY EntradaSaida NULLS FIRST, UF NULLS FIRST, DomicilioFiscal NULLS FIRST"},
    {"SELECT TipoApuracao, DtVencimento, Valor FROM ICMSRecolher", " ORDER BY TipoApuracao NULLS FIRST, DtVencimento NULLS FIRST"},
    {"SELECT NSerieBomba, NBico, PRODUTO, LeituraInicial, LeituraFinal, VolComSemInterv, VolComCemInterv,"
     " ProdutoAnt, LeituraInicialProdAnt, LeituraFinalProdAnt, DataAlteracao FROM Encerrantes",
     " ORDER BY NBico NULLS FIRST, NSerieBomba NULLS FIRST"},
    {"SELECT EstTanque, PRODUTO, EstQuantidade FROM EstTanque", " ORDER BY EstTanque NULLS FIRST"},
    {"SELECT NNotaFiscal, DtEmissaoNota, CnpjRemetente, UfOrigem, ValorUnitario, Quantidade FROM InfoAlcool",
     " ORDER BY CnpjRemetente NULLS FIRST, NNotaFiscal NULLS FIRST"},
    {"SELECT NumeroTare, DataVencto FROM Tare", " ORDER BY NumeroTare NULLS FIRST"},
    {"SELECT CodLei, Valor FROM OutrosCred", " ORDER BY CodLei NULLS FIRST"},
    {"SELECT CodLei, ICMSDevido, MediaICMS, VlrDeducao FROM Deducoes", " ORDER BY CodLei NULLS FIRST"},
    {"SELECT MunicipioID, VlrContabil, Devolucoes, Total, DomicilioFiscal FROM SaidasMun",
     " ORDER BY MunicipioID NULLS FIRST, DomicilioFiscal NULLS FIRST"},
    {"SELECT IEEmpresa, MunicipioID, CidadeID, DomicilioFiscal FROM MercadMuni", " ORDER BY IEEmpresa NULLS FIRST, DomicilioFiscal NULLS FIRST"},
    // Only the invoices whose supplier row exists.
    {"SELECT n.IEEmpresa, n.Num_nota, n.Valor, n.DomicilioFiscal FROM NotasFiscal n"
     " WHERE n.IE = ? AND n.Ano = ? AND n.Mes = ? AND n.Retificacao = ?"
     " AND EXISTS (SELECT 1 FROM MercadMuni m WHERE m.IE = n.IE AND m.Ano = n.Ano AND m.Mes = n.Mes"
     " AND m.Retificacao = n.Retificacao AND m.IEEmpresa = n.IEEmpresa AND m.DomicilioFiscal = n.DomicilioFiscal)",
     " ORDER BY n.IEEmpresa NULLS FIRST, n.DomicilioFiscal NULLS FIRST, n.Num_nota NULLS FIRST"},
    {"SELECT UF, VlrContabil, VlrBaseCalculo, VlrDifAliquota, CidadeID, DomicilioFiscal, Aliquota FROM Aliquota",
     " ORDER BY UF NULLS FIRST, DomicilioFiscal NULLS FIRST, Aliquota NULLS FIRST"},
    {"SELECT UF, VlrContabil, VlrBaseCalculo, VlrComAliquota, CidadeID, DomicilioFiscal, AliquotaComp"
     " FROM AliquotaComp",
     " ORDER BY UF NULLS FIRST, DomicilioFiscal NULLS FIRST, AliquotaComp NULLS FIRST"},
    {"SELECT CodLei, Valor FROM OutrosDeb", " ORDER BY CodLei NULLS FIRST"},
    {"SELECT UF, VlrContabil, VlrBaseCalculo, VlrDifAliquota, CidadeID, DomicilioFiscal, AliquotaConsumidor,"
     " Origem, Destino FROM AliquotaConsumidor",
     " ORDER BY UF NULLS FIRST, DomicilioFiscal NULLS FIRST, AliquotaConsumidor NULLS FIRST"},
};

QString childStatement(int child) {
    QString s = QString::fromLatin1(kChildSql[child].select);
    if (child != O) s += QString::fromLatin1(kKey);
    return s + QString::fromLatin1(kChildSql[child].order);
}

RateRecordRow rateRow(const QSqlQuery& q, bool consumer) {
    RateRecordRow r;
    r.UF = text(q.value(0));
    r.VlrContabil = real(q.value(1));
    r.VlrBaseCalculo = real(q.value(2));
    r.VlrDifAliquota = real(q.value(3));
    r.CidadeID = whole(q.value(4));
    r.DomicilioFiscal = text(q.value(5));
    r.Aliquota = real(q.value(6));
    if (consumer) {
        r.Origem = real(q.value(7));
        r.Destino = real(q.value(8));
    }
    return r;
}

} // namespace

struct DeclarationReader::Statements {
    QSqlQuery header{storage::db()};
    QSqlQuery child[ChildCount];
    bool prepared = false;
    QString error;

    Statements() {
        for (auto& q : child) q = QSqlQuery(storage::db());
    }

    bool prepare() {
        if (prepared) return true;
        header.setForwardOnly(true);
        if (!header.prepare(QString::fromLatin1(kHeaderSql))) return fail(header);
        for (int i = 0; i < ChildCount; ++i) {
            child[i].setForwardOnly(true);
            if (!child[i].prepare(childStatement(i))) return fail(child[i]);
        }
        prepared = true;
        return true;
    }

    bool fail(const QSqlQuery& q) {
        error = q.lastError().text();
        if (error.trimmed().isEmpty()) error = QStringLiteral("Erro ao ler a declaração no banco de dados.");
        return false;
    }

    bool run(QSqlQuery& q, const decl::DeclarationKey& key) {
        q.bindValue(0, key.ie);
        q.bindValue(1, key.ano);
        q.bindValue(2, key.mes);
        q.bindValue(3, key.retificacao);
        if (!q.exec()) return fail(q);
        return true;
    }
};

DeclarationReader::DeclarationReader() : st_(std::make_unique<Statements>()) {}
DeclarationReader::~DeclarationReader() = default;

bool DeclarationReader::read(const decl::DeclarationKey& key, DeclarationData& data, QString* error) {
    data = DeclarationData{};
    data.key = key;
    data.header.vexa.IE = key.ie;
    data.header.vexa.Ano = key.ano;
    data.header.vexa.Mes = key.mes;
    data.header.vexa.Retificacao = key.retificacao;
    auto failed = [&]() {
        if (error) *error = st_->error;
        return false;
    };
    if (!st_->prepare()) return failed();

    // ---- A: the declaration with its taxpayer, accountant and municipality ----
    QSqlQuery& hq = st_->header;
    if (!st_->run(hq, key)) return failed();
    if (hq.next()) {
        DeclarationHeader& h = data.header;
        decl::VexaRow& v = h.vexa;
        h.found = true;
        int i = 0;
        auto next = [&]() { return hq.value(i++); };
        v.SaldoInicialCaixa = real(next());
        v.SaldoFinalCaixa = real(next());
        v.CRCContador = text(next());
        v.UF = text(next());
        v.CPF = text(next());
        v.NomeResponsavel = text(next());
        v.C51 = real(next());
        v.C52 = real(next());
        v.C53 = real(next());
        v.C79 = real(next());
        v.C710 = real(next());
        v.C61 = real(next());
        v.C62 = real(next());
        v.C63 = real(next());
        v.C64 = real(next());
        v.C72 = real(next());
        v.C76 = real(next());
        v.C77 = real(next());
        v.C81 = real(next());
        v.C82 = real(next());
        v.C83 = real(next());
        v.C84 = real(next());
        v.C85 = real(next());
        v.TipoEncerrante = text(next());
        v.C74 = real(next());
        v.ObsEncerrantes = text(next());
        v.MudaDomicilio = text(next());
        v.CidadeB = whole(next());
        v.DtIniA = date(next());
        v.DtFimA = date(next());
        v.DtIniB = date(next());
        v.DtFimB = date(next());
        v.Importado = whole(next()) != 0;
        v.C713 = real(next());
        v.C714 = real(next());
        v.C716 = real(next());
        h.RazaoSocial = text(next());
        h.MunicipioID = text(next());
        h.AtividadeEconomicaPrincip = text(next());
        h.TipoEstabelecimento = text(next());
        h.PortadorTare = optionalFlag(next());
        h.TipoEscrituracao = text(next());
        h.UsuarioECF = optionalFlag(next());
        h.Senha = text(next());
        h.NovaSenha = text(next());
        h.NTare = text(next());
        h.DataVctoTARE = date(next());
        h.EmailCont = text(next());
        h.TipoRegime = text(next());
        h.ContadorNome = text(next());
        h.ContadorCPFCGC = text(next());
        h.ContadorTelefone = text(next());
        h.ContadorCRC = text(next());
        h.ContadorEmail = text(next());
        h.CodIBGE = whole(next());
    }
    if (hq.lastError().isValid()) return st_->fail(hq), failed();
    hq.finish();

    // ---- B to S -----------------------------------------------------------------------
    for (int c = 0; c < ChildCount; ++c) {
        QSqlQuery& q = st_->child[c];
        if (!st_->run(q, key)) return failed();
        while (q.next()) {
            switch (c) {
            case B: {
                OperationRecordRow r;
                r.EntradaSaida = text(q.value(0));
                r.CodigoOperacao = whole(q.value(1));
                r.DomicilioFiscal = text(q.value(2));
                r.TipoOperacao = text(q.value(3));
                r.BaseCalculo = real(q.value(4));
                r.IsentasNaoTributadas = real(q.value(5));
                r.Outras = real(q.value(6));
                r.SubstituicaoTributaria = real(q.value(7));
                r.ValorContabil = real(q.value(8));
                r.ImpostoCreditado = real(q.value(9));
                // Only the operations with some amount are written.
                if (r.BaseCalculo != 0 || r.IsentasNaoTributadas != 0 || r.Outras != 0 ||
                    r.SubstituicaoTributaria != 0 || r.ValorContabil != 0 || r.ImpostoCreditado != 0)
                    data.operations << r;
                break;
            }
            case C: {
                StockRecordRow r;
                r.EITributadas = real(q.value(0));
                r.EIIsentasNaoTributadas = real(q.value(1));
                r.EIOutras = real(q.value(2));
                r.EISubstituicaoTributaria = real(q.value(3));
                r.EITotal = real(q.value(4));
                r.EFTributadas = real(q.value(5));
                r.EFIsentasNaoTributadas = real(q.value(6));
                r.EFOutras = real(q.value(7));
                r.EFSubstituicaoTributaria = real(q.value(8));
                r.EFTotal = real(q.value(9));
                data.stock << r;
                break;
            }
            case D: {
                StateRecordRow r;
                r.EntradaSaida = text(q.value(0));
                r.UF = text(q.value(1));
                r.DomicilioFiscal = text(q.value(2));
                r.BaseCalculoA = real(q.value(3));
                r.BaseCalculoB = real(q.value(4));
                r.IsentasNaoTributadas = real(q.value(5));
                r.Outras = real(q.value(6));
                r.SubsTributaria = real(q.value(7));
                r.ValorContabilA = real(q.value(8));
                r.ValorContabilB = real(q.value(9));
                r.CredDebImpostoA = real(q.value(10));
                r.CredDebImpostoB = real(q.value(11));
                data.states << r;
                break;
            }
            case E:
                data.toPay << ToPayRecordRow{text(q.value(0)), date(q.value(1)), real(q.value(2))};
                break;
            case G: {
                PumpRecordRow r;
                r.NSerieBomba = text(q.value(0));
                r.NBico = whole(q.value(1));
                r.Produto = whole(q.value(2));
                r.LeituraInicial = whole(q.value(3));
                r.LeituraFinal = whole(q.value(4));
                r.VolComSemInterv = whole(q.value(5));
                r.VolComCemInterv = whole(q.value(6));
                r.ProdutoAnt = whole(q.value(7));
                r.LeituraInicialProdAnt = whole(q.value(8));
                r.LeituraFinalProdAnt = whole(q.value(9));
                r.DataAlteracao = date(q.value(10));
                data.pumps << r;
                break;
            }
            case H:
                data.tanks << TankRecordRow{whole(q.value(0)), whole(q.value(1)), whole(q.value(2))};
                break;
            case I: {
                AlcoholRecordRow r;
                r.NNotaFiscal = whole(q.value(0));
                r.DtEmissaoNota = date(q.value(1));
                r.CnpjRemetente = text(q.value(2));
                r.UfOrigem = text(q.value(3));
                r.ValorUnitario = real(q.value(4));
                r.Quantidade = real(q.value(5));
                data.alcohol << r;
                break;
            }
            case J:
                data.tare << TareRecordRow{text(q.value(0)), date(q.value(1))};
                break;
            case K:
                data.otherCredits << LawAmountRecordRow{whole(q.value(0)), real(q.value(1))};
                break;
            case L:
                data.deductions << DeductionRecordRow{whole(q.value(0)), real(q.value(1)), real(q.value(2)),
                                                      real(q.value(3))};
                break;
            case M:
                data.municipalities << MunicipalityRecordRow{whole(q.value(0)), real(q.value(1)), real(q.value(2)),
                                                             real(q.value(3)), text(q.value(4))};
                break;
            case N:
                data.goods << GoodsRecordRow{text(q.value(0)), whole(q.value(1)), whole(q.value(2)), text(q.value(3))};
                break;
            case O:
                data.notes << NoteRecordRow{text(q.value(0)), whole(q.value(1)), real(q.value(2)), text(q.value(3))};
                break;
            case P:
                data.rates << rateRow(q, false);
                break;
            case Q:
                data.rateComplements << rateRow(q, false);
                break;
            case R:
                data.otherDebits << LawAmountRecordRow{whole(q.value(0)), real(q.value(1))};
                break;
            case S:
                data.consumerRates << rateRow(q, true);
                break;
            default:
                break;
            }
        }
        if (q.lastError().isValid()) return st_->fail(q), failed();
        q.finish();
    }
    return true;
}

bool readDeclaration(const decl::DeclarationKey& key, DeclarationData& data, QString* error) {
    DeclarationReader reader;
    return reader.read(key, data, error);
}

} // namespace vexa::declfile
