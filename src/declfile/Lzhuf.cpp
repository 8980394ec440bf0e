#include "declfile/Lzhuf.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <memory>
#include <new>

namespace vexa::declfile::lzhuf {

namespace {

// ---- Parameters of the method ------------------------------------------------

constexpr int kWindow = 4096;                     // ring buffer size
constexpr int kLookAhead = 60;                    // longest match
constexpr int kThreshold = 2;                     // a match must be longer than this
constexpr int kNil = kWindow;                     // "no node" in the search trees
constexpr int kSymbols = 256 - kThreshold + kLookAhead; // 314: literals, then lengths 3..60
constexpr int kNodes = 2 * kSymbols - 1;          // 627 nodes of the Huffman tree
constexpr int kRoot = kNodes - 1;
constexpr unsigned kMaxFreq = 0x8000;             // root count that triggers a rebuild

// ---- Fixed code of the upper 6 bits of a match distance ----------------------
// 1 value of 3 bits, 3 of 4, 8 of 5, 12 of 6, 24 of 7 and 16 of 8 bits, with
// codes given out in ascending order (nearer distances get the shorter codes).

struct PositionCodes {
    std::array<std::uint8_t, 64> length{};
    std::array<std::uint8_t, 64> code{};        // right-aligned in `length` bits
    std::array<std::uint8_t, 256> valueOfByte{}; // upper bits from the next 8 coded bits
};

constexpr PositionCodes makePositionCodes() {
    PositionCodes t;
    constexpr int counts[] = {1, 3, 8, 12, 24, 16};
    int value = 0;
    unsigned code = 0;
    for (int len = 3; len <= 8; ++len) {
        for (int k = 0; k < counts[len - 3]; ++k, ++value, ++code) {
            t.length[value] = std::uint8_t(len);
            t.code[value] = std::uint8_t(code);
            const unsigned first = code << (8 - len);
            for (unsigned b = 0; b < (1u << (8 - len)); ++b)
                t.valueOfByte[first + b] = std::uint8_t(value);
        }
        code <<= 1;
    }
    return t;
}

constexpr PositionCodes kPosition = makePositionCodes();

// ---- Adaptive Huffman tree ----------------------------------------------------
// Nodes are kept in ascending order of their counts (sibling property); the two
// children of a node sit side by side, the first at an even index. Leaves are
// represented in `son` as symbol + kNodes.

class AdaptiveHuffman {
public:
    AdaptiveHuffman() {
        for (int i = 0; i < kSymbols; ++i) {
            freq[i] = 1;
            son[i] = i + kNodes;
            prnt[i + kNodes] = i;
        }
        for (int i = 0, j = kSymbols; j <= kRoot; i += 2, ++j) {
            freq[j] = freq[i] + freq[i + 1];
            son[j] = i;
            prnt[i] = prnt[i + 1] = j;
        }
        freq[kNodes] = 0xffff; // sentinel above every real count
        prnt[kRoot] = 0;
    }

    // Counts one more occurrence of `symbol` and restores the order of the nodes.
    void update(int symbol) {
        if (freq[kRoot] == kMaxFreq) rebuild();
        int c = prnt[symbol + kNodes];
        do {
            const unsigned k = ++freq[c];
            if (k > freq[c + 1]) {
                // The counts are sorted, so the node to swap with is the last
                // one still below k: find it by bisection instead of walking.
                const int l = int(std::lower_bound(freq.begin() + c + 2, freq.end(), k) - freq.begin()) - 1;
                freq[c] = freq[l];
                freq[l] = k;

                const int i = son[c];
                prnt[i] = l;
                if (i < kNodes) prnt[i + 1] = l;
                const int j = son[l];
                son[l] = i;
                prnt[j] = c;
                if (j < kNodes) prnt[j + 1] = c;
                son[c] = j;
                c = l;
            }
        } while ((c = prnt[c]) != 0);
    }

    std::array<unsigned, kNodes + 1> freq{};
    std::array<int, kNodes + kSymbols> prnt{};
    std::array<int, kNodes> son{};

private:
    // Halves every leaf count (rounding up) and builds the tree anew.
    void rebuild() {
        int j = 0;
        for (int i = 0; i < kNodes; ++i) {
            if (son[i] >= kNodes) {
                freq[j] = (freq[i] + 1) / 2;
                son[j] = son[i];
                ++j;
            }
        }
        for (int i = 0, node = kSymbols; node < kNodes; i += 2, ++node) {
            const unsigned f = freq[i] + freq[i + 1];
            int k = node - 1;
            while (f < freq[k]) --k;
            ++k;
            std::copy_backward(freq.begin() + k, freq.begin() + node, freq.begin() + node + 1);
            std::copy_backward(son.begin() + k, son.begin() + node, son.begin() + node + 1);
            freq[k] = f;
            son[k] = i;
        }
        for (int i = 0; i < kNodes; ++i) {
            const int k = son[i];
            if (k >= kNodes)
                prnt[k] = i;
            else
                prnt[k] = prnt[k + 1] = i;
        }
    }
};

// ---- Bits, most significant first ---------------------------------------------

class BitWriter {
public:
    explicit BitWriter(qsizetype reserve) { out_.reserve(reserve); }

