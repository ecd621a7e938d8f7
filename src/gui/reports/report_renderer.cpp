#include "gui/reports/report_renderer.h"

#include <cmath>
#include <filesystem>

#include <QBuffer>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include "core/editors/map_picture.h"
#include "gui/app/string_helpers.h"
#include "gui/reports/qt_fonts.h"

namespace vorla::gui {

namespace {

using reports::DisplayList;
using reports::HAlign;
using reports::VAlign;

constexpr const char* kNotDrawn = "the report could not be drawn";

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

// A paragraph broken into lines at word boundaries within the box's width, from its top.
void paint_box(QPainter& painter, const DisplayList& list, const reports::TextBox& box) {
    painter.setFont(to_qfont(list.font(box.font)));
    painter.setPen(to_qcolor(box.colour));
    const QRect rect(box.rect.left, box.rect.top, box.rect.right - box.rect.left,
                     box.rect.bottom - box.rect.top);
    painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, qs(box.text));
}

// The picture of a file, decoded once while the file stays the same: a report is painted
// again at every repaint and for every printed page.
QImage picture_of(const std::string& file) {
    struct Cached {
        std::string file;
        std::filesystem::file_time_type time;
        std::uintmax_t size = 0;
        QImage image;
    };
    static Cached cached;
    std::error_code error;
    const std::filesystem::path path(file);
    const auto time = std::filesystem::last_write_time(path, error);
    const auto size = error ? 0 : std::filesystem::file_size(path, error);
    if (error) return {};
    if (cached.file == file && cached.time == time && cached.size == size) return cached.image;
    const editors::MapFile read = editors::read_map_file(path);
    QImage image;
    if (read.error.empty() && !read.bytes.empty())
        image.loadFromData(read.bytes.data(), static_cast<int>(read.bytes.size()));
    cached = {file, time, size, image};
    return image;
}

// A map that cannot be loaded is left out; the rest of the page still prints.
void paint_picture(QPainter& painter, const reports::Picture& picture) {
    const QImage image = picture_of(picture.file);
    if (image.isNull()) return;
    const QRect rect(picture.rect.left, picture.rect.top, picture.rect.right - picture.rect.left,
                     picture.rect.bottom - picture.rect.top);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(rect, image);
    painter.restore();
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
    for (const reports::Picture& picture : page.pictures)
        paint_picture(painter, picture);
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
    for (const reports::TextBox& box : page.boxes)
        paint_box(painter, list, box);
    painter.restore();
}

QPageLayout sheet_layout(reports::Paper paper) {
    const QPageSize size(paper == reports::Paper::letter ? QPageSize::Letter : QPageSize::A4);
    return QPageLayout(size, QPageLayout::Portrait, QMarginsF());
}

reports::PagePlacement placement(const QPageLayout& layout, int res_x, int res_y) {
    const QRectF mm = layout.fullRect(QPageLayout::Millimeter);
    const reports::SheetSize sheet{qRound(mm.width() * 10), qRound(mm.height() * 10)};
    return reports::place_page(sheet, res_x, res_y);
}

reports::Device sheet_device(QPagedPaintDevice& device) {
    const int dpi_x = device.logicalDpiX();
    const int dpi_y = device.logicalDpiY();
    return reports::paper_device(placement(device.pageLayout(), dpi_x, dpi_y), dpi_x, dpi_y);
}

bool paint_pages(QPagedPaintDevice& device, const ReportSource& source,
                 const std::vector<int>& pages) {
    const int dpi_x = device.logicalDpiX();
    const int dpi_y = device.logicalDpiY();
    const QPageLayout layout = device.pageLayout();
    const reports::PagePlacement place = placement(layout, dpi_x, dpi_y);
    // The painter starts at the corner of the device's paint area; the page is placed from
    // the sheet's corner.
    const QPoint origin = layout.paintRectPixels(dpi_x).topLeft();
    QPainter painter;
    if (!painter.begin(&device)) return false;
    bool first = true;
    for (const int page : pages) {
        if (!first && !device.newPage()) return false;
        first = false;
        // Laid out again for every page, as the view always did.
        const DisplayList list = source(sheet_device(device));
        painter.save();
        painter.translate(place.left - origin.x(), place.top - origin.y());
        paint_page(painter, list, static_cast<std::size_t>(page - 1));
        painter.restore();
    }
    return painter.end();
}

QByteArray render_pdf(const ReportSource& source, int dpi, const QPageLayout& sheet,
                      const QString& title) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(dpi);
    writer.setCreator(QStringLiteral("Vorla"));
    if (!title.isEmpty()) writer.setTitle(title);
    writer.setPageLayout(QPageLayout(sheet.pageSize(), sheet.orientation(), QMarginsF()));
    const DisplayList list = source(sheet_device(writer));
    std::vector<int> pages;
    for (std::size_t p = 1; p <= list.pages.size(); ++p)
        pages.push_back(static_cast<int>(p));
    if (!paint_pages(writer, source, pages)) return {};
    return bytes;
}

std::optional<std::vector<QByteArray>> render_png_pages(const ReportSource& source, int dpi,
                                                        const QPageLayout& sheet) {
    const reports::PagePlacement place = placement(sheet, dpi, dpi);
    const DisplayList list = source(reports::paper_device(place, dpi, dpi));
    const int dots_per_metre = static_cast<int>(std::lround(dpi / 0.0254));
    std::vector<QByteArray> pages;
    for (std::size_t p = 0; p < list.pages.size(); ++p) {
        QImage image(place.sheet_width, place.sheet_height, QImage::Format_RGB32);
        if (image.isNull()) return std::nullopt;  // no memory for it
        image.setDotsPerMeterX(dots_per_metre);
        image.setDotsPerMeterY(dots_per_metre);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.translate(place.left, place.top);
        paint_page(painter, list, p);
        painter.end();
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "PNG")) return std::nullopt;
        pages.push_back(bytes);
    }
    return pages;
}

io::FileSetResult write_pdf(const QString& path, const ReportSource& source, int dpi,
                            const QPageLayout& sheet, const QString& title) {
    const QByteArray pdf = render_pdf(source, dpi, sheet, title);
    if (pdf.isEmpty()) return {path.toStdString(), kNotDrawn};
    return io::write_file_set({{path.toStdString(), pdf.toStdString()}});
}

io::FileSetResult write_png_pages(const QString& prefix, const ReportSource& source, int dpi,
                                  const QPageLayout& sheet, QStringList* written) {
    const auto pages = render_png_pages(source, dpi, sheet);
    if (!pages) return {(prefix + QStringLiteral("-1.png")).toStdString(), kNotDrawn};
    std::vector<io::OutputFile> files;
    QStringList names;
    for (const QByteArray& page : *pages) {
        names << QStringLiteral("%1-%2.png").arg(prefix).arg(files.size() + 1);
        files.push_back({names.back().toStdString(), page.toStdString()});
    }
    io::FileSetResult result = io::write_file_set(files);
    if (result.ok() && written) *written << names;
    return result;
}

}  // namespace vorla::gui
