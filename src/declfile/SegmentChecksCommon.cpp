// The part every reader of segments B to S shares: the record's IE, period
// and rectification against segment A, with the message variants some
// segments have; the domicile field; the duplicate query and the insert; and
// the choice of the reader by the segment letter.

#include "declfile/ImportState.h"

#include "common/Conversions.h"

namespace vexa::declfile::import {

namespace {

bool is(QChar c, const char* letters) {
    for (const char* p = letters; *p; ++p)
        if (c == QLatin1Char(*p)) return true;
    return false;
}

// Step 1: the IE differs from segment A's.
QString ieDiffers(QChar s) {
    if (s == QLatin1Char('E'))
        return QStringLiteral(" Segmento E - Inscrição Estadual informada diverge da constante no segmento A ") + kCRLF;
    const QString text = QStringLiteral("Segmento ") + s +
                         QStringLiteral(" - Inscrição Estadual informada diverge da constante no segmento A. ") + kCRLF;
    return s == QLatin1Char('S') ? text : QLatin1Char(' ') + text;
}

// Step 3: the record's period is no date.
QString periodInvalid(QChar s, const QString& mmyyyy) {
    if (s == QLatin1Char('G')) return mmyyyy + QStringLiteral(" Não é um período desfsda referencia válido . ");
    if (s == QLatin1Char('J')) return mmyyyy + QStringLiteral(" Segmento J - Não é um período de referencia válido. ");
    if (s == QLatin1Char('S'))
        return QStringLiteral("Segmento S - ") + mmyyyy + QStringLiteral(" Não é um período de referência válido. ");
    if (is(s, "HIKRLO")) return mmyyyy + QStringLiteral(" Não é um período de referencia válido. ");
    return mmyyyy + QStringLiteral(" Não é um período de referencia válido.");
}

// Step 4: the rectification is no whole number.
QString rectificationInvalid(QChar s, const QString& value) {
    if (s == QLatin1Char('J')) return value + QStringLiteral(" Segmento J - Não é um valor válido para o campo retificação. ");
    if (s == QLatin1Char('O')) return value + QStringLiteral(" Não é um valor válido para o campo retificação. (O4) ");
    if (is(s, "GHIKRLS")) return value + QStringLiteral(" Não é um valor válido para o campo retificação. ");
    return value + QStringLiteral(" Não é um valor válido para o campo retificação.");
}

// Step 5: period, then rectification, differ from segment A's.
QString periodDiffers(QChar s) {
    if (s == QLatin1Char('G'))
        return QStringLiteral(" Segmento G - Período de referência informado é diferente do constante no segmento A (G3). ");
    if (s == QLatin1Char('J'))
        return QStringLiteral(" Segmento J - Período de referência informado no segmento J e diferente do Período de "
                              "referência informado no segmento A. ");
    if (s == QLatin1Char('L'))
        return QStringLiteral(" Período de referência informado no segmento L é diferente do Período de referência "
                              "informado no segmento A. ");
    if (s == QLatin1Char('S'))
        return QStringLiteral("Segmento S - Período de referência informado no segmento S e diferente do Período de "
                              "referência informado no segmento A. ");
    return QStringLiteral(" Período de referência informado no segmento ") + s +
           QStringLiteral(" e diferente do Período de referência informado no segmento A. ");
}

QString rectificationDiffers(QChar s) {
    if (s == QLatin1Char('G'))
        return QStringLiteral(" Segmento G - Retificação informada é diferente da constante no segmento anterior (G4). ");
    if (s == QLatin1Char('J'))
        return QStringLiteral(" Segmento J - Campo retificação informado no segmento J e diferente do Campo "
                              "retificação informado no segmento A. ");
    if (s == QLatin1Char('L'))
        return QStringLiteral(" Campo retificação informado no segmento L é diferente do Campo retificação informado "
                              "no segmento A. ");
    if (s == QLatin1Char('S'))
        return QStringLiteral("Segmento S - Campo retificação informado no segmento S e diferente do Campo "
                              "retificação informado no segmento A. ");
    return QStringLiteral(" Campo retificação informado no segmento ") + s +
           QStringLiteral(" e diferente do Campo retificação informado no segmento A. ");
}

} // namespace

SegmentReader::SegmentReader(Run& r, const AccountLine& l) : run(r), d(r.d), line(l), letter(l.segment()) {}

bool SegmentReader::commonChecks() {
    const AccountHeader h = readHeader(line);
    if (h.ie != d.header.ie) {
        set(ieDiffers(letter));
        return false;
    }
    if (!run.lookups.taxpayerExists(h.ie)) {
        set(letter == QLatin1Char('J') ? QStringLiteral(" Segmento J - Não é uma Inscrição Estadual válida. ")
                                       : QStringLiteral(" Não é uma Inscrição Estadual válida. "));
        return false;
    }
    if (!IsValidDate(QStringLiteral("01/") + h.mes + QLatin1Char('/') + h.ano)) add(periodInvalid(letter, h.mmyyyy()));
    if (!IsInteger(h.retificacao)) add(rectificationInvalid(letter, h.retificacao));
    if (h.mmyyyy() != d.header.mmyyyy()) {
        set(periodDiffers(letter));
        return false;
    }
    if (h.retificacao != d.header.retificacao) {
        set(rectificationDiffers(letter));
        return false;
    }
    return true;
}

AccountAmount SegmentReader::amount(int pos, const QString& fieldName) const {
    return amountAt(line, pos, fieldName);
}

void SegmentReader::domicile(const QString& value, const QString& message, bool counts, QVariant* city) {
    const bool a = value == QLatin1String("A");
    const bool b = value == QLatin1String("B");
    if (!a && !b) {
        add(value + message);
        return;
    }
    if (!counts) return;
    (a ? d.countA : d.countB) += 1;
    if (city) {
        const qint64 code = a ? d.cityA : d.cityB;
        *city = code == 0 ? QVariant(QMetaType(QMetaType::LongLong)) : QVariant(code);
    }
}

QVariantList SegmentReader::key(const QVariantList& more) const {
    return QVariantList{d.key.ie, d.key.ano, d.key.mes, d.key.retificacao} + more;
}

bool SegmentReader::exists(const QString& statement, const QVariantList& values) {
    return run.sql.count(statement, values, run.staged.connection()) > 0;
}

void SegmentReader::insert(const QString& statement, const QVariantList& values) {
    run.sql.write(statement, values, run.staged.connection());
}

QVariant noValue() { return QVariant(QMetaType(QMetaType::Double)); }

QString readSegment(Run& run, const AccountLine& line) {
    SegmentReader s(run, line);
    switch (s.letter.unicode()) {
    case 'B': return readSegmentB(s);
    case 'C': return readSegmentC(s);
    case 'D': return readSegmentD(s);
    case 'E': return readSegmentE(s);
    case 'G': return readSegmentG(s);
    case 'H': return readSegmentH(s);
    case 'I': return readSegmentI(s);
    case 'J': return readSegmentJ(s);
    case 'K': return readSegmentK(s);
    case 'L': return readSegmentL(s);
    case 'M': return readSegmentM(s);
    case 'N': return readSegmentN(s);
    case 'O': return readSegmentO(s);
    case 'P':
    case 'Q':
    case 'S': return readSegmentRate(s);
    case 'R': return readSegmentR(s);
    default: return {};   // F: not a segment of the layout; counted and ignored
    }
}

} // namespace vexa::declfile::import
