#include "declaration/ui/SheetEstoque.h"

#include "common/ErrorLog.h"
#include "common/Money.h"
#include "common/ui/MoneyLineEdit.h"
#include "declaration/ui/SheetWidgets.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace vexa::decl::ui {

namespace {

constexpr std::array<Stock, 2> kStocks{Stock::Initial, Stock::Final};
constexpr std::array<StockPart, kStockPartCount> kParts{StockPart::Tributadas, StockPart::IsentasNaoTributadas,
                                                        StockPart::Outras, StockPart::SubstituicaoTributaria,
                                                        StockPart::Total};

QString partCaptionText(StockPart part) {
    switch (part) {
    case StockPart::Tributadas: return QStringLiteral("Tributadas");
    case StockPart::IsentasNaoTributadas: return QStringLiteral("Isentas e/ou Não Tributadas");
    case StockPart::Outras: return QStringLiteral("Outras");
    case StockPart::SubstituicaoTributaria: return QStringLiteral("Substituição Tributária");
    case StockPart::Total: return QStringLiteral("Totais");
    }
    return {};
}

// The amount a field holds now: the text being typed, or the value shown.
double amountIn(const MoneyLineEdit* edit) {
    const QString text = edit->text().trimmed();
    if (text.isEmpty()) return 0.0;
    const auto parsed = money::parse(text);
    return parsed ? *parsed : edit->value();
}

// Focus moves that mean the user went to another control (not a message
// box or a menu taking the window for a while).
bool movesToAnotherControl(Qt::FocusReason reason) {
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
           reason != Qt::MenuBarFocusReason;
}

} // namespace

