#include "declfile/DeclarationRecords.h"

#include "common/Masks.h"

namespace vexa::declfile {

QString refusalMessage(const decl::DeclarationKey& key, const FieldRefusal& field) {
    QString where;
    if (field.field == QLatin1String("registros")) {
        where = field.reason;
    } else {
        where = QStringLiteral("no registro %1, campo %2").arg(QLatin1Char(field.segment)).arg(field.field);
        if (!field.value.isEmpty()) where += QStringLiteral(" (\"%1\")").arg(field.value);
        where += QStringLiteral(", ") + field.reason;
    }
    return QStringLiteral("A VEXA da Inscrição Estadual %1, período %2, retificação %3, não pode ser gravada: %4. "
                          "Nenhum arquivo foi gravado.")
        .arg(formatIE(key.ie), key.display(), key.retificacao, where);
}

RecordsResult buildRecords(const DeclarationData& data) {
    const decl::DeclarationKey& key = data.key;
    RecordsResult result;
    result.records.key = key;
    QList<QByteArray>& lines = result.records.lines;
    std::optional<FieldRefusal> refusal;

    lines.reserve(2 + data.operations.size() + data.states.size() + data.toPay.size() + data.pumps.size() +
                  data.tanks.size() + data.alcohol.size() + data.tare.size() + data.otherCredits.size() +
                  data.deductions.size() + data.municipalities.size() + data.goods.size() + data.notes.size() +
                  data.rates.size() + data.rateComplements.size() + data.otherDebits.size() +
                  data.consumerRates.size() + 1);

    lines << recordA(key, data.header, refusal);
    for (const auto& r : data.operations) lines << recordB(key, r, refusal);
    // Stock: one C record only when the declaration has exactly one row.
    if (data.stock.size() == 1) lines << recordC(key, data.stock.front(), refusal);
    for (const auto& r : data.states) lines << recordD(key, r, refusal);
    for (const auto& r : data.toPay) lines << recordE(key, r, refusal);
    for (const auto& r : data.pumps) lines << recordG(key, r, refusal);
    for (const auto& r : data.tanks) lines << recordH(key, r, refusal);
    for (const auto& r : data.alcohol) lines << recordI(key, r, refusal);
    for (const auto& r : data.tare) lines << recordJ(key, r, refusal);
    for (const auto& r : data.otherCredits) lines << recordK(key, r, refusal);
    for (const auto& r : data.deductions) lines << recordL(key, r, refusal);
    for (const auto& r : data.municipalities) lines << recordM(key, r, refusal);
    for (const auto& r : data.goods) lines << recordN(key, r, refusal);
    for (const auto& r : data.notes) lines << recordO(key, r, refusal);
    for (const auto& r : data.rates) lines << recordRate('P', key, r, refusal);
    for (const auto& r : data.rateComplements) lines << recordRate('Q', key, r, refusal);
    for (const auto& r : data.otherDebits) lines << recordR(key, r, refusal);
    for (const auto& r : data.consumerRates) lines << recordRate('S', key, r, refusal);

    const int count = int(lines.size());
    lines << recordZ(key, count, refusal);

    if (refusal) result.refusal = RecordsRefusal{key, *refusal, refusalMessage(key, *refusal)};
    return result;
}

void appendRecords(QByteArray& text, const DeclarationRecords& records) {
    for (const QByteArray& line : records.lines) {
        text += line;
        text += "\r\n";
    }
}

QByteArray submissionText(const QList<DeclarationRecords>& declarations) {
    qsizetype size = 0;
    for (const auto& d : declarations)
        for (const QByteArray& line : d.lines) size += line.size() + 2;
    QByteArray text;
    text.reserve(size);
    for (const auto& d : declarations) appendRecords(text, d);
    return text;
}

} // namespace vexa::declfile
