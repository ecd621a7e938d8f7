#pragma once
// The one painter of display lists: the screen view, the preview, the printer, PDF and PNG
// all draw a report's pages through it.
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "core/reports/device.h"
#include "core/reports/display_list.h"

class QPainter;
class QPagedPaintDevice;

namespace vorla::gui {

// Lays a report out for a device; called again for every device and every repaint.
using ReportSource = std::function<reports::DisplayList(const reports::Device&)>;

// Paints one page with its top-left corner at the painter's origin, clipped to the page.
void paint_page(QPainter& painter, const reports::DisplayList& list, std::size_t page);

// Paints the given pages (1-based) on a printer, PDF writer or preview, one sheet each.
// False when the device could not be painted on.
bool paint_pages(QPagedPaintDevice& device, const ReportSource& source,
                 const std::vector<int>& pages);

// Paper for files: US Letter with the quarter-inch border a printer keeps, the report's
// page placed at that border.
inline constexpr double kPaperBorderInches = 0.25;

// The whole report as a PDF file at the given resolution, as it prints.
bool write_pdf(const QString& path, const ReportSource& source, int dpi, const QString& title = {});
// One PNG per page, prefix-1.png, prefix-2.png ...; the files written are added to `written`.
bool write_png_pages(const QString& prefix, const ReportSource& source, int dpi,
                     QStringList* written = nullptr);

}  // namespace vorla::gui
