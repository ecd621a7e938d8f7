#include "core/reports/talk_worksheet.h"

#include <algorithm>
#include <array>

#include "core/reports/page_metrics.h"
#include "core/reports/report_grid.h"
#include "core/reports/report_page.h"
#include "core/reports/schedule_week.h"
#include "core/store/brother_contacts.h"
#include "core/text/texts.h"
#include "core/text/utf8.h"

namespace vorla::reports {

using calendar::WeekIndex;
using text::TextId;

namespace {

constexpr std::size_t kNoteLength = 20;
constexpr int kColumns = 6;

std::string special_week_name(store::EventKind kind) {
    return "    " + text::text(kind == store::EventKind::overseer_visit
                                   ? TextId::event_circuit_visit
                                   : TextId::special_event);
}

std::string speaker_note(const store::Document& doc, std::uint16_t brother_id) {
    const auto pos = doc.brothers().find(brother_id);
    if (!pos) return {};
    const auto record = doc.brothers().read(doc.folder(), *pos);
    if (!record) return {};
    const std::string note = doc.brothers().read_extra(doc.folder(), *record).note;
    if (note.starts_with('!')) return {};
    return text::left(note, kNoteLength);
}

}  // namespace

std::vector<WorksheetRow> worksheet_rows(const store::Document& doc, WeekIndex first, int weeks) {
    const store::WeekTable& table = doc.weeks();
    const WeekIndex current = doc.current_week().index();
    std::vector<WorksheetRow> rows;
    first = std::max(first, table.first());
    const int count = std::clamp(weeks, 1, kWorksheetMaxWeeks);
    for (WeekIndex i = first; i < first + count && i <= table.last(); ++i) {
        const store::WeekRecord& w = table.at(i);
        WorksheetRow row;
        row.date = doc.date_label(i.number(), kScheduleLabelStyle);
        if (w.talk_no) row.talk = std::to_string(w.talk_no);
        row.speaker = w.is_special() ? special_week_name(w.event_kind())
                                     : doc.brothers().name_of(w.speaker_id);
        row.congregation = doc.congregations().name_of(w.speaker_cong_id);
        if (w.speaker_id) {
            if (const auto phones = store::phone_list(doc, w.speaker_id))
                row.phone = phones->phone(0);
        }
        if (i <= current) {
            row.note = speaker_note(doc, w.speaker_id);
        } else if (w.confirmed) {
            row.note = text::text(TextId::confirmed);
        } else if (w.requested) {
            row.note = text::text(TextId::requested);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

DisplayList layout_worksheet(const store::Document& doc, const settings::ReportFonts& fonts,
                             WeekIndex first, int weeks, const Device& device) {
    DisplayList list = new_display_list(device, fonts, doc.language());
    const PageMetrics m = page_metrics(device, doc.settings());
    const int rx = m.res_x;
    const int g = m.left_margin;
    const int c1 = g + rx - rx / 6;
    const int c2 = c1 + rx / 2;
    const int c3 = c2 + 2 * rx;
    const int c4 = c3 + 2 * rx;
    const int c5 = c4 + rx;
    const std::vector<int> columns{g, c1, c2, c3, c4, c5, c3 + 4 * rx + rx / 3};
    // Heads and cells start this far right of their column's line.
    std::array<int, kColumns> inset{};
    inset.fill(rx / 10);
    inset[1] = rx / 20;
    const std::array<TextId, kColumns> heads{TextId::week,         TextId::talk_caption,
                                             TextId::role_speaker, TextId::congregation,
                                             TextId::phone,        TextId::notes};

    const std::vector<WorksheetRow> rows = worksheet_rows(doc, first, weeks);
    const std::uint32_t colour = list.font(FontId::fixed).colour;
    const auto fill = [&](Page& page, const Grid& grid, int from) {
        for (int k = 0; k < kColumns; ++k) {
            page.texts.push_back({columns[k] + inset[k], grid.head_line(), text::text(heads[k]),
                                  FontId::captions, list.font(FontId::captions).colour});
        }
        for (int r = 0; r < grid.rows; ++r) {
            const WorksheetRow& row = rows[static_cast<std::size_t>(from + r)];
            const std::array<const std::string*, kColumns> cells{
                &row.date, &row.talk, &row.speaker, &row.congregation, &row.phone, &row.note};
            for (int k = 0; k < kColumns; ++k) {
                if (cells[k]->empty()) continue;
                // A long name condenses to stay within its column.
                const int room = columns[k + 1] - columns[k] - inset[k] - rx / 20;
                page.texts.push_back({columns[k] + inset[k], grid.row_line(r), *cells[k],
                                      FontId::fixed, colour, HAlign::left, VAlign::bottom, room});
            }
        }
    };
    add_grid_pages(list, doc, device, text::text(TextId::local_talks), columns,
                   static_cast<int>(rows.size()), fill);
    return list;
}

}  // namespace vorla::reports
