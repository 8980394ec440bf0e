#include "declaration/ui/SheetApuracao.h"

#include "common/ui/MoneyLineEdit.h"
#include "declaration/ui/SheetWidgets.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace vexa::decl::ui {

struct SheetApuracao::Item {
    QString column;   // `Vexas` column or computed item
    QString number;   // item number on the form
    QString text;
    Kind kind;
};

namespace {
struct ListButton {
    ListEditor list;
    const char* caption;
    const char* name;
    const char* total;    // the field that receives the list's total
    const char* before;   // leaving this field opens the list (none for 7.13.1)
};
const ListButton kListButtons[] = {
    {ListEditor::OutrosDeb, "Editar item 5.2.1", "btnItem521", "C52", "C51"},
    {ListEditor::OutrosCred, "Editar item 6.2.1", "btnItem621", "C62", "C61"},
    {ListEditor::Deducoes, "Editar item 7.2.1", "btnItem721", "C72", "C71"},
    {ListEditor::Aliquota, "Editar item 7.6.1", "btnItem761", "C76", "C75"},
    {ListEditor::AliquotaComp, "Editar item 7.9.1", "btnItem791", "C79", "C78"},
    {ListEditor::AliquotaConsumidor, "Editar item 7.13.1", "btnItem7131", "C713", nullptr},
};
} // namespace

const QList<SheetApuracao::Item>& SheetApuracao::items() {
    using K = Kind;
    static const QList<Item> list = {
        {"C51", "5.1", "Por saídas e/ou prestações", K::Typed},
        {"C52", "5.2", "Outros débitos", K::ListTotal},
        {"C53", "5.3", "Estorno de créditos", K::Typed},
        {"C54", "5.4", "Total", K::Computed},
        {"C61", "6.1", "Por entradas e/ou aquisições", K::Typed},
        {"C62", "6.2", "Outros créditos", K::ListTotal},
        {"C63", "6.3", "Estorno de débitos", K::Typed},
        {"C64", "6.4", "Saldo credor do período anterior", K::Carried},
        {"C65", "6.5", "Total", K::Computed},
        {"C71", "7.1", "Saldo devedor (5.4 - 6.5)", K::Computed},
        {"C72", "7.2", "Deduções", K::ListTotal},
        {"C73", "7.3", "Imposto a recolher (7.1 - 7.2)", K::Computed},
        {"C74", "7.4", "Dif. de alíquota a recolher", K::Computed},
        {"C75", "7.5", "Saldo credor a transportar", K::Computed},
        {"C76", "7.6", "Dif. de alíquota do período", K::ListTotal},
        {"C77", "7.7", "Dif. de alíquota - período anterior", K::Carried},
        {"C78", "7.8", "Dif. de alíquota a transportar", K::Computed},
        {"C79", "7.9", "Complem. de alíquota do período", K::ListTotal},
        {"C710", "7.10", "Complem. alíquota - período anterior", K::Carried},
        {"C711", "7.11", "Complem. de alíquota a transportar", K::Computed},
        {"C712", "7.12", "Complem. de alíquota a recolher", K::Computed},
        {"C713", "7.13", "DIFAL cons. final do período", K::ListTotal},
        {"C714", "7.14", "DIFAL cons. final - período anterior", K::Carried},
        {"C715", "7.15", "DIFAL cons. final a transportar", K::Computed},
        {"C716", "7.16", "DIFAL cons. final a recolher", K::Computed},
        {"C81", "8.1", "Valor dos produtos", K::Typed},
        {"C82", "8.2", "Base de cálculo", K::Typed},
        {"C83", "8.3", "Débito ICMS subst. tributária", K::Typed},
        {"C84", "8.4", "Crédito do ICMS", K::Typed},
        {"C85", "8.5", "Outros créditos", K::Typed},
        {"C86", "8.6", "ICMS subst. tributária a recolher", K::Computed},
        {"C87", "8.7", "Saldo credor p/ o período seguinte", K::Computed},
    };
    return list;
}

