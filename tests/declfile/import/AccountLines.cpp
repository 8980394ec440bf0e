#include "AccountLines.h"

#include "common/Cp1252.h"
#include "declfile/AccountFile.h"
#include "declfile/DeclarationData.h"
#include "declfile/RecordLayout.h"

#include <QFile>
#include <stdexcept>

namespace vexa::test {

using namespace declfile;

namespace {

QByteArray checked(const QByteArray& bytes, const std::optional<FieldRefusal>& refusal) {
    if (refusal) throw std::runtime_error(("record builder refused " + refusal->field).toStdString());
    return bytes;
}

QString digits(qint64 value, int width) { return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0')); }

} // namespace

Record::Record(char segment, const decl::DeclarationKey& key, int width) : text_(width, QLatin1Char(' ')) {
    put(1, QString(QLatin1Char(segment)));
    put(2, key.ie);
    put(13, key.mes + key.ano);
    put(19, key.retificacao);
}

Record& Record::put(int pos, const QString& text) {
    if (pos - 1 + text.size() > text_.size()) text_.resize(pos - 1 + text.size(), QLatin1Char(' '));
    text_.replace(pos - 1, text.size(), text);
    return *this;
}

Record& Record::amount(int pos, double value) { return put(pos, QString::fromLatin1(amountField(value).bytes)); }

Record& Record::number(int pos, qint64 value, int width) { return put(pos, digits(value, width)); }

Record& Record::date(int pos, const QDate& day) { return put(pos, day.toString(QStringLiteral("ddMMyyyy"))); }

QByteArray Record::bytes() const { return cp1252::encode(text_); }

QByteArray lineA(const decl::DeclarationKey& key, const SegmentA& a) {
    Record r('A', key, a.shortForm ? kAccountWidthAShort : kAccountWidthA);
    r.put(21, a.activity).put(28, a.kind).put(29, a.tare).put(30, a.books);
    r.amount(31, a.saldoInicial).amount(45, a.saldoFinal).put(59, a.ecf);
    r.put(60, a.cpf).put(71, a.nome).put(121, a.crc).put(131, a.crcUf).put(133, a.contador).put(183, a.fone);
    for (int i = 0; i < 14; ++i) r.amount(203 + 14 * i, a.items[i]);
    r.put(399, a.nTare).put(419, a.version).put(424, a.tareExpiry);
    r.amount(432, a.c76).amount(446, a.c77).put(460, a.encerrante).put(461, a.obs);
    r.amount(716, a.c79).amount(730, a.c713);
    if (!a.shortForm)
        r.put(744, a.muda).put(745, a.cidadeB).put(752, a.dtIniA).put(760, a.dtFimA).put(768, a.dtIniB).put(776, a.dtFimB);
    return r.bytes();
}

QByteArray lineB(const decl::DeclarationKey& key, const QString& entradaSaida, int cfop, double base, double exempt,
                 double others, double substitution, double bookValue, double tax, const QString& domicile) {
    OperationRecordRow row;
    row.EntradaSaida = entradaSaida;
    row.CodigoOperacao = cfop;
    row.BaseCalculo = base;
    row.IsentasNaoTributadas = exempt;
    row.Outras = others;
    row.SubstituicaoTributaria = substitution;
    row.ValorContabil = bookValue;
    row.ImpostoCreditado = tax;
    row.DomicilioFiscal = domicile;
    std::optional<FieldRefusal> refusal;
    return checked(recordB(key, row, refusal), refusal);
}

QByteArray lineC(const decl::DeclarationKey& key, double first) {
    StockRecordRow row;
    row.EITributadas = first;
    row.EIIsentasNaoTributadas = 2;
    row.EIOutras = 3;
    row.EISubstituicaoTributaria = 4;
    row.EITotal = first + 9;
    row.EFTributadas = 6;
    row.EFIsentasNaoTributadas = 7;
    row.EFOutras = 8;
    row.EFSubstituicaoTributaria = 9;
    row.EFTotal = 30;
    std::optional<FieldRefusal> refusal;
    return checked(recordC(key, row, refusal), refusal);
}

QByteArray lineD(const decl::DeclarationKey& key, const QString& entradaSaida, const QString& uf,
                 const QString& domicile, double bookValue) {
    StateRecordRow row;
    row.EntradaSaida = entradaSaida;
    row.UF = uf;
    row.DomicilioFiscal = domicile;
    row.BaseCalculoA = 100;
    row.BaseCalculoB = 50;
    row.IsentasNaoTributadas = 10;
    row.Outras = 20;
    row.SubsTributaria = 5;
    row.ValorContabilA = bookValue;
    row.ValorContabilB = 60;
    row.CredDebImpostoA = 12;
    row.CredDebImpostoB = 6;
    std::optional<FieldRefusal> refusal;
    return checked(recordD(key, row, refusal), refusal);
}

QByteArray lineE(const decl::DeclarationKey& key, const QString& kind, const QDate& due, double value) {
    ToPayRecordRow row;
    row.TipoApuracao = kind;
    row.DtVencimento = due;
    row.Valor = value;
    std::optional<FieldRefusal> refusal;
    return checked(recordE(key, row, refusal), refusal);
}

QByteArray lineH(const decl::DeclarationKey& key, int tank, int product, int quantity) {
    TankRecordRow row;
    row.EstTanque = tank;
    row.Produto = product;
    row.EstQuantidade = quantity;
    std::optional<FieldRefusal> refusal;
    return checked(recordH(key, row, refusal), refusal);
}

QByteArray lineJ(const decl::DeclarationKey& key, const QString& number, const QDate& expiry) {
    TareRecordRow row;
    row.NumeroTare = number;
    row.DataVencto = expiry;
    std::optional<FieldRefusal> refusal;
    return checked(recordJ(key, row, refusal), refusal);
}

QByteArray lineK(const decl::DeclarationKey& key, int law, double value) {
    std::optional<FieldRefusal> refusal;
    return checked(recordK(key, LawAmountRecordRow{law, value}, refusal), refusal);
}

QByteArray lineL(const decl::DeclarationKey& key, int law, double due, double average, double deduction) {
    std::optional<FieldRefusal> refusal;
    return checked(recordL(key, DeductionRecordRow{law, due, average, deduction}, refusal), refusal);
}

QByteArray lineR(const decl::DeclarationKey& key, int law, double value) {
    std::optional<FieldRefusal> refusal;
    return checked(recordR(key, LawAmountRecordRow{law, value}, refusal), refusal);
}

QByteArray lineG130(const decl::DeclarationKey& key, const QString& serial, int nozzle, int product, int opening,
                    int closing) {
    PumpRecordRow row;
    row.NSerieBomba = serial;
    row.NBico = nozzle;
    row.Produto = product;
    row.LeituraInicial = opening;
    row.LeituraFinal = closing;
    row.VolComSemInterv = closing - opening;
    row.ProdutoAnt = 9;
    row.LeituraInicialProdAnt = 12345;
    row.LeituraFinalProdAnt = 67890;
    row.DataAlteracao = QDate(2024, 3, 10);
    std::optional<FieldRefusal> refusal;
    return checked(recordG(key, row, refusal), refusal);
}

QByteArray lineG(const decl::DeclarationKey& key, const QString& serial, int nozzle, int product, int opening,
                 int closing, int without, int with) {
    return Record('G', key, kAccountWidthG)
        .put(21, serial)
        .number(41, nozzle, 2)
        .number(43, product, 10)
        .number(53, opening, 10)
        .number(63, closing, 10)
        .number(73, without, 10)
        .number(83, with, 10)
        .bytes();
}

QByteArray lineI(const decl::DeclarationKey& key, int note, const QDate& issued, const QString& cnpj,
                 const QString& uf, double unitValue, int quantity) {
    return Record('I', key, kAccountWidthI)
        .number(21, note, 10)
        .date(31, issued)
        .put(39, cnpj)
        .put(53, uf)
        .amount(55, unitValue)
        .number(69, quantity, 10)
        .bytes();
}

QByteArray lineM(const decl::DeclarationKey& key, qint64 ibge, const QString& domicile, double bookValue,
                 double returns) {
    return Record('M', key, kAccountWidthM)
        .put(21, QString::number(ibge))
        .put(35, domicile)
        .amount(36, bookValue)
        .amount(50, returns)
        .bytes();
}

QByteArray lineN(const decl::DeclarationKey& key, const QString& company, const QString& domicile,
                 const QString& municipality, double value) {
    return Record('N', key, kAccountWidthN).put(21, company).put(30, domicile).put(31, municipality).amount(38, value).bytes();
}

QByteArray lineO(const decl::DeclarationKey& key, const QString& company, const QString& domicile, int note,
                 double value) {
    return Record('O', key, kAccountWidthO).put(21, company).put(30, domicile).number(31, note, 7).amount(38, value).bytes();
}

QByteArray lineRate(char segment, const decl::DeclarationKey& key, const QString& domicile, const QString& uf,
                    double bookValue, double base, double value, double rate, double origin, double destination) {
    Record r(segment, key, segment == 'S' ? kAccountWidthS : kAccountWidthP);
    r.put(21, domicile).put(22, uf).amount(24, bookValue).amount(38, base).amount(52, value);
    r.put(66, QString::fromLatin1(rateField(rate).bytes));
    if (segment == 'S') r.amount(70, origin).amount(84, destination);
    return r.bytes();
}

QByteArray lineZ(const decl::DeclarationKey& key, int count) {
    std::optional<FieldRefusal> refusal;
    return checked(recordZ(key, count, refusal), refusal);
}

AccountText& AccountText::begin(const QByteArray& a) {
    pieces_.append({a, true});
    key_ = {QString::fromLatin1(a.mid(1, 9)), QString::fromLatin1(a.mid(14, 4)), QString::fromLatin1(a.mid(12, 2)),
            QString::fromLatin1(a.mid(18, 2))};
    count_ = 1;
    return *this;
}

AccountText& AccountText::add(const QByteArray& record) {
    pieces_.append({record, true});
    ++count_;
    return *this;
}

AccountText& AccountText::end(int count) {
    ++count_;
    pieces_.append({lineZ(key_, count < 0 ? count_ : count), true});
    return *this;
}

AccountText& AccountText::raw(const QByteArray& bytes) {
    pieces_.append({bytes, false});
    return *this;
}

QByteArray AccountText::bytes(const QByteArray& lineEnd) const {
    QByteArray out;
    for (const Piece& p : pieces_) {
        out += p.bytes;
        if (p.line) out += lineEnd;
    }
    return out;
}

bool AccountText::save(const QString& path, const QByteArray& lineEnd) const {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    return f.write(bytes(lineEnd)) >= 0;
}

} // namespace vexa::test
