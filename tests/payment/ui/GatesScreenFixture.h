#pragma once
// The slip screen tests: the slip fixture's program folder and clock
// (15/03/2024), a taxpayer of each regime with declarations, keys typed as the
// user types them (Enter moves on), and the errors that reach the
// application-wide handler.

#include "payment/PaymentFixture.h"
#include "payment/ui/FrmGates.h"
#include "registry/ScreenTestSupport.h"

#include <QLineEdit>

namespace vexa::test {

inline const QString kIESimples = kIE2;                      // Simples Nacional
inline const QString kIESemMunicipio = QStringLiteral("290000017");
inline const QString kNome = QStringLiteral("ALFA COMÉRCIO LTDA");
inline const QString kNomeSimples = QStringLiteral("BETA D'OESTE ME");

inline const QStringList kCommands = {"btnNovo",      "btnGravar",   "btnCancelar", "btnExcluir",
                                      "btnLocalizar", "btnImprimir", "btnRetornar"};
inline const QStringList kKeyFields = {"EdtIE", "EdtMes", "EdtAno", "btnProcuraContribuinte"};

class GatesScreenTest : public PaymentTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Types IE, month and year, each followed by Enter, and lets the reference check run.
    static void typeKey(payment::ui::FrmGates& screen, const QString& ie, const QString& mes, const QString& ano);
    // Replaces the text of an edit by typing it.
    static void retype(QLineEdit* edit, const QString& text);
    static QLineEdit* edit(const QWidget& screen, const char* name) { return child<QLineEdit>(screen, name); }
    static QString text(const QWidget& screen, const char* name) { return edit(screen, name)->text(); }
    // A stored DARE, written without the save checks.
    static void storeDare(const QString& ie, const QString& ano, const QString& mes, const QString& ret,
                          const QString& code, const QDate& payDate, const QString& obs1 = {});

    static int dareRows(const QString& ie, const QString& ret = QStringLiteral("%")) {
        return count(QStringLiteral("SELECT count(*) FROM dare WHERE IE = ? AND Retificacao LIKE ?"), {ie, ret});
    }

    ScriptedPrompter prompter_;
    QStringList errors_;   // reached the application-wide handler
};

} // namespace vexa::test