SheetApuracao::SheetApuracao(QWidget* parent) : VexaSheet(Sheet::Itens5a87, parent) {
    setObjectName(QStringLiteral("SheetApuracao"));
    auto* left = new QVBoxLayout;
    left->setSpacing(4);
    left->addWidget(buildGroup(QStringLiteral("5 - DÉBITO DO IMPOSTO"), QStringLiteral("C51"), QStringLiteral("C54")));
    left->addWidget(buildGroup(QStringLiteral("6 - CRÉDITO DO IMPOSTO"), QStringLiteral("C61"), QStringLiteral("C65")));
    left->addWidget(
        buildGroup(QStringLiteral("8 - SUBSTITUIÇÃO TRIBUTÁRIA INTERNA"), QStringLiteral("C81"), QStringLiteral("C87")));
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(buildGroup(QStringLiteral("7 - APURAÇÃO"), QStringLiteral("C71"), QStringLiteral("C716")));
    right->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 9);
    columns->addLayout(right, 10);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    for (const ListButton& b : kListButtons) {
        QPushButton* btn = sheetButton(QString::fromUtf8(b.caption), QString::fromLatin1(b.name), this);
        btn->setFocusPolicy(Qt::NoFocus);
        buttons_.insert(int(b.list), btn);
        buttons->addWidget(btn);
        const ListEditor list = b.list;
        connect(btn, &QPushButton::clicked, this, [this, list] { emit listRequested(list); });
        MoneyLineEdit* total = fields_.value(QString::fromLatin1(b.total));
        total->installEventFilter(this);
        opensOnClick_.insert(total, list);
        if (b.before) {
            MoneyLineEdit* before = fields_.value(QString::fromLatin1(b.before));
            before->installEventFilter(this);
            opensOnLeave_.insert(before, list);
        }
    }
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);

    fields_.value(QStringLiteral("C83"))->installEventFilter(this);
    clear();
}

QWidget* SheetApuracao::buildGroup(const QString& title, const QString& firstItem, const QString& lastItem) {
    auto* box = new QGroupBox(title, this);
    auto* g = new QGridLayout(box);
    g->setContentsMargins(6, 2, 6, 4);
    g->setHorizontalSpacing(6);
    g->setVerticalSpacing(2);
    bool inside = false;
    int row = 0;
    for (const Item& item : items()) {
        if (item.column == firstItem) inside = true;
        if (!inside) continue;
        auto* number = new QLabel(item.number, box);
        auto* text = itemLabel(item.text, box);
        text->setObjectName(QStringLiteral("lbl") + item.column);
        // A long caption goes on two lines rather than be cut beside a wide amount.
        text->setWordWrap(true);
        MoneyLineEdit* edit = amountField(QStringLiteral("Edt") + item.column, box, 105);
        if (item.kind != Kind::Typed) setReadOnlyField(edit, true);
        if (item.kind == Kind::Computed || item.kind == Kind::Carried || item.kind == Kind::ListTotal)
            edit->setToolTip(item.kind == Kind::ListTotal ? QStringLiteral("Total da lista do item %1.1").arg(item.number)
                             : item.kind == Kind::Carried ? QStringLiteral("Transportado do período anterior")
                                                          : QStringLiteral("Calculado"));
        number->setBuddy(edit);
        fields_.insert(item.column, edit);
        labels_.insert(item.column, text);
        g->addWidget(number, row, 0);
        g->addWidget(text, row, 1);
        g->addWidget(edit, row, 2);
        ++row;
        if (item.kind == Kind::Typed || item.column == QLatin1String("C64")) {
            connect(edit, &QLineEdit::textEdited, this, [this] {
                if (!loading_) emit rowEdited();
            });
            connect(edit, &MoneyLineEdit::valueEdited, this, [this] {
                if (!loading_) emit rowEdited();
            });
        }
        if (item.column == lastItem) break;
    }
    g->setColumnStretch(1, 1);
    return box;
}

QPushButton* SheetApuracao::listButton(ListEditor list) const { return buttons_.value(int(list)); }

void SheetApuracao::setContext(const SheetContext& context) {
    VexaSheet::setContext(context);
    presentation_ = apuracaoPresentation(context.tipoRegime, context.key);
    applyPresentation();
}

void SheetApuracao::clear() {
    VexaSheet::clear();
    loading_ = true;
    for (MoneyLineEdit* e : fields_) e->clearValue();
    loading_ = false;
    presentation_ = ApuracaoPresentation{};
    applyPresentation();
}

void SheetApuracao::showRow(const VexaRow& row) {
    loading_ = true;
    const QList<std::pair<const char*, double>> stored = {
        {"C51", row.C51}, {"C52", row.C52}, {"C53", row.C53},   {"C61", row.C61},   {"C62", row.C62},
        {"C63", row.C63}, {"C64", row.C64}, {"C72", row.C72},   {"C76", row.C76},   {"C77", row.C77},
        {"C79", row.C79}, {"C710", row.C710}, {"C713", row.C713}, {"C714", row.C714}, {"C81", row.C81},
        {"C82", row.C82}, {"C83", row.C83}, {"C84", row.C84},   {"C85", row.C85}};
    for (const auto& [column, value] : stored) fields_.value(QString::fromLatin1(column))->setValue(value);
    loading_ = false;
}

