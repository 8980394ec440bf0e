#pragma once
// The compressed container of the submission file. One pass writes the
// signature "!HZL", the length of its input (32 bits, least significant byte
// first) and the input coded with LZHUF. The submission file is the text
// compressed by one pass and the result compressed again by a second pass.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace vexa::declfile {

// Bytes produced or restored, or the reason of the failure.
struct ContainerResult {
    QByteArray bytes;
    QString error; // "Arquivo compactado inválido: ..." and the like

    bool ok() const { return error.isEmpty(); }
};

inline constexpr int kPassHeaderSize = 8;

ContainerResult encodePass(QByteArrayView input);
ContainerResult decodePass(QByteArrayView pass);

// The submission file: two passes over the declaration text.
ContainerResult encodeQx(QByteArrayView text);
ContainerResult decodeQx(QByteArrayView file);

} // namespace vexa::declfile
