#include "core/schedule/talk_history_model.h"

#include <algorithm>

#include "core/store/local_role.h"
#include "core/text/texts.h"

namespace vorla::schedule {

using calendar::LabelStyle;
using calendar::WeekIndex;
using text::TextId;

namespace {
constexpr auto kListStyle = LabelStyle::short_month | LabelStyle::with_year;
// The talk list stops at the last talk of the regular catalogue.
constexpr int kListedTalks = 200;
// The views look this far past the start week; picking, from the week before it on.
constexpr int kWeeksAhead = 20;
}  // namespace

TalkHistoryModel::TalkHistoryModel(const store::Document& doc, TalkHistoryMode mode, bool pick,
                                   int talk_no)
    : doc_(doc), mode_(mode), pick_(pick) {
    talk_lines_.push_back(text::text(TextId::all));
    talk_ids_.push_back(0);
    for (int n = 1; n <= kListedTalks; ++n) {
        if (!doc_.talks().has_title(n)) continue;
        if (n == talk_no) talk_line_ = static_cast<int>(talk_lines_.size());
        talk_lines_.push_back(doc_.talks().number_text(n));
        talk_ids_.push_back(n);
    }
    speaker_lines_.push_back(text::text(TextId::all_speakers));
    speaker_ids_.push_back(0);
    for (const store::LocalBrother& b : doc_.local_brothers()) {
        if (!store::has_role(b.roles, store::LocalRole::outgoing_speaker)) continue;
        speaker_lines_.push_back(doc_.brothers().display_name(b.position, false));
        speaker_ids_.push_back(b.brother_id);
    }
    fill();
}

std::string TalkHistoryModel::title() const {
    if (pick_) return text::text(TextId::choose_speaker);
    return text::text(mode_ == TalkHistoryMode::outgoing ? TextId::outgoing_talk_history
                                                         : TextId::panel_talk_history);
}

void TalkHistoryModel::set_talk_line(int line) {
    talk_line_ = line >= 0 && line < static_cast<int>(talk_lines_.size()) ? line : 0;
    fill();
    offer_history_ = false;
}

void TalkHistoryModel::set_speaker_line(int line) {
    speaker_line_ = line >= 0 && line < static_cast<int>(speaker_lines_.size()) ? line : 0;
    fill();
    offer_history_ = false;
}

std::uint16_t TalkHistoryModel::chosen_speaker() const {
    return mode_ == TalkHistoryMode::outgoing
               ? speaker_ids_[static_cast<std::size_t>(speaker_line_)]
               : 0;
}

void TalkHistoryModel::add_line(WeekIndex i, std::optional<std::size_t> slot, std::uint16_t speaker,
                                int talk, std::uint16_t cong) {
    std::string line =
        doc_.date_label(i.number(), kListStyle) + "\t" + doc_.brothers().name_of(speaker);
    if (chosen_talk() == 0) line += " ( " + doc_.talks().number_text(talk) + " )";
    line += "\t" + doc_.congregations().name_of(cong);
    lines_.push_back(std::move(line));
    visits_.push_back({i, slot});
}

void TalkHistoryModel::fill() {
    lines_.clear();
    visits_.clear();
    line_.reset();
    const store::WeekTable& weeks = doc_.weeks();
    const int s = doc_.current_week().value;
    // Picking walks the coming weeks forward; the views walk back from S + 20.
    const WeekIndex from = pick_ ? WeekIndex(s - 1) : WeekIndex(s + kWeeksAhead);
    const WeekIndex to = pick_ ? WeekIndex(s + kWeeksAhead - 1) : WeekIndex(1);
    const int step = pick_ ? 1 : -1;
    const int talk = chosen_talk();
    const std::uint16_t speaker = chosen_speaker();
    for (WeekIndex i = from; step > 0 ? i <= to : i >= to; i = i + step) {
        if (!weeks.in_window(i)) continue;
        const store::WeekRecord& w = weeks.at(i);
        if (mode_ == TalkHistoryMode::local) {
            if (w.talk_no == 0 || (talk != 0 && w.talk_no != talk)) continue;
            add_line(i, std::nullopt, w.speaker_id, w.talk_no, w.speaker_cong_id);
            continue;
        }
        for (std::size_t k = 0; k < store::WeekRecord::kOutPlaces; ++k) {
            if (w.out_talk_no[k] == 0) continue;
            if (speaker != 0 && w.out_speaker_id[k] != speaker) continue;
            if (talk != 0 && w.out_talk_no[k] != talk) continue;
            add_line(i, k, w.out_speaker_id[k], w.out_talk_no[k], w.out_cong_id[k]);
        }
    }
    if (!lines_.empty()) line_ = 0;
}

void TalkHistoryModel::select_week_line(std::size_t line) {
    if (line >= lines_.size()) return;
    line_ = line;
    offer_history_ = true;
}

std::string TalkHistoryModel::talk_caption() const {
    if (!line_ || chosen_talk() != 0) return {};
    const HistoryVisit& v = visits_[*line_];
    const store::WeekRecord& w = doc_.weeks().at(v.week);
    const int talk = v.slot ? w.out_talk_no[*v.slot] : w.talk_no;
    return doc_.talks().title(talk) + " ( " + doc_.talks().number_text(talk) + " ) ";
}

std::uint16_t TalkHistoryModel::selected_speaker() const {
    if (!line_) return 0;
    const HistoryVisit& v = visits_[*line_];
    const store::WeekRecord& w = doc_.weeks().at(v.week);
    return v.slot ? w.out_speaker_id[*v.slot] : w.speaker_id;
}

bool TalkHistoryModel::speaker_history_visible() const {
    const std::uint16_t speaker = selected_speaker();
    if (!offer_history_ || mode_ != TalkHistoryMode::local || speaker == 0) return false;
    const store::WeekTable& weeks = doc_.weeks();
    const WeekIndex top =
        std::min(WeekIndex(doc_.current_week().value + kWeeksAhead), weeks.last());
    int count = 0;
    for (WeekIndex i = weeks.first(); i <= top && count < 2; ++i) {
        if (weeks.at(i).speaker_id == speaker) ++count;
    }
    return count >= 2;
}

std::string TalkHistoryModel::speaker_history_caption() const {
    return text::format(TextId::show_history_of, doc_.brothers().name_of(selected_speaker()));
}

std::optional<PickedWeek> TalkHistoryModel::picked() const {
    if (!line_) return std::nullopt;
    return visits_[*line_];
}

}  // namespace vorla::schedule
