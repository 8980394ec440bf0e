#include "print/PrintPage.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>
#include <QRegularExpression>
#include <QTextLayout>

#include <algorithm>
#include <numeric>

namespace vexa::print {

namespace {

constexpr double kMinFontPoints = 4.0;
constexpr double kCellPadding = 0.8;
constexpr double kRowPadding = 0.7; // above and below the text of a row
constexpr double kEpsilon = 0.01;
const QColor kShade(232, 232, 232);

// Line breaks as the text layout understands them; carriage returns of
// stored remarks ("\r\n") are line breaks too.
QString layoutText(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    return text;
}

// Lays the text out in lines of `widthPx`, each `lineStepPx` below the last.
int layOutLines(QTextLayout& layout, double widthPx, double lineStepPx, Qt::Alignment align) {
    QTextOption option(align & Qt::AlignHorizontal_Mask);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    int lines = 0;
    for (;;) {
        QTextLine line = layout.createLine();
        if (!line.isValid()) break;
        line.setLineWidth(std::max(1.0, widthPx));
        line.setPosition(QPointF(0, lines * lineStepPx));
        ++lines;
    }
    layout.endLayout();
    return std::max(lines, 1);
}

} // namespace

QFont formFont(double points, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    // Unhinted outlines measure the same at every resolution, so the preview,
    // the printer and the PDF break their lines alike.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// ---- measuring ---------------------------------------------------------------------------

PageMetrics::PageMetrics(QPaintDevice& device)
    : device_(device), pxPerMmX_(device.logicalDpiX() / 25.4), pxPerMmY_(device.logicalDpiY() / 25.4) {}

double PageMetrics::textWidth(const QString& text, const QFont& font) const {
    return QFontMetricsF(font, &device_).horizontalAdvance(text) / pxPerMmX_;
}

double PageMetrics::lineHeight(const QFont& font) const {
    return QFontMetricsF(font, &device_).lineSpacing() / pxPerMmY_;
}

QFont PageMetrics::fitted(const QString& text, const QFont& font, double width) const {
    QFont f = font;
    while (f.pointSizeF() > kMinFontPoints && textWidth(text, f) > width)
        f.setPointSizeF(f.pointSizeF() - 0.25);
    return f;
}

int PageMetrics::wrappedLines(const QString& text, const QFont& font, double width) const {
    if (text.isEmpty()) return 1;
    if (!text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')) &&
        textWidth(text, font) <= width)
        return 1;
    QTextLayout layout(layoutText(text), font, &device_);
    return layOutLines(layout, width * pxPerMmX_, QFontMetricsF(font, &device_).lineSpacing(), Qt::AlignLeft);
}

// ---- drawing ---------------------------------------------------------------------------------

PageCanvas::PageCanvas(QPainter& painter, QPaintDevice& device) : PageMetrics(device), painter_(painter) {}

QRectF PageCanvas::toPx(const QRectF& r) const {
    return QRectF(pxX(r.x()), pxY(r.y()), pxX(r.width()), pxY(r.height()));
}

void PageCanvas::frame(const QRectF& box, double lineWidth) {
    painter_.setPen(QPen(Qt::black, pxX(lineWidth)));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(toPx(box));
}

void PageCanvas::fill(const QRectF& box, const QColor& color) {
    painter_.fillRect(toPx(box), color);
}

void PageCanvas::line(double x1, double y1, double x2, double y2, double lineWidth) {
    painter_.setPen(QPen(Qt::black, pxX(lineWidth)));
    painter_.drawLine(QPointF(pxX(x1), pxY(y1)), QPointF(pxX(x2), pxY(y2)));
}

void PageCanvas::text(const QRectF& box, const QString& text, const QFont& font, Qt::Alignment align,
                      double padding) {
    if (text.isEmpty()) return;
    const QRectF inner = box.adjusted(padding, 0, -padding, 0);
    const QFont f = fitted(text, font, inner.width());
    // Beyond what the smallest font holds (an absurd amount, say) the text is
    // cut with an ellipsis rather than run over its neighbours.
    const QString shown =
        textWidth(text, f) > inner.width()
            ? QFontMetricsF(f, &device()).elidedText(text, Qt::ElideRight, pxX(inner.width()))
            : text;
    painter_.setPen(Qt::black);
    painter_.setFont(f);
    painter_.drawText(
        toPx(inner),
        int((align & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip),
        shown);
}

void PageCanvas::wrapped(const QRectF& box, const QString& text, const QFont& font, Qt::Alignment align,
                         double padding) {
    if (text.isEmpty()) return;
    const QRectF inner = box.adjusted(padding, 0, -padding, 0);
    const double step = QFontMetricsF(font, &device()).lineSpacing();
    QTextLayout layout(layoutText(text), font, &device());
    const int lines = layOutLines(layout, pxX(inner.width()), step, align);
    double top = pxY(inner.top());
    if (align & Qt::AlignVCenter) top += std::max(0.0, (pxY(inner.height()) - lines * step) / 2);
    painter_.setPen(Qt::black);
    layout.draw(&painter_, QPointF(pxX(inner.left()), top));
}

double PageCanvas::checkBox(double x, double y, bool marked, const QString& label, const QFont& font) {
    const double side = 2.6;
    const QRectF square(x, y, side, side);
    frame(square);
    if (marked) text(square, QStringLiteral("X"), font, Qt::AlignHCenter, 0);
    const double labelWidth = textWidth(label, font);
    text(QRectF(x + side + 0.6, y - 0.5, labelWidth + 1.0, side + 1.0), label, font, Qt::AlignLeft, 0);
    return x + side + 0.6 + labelWidth + 3.0;
}

// ---- pages ------------------------------------------------------------------------------------

void PageFlow::newPage() {
    pages_.emplace_back();
    cursor_ = top_;
    for (const Band& b : repeat_) {
        pages_.back().push_back({b, cursor_});
        cursor_ += b.height;
    }
    repeatedOnPage_ = pages_.back().size();
}

void PageFlow::place(const Band& band) {
    if (pages_.empty()) newPage();
    pages_.back().push_back({band, cursor_});
    cursor_ += band.height;
}

void PageFlow::keep(const std::vector<Band>& bands) {
    if (pages_.empty()) newPage();
    const double height = std::accumulate(bands.begin(), bands.end(), 0.0,
                                          [](double h, const Band& b) { return h + b.height; });
    if (cursor_ + height > bottom_ + kEpsilon && pageHasContent()) newPage();
    if (cursor_ + height <= bottom_ + kEpsilon) {
        for (const Band& b : bands) place(b);
        return;
    }
    // Taller than a page: band by band.
    for (const Band& b : bands) {
        if (cursor_ + b.height > bottom_ + kEpsilon && pageHasContent()) newPage();
        place(b);
    }
}

void PageFlow::gap(double height) {
    if (pages_.empty() || !pageHasContent()) return;
    cursor_ += height;
}

bool renderPages(QPagedPaintDevice& device, double bodyTop, double bodyBottom,
                 const std::function<void(PageFlow&, const PageMetrics&)>& layOut,
                 const PageDecoration& decorate, QString* error) {
    device.setPageSize(QPageSize(QPageSize::A4));
    device.setPageOrientation(QPageLayout::Portrait);

    PageFlow flow(bodyTop, bodyBottom);
    {
        const PageMetrics metrics(device);
        layOut(flow, metrics);
    }
    QPainter painter;
    if (!painter.begin(&device)) {
        if (error) *error = QStringLiteral("Não foi possível iniciar a impressão da VEXA.");
        return false;
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    // The painter starts at the printable area; the drawing counts from the sheet's corner.
    const QRect paintRect = device.pageLayout().paintRectPixels(device.logicalDpiX());
    const QRect fullRect = device.pageLayout().fullRectPixels(device.logicalDpiX());
    const QPointF origin(fullRect.left() - paintRect.left(), fullRect.top() - paintRect.top());

    const int pageCount = std::max<int>(1, int(flow.pages().size()));
    for (int i = 0; i < pageCount; ++i) {
        if (i > 0 && !device.newPage()) {
            painter.end();
            if (error) *error = QStringLiteral("Não foi possível iniciar uma nova página da VEXA.");
            return false;
        }
        painter.resetTransform();
        painter.translate(origin);
        PageCanvas canvas(painter, device);
        decorate(canvas, i + 1, pageCount);
        if (size_t(i) < flow.pages().size())
            for (const PageFlow::Placed& p : flow.pages()[size_t(i)]) p.band.draw(canvas, p.top);
    }
    if (!painter.end()) {
        if (error) *error = QStringLiteral("Não foi possível concluir a impressão da VEXA.");
        return false;
    }
    return true;
}

// ---- tables -------------------------------------------------------------------------------------

std::vector<TableColumn> fitColumns(std::vector<TableColumn> columns, double total) {
    const double sum = std::accumulate(columns.begin(), columns.end(), 0.0,
                                       [](double s, const TableColumn& c) { return s + c.width; });
    if (sum > 0)
        for (TableColumn& c : columns) c.width = c.width * total / sum;
    return columns;
}

namespace {

// A caption's font, shrunk so that none of its words has to be broken.
QFont captionFont(const QString& caption, double width, const QFont& font, const PageMetrics& m) {
    QFont f = font;
    for (const QString& word : caption.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
        f = m.fitted(word, f, width - 2 * kCellPadding);
    return f;
}

double captionHeight(const QString& caption, double width, const QFont& font, const PageMetrics& m) {
    return m.wrappedHeight(caption, captionFont(caption, width, font, m), width - 2 * kCellPadding) +
           2 * kRowPadding;
}

std::vector<double> columnLefts(const std::vector<TableColumn>& columns, double x) {
    std::vector<double> lefts;
    for (const TableColumn& c : columns) {
        lefts.push_back(x);
        x += c.width;
    }
    lefts.push_back(x);
    return lefts;
}

} // namespace

Band tableHeader(const std::vector<TableColumn>& columns, const std::vector<ColumnGroup>& groups,
                 const TableFonts& fonts, const PageMetrics& m, double x) {
    const std::vector<double> lefts = columnLefts(columns, x);
    std::vector<int> groupOf(columns.size(), -1);
    double groupHeight = 0;
    for (size_t g = 0; g < groups.size(); ++g) {
        const ColumnGroup& cg = groups[g];
        for (int c = cg.first; c < cg.first + cg.count && size_t(c) < columns.size(); ++c)
            groupOf[size_t(c)] = int(g);
        const double w =
            lefts[size_t(std::min<size_t>(cg.first + cg.count, columns.size()))] - lefts[size_t(cg.first)];
        groupHeight = std::max(groupHeight, captionHeight(cg.caption, w, fonts.caption, m));
    }
    double rowHeight = 0;
    for (const TableColumn& c : columns)
        rowHeight = std::max(rowHeight, captionHeight(c.caption, c.width, fonts.caption, m));
    // An ungrouped caption spans both rows; it may need more than the lower one.
    double height = groupHeight + rowHeight;
    for (size_t c = 0; c < columns.size(); ++c)
        if (groupOf[c] < 0)
            height = std::max(height, captionHeight(columns[c].caption, columns[c].width, fonts.caption, m));
    rowHeight = height - groupHeight;

    Band band;
    band.height = height;
    band.draw = [columns, groups, groupOf, lefts, groupHeight, rowHeight, height, fonts](PageCanvas& c,
                                                                                         double top) {
        c.fill(QRectF(lefts.front(), top, lefts.back() - lefts.front(), height), kShade);
        for (size_t g = 0; g < groups.size(); ++g) {
            const ColumnGroup& cg = groups[g];
            const size_t end = std::min<size_t>(cg.first + cg.count, columns.size());
            const QRectF box(lefts[size_t(cg.first)], top, lefts[end] - lefts[size_t(cg.first)], groupHeight);
            c.frame(box);
            c.wrapped(box, cg.caption, captionFont(cg.caption, box.width(), fonts.caption, c),
                      Qt::AlignHCenter | Qt::AlignVCenter);
        }
        for (size_t i = 0; i < columns.size(); ++i) {
            const bool grouped = groupOf[i] >= 0;
            const QRectF box(lefts[i], grouped ? top + groupHeight : top, columns[i].width,
                             grouped ? rowHeight : height);
            c.frame(box);
            c.wrapped(box, columns[i].caption,
                      captionFont(columns[i].caption, columns[i].width, fonts.caption, c),
                      Qt::AlignHCenter | Qt::AlignVCenter);
        }
    };
    return band;
}

Band tableRow(const std::vector<TableColumn>& columns, const QStringList& cells, const TableFonts& fonts,
              const PageMetrics& m, bool bold, double x) {
    const QFont font = bold ? fonts.total : fonts.cell;
    const double line = m.lineHeight(font);
    double textHeight = line;
    for (size_t i = 0; i < columns.size(); ++i)
        if (columns[i].wraps && qsizetype(i) < cells.size())
            textHeight = std::max(
                textHeight, m.wrappedHeight(cells[qsizetype(i)], font, columns[i].width - 2 * kCellPadding));
    const std::vector<double> lefts = columnLefts(columns, x);
    Band band;
    band.height = textHeight + 2 * kRowPadding;
    band.draw = [columns, cells, font, bold, lefts, h = band.height](PageCanvas& c, double top) {
        if (bold) c.fill(QRectF(lefts.front(), top, lefts.back() - lefts.front(), h), kShade);
        for (size_t i = 0; i < columns.size(); ++i) {
            const QRectF box(lefts[i], top, columns[i].width, h);
            c.frame(box);
            const QString cell = qsizetype(i) < cells.size() ? cells[qsizetype(i)] : QString();
            if (columns[i].wraps)
                c.wrapped(box, cell, font, columns[i].align | Qt::AlignVCenter);
            else
                c.text(box, cell, font, columns[i].align);
        }
    };
    return band;
}

Band tableTotal(const std::vector<TableColumn>& columns, int span, const QString& label,
                const QStringList& cells, const TableFonts& fonts, const PageMetrics& m, double x) {
    std::vector<TableColumn> merged;
    TableColumn first;
    for (int i = 0; i < span && size_t(i) < columns.size(); ++i) first.width += columns[size_t(i)].width;
    first.align = Qt::AlignLeft;
    merged.push_back(first);
    for (size_t i = size_t(span); i < columns.size(); ++i) {
        TableColumn c = columns[i];
        c.wraps = false;
        merged.push_back(c);
    }
    QStringList all{label};
    all += cells;
    return tableRow(merged, all, fonts, m, true, x);
}

Band tableEmpty(const std::vector<TableColumn>& columns, const TableFonts& fonts, const PageMetrics& m,
                double x) {
    Band band = tableRow(columns, {}, fonts, m, false, x);
    band.height *= 1.6;
    const std::vector<double> lefts = columnLefts(columns, x);
    band.draw = [columns, lefts, h = band.height](PageCanvas& c, double top) {
        for (size_t i = 0; i < columns.size(); ++i) c.frame(QRectF(lefts[i], top, columns[i].width, h));
    };
    return band;
}

} // namespace vexa::print
