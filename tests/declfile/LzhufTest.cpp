// The compressed container of the submission file: the reference vectors byte
// for byte, round trips of every size, and damaged files refused cleanly.
#include "declfile/Lzhuf.h"
#include "declfile/QxContainer.h"

#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <cstdint>
#include <random>

using namespace vexa::declfile;

namespace {

QByteArray readVector(const QString& name) {
    QFile f(QStringLiteral(LZHUF_VECTOR_DIR "/") + name);
    if (!f.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "missing vector " << name.toStdString();
        return {};
    }
    return f.readAll();
}

struct Vector {
    const char* name;
    const char* inputSuffix;
};

const Vector kVectors[] = {{"empty", ".bin"}, {"f60", ".txt"}, {"acentos", ".txt"}, {"declaracoes", ".txt"}};

QString prefix() { return QStringLiteral("Arquivo compactado inválido: "); }

// Text shaped like a submission file: fixed-width records with repeated
// headers, numeric fields and padded names.
QByteArray declarationText(std::size_t size, std::uint32_t seed) {
    std::mt19937 rng(seed);
    QByteArray out;
    out.reserve(qsizetype(size + 400));
    const char segments[] = "ABBBCDEEGHIJKLMNOPQRSZ";
    int record = 0;
    while (std::size_t(out.size()) < size) {
        QByteArray line;
        line += segments[record++ % (sizeof segments - 1)];
        line += "5649780852  0720250";
        line += char('0' + rng() % 2);
        const int fields = 10 + int(rng() % 10);
        for (int f = 0; f < fields; ++f) {
            if (rng() % 4 == 0) {
                line += QByteArray("TRANSPORTES RODOVIARIOS LTDA ").left(int(rng() % 29));
                line += QByteArray(int(rng() % 20), ' ');
            } else {
                line += QByteArray::number(qulonglong(rng() % 100000000), 10).rightJustified(14, '0');
            }
        }
        line += "\r\n";
        out += line;
    }
    out.truncate(qsizetype(size));
    return out;
}

QByteArray randomBytes(std::size_t size, std::uint32_t seed, int alphabet) {
    std::mt19937 rng(seed);
    QByteArray out(qsizetype(size), Qt::Uninitialized);
    for (auto& c : out) c = char(rng() % unsigned(alphabet));
    return out;
}

} // namespace

TEST(LzhufVectors, EncodeAndDecodeByteForByte) {
    for (const Vector& v : kVectors) {
        SCOPED_TRACE(v.name);
        const QByteArray input = readVector(QString::fromLatin1(v.name) + QLatin1String(v.inputSuffix));
        const QByteArray hzl = readVector(QString::fromLatin1(v.name) + QStringLiteral(".hzl"));
        const QByteArray qx = readVector(QString::fromLatin1(v.name) + QStringLiteral(".qx"));

        const ContainerResult onePass = encodePass(input);
        ASSERT_TRUE(onePass.ok());
        EXPECT_EQ(onePass.bytes.toHex(' ').toStdString(), hzl.toHex(' ').toStdString());
        const ContainerResult twoPasses = encodeQx(input);
        ASSERT_TRUE(twoPasses.ok());
        EXPECT_EQ(twoPasses.bytes, qx);

        const ContainerResult fromHzl = decodePass(hzl);
        ASSERT_TRUE(fromHzl.ok()) << fromHzl.error.toStdString();
        EXPECT_EQ(fromHzl.bytes, input);
        const ContainerResult fromQx = decodeQx(qx);
        ASSERT_TRUE(fromQx.ok()) << fromQx.error.toStdString();
        EXPECT_EQ(fromQx.bytes, input);
        EXPECT_EQ(decodePass(qx).bytes, hzl);
    }
}

TEST(LzhufRoundTrip, EverySizeAndKindOfContent) {
    // Sizes around the look-ahead (60), the point where the initial zero tail
    // stops mattering (119) and the window (4096).
    const std::size_t sizes[] = {0, 1, 2, 3, 59, 60, 61, 118, 119, 120, 4035, 4096, 4097, 4157, 70000};
    std::uint32_t seed = 1;
    for (std::size_t size : sizes) {
        const QByteArray inputs[] = {declarationText(size, seed), randomBytes(size, seed + 1, 256),
                                     randomBytes(size, seed + 2, 3), QByteArray(qsizetype(size), ' '),
                                     QByteArray(qsizetype(size), '\0')};
        seed += 3;
        for (const QByteArray& input : inputs) {
            SCOPED_TRACE(testing::Message() << "size " << size << " starting " << input.left(8).toHex().data());
            const ContainerResult qx = encodeQx(input);
            ASSERT_TRUE(qx.ok());
            const ContainerResult back = decodeQx(qx.bytes);
            ASSERT_TRUE(back.ok()) << back.error.toStdString();
            ASSERT_EQ(back.bytes, input);
        }
    }
}

TEST(LzhufRoundTrip, OneMegabyteOfDeclarationsAndOfNoise) {
    for (const QByteArray& input : {declarationText(1 << 20, 7), randomBytes(1 << 20, 8, 256)}) {
        const ContainerResult qx = encodeQx(input);
        ASSERT_TRUE(qx.ok());
        const ContainerResult back = decodeQx(qx.bytes);
        ASSERT_TRUE(back.ok()) << back.error.toStdString();
        EXPECT_TRUE(back.bytes == input);
    }
    // Noise does not shrink, but grows by far less than the bound the decoder trusts.
    const QByteArray noise = lzhuf::encode(randomBytes(100000, 9, 256));
    EXPECT_LT(noise.size(), 100000 * 9 / 8);
}

