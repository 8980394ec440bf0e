#include "common/ui/GridFit.h"

#include <QAbstractItemDelegate>
#include <QEvent>
#include <QHash>
#include <QHeaderView>
#include <QHelpEvent>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QStyle>
#include <QTableView>
#include <QTimer>
#include <QToolTip>

#include <algorithm>

namespace vexa::ui {

namespace {

const char* const kAmountProperty = "vexaAmountColumn";
const char* const kFitterName = "vexaGridFitter";
// Rows looked at for the width of a column: a grid of a month holds far fewer.
constexpr int kRowsMeasured = 400;

bool looksLikeAmount(const QString& text) {
    static const QRegularExpression amount(QStringLiteral("^-?\\d{1,3}(\\.\\d{3})*,\\d{2}$"));
    return amount.match(text).hasMatch();
}

QString headerText(const QHeaderView* header, int section) {
    const QAbstractItemModel* model = header->model();
    return model ? model->headerData(section, header->orientation(), Qt::DisplayRole).toString() : QString();
}

QFont cellFont(const QTableView* view, const QModelIndex& index) {
    const QVariant f = index.data(Qt::FontRole);
    return f.isValid() ? f.value<QFont>() : view->font();
}

class GridFitter : public QObject {
public:
    GridFitter(QTableView* view, int textColumn) : QObject(view), view_(view), textColumn_(textColumn) {
        setObjectName(QString::fromLatin1(kFitterName));
        view->installEventFilter(this);
        view->viewport()->installEventFilter(this);
        QHeaderView* header = view->horizontalHeader();
        header->setStretchLastSection(false);
        header->setTextElideMode(Qt::ElideNone);
        connect(header, &QHeaderView::sectionResized, this, [this](int, int oldSize, int newSize) {
            // A column shown or hidden changes what is left for the others.
            if (!busy_ && (oldSize == 0 || newSize == 0)) schedule();
        });
        follow(view->model());
    }

    // Refills of the model the grid shows ask for a new fit.
    void follow(QAbstractItemModel* model) {
        if (model == followed_) return;
        if (followed_) disconnect(followed_, nullptr, this, nullptr);
        followed_ = model;
        if (!model) return;
        connect(model, &QAbstractItemModel::modelReset, this, &GridFitter::schedule);
        connect(model, &QAbstractItemModel::rowsInserted, this, &GridFitter::schedule);
        connect(model, &QAbstractItemModel::rowsRemoved, this, &GridFitter::schedule);
        connect(model, &QAbstractItemModel::layoutChanged, this, &GridFitter::schedule);
        connect(model, &QAbstractItemModel::headerDataChanged, this, &GridFitter::schedule);
        connect(model, &QAbstractItemModel::dataChanged, this, &GridFitter::schedule);
    }

    void setAmountColumns(const QList<int>& columns) {
        amountColumns_ = QSet<int>(columns.begin(), columns.end());
        schedule();
    }
    void setTextColumn(int column) { textColumn_ = column; }
    void setMinimumWidth(int column, int width) {
        minimum_[column] = width;
        schedule();
    }
    int textColumn() const { return textColumn_; }

    void fit() {
        pending_ = false;
        if (!view_ || busy_) return;
        follow(view_->model());
        if (!view_->model()) return;
        busy_ = true;
        const QHeaderView* header = view_->horizontalHeader();
        const QAbstractItemModel* model = view_->model();
        const int columns = model->columnCount(view_->rootIndex());
        const int rows = std::min(model->rowCount(view_->rootIndex()), kRowsMeasured);

        QList<int> need(columns, 0);
        int fixedSum = 0;
        QList<int> shown;
        for (int c = 0; c < columns; ++c) {
            if (view_->isColumnHidden(c)) continue;
            shown << c;
            int width = headerWidthFor(header, headerText(header, c));
            const bool amount = isAmount(c, rows);
            if (amount) width = std::max(width, cellWidthFor(view_, kWidestAmount, view_->font()));
            for (int r = 0; r < rows; ++r) {
                const QModelIndex index = model->index(r, c, view_->rootIndex());
                const QString text = index.data(Qt::DisplayRole).toString();
                if (text.isEmpty()) continue;
                if (c == textColumn_) continue;   // the text column takes what is left
                width = std::max(width, cellWidthFor(view_, text, cellFont(view_, index)));
            }
            width = std::max(width, minimum_.value(c, 0));
            need[c] = width;
            if (c != textColumn_) fixedSum += width;
        }

        const int available = availableWidth();
        if (textColumn_ >= 0 && textColumn_ < columns && !view_->isColumnHidden(textColumn_)) {
            // The text column: what is left, at least its header and a dozen letters.
            const int least = std::max(need[textColumn_], cellWidthFor(view_, QString(12, QLatin1Char('M')), view_->font()));
            int widest = need[textColumn_];
            for (int r = 0; r < rows; ++r) {
                const QModelIndex index = model->index(r, textColumn_, view_->rootIndex());
                widest = std::max(widest, cellWidthFor(view_, index.data().toString(), cellFont(view_, index)));
            }
            const int room = available - fixedSum;
            need[textColumn_] = room >= least ? room : std::max(least, std::min(widest, least));
        } else if (!shown.isEmpty() && available > fixedSum) {
            // Width left over is shared out, so that the grid has no empty strip.
            const int spare = available - fixedSum;
            for (int i = 0; i < shown.size(); ++i)
                need[shown[i]] += spare / int(shown.size()) + (i < spare % int(shown.size()) ? 1 : 0);
        }
        for (int c : shown)
            if (view_->columnWidth(c) != need[c]) view_->setColumnWidth(c, need[c]);
        fitRowLabels(rows);
        busy_ = false;
    }

