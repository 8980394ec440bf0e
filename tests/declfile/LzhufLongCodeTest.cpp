// Codes longer than 16 bits. Ordinary text never grows a literal or length code
// past 15 bits, but a stream whose symbol counts follow the Fibonacci numbers
// does: the rarely used symbols end up at the bottom of a long chain. Such
// codes must be written in full, or the file cannot be read back.
#include "declfile/Lzhuf.h"
#include "declfile/QxContainer.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <random>
#include <set>

using namespace vexa::declfile;

namespace {

// Builds input whose coding is, apart from a few literals, only matches of
// lengths 3 to 10 in counts proportional to 34, 21, 13, 8, 5, 3, 2, 1 (plus
// the 60-byte matches that keep the dictionary in the window), with now and
// then a few bytes never seen before, coded through the deepest leaves.
class FibonacciStream {
public:
    QByteArray build(long matches) {
        makeDictionary(420);
        out_ = dict_;
        std::array<long, kLengths> done{};
        long count = 0;
        while (count < matches) {
            appendDictionary();
            const qsizetype blockStart = out_.size() - dict_.size();
            // The block stays shorter than the window, so the next copy of the
            // dictionary is found whole.
            while (out_.size() - blockStart < 3996 && count < matches) {
                // The length furthest behind its share.
                int best = 0;
                double bestLag = -1e18;
                for (int i = 0; i < kLengths; ++i) {
                    const double lag = double(kWeights[i]) * double(count + 1) / kWeightSum - double(done[i]);
                    if (lag > bestLag) {
                        bestLag = lag;
                        best = i;
                    }
                }
                ++done[best];
                appendCopy(3 + best);
                if (++count % 2500 == 0)
                    for (int k = 0; k < 4; ++k) appendFreshByte();
            }
        }
        return out_;
    }

private:
    static constexpr int kLengths = 8;
    static constexpr std::array<int, kLengths> kWeights = {34, 21, 13, 8, 5, 3, 2, 1};
    static constexpr double kWeightSum = 87;

    // 64 letters without a repeated 3-byte string: a copy of n bytes of it is
    // found as a match of exactly n bytes.
    void makeDictionary(int size) {
        std::set<std::uint32_t> seen;
        while (dict_.size() < size) {
            const char c = char(0x40 + rng_() % 64);
            if (dict_.size() >= 2) {
                const std::uint32_t key = std::uint32_t(std::uint8_t(dict_[dict_.size() - 2])) << 16 |
                                          std::uint32_t(std::uint8_t(dict_[dict_.size() - 1])) << 8 |
                                          std::uint8_t(c);
                if (!seen.insert(key).second) continue;
            }
            dict_ += c;
        }
    }

    // Whether the last copy followed by `next` occurs earlier in the window,
    // which would make its match one byte longer than planned.
    bool lastCopyWouldGrow(char next) const {
        if (lastStart_ < 0) return false;
        const QByteArray probe = out_.mid(lastStart_, lastLength_) + next;
        const qsizetype at = out_.indexOf(probe, std::max<qsizetype>(0, lastStart_ - 4096));
        return at >= 0 && at < lastStart_;
    }

    void appendCopy(int length) {
        for (;;) {
            const int from = int(rng_() % std::uint32_t(dict_.size() - length));
            if (lastCopyWouldGrow(dict_[from])) continue;
            lastStart_ = out_.size();
            lastLength_ = length;
            out_ += dict_.mid(from, length);
            return;
        }
    }

    void appendFreshByte() {
        out_ += char(0x80 + fresh_++ % 128);
        lastStart_ = -1;
    }

    void appendDictionary() {
        if (lastCopyWouldGrow(dict_[0])) appendFreshByte();
        out_ += dict_;
        lastStart_ = -1;
    }

    std::mt19937 rng_{7};
    QByteArray dict_;
    QByteArray out_;
    qsizetype lastStart_ = -1;
    int lastLength_ = 0;
    int fresh_ = 0;
};

} // namespace

TEST(LzhufLongCodes, SeventeenBitCodesAreWrittenInFullAndReadBack) {
    const QByteArray input = FibonacciStream().build(2 * 32768);

    lzhuf::EncodeStats stats;
    const QByteArray coded = lzhuf::encode(input, &stats);
    ASSERT_GE(stats.longestCode, 17) << "the stream no longer grows a code past 16 bits";

    QByteArray back;
    QString reason;
    ASSERT_TRUE(lzhuf::decode(coded, std::uint32_t(input.size()), &back, &reason)) << reason.toStdString();
    EXPECT_TRUE(back == input);

    // And through the submission file's two passes.
    const ContainerResult qx = encodeQx(input);
    ASSERT_TRUE(qx.ok());
    const ContainerResult restored = decodeQx(qx.bytes);
    ASSERT_TRUE(restored.ok()) << restored.error.toStdString();
    EXPECT_TRUE(restored.bytes == input);
}
