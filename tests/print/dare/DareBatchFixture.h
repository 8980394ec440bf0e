#pragma once
// The DARE batch print of July 2024: three taxpayers with a slip to pay each
// (one of them on its rectification 01), one whose slip comes to nothing,
// one with a declaration and no slip, and a June slip that July leaves out.
// Every July slip is paid on its due date, so its total is its principal.

#include "payment/PaymentFixture.h"
#include "print/DareBatchPrint.h"

#include <QStringList>

namespace vexa::test {

inline const QString kAlfa = QStringLiteral("ALFA COMÉRCIO LTDA");
inline const QString kBeta = QStringLiteral("BETA D'ÁGUA LTDA");
inline const QString kGama = QStringLiteral("GAMA MÓVEIS LTDA");
inline const QString kDelta = QStringLiteral("DELTA SEM DARE LTDA");
inline const QString kZero = QStringLiteral("ZETA SEM SALDO LTDA");
inline const QString kIE3 = QStringLiteral("290000017");
inline const QString kIEDelta = QStringLiteral("290000025");
inline const QString kIEZero = QStringLiteral("290000033");

class DareBatchTest : public PaymentTest {
protected:
    void SetUp() override;

    // A slip of the declaration, straight into `dare`.
    static void addSlip(const QString& ie, const QString& mes, const QString& ret, const QString& code,
                        const QDate& paid);
};

// Records what the run shows, in order: "status: ...", "ok: 0|1", "present: N".
class RecordingView : public print::DareBatchView {
public:
    void setStatus(const QString& text) override { calls << QStringLiteral("status: ") + text; }
    void setOkEnabled(bool enabled) override { calls << QStringLiteral("ok: %1").arg(int(enabled)); }
    bool present(const QList<payment::SlipPage>& shown, QString* error) override {
        calls << QStringLiteral("present: %1").arg(shown.size());
        pages = shown;
        if (!presentOk && error) *error = QStringLiteral("falhou");
        return presentOk;
    }
    QStringList calls;
    QList<payment::SlipPage> pages;
    bool presentOk = true;
};

} // namespace vexa::test
