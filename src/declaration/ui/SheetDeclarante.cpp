#include "declaration/ui/SheetDeclarante.h"

#include "common/Masks.h"
#include "common/ui/MaskedLineEdit.h"
#include "common/ui/TextLineEdit.h"
#include "declaration/ui/SheetWidgets.h"
#include "registry/Responsaveis.h"
#include "registry/ui/FrmResponsaveis.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace vexa::decl::ui {

namespace {
QComboBox* picker(const QString& name, int maxLength, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->lineEdit()->setMaxLength(maxLength);
    return box;
}
} // namespace

SheetDeclarante::SheetDeclarante(QWidget* parent) : VexaSheet(Sheet::Itens17a184, parent) {
    setObjectName(QStringLiteral("SheetDeclarante"));
    openAccountants_ = [](QWidget* p) { registry::ui::FrmResponsaveis::open(p); };

    auto* gbDeclarante = new QGroupBox(QStringLiteral("17 - IDENTIFICAÇÃO DO DECLARANTE"), this);
    edtCPF_ = new MaskedLineEdit(MaskedLineEdit::Kind::CPF, gbDeclarante);
    edtCPF_->setObjectName(QStringLiteral("EdtCPF"));
    edtCPF_->setFixedWidth(120);
    edtNome_ = new TextLineEdit(TextLineEdit::Case::Upper, 50, gbDeclarante);
    edtNome_->setObjectName(QStringLiteral("EdtNomeResponsavel"));
    auto* g17 = new QGridLayout(gbDeclarante);
    g17->addWidget(itemLabel(QStringLiteral("17.1 - CPF:"), gbDeclarante), 0, 0);
    g17->addWidget(edtCPF_, 0, 1, Qt::AlignLeft);
    g17->addWidget(itemLabel(QStringLiteral("17.2 - Nome:"), gbDeclarante), 1, 0);
    g17->addWidget(edtNome_, 1, 1);
    g17->setColumnStretch(1, 1);

    auto* gbContador = new QGroupBox(QStringLiteral("18 - IDENTIFICAÇÃO DO CONTABILISTA"), this);
    cbCRC_ = picker(QStringLiteral("cbCRC"), registry::accountant_width::CRCKey, gbContador);
    cbCRC_->setMinimumWidth(130);
    cbUF_ = picker(QStringLiteral("cbUF"), registry::accountant_width::UF, gbContador);
    cbUF_->setFixedWidth(64);
    edtContadorCPF_ = lookupField(QStringLiteral("EdtContadorCPF"), gbContador, 120);
    edtContadorNome_ = lookupField(QStringLiteral("EdtContadorNome"), gbContador);
    edtContadorFone_ = lookupField(QStringLiteral("EdtContadorFone"), gbContador, 170);
    btnContabilistas_ = sheetButton(QStringLiteral("&Contabilistas"), QStringLiteral("btnContabilistas"), gbContador);
    btnContabilistas_->setFocusPolicy(Qt::NoFocus);
    auto* crcRow = new QHBoxLayout;
    crcRow->addWidget(cbCRC_);
    crcRow->addSpacing(12);
    crcRow->addWidget(new QLabel(QStringLiteral("UF:"), gbContador));
    crcRow->addWidget(cbUF_);
    crcRow->addStretch(1);
    crcRow->addWidget(btnContabilistas_);
    auto* g18 = new QGridLayout(gbContador);
    g18->addWidget(itemLabel(QStringLiteral("18.1 - CPF/CNPJ:"), gbContador), 0, 0);
    g18->addWidget(edtContadorCPF_, 0, 1, Qt::AlignLeft);
    g18->addWidget(itemLabel(QStringLiteral("18.2 - CRC:"), gbContador), 1, 0);
    g18->addLayout(crcRow, 1, 1);
    g18->addWidget(itemLabel(QStringLiteral("18.3 - Nome:"), gbContador), 2, 0);
    g18->addWidget(edtContadorNome_, 2, 1);
    g18->addWidget(itemLabel(QStringLiteral("18.4 - Telefone:"), gbContador), 3, 0);
    g18->addWidget(edtContadorFone_, 3, 1, Qt::AlignLeft);
    g18->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(gbDeclarante);
    layout->addWidget(gbContador);
    layout->addStretch(1);

    setTabOrder(edtCPF_, edtNome_);
    setTabOrder(edtNome_, cbCRC_);
    setTabOrder(cbCRC_, cbUF_);

    auto edited = [this] {
        if (loading_) return;
        showAccountant();
        emit rowEdited();
    };
    connect(edtCPF_, &QLineEdit::textEdited, this, edited);
    connect(edtNome_, &QLineEdit::textEdited, this, edited);
    connect(cbCRC_, &QComboBox::currentTextChanged, this, edited);
    connect(cbUF_, &QComboBox::currentTextChanged, this, edited);
    connect(btnContabilistas_, &QPushButton::clicked, this, &SheetDeclarante::openAccountants);
    reloadPickers();
    clear();
}

