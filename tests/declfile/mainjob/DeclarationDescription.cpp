#include "DeclarationDescription.h"

#include "SampleFolder.h"
#include "common/Cp1252.h"

namespace vexa::test {

namespace {

// Characters at 1-based positions, as text.
QString at(const QByteArray& line, int pos, int len) { return cp1252::decode(line.mid(pos - 1, len)); }

qint64 centsAt(const QByteArray& line, int pos) { return line.mid(pos - 1, 14).toLongLong(); }

QString amount(qint64 cents) { return QStringLiteral("%1").arg(cents, 14, 10, QLatin1Char('0')); }

QString number(const QByteArray& line, int pos, int len) {
    return QString::number(line.mid(pos - 1, len).trimmed().toLongLong());
}

// An empty date of the accounting layout is day zero in the submission file.
QString date(const QByteArray& line, int pos) {
    const QString d = at(line, pos, 8);
    return d.trimmed().isEmpty() ? QStringLiteral("30121899") : d;
}

QString joined(std::initializer_list<QString> values) { return QStringList(values).join(QLatin1Char('|')); }

// The records of each declaration: its A line and those after it up to its Z.
template <typename Describe>
QMap<QString, DeclarationDescription> describeFile(const QList<QByteArray>& lines, Describe describe) {
    QMap<QString, DeclarationDescription> out;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!lines[i].startsWith('A')) continue;
        QList<QByteArray> records{lines[i]};
        qsizetype j = i + 1;
        for (; j < lines.size(); ++j) {
            records << lines[j];
            if (lines[j].startsWith('Z')) break;
        }
        DeclarationDescription d = describe(records);
        for (QStringList& rows : d.rows) rows.sort();
        out.insert(d.key, d);
        i = j;
    }
    return out;
}

// Segments laid out the same way in both files: the row is its data as written.
QString sameLayoutRow(const QByteArray& line) {
    static const QMap<char, int> widths{{'B', 110}, {'C', 160}, {'D', 150}, {'E', 43}, {'H', 44}, {'I', 78},
                                        {'J', 48},  {'K', 36},  {'L', 64},  {'R', 36}, {'G', 92}};
    return at(line, 21, widths.value(line.at(0)) - 20);
}

// Segment A's items that both layouts carry at the same positions.
void commonItems(const QByteArray& a, QMap<QString, QString>& items) {
    items[QStringLiteral("atividade")] = at(a, 21, 7);
    items[QStringLiteral("tipo de estabelecimento")] = at(a, 28, 1);
    items[QStringLiteral("portador de TARE")] = at(a, 29, 1);
    items[QStringLiteral("escrituração")] = at(a, 30, 1);
    items[QStringLiteral("saldo inicial de caixa")] = at(a, 31, 14);
    items[QStringLiteral("saldo final de caixa")] = at(a, 45, 14);
    items[QStringLiteral("usuário de ECF")] = at(a, 59, 1);
    items[QStringLiteral("CPF do responsável")] = at(a, 60, 11);
    items[QStringLiteral("nome do responsável")] = at(a, 71, 50);
    items[QStringLiteral("contabilista")] = at(a, 133, 50);
    items[QStringLiteral("telefone do contabilista")] = at(a, 183, 20);
    const char* fixed[] = {"5.1", "5.3", "6.1", "6.3", "6.4", "7.4", "8.1", "8.2", "8.3", "8.4", "8.5"};
    const int pos[] = {203, 231, 245, 273, 287, 315, 329, 343, 357, 371, 385};
    for (int i = 0; i < 11; ++i) items[QString::fromLatin1(fixed[i])] = at(a, pos[i], 14);
}

