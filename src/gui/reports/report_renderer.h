#pragma once
// The one painter of display lists: the screen view, the preview, the printer, PDF and PNG
// all draw a report's pages through it, each page placed on its sheet by the same rule.
#include <QByteArray>
#include <QPageLayout>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "core/io/file_set.h"
#include "core/reports/device.h"
#include "core/reports/display_list.h"
#include "core/reports/paper.h"

class QPainter;
class QPagedPaintDevice;

namespace vorla::gui {

// Lays a report out for a device; called again for every device and every repaint.
using ReportSource = std::function<reports::DisplayList(const reports::Device&)>;

// A sheet of the paper, upright, without margins.
QPageLayout sheet_layout(reports::Paper paper);
// Where the page sits on the sheet of a page layout (its paper and orientation).
reports::PagePlacement placement(const QPageLayout& layout, int res_x, int res_y);

// The printer, PDF writer or preview as a report lays out for it: its resolution, and what of
// the page the sheet of its page layout prints.
reports::Device sheet_device(QPagedPaintDevice& device);

// Paints one page with its top-left corner at the painter's origin, clipped to the page.
void paint_page(QPainter& painter, const reports::DisplayList& list, std::size_t page);

// Paints the given pages (1-based) on a printer, PDF writer or preview, one sheet each, the
// page placed on the sheet of the device's page layout. False when the device could not be
// painted on.
bool paint_pages(QPagedPaintDevice& device, const ReportSource& source,
                 const std::vector<int>& pages);

// The whole report as a PDF document at the given resolution, as it prints.
QByteArray render_pdf(const ReportSource& source, int dpi, const QPageLayout& sheet,
                      const QString& title = {});
// One PNG image per page, each a whole sheet; nothing when there is no memory for them.
std::optional<std::vector<QByteArray>> render_png_pages(const ReportSource& source, int dpi,
                                                        const QPageLayout& sheet);

// The files of them, each written whole or, on a failure, none: the PDF at `path`; the pages
// at prefix-1.png, prefix-2.png ... (their names are added to `written`).
io::FileSetResult write_pdf(const QString& path, const ReportSource& source, int dpi,
                            const QPageLayout& sheet, const QString& title = {});
io::FileSetResult write_png_pages(const QString& prefix, const ReportSource& source, int dpi,
                                  const QPageLayout& sheet, QStringList* written = nullptr);

}  // namespace vorla::gui
