#include "declfile/RecordLayout.h"

#include "common/Cp1252.h"
#include "common/Money.h"
#include "declaration/Apuracao.h"

namespace vexa::declfile {

namespace {

QString lengthReason(const QByteArray& bytes, int width) {
    return QStringLiteral("o texto tem %1 caracteres e o campo comporta %2").arg(bytes.size()).arg(width);
}

} // namespace

QByteArray recordHeader(char segment, const decl::DeclarationKey& key) {
    QByteArray h;
    h.reserve(kHeaderWidth);
    h += segment;
    // The IE field is 11 wide; the 9 digits go left-aligned in it.
    QByteArray ie = cp1252::encode(key.ie);
    if (ie.size() < 11) ie.append(QByteArray(11 - ie.size(), ' '));
    h += ie;
    h += cp1252::encode(key.mes + key.ano);
    h += cp1252::encode(key.retificacao);
    return h;
}

double dueWhenNotSmall(double s, const decl::DeclarationKey& key) {
    return decl::splitSmallBalance(s, key.isDecember()).due;
}

// ---- the builder --------------------------------------------------------------

RecordBuilder::RecordBuilder(char segment, const decl::DeclarationKey& key, int expectedWidth)
    : segment_(segment) {
    bytes_ = recordHeader(segment, key);
    bytes_.reserve(expectedWidth);
    // A key that is not 9 + 4 + 2 + 2 characters would move every field.
    if (bytes_.size() != kHeaderWidth && !refusal_)
        refusal_ = FieldRefusal{segment, QStringLiteral("IE"), key.ie,
                                QStringLiteral("a chave da declaração não cabe no cabeçalho do registro")};
}

void RecordBuilder::put(const FieldText& f, const char* field, const QString& value, const QString& reason) {
    bytes_ += f.bytes;
    if (!f.fits && !refusal_) refusal_ = FieldRefusal{segment_, QString::fromLatin1(field), value, reason};
}

RecordBuilder& RecordBuilder::amount(double value, const char* field) {
    const FieldText f = amountField(value);
    if (f.fits) {
        bytes_ += f.bytes;
        return *this;
    }
    put(f, field, money::format(value), QStringLiteral("o valor passa de doze dígitos inteiros"));
    return *this;
}

RecordBuilder& RecordBuilder::text(const QString& value, int width, const char* field) {
    const FieldText f = textField(value, width);
    if (f.fits) {
        bytes_ += f.bytes;
        return *this;
    }
    put(f, field, value, lengthReason(f.bytes, width));
    return *this;
}

RecordBuilder& RecordBuilder::raw(const QString& value, int usualWidth, const char* field) {
    const FieldText f = rawField(value, usualWidth);
    if (f.fits) {
        bytes_ += f.bytes;
        return *this;
    }
    put(f, field, value, lengthReason(f.bytes, usualWidth));
    return *this;
}

RecordBuilder& RecordBuilder::integer(qint64 value, int width, const char* field) {
    const FieldText f = intField(value, width);
    if (f.fits) {
        bytes_ += f.bytes;
        return *this;
    }
    const QString reason = value < 0 ? QStringLiteral("o número é negativo")
                                     : QStringLiteral("o número passa de %1 dígitos").arg(width);
    put(f, field, QString::number(value), reason);
    return *this;
}

RecordBuilder& RecordBuilder::date(const QDate& value, const char* field) {
    put(dateField(value), field, value.toString(QStringLiteral("dd/MM/yyyy")),
        QStringLiteral("a data não cabe em oito dígitos"));
    return *this;
}

RecordBuilder& RecordBuilder::dateOrBlank(const QDate& value, const char* field) {
    put(dateOrBlankField(value), field, value.toString(QStringLiteral("dd/MM/yyyy")),
        QStringLiteral("a data não cabe em oito dígitos"));
    return *this;
}

RecordBuilder& RecordBuilder::flag(bool value) {
    bytes_ += flagField(value).bytes;
    return *this;
}

RecordBuilder& RecordBuilder::rate(double value, const char* field) {
    const FieldText f = rateField(value);
    if (f.fits) {
        bytes_ += f.bytes;
        return *this;
    }
    put(f, field, money::format(value), QStringLiteral("a alíquota passa de 99,99"));
    return *this;
}

RecordBuilder& RecordBuilder::right9(const QString& value, const char* field) {
    const FieldText f = right9Field(value);
    if (f.fits) {
        bytes_ += f.bytes;
        return *this;
    }
    put(f, field, value, lengthReason(f.bytes, 9));
    return *this;
}

RecordBuilder& RecordBuilder::literal(const char* text) {
    bytes_ += text;
    return *this;
}

// ---- the segments ---------------------------------------------------------------

namespace {

QByteArray finish(const RecordBuilder& b, std::optional<FieldRefusal>& refusal) {
    if (b.refusal() && !refusal) refusal = b.refusal();
    return b.bytes();
}

} // namespace

QByteArray recordA(const decl::DeclarationKey& key, const DeclarationHeader& h, std::optional<FieldRefusal>& refusal) {
    const decl::VexaRow& v = h.vexa;
    RecordBuilder b('A', key, kWidthA);
    b.raw(h.AtividadeEconomicaPrincip, 7, "AtividadeEconomicaPrincip")
        .raw(h.TipoEstabelecimento, 1, "TipoEstabelecimento")
        .flag(h.PortadorTare.value_or(false))
        .raw(h.TipoEscrituracao, 1, "TipoEscrituracao")
        .amount(v.SaldoInicialCaixa, "SaldoInicialCaixa")
        .amount(v.SaldoFinalCaixa, "SaldoFinalCaixa")
        .flag(h.UsuarioECF.value_or(false))
        .text(v.CPF, 11, "CPF")
        .text(v.NomeResponsavel, 50, "NomeResponsavel")
        .text(h.ContadorCPFCGC, 11, "CPFCGC")
        .literal("-")
        .text(h.ContadorNome, 50, "Nome")
        .text(h.ContadorTelefone, 20, "Telefone")
        .amount(v.C51, "C51")
        .amount(v.C52, "C52")
        .amount(v.C53, "C53")
        .amount(v.C61, "C61")
        .amount(v.C62, "C62")
        .amount(v.C63, "C63")
        .amount(v.C64, "C64")
        .amount(v.C72, "C72")
        .amount(dueWhenNotSmall(v.C76 + v.C77, key), "C74")
        .amount(v.C81, "C81")
        .amount(v.C82, "C82")
        .amount(v.C83, "C83")
        .amount(v.C84, "C84")
        .amount(v.C85, "C85")
        .text(h.Senha, 4, "Senha")
        .text(h.NovaSenha, 4, "NovaSenha")
        .text(h.NTare, 20, "NTare")
        .literal("980")
        .dateOrBlank(h.DataVctoTARE, "DataVctoTARE")
        .amount(v.C76, "C76")
        .amount(v.C77, "C77")
        .text(v.TipoEncerrante, 1, "TipoEncerrante")
        .text(v.ObsEncerrantes, 255, "ObsEncerrantes")
        .text(h.ContadorCRC, 10, "CRC")
        .text(v.UF, 2, "UF")
        .text(v.MudaDomicilio, 1, "MudaDomicilio")
        .integer(h.CodIBGE, 7, "CodIBGE")
        .integer(v.CidadeB, 7, "CidadeB")
        .date(v.DtIniA, "DtIniA")
        .date(v.DtFimA, "DtFimA")
        .date(v.DtIniB, "DtIniB")
        .date(v.DtFimB, "DtFimB")
        .text(h.ContadorEmail, 50, "email")
        .text(h.EmailCont, 50, "EmailCont")
        .text(h.TipoRegime, 1, "TipoRegime")
        .amount(v.C79, "C79")
        .amount(v.C710, "C710")
        .amount(v.C713, "C713")
        .amount(v.C714, "C714")
        .amount(dueWhenNotSmall(v.C713 + v.C714, key), "C716");
    return finish(b, refusal);
}

QByteArray recordB(const decl::DeclarationKey& key, const OperationRecordRow& r, std::optional<FieldRefusal>& refusal) {
    RecordBuilder b('B', key, kWidthB);
    b.raw(r.EntradaSaida, 1, "EntradaSaida")
        .integer(r.CodigoOperacao, 4, "CodigoOperacao")
        .amount(r.BaseCalculo, "BaseCalculo")
        .amount(r.IsentasNaoTributadas, "IsentasNaoTributadas")
        .amount(r.Outras, "Outras")
        .amount(r.SubstituicaoTributaria, "SubstituicaoTributaria")
        .amount(r.ValorContabil, "ValorContabil")
        .amount(r.ImpostoCreditado, "ImpostoCreditado")
        .text(r.DomicilioFiscal, 1, "DomicilioFiscal");
    return finish(b, refusal);
}

QByteArray recordC(const decl::DeclarationKey& key, const StockRecordRow& r, std::optional<FieldRefusal>& refusal) {
    RecordBuilder b('C', key, kWidthC);
    b.amount(r.EITributadas, "EITributadas")
        .amount(r.EIIsentasNaoTributadas, "EIIsentasNaoTributadas")
        .amount(r.EIOutras, "EIOutras")
        .amount(r.EISubstituicaoTributaria, "EISubstituicaoTributaria")
        .amount(r.EITotal, "EITotal")
        .amount(r.EFTributadas, "EFTributadas")
        .amount(r.EFIsentasNaoTributadas, "EFIsentasNaoTributadas")
        .amount(r.EFOutras, "EFOutras")
        .amount(r.EFSubstituicaoTributaria, "EFSubstituicaoTributaria")
        .amount(r.EFTotal, "EFTotal");
    return finish(b, refusal);
}

QByteArray recordD(const decl::DeclarationKey& key, const StateRecordRow& r, std::optional<FieldRefusal>& refusal) {
    RecordBuilder b('D', key, kWidthD);
    b.raw(r.EntradaSaida, 1, "EntradaSaida")
        .raw(r.UF, 2, "UF")
        .amount(r.BaseCalculoA, "BaseCalculoA")
        .amount(r.BaseCalculoB, "BaseCalculoB")
        .amount(r.IsentasNaoTributadas, "IsentasNaoTributadas")
        .amount(r.Outras, "Outras")
        .amount(r.SubsTributaria, "SubsTributaria")
        .amount(r.ValorContabilA, "ValorContabilA")
        .amount(r.ValorContabilB, "ValorContabilB")
        .amount(r.CredDebImpostoA, "CredDebImpostoA")
        .amount(r.CredDebImpostoB, "CredDebImpostoB")
        .text(r.DomicilioFiscal, 1, "DomicilioFiscal");
    return finish(b, refusal);
}

QByteArray recordE(const decl::DeclarationKey& key, const ToPayRecordRow& r, std::optional<FieldRefusal>& refusal) {
    RecordBuilder b('E', key, kWidthE);
    b.raw(r.TipoApuracao, 1, "TipoApuracao").date(r.DtVencimento, "DtVencimento").amount(r.Valor, "Valor");
    return finish(b, refusal);
}

QByteArray recordG(const decl::DeclarationKey& key, const PumpRecordRow& r, std::optional<FieldRefusal>& refusal) {
    RecordBuilder b('G', key, kWidthG);
    b.text(r.NSerieBomba, 20, "NSerieBomba")
        .integer(r.NBico, 2, "NBico")
        .integer(r.Produto, 10, "Produto")
        .integer(r.LeituraInicial, 10, "LeituraInicial")
        .integer(r.LeituraFinal, 10, "LeituraFinal")
        .integer(r.VolComSemInterv, 10, "VolComSemInterv")
        .integer(r.VolComCemInterv, 10, "VolComCemInterv")
        .integer(r.ProdutoAnt, 10, "ProdutoAnt")
        .integer(r.LeituraInicialProdAnt, 10, "LeituraInicialProdAnt")
        .integer(r.LeituraFinalProdAnt, 10, "LeituraFinalProdAnt")
        .date(r.DataAlteracao, "DataAlteracao");
    return finish(b, refusal);
}

QByteArray recordH(const decl::DeclarationKey& key, const TankRecordRow& r, std::optional<FieldRefusal>& refusal) {
    RecordBuilder b('H', key, kWidthH);
    b.integer(r.EstTanque, 4, "EstTanque").integer(r.Produto, 10, "Produto").integer(r.EstQuantidade, 10, "EstQuantidade");
    return finish(b, refusal);
}

QByteArray recordI(const decl::DeclarationKey& key, const AlcoholRecordRow& r, std::optional<FieldRefusal>& refusal) {
    RecordBuilder b('I', key, kWidthI);
    b.integer(r.NNotaFiscal, 10, "NNotaFiscal").date(r.DtEmissaoNota, "DtEmissaoNota").text(r.CnpjRemetente, 14, "CnpjRemetente");
    // The state code is written as a number: "29" -> 29. A code that is no
    // number has no place in the two digits.
    bool number = false;
    const qint64 uf = r.UfOrigem.trimmed().toLongLong(&number);
    if (number) {
        b.integer(uf, 2, "UfOrigem");
    } else {
        b.integer(-1, 2, "UfOrigem");
    }
    b.amount(r.ValorUnitario, "ValorUnitario")
        .integer(qint64(money::roundTo(r.Quantidade, 0)), 10, "Quantidade");
    std::optional<FieldRefusal> own = b.refusal();
    if (own && own->field == QLatin1String("UfOrigem") && !number) {
        own->value = r.UfOrigem;
        own->reason = QStringLiteral("o código da UF não é um número");
    }
    if (own && !refusal) refusal = own;
    return b.bytes();
}

QByteArray recordJ(const decl::DeclarationKey& key, const TareRecordRow& r, std::optional<FieldRefusal>& refusal) {
    RecordBuilder b('J', key, kWidthJ);
    b.text(r.NumeroTare, 20, "NumeroTare").date(r.DataVencto, "DataVencto");
    return finish(b, refusal);
}

namespace {

QByteArray lawAmount(char segment, const decl::DeclarationKey& key, const LawAmountRecordRow& r,
                     std::optional<FieldRefusal>& refusal) {
    RecordBuilder b(segment, key, kWidthK);
    b.integer(r.CodLei, 2, "CodLei").amount(r.Valor, "Valor");
    return finish(b, refusal);
}

} // namespace

QByteArray recordK(const decl::DeclarationKey& key, const LawAmountRecordRow& r, std::optional<FieldRefusal>& refusal) {
    return lawAmount('K', key, r, refusal);
}

QByteArray recordR(const decl::DeclarationKey& key, const LawAmountRecordRow& r, std::optional<FieldRefusal>& refusal) {
    return lawAmount('R', key, r, refusal);
}

QByteArray recordL(const decl::DeclarationKey& key, const DeductionRecordRow& r, std::optional<FieldRefusal>& refusal) {
    RecordBuilder b('L', key, kWidthL);
    b.integer(r.CodLei, 2, "CodLei")
        .amount(r.ICMSDevido, "ICMSDevido")
        .amount(r.MediaICMS, "MediaICMS")
        .amount(r.VlrDeducao, "VlrDeducao");
    return finish(b, refusal);
}

QByteArray recordM(const decl::DeclarationKey& key, const MunicipalityRecordRow& r,
                   std::optional<FieldRefusal>& refusal) {
    RecordBuilder b('M', key, kWidthM);
    b.integer(r.MunicipioID, 7, "MunicipioID")
        .amount(r.VlrContabil, "VlrContabil")
        .amount(r.Devolucoes, "Devolucoes")
        .amount(r.Total, "Total")
        .text(r.DomicilioFiscal, 1, "DomicilioFiscal");
    return finish(b, refusal);
}

QByteArray recordN(const decl::DeclarationKey& key, const GoodsRecordRow& r, std::optional<FieldRefusal>& refusal) {
    RecordBuilder b('N', key, kWidthN);
    b.right9(r.IEEmpresa, "IEEmpresa")
        .integer(r.MunicipioID, 7, "MunicipioID")
        .integer(r.CidadeID, 7, "CidadeID")
        .text(r.DomicilioFiscal, 1, "DomicilioFiscal");
    return finish(b, refusal);
}

QByteArray recordO(const decl::DeclarationKey& key, const NoteRecordRow& r, std::optional<FieldRefusal>& refusal) {
    RecordBuilder b('O', key, kWidthO);
    b.right9(r.IEEmpresa, "IEEmpresa")
        .integer(r.Num_nota, 10, "Num_nota")
        .amount(r.Valor, "Valor")
        .text(r.DomicilioFiscal, 1, "DomicilioFiscal");
    return finish(b, refusal);
}

QByteArray recordRate(char segment, const decl::DeclarationKey& key, const RateRecordRow& r,
                      std::optional<FieldRefusal>& refusal) {
    const char* rateColumn = segment == 'Q' ? "AliquotaComp" : segment == 'S' ? "AliquotaConsumidor" : "Aliquota";
    const char* diffColumn = segment == 'Q' ? "VlrComAliquota" : "VlrDifAliquota";
    RecordBuilder b(segment, key, segment == 'S' ? kWidthS : kWidthP);
    b.text(r.UF, 2, "UF")
        .amount(r.VlrContabil, "VlrContabil")
        .amount(r.VlrBaseCalculo, "VlrBaseCalculo")
        .amount(r.VlrDifAliquota, diffColumn)
        .integer(r.CidadeID, 7, "CidadeID")
        .text(r.DomicilioFiscal, 1, "DomicilioFiscal")
        .rate(r.Aliquota, rateColumn);
    if (segment == 'S') b.amount(r.Origem, "Origem").amount(r.Destino, "Destino");
    return finish(b, refusal);
}

QByteArray recordZ(const decl::DeclarationKey& key, int count, std::optional<FieldRefusal>& refusal) {
    RecordBuilder b('Z', key, kWidthZ);
    b.integer(count, 3, "registros");
    if (b.refusal() && !refusal) {
        FieldRefusal r = *b.refusal();
        r.reason = QStringLiteral("a declaração tem %1 registros e o registro Z comporta no máximo 999").arg(count);
        refusal = r;
    }
    return b.bytes();
}

} // namespace vexa::declfile