DeclarationDescription describeAccounting(const QList<QByteArray>& records) {
    DeclarationDescription d;
    const QByteArray& a = records.first();
    d.key = recordKey(a);
    commonItems(a, d.items);
    d.items[QStringLiteral("CRC")] = at(a, 121, 10);
    d.items[QStringLiteral("UF do CRC")] = at(a, 131, 2);
    d.items[QStringLiteral("número do TARE")] = at(a, 399, 20);
    d.items[QStringLiteral("vencimento do TARE")] = at(a, 424, 8);
    d.items[QStringLiteral("tipo de encerrante")] = at(a, 460, 1);
    d.items[QStringLiteral("observações dos encerrantes")] = at(a, 461, 255).trimmed();
    d.items[QStringLiteral("mudança de domicílio")] = at(a, 744, 1);
    d.items[QStringLiteral("município B")] = number(a, 745, 7);
    d.items[QStringLiteral("início do domicílio A")] = date(a, 752);
    d.items[QStringLiteral("fim do domicílio A")] = date(a, 760);
    d.items[QStringLiteral("início do domicílio B")] = date(a, 768);
    d.items[QStringLiteral("fim do domicílio B")] = date(a, 776);

    // The items the accounting layout leaves to the lists.
    qint64 otherDebits = 0, otherCredits = 0, deductions = 0, p = 0, q = 0, s = 0;
    for (const QByteArray& r : records.mid(1)) {
        const char letter = r.isEmpty() ? '\0' : r.at(0);
        switch (letter) {
        case 'R': otherDebits += centsAt(r, 23); break;
        case 'K': otherCredits += centsAt(r, 23); break;
        case 'L': deductions += centsAt(r, 51); break;
        case 'P': p += centsAt(r, 52); break;
        case 'Q': q += centsAt(r, 52); break;
        case 'S': s += centsAt(r, 52); break;
        default: break;
        }
        switch (letter) {
        case 'M': {
            const qint64 total = centsAt(r, 36) - centsAt(r, 50);
            d.rows[letter] << joined({number(r, 21, 14), at(r, 35, 1), at(r, 36, 14), at(r, 50, 14), amount(total)});
            break;
        }
        case 'N': d.rows[letter] << joined({number(r, 21, 9), at(r, 30, 1), number(r, 31, 7)}); break;
        case 'O': d.rows[letter] << joined({number(r, 21, 9), at(r, 30, 1), number(r, 31, 7), at(r, 38, 14)}); break;
        case 'P':
        case 'Q':
            d.rows[letter] << joined({at(r, 22, 2), at(r, 21, 1), at(r, 24, 14), at(r, 38, 14), at(r, 52, 14),
                                      at(r, 66, 4)});
            break;
        case 'S':
            d.rows[letter] << joined({at(r, 22, 2), at(r, 21, 1), at(r, 24, 14), at(r, 38, 14), at(r, 52, 14),
                                      at(r, 66, 4), at(r, 70, 14), at(r, 84, 14)});
            break;
        case 'Z': d.recordsAtoS = at(r, 21, 3).toInt() - 1; break;   // Z5 counts the lines A to Z
        default:
            if (letter >= 'B' && letter <= 'S') d.rows[letter] << sameLayoutRow(r);
        }
    }
    d.items[QStringLiteral("5.2")] = amount(otherDebits);
    d.items[QStringLiteral("6.2")] = amount(otherCredits);
    d.items[QStringLiteral("7.2")] = amount(deductions);
    d.items[QStringLiteral("7.6")] = amount(p);
    d.items[QStringLiteral("7.9")] = amount(q);
    d.items[QStringLiteral("7.13")] = amount(s);
    return d;
}

