#include "ScreenFixture.h"
#include "support/Screenshot.h"

#include "storage/Database.h"

#include <QDir>
#include <QSqlError>

namespace vexa::test {

void ScreenFixture::SetUp() {
    folder_ = std::make_unique<TempProgramFolder>();
    if (count(QStringLiteral("SELECT count(*) FROM Atividades WHERE Codigo = '4711302'")) == 0)
        exec(QStringLiteral("INSERT INTO Atividades (Codigo, Descricao) VALUES (?, ?)"),
             {QStringLiteral("4711302"), QStringLiteral("Comércio varejista de mercadorias em geral")});
}

QSqlQuery ScreenFixture::exec(const QString& statement, const QVariantList& values) {
    QSqlQuery q(storage::db());
    EXPECT_TRUE(q.prepare(statement)) << q.lastError().text().toStdString();
    for (const QVariant& v : values) q.addBindValue(v);
    EXPECT_TRUE(q.exec()) << q.lastError().text().toStdString() << " in " << statement.toStdString();
    return q;
}

int ScreenFixture::count(const QString& statement, const QVariantList& values) {
    QSqlQuery q = exec(statement, values);
    return q.next() ? q.value(0).toInt() : -1;
}

QVariant ScreenFixture::value(const QString& statement, const QVariantList& values) {
    QSqlQuery q = exec(statement, values);
    return q.next() ? q.value(0) : QVariant();
}

void ScreenFixture::addTaxpayer(const QString& ie, const QString& name, const QString& regime,
                                const QString& activity) {
    const QString municipio =
        value(QStringLiteral("SELECT CodigoID FROM Municipios WHERE UF = 'QX' ORDER BY CodigoID LIMIT 1")).toString();
    exec(QStringLiteral("INSERT INTO Contribuintes (IE, RazaoSocial, CGC_CPF, MunicipioID, NovaSenha, "
                        "AtividadeEconomicaPrincip, TipoEstabelecimento, PortadorTare, TipoEscrituracao, UsuarioECF, "
                        "TipoRegime, EmailCont, UF) VALUES (?, ?, '11222333000181', ?, 'ab12', ?, 'U', 0, 'F', 0, ?, "
                        "'fiscal@empresa.com.br', 'QX')"),
         {ie, name, municipio, activity, regime});
}

void ScreenFixture::addAccountant(const QString& crc, const QString& uf, const QString& name) {
    exec(QStringLiteral("INSERT INTO Declarante (CRC, UF, Nome, Telefone, CPFCGC, email) VALUES (?, ?, ?, ?, ?, ?)"),
         {crc, uf, name, QStringLiteral("(79) 3333-0000"), kCPF, QStringLiteral("contador@contabil.com.br")});
}

void ScreenFixture::addDeclaration(const QString& ie, const QString& ano, const QString& mes, const QString& ret,
                                   bool importado) {
    exec(QStringLiteral("INSERT INTO Vexas (IE, Ano, Mes, Retificacao, MudaDomicilio, Importado) "
                        "VALUES (?, ?, ?, ?, 'N', ?)"),
         {ie, ano, mes, ret, importado ? 1 : 0});
}

qint64 ScreenFixture::taxpayerIBGE(const QString& ie) {
    return value(QStringLiteral("SELECT m.CodIBGE FROM Municipios m JOIN Contribuintes c "
                                "ON c.MunicipioID = m.CodigoID WHERE c.IE = ?"),
                 {ie})
        .toLongLong();
}

void typeText(QWidget* w, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(w, char(c.unicode()));
        } else {
            QTest::sendKeyEvent(QTest::Press, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

QStringList enabledOf(const QWidget& screen, const QStringList& names) {
    QStringList on;
    for (const QString& n : names) {
        QWidget* w = screen.findChild<QWidget*>(n);
        EXPECT_NE(w, nullptr) << "no control " << n.toStdString();
        if (w && w->isEnabled()) on << n;
    }
    return on;
}

void screenshot(QWidget& widget, const QString& file) {
    const QString dir = qEnvironmentVariable("VEXA_SCREENSHOT_DIR");
    if (dir.isEmpty()) return;
    settle();
    saveScreenshot(widget, file);
}

} // namespace vexa::test
