// The report page: one page head per taxpayer block, the row colours shared
// by both lists and restarted per declaration, the CFOP list after its
// message, code page 1252 with CR LF, the file replaced in one piece.
#include "ValidationFixture.h"

#include "common/Cp1252.h"
#include "declfile/ValidationReport.h"

#include <QFile>
#include <QTemporaryDir>

namespace vexa::test {
namespace {

using namespace declfile;

QString reportNameFor(const QString& ie) { return (QStringLiteral("Empresa ") + ie).leftJustified(50); }

ValidationMessage message(const QString& ie, int rule, MessageKind kind, int order, const QString& text) {
    ValidationMessage m;
    m.key = {ie, QStringLiteral("2024"), QStringLiteral("03"), QStringLiteral("00")};
    m.name = reportNameFor(ie);
    m.rule = rule;
    m.kind = kind;
    m.order = order;
    m.text = text;
    return m;
}

QString taxpayerCell(const QString& colour, const QString& ieShown) {
    return QStringLiteral("<td width=\"811\" height=\"20\" valign=\"top\" bgcolor=\"%1\"><span class=\"style9\">"
                          "Inscri&ccedil;&atilde;o Estadual: %2</span></td>")
        .arg(colour, ieShown);
}
QString messageCell(const QString& colour, const QString& text) {
    return QStringLiteral("<td  width=\"811\" height=\"42\"  bgcolor=\"%1\"><span class=\"style4\">%2</span></td>")
        .arg(colour, text);
}

TEST(ValidationReport, TaxpayerBlockAndMessageBlockLineByLine) {
    ValidationResult r;
    r.errors << message(QStringLiteral("291234567"), 4, MessageKind::Erro, 0, QStringLiteral("primeira"));
    const QStringList lines = reportLines(r, ReportKind::Errors);
    const QStringList expected = {
        reportPageHead(),
        QStringLiteral("<!-- CONTRIBUINTE !-->"),
        QStringLiteral("<table width=\"811\" >"),
        QStringLiteral("<tr>"),
        taxpayerCell(QStringLiteral("#CCCCCC"), QStringLiteral("29.123.456-7")),
        QStringLiteral("</tr>"),
        QStringLiteral("<tr>"),
        QStringLiteral("<td height=\"20\" valign=\"top\" bgcolor=\"#CCCCCC\"><span class=\"style9\">"
                       "Raz&atilde;o Social: ") + reportNameFor(QStringLiteral("291234567")) +
            QStringLiteral("</span></td>"),
        QStringLiteral("</tr>"),
        QStringLiteral("<tr>"),
        QStringLiteral("<td> &nbsp; </td>"),
        QStringLiteral("</tr>"),
        QStringLiteral("</table>"),
        QStringLiteral("<table width=\"811\" >"),
        QStringLiteral("<tr>"),
        messageCell(QStringLiteral("#FFFFFF"), QStringLiteral("primeira")),
        QStringLiteral("</tr>"),
        QStringLiteral("<tr>"),
        QStringLiteral("<td height=\"10\"><span class=\"style4\"></span></td>"),
        QStringLiteral("</tr>"),
        QStringLiteral("</table>"),
        reportClosingLine(),
    };
    EXPECT_EQ(lines, expected);
    EXPECT_TRUE(reportPageHead().startsWith(QStringLiteral("<!DOCTYPE html> \r<html> \r<head> \r<title>Erro Cópia VEXA </title>")));
    EXPECT_TRUE(reportPageHead().contains(QStringLiteral(" .style2 { \r\tfont-family:")));
    EXPECT_EQ(reportClosingLine(), QStringLiteral("</table> \r</div> \r</body> \r</html> \r"));
}

TEST(ValidationReport, ColoursAlternateOverBothListsAndRestartPerDeclaration) {
    ValidationResult r;
    // First declaration: alert (order 0), error (1), error (2); second: error (0).
    r.alerts << message(QStringLiteral("291234567"), 30, MessageKind::Alerta, 0, QStringLiteral("a30"));
    r.errors << message(QStringLiteral("291234567"), 32, MessageKind::Erro, 1, QStringLiteral("e32"))
             << message(QStringLiteral("291234567"), 33, MessageKind::Erro, 2, QStringLiteral("e33"))
             << message(QStringLiteral("291111111"), 2, MessageKind::Erro, 0, QStringLiteral("e2"));
    const QStringList errors = reportLines(r, ReportKind::Errors);
    EXPECT_EQ(errors.count(reportPageHead()), 2);
    EXPECT_TRUE(errors.contains(taxpayerCell(QStringLiteral("#FFFFFF"), QStringLiteral("29.123.456-7"))));
    EXPECT_TRUE(errors.contains(messageCell(QStringLiteral("#CCCCCC"), QStringLiteral("e32"))));
    EXPECT_TRUE(errors.contains(messageCell(QStringLiteral("#FFFFFF"), QStringLiteral("e33"))));
    EXPECT_TRUE(errors.contains(taxpayerCell(QStringLiteral("#CCCCCC"), QStringLiteral("29.111.111-1"))));
    EXPECT_TRUE(errors.contains(messageCell(QStringLiteral("#FFFFFF"), QStringLiteral("e2"))));
    EXPECT_FALSE(errors.join(QString()).contains(QStringLiteral("a30")));
    // The second taxpayer's block follows the first taxpayer's last message.
    EXPECT_LT(errors.indexOf(messageCell(QStringLiteral("#FFFFFF"), QStringLiteral("e33"))),
              errors.lastIndexOf(reportPageHead()));

    const QStringList alerts = reportLines(r, ReportKind::Alerts);
    EXPECT_EQ(alerts.count(reportPageHead()), 1);
    EXPECT_TRUE(alerts.contains(messageCell(QStringLiteral("#FFFFFF"), QStringLiteral("a30"))));
    // The report shown is the error report when there are errors.
    EXPECT_EQ(reportLines(r), errors);
    r.errors.clear();
    EXPECT_EQ(reportLines(r), alerts);
}

TEST(ValidationReport, CfopListIsTheLineAfterItsMessage) {
    ValidationResult r;
    ValidationMessage m = message(QStringLiteral("291234567"), 58, MessageKind::Erro, 0, QStringLiteral("e58"));
    m.appendix = QStringLiteral("<table>lista</table>");
    r.errors << m;
    const QStringList lines = reportLines(r, ReportKind::Errors);
    const qsizetype at = lines.indexOf(m.appendix);
    ASSERT_GT(at, 0);
    EXPECT_EQ(lines.at(at - 1), QStringLiteral("</table>"));
    EXPECT_EQ(lines.at(at - 6), messageCell(QStringLiteral("#FFFFFF"), QStringLiteral("e58")));
    EXPECT_EQ(lines.at(at + 1), reportClosingLine());
}

TEST(ValidationReport, WrittenInCodePage1252WithCrLfReplacingTheFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("vexacriticas.err"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(100000, 'x'));
    }
    const QStringList lines = {QStringLiteral("Cópia"), QStringLiteral("a\rb"), QStringLiteral("Razão")};
    QString error;
    ASSERT_TRUE(writeReportFile(path, lines, &error)) << error.toStdString();
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("C\xF3pia\r\na\rb\r\nRaz\xE3o\r\n"));

