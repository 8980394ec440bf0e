// vexa-pxdump: reads one Paradox table of the previous version (9.6) with
// pxlib and writes its fields and rows to standard output in the plain form
// that declfile/ParadoxTable.h reads back and checks.
//
// The program runs it as a child process for every table it imports, so that
// a table that makes pxlib crash or loop ends this process, never the program.
// It limits itself first (memory, processor time, no core
// dump), opens nothing but the one file (for reading), and prints:
//
//   PXDUMP 1
//   TABLE <fields> <records> <code page>
//   FIELD <type> <length> <name as hex>        one line per field
//   ROW <value> <value> ...                    one line per live record
//   END <rows>
//
// A value is "-" (empty), "I<integer>" (short, long, autoincrement, logical,
// time, date as days of the Paradox calendar), "F<number>" (number, currency,
// timestamp), "S<hex>" (alpha and BCD, the bytes turned into UTF-8 from the
// table's code page) or "X" (memo, blob and the other kinds it does not read).
// Failures go to standard error with exit status 1.

// pxlib's header declares its functions without C linkage.
extern "C" {
#include <paradox.h>
}

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iconv.h>
#include <string>
#include <sys/resource.h>

namespace {

void limit(int resource, rlim_t value) {
    rlimit r{value, value};
    setrlimit(resource, &r);
}

void limitSelf() {
#if !defined(__SANITIZE_ADDRESS__)
    limit(RLIMIT_AS, rlim_t(1024) * 1024 * 1024);   // 1 GiB of address space (the sanitizer needs more)
#endif
    limit(RLIMIT_CPU, 300);                          // seconds of processor time
    limit(RLIMIT_CORE, 0);                           // leaves no core dump
}

std::string g_lastError;

void onError(pxdoc_t*, int, const char* message, void*) {
    if (message && g_lastError.empty()) g_lastError = message;
}

// The UTF-8 text of each byte of a single-byte code page ("?" where the page
// has no character), built once with iconv; code page 1252 when the table's
// page is unknown to iconv.
struct ByteTable {
    std::string utf8[256];

