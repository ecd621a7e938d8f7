#include "core/schedule/speaker_history_model.h"

#include <algorithm>

#include "core/text/texts.h"

namespace vorla::schedule {

using calendar::LabelStyle;
using calendar::WeekIndex;
using text::TextId;

namespace {
constexpr auto kListStyle = LabelStyle::short_month | LabelStyle::with_year;
constexpr auto kCaptionStyle = LabelStyle::with_year;
// The list looks this far past the start week.
constexpr int kWeeksAhead = 52;
}  // namespace

SpeakerHistoryModel::SpeakerHistoryModel(const store::Document& doc, std::uint16_t brother_id)
    : doc_(doc), circuits_(doc), congs_(congregation_choices(doc, circuits_)) {
    fill_brothers(brother_id);
}

void SpeakerHistoryModel::set_circuit_line(int line) {
    circuits_.set_line(line);
    congs_ = congregation_choices(doc_, circuits_);
    cong_line_ = 0;
    fill_brothers(0);
}

void SpeakerHistoryModel::set_congregation_line(int line) {
    cong_line_ = line >= 0 && line < static_cast<int>(congs_.lines.size()) ? line : 0;
    fill_brothers(0);
}

void SpeakerHistoryModel::fill_brothers(std::uint16_t preselect) {
    brothers_.clear();
    brother_line_.reset();
    const std::uint16_t circuit = circuits_.circuit();
    const std::uint16_t cong = congs_.ids[static_cast<std::size_t>(cong_line_)];
    const std::uint16_t ours = doc_.our_congregation();
    const store::BrotherIndex& index = doc_.brothers();
    for (std::size_t pos = 0; pos < index.size(); ++pos) {
        const store::BrotherEntry& b = index.at(pos);
        if (circuit != 0) {
            const auto c = doc_.congregations().find(b.cong_id);
            if (!c || doc_.congregations().at(*c).circuit_id != circuit) continue;
        }
        if (cong != 0 && b.cong_id != cong) continue;
        // Our own brothers who give no talks only when another congregation is chosen.
        if (b.cong_id == ours && ours != 0 && b.talks.empty() && (cong == 0 || cong == ours))
            continue;
        std::string line = b.last_first();
        if (b.ministerial_servant())
            line += " ( " + text::text(TextId::ministerial_servant_mark) + " ) ";
        if (preselect != 0 && b.brother_id == preselect) brother_line_ = brothers_.size();
        brothers_.push_back({std::move(line), pos});
    }
    if (!brother_line_ && !brothers_.empty()) brother_line_ = 0;
    fill_history();
}

void SpeakerHistoryModel::select_brother_line(std::size_t line) {
    if (line >= brothers_.size()) return;
    brother_line_ = line;
    fill_history();
}

std::uint16_t SpeakerHistoryModel::brother_id() const {
    if (!brother_line_) return 0;
    return doc_.brothers().at(brothers_[*brother_line_].position).brother_id;
}

void SpeakerHistoryModel::fill_history() {
    history_.clear();
    visits_.clear();
    history_line_.reset();
    const std::uint16_t id = brother_id();
    if (id == 0) return;
    const store::BrotherEntry& b = doc_.brothers().at(brothers_[*brother_line_].position);
    const bool ours = b.cong_id != 0 && b.cong_id == doc_.our_congregation();
    const store::WeekTable& weeks = doc_.weeks();
    const WeekIndex top =
        std::min(WeekIndex(doc_.current_week().value + kWeeksAhead), weeks.last());
    const WeekIndex bottom = std::max(WeekIndex(1), weeks.first());
    for (WeekIndex i = top; i >= bottom; --i) {
        const store::WeekRecord& w = weeks.at(i);
        const std::string date = doc_.date_label(i.number(), kListStyle);
        if (w.speaker_id == id) {
            history_.push_back(date + "\t" + doc_.talks().number_text(w.talk_no));
            visits_.push_back({i, std::nullopt});
        }
        if (!ours) continue;
        for (std::size_t k = 0; k < store::WeekRecord::kOutPlaces; ++k) {
            if (w.out_speaker_id[k] != id) continue;
            history_.push_back(date + text::text(TextId::outgoing_mark) + "\t" +
                               doc_.talks().number_text(w.out_talk_no[k]));
            visits_.push_back({i, k});
        }
    }
    if (!history_.empty()) history_line_ = 0;
}

void SpeakerHistoryModel::select_history_line(std::size_t line) {
    if (line < history_.size()) history_line_ = line;
}

std::string SpeakerHistoryModel::title() const {
    if (!brother_line_) return {};
    const store::BrotherEntry& b = doc_.brothers().at(brothers_[*brother_line_].position);
    std::string title = text::text(TextId::history) + " - " + b.first_last();
    if (b.cong_id != 0 && doc_.congregations().find(b.cong_id))
        title += " - " + doc_.congregations().name_of(b.cong_id);
    return title;
}

std::string SpeakerHistoryModel::talk_line() const {
    if (!history_line_) return {};
    const HistoryVisit& v = visits_[*history_line_];
    const store::WeekRecord& w = doc_.weeks().at(v.week);
    const int talk = v.slot ? w.out_talk_no[*v.slot] : w.talk_no;
    std::string line = doc_.date_label(v.week.number(), kCaptionStyle);
    if (v.slot || talk != 0)
        line += " - " + doc_.talks().title(talk) + " ( " + doc_.talks().number_text(talk) + " ) ";
    return line;
}

std::string SpeakerHistoryModel::destination_line() const {
    if (!history_line_ || !visits_[*history_line_].slot) return {};
    const HistoryVisit& v = visits_[*history_line_];
    return text::text(TextId::in_word) + " " +
           doc_.congregations().name_of(doc_.weeks().at(v.week).out_cong_id[*v.slot]);
}

}  // namespace vorla::schedule
