#include "declfile/QxContainer.h"

#include "declfile/Lzhuf.h"

#include <cstdint>
#include <limits>

namespace vexa::declfile {

namespace {

constexpr char kSignature[4] = {'!', 'H', 'Z', 'L'};
// The compressor's other method, never used for the submission file.
constexpr char kOtherMethod[4] = {'W', 'R', 'Z', 'L'};

QString invalid(const QString& reason) {
    return QStringLiteral("Arquivo compactado inválido: ") + reason;
}

ContainerResult failure(QString message) { return {QByteArray(), std::move(message)}; }

} // namespace

ContainerResult encodePass(QByteArrayView input) {
    if (std::uint64_t(input.size()) > std::numeric_limits<std::uint32_t>::max())
        return failure(QStringLiteral("Arquivo grande demais para compactar: %1 bytes (o máximo é 4294967295).")
                           .arg(input.size()));
    const auto length = std::uint32_t(input.size());
    QByteArray out;
    out.reserve(kPassHeaderSize + input.size() / 2 + 16);
    out.append(kSignature, 4);
    for (int shift = 0; shift < 32; shift += 8) out.append(char(std::uint8_t(length >> shift)));
    out.append(lzhuf::encode(input));
    return {std::move(out), QString()};
}

ContainerResult decodePass(QByteArrayView pass) {
    if (pass.size() < kPassHeaderSize)
        return failure(invalid(QStringLiteral("cabeçalho com %1 bytes, são necessários 8.").arg(pass.size())));
    if (pass.first(4) == QByteArrayView(kOtherMethod, 4))
        return failure(invalid(QStringLiteral("método de compactação \"WRZL\" não suportado.")));
    if (pass.first(4) != QByteArrayView(kSignature, 4))
        return failure(invalid(QStringLiteral("assinatura \"!HZL\" não encontrada.")));
    std::uint32_t length = 0;
    for (int i = 0; i < 4; ++i) length |= std::uint32_t(std::uint8_t(pass[4 + i])) << (8 * i);
    ContainerResult result;
    QString reason;
    if (!lzhuf::decode(pass.sliced(kPassHeaderSize), length, &result.bytes, &reason))
        return failure(invalid(reason));
    return result;
}

ContainerResult encodeQx(QByteArrayView text) {
    ContainerResult first = encodePass(text);
    if (!first.ok()) return first;
    return encodePass(first.bytes);
}

ContainerResult decodeQx(QByteArrayView file) {
    ContainerResult outer = decodePass(file);
    if (!outer.ok()) return outer;
    return decodePass(outer.bytes);
}

} // namespace vexa::declfile