void SheetDeclarante::reloadPickers() {
    const bool wasLoading = loading_;
    loading_ = true;
    const QString crc = cbCRC_->currentText();
    const QString uf = cbUF_->currentText();
    QStringList crcs;
    QStringList ufs;
    for (const auto& d : registry::allAccountants()) {
        crcs << d.CRC;
        ufs << d.UF;
    }
    for (QStringList* list : {&crcs, &ufs}) {
        list->sort();
        list->removeDuplicates();
    }
    cbCRC_->clear();
    cbCRC_->addItems(crcs);
    cbUF_->clear();
    cbUF_->addItems(ufs);
    cbCRC_->setEditText(crc);
    cbUF_->setEditText(uf);
    loading_ = wasLoading;
    showAccountant();
}

void SheetDeclarante::openAccountants() {
    if (openAccountants_) openAccountants_(window());
    reloadPickers();
}

void SheetDeclarante::showAccountant() {
    const auto found = registry::findAccountant(cbCRC_->currentText().trimmed(), cbUF_->currentText().trimmed());
    edtContadorNome_->setText(found ? found->Nome : QString());
    edtContadorFone_->setText(found ? found->Telefone : QString());
    edtContadorCPF_->setText(found ? formatCPF(found->CPFCGC) : QString());
}

void SheetDeclarante::clear() {
    VexaSheet::clear();
    loading_ = true;
    edtCPF_->clear();
    edtNome_->clear();
    cbCRC_->setEditText(QString());
    cbUF_->setEditText(QString());
    loading_ = false;
    showAccountant();
}

void SheetDeclarante::showRow(const VexaRow& row) {
    loading_ = true;
    edtCPF_->setDigits(row.CPF);
    edtNome_->setText(row.NomeResponsavel);
    cbCRC_->setEditText(row.CRCContador);
    cbUF_->setEditText(row.UF);
    loading_ = false;
    showAccountant();
}

void SheetDeclarante::takeEdits(VexaRow& row) const {
    row.CPF = edtCPF_->digits();
    row.NomeResponsavel = edtNome_->text().trimmed();
    row.CRCContador = cbCRC_->currentText().trimmed();
    row.UF = cbUF_->currentText().trimmed().toUpper();
}

void SheetDeclarante::setRowEditable(bool editable) {
    setReadOnlyField(edtCPF_, !editable);
    setReadOnlyField(edtNome_, !editable);
    cbCRC_->setEnabled(editable);
    cbUF_->setEnabled(editable);
}

bool SheetDeclarante::focusField(const QString& field) {
    QWidget* target = nullptr;
    if (field == QLatin1String("CPF")) target = edtCPF_;
    else if (field == QLatin1String("NomeResponsavel")) target = edtNome_;
    else if (field == QLatin1String("CRCContador")) target = cbCRC_;
    else if (field == QLatin1String("UF")) target = cbUF_;
    if (!target) return false;
    target->setFocus(Qt::OtherFocusReason);
    return true;
}

} // namespace vexa::decl::ui