    bool build(const std::string& page) {
        iconv_t cd = iconv_open("UTF-8", page.c_str());
        if (cd == iconv_t(-1)) return false;
        for (int b = 0; b < 256; ++b) {
            char in[1] = {char(b)};
            char out[8];
            char* ip = in;
            char* op = out;
            size_t il = 1, ol = sizeof out;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            if (iconv(cd, &ip, &il, &op, &ol) == size_t(-1) || il != 0) utf8[b] = "?";
            else utf8[b].assign(out, size_t(op - out));
        }
        iconv_close(cd);
        return true;
    }
};

void putHex(const std::string& bytes) {
    static const char digits[] = "0123456789abcdef";
    for (unsigned char c : bytes) {
        std::putchar(digits[c >> 4]);
        std::putchar(digits[c & 15]);
    }
}

std::string recoded(const ByteTable& table, const char* value, size_t length) {
    std::string text;
    for (size_t i = 0; i < length && value[i] != '\0'; ++i) text += table.utf8[static_cast<unsigned char>(value[i])];
    return text;
}

int fail(const std::string& what) {
    std::fflush(stdout);
    std::fprintf(stderr, "%s%s%s\n", what.c_str(), g_lastError.empty() ? "" : ": ", g_lastError.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    limitSelf();
    if (argc != 2) {
        std::fprintf(stderr, "uso: vexa-pxdump TABELA.db\n");
        return 2;
    }
    PX_boot();
    pxdoc_t* doc = PX_new2(onError, nullptr, nullptr, nullptr);
    if (!doc) return fail("pxlib indisponível");
    if (PX_open_file(doc, argv[1]) < 0) return fail("não é uma tabela Paradox legível");

    const pxhead_t* head = doc->px_head;
    const int fields = PX_get_num_fields(doc);
    const int records = PX_get_num_records(doc);
    const int recordSize = PX_get_recordsize(doc);
    if (!head || fields <= 0 || fields > 1024 || records < 0 || recordSize <= 0 || recordSize > 65536)
        return fail("cabeçalho da tabela inválido");

    pxfield_t* field = PX_get_fields(doc);
    if (!field) return fail("cabeçalho da tabela inválido");
    long total = 0;
    for (int i = 0; i < fields; ++i) {
        if (field[i].px_flen <= 0 || field[i].px_flen > 65536 || !field[i].px_fname)
            return fail("cabeçalho da tabela inválido");
        total += field[i].px_flen;
    }
    if (total != recordSize) return fail("cabeçalho da tabela inválido");

    ByteTable bytes;
    const int page = head->px_doscodepage;
    if (page <= 0 || !bytes.build("CP" + std::to_string(page))) bytes.build("CP1252");

    std::printf("PXDUMP 1\nTABLE %d %d %d\n", fields, records, page);
    for (int i = 0; i < fields; ++i) {
        std::printf("FIELD %d %d ", int(static_cast<unsigned char>(field[i].px_ftype)), field[i].px_flen);
        putHex(field[i].px_fname);
        std::putchar('\n');
    }

    char* data = static_cast<char*>(std::calloc(size_t(recordSize), 1));
    if (!data) return fail("memória insuficiente");
    int rows = 0;
    for (int r = 0; r < records; ++r) {
        int deleted = 0;
        if (PX_get_record2(doc, r, data, &deleted, nullptr) == nullptr) return fail("registro ilegível");
        if (deleted) continue;
        std::fputs("ROW", stdout);
        int offset = 0;
        for (int i = 0; i < fields; ++i) {
            char* at = data + offset;
            const int len = field[i].px_flen;
            offset += len;
            std::putchar(' ');
            switch (field[i].px_ftype) {
            case pxfAlpha:
            case pxfBCD: {
                char* value = nullptr;
                const int got = field[i].px_ftype == pxfAlpha
                                    ? PX_get_data_alpha(doc, at, len, &value)
                                    : PX_get_data_bcd(doc, reinterpret_cast<unsigned char*>(at), len, &value);
                if (got < 0) return fail("valor ilegível");
                if (got == 0 || !value) {
                    std::putchar('-');
                } else {
                    std::putchar('S');
                    putHex(field[i].px_ftype == pxfAlpha ? recoded(bytes, value, size_t(len))
                                                         : std::string(value, strnlen(value, size_t(len) * 2 + 2)));
                }
                if (value) doc->free(doc, value);
                break;
            }
            case pxfShort: {
                short value = 0;
                const int got = len == 2 ? PX_get_data_short(doc, at, len, &value) : -1;
                if (got < 0) return fail("valor ilegível");
                // Zero bytes (an empty field) decode to the lowest value.
                if (got == 0 || value == -32768) std::putchar('-');
                else std::printf("I%d", int(value));
                break;
            }
            case pxfLong:
            case pxfAutoInc:
            case pxfDate:
            case pxfTime: {
                long value = 0;
                const int got = len == 4 ? PX_get_data_long(doc, at, len, &value) : -1;
                if (got < 0) return fail("valor ilegível");
                if (got == 0 || value == -2147483648L) std::putchar('-');
                else std::printf("I%ld", value);
                break;
            }
            case pxfLogical: {
                char value = 0;
                const int got = len == 1 ? PX_get_data_byte(doc, at, len, &value) : -1;
                if (got < 0) return fail("valor ilegível");
                if (got == 0) std::putchar('-');
                else std::printf("I%d", value ? 1 : 0);
                break;
            }
            case pxfNumber:
            case pxfCurrency:
            case pxfTimestamp: {
                double value = 0;
                const int got = len == 8 ? PX_get_data_double(doc, at, len, &value) : -1;
                if (got < 0 || !std::isfinite(value)) return fail("valor ilegível");
                if (got == 0) std::putchar('-');
                else std::printf("F%.17g", value);
                break;
            }
            default: std::putchar('X'); break;
            }
        }
        std::putchar('\n');
        ++rows;
    }
    std::printf("END %d\n", rows);
    std::free(data);
    PX_close(doc);
    PX_delete(doc);
    PX_shutdown();
    return std::fflush(stdout) == 0 ? 0 : 1;
}
