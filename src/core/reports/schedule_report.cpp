#include "core/reports/schedule_report.h"

#include <algorithm>

#include "core/calendar/date_label.h"
#include "core/calendar/days.h"
#include "core/reports/band.h"
#include "core/reports/page_metrics.h"
#include "core/reports/report_page.h"
#include "core/reports/schedule_week.h"
#include "core/text/texts.h"
#include "core/text/utf8.h"

namespace vorla::reports {

using text::TextId;

namespace {

using calendar::WeekIndex;
using store::EventKind;
using store::WeekRecord;

int outgoing_count(const WeekRecord& w) {
    return static_cast<int>(std::count_if(w.out_speaker_id.begin(), w.out_speaker_id.end(),
                                          [](std::uint16_t id) { return id != 0; }));
}

// x positions of the week blocks.
struct Columns {
    int caption;       // captions
    int value;         // speaker and chairman
    int out_name;      // the talk title and outgoing speakers
    int cong_caption;  // "Собрание" and "в", right-aligned
    int cong;          // congregation names
    int talk_no;       // "Речь %1", right-aligned
    int reader;
    int host;
    int column_caption_offset;  // reader and host captions end this far left of their column
    int caption_gap;            // left captions keep this clear of the value after them
};

Columns columns(const PageMetrics& m, const settings::Settings& s) {
    const int x0 = m.left_margin;
    const int d = m.res_x;
    Columns c;
    c.caption = x0 + d / 10;
    c.value = x0 + d;
    c.out_name = static_cast<int>(x0 + 1.5 * d);
    c.cong_caption = x0 + 4 * d - d / 5;
    c.cong = x0 + 4 * d;
    c.talk_no = static_cast<int>(x0 + 7.5 * d);
    const bool both = s.hospitality_scheduled && s.readers_scheduled && s.show_readers;
    c.reader = static_cast<int>(x0 + (both ? 3.5 : 4.5) * d);
    c.host = static_cast<int>(x0 + (both ? 6.0 : 4.5) * d);
    c.column_caption_offset = d / 5;
    c.caption_gap = d / 20;
    return c;
}

// " ( time - Вос )", or " ( Вос )" without a time: where and when an outgoing speaker goes.
std::string destination_text(const store::Document& doc, std::uint16_t cong_id, WeekIndex week) {
    const store::CongregationIndex& congs = doc.congregations();
    if (!congs.find(cong_id)) return {};
    const bool service_year = doc.settings().service_year;
    const std::string name = congs.name_of(cong_id);
    const std::string time = congs.meeting_time(cong_id, week, service_year);
    const bool with_day =
        doc.settings().skip_talk_numbers || doc.language() == "eng" || doc.language() == "rus";
    if (!with_day) return time.empty() ? name : name + " ( " + time + " )";
    const calendar::StoredDay day =
        congs.meeting_day(cong_id, week, service_year).value_or(calendar::StoredDay{});
    const std::string day_text = text::left(calendar::weekday_name(calendar::to_offset(day)), 3);
    return name + " ( " + (time.empty() ? day_text : time + " - " + day_text) + " )";
}

class ScheduleLayout {
  public:
    ScheduleLayout(const store::Document& doc, DisplayList& list, const PageMetrics& m)
        : doc_(doc),
          settings_(doc.settings()),
          list_(list),
          metrics_(m),
          columns_(columns(m, settings_)),
          line_height_(schedule_line_height(list)) {}

    // Lays out one week with its block line at y; returns the next block's line.
    int week(Page& page, WeekIndex i, int y) const;

