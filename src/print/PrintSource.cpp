#include "print/PrintSource.h"

#include "declaration/DeclSql.h"
#include "storage/Database.h"
#include "storage/ReferenceLookups.h"

#include <QSqlError>
#include <QSqlQuery>

#include <functional>

namespace vexa::print {

namespace {

namespace sql = decl::sql;

std::optional<qint64> optionalInteger(const QVariant& v) {
    if (v.isNull()) return std::nullopt;
    bool ok = false;
    const qint64 n = v.toLongLong(&ok);
    if (ok) return n;
    // A stored real (or a text holding one) still prints as its whole part.
    const double d = v.toDouble(&ok);
    if (ok && d > -9.0e18 && d < 9.0e18) return qint64(d);
    return std::nullopt;
}

std::optional<double> optionalReal(const QVariant& v) {
    if (v.isNull()) return std::nullopt;
    bool ok = false;
    const double d = v.toDouble(&ok);
    return ok ? std::optional<double>(d) : std::nullopt;
}

// One read of the print: every statement bound, the first refusal kept.
class Reader {
public:
    explicit Reader(const decl::DeclarationKey& key) : key_(key) {}

    // Runs the statement with its values bound in order and hands every row
    // to `row`. Nothing runs after a statement has been refused.
    bool rows(const QString& statement, const QVariantList& values,
              const std::function<void(const QSqlQuery&)>& row) {
        if (!error_.isEmpty()) return false;
        QSqlQuery q(storage::db());
        q.setForwardOnly(true);
        if (!q.prepare(statement)) return fail(q);
        for (const QVariant& v : values) q.addBindValue(v);
        if (!q.exec()) return fail(q);
        while (q.next()) row(q);
        if (q.lastError().isValid()) return fail(q);
        return true;
    }

    // The declaration key as the last four values of a statement ending in kKey.
    QVariantList key(QVariantList before = {}) const {
        return before << key_.ie << key_.ano << key_.mes << key_.retificacao;
    }
    const QString& error() const { return error_; }

private:
    bool fail(const QSqlQuery& q) {
        error_ = q.lastError().text().trimmed();
        if (error_.isEmpty()) error_ = QStringLiteral("O comando não pôde ser executado.");
        return false;
    }