    void schedule() {
        if (pending_) return;
        pending_ = true;
        QTimer::singleShot(0, this, [this] {
            if (pending_) fit();
        });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!view_) return false;
        if (watched == view_ && (event->type() == QEvent::Resize || event->type() == QEvent::Show ||
                                 event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)) {
            fit();
        } else if (watched == view_->viewport() && event->type() == QEvent::ToolTip) {
            // A text cut short shows whole in its tooltip (unless the grid gives one of its own).
            auto* help = static_cast<QHelpEvent*>(event);
            const QModelIndex index = view_->indexAt(help->pos());
            if (index.isValid() && !index.data(Qt::ToolTipRole).isValid()) {
                if (cellElided(view_, index.row(), index.column()))
                    QToolTip::showText(help->globalPos(), index.data().toString(), view_->viewport(),
                                       view_->visualRect(index));
                else
                    QToolTip::hideText();
                return true;
            }
        }
        return false;
    }

private:
    bool isAmount(int column, int rows) const {
        if (amountColumns_.contains(column)) return true;
        const QAbstractItemDelegate* d = view_->itemDelegateForColumn(column);
        if (d && d->property(kAmountProperty).toBool()) return true;
        for (int r = 0; r < rows; ++r)
            if (looksLikeAmount(view_->model()->index(r, column, view_->rootIndex()).data().toString())) return true;
        return false;
    }

    // The row labels (numbers, totals lines) whole in the vertical header.
    void fitRowLabels(int rows) {
        QHeaderView* labels = view_->verticalHeader();
        if (!labels->isVisible() && labels->isHidden()) return;
        int width = 0;
        for (int r = 0; r < rows; ++r)
            width = std::max(width, headerWidthFor(labels, view_->model()->headerData(r, Qt::Vertical).toString()));
        if (width <= labels->width()) return;
        if (labels->minimumWidth() == labels->maximumWidth()) labels->setFixedWidth(width);
        else labels->setMinimumWidth(width);
    }

    int availableWidth() const {
        int width = view_->viewport()->width();
        // Before the first layout the viewport is not sized yet.
        if (!view_->isVisible()) {
            width = view_->width() - 2 * view_->frameWidth() -
                    (view_->verticalHeader()->isVisible() ? view_->verticalHeader()->sizeHint().width() : 0);
            if (view_->verticalScrollBar()->isVisible()) width -= view_->verticalScrollBar()->sizeHint().width();
        }
        return std::max(width, 0);
    }

    QPointer<QTableView> view_;
    QPointer<QAbstractItemModel> followed_;
    int textColumn_ = -1;
    QSet<int> amountColumns_;
    QHash<int, int> minimum_;
    bool busy_ = false;
    bool pending_ = false;
};

GridFitter* fitterOf(const QTableView* view, int textColumn, bool create) {
    auto* fitter = view->findChild<GridFitter*>(QString::fromLatin1(kFitterName), Qt::FindDirectChildrenOnly);
    if (!fitter && create) fitter = new GridFitter(const_cast<QTableView*>(view), textColumn);
    return fitter;
}

} // namespace

void markAmountDelegate(QAbstractItemDelegate* delegate) {
    if (delegate) delegate->setProperty(kAmountProperty, true);
}

void setAmountColumns(QTableView* view, const QList<int>& columns) {
    fitterOf(view, -1, true)->setAmountColumns(columns);
}

void setMinimumColumnWidth(QTableView* view, int column, int width) {
    fitterOf(view, -1, true)->setMinimumWidth(column, width);
}

void fitColumns(QTableView* view, int textColumn) {
    GridFitter* fitter = fitterOf(view, textColumn, true);
    fitter->setTextColumn(textColumn);
    fitter->fit();
}

void refitColumns(QTableView* view) {
    if (GridFitter* fitter = fitterOf(view, -1, false)) fitter->fit();
}

int textColumnOf(const QTableView* view) {
    const GridFitter* fitter = fitterOf(view, -1, false);
    return fitter ? fitter->textColumn() : -1;
}

int cellWidthFor(const QTableView* view, const QString& text, const QFont& font) {
    // The item delegate leaves a margin each side of the text; one more pixel for the grid line.
    const int margin = view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    return QFontMetrics(font).horizontalAdvance(text) + 2 * margin + 3;
}

int headerWidthFor(const QHeaderView* header, const QString& text) {
    QFont bold = header->font();
    bold.setBold(true);   // the current column's header is drawn bold
    const QFontMetrics metrics(bold);
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) widest = std::max(widest, metrics.horizontalAdvance(line));
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    return widest + 2 * margin + 6;
}

bool cellElided(const QTableView* view, int row, int column) {
    const QModelIndex index = view->model()->index(row, column, view->rootIndex());
    const QString text = index.data(Qt::DisplayRole).toString();
    if (text.isEmpty()) return false;
    return cellWidthFor(view, text, cellFont(view, index)) > view->columnWidth(column);
}

bool headerElided(const QHeaderView* header, int section) {
    const QString text = headerText(header, section);
    if (text.isEmpty()) return false;
    const int room = header->orientation() == Qt::Horizontal ? header->sectionSize(section) : header->width();
    return headerWidthFor(header, text) > room;
}

} // namespace vexa::ui