    // Appends the low `count` bits of `bits` (count <= 32).
    void put(std::uint32_t bits, int count) {
        acc_ = (acc_ << count) | (bits & ((std::uint64_t(1) << count) - 1));
        pending_ += count;
        while (pending_ >= 8) {
            pending_ -= 8;
            out_.append(char(std::uint8_t(acc_ >> pending_)));
        }
    }

    // Completes the last byte with zero bits.
    QByteArray finish() {
        if (pending_ > 0) out_.append(char(std::uint8_t(acc_ << (8 - pending_))));
        pending_ = 0;
        return std::move(out_);
    }

private:
    QByteArray out_;
    std::uint64_t acc_ = 0;
    int pending_ = 0;
};

class BitReader {
public:
    explicit BitReader(QByteArrayView data)
        : data_(reinterpret_cast<const std::uint8_t*>(data.data())), bits_(std::uint64_t(data.size()) * 8) {}

    bool has(std::uint64_t count) const { return bits_ - pos_ >= count; }

    int bit() { // caller checks has(1)
        const int b = (data_[pos_ >> 3] >> (7 - (pos_ & 7))) & 1;
        ++pos_;
        return b;
    }

    // The next 8 bits without consuming them; bits past the end read as zero.
    unsigned peekByte() const {
        unsigned v = 0;
        for (int i = 0; i < 8; ++i) {
            const std::uint64_t p = pos_ + std::uint64_t(i);
            v = (v << 1) | (p < bits_ ? (data_[p >> 3] >> (7 - (p & 7))) & 1u : 0u);
        }
        return v;
    }

    unsigned take(int count) { // caller checks has(count)
        unsigned v = 0;
        for (int i = 0; i < count; ++i) v = (v << 1) | unsigned(bit());
        return v;
    }

    std::uint64_t bytesUsed() const { return (pos_ + 7) / 8; }

private:
    const std::uint8_t* data_;
    std::uint64_t bits_;
    std::uint64_t pos_ = 0;
};

// ---- Coder ----------------------------------------------------------------------

class Encoder {
public:
    QByteArray run(QByteArrayView input);
    int longestCode() const { return longestCode_; }

private:
    void insertNode(int r);
    void deleteNode(int p);
    void putSymbol(int symbol);
    void putPosition(int distanceMinusOne);