TEST(LzhufDamage, EveryTruncationIsRefused) {
    for (const Vector& v : kVectors) {
        for (const char* suffix : {".hzl", ".qx"}) {
            const QByteArray file = readVector(QString::fromLatin1(v.name) + QLatin1String(suffix));
            for (qsizetype n = 0; n < file.size(); ++n) {
                const ContainerResult r = decodeQx(file.left(n));
                ASSERT_FALSE(r.ok()) << v.name << suffix << " cut at " << n;
                ASSERT_TRUE(r.error.startsWith(prefix())) << r.error.toStdString();
                ASSERT_TRUE(r.bytes.isEmpty());
            }
        }
    }
}

TEST(LzhufDamage, HeaderFaultsAreNamed) {
    const QByteArray hzl = readVector(QStringLiteral("declaracoes.hzl"));

    EXPECT_EQ(decodePass(hzl.left(7)).error, prefix() + QStringLiteral("cabeçalho com 7 bytes, são necessários 8."));
    QByteArray wrongMagic = hzl;
    wrongMagic[1] = 'X';
    EXPECT_EQ(decodePass(wrongMagic).error, prefix() + QStringLiteral("assinatura \"!HZL\" não encontrada."));
    QByteArray otherMethod = hzl;
    otherMethod.replace(0, 4, "WRZL");
    EXPECT_EQ(decodePass(otherMethod).error,
              prefix() + QStringLiteral("método de compactação \"WRZL\" não suportado."));

    // A declared length no data of this size could reach is refused before
    // anything is allocated.
    QByteArray absurd = hzl.left(20);
    absurd.replace(4, 4, QByteArray("\xff\xff\xff\xff", 4));
    EXPECT_EQ(decodePass(absurd).error,
              prefix() + QStringLiteral("o tamanho declarado (4294967295 bytes) é impossível para 12 bytes de "
                                        "dados compactados."));
    EXPECT_EQ(lzhuf::maxRestorable(12), 12u * 48u);

    // A header declaring bytes with nothing after it.
    const QByteArray bare("!HZL\x05\0\0\0", 8);
    EXPECT_EQ(decodePass(bare).error, prefix() + QStringLiteral("os dados terminam antes dos 5 bytes declarados."));
}

TEST(LzhufDamage, LengthMismatchesAreRefused) {
    // 'x' then a match of 60 and one of 39: declaring one byte less makes the
    // last match run past the end.
    const QByteArray input(100, 'x');
    QByteArray pass = encodePass(input).bytes;
    pass[4] = char(99);
    EXPECT_EQ(decodePass(pass).error,
              prefix() + QStringLiteral("uma repetição ultrapassa o tamanho declarado de 99 bytes."));

    // Bytes after the coded data, and an empty input followed by anything.
    const QByteArray hzl = readVector(QStringLiteral("acentos.hzl"));
    EXPECT_EQ(decodePass(hzl + QByteArray(3, '\0')).error,
              prefix() + QStringLiteral("há 3 bytes sobrando após o fim dos dados compactados."));
    EXPECT_FALSE(decodePass(readVector(QStringLiteral("empty.hzl")) + "x").ok());
    EXPECT_FALSE(decodeQx(readVector(QStringLiteral("empty.qx")) + "x").ok());
}

TEST(LzhufDamage, RandomCorruptionNeverCrashes) {
    std::mt19937 rng(2024);
    int refused = 0;
    int decoded = 0;
    for (const Vector& v : kVectors) {
        for (const char* suffix : {".hzl", ".qx"}) {
            const QByteArray file = readVector(QString::fromLatin1(v.name) + QLatin1String(suffix));
            for (int round = 0; round < 400; ++round) {
                QByteArray damaged = file;
                const int flips = 1 + int(rng() % 4);
                for (int k = 0; k < flips; ++k) {
                    const auto at = qsizetype(rng() % std::uint32_t(damaged.size()));
                    damaged[at] = char(damaged[at] ^ char(1 + rng() % 255));
                }
                const ContainerResult r = decodeQx(damaged);
                if (r.ok()) {
                    ++decoded;
                } else {
                    ++refused;
                    ASSERT_TRUE(r.error.startsWith(prefix())) << r.error.toStdString();
                }
            }
        }
    }
    EXPECT_GT(refused, 0);
    // Coded data following a well-formed header, made of pure noise.
    for (int round = 0; round < 300; ++round) {
        const auto size = std::size_t(1 + rng() % 3000);
        QByteArray noise = QByteArray("!HZL", 4) + QByteArray(4, '\0') + randomBytes(size, rng(), 256);
        const std::uint32_t length = rng() % std::uint32_t(size * 8);
        for (int i = 0; i < 4; ++i) noise[4 + i] = char(length >> (8 * i));
        const ContainerResult r = decodePass(noise);
        if (r.ok()) {
            EXPECT_EQ(std::uint32_t(r.bytes.size()), length);
            ++decoded;
        }
    }
    SUCCEED() << refused << " refused, " << decoded << " decoded";
}