    decl::DeclarationKey key_;
    QString error_;
};

const QString kKey = QStringLiteral(" WHERE t.IE = ? AND t.Ano = ? AND t.Mes = ? AND t.Retificacao = ?");

// The description of a reference row as an outer lookup: the first match or null.
QString stateLetters(const QString& column) {
    return QStringLiteral("(SELECT u.UF FROM UF u WHERE u.Codigo = %1 LIMIT 1)").arg(column);
}
QString municipalityName(const QString& column) {
    return QStringLiteral("(SELECT m.Descricao FROM Municipios m WHERE m.CodIBGE = %1 LIMIT 1)").arg(column);
}

bool readHeader(Reader& r, const decl::DeclarationKey& key, HeaderSource& h, QString* error) {
    const std::optional<decl::VexaRow> row = decl::loadVexa(key);
    if (!row) {
        if (error)
            *error = QStringLiteral("VEXA não localizada: %1 %2 Ret. %3.")
                         .arg(key.ie, key.display(), key.retificacao);
        return false;
    }
    h.vexa = *row;
    r.rows(QStringLiteral(
               "SELECT t.RazaoSocial, t.AtividadeEconomicaPrincip, t.TipoEstabelecimento, t.PortadorTare, "
               "t.TipoEscrituracao, t.UsuarioECF, t.TipoRegime, "
               "(SELECT a.Descricao FROM Atividades a WHERE a.Codigo = t.AtividadeEconomicaPrincip LIMIT 1), "
               "(SELECT m.Descricao FROM Municipios m WHERE m.CodigoID = t.MunicipioID LIMIT 1) "
               "FROM Contribuintes t WHERE t.IE = ?"),
           {key.ie}, [&](const QSqlQuery& q) {
               h.taxpayerFound = true;
               h.RazaoSocial = sql::text(q.value(0));
               h.AtividadeEconomicaPrincip = sql::text(q.value(1));
               h.TipoEstabelecimento = sql::text(q.value(2));
               h.PortadorTare = sql::flag(q.value(3));
               h.TipoEscrituracao = sql::text(q.value(4));
               h.UsuarioECF = sql::flag(q.value(5));
               h.TipoRegime = sql::text(q.value(6));
               h.AtividadeDescricao = sql::text(q.value(7));
               h.MunicipioA = sql::text(q.value(8));
           });
    if (h.vexa.CidadeB != 0)
        r.rows(QStringLiteral("SELECT %1 FROM Vexas t").arg(municipalityName(QStringLiteral("t.CidadeB"))) +
                   kKey,
               r.key(), [&](const QSqlQuery& q) { h.MunicipioB = sql::text(q.value(0)); });
    r.rows(QStringLiteral("SELECT d.Nome, d.CPFCGC, d.Telefone FROM Vexas t "
                          "JOIN Declarante d ON d.CRC = t.CRCContador AND d.UF = t.UF") +
               kKey,
           r.key(), [&](const QSqlQuery& q) {
               if (h.accountantFound) return;
               h.accountantFound = true;
               h.ContadorNome = sql::text(q.value(0));
               h.ContadorCPFCGC = sql::text(q.value(1));
               h.ContadorTelefone = sql::text(q.value(2));
           });
    return true;
}

void readLaws(Reader& r, const QString& table, const QString& lawTable, QList<LawSource>& out) {
    r.rows(QStringLiteral("SELECT t.CodLei, (SELECT l.Tipo FROM %2 l WHERE l.CodLei = t.CodLei LIMIT 1), "
                          "(SELECT l.DescLei FROM %2 l WHERE l.CodLei = t.CodLei LIMIT 1), t.Valor FROM %1 t")
                   .arg(table, lawTable) +
               kKey + QStringLiteral(" ORDER BY t.CodLei"),
           r.key(), [&](const QSqlQuery& q) {
               out.append({sql::integer(q.value(0)), sql::text(q.value(1)), sql::text(q.value(2)),
                           sql::real(q.value(3))});
           });
}

void readRates(Reader& r, const QString& table, const QString& rateColumn, const QString& valueColumn,
               bool shares, QList<RateSource>& out) {
    const QString statement =
        QStringLiteral("SELECT t.UF, %1, t.DomicilioFiscal, t.%2, "
                       "(SELECT f.Aliquota FROM AliquotaUF f WHERE f.CodigoUF = t.UF LIMIT 1), "
                       "t.VlrContabil, t.VlrBaseCalculo, t.%3, %4 FROM %5 t")
            .arg(stateLetters(QStringLiteral("t.UF")), rateColumn, valueColumn,
                 shares ? QStringLiteral("t.Origem, t.Destino") : QStringLiteral("0, 0"), table) +
        kKey + QStringLiteral(" ORDER BY t.UF, t.DomicilioFiscal, t.%1").arg(rateColumn);
    r.rows(statement, r.key(), [&](const QSqlQuery& q) {
        RateSource s;
        s.UF = sql::text(q.value(0));
        s.Sigla = sql::text(q.value(1));
        s.DomicilioFiscal = sql::text(q.value(2));
        s.Aliquota = sql::real(q.value(3));
        s.AliquotaUF = optionalReal(q.value(4));
        s.VlrContabil = sql::real(q.value(5));
        s.VlrBaseCalculo = sql::real(q.value(6));
        s.Valor = sql::real(q.value(7));
        s.Origem = sql::real(q.value(8));
        s.Destino = sql::real(q.value(9));
        out.append(s);
    });
}

} // namespace

bool readDeclarationSource(const decl::DeclarationKey& key, DeclarationSource& s, QString* error) {
    s = DeclarationSource{};
    if (!storage::isOpen()) {
        if (error) *error = QStringLiteral("O banco de dados não está aberto.");
        return false;
    }
    Reader r(key);
    if (!readHeader(r, key, s.header, error)) return false;

    r.rows(QStringLiteral(
               "SELECT t.NumeroTare, t.DataVencto FROM Tare t WHERE t.IE = ? AND t.ANO = ? AND t.MES = ? "
               "AND t.RETIFICACAO = ? ORDER BY t.NumeroTare"),
           r.key(), [&](const QSqlQuery& q) {
               s.tare.append({sql::text(q.value(0)), sql::date(q.value(1))});
           });

    // Item 4 with the descriptions of the declaration's CFOP year.
    r.rows(
        QStringLiteral(
            "SELECT t.EntradaSaida, t.TipoOperacao, t.CodigoOperacao, t.DomicilioFiscal, "
            "(SELECT c.Descricao FROM cfop c WHERE c.CFOP = t.CodigoOperacao AND c.Ano = ? LIMIT 1), "
            "t.ValorContabil, t.BaseCalculo, t.ImpostoCreditado, t.IsentasNaoTributadas, t.Outras, "
            "t.SubstituicaoTributaria FROM MovimentacaoPorOperacoes42 t") +
            kKey +
            QStringLiteral(" ORDER BY t.EntradaSaida, t.TipoOperacao, t.CodigoOperacao, t.DomicilioFiscal"),
        r.key({storage::cfopTableYear(key.ano).toInt()}), [&](const QSqlQuery& q) {
            OperationSource o;
            o.EntradaSaida = sql::text(q.value(0));
            o.TipoOperacao = sql::text(q.value(1));
            o.CodigoOperacao = sql::integer(q.value(2));
            o.DomicilioFiscal = sql::text(q.value(3));
            o.Descricao = sql::text(q.value(4));
            o.ValorContabil = sql::real(q.value(5));
            o.BaseCalculo = sql::real(q.value(6));
            o.ImpostoCreditado = sql::real(q.value(7));
            o.IsentasNaoTributadas = sql::real(q.value(8));
            o.Outras = sql::real(q.value(9));
            o.SubstituicaoTributaria = sql::real(q.value(10));
            s.operations.append(o);
        });

    // Other debits cite the codes of `LeisDeb`, other credits those of `Leis`.
    readLaws(r, QStringLiteral("OutrosDeb"), QStringLiteral("LeisDeb"), s.otherDebits);
    readLaws(r, QStringLiteral("OutrosCred"), QStringLiteral("Leis"), s.otherCredits);
    r.rows(QStringLiteral("SELECT t.CodLei, (SELECT l.Tipo FROM LeisD l WHERE l.CodLei = t.CodLei LIMIT 1), "
                          "(SELECT l.DescLei FROM LeisD l WHERE l.CodLei = t.CodLei LIMIT 1), "
                          "t.ICMSDevido, t.MediaICMS, t.VlrDeducao FROM Deducoes t") +
               kKey + QStringLiteral(" ORDER BY t.CodLei"),
           r.key(), [&](const QSqlQuery& q) {
               s.deductions.append({sql::integer(q.value(0)), sql::text(q.value(1)), sql::text(q.value(2)),
                                    sql::real(q.value(3)), sql::real(q.value(4)), sql::real(q.value(5))});
           });

    readRates(r, QStringLiteral("Aliquota"), QStringLiteral("Aliquota"), QStringLiteral("VlrDifAliquota"),
              false, s.rates);
    readRates(r, QStringLiteral("AliquotaComp"), QStringLiteral("AliquotaComp"),
              QStringLiteral("VlrComAliquota"), false, s.rateComplements);
    readRates(r, QStringLiteral("AliquotaConsumidor"), QStringLiteral("AliquotaConsumidor"),
              QStringLiteral("VlrDifAliquota"), true, s.consumerRates);

    r.rows(QStringLiteral("SELECT t.TipoApuracao, t.DtVencimento, t.Valor FROM ICMSRecolher t") + kKey +
               QStringLiteral(" ORDER BY t.TipoApuracao, t.DtVencimento"),
           r.key(), [&](const QSqlQuery& q) {
               s.toPay.append({sql::text(q.value(0)), sql::date(q.value(1)), sql::real(q.value(2))});
           });

    r.rows(QStringLiteral(
               "SELECT t.EITributadas, t.EIIsentasNaoTributadas, t.EIOutras, t.EISubstituicaoTributaria, "
               "t.EITotal, t.EFTributadas, t.EFIsentasNaoTributadas, t.EFOutras, "
               "t.EFSubstituicaoTributaria, t.EFTotal FROM DemostrativoEstoque t") +
               kKey,
           r.key(), [&](const QSqlQuery& q) {
               s.stock.append({sql::real(q.value(0)), sql::real(q.value(1)), sql::real(q.value(2)),
                               sql::real(q.value(3)), sql::real(q.value(4)), sql::real(q.value(5)),
                               sql::real(q.value(6)), sql::real(q.value(7)), sql::real(q.value(8)),
                               sql::real(q.value(9))});
           });

    r.rows(QStringLiteral(
               "SELECT t.EntradaSaida, t.UF, %1, t.DomicilioFiscal, t.ValorContabilA, t.ValorContabilB, "
               "t.BaseCalculoA, t.BaseCalculoB, t.CredDebImpostoA, t.CredDebImpostoB, "
               "t.IsentasNaoTributadas, t.Outras, t.SubsTributaria FROM MovimentacaoPorUF t")
                   .arg(stateLetters(QStringLiteral("t.UF"))) +
               kKey + QStringLiteral(" ORDER BY t.EntradaSaida, t.UF, t.DomicilioFiscal"),
           r.key(), [&](const QSqlQuery& q) {
               StateSource st;
               st.EntradaSaida = sql::text(q.value(0));
               st.UF = sql::text(q.value(1));
               st.Sigla = sql::text(q.value(2));
               st.DomicilioFiscal = sql::text(q.value(3));
               st.ValorContabilA = sql::real(q.value(4));
               st.ValorContabilB = sql::real(q.value(5));
               st.BaseCalculoA = sql::real(q.value(6));
               st.BaseCalculoB = sql::real(q.value(7));
               st.CredDebImpostoA = sql::real(q.value(8));
               st.CredDebImpostoB = sql::real(q.value(9));
               st.IsentasNaoTributadas = sql::real(q.value(10));
               st.Outras = sql::real(q.value(11));
               st.SubsTributaria = sql::real(q.value(12));
               s.states.append(st);
           });

    r.rows(QStringLiteral("SELECT t.NSerieBomba, t.NBico, t.PRODUTO, t.LeituraInicial, t.LeituraFinal, "
                          "t.VolComSemInterv, t.VolComCemInterv FROM Encerrantes t") +
               kKey + QStringLiteral(" ORDER BY t.NBico, t.NSerieBomba"),
           r.key(), [&](const QSqlQuery& q) {
               s.pumps.append({sql::text(q.value(0)), optionalInteger(q.value(1)),
                               optionalInteger(q.value(2)), optionalInteger(q.value(3)),
                               optionalInteger(q.value(4)), optionalInteger(q.value(5)),
                               optionalInteger(q.value(6))});
           });

    r.rows(QStringLiteral("SELECT t.EstTanque, t.PRODUTO, t.EstQuantidade FROM EstTanque t") + kKey +
               QStringLiteral(" ORDER BY t.EstTanque"),
           r.key(), [&](const QSqlQuery& q) {
               s.tanks.append(
                   {optionalInteger(q.value(0)), optionalInteger(q.value(1)), optionalInteger(q.value(2))});
           });

    r.rows(QStringLiteral(
               "SELECT t.NNotaFiscal, t.DtEmissaoNota, t.CnpjRemetente, t.UfOrigem, %1, t.ValorUnitario, "
               "t.Quantidade FROM InfoAlcool t")
                   .arg(stateLetters(QStringLiteral("t.UfOrigem"))) +
               kKey + QStringLiteral(" ORDER BY t.CnpjRemetente, t.NNotaFiscal"),
           r.key(), [&](const QSqlQuery& q) {
               s.alcohol.append({optionalInteger(q.value(0)), sql::date(q.value(1)), sql::text(q.value(2)),
                                 sql::text(q.value(3)), sql::text(q.value(4)), sql::real(q.value(5)),
                                 sql::real(q.value(6))});
           });

    // Item 15 in the order the rows were typed.
    r.rows(QStringLiteral(
               "SELECT t.MunicipioID, %1, t.DomicilioFiscal, t.VlrContabil, t.Devolucoes FROM SaidasMun t")
                   .arg(municipalityName(QStringLiteral("t.MunicipioID"))) +
               kKey + QStringLiteral(" ORDER BY t.Seq"),
           r.key(), [&](const QSqlQuery& q) {
               s.municipalities.append({sql::integer(q.value(0)), sql::text(q.value(1)),
                                        sql::text(q.value(2)), sql::real(q.value(3)), sql::real(q.value(4))});
           });

    // Item 16: each supplier with its invoices.
    r.rows(QStringLiteral("SELECT t.IEEmpresa, t.DomicilioFiscal, t.MunicipioID, %1, n.Num_nota, n.Valor "
                          "FROM MercadMuni t LEFT JOIN NotasFiscal n ON n.IE = t.IE AND n.Ano = t.Ano "
                          "AND n.Mes = t.Mes AND n.Retificacao = t.Retificacao AND n.IEEmpresa = t.IEEmpresa "
                          "AND n.DomicilioFiscal = t.DomicilioFiscal")
                   .arg(municipalityName(QStringLiteral("t.MunicipioID"))) +
               kKey + QStringLiteral(" ORDER BY t.IEEmpresa, t.DomicilioFiscal, n.Num_nota"),
           r.key(), [&](const QSqlQuery& q) {
               s.goods.append({sql::text(q.value(0)), sql::text(q.value(1)), sql::integer(q.value(2)),
                               sql::text(q.value(3)), optionalInteger(q.value(4)), sql::real(q.value(5))});
           });

    if (!r.error().isEmpty()) {
        if (error) *error = r.error();
        return false;
    }
    return true;
}

} // namespace vexa::print