void SheetApuracao::showComputed(const Apuracao& c, bool) {
    const QList<std::pair<const char*, double>> computed = {
        {"C54", c.C54},   {"C65", c.C65},   {"C71", c.C71},   {"C73", c.C73},   {"C74", c.C74},
        {"C75", c.C75},   {"C78", c.C78},   {"C711", c.C711}, {"C712", c.C712}, {"C715", c.C715},
        {"C716", c.C716}, {"C86", c.C86},   {"C87", c.C87}};
    for (const auto& [column, value] : computed) fields_.value(QString::fromLatin1(column))->setValue(value);
}

void SheetApuracao::takeEdits(VexaRow& row) const {
    auto typed = [this](const char* column) { return typedAmount(fields_.value(QString::fromLatin1(column))); };
    row.C51 = typed("C51");
    row.C53 = typed("C53");
    row.C61 = typed("C61");
    row.C63 = typed("C63");
    if (presentation_.item64Editable) row.C64 = typed("C64");
    row.C81 = typed("C81");
    row.C82 = typed("C82");
    row.C83 = typed("C83");
    row.C84 = typed("C84");
    row.C85 = typed("C85");
}

void SheetApuracao::setRowEditable(bool editable) {
    editable_ = editable;
    applyPresentation();
}

void SheetApuracao::setItemEnabled(const QString& column, bool enabled) {
    fields_.value(column)->setEnabled(enabled);
    labels_.value(column)->setEnabled(enabled);
}

void SheetApuracao::applyPresentation() {
    const ApuracaoPresentation& p = presentation_;
    const bool any = editable_ && context().hasDeclaration();
    for (const Item& item : items()) {
        if (item.kind == Kind::Typed) setReadOnlyField(fields_.value(item.column), !any);
    }
    setReadOnlyField(fields_.value(QStringLiteral("C64")), !(any && p.item64Editable));

    for (const char* c : {"C51", "C53", "C61", "C63"})
        setItemEnabled(QString::fromLatin1(c), p.items5to73Enabled && p.debitCreditTyped);
    for (const char* c : {"C52", "C54", "C62", "C64", "C65", "C71", "C72", "C73"})
        setItemEnabled(QString::fromLatin1(c), p.items5to73Enabled);
    for (const char* c : {"C79", "C710", "C711", "C712"}) {
        const QString column = QString::fromLatin1(c);
        fields_.value(column)->setVisible(p.items79to712Visible);
        labels_.value(column)->setVisible(p.items79to712Visible);
        fields_.value(column)->setEnabled(p.items79to712Enabled);
        labels_.value(column)->setEnabled(!p.items79to712LabelsGrey);
    }
    for (const char* c : {"C713", "C714", "C715", "C716"}) setItemEnabled(QString::fromLatin1(c), p.items713to716Enabled);

    for (ListEditor list : {ListEditor::OutrosDeb, ListEditor::OutrosCred, ListEditor::Deducoes})
        listButton(list)->setEnabled(p.otherListsEnabled && any);
    listButton(ListEditor::Aliquota)->setEnabled(any);
    listButton(ListEditor::AliquotaComp)->setVisible(p.list791Visible);
    listButton(ListEditor::AliquotaComp)->setEnabled(p.list791Enabled && any);
    listButton(ListEditor::AliquotaConsumidor)->setEnabled(p.items713to716Enabled && any);
}

void SheetApuracao::sheetShown() {
    applyPresentation();
    if (!context().hasDeclaration()) return;
    if (MoneyLineEdit* f = fields_.value(presentation_.focusField)) f->setFocus(Qt::OtherFocusReason);
}

bool SheetApuracao::focusField(const QString& column) {
    MoneyLineEdit* f = fields_.value(column);
    if (!f) return false;
    f->setFocus(Qt::OtherFocusReason);
    f->selectAll();
    return true;
}

bool SheetApuracao::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress && opensOnClick_.contains(watched)) {
        auto* f = static_cast<QWidget*>(watched);
        if (f->isEnabled() && editable_) {
            emit listRequested(opensOnClick_.value(watched));
            return true;
        }
    }
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason && opensOnLeave_.contains(watched) && editable_) {
            // Opened once the focus has moved on, not in the middle of the move.
            const ListEditor list = opensOnLeave_.value(watched);
            QMetaObject::invokeMethod(this, [this, list] { emit listRequested(list); }, Qt::QueuedConnection);
        }
        if (watched == fields_.value(QStringLiteral("C83")) && reason != Qt::ActiveWindowFocusReason &&
            reason != Qt::PopupFocusReason)
            emit leftItem83();
    }
    return VexaSheet::eventFilter(watched, event);
}

} // namespace vexa::decl::ui
