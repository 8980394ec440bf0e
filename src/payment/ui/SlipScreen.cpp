#include "payment/ui/SlipScreen.h"

#include "common/ui/MaskedLineEdit.h"
#include "common/ui/TextLineEdit.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QToolButton>

namespace vexa::payment::ui {

QFrame* SlipScreen::buildCommandBar() {
    auto* bar = new QFrame(this);
    bar->setObjectName(QStringLiteral("pnlBotoes"));
    bar->setFrameShape(QFrame::StyledPanel);
    auto* barLayout = new QHBoxLayout(bar);
    barLayout->setContentsMargins(4, 4, 4, 4);
    btnNovo_ = topBarButton(QStringLiteral("&Novo"), QStringLiteral("btnNovo"));
    btnGravar_ = topBarButton(QStringLiteral("&Gravar"), QStringLiteral("btnGravar"));
    btnCancelar_ = topBarButton(QStringLiteral("&Cancelar"), QStringLiteral("btnCancelar"));
    btnExcluir_ = topBarButton(QStringLiteral("&Excluir"), QStringLiteral("btnExcluir"));
    btnLocalizar_ = topBarButton(QStringLiteral("&Localizar"), QStringLiteral("btnLocalizar"));
    btnImprimir_ = topBarButton(QStringLiteral("&Imprimir DARE"), QStringLiteral("btnImprimir"));
    btnRetornar_ = topBarButton(QStringLiteral("&Retornar"), QStringLiteral("btnRetornar"));
    for (QToolButton* b : {btnNovo_, btnGravar_, btnCancelar_, btnExcluir_, btnLocalizar_, btnImprimir_, btnRetornar_})
        barLayout->addWidget(b);
    barLayout->addStretch(1);

    connect(btnNovo_, &QToolButton::clicked, this, &SlipScreen::novo);
    connect(btnGravar_, &QToolButton::clicked, this, &SlipScreen::gravar);
    connect(btnCancelar_, &QToolButton::clicked, this, &SlipScreen::cancelar);
    connect(btnExcluir_, &QToolButton::clicked, this, &SlipScreen::excluir);
    connect(btnLocalizar_, &QToolButton::clicked, this, &SlipScreen::localizar);
    connect(btnImprimir_, &QToolButton::clicked, this, &SlipScreen::imprimir);
    connect(btnRetornar_, &QToolButton::clicked, this, &QWidget::close);
    return bar;
}

void SlipScreen::buildKeyFields(const QString& finderName, const QString& finderTip) {
    edtIE_ = new MaskedLineEdit(MaskedLineEdit::Kind::IE, this);
    edtIE_->setObjectName(QStringLiteral("EdtIE"));
    edtIE_->setFixedWidth(110);
    btnProcura_ = new QToolButton(this);
    btnProcura_->setObjectName(finderName);
    btnProcura_->setText(QStringLiteral("..."));
    if (!finderTip.isEmpty()) btnProcura_->setToolTip(finderTip);
    btnProcura_->setFocusPolicy(Qt::NoFocus);
    edtMes_ = new DigitsLineEdit(2, this);
    edtMes_->setObjectName(QStringLiteral("EdtMes"));
    edtMes_->setFixedWidth(34);
    edtAno_ = new DigitsLineEdit(4, this);
    edtAno_->setObjectName(QStringLiteral("EdtAno"));
    edtAno_->setFixedWidth(50);
    for (QLineEdit* e : {static_cast<QLineEdit*>(edtIE_), static_cast<QLineEdit*>(edtMes_),
                         static_cast<QLineEdit*>(edtAno_)})
        e->installEventFilter(this);
}

void SlipScreen::enableCommands(bool key, bool browse, bool editing, bool printing) {
    for (QToolButton* b : {btnNovo_, btnLocalizar_, btnRetornar_}) b->setEnabled(key || browse);
    btnExcluir_->setEnabled(browse);
    btnImprimir_->setEnabled(browse && !printing);
    btnGravar_->setEnabled(editing);
    btnCancelar_->setEnabled(editing);
}

void SlipScreen::enableKey(bool enabled) {
    // In the order of the focus chain: a key field that loses the focus hands it on.
    for (QWidget* w : {static_cast<QWidget*>(edtIE_), static_cast<QWidget*>(edtMes_), static_cast<QWidget*>(edtAno_),
                       static_cast<QWidget*>(btnProcura_)})
        w->setEnabled(enabled);
}

} // namespace vexa::payment::ui
