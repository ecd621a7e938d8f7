#include "core/schedule/summary_model.h"

#include "core/calendar/date_label.h"
#include "core/calendar/parity.h"
#include "core/schedule/week_list.h"
#include "core/store/named_table.h"
#include "core/text/texts.h"
#include "core/text/utf8.h"

namespace vorla::schedule {

using calendar::WeekIndex;
using calendar::WeekNumber;
using store::AssignmentType;
using store::EventKind;
using text::TextId;

namespace {

constexpr int kSpinStep = 10;
constexpr int kSpinAhead = 150;  // the start goes no further from today
// An other event's own title replaces the event text only when it says more than this.
constexpr std::size_t kShortTitle = 5;
const char* const kCrossed = "X";
const char* const kUnknown = "  ?";
const char* const kNoTalk = " ?";
const char* const kNoOutgoingTalk = "???";
const char* const kMoreOutgoing = "  + ...";
const char* const kFirstViewCaption =
    "Нажмите Enter или эту кнопку для просмотра Председатели - Гостеприимные - Чтецы СБ ( П - Г "
    "- Ч )";

}  // namespace

std::optional<std::uint32_t> status_colour(WeekStatus status) {
    switch (status) {
        case WeekStatus::complete:
            return 0x80FF80;
        case WeekStatus::incomplete:
        case WeekStatus::outgoing_incomplete:
            return 0xFFFF57;
        case WeekStatus::speaker_unavailable:
            return 0xFF9696;
        case WeekStatus::unconfirmed:
            return 0x87DCFF;
        case WeekStatus::conflict:
            return 0xFF96FF;
        case WeekStatus::none:
            break;
    }
    return std::nullopt;
}

std::string status_symbol(WeekStatus status) {
    switch (status) {
        case WeekStatus::complete:
            return text::text(TextId::summary_sign_complete);
        case WeekStatus::incomplete:
        case WeekStatus::outgoing_incomplete:
            return text::text(TextId::summary_sign_incomplete);
        case WeekStatus::speaker_unavailable:
            return text::text(TextId::summary_sign_unavailable);
        case WeekStatus::unconfirmed:
            return text::text(TextId::summary_sign_unconfirmed);
        case WeekStatus::conflict:
            return text::text(TextId::summary_sign_conflict);
        case WeekStatus::none:
            break;
    }
    return {};
}

std::optional<std::uint32_t> ink_colour(Ink ink) {
    switch (ink) {
        case Ink::unavailable:
            return 0xFF0000;
        case Ink::double_booked:
            return 0xC802C8;
        case Ink::unconfirmed:
            return 0x0000FF;
        case Ink::text:
            break;
    }
    return std::nullopt;
}

std::string ink_marker(Ink ink) {
    switch (ink) {
        case Ink::unavailable:
            return text::text(TextId::summary_mark_unavailable);
        case Ink::double_booked:
            return text::text(TextId::summary_mark_double_booked);
        case Ink::unconfirmed:
            return text::text(TextId::summary_mark_unconfirmed);
        case Ink::text:
            break;
    }
    return {};
}

std::vector<ColumnEdge> summary_columns(SummaryView view) {
    using C = SummaryColumn;
    if (view == SummaryView::roles) {
        return {{C::date, 0, 1}, {C::chairman, 1, 10}, {C::host, 4, 9}, {C::reader, 15, 22}};
    }
    return {{C::date, 0, 1},        {C::speaker, 1, 10},
            {C::talk, 4, 9},        {C::chairman_mark, 12, 22},
            {C::host_mark, 13, 22}, {C::reader_mark, 14, 22},
            {C::outgoing, 15, 22}};
}

std::string signed_text(const SummaryCell& cell, SummaryColumn column) {
    const std::string sign = ink_marker(cell.ink);
    if (cell.text.empty() || sign.empty()) return cell.text;
    const bool mark = column == SummaryColumn::chairman_mark ||
                      column == SummaryColumn::host_mark || column == SummaryColumn::reader_mark;
    return mark ? cell.text + sign.substr(0, 1) : sign + cell.text;
}

SummaryModel::SummaryModel(store::Document& doc)
    : doc_(doc), start_(doc.today_week()), view_caption_(kFirstViewCaption) {
    rebuild();
}

std::string SummaryModel::start_label() const {
    return text::format(TextId::start_at,
                        doc_.date_label(start_, calendar::LabelStyle::short_month));
}

std::vector<std::string> SummaryModel::year_lines() const {
    const auto ctx = doc_.calendar();
    const WeekIndex first = start_.index();
    std::vector<std::string> lines{calendar::year_text(first, ctx)};
    const std::string later = calendar::year_text(first + kRows, ctx);
    if (later != lines.front()) lines.push_back(later);
    return lines;
}

std::vector<std::string> SummaryModel::column_titles() const {
    // The date column's title is the year (year_lines).
    if (view_ == SummaryView::roles) {
        return {{},
                text::text(TextId::role_chairman),
                text::text(TextId::hospitality),
                text::text(TextId::readers)};
    }
    return {{},
            text::text(TextId::local_speaker),
            text::text(TextId::talk_caption),
            text::text(TextId::summary_letter_talk),
            text::text(TextId::summary_letter_host),
            text::text(TextId::summary_letter_reader),
            text::text(TextId::role_outgoing_speaker)};
}

std::vector<LegendEntry> SummaryModel::legend() const {
    std::vector<LegendEntry> entries{
        {WeekStatus::complete, "Полный"},
        {WeekStatus::unconfirmed, "Местный докладчик неподтвержден"},
        {WeekStatus::incomplete, "Неполный"},
        {WeekStatus::speaker_unavailable, "Докладчик недоступен"},
        {WeekStatus::conflict, text::text(TextId::summary_legend_conflict)},
    };
    for (LegendEntry& e : entries) {
        for (const SummaryRow& row : rows_) {
            const WeekStatus shown =
                row.status == WeekStatus::outgoing_incomplete ? WeekStatus::incomplete : row.status;
            if (shown == e.status) e.visible = true;
        }
    }
    return entries;
}

void SummaryModel::spin(bool up) {
    const WeekNumber first(doc_.window_base() + 1);
    const WeekNumber last = doc_.today_week() + kSpinAhead;
    if (up) {
        start_ = start_ + kSpinStep < last ? start_ + kSpinStep : last;
    } else {
        start_ = start_ - kSpinStep > first ? start_ - kSpinStep : first;
    }
    doc_.set_current_week(start_);
    rebuild();
    ask_siblings_to_refresh();
}

void SummaryModel::toggle_view() {
    if (view_ == SummaryView::normal) {
        view_ = SummaryView::roles;
        view_caption_ = text::text(TextId::back);
    } else {
        view_ = SummaryView::normal;
        view_caption_ = text::text(TextId::summary_letters);
    }
    rebuild();
}

std::optional<PageKind> SummaryModel::target_of(SummaryColumn column) const {
    const settings::Settings& s = doc_.settings();
    const auto scheduled = [](bool on, PageKind kind) {
        return on ? std::optional<PageKind>(kind) : std::nullopt;
    };
    switch (column) {
        case SummaryColumn::date:
            // The dates belong to the local talks in the normal view only.
            if (view_ == SummaryView::roles) return std::nullopt;
            return PageKind::local_talks;
        case SummaryColumn::speaker:
        case SummaryColumn::talk:
            return PageKind::local_talks;
        case SummaryColumn::chairman_mark:
        case SummaryColumn::chairman:
            return PageKind::chairmen;
        case SummaryColumn::host_mark:
        case SummaryColumn::host:
            return scheduled(s.hospitality_scheduled, PageKind::hospitality);
        case SummaryColumn::reader_mark:
        case SummaryColumn::reader:
            return scheduled(s.readers_scheduled, PageKind::readers);
        case SummaryColumn::outgoing:
            return PageKind::outgoing;
    }
    return std::nullopt;
}

bool SummaryModel::click(std::optional<int> row, SummaryColumn column) {
    // A drawing left behind by a start another page moved is not clicked through.
    if (start_ != doc_.current_week()) return false;
    const auto target = target_of(column);
    if (!target) return false;
    if (row && (*row < 0 || *row >= kRows)) row.reset();
    show_page(*target, row);
    return true;
}

void SummaryModel::rebuild() {
    rows_.clear();
    for (int r = 0; r < kRows; ++r)
        rows_.push_back(build_row(start_.index() + r));
}

Ink SummaryModel::ink_of(std::uint16_t brother, WeekIndex w, AssignmentType own) const {
    if (!doc_.brother_available(brother, w.number())) return Ink::unavailable;
    if (doc_.assignment_type(brother, w, own) != AssignmentType::none) return Ink::double_booked;
    return Ink::text;
}

SummaryRow SummaryModel::build_row(WeekIndex w) const {
    SummaryRow row;
    row.week = w;
    row.status = week_status(doc_, w);
    const store::WeekRecord& r = doc_.weeks().at(w);
    row.cells.push_back({.text = doc_.date_label(w.number(), calendar::LabelStyle::short_month),
                         .filled = row.status != WeekStatus::none});
    if (view_ == SummaryView::roles) {
        fill_roles(r, row);
    } else {
        fill_normal(r, row);
    }
    return row;
}

void SummaryModel::fill_normal(const store::WeekRecord& r, SummaryRow& row) const {
    const WeekIndex w = row.week;
    const settings::Settings& s = doc_.settings();

    SummaryCell speaker;
    if (has_event(r)) {
        speaker.text = event_text(r);
        if (r.event_kind() == EventKind::other) {
            const store::SpecialEventRecord* event = doc_.events().of_week(w);
            if (event && text::length(event->event_title) > kShortTitle)
                speaker.text = event->event_title;
        }
    } else if (r.speaker_id) {
        speaker.text = doc_.brothers().name_of(r.speaker_id);
        speaker.ink = ink_of(r.speaker_id, w, AssignmentType::speaker);
        if (speaker.ink == Ink::text && !r.confirmed) speaker.ink = Ink::unconfirmed;
    }
    if (speaker.text.empty() && r.speaker_cong_id) speaker.text = kUnknown;
    row.cells.push_back(speaker);

    SummaryCell talk;
    talk.right_aligned = true;
    if (r.talk_no) {
        talk.text = doc_.talks().number_text(r.talk_no);
    } else if (r.speaker_cong_id) {
        talk.text = kNoTalk;
    }
    row.cells.push_back(talk);

    SummaryCell chairman;
    if (r.chairman_id) {
        chairman.text = kCrossed;
        chairman.ink = ink_of(r.chairman_id, w, AssignmentType::chairman);
    }
    row.cells.push_back(chairman);
    row.cells.push_back({.text = r.host_id && s.hospitality_scheduled ? kCrossed : ""});
    SummaryCell reader;
    if (r.reader_id && s.readers_scheduled) {
        reader.text = kCrossed;
        reader.ink = ink_of(r.reader_id, w, AssignmentType::reader);
    }
    row.cells.push_back(reader);

    SummaryCell out;
    out.filled = row.status == WeekStatus::outgoing_incomplete;
    if (const std::uint16_t id = r.out_speaker_id[0]) {
        out.ink = ink_of(id, w, AssignmentType::outgoing_speaker);
        const EventKind kind = r.event_kind();
        if (out.ink == Ink::text && (kind == EventKind::convention || kind == EventKind::other))
            out.ink = Ink::double_booked;
        out.text = doc_.brothers().name_of(id) + " ( " +
                   (r.out_talk_no[0] ? doc_.talks().number_text(r.out_talk_no[0])
                                     : std::string(kNoOutgoingTalk)) +
                   " ) ";
        if (r.out_speaker_id[1]) out.text += kMoreOutgoing;
    }
    row.cells.push_back(out);
}

void SummaryModel::fill_roles(const store::WeekRecord& r, SummaryRow& row) const {
    const WeekIndex w = row.week;
    const settings::Settings& s = doc_.settings();
    SummaryCell chairman;
    if (r.chairman_id) {
        chairman.text = doc_.brothers().name_of(r.chairman_id);
        chairman.ink = ink_of(r.chairman_id, w, AssignmentType::chairman);
    }
    row.cells.push_back(chairman);
    SummaryCell host;
    if (r.host_id && s.hospitality_scheduled)
        host.text = store::NamedTable::shown_name(doc_.hosts().name_of(r.host_id), true);
    row.cells.push_back(host);
    SummaryCell reader;
    if (r.reader_id && s.readers_scheduled) {
        reader.text = doc_.brothers().name_of(r.reader_id);
        reader.ink = ink_of(r.reader_id, w, AssignmentType::reader);
    }
    row.cells.push_back(reader);
}

}  // namespace vorla::schedule
