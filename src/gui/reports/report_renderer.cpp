#include "gui/reports/report_renderer.h"

#include <cmath>

#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include "gui/app/string_helpers.h"
#include "gui/reports/qt_fonts.h"

namespace vorla::gui {

namespace {

using reports::DisplayList;
using reports::HAlign;
using reports::VAlign;

void paint_text(QPainter& painter, const DisplayList& list, const reports::TextItem& item) {
    const QFont font = to_qfont(list.font(item.font));
    painter.setFont(font);
    const QFontMetricsF metrics(painter.font(), painter.device());
    const QString text = qs(item.text);
    const double width = metrics.horizontalAdvance(text);
    double x = item.x;
    if (item.h != HAlign::left) x -= item.h == HAlign::right ? width : width / 2;
    // The anchor is the bottom or the top of the line; Qt draws from the baseline.
    const double baseline =
        item.v == VAlign::bottom ? item.y - metrics.descent() : item.y + metrics.ascent();
    painter.setPen(to_qcolor(item.colour));
    if (item.h == HAlign::left && item.max_width > 0 && width > item.max_width) {
        painter.save();
        painter.translate(x, baseline);
        painter.scale(item.max_width / width, 1.0);
        painter.drawText(QPointF(0, 0), text);
        painter.restore();
        return;
    }
    painter.drawText(QPointF(x, baseline), text);
}

}  // namespace

void paint_page(QPainter& painter, const DisplayList& list, std::size_t index) {
    if (index >= list.pages.size()) return;
    const reports::Page& page = list.pages[index];
    painter.save();
    painter.setClipRect(QRect(0, 0, list.page_width, list.page_height));
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const reports::Band& band : page.bands) {
        const QRect r(band.rect.left, band.rect.top, band.rect.right - band.rect.left,
                      band.rect.bottom - band.rect.top);
        painter.fillRect(r, to_qcolor(band.fill));
        painter.setPen(QPen(Qt::black, 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(r.adjusted(0, 0, -1, -1));
    }
    for (const reports::Line& line : page.lines) {
        painter.setPen(QPen(to_qcolor(line.colour), line.width, Qt::SolidLine, Qt::FlatCap));
        // The end point is not part of the line.
        const int dx = line.x2 > line.x1 ? -1 : line.x2 < line.x1 ? 1 : 0;
        const int dy = line.y2 > line.y1 ? -1 : line.y2 < line.y1 ? 1 : 0;
        painter.drawLine(line.x1, line.y1, line.x2 + dx, line.y2 + dy);
    }
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (const reports::TextItem& item : page.texts)
        paint_text(painter, list, item);
    painter.restore();
}

bool paint_pages(QPagedPaintDevice& device, const ReportSource& source,
                 const std::vector<int>& pages) {
    const int dpi_x = device.logicalDpiX();
    const int dpi_y = device.logicalDpiY();
    QPainter painter;
    if (!painter.begin(&device)) return false;
    bool first = true;
    for (const int page : pages) {
        if (!first && !device.newPage()) return false;
        first = false;
        // Laid out again for every page, as the view always did.
        const DisplayList list = source(reports::Device::printer(dpi_x, dpi_y));
        paint_page(painter, list, static_cast<std::size_t>(page - 1));
    }
    return painter.end();
}

bool write_pdf(const QString& path, const ReportSource& source, int dpi, const QString& title) {
    QPdfWriter writer(path);
    writer.setResolution(dpi);
    writer.setCreator(QStringLiteral("Vorla"));
    if (!title.isEmpty()) writer.setTitle(title);
    const QPageLayout layout(
        QPageSize(QPageSize::Letter), QPageLayout::Portrait,
        QMarginsF(kPaperBorderInches, kPaperBorderInches, kPaperBorderInches, kPaperBorderInches),
        QPageLayout::Inch);
    writer.setPageLayout(layout);
    const DisplayList list = source(reports::Device::printer(dpi, dpi));
    std::vector<int> pages;
    for (std::size_t p = 1; p <= list.pages.size(); ++p)
        pages.push_back(static_cast<int>(p));
    return paint_pages(writer, source, pages);
}

bool write_png_pages(const QString& prefix, const ReportSource& source, int dpi,
                     QStringList* written) {
    const DisplayList list = source(reports::Device::printer(dpi, dpi));
    const int width = static_cast<int>(8.5 * dpi);
    const int height = 11 * dpi;
    const int border = static_cast<int>(kPaperBorderInches * dpi);
    const int dots_per_metre = static_cast<int>(std::lround(dpi / 0.0254));
    for (std::size_t p = 0; p < list.pages.size(); ++p) {
        QImage image(width, height, QImage::Format_RGB32);
        image.setDotsPerMeterX(dots_per_metre);
        image.setDotsPerMeterY(dots_per_metre);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.translate(border, border);
        paint_page(painter, list, p);
        painter.end();
        const QString file = QStringLiteral("%1-%2.png").arg(prefix).arg(p + 1);
        if (!image.save(file, "PNG")) return false;
        if (written) written->append(file);
    }
    return true;
}

}  // namespace vorla::gui
