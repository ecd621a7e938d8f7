#include "core/schedule/congregation_chooser_model.h"

#include "core/text/texts.h"

namespace vorla::schedule {

using text::TextId;

bool takes_part_in_exchange(const store::Document& doc, std::uint16_t cong_id) {
    if (cong_id == 0 || cong_id == doc.our_congregation()) return false;
    const int t = doc.today_week().value;
    for (int i = t - 1; i <= t + 154; ++i) {
        const store::WeekRecord& w = doc.weeks().at(calendar::WeekIndex(i));
        if (w.speaker_cong_id == cong_id) return true;
        for (const std::uint16_t c : w.out_cong_id) {
            if (c == cong_id) return true;
        }
    }
    return false;
}

CongregationChooserModel::CongregationChooserModel(const store::Document& doc, ChooserMode mode)
    : doc_(doc), mode_(mode), circuits_(doc) {
    build();
}

bool CongregationChooserModel::circuit_filter_visible() const {
    return mode_ != ChooserMode::exchange && doc_.circuits().size() >= 2;
}

void CongregationChooserModel::set_circuit_line(int line) {
    circuits_.set_line(line);
    build();
}

void CongregationChooserModel::build() {
    lines_.clear();
    if (mode_ == ChooserMode::all)
        lines_.push_back({text::text(TextId::all_congregations), kAllLine});
    std::optional<std::size_t> ours;
    const store::CongregationIndex& congs = doc_.congregations();
    for (std::size_t pos = 0; pos < congs.size(); ++pos) {
        const store::CongregationEntry& c = congs.at(pos);
        if (mode_ == ChooserMode::exchange && !takes_part_in_exchange(doc_, c.cong_id)) continue;
        if (!circuits_.passes(c)) continue;
        if (mode_ == ChooserMode::ours && c.cong_id == doc_.our_congregation() && c.cong_id != 0)
            ours = lines_.size();
        lines_.push_back({c.name, pos});
    }
    selected_.reset();
    top_ = 0;
    if (lines_.empty()) return;
    selected_ = ours.value_or(0);
    top_ = *selected_ > kLinesAbove ? *selected_ - kLinesAbove : 0;
}

void CongregationChooserModel::select_line(std::size_t line) {
    if (line < lines_.size()) selected_ = line;
}

std::optional<std::uint16_t> CongregationChooserModel::accept() const {
    if (!selected_) return std::nullopt;
    const std::size_t pos = lines_[*selected_].position;
    if (pos == kAllLine) return 0;
    return doc_.congregations().at(pos).cong_id;
}

}  // namespace vorla::schedule
