#include "payment/SlipDraw.h"

#include "common/Prompter.h"

#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace vexa::payment {

namespace {

// Widths of the bars and spaces of each digit: 1 wide, 0 narrow.
constexpr const char* kPatterns[10] = {"00110", "10001", "01001", "11000", "00101",
                                       "10100", "01100", "00011", "10010", "01010"};

// ---- page geometry, in millimetres from the page's top-left corner -----------

constexpr double kLeft = 10;          // left edge of every copy
constexpr double kWidth = 190;        // width of a copy
constexpr double kLeftColumn = 128;   // boxes 1 to 11; boxes 12 to 20 to its right
constexpr double kTop = 5;            // top of the first copy
constexpr double kCopyPitch = 88;     // from one copy to the next
constexpr double kHeading = 15;       // heading block of a copy
constexpr double kRow = 7;            // height of a one-line box
constexpr double kBoxesHeight = 9 * kRow;
// Under the third copy's note (which ends 9 mm below its boxes), clear of it.
constexpr double kBarcodeTop = kTop + 2 * kCopyPitch + kHeading + kBoxesHeight + 12;

// Paints in millimetres on a paged device: converts page millimetres into the
// painter's device coordinates, whose origin is the device's paint rectangle.
class Canvas {
public:
    Canvas(QPainter& painter, QPagedPaintDevice& device) : p_(painter), device_(device) {
        kx_ = device.logicalDpiX() / 25.4;
        ky_ = device.logicalDpiY() / 25.4;
        origin_ = device.pageLayout().paintRect(QPageLayout::Millimeter).topLeft();
    }

    QRectF rect(double x, double y, double w, double h) const {
        return QRectF((x - origin_.x()) * kx_, (y - origin_.y()) * ky_, w * kx_, h * ky_);
    }
    QRectF rect(const QRectF& mm) const { return rect(mm.x(), mm.y(), mm.width(), mm.height()); }

    void frame(double x, double y, double w, double h, double penMm = 0.2) {
        p_.setPen(QPen(Qt::black, penMm * kx_));
        p_.setBrush(Qt::NoBrush);
        p_.drawRect(rect(x, y, w, h));
    }

    void line(double x1, double y1, double x2, double y2, double penMm, Qt::PenStyle style = Qt::SolidLine) {
        QPen pen(Qt::black, penMm * kx_);
        pen.setStyle(style);
        p_.setPen(pen);
        p_.drawLine(rect(x1, y1, 0, 0).topLeft(), rect(x2, y2, 0, 0).topLeft());
    }

    void fill(const QRectF& mm) { p_.fillRect(rect(mm), Qt::black); }

