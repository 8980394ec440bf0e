#include "declfile/ValidationReport.h"

#include "common/Cp1252.h"
#include "common/Masks.h"

#include <QHash>
#include <QSaveFile>

namespace vexa::declfile {

namespace {

const QString kGrey = QStringLiteral("#CCCCCC");
const QString kWhite = QStringLiteral("#FFFFFF");

QString pageHeadText() {
    return QStringLiteral(
        "<!DOCTYPE html> \r<html> \r<head> \r<title>Erro Cópia VEXA </title> \r<meta charset=\"iso-8859-1\" > \r"
        "<style type=\"text/css\"> \r <!-- \r .style2 { \r\tfont-family: Verdana, Arial, Helvetica, sans-serif; \r"
        "\tfont-size: 16px; \r\tcolor: #FFFFFF;}\r.style4 {font-family: Verdana, Arial, Helvetica, sans-serif; "
        "font-size: 12px; }\r.style9 {font-family: Verdana, Arial, Helvetica, sans-serif; font-size: 16px; "
        "color: #000000; font-weight: bold; } \r--> \r</style> \r</head> \r<body> \r<div align=\"center\"> \r"
        "<table width=\"811\" height=\"60\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\">");
}

QString closingText() { return QStringLiteral("</table> \r</div> \r</body> \r</html> \r"); }

// The row colour starts grey for each declaration and switches before every
// message of either list: the colour in force after `messagesBefore` messages.
QString colourAfter(int messagesBefore) { return messagesBefore % 2 == 0 ? kGrey : kWhite; }

void taxpayerBlock(QStringList& out, const ValidationMessage& m) {
    const QString colour = colourAfter(m.order);
    out << pageHeadText() << QStringLiteral("<!-- CONTRIBUINTE !-->") << QStringLiteral("<table width=\"811\" >")
        << QStringLiteral("<tr>")
        << QStringLiteral("<td width=\"811\" height=\"20\" valign=\"top\" bgcolor=\"%1\"><span class=\"style9\">"
                          "Inscri&ccedil;&atilde;o Estadual: %2</span></td>")
               .arg(colour, formatIE(m.key.ie))
        << QStringLiteral("</tr>") << QStringLiteral("<tr>")
        << QStringLiteral("<td height=\"20\" valign=\"top\" bgcolor=\"%1\"><span class=\"style9\">"
                          "Raz&atilde;o Social: %2</span></td>")
               .arg(colour, htmlValue(m.name))
        << QStringLiteral("</tr>") << QStringLiteral("<tr>") << QStringLiteral("<td> &nbsp; </td>")
        << QStringLiteral("</tr>") << QStringLiteral("</table>");
}

void messageBlock(QStringList& out, const ValidationMessage& m) {
    const QString colour = colourAfter(m.order + 1);
    out << QStringLiteral("<table width=\"811\" >") << QStringLiteral("<tr>")
        // The message goes in as it stands: it carries its own entities.
        << QStringLiteral("<td  width=\"811\" height=\"42\"  bgcolor=\"") + colour +
               QStringLiteral("\"><span class=\"style4\">") + m.text + QStringLiteral("</span></td>")
        << QStringLiteral("</tr>") << QStringLiteral("<tr>")
        << QStringLiteral("<td height=\"10\"><span class=\"style4\"></span></td>") << QStringLiteral("</tr>")
        << QStringLiteral("</table>");
    if (!m.appendix.isEmpty()) out << m.appendix;
}

} // namespace

QStringList reportLines(const ValidationResult& result, ReportKind kind) {
    const QList<ValidationMessage>& messages = kind == ReportKind::Errors ? result.errors : result.alerts;
    QStringList out;
    QString lastIE;
    bool any = false;
    for (const ValidationMessage& m : messages) {
        if (!any || m.key.ie != lastIE) {
            taxpayerBlock(out, m);
            lastIE = m.key.ie;
            any = true;
        }
        messageBlock(out, m);
    }
    out << closingText();
    return out;
}

QStringList reportLines(const ValidationResult& result) {
    return reportLines(result, result.hasErrors() ? ReportKind::Errors : ReportKind::Alerts);
}

QString reportPageHead() { return pageHeadText(); }
QString reportClosingLine() { return closingText(); }

QByteArray reportBytes(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += cp1252::encode(line);
        bytes += "\r\n";
    }
    return bytes;
}

bool writeReportFile(const QString& path, const QStringList& lines, QString* error) {
    const QByteArray bytes = reportBytes(lines);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error) *error = QStringLiteral("Não foi possível gravar o arquivo %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

QString htmlValue(const QString& value) {
    QString out;
    out.reserve(value.size());
    for (const QChar ch : value) {
        switch (ch.unicode()) {
        case '&': out += QLatin1String("&amp;"); break;
        case '<': out += QLatin1String("&lt;"); break;
        case '>': out += QLatin1String("&gt;"); break;
        case '"': out += QLatin1String("&quot;"); break;
        default:
            if (cp1252::canEncode(QString(ch))) out += ch;
            else out += QStringLiteral("&#%1;").arg(ch.unicode());
        }
    }
    return out;
}

QString messagePlainText(const QString& html) {
    static const QHash<QString, QString> entities = {
        {QStringLiteral("aacute"), QStringLiteral("á")}, {QStringLiteral("eacute"), QStringLiteral("é")},
        {QStringLiteral("iacute"), QStringLiteral("í")}, {QStringLiteral("oacute"), QStringLiteral("ó")},
        {QStringLiteral("uacute"), QStringLiteral("ú")}, {QStringLiteral("atilde"), QStringLiteral("ã")},
        {QStringLiteral("otilde"), QStringLiteral("õ")}, {QStringLiteral("ccedil"), QStringLiteral("ç")},
        {QStringLiteral("acirc"), QStringLiteral("â")},  {QStringLiteral("ecirc"), QStringLiteral("ê")},
        {QStringLiteral("ocirc"), QStringLiteral("ô")},  {QStringLiteral("nbsp"), QStringLiteral(" ")},
        {QStringLiteral("amp"), QStringLiteral("&")},    {QStringLiteral("lt"), QStringLiteral("<")},
        {QStringLiteral("gt"), QStringLiteral(">")},     {QStringLiteral("quot"), QStringLiteral("\"")},
    };
    QString out;
    out.reserve(html.size());
    for (qsizetype i = 0; i < html.size(); ++i) {
        const QChar ch = html.at(i);
        if (ch == QLatin1Char('\r')) {
            out += QLatin1Char('\n');
            continue;
        }
        if (ch == QLatin1Char('&')) {
            const qsizetype semi = html.indexOf(QLatin1Char(';'), i + 1);
            if (semi > i + 1 && semi - i <= 10) {
                const QString name = html.mid(i + 1, semi - i - 1);
                auto it = entities.constFind(name);
                if (it != entities.constEnd()) {
                    out += *it;
                    i = semi;
                    continue;
                }
                if (name.startsWith(QLatin1Char('#'))) {
                    bool ok = false;
                    const uint code = name.mid(1).toUInt(&ok);
                    if (ok && code > 0 && code < 0x10000) {
                        out += QChar(char16_t(code));
                        i = semi;
                        continue;
                    }
                }
            }
        }
        out += ch;
    }
    return out;
}

} // namespace vexa::declfile