    EXPECT_FALSE(writeReportFile(dir.filePath(QStringLiteral("nowhere/vexacriticas.err")), lines, &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(ValidationReport, StoredValuesShowAsTheyAreNotAsMarkup) {
    ValidationResult r;
    ValidationMessage m = message(QStringLiteral("291234567"), 4, MessageKind::Erro, 0, QStringLiteral("e4"));
    m.name = QStringLiteral("Silva & Filhos <Matriz> \"Ωmega\"");
    r.errors << m;
    const QString page = reportLines(r).join(QLatin1Char('\n'));
    EXPECT_TRUE(page.contains(QStringLiteral("Raz&atilde;o Social: Silva &amp; Filhos &lt;Matriz&gt; &quot;&#937;mega&quot;</span>")));
    EXPECT_EQ(messagePlainText(htmlValue(m.name)), m.name);
}

TEST(ValidationReport, PlainTextOfAMessage) {
    EXPECT_EQ(messagePlainText(QStringLiteral("somat&oacute;rio ser&aacute; \rcr&eacute;dito &amp; &#231; &foo; R&")),
              QStringLiteral("somatório será \ncrédito & ç &foo; R&"));
}

TEST_F(ValidationTest, TwoTaxpayersWithErrorsGiveTwoPageHeads) {
    const auto first = addDeclaration(QStringLiteral("291234567"), QStringLiteral("03"), QStringLiteral("2024"),
                                      QStringLiteral("Primeira Comércio de Alimentos e Bebidas em Geral Ltda ME"));
    const auto second = addDeclaration(QStringLiteral("291111111"), QStringLiteral("03"), QStringLiteral("2024"),
                                       QStringLiteral("Segunda"));
    setTaxpayer(first.ie, {{"TipoEstabelecimento", QVariant()}, {"EmailCont", QVariant()}});
    setTaxpayer(second.ie, {{"NovaSenha", QVariant()}});
    const ValidationResult r = check({first, second});
    ASSERT_EQ(r.errorRules(), (QList<int>{4, 15, 16}));

    const QString path = folder->path(QStringLiteral("vexacriticas.err"));
    ConsistencyChecker writer(folder->folder());
    QString error;
    ASSERT_TRUE(writeReportFile(path, reportLines(r), &error));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString page = cp1252::decode(f.readAll());
    EXPECT_EQ(page.count(QStringLiteral("<title>Erro Cópia VEXA </title>")), 2);
    EXPECT_EQ(page.count(QStringLiteral("<!-- CONTRIBUINTE !-->")), 2);
    // The name as the export list shows it: characters 15 to 64 of the item, its first 50.
    EXPECT_TRUE(page.contains(QStringLiteral("Raz&atilde;o Social: Primeira Comércio de Alimentos e Bebidas em Geral </span>")));
    EXPECT_TRUE(page.contains(QStringLiteral("Raz&atilde;o Social: Segunda") + QString(43, QLatin1Char(' ')) +
                              QStringLiteral("</span>")));
    EXPECT_TRUE(page.contains(QStringLiteral("Inscri&ccedil;&atilde;o Estadual: 29.111.111-1")));
    EXPECT_TRUE(page.endsWith(QStringLiteral("</html> \r\r\n")));
}

} // namespace
} // namespace vexa::test