    // One line of text in the box, shrunk to fit its width (down to 4.5 pt), then elided.
    void text(double x, double y, double w, double h, const QString& text, double pt, bool bold = false,
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter, bool mono = false) {
        if (text.isEmpty()) return;
        const QRectF r = rect(x, y, w, h);
        QFont font(mono ? QStringLiteral("DejaVu Sans Mono") : QStringLiteral("DejaVu Sans"));
        font.setStyleHint(mono ? QFont::Monospace : QFont::SansSerif);
        font.setBold(bold);
        font.setPointSizeF(pt);
        QString shown = text;
        for (;;) {
            const QFontMetricsF metrics(font, &device_);
            if (metrics.horizontalAdvance(shown) <= r.width()) break;
            if (font.pointSizeF() > 4.6) {
                font.setPointSizeF(font.pointSizeF() - 0.25);
                continue;
            }
            shown = metrics.elidedText(text, Qt::ElideRight, r.width());
            break;
        }
        p_.setFont(font);
        p_.setPen(Qt::black);
        p_.drawText(r, int(align) | Qt::TextSingleLine, shown);
    }

private:
    QPainter& p_;
    QPagedPaintDevice& device_;
    double kx_ = 1, ky_ = 1;
    QPointF origin_;
};

void drawBox(Canvas& c, const SlipBox& box, double x, double y, double w, double h) {
    c.frame(x, y, w, h);
    c.text(x + 0.8, y + 0.3, w - 1.6, 2.6, box.caption, 5.5);
    if (box.lines.size() > 1) {
        // Several lines (the complementary information): one under the other.
        double top = y + 3.0;
        for (const QString& line : box.lines) {
            c.text(x + 1.2, top, w - 2.4, 3.1, line, 7.5);
            top += 3.1;
        }
        return;
    }
    const QString value = box.lines.isEmpty() ? QString() : box.lines.first();
    const Qt::Alignment align = (box.amount ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
    c.text(x + 1.2, y + 2.7, w - 2.4, h - 3.0, value, 8.5, box.amount || box.number == 20, align);
}

void drawCopy(Canvas& c, const SlipPage& page, double y0) {
    const double right = kLeft + kLeftColumn;
    const double rightWidth = kWidth - kLeftColumn;

    // Heading: government, authority and superintendence on the left; the
    // form's name over the right column.
    const QStringList& h = page.heading;
    auto heading = [&](int i) { return i < h.size() ? h[i] : QString(); };
    c.frame(kLeft, y0, kWidth, kHeading);
    c.text(kLeft + 2, y0 + 0.6, kLeftColumn - 4, 4.6, heading(0), 9.5, true);
    c.text(kLeft + 2, y0 + 5.3, kLeftColumn - 4, 4.2, heading(1), 7.5);
    c.text(kLeft + 2, y0 + 9.6, kLeftColumn - 4, 4.2, heading(2), 7.5);
    c.line(right, y0, right, y0 + kHeading, 0.2);
    c.text(right + 1, y0 + 0.6, rightWidth - 2, 8, heading(3), 16, true, Qt::AlignCenter);
    c.text(right + 1, y0 + 9.0, rightWidth - 2, 4.8, heading(4), 6.5, false, Qt::AlignCenter);

    // Boxes 1 to 11 on the left.
    const double y = y0 + kHeading;
    struct Place {
        int number;
        double x, y, w, h;
    };
    const Place left[] = {
        {1, 0, 0, kLeftColumn, kRow},
        {2, 0, kRow, 50, kRow},
        {3, 50, kRow, kLeftColumn - 50, kRow},
        {4, 0, 2 * kRow, 50, kRow},
        {5, 50, 2 * kRow, kLeftColumn - 50, kRow},
        {6, 0, 3 * kRow, 90, kRow},
        {9, 90, 3 * kRow, kLeftColumn - 90, kRow},
        {7, 0, 4 * kRow, 35, kRow},
        {8, 35, 4 * kRow, kLeftColumn - 35, kRow},
        {10, 0, 5 * kRow, kLeftColumn, 16},
        {11, 0, 5 * kRow + 16, kLeftColumn, kBoxesHeight - 5 * kRow - 16},
    };
    for (const Place& p : left)
        if (p.number <= page.boxes.size()) drawBox(c, page.box(p.number), kLeft + p.x, y + p.y, p.w, p.h);
    // Boxes 12 to 20 on the right, one under the other.
    for (int n = 12; n <= 20 && n <= page.boxes.size(); ++n)
        drawBox(c, page.box(n), right, y + (n - 12) * kRow, rightWidth, kRow);

    // The digitable line and the collection note under the boxes.
    const double below = y + kBoxesHeight;
    c.text(kLeft, below + 0.8, kWidth, 4.6, page.linhaDigitavel, 10, true, Qt::AlignRight | Qt::AlignVCenter, true);
    c.text(kLeft, below + 5.2, kWidth, 3.6, page.bankNote, 7);
}

} // namespace

QList<QRectF> interleaved2of5Bars(const QString& digits, double narrow, double wide, double height) {
    QList<QRectF> bars;
    if (digits.isEmpty() || digits.size() % 2 != 0) return bars;
    for (QChar ch : digits)
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9')) return bars;
    double x = 0;
    auto bar = [&](double w) {
        bars << QRectF(x, 0, w, height);
        x += w;
    };
    auto space = [&](double w) { x += w; };
    // Start: narrow bar, narrow space, narrow bar, narrow space.
    bar(narrow);
    space(narrow);
    bar(narrow);
    space(narrow);
    for (int i = 0; i < digits.size(); i += 2) {
        const char* bars1 = kPatterns[digits.at(i).unicode() - '0'];
        const char* spaces2 = kPatterns[digits.at(i + 1).unicode() - '0'];
        for (int k = 0; k < 5; ++k) {
            bar(bars1[k] == '1' ? wide : narrow);
            space(spaces2[k] == '1' ? wide : narrow);
        }
    }
    // Stop: wide bar, narrow space, narrow bar.
    bar(wide);
    space(narrow);
    bar(narrow);
    return bars;
}

QRectF slipBarcodeRect(const SlipPage& page) {
    const QList<QRectF> bars = interleaved2of5Bars(page.barcodeDigits);
    if (bars.isEmpty()) return {};
    return QRectF(kLeft + kBarQuietZoneMm, kBarcodeTop, bars.last().right(), kBarHeightMm);
}

void drawSlipPage(QPainter& painter, QPagedPaintDevice& device, const SlipPage& page) {
    Canvas c(painter, device);
    for (int i = 0; i < page.copies; ++i) {
        const double y0 = kTop + i * kCopyPitch;
        drawCopy(c, page, y0);
        if (i + 1 < page.copies) c.line(kLeft, y0 + kCopyPitch - 1.2, kLeft + kWidth, y0 + kCopyPitch - 1.2, 0.15, Qt::DashLine);
    }
    const QRectF area = slipBarcodeRect(page);
    if (!area.isNull())
        for (const QRectF& bar : interleaved2of5Bars(page.barcodeDigits))
            c.fill(bar.translated(area.topLeft()));
    c.text(kLeft + kWidth - 30, kBarcodeTop + kBarHeightMm + 1.5, 30, 4, page.formCaption, 7, false,
           Qt::AlignRight | Qt::AlignVCenter);
}

bool printSlipPages(QPagedPaintDevice& device, const QList<SlipPage>& pages, QString* error) {
    device.setPageSize(QPageSize(QPageSize::A4));
    device.setPageOrientation(QPageLayout::Portrait);
    device.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);   // a printer may keep its own
    QPainter painter;
    if (!painter.begin(&device)) {
        if (error) *error = QStringLiteral("Não foi possível iniciar a impressão do DARE.");
        return false;
    }
    for (int i = 0; i < pages.size(); ++i) {
        if (i > 0 && !device.newPage()) {
            if (error) *error = QStringLiteral("Não foi possível iniciar uma nova página do DARE.");
            painter.end();
            return false;
        }
        drawSlipPage(painter, device, pages[i]);
    }
    return painter.end();
}

bool writeSlipPdf(const QString& path, const QList<SlipPage>& pages, QString* error) {
    if (pages.isEmpty()) {
        if (error) *error = QStringLiteral("Não há DARE a imprimir.");
        return false;
    }
    const QString shown = QDir::toNativeSeparators(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error) *error = QStringLiteral("Não foi possível gravar o arquivo %1: %2").arg(shown, file.errorString());
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setResolution(600);
        writer.setCreator(kAppTitle);
        writer.setTitle(QStringLiteral("DARE"));
        QString why;
        if (!printSlipPages(writer, pages, &why)) {
            file.cancelWriting();
            if (error) *error = QStringLiteral("Não foi possível gravar o arquivo %1: %2").arg(shown, why);
            return false;
        }
    }
    if (!file.commit()) {
        if (error) *error = QStringLiteral("Não foi possível gravar o arquivo %1: %2").arg(shown, file.errorString());
        return false;
    }
    return true;
}

} // namespace vexa::payment
