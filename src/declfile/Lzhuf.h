#pragma once
// One LZHUF coding pass: LZSS string matching over a 4096-byte window whose
// literals and match lengths are coded with an adaptive Huffman code, and whose
// match distances are coded with a fixed table. The submission file is made of
// two such passes, each behind an 8-byte header (QxContainer.h); this unit
// handles only the coded bits that follow the header.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>

namespace vexa::declfile::lzhuf {

// What a coding pass wrote, for diagnostics.
struct EncodeStats {
    int longestCode = 0; // bits of the longest literal or length code written
};

// Codes `input` and answers the coded bytes (empty for an empty input). The
// output is bit-compatible with every conforming LZHUF decoder.
QByteArray encode(QByteArrayView input, EncodeStats* stats = nullptr);

// The most bytes that `codedSize` coded bytes can ever restore: every symbol
// takes at least one bit and a match (at most 60 bytes) at least ten.
std::uint64_t maxRestorable(std::uint64_t codedSize);

// Restores exactly `length` bytes from `coded` into *out. On bad data answers
// false and puts the reason (a Portuguese sentence without the leading
// "Arquivo compactado inválido: ") in *reason; *out is then left empty.
// Never reads outside `coded`, never loops without consuming input.
bool decode(QByteArrayView coded, std::uint32_t length, QByteArray* out, QString* reason);

} // namespace vexa::declfile::lzhuf
