#include "gui/schedule/summary_table.h"

#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include "gui/app/string_helpers.h"

namespace vorla::gui {

using schedule::SummaryColumn;
using schedule::SummaryModel;

namespace {

constexpr int kLines = SummaryModel::kRows + 1;  // the header and the weeks
constexpr int kPad = 3;

QColor rgb(std::uint32_t c) {
    return QColor(static_cast<int>(c >> 16 & 0xFF), static_cast<int>(c >> 8 & 0xFF),
                  static_cast<int>(c & 0xFF));
}

// On a dark base the inks are lightened so that blue and purple stay legible.
QColor ink_on(const schedule::SummaryCell& cell, const QPalette& palette, bool filled) {
    if (filled) return Qt::black;  // the fills are light in every theme
    const auto c = schedule::ink_colour(cell.ink);
    if (!c) return palette.color(QPalette::Text);
    QColor ink = rgb(*c);
    if (palette.color(QPalette::Base).lightness() < 128) ink = ink.lighter(175);
    return ink;
}

}  // namespace

QColor status_fill(schedule::WeekStatus status) {
    const auto c = schedule::status_colour(status);
    return c ? rgb(*c) : QColor();
}

QIcon status_icon(schedule::WeekStatus status, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(status_fill(status));
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    p.drawRect(0, 0, size - 1, size - 1);
    QFont bold = p.font();
    bold.setBold(true);
    bold.setPixelSize(size - 4);
    p.setFont(bold);
    p.drawText(pixmap.rect(), Qt::AlignCenter, qs(schedule::status_symbol(status)));
    return QIcon(pixmap);
}

SummaryTable::SummaryTable(const SummaryModel& model, QWidget* parent)
    : QWidget(parent), model_(model) {
    setObjectName(QStringLiteral("SummaryTable"));
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize SummaryTable::minimumSizeHint() const {
    // Rows as tall as the font; the date column (a tenth) holds a sign and "Ммм 00", the
    // narrowest (a 22nd) holds "X#".
    const QFontMetrics fm = fontMetrics();
    QFont bold = font();
    bold.setBold(true);
    const int date = QFontMetrics(bold).horizontalAdvance(QStringLiteral("##")) +
                     fm.horizontalAdvance(QStringLiteral("Ммм 00")) + 3 * kPad;
    const int mark = fm.horizontalAdvance(QStringLiteral("X#")) + 2 * kPad;
    return {std::max(date * 10, mark * 22) + 1, (fm.height() + 2) * kLines + 1};
}

QSize SummaryTable::sizeHint() const {
    const QSize least = minimumSizeHint();
    return {least.width(), (fontMetrics().height() + 8) * kLines + 1};
}

int SummaryTable::row_height() const {
    return std::max(1, (height() - 1) / kLines);
}

int SummaryTable::line_x(const schedule::ColumnEdge& edge) const {
    return (width() - 1) * edge.num / edge.den;
}

std::optional<SummaryTable::Hit> SummaryTable::hit(QPoint p) const {
    const int line = p.y() / row_height();
    if (p.x() < 0 || p.x() >= width() || line < 0 || line >= kLines) return std::nullopt;
    const auto columns = schedule::summary_columns(model_.view());
    Hit h{line == 0 ? std::nullopt : std::optional<int>(line - 1), columns.front().column};
    for (const auto& edge : columns) {
        if (p.x() >= line_x(edge)) h.column = edge.column;
    }
    return h;
}

void SummaryTable::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
    if (const auto h = hit(event->position().toPoint())) emit cell_clicked(h->row, h->column);
}

void SummaryTable::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPalette& pal = palette();
    const int w = width() - 1;
    const int rh = row_height();
    const int bottom = rh * kLines;
    const auto columns = schedule::summary_columns(model_.view());
    const auto cell_rect = [&](std::size_t c, int line) {
        const int left = line_x(columns[c]);
        const int right = c + 1 < columns.size() ? line_x(columns[c + 1]) : w;
        return QRect(left, line * rh, right - left, rh);
    };
    const auto draw_text = [&](const QRect& r, const QString& text, Qt::Alignment align) {
        const QRect inner = r.adjusted(kPad, 0, -kPad, 0);
        p.drawText(inner, align | Qt::AlignVCenter,
                   p.fontMetrics().elidedText(text, Qt::ElideRight, inner.width()));
    };

    // Fills first, the grid over them.
    for (int r = 0; r < static_cast<int>(model_.rows().size()); ++r) {
        const schedule::SummaryRow& row = model_.rows()[static_cast<std::size_t>(r)];
        for (std::size_t c = 0; c < row.cells.size() && c < columns.size(); ++c) {
            if (row.cells[c].filled) p.fillRect(cell_rect(c, r + 1), status_fill(row.status));
        }
    }
    p.setPen(pal.color(QPalette::Text));
    p.drawRect(0, 0, w, bottom);
    for (int line = 1; line < kLines; ++line)
        p.drawLine(0, line * rh, w, line * rh);
    for (std::size_t c = 1; c < columns.size(); ++c)
        p.drawLine(line_x(columns[c]), 0, line_x(columns[c]), bottom);

    // The header: the year (two lines when the weeks reach into the next), then the titles.
    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    const auto years = model_.year_lines();
    QString year = qs(years.front());
    if (years.size() > 1 && rh >= 2 * p.fontMetrics().height())
        year += u'\n' + qs(years.back());
    else if (years.size() > 1)
        year += u'/' + qs(years.back()).right(2);
    p.drawText(cell_rect(0, 0).adjusted(kPad, 0, -kPad, 0), Qt::AlignCenter, year);
    const auto titles = model_.column_titles();
    for (std::size_t c = 1; c < columns.size() && c < titles.size(); ++c)
        draw_text(cell_rect(c, 0), qs(titles[c]), Qt::AlignHCenter);
    p.setFont(font());

    for (int r = 0; r < static_cast<int>(model_.rows().size()); ++r) {
        const schedule::SummaryRow& row = model_.rows()[static_cast<std::size_t>(r)];
        for (std::size_t c = 0; c < row.cells.size() && c < columns.size(); ++c) {
            const schedule::SummaryCell& cell = row.cells[c];
            QRect rect = cell_rect(c, r + 1);
            p.setPen(ink_on(cell, pal, cell.filled));
            if (c == 0 && cell.filled) {
                // The status's sign at the date's left: colour is never the only sign.
                QFont sign = font();
                sign.setBold(true);
                p.setFont(sign);
                const QString symbol = qs(schedule::status_symbol(row.status));
                draw_text(rect, symbol, Qt::AlignLeft);
                p.setFont(font());
                rect.setLeft(rect.left() +
                             QFontMetrics(sign).horizontalAdvance(QStringLiteral("##")));
            }
            const QString text = qs(schedule::signed_text(cell, columns[c].column));
            Qt::Alignment align = cell.right_aligned ? Qt::AlignRight : Qt::AlignLeft;
            if (columns[c].column == SummaryColumn::chairman_mark ||
                columns[c].column == SummaryColumn::host_mark ||
                columns[c].column == SummaryColumn::reader_mark)
                align = Qt::AlignHCenter;
            draw_text(rect, text, align);
        }
    }
}

}  // namespace vorla::gui
