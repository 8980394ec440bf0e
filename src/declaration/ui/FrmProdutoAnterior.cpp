#include "declaration/ui/FrmProdutoAnterior.h"

#include "common/ui/EnterAsTab.h"
#include "common/ui/MaskedLineEdit.h"
#include "common/ui/TextLineEdit.h"
#include "declaration/ui/SheetWidgets.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace vexa::decl::ui {

FrmProdutoAnterior::FrmProdutoAnterior(int storedProduct, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmProdutoAnterior"));
    setWindowTitle(QStringLiteral("Estoque Produto Anterior"));
    setModal(true);
    auto* v = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    produto_ = lookupField(QStringLiteral("edtProdutoAnterior"), this, 260);
    produto_->setText(productText(storedProduct));
    inicial_ = new DigitsLineEdit(10, this);
    inicial_->setObjectName(QStringLiteral("edtLeituraInicial"));
    final_ = new DigitsLineEdit(10, this);
    final_->setObjectName(QStringLiteral("edtLeituraFinal"));
    data_ = new MaskedLineEdit(MaskedLineEdit::Kind::Date, this);
    data_->setObjectName(QStringLiteral("edtDataAlteracao"));
    form->addRow(QStringLiteral("Código do Produto Anterior"), produto_);
    form->addRow(QStringLiteral("Leitura Inicial"), inicial_);
    form->addRow(QStringLiteral("Leitura Final"), final_);
    form->addRow(QStringLiteral("Data da Alteração:"), data_);
    v->addLayout(form);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* ok = sheetButton(QStringLiteral("&OK"), QStringLiteral("btnOK"), this);
    auto* cancel = sheetButton(QStringLiteral("&Cancelar"), QStringLiteral("btnCancelar"), this);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    v->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    EnterAsTab::install(this);
    inicial_->setFocus();
}

PreviousProduct FrmProdutoAnterior::typed() const {
    PreviousProduct p;
    bool ok = false;
    const qint64 initial = inicial_->text().toLongLong(&ok);
    if (ok) p.leituraInicial = initial;
    const qint64 final = final_->text().toLongLong(&ok);
    if (ok) p.leituraFinal = final;
    p.dataAlteracao = data_->date();
    return p;
}

std::optional<PreviousProduct> FrmProdutoAnterior::ask(int storedProduct, QWidget* parent) {
    FrmProdutoAnterior dialog(storedProduct, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.typed();
}

} // namespace vexa::decl::ui
