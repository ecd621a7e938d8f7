#include "core/schedule/week_congregation_model.h"

#include "core/text/texts.h"

namespace vorla::schedule {

using text::TextId;

using calendar::WeekIndex;

WeekCongregationModel::WeekCongregationModel(store::Document& doc, WeekCongregationParams params)
    : doc_(doc),
      params_(std::move(params)),
      circuits_(doc),
      speakers_(65536, 0),
      // Searched from S + 25 down to the table's second week.
      visits_(congregation_visits(doc.weeks(), WeekIndex(doc.current_week().value + 25),
                                  doc.weeks().first() + 1)) {
    for (const store::BrotherEntry& b : doc_.brothers().entries()) {
        if (params_.talk != 0 ? b.talks.has(params_.talk) : !b.talks.empty())
            ++speakers_[b.cong_id];
    }
    fill();
}

std::vector<std::string> WeekCongregationModel::column_captions() {
    return {text::text(text::TextId::congregation_speakers_column),
            text::text(text::TextId::last_visit_talk_column), text::text(text::TextId::week)};
}

void WeekCongregationModel::set_circuit_line(int line) {
    circuits_.set_line(line);
    selected_.reset();
    fill();
}

void WeekCongregationModel::fill() {
    lines_.clear();
    const store::CongregationIndex& congs = doc_.congregations();
    for (std::size_t pos = 0; pos < congs.size(); ++pos) {
        const store::CongregationEntry& c = congs.at(pos);
        if (!circuits_.passes(c)) continue;
        const int count = c.cong_id != 0 ? speakers_[c.cong_id] : 0;
        if (count == 0) continue;
        std::string line = c.name + " ( " + std::to_string(count) + " ) \t";
        if (const auto week = visits_.of(c.cong_id)) {
            const store::WeekRecord& w = doc_.weeks().at(*week);
            line += doc_.brothers().name_of(w.speaker_id);
            if (w.talk_no != 0) line += " ( " + doc_.talks().number_text(w.talk_no) + " ) ";
            line += '\t';
            line += doc_.date_label(week->number(), calendar::LabelStyle::short_month |
                                                        calendar::LabelStyle::with_year);
        }
        lines_.push_back({std::move(line), pos});
    }
}

void WeekCongregationModel::select_line(std::size_t line) {
    if (line < lines_.size()) selected_ = line;
}

std::string WeekCongregationModel::speaker_button_caption() const {
    if (!selected_) return {};
    return text::text(TextId::choose_speaker_from) + " " +
           doc_.congregations().at(lines_[*selected_].position).name;
}

SpeakerPickerParams WeekCongregationModel::speaker_picker() const {
    SpeakerPickerParams p;
    p.title = speaker_picker_title(doc_, params_.week, params_.talk);
    p.talk = params_.talk;
    p.week = params_.week;
    p.current = doc_.weeks().at(params_.week).speaker_id;
    if (selected_)
        p.fixed_congregation = doc_.congregations().at(lines_[*selected_].position).cong_id;
    return p;
}

void WeekCongregationModel::apply_speaker(std::size_t brother_pos) {
    if (brother_pos >= doc_.brothers().size()) return;
    doc_.weeks().at(params_.week).speaker_id = doc_.brothers().at(brother_pos).brother_id;
    doc_.weeks().store(params_.week);
}

std::optional<std::size_t> WeekCongregationModel::accept() const {
    if (!selected_) return std::nullopt;
    return lines_[*selected_].position;
}

}  // namespace vorla::schedule
