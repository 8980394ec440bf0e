#pragma once
// Drawing helpers for printed forms on A4 paper, in millimetres from the top
// left corner of the sheet, on any paged device (a printer, its preview, a
// PDF writer). Texts never overflow their box: a one-line text shrinks its
// font until it fits, a wrapped text makes its box as tall as its lines.
//
// A printed form is a flow of bands (a title, a line of boxes, a table row),
// each knowing its height. PageFlow places the bands on pages: a group of
// bands that must stay together moves to the next page as a whole, and a
// table that runs on to another page repeats its heading and column captions
// there. Once every band is placed, the number of pages is known and
// renderPages() draws them with "Página n de N".

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

namespace vexa::print {

inline constexpr double kPageWidth = 210.0; // A4, millimetres
inline constexpr double kPageHeight = 297.0;
inline constexpr double kMarginLeft = 10.0;
inline constexpr double kContentWidth = 190.0;

// Fonts of the form: one family, a few sizes.
QFont formFont(double points, bool bold = false);

// Measuring on a device, in millimetres.
class PageMetrics {
public:
    explicit PageMetrics(QPaintDevice& device);
    double pxX(double mm) const { return mm * pxPerMmX_; }
    double pxY(double mm) const { return mm * pxPerMmY_; }
    double textWidth(const QString& text, const QFont& font) const;
    double lineHeight(const QFont& font) const;
    // The font shrunk (down to a floor) until the one-line text fits the width.
    QFont fitted(const QString& text, const QFont& font, double width) const;
    // Lines the text takes wrapped into the width (words broken only when
    // longer than the width; a "\n" starts a new line).
    int wrappedLines(const QString& text, const QFont& font, double width) const;
    double wrappedHeight(const QString& text, const QFont& font, double width) const {
        return wrappedLines(text, font, width) * lineHeight(font);
    }
    QPaintDevice& device() const { return device_; }

private:
    QPaintDevice& device_;
    double pxPerMmX_;
    double pxPerMmY_;
};

// Drawing on the page, in millimetres.
class PageCanvas : public PageMetrics {
public:
    PageCanvas(QPainter& painter, QPaintDevice& device);
    QPainter& painter() { return painter_; }

    void frame(const QRectF& box, double lineWidth = 0.2);
    void fill(const QRectF& box, const QColor& color);
    void line(double x1, double y1, double x2, double y2, double lineWidth = 0.2);
    // One line of text inside the box, padded, shrunk to fit, vertically centred.
    void text(const QRectF& box, const QString& text, const QFont& font, Qt::Alignment align = Qt::AlignLeft,
              double padding = 0.8);
    // Wrapped text, padded; from the top of the box, or centred in it with Qt::AlignVCenter.
    void wrapped(const QRectF& box, const QString& text, const QFont& font,
                 Qt::Alignment align = Qt::AlignLeft, double padding = 0.8);
    // A small square with an "X" when marked, followed by its label.
    double checkBox(double x, double y, bool marked, const QString& label, const QFont& font);

private:
    QRectF toPx(const QRectF& mm) const;
    QPainter& painter_;
};

// A horizontal strip of the page: its height in millimetres and how to draw it
// with its top at `top`.
struct Band {
    double height = 0;
    std::function<void(PageCanvas&, double top)> draw;
};

class PageFlow {
public:
    // Bands go between `top` and `bottom` of every page (millimetres).
    PageFlow(double top, double bottom) : top_(top), bottom_(bottom) {}

    // Bands drawn again at the top of each further page while the current
    // table runs on (its heading and column captions); empty to stop.
    void setRepeat(std::vector<Band> bands) { repeat_ = std::move(bands); }
    void clearRepeat() { repeat_.clear(); }

    // Places bands that stay together on one page; they move to a new page
    // when they do not fit the space left. A group taller than a whole page
    // is placed band by band.
    void keep(const std::vector<Band>& bands);
    void add(const Band& band) { keep({band}); }
    // Leaves vertical space (dropped at the top of a page).
    void gap(double height);

    struct Placed {
        Band band;
        double top = 0;
    };
    const std::vector<std::vector<Placed>>& pages() const { return pages_; }
    double remaining() const { return bottom_ - cursor_; }

private:
    void newPage();
    void place(const Band& band);
    bool pageHasContent() const { return !pages_.empty() && pages_.back().size() > repeatedOnPage_; }

    double top_;
    double bottom_;
    double cursor_ = 0;
    size_t repeatedOnPage_ = 0;
    std::vector<Band> repeat_;
    std::vector<std::vector<Placed>> pages_;
};

// Draws a decoration on every page (heading, page number) and then its bands.
using PageDecoration = std::function<void(PageCanvas&, int page, int pageCount)>;

// Sets the device to A4 portrait, lays the bands out between bodyTop and
// bodyBottom of each page, starts a painter and draws every page. False with
// a message when the device cannot be painted on.
bool renderPages(QPagedPaintDevice& device, double bodyTop, double bodyBottom,
                 const std::function<void(PageFlow&, const PageMetrics&)>& layOut,
                 const PageDecoration& decorate, QString* error);

// ---- tables -----------------------------------------------------------------------------

struct TableColumn {
    QString caption;  // "\n" for a caption on two lines
    double width = 0; // millimetres
    Qt::Alignment align = Qt::AlignLeft;
    bool wraps = false; // long texts wrap (descriptions) instead of shrinking
};

// A caption over several neighbouring columns, above their own captions.
struct ColumnGroup {
    QString caption;
    int first = 0;
    int count = 0;
};

struct TableFonts {
    QFont caption;
    QFont cell;
    QFont total;
};

// Scales the widths so that the columns fill `total` millimetres.
std::vector<TableColumn> fitColumns(std::vector<TableColumn> columns, double total = kContentWidth);

// The row of column captions (with the group captions above, when given).
Band tableHeader(const std::vector<TableColumn>& columns, const std::vector<ColumnGroup>& groups,
                 const TableFonts& fonts, const PageMetrics& m, double x = kMarginLeft);
// A row of cells; bold rows (totals) are shaded.
Band tableRow(const std::vector<TableColumn>& columns, const QStringList& cells, const TableFonts& fonts,
              const PageMetrics& m, bool bold = false, double x = kMarginLeft);
// A row with one label spanning the first `span` columns, then cells for the rest.
Band tableTotal(const std::vector<TableColumn>& columns, int span, const QString& label,
                const QStringList& cells, const TableFonts& fonts, const PageMetrics& m,
                double x = kMarginLeft);
// The empty frame of a table with nothing to declare: one blank row of boxes.
Band tableEmpty(const std::vector<TableColumn>& columns, const TableFonts& fonts, const PageMetrics& m,
                double x = kMarginLeft);

} // namespace vexa::print