DeclarationDescription describeSubmission(const QList<QByteArray>& records) {
    DeclarationDescription d;
    const QByteArray& a = records.first();
    d.key = recordKey(a);
    commonItems(a, d.items);
    d.items[QStringLiteral("5.2")] = at(a, 217, 14);
    d.items[QStringLiteral("6.2")] = at(a, 259, 14);
    d.items[QStringLiteral("7.2")] = at(a, 301, 14);
    d.items[QStringLiteral("número do TARE")] = at(a, 407, 20);
    d.items[QStringLiteral("vencimento do TARE")] = at(a, 430, 8);
    d.items[QStringLiteral("7.6")] = at(a, 438, 14);
    d.items[QStringLiteral("tipo de encerrante")] = at(a, 466, 1);
    d.items[QStringLiteral("observações dos encerrantes")] = at(a, 467, 255).trimmed();
    d.items[QStringLiteral("CRC")] = at(a, 722, 10);
    d.items[QStringLiteral("UF do CRC")] = at(a, 732, 2);
    d.items[QStringLiteral("mudança de domicílio")] = at(a, 734, 1);
    d.items[QStringLiteral("município B")] = number(a, 742, 7);
    d.items[QStringLiteral("início do domicílio A")] = date(a, 749);
    d.items[QStringLiteral("fim do domicílio A")] = date(a, 757);
    d.items[QStringLiteral("início do domicílio B")] = date(a, 765);
    d.items[QStringLiteral("fim do domicílio B")] = date(a, 773);
    d.items[QStringLiteral("7.9")] = at(a, 882, 14);
    d.items[QStringLiteral("7.13")] = at(a, 910, 14);

    for (const QByteArray& r : records.mid(1)) {
        const char letter = r.isEmpty() ? '\0' : r.at(0);
        switch (letter) {
        case 'M':
            d.rows[letter] << joined({number(r, 21, 7), at(r, 70, 1), at(r, 28, 14), at(r, 42, 14), at(r, 56, 14)});
            break;
        case 'N': d.rows[letter] << joined({number(r, 21, 9), at(r, 44, 1), number(r, 30, 7)}); break;
        case 'O': d.rows[letter] << joined({number(r, 21, 9), at(r, 54, 1), number(r, 30, 10), at(r, 40, 14)}); break;
        case 'P':
        case 'Q':
            d.rows[letter] << joined({at(r, 21, 2), at(r, 72, 1), at(r, 23, 14), at(r, 37, 14), at(r, 51, 14),
                                      at(r, 73, 4)});
            break;
        case 'S':
            d.rows[letter] << joined({at(r, 21, 2), at(r, 72, 1), at(r, 23, 14), at(r, 37, 14), at(r, 51, 14),
                                      at(r, 73, 4), at(r, 77, 14), at(r, 91, 14)});
            break;
        case 'Z': d.recordsAtoS = at(r, 21, 3).toInt(); break;
        default:
            if (letter >= 'B' && letter <= 'S') d.rows[letter] << sameLayoutRow(r);
        }
    }
    return d;
}

} // namespace

QStringList DeclarationDescription::differences(const DeclarationDescription& other) const {
    QStringList out;
    if (key != other.key) out << QStringLiteral("declaração %1 / %2").arg(key, other.key);
    QStringList names = items.keys() + other.items.keys();
    names.removeDuplicates();
    for (const QString& n : names)
        if (items.value(n) != other.items.value(n))
            out << QStringLiteral("item %1: \"%2\" / \"%3\"").arg(n, items.value(n), other.items.value(n));
    for (char s = 'B'; s <= 'S'; ++s)
        if (rows.value(s) != other.rows.value(s))
            out << QStringLiteral("segmento %1:\n  %2\n  /\n  %3")
                       .arg(QString(QLatin1Char(s)), rows.value(s).join(QStringLiteral("\n  ")),
                            other.rows.value(s).join(QStringLiteral("\n  ")));
    if (recordsAtoS != other.recordsAtoS)
        out << QStringLiteral("registros de A a S: %1 / %2").arg(recordsAtoS).arg(other.recordsAtoS);
    return out;
}

QMap<QString, DeclarationDescription> describeAccountingFile(const QList<QByteArray>& lines) {
    return describeFile(lines, describeAccounting);
}

QMap<QString, DeclarationDescription> describeSubmissionFile(const QList<QByteArray>& lines) {
    return describeFile(lines, describeSubmission);
}

} // namespace vexa::test