  private:
    void text(Page& page, int x, int y, std::string s, FontId font, HAlign h = HAlign::left) const {
        if (s.empty()) return;
        page.texts.push_back({x, y, std::move(s), font, list_.font(font).colour, h});
    }
    // A caption at the left of a line, with the value starting at value_x: a long caption
    // (a large caption font, a long translation) is condensed rather than run into it.
    void left_caption(Page& page, int y, text::TextId caption, int value_x) const {
        const std::size_t before = page.texts.size();
        text(page, columns_.caption, y, text::text(caption), FontId::captions);
        if (page.texts.size() > before)
            page.texts.back().max_width = value_x - columns_.caption - columns_.caption_gap;
    }
    std::string talk_number(int talk_no) const {
        return text::format(TextId::talk_number, doc_.talks().number_text(talk_no));
    }

    const store::Document& doc_;
    const settings::Settings& settings_;
    DisplayList& list_;
    const PageMetrics& metrics_;
    Columns columns_;
    int line_height_;
};

int ScheduleLayout::week(Page& page, WeekIndex i, int y) const {
    const WeekRecord& w = doc_.weeks().at(i);
    const EventKind kind = w.event_kind();
    const bool ordinary = kind == EventKind::none;
    const bool convention = kind == EventKind::convention;
    const int dpi = metrics_.res_y;  // dots per inch down the page
    const int x0 = metrics_.left_margin;

    // Date line on its band: the meeting date and the incoming talk.
    const int date_y = y - dpi / 4;
    add_band(page, date_line_band(list_, metrics_, settings_, date_y), settings_);
    const std::uint32_t date_colour = colour_on_band(settings_, list_.font(FontId::date).colour);
    const std::uint32_t talk_colour =
        colour_on_band(settings_, list_.font(FontId::talk_title).colour);
    page.texts.push_back(
        {x0, date_y, doc_.date_label(i.number(), kScheduleLabelStyle), FontId::date, date_colour});
    if (std::string talk = incoming_talk_text(doc_, i); !talk.empty()) {
        page.texts.push_back(
            {columns_.out_name, date_y, std::move(talk), FontId::talk_title, talk_colour});
    }

    // Captions.
    const store::SpecialEventRecord* event = event_of(doc_, i);
    const bool named_event = kind == EventKind::other && event && !event->event_title.empty();
    if ((!convention && kind != EventKind::other) || named_event)
        left_caption(page, y, TextId::role_speaker, columns_.value);
    if (ordinary)
        text(page, columns_.cong_caption, y, text::text(TextId::congregation), FontId::captions,
             HAlign::right);
    if (w.chairman_id && (ordinary || w.keeps_chairman())) {
        left_caption(page, y + line_height_, TextId::role_chairman, columns_.value);
    }
    const bool readers_shown = settings_.readers_scheduled && settings_.show_readers;
    if (readers_shown && (ordinary || w.keeps_reader())) {
        text(page, columns_.reader - columns_.column_caption_offset, y + line_height_,
             text::text(TextId::role_reader), FontId::captions, HAlign::right);
    }
    if (settings_.hospitality_scheduled && (ordinary || w.keeps_hospitality())) {
        text(page, columns_.host - columns_.column_caption_offset, y + line_height_,
             text::text(TextId::hospitality), FontId::captions, HAlign::right);
    }

    // Values.
    std::string speaker;
    if (kind == EventKind::overseer_visit) {
        speaker = overseer_visit_name(doc_, i);
    } else if (kind == EventKind::other) {
        speaker = event ? event->event_title : std::string();
    } else {
        speaker = doc_.brothers().name_of(w.speaker_id);
    }
    text(page, columns_.value, y, std::move(speaker), FontId::speakers);
    text(page, columns_.cong, y, doc_.congregations().name_of(w.speaker_cong_id), FontId::text);
    if (w.talk_no && !settings_.skip_talk_numbers)
        text(page, columns_.talk_no, y, talk_number(w.talk_no), FontId::text, HAlign::right);
    text(page, columns_.value, y + line_height_, doc_.brothers().name_of(w.chairman_id),
         FontId::text);
    if (readers_shown && kind != EventKind::overseer_visit) {
        text(page, columns_.reader, y + line_height_, doc_.brothers().name_of(w.reader_id),
             FontId::text);
    }
    if (settings_.hospitality_scheduled) {
        text(page, columns_.host, y + line_height_,
             store::NamedTable::shown_name(doc_.hosts().name_of(w.host_id), true), FontId::text);
    }

    // Our outgoing speakers on consecutive lines: an empty slot between filled ones leaves no
    // gap, which the block's height (counting printed lines only) would run into.
    int printed = 0;
    if (!settings_.skip_outgoing) {
        for (std::size_t k = 0; k < WeekRecord::kOutPlaces; ++k) {
            if (!w.out_speaker_id[k]) continue;
            const int line_y = y + (printed + (convention ? 0 : 2)) * line_height_;
            left_caption(page, line_y, TextId::role_outgoing_speaker, columns_.out_name);
            text(page, columns_.cong_caption, line_y, text::text(TextId::at_word), FontId::captions,
                 HAlign::right);
            text(page, columns_.out_name, line_y, doc_.brothers().name_of(w.out_speaker_id[k]),
                 FontId::text);
            text(page, columns_.cong, line_y, destination_text(doc_, w.out_cong_id[k], i),
                 FontId::text);
            if (w.out_talk_no[k] && !settings_.skip_talk_numbers) {
                text(page, columns_.talk_no, line_y, talk_number(w.out_talk_no[k]), FontId::text,
                     HAlign::right);
            }
            ++printed;
        }
    }
    return y + (printed + (convention ? 2 : 4)) * line_height_ + line_height_ / 2;
}

}  // namespace

int schedule_line_height(const DisplayList& list) {
    return std::max({list.height(FontId::speakers), list.height(FontId::text), list.res_y / 6});
}

std::vector<int> paginate_schedule(const store::Document& doc, const ScheduleRange& range,
                                   int line_height, int top_margin, const Device& device) {
    const int r = device.res_y;
    int limit = 10 * r - r / 4 - (device.printing ? r / 4 : 0);
    // A sheet that ends within the page (Letter) takes what it cannot print off the limit,
    // so that the last week stays clear of the sheet's bottom border.
    if (device.printable_height > 0)
        limit -= std::max(0, kPageHeightTenths * r / 10 - device.printable_height);
    const bool count_outgoing = !doc.settings().skip_outgoing;
    std::vector<int> pages;
    int n = 1;  // weeks on the page, the week under test included
    int c = 0;  // outgoing lines counted on the page
    for (int k = 0; k < range.weeks;) {
        const int out = count_outgoing ? outgoing_count(doc.weeks().at(range.first + k)) : 0;
        if ((c + out + 4 * n) * line_height + top_margin <= limit) {
            c += out;
            ++n;
            ++k;
        } else if (n == 1) {
            // Too tall even for an empty page: it gets a page of its own.
            pages.push_back(1);
            ++k;
        } else {
            pages.push_back(n - 1);
            n = 1;
            c = 0;
        }
    }
    if (n > 1 || pages.empty()) pages.push_back(n - 1);
    return pages;
}

DisplayList layout_schedule(const store::Document& doc, const settings::ReportFonts& fonts,
                            const ScheduleRange& range, const Device& device) {
    DisplayList list = new_display_list(device, fonts, doc.language());
    const settings::Settings& s = doc.settings();
    const PageMetrics m = page_metrics(device, s);
    const int line = schedule_line_height(list);
    const std::vector<int> per_page = paginate_schedule(doc, range, line, m.top_margin, device);
    const auto printed_on = print_date_for(device, s, doc.today());
    const ScheduleLayout layout(doc, list, m);
    int week = 0;
    for (const int count : per_page) {
        Page& page = list.pages.emplace_back();
        add_page_heading(page, list, m, s, s.schedule_title, printed_on, doc.language());
        int y = m.top_margin + 4 * line;
        for (int k = 0; k < count; ++k, ++week)
            y = layout.week(page, range.first + week, y);
    }
    return list;
}

}  // namespace vorla::reports
