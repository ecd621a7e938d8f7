#include "core/schedule/talk_picker_model.h"

#include <algorithm>
#include <array>

#include "core/schedule/week_scan.h"
#include "core/text/texts.h"
#include "core/text/trim.h"

namespace vorla::schedule {

using text::TextId;

using calendar::WeekIndex;

namespace {

struct Recency {
    TextId text;
    int weeks_back;  // -1: no filter
};
constexpr std::array<Recency, 8> kRecency{{{TextId::all_talks, -1},
                                           {TextId::not_on_schedule, 0},
                                           {TextId::not_in_6_months, 26},
                                           {TextId::not_in_12_months, 52},
                                           {TextId::not_in_18_months, 78},
                                           {TextId::not_in_2_years, 104},
                                           {TextId::not_in_3_years, 156},
                                           {TextId::not_in_4_years, 208}}};

// The picker words its priorities in a text of its own.
TextId picker_priority_text(store::WishList::Priority priority) {
    switch (priority) {
        case store::WishList::Priority::high:
            return TextId::picker_priority_high;
        case store::WishList::Priority::low:
            return TextId::picker_priority_low;
        case store::WishList::Priority::medium:
            break;
    }
    return TextId::picker_priority_medium;
}

}  // namespace

TalkPickerModel::TalkPickerModel(const store::Document& doc, TalkPickerParams params)
    : doc_(doc), params_(std::move(params)) {
    const int s = doc_.current_week().value;
    // Heard lately: a week above S - 26 and up to S + 78 has the talk.
    heard_lately_ = talks_given(doc_.weeks(), WeekIndex(s + 78), WeekIndex(s - 25));

    if (params_.speaker != 0) {
        if (const auto pos = doc_.brothers().find(params_.speaker))
            speaker_talks_ = doc_.brothers().at(*pos).talks;
    }
    if (params_.congregation != 0) {
        for (const store::BrotherEntry& b : doc_.brothers().entries()) {
            if (b.cong_id != params_.congregation) continue;
            for (std::size_t k = 0; k < text::TalkSet::kBytes; ++k)
                congregation_talks_.bytes()[k] |= b.talks.bytes()[k];
        }
    }

    topic_lines_.push_back(text::text(TextId::all_topics));
    topic_ids_.push_back(0);
    for (const store::TopicRecord& t : doc_.topics().entries()) {
        topic_lines_.push_back(t.topic_name);
        topic_ids_.push_back(t.topic_id);
    }

    if (!params_.wish_mode && params_.only_needed) {
        bool any = false;
        for (int n : params_.needed.talks())
            any = any || not_heard_lately(n);
        if (!any) params_.only_needed = false;
    }
    fill();
}

std::vector<std::string> TalkPickerModel::recency_lines() {
    std::vector<std::string> lines;
    lines.reserve(kRecency.size());
    for (const Recency& r : kRecency)
        lines.push_back(text::text(r.text));
    return lines;
}

bool TalkPickerModel::not_heard_lately(int talk_no) const {
    return !heard_lately_.has(talk_no);
}

void TalkPickerModel::toggle_only_needed() {
    params_.only_needed = !params_.only_needed;
    fill();
}

void TalkPickerModel::set_topic_line(int line) {
    topic_line_ = line >= 0 && line < static_cast<int>(topic_lines_.size()) ? line : 0;
    fill();
}

void TalkPickerModel::set_recency_line(int line) {
    recency_line_ = line >= 0 && line < static_cast<int>(kRecency.size()) ? line : 0;
    fill();
}

void TalkPickerModel::fill() {
    entries_.clear();
    const std::uint16_t topic = topic_ids_[static_cast<std::size_t>(topic_line_)];
    text::TalkSet recent;
    if (const int back = kRecency[static_cast<std::size_t>(recency_line_)].weeks_back; back >= 0) {
        // From S + 52 down to W - back - 2, that week excluded.
        recent = talks_given(doc_.weeks(), WeekIndex(doc_.current_week().value + 52),
                             WeekIndex(doc_.today_week().value - back - 1));
    }
    for (int n = 1; n <= kOfferedTalks; ++n) {
        if (params_.only_needed && !(params_.needed.has(n) && not_heard_lately(n))) continue;
        if (params_.speaker != 0 && !speaker_talks_.has(n)) continue;
        if (params_.congregation != 0 && !congregation_talks_.has(n)) continue;
        const store::TalkRecord* talk = doc_.talks().find(n);
        if (!talk) continue;
        if (topic != 0 && std::find(talk->topic_ids.begin(), talk->topic_ids.end(), topic) ==
                              talk->topic_ids.end()) {
            continue;
        }
        if (recent.has(n)) continue;
        if (text::trim_left(talk->title).empty()) continue;
        entries_.push_back({n, "  " + talk->number_text});
    }
    if (params_.single && !entry_of(params_.chosen)) params_.chosen = 0;
}

std::optional<std::size_t> TalkPickerModel::entry_of(int talk_no) const {
    for (std::size_t k = 0; k < entries_.size(); ++k) {
        if (entries_[k].talk_no == talk_no) return k;
    }
    return std::nullopt;
}

void TalkPickerModel::select(std::size_t entry) {
    if (entry < entries_.size()) params_.chosen = entries_[entry].talk_no;
}

bool TalkPickerModel::ticked(std::size_t entry) const {
    return entry < entries_.size() && params_.needed.has(entries_[entry].talk_no);
}

void TalkPickerModel::set_ticked(std::size_t entry, bool on) {
    if (entry < entries_.size()) params_.needed.set(entries_[entry].talk_no, on);
}

calendar::WeekIndex TalkPickerModel::last_considered() const {
    return WeekIndex(doc_.current_week().value + 52);
}

TalkDetails TalkPickerModel::details(int talk_no) const {
    TalkDetails d;
    const store::TalkRecord* talk = doc_.talks().find(talk_no);
    if (!talk) return d;
    d.title = talk->title + " ( " + talk->number_text + " ) ";
    if (const auto week = last_week_of_talk(doc_.weeks(), talk_no, last_considered())) {
        d.last_heard = text::text(TextId::last_heard) +
                       doc_.date_label(week->number(), calendar::LabelStyle::short_month |
                                                           calendar::LabelStyle::with_year);
        const store::WeekRecord& w = doc_.weeks().at(*week);
        if (const auto pos = doc_.brothers().find(w.speaker_id)) {
            const store::BrotherEntry& b = doc_.brothers().at(*pos);
            d.speaker = b.first_last();
            const std::string cong = doc_.congregations().name_of(b.cong_id);
            if (!cong.empty()) d.speaker += " - " + cong;
        }
    }
    if (params_.only_needed) {
        d.priority = text::text(picker_priority_text(doc_.wish_list().priority(talk_no)));
    }
    return d;
}

bool TalkPickerModel::history_visible() const {
    if (!single() || params_.chosen == 0) return false;
    return last_week_of_talk(doc_.weeks(), params_.chosen, last_considered()).has_value();
}

std::string TalkPickerModel::history_caption() const {
    return text::format(TextId::show_talk_history, doc_.talks().number_text(params_.chosen));
}

std::optional<int> TalkPickerModel::accept_single() const {
    if (!selected_entry()) return std::nullopt;
    return params_.chosen;
}

}  // namespace vorla::schedule