SheetEstoque::SheetEstoque(Prompter& prompter, QWidget* parent)
    : VexaSheet(Sheet::Itens10a103, parent), prompter_(prompter) {
    setObjectName(QStringLiteral("SheetItens10"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    auto* box = new QGroupBox(QStringLiteral("10 - Demonstrativo de Estoque"), this);
    box->setObjectName(QStringLiteral("grpEstoque"));
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(12, 12, 12, 12);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(8);
    grid->addWidget(new QLabel(QStringLiteral("10.1-Mercadorias"), box), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("10.2 - Estoque Inicial"), box), 0, 1, Qt::AlignRight);
    grid->addWidget(new QLabel(QStringLiteral("10.3 - Estoque Final"), box), 0, 2, Qt::AlignRight);
    static const std::array<const char*, kStockPartCount> names = {"Tributadas", "IsentasNaoTributadas", "Outras",
                                                                   "SubstituicaoTributaria", "Total"};
    for (int p = 0; p < kStockPartCount; ++p) {
        const StockPart part = kParts[size_t(p)];
        captions_[size_t(p)] = new QLabel(partCaptionText(part), box);
        grid->addWidget(captions_[size_t(p)], 1 + p, 0);
        for (Stock stock : kStocks) {
            const QString name = QStringLiteral("Edt") + QString::fromLatin1(stock == Stock::Initial ? "EI" : "EF") +
                                 QString::fromLatin1(names[size_t(p)]);
            MoneyLineEdit* edit = amountField(name, box, 150);
            edit->clearValue();
            edit->installEventFilter(this);
            fields_[size_t(stock)][size_t(p)] = edit;
            grid->addWidget(edit, 1 + p, stock == Stock::Initial ? 1 : 2, Qt::AlignRight);
            connect(edit, &QLineEdit::textEdited, this, [this] {
                // The first typing starts the row (or its edit).
                if (showing_ || state_ != TableState::Browse || !context().hasDeclaration()) return;
                setState(stored_ ? TableState::Edit : TableState::Insert);
            });
        }
        if (part == StockPart::IsentasNaoTributadas) captions_[size_t(p)]->setBuddy(field(Stock::Initial, part));
    }
    grid->setColumnStretch(3, 1);
    layout->addWidget(box);
    layout->addStretch(1);
    // The tab order runs down the initial stock, then down the final one.
    QWidget* previous = nullptr;
    for (Stock stock : kStocks)
        for (StockPart part : kParts) {
            if (previous) setTabOrder(previous, field(stock, part));
            previous = field(stock, part);
        }
    applyPresentation();
}

StockRow SheetEstoque::typedRow() const {
    StockRow row;
    for (Stock s : kStocks)
        for (StockPart p : kParts) row.set(s, p, money::round2(amountIn(field(s, p))));
    return row;
}

void SheetEstoque::show(const std::optional<StockRow>& row) {
    showing_ = true;
    for (Stock s : kStocks)
        for (StockPart p : kParts) {
            if (row) field(s, p)->setValue(row->get(s, p));
            else field(s, p)->clearValue();
            field(s, p)->setModified(false);
        }
    showing_ = false;
}

void SheetEstoque::setState(TableState state) {
    if (state == state_) return;
    state_ = state;
    emit tableStateChanged();
}

void SheetEstoque::applyPresentation() {
    const bool open = context().hasDeclaration() && !context().isNew;
    for (StockPart p : kParts) {
        const bool editable = open && isStockPartEditable(p, context().tipoRegime);
        for (Stock s : kStocks) field(s, p)->setEnabled(editable);
        // Only the regime greys a caption.
        captions_[size_t(p)]->setEnabled(isStockPartEditable(p, context().tipoRegime));
    }
}

void SheetEstoque::setContext(const SheetContext& context) {
    VexaSheet::setContext(context);
    stored_ = context.hasDeclaration() && !context.isNew ? loadStock(context.key) : std::nullopt;
    show(stored_);
    setState(TableState::Browse);
    applyPresentation();
}

void SheetEstoque::clear() {
    VexaSheet::clear();
    stored_.reset();
    show(stored_);
    setState(TableState::Browse);
    applyPresentation();
}

bool SheetEstoque::post() {
    if (state_ == TableState::Browse) return true;
    const StockRow row = typedRow();
    const StockPostOutcome out = postStock(context().key, row, context().bulkUpdate, prompter_);
    switch (out.status) {
    case PostStatus::Posted:
        stored_ = loadStock(context().key);
        show(stored_);
        setState(TableState::Browse);
        return true;
    case PostStatus::Refused:
        if (out.refusedAt) field(*out.refusedAt, StockPart::Total)->setFocus(Qt::OtherFocusReason);
        return false;
    case PostStatus::Failed:
        reportUnhandledError(out.message);
        return false;
    case PostStatus::Discarded:
        break;
    }
    return false;
}

void SheetEstoque::cancel() {
    show(stored_);
    setState(TableState::Browse);
}

bool SheetEstoque::deleteCurrentRow(QString* error) {
    if (!context().hasDeclaration() || context().isNew) return true;
    if (state_ == TableState::Insert) {
        cancel();
        return true;
    }
    if (!stored_) return true;
    if (!deleteStock(context().key, error)) return false;
    stored_.reset();
    show(stored_);
    setState(TableState::Browse);
    return true;
}

void SheetEstoque::sheetShown() {
    applyPresentation();
    if (field(Stock::Initial, StockPart::Tributadas)->isEnabled())
        field(Stock::Initial, StockPart::Tributadas)->setFocus(Qt::TabFocusReason);
}

void SheetEstoque::leaveTotal(MoneyLineEdit* total) {
    if (!context().hasDeclaration() || context().isNew || asking_) return;
    asking_ = true;
    const auto refused = askStockTotals(typedRow(), StockCheckMoment::LeavingTotal, prompter_);
    asking_ = false;
    // No: back to the field being left.
    if (refused) QTimer::singleShot(0, total, [total] { total->setFocus(Qt::OtherFocusReason); });
}

bool SheetEstoque::eventFilter(QObject* watched, QEvent* event) {
    auto* edit = qobject_cast<MoneyLineEdit*>(watched);
    if (edit && event->type() == QEvent::FocusIn) {
        const bool isTotal = edit == field(Stock::Initial, StockPart::Total) || edit == field(Stock::Final, StockPart::Total);
        // Entering a part selects its text, whatever brought the focus there.
        if (!isTotal) QTimer::singleShot(0, edit, [edit] { edit->selectAll(); });
    }
    if (edit && event->type() == QEvent::FocusOut &&
        (edit == field(Stock::Initial, StockPart::Total) || edit == field(Stock::Final, StockPart::Total)) &&
        movesToAnotherControl(static_cast<QFocusEvent*>(event)->reason()) && isVisible())
        leaveTotal(edit);
    return VexaSheet::eventFilter(watched, event);
}

} // namespace vexa::decl::ui
