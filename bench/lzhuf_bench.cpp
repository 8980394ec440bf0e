// Speed of the submission file's compression: one and two LZHUF passes over
// 1 MB of declaration-like text (fixed-width records with repeated headers
// and numeric fields), and decoding back. Budget: one pass within 0.25 s.
#include "declfile/Lzhuf.h"
#include "declfile/QxContainer.h"

#include <QByteArray>

#include <cstdint>
#include <cstdio>
#include <random>

#ifdef VEXA_HAVE_BENCHMARK
#include <benchmark/benchmark.h>
#else
#include <algorithm>
#include <chrono>
#include <functional>
#endif

namespace {

using namespace vexa::declfile;

// Records of about 300 characters: segment code, IE and period, then amounts
// of 14 digits, codes and padded names, each line ending in CR LF.
QByteArray declarationText(std::size_t size) {
    std::mt19937 rng(20250701);
    const char* names[] = {"TRANSPORTES RODOVIARIOS PIRATININGA", "COMERCIO DE COMBUSTIVEIS SAO JOSE",
                           "AV. BRASIL, 1690", "SUPERMERCADO BOM PRECO LTDA", "RUA DAS FLORES, 22"};
    const char segments[] = "ABBBBCDEEEGHIJKLMNOPQRSZ";
    QByteArray out;
    out.reserve(qsizetype(size + 400));
    std::size_t record = 0;
    while (std::size_t(out.size()) < size) {
        const std::size_t declaration = record / 40;
        QByteArray line;
        line += segments[record % (sizeof segments - 1)];
        line += QByteArray::number(qulonglong(564978085 + declaration * 7919)).left(9);
        line += "  0720250";
        line += char('0' + declaration % 2);
        while (line.size() < 290) {
            switch (rng() % 5) {
            case 0:
                line += QByteArray(names[rng() % 5]).leftJustified(50, ' ');
                break;
            case 1:
                line += QByteArray::number(qulonglong(5100 + rng() % 900)) + "1700";
                break;
            default:
                line += QByteArray::number(qulonglong(rng() % 100000000)).rightJustified(14, '0');
            }
        }
        line += "\r\n";
        out += line;
        ++record;
    }
    out.truncate(qsizetype(size));
    return out;
}

const QByteArray& megabyte() {
    static const QByteArray text = declarationText(1 << 20);
    return text;
}

} // namespace

#ifdef VEXA_HAVE_BENCHMARK

static void BM_EncodeOnePass(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(encodePass(megabyte()));
    state.SetBytesProcessed(state.iterations() * megabyte().size());
}
BENCHMARK(BM_EncodeOnePass)->Unit(benchmark::kMillisecond);

static void BM_EncodeTwoPasses(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(encodeQx(megabyte()));
    state.SetBytesProcessed(state.iterations() * megabyte().size());
}
BENCHMARK(BM_EncodeTwoPasses)->Unit(benchmark::kMillisecond);

static void BM_DecodeOnePass(benchmark::State& state) {
    const QByteArray pass = encodePass(megabyte()).bytes;
    for (auto _ : state) benchmark::DoNotOptimize(decodePass(pass));
    state.SetBytesProcessed(state.iterations() * megabyte().size());
}
BENCHMARK(BM_DecodeOnePass)->Unit(benchmark::kMillisecond);

static void BM_DecodeTwoPasses(benchmark::State& state) {
    const QByteArray file = encodeQx(megabyte()).bytes;
    state.counters["ratio"] = double(file.size()) / double(megabyte().size());
    for (auto _ : state) benchmark::DoNotOptimize(decodeQx(file));
    state.SetBytesProcessed(state.iterations() * megabyte().size());
}
BENCHMARK(BM_DecodeTwoPasses)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();

#else

namespace {
void measure(const char* name, const std::function<void()>& run) {
    double best = 1e9;
    for (int i = 0; i < 5; ++i) {
        const auto start = std::chrono::steady_clock::now();
        run();
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::printf("%-22s %8.1f ms  %6.1f MB/s\n", name, best * 1000, 1.0 / best);
}
} // namespace

int main() {
    const QByteArray pass = encodePass(megabyte()).bytes;
    const QByteArray file = encodeQx(megabyte()).bytes;
    std::printf("1 MB of declaration text: one pass %lld bytes, two passes %lld bytes\n",
                static_cast<long long>(pass.size()), static_cast<long long>(file.size()));
    measure("encode, one pass", [] { encodePass(megabyte()); });
    measure("encode, two passes", [] { encodeQx(megabyte()); });
    measure("decode, one pass", [&] { decodePass(pass); });
    measure("decode, two passes", [&] { decodeQx(file); });
    return 0;
}

#endif