    // The window plus a copy of its first kLookAhead - 1 bytes, so that a string
    // starting near the end can be compared without wrapping. Starts all zero.
    std::array<std::uint8_t, kWindow + kLookAhead - 1> text_{};
    // Binary search trees of the window positions, one per first byte; the
    // roots hang from rson_[kWindow + 1 + byte].
    std::array<int, kWindow + 1> lson_{};
    std::array<int, kWindow + 257> rson_{};
    std::array<int, kWindow + 1> dad_{};
    int matchPosition_ = 0; // distance back minus one
    int matchLength_ = 0;
    int longestCode_ = 0;
    AdaptiveHuffman huff_;
    BitWriter* out_ = nullptr;
};

// Where the strings at a and b first differ after their common first byte:
// an index in [1, kLookAhead), or kLookAhead when they are equal throughout.
// This is the heart of the match search, so it compares eight bytes at a time.
inline int firstDifference(const std::uint8_t* a, const std::uint8_t* b) {
    if constexpr (std::endian::native == std::endian::little) {
        auto load = [](const std::uint8_t* at) {
            std::uint64_t v;
            std::memcpy(&v, at, sizeof v);
            return v;
        };
        for (int i = 1; i + 8 <= kLookAhead; i += 8) {
            if (const std::uint64_t x = load(a + i) ^ load(b + i))
                return i + std::countr_zero(x) / 8;
        }
        // The last bytes, in one load that overlaps bytes already known equal.
        constexpr int tail = kLookAhead - 8;
        if (const std::uint64_t x = load(a + tail) ^ load(b + tail)) return tail + std::countr_zero(x) / 8;
        return kLookAhead;
    } else {
        int i = 1;
        while (i < kLookAhead && a[i] == b[i]) ++i;
        return i;
    }
}

// Inserts the string at `r` into its tree and finds, on the way down, the
// longest earlier string sharing its start (the nearest among equally long
// ones). A string equal over the whole look-ahead takes the older one's place.
void Encoder::insertNode(int r) {
    const std::uint8_t* key = &text_[r];
    int p = kWindow + 1 + key[0];
    int cmp = 1;
    rson_[r] = lson_[r] = kNil;
    matchLength_ = 0;
    for (;;) {
        if (cmp >= 0) {
            if (rson_[p] != kNil) {
                p = rson_[p];
            } else {
                rson_[p] = r;
                dad_[r] = p;
                return;
            }
        } else {
            if (lson_[p] != kNil) {
                p = lson_[p];
            } else {
                lson_[p] = r;
                dad_[r] = p;
                return;
            }
        }
        const std::uint8_t* other = &text_[p];
        const int i = firstDifference(key, other);
        cmp = i < kLookAhead ? int(key[i]) - int(other[i]) : 0;
        if (i > kThreshold) {
            const int distance = ((r - p) & (kWindow - 1)) - 1;
            if (i > matchLength_) {
                matchPosition_ = distance;
                if ((matchLength_ = i) >= kLookAhead) break;
            } else if (i == matchLength_ && distance < matchPosition_) {
                matchPosition_ = distance;
            }
        }
    }
    // Equal over the whole look-ahead: r replaces p.
    dad_[r] = dad_[p];
    lson_[r] = lson_[p];
    rson_[r] = rson_[p];
    dad_[lson_[p]] = r;
    dad_[rson_[p]] = r;
    if (rson_[dad_[p]] == p)
        rson_[dad_[p]] = r;
    else
        lson_[dad_[p]] = r;
    dad_[p] = kNil;
}

void Encoder::deleteNode(int p) {
    if (dad_[p] == kNil) return;
    int q;
    if (rson_[p] == kNil) {
        q = lson_[p];
    } else if (lson_[p] == kNil) {
        q = rson_[p];
    } else {
        q = lson_[p];
        if (rson_[q] != kNil) {
            do {
                q = rson_[q];
            } while (rson_[q] != kNil);
            rson_[dad_[q]] = lson_[q];
            dad_[lson_[q]] = dad_[q];
            lson_[q] = lson_[p];
            dad_[lson_[p]] = q;
        }
        rson_[q] = rson_[p];
        dad_[rson_[p]] = q;
    }
    dad_[q] = dad_[p];
    if (rson_[dad_[p]] == p)
        rson_[dad_[p]] = q;
    else
        lson_[dad_[p]] = q;
    dad_[p] = kNil;
}

// The code of a symbol is its path from the root: 0 for the first child of a
// pair, 1 for the second. Codes are written in full whatever their length.
void Encoder::putSymbol(int symbol) {
    // Gathered leaf to root, so the lowest bit of the first word is the last
    // bit of the code.
    std::array<std::uint32_t, (kNodes + 31) / 32> words;
    int depth = 0;
    int k = huff_.prnt[symbol + kNodes];
    do {
        if ((depth & 31) == 0) words[depth >> 5] = 0;
        words[depth >> 5] |= std::uint32_t(k & 1) << (depth & 31);
        ++depth;
    } while ((k = huff_.prnt[k]) != kRoot);
    longestCode_ = std::max(longestCode_, depth);
    const int top = (depth - 1) >> 5;
    out_->put(words[top], depth - 32 * top);
    for (int w = top - 1; w >= 0; --w) out_->put(words[w], 32);
    huff_.update(symbol);
}

void Encoder::putPosition(int distanceMinusOne) {
    const int upper = distanceMinusOne >> 6;
    out_->put(kPosition.code[upper], kPosition.length[upper]);
    out_->put(std::uint32_t(distanceMinusOne & 0x3f), 6);
}

QByteArray Encoder::run(QByteArrayView input) {
    const auto* in = reinterpret_cast<const std::uint8_t*>(input.data());
    const qsizetype total = input.size();
    if (total == 0) return {};
    BitWriter writer(total / 2 + 16);
    out_ = &writer;

    for (int i = kWindow + 1; i <= kWindow + 256; ++i) rson_[i] = kNil;
    for (int i = 0; i < kWindow; ++i) dad_[i] = kNil;

    int s = 0;
    int r = kWindow - kLookAhead;
    std::fill(text_.begin(), text_.begin() + r, std::uint8_t(' '));
    int len = int(std::min<qsizetype>(kLookAhead, total));
    std::copy(in, in + len, text_.begin() + r);
    qsizetype next = len;

    for (int i = 1; i <= kLookAhead; ++i) insertNode(r - i);
    insertNode(r);
    do {
        if (matchLength_ > len) matchLength_ = len;
        if (matchLength_ <= kThreshold) {
            matchLength_ = 1;
            putSymbol(text_[r]);
        } else {
            putSymbol(255 - kThreshold + matchLength_);
            putPosition(matchPosition_);
        }
        const int last = matchLength_;
        int i = 0;
        for (; i < last && next < total; ++i) {
            const std::uint8_t c = in[next++];
            deleteNode(s);
            text_[s] = c;
            if (s < kLookAhead - 1) text_[s + kWindow] = c;
            s = (s + 1) & (kWindow - 1);
            r = (r + 1) & (kWindow - 1);
            insertNode(r);
        }
        // Past the end of the input the window keeps what it held: the search
        // still compares the whole look-ahead and the match is cut afterwards.
        for (; i < last; ++i) {
            deleteNode(s);
            s = (s + 1) & (kWindow - 1);
            r = (r + 1) & (kWindow - 1);
            if (--len) insertNode(r);
        }
    } while (len > 0);
    return writer.finish();
}

// ---- Decoder --------------------------------------------------------------------

QString truncatedReason(std::uint32_t length) {
    return QStringLiteral("os dados terminam antes dos %1 bytes declarados.").arg(length);
}

} // namespace

QByteArray encode(QByteArrayView input, EncodeStats* stats) {
    auto encoder = std::make_unique<Encoder>();
    QByteArray coded = encoder->run(input);
    if (stats) stats->longestCode = encoder->longestCode();
    return coded;
}

std::uint64_t maxRestorable(std::uint64_t codedSize) {
    // A literal costs at least 1 bit; a match of at most 60 bytes at least
    // 1 + 3 + 6 bits. So no bit ever restores more than 6 bytes.
    constexpr std::uint64_t kBytesPerBit = kLookAhead / (1 + 3 + 6);
    return codedSize * 8 * kBytesPerBit;
}

bool decode(QByteArrayView coded, std::uint32_t length, QByteArray* out, QString* reason) {
    out->clear();
    if (length > maxRestorable(std::uint64_t(coded.size()))) {
        *reason = coded.isEmpty() ? truncatedReason(length)
                                  : QStringLiteral("o tamanho declarado (%1 bytes) é impossível para %2 bytes "
                                                   "de dados compactados.")
                                        .arg(length)
                                        .arg(coded.size());
        return false;
    }
    QByteArray result;
    try {
        result.resize(qsizetype(length));
    } catch (const std::bad_alloc&) {
        *reason = QStringLiteral("memória insuficiente para os %1 bytes declarados.").arg(length);
        return false;
    }
    auto* dst = reinterpret_cast<std::uint8_t*>(result.data());

    auto huff = std::make_unique<AdaptiveHuffman>();
    // The window starts as the coder's: blanks, then zeros where the coder's
    // first look-ahead stood.
    std::array<std::uint8_t, kWindow> text{};
    std::fill(text.begin(), text.begin() + (kWindow - kLookAhead), std::uint8_t(' '));
    int r = kWindow - kLookAhead;

    BitReader in(coded);
    std::uint32_t count = 0;
    while (count < length) {
        int c = huff->son[kRoot];
        while (c < kNodes) {
            if (!in.has(1)) {
                *reason = truncatedReason(length);
                return false;
            }
            c = huff->son[c + in.bit()];
        }
        c -= kNodes;
        huff->update(c);
        if (c < 256) {
            dst[count++] = std::uint8_t(c);
            text[r] = std::uint8_t(c);
            r = (r + 1) & (kWindow - 1);
            continue;
        }
        const unsigned upper = kPosition.valueOfByte[in.peekByte()];
        const int codeLength = kPosition.length[upper];
        if (!in.has(std::uint64_t(codeLength) + 6)) {
            *reason = truncatedReason(length);
            return false;
        }
        in.take(codeLength);
        const int distanceMinusOne = int(upper << 6 | in.take(6));
        const int matchLength = c - 255 + kThreshold;
        if (std::uint64_t(count) + std::uint64_t(matchLength) > length) {
            *reason = QStringLiteral("uma repetição ultrapassa o tamanho declarado de %1 bytes.").arg(length);
            return false;
        }
        const int from = (r - distanceMinusOne - 1) & (kWindow - 1);
        for (int k = 0; k < matchLength; ++k) {
            const std::uint8_t b = text[(from + k) & (kWindow - 1)];
            dst[count++] = b;
            text[r] = b;
            r = (r + 1) & (kWindow - 1);
        }
    }
    if (std::uint64_t(coded.size()) > in.bytesUsed()) {
        *reason = QStringLiteral("há %1 bytes sobrando após o fim dos dados compactados.")
                      .arg(std::uint64_t(coded.size()) - in.bytesUsed());
        return false;
    }
    *out = std::move(result);
    return true;
}

} // namespace vexa::declfile::lzhuf
