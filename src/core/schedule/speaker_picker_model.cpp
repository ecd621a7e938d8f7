#include "core/schedule/speaker_picker_model.h"

#include "core/schedule/unavailable_in_week.h"
#include "core/text/texts.h"
#include "core/text/trim.h"
#include "core/text/utf8.h"

namespace vorla::schedule {

using text::TextId;

using calendar::WeekIndex;

namespace {
constexpr auto kLastVisitStyle =
    calendar::LabelStyle::short_month | calendar::LabelStyle::with_year;
constexpr auto kCaptionStyle = calendar::LabelStyle::with_year;

// The talk button's caption for a brother of that name giving that many talks.
std::string talk_caption(const std::string& name, int talks) {
    return text::text(TextId::choose_talk_of) + " - " + name + " ( " + std::to_string(talks) + " )";
}

}  // namespace

SpeakerPickerModel::SpeakerPickerModel(store::Document& doc, SpeakerPickerParams params)
    : doc_(doc),
      params_(std::move(params)),
      circuits_(doc),
      visits_(speaker_visits(doc.weeks(), WeekIndex(doc.current_week().value + 20))) {
    fill_congregations();
    fill();
    for (std::size_t k = 0; k < lines_.size(); ++k) {
        if (params_.current != 0 &&
            doc_.brothers().at(lines_[k].position).brother_id == params_.current) {
            select_line(k);
            break;
        }
    }
}

std::vector<std::string> SpeakerPickerModel::column_captions() {
    return {text::text(text::TextId::role_speaker), text::text(text::TextId::congregation),
            text::text(text::TextId::last_visit)};
}

void SpeakerPickerModel::fill_congregations() {
    cong_lines_.clear();
    cong_ids_.clear();
    cong_line_ = 0;
    if (!filters_visible()) return;
    std::vector<const store::CongregationEntry*> listed;
    for (const store::CongregationEntry& c : doc_.congregations().entries()) {
        if (circuits_.passes(c)) listed.push_back(&c);
    }
    if (circuits_.circuit() == 0) {
        cong_lines_.push_back(text::text(TextId::all_congregations));
    } else {
        cong_lines_.push_back(std::to_string(listed.size()) + " " +
                              text::format(TextId::congregations_in_circuit,
                                           doc_.circuits().name_of(circuits_.circuit())));
    }
    cong_ids_.push_back(0);
    for (const store::CongregationEntry* c : listed) {
        cong_lines_.push_back(c->name);
        cong_ids_.push_back(c->cong_id);
    }
}

void SpeakerPickerModel::set_circuit_line(int line) {
    circuits_.set_line(line);
    fill_congregations();
    clear_selection();
    fill();
}

void SpeakerPickerModel::set_congregation_line(int line) {
    cong_line_ = line >= 0 && line < static_cast<int>(cong_lines_.size()) ? line : 0;
    clear_selection();
    fill();
}

void SpeakerPickerModel::fill() {
    lines_.clear();
    const UnavailableInWeek away(doc_, params_.week.number());
    const std::uint16_t wanted_cong =
        params_.fixed_congregation != 0
            ? params_.fixed_congregation
            : (cong_ids_.empty() ? 0 : cong_ids_[static_cast<std::size_t>(cong_line_)]);
    const std::uint16_t circuit = filters_visible() ? circuits_.circuit() : 0;
    const store::BrotherIndex& brothers = doc_.brothers();
    for (std::size_t pos = 0; pos < brothers.size(); ++pos) {
        const store::BrotherEntry& b = brothers.at(pos);
        if (b.discontinued() || b.cong_id == 0) continue;
        if (wanted_cong != 0 && b.cong_id != wanted_cong) continue;
        const auto cong = doc_.congregations().find(b.cong_id);
        if (circuit != 0 && (!cong || doc_.congregations().at(*cong).circuit_id != circuit))
            continue;
        if (params_.talk != 0 ? !b.talks.has(params_.talk) : b.talks.empty()) continue;

        std::string line = away.unavailable(b.brother_id) ? "* " : "";
        line += b.first_last();
        if (b.ministerial_servant())
            line += " ( " + text::text(TextId::ministerial_servant_mark) + " ) ";
        line += "\t";
        if (cong) line += doc_.congregations().at(*cong).name;
        line += "\t";
        if (const auto visit = visits_.of(b.brother_id)) {
            line += doc_.date_label(visit->number(), kLastVisitStyle);
            const int talk = doc_.weeks().at(*visit).talk_no;
            if (talk != 0) line += " ( " + doc_.talks().number_text(talk) + " ) ";
        }
        lines_.push_back({std::move(line), pos});
    }
}

void SpeakerPickerModel::clear_selection() {
    selected_.reset();
    note_.clear();
}

void SpeakerPickerModel::select_line(std::size_t line) {
    if (line >= lines_.size()) return;
    selected_ = line;
    note_.clear();
    const auto record = doc_.brothers().read(doc_.folder(), lines_[line].position);
    if (!record) return;
    const std::string note = doc_.brothers().read_extra(doc_.folder(), *record).note;
    const std::size_t start = note.find_first_not_of("! ");
    if (start != std::string::npos) note_ = " - " + note.substr(start) + " -";
}

std::optional<std::size_t> SpeakerPickerModel::chosen() const {
    if (!selected_) return std::nullopt;
    return lines_[*selected_].position;
}

std::uint16_t SpeakerPickerModel::chosen_id() const {
    const auto pos = chosen();
    return pos ? doc_.brothers().at(*pos).brother_id : 0;
}

std::uint16_t SpeakerPickerModel::chosen_congregation() const {
    const auto pos = chosen();
    return pos ? doc_.brothers().at(*pos).cong_id : 0;
}

bool SpeakerPickerModel::talk_button_visible() const {
    return selected_ && params_.talk == 0;
}

std::string SpeakerPickerModel::talk_button_caption() const {
    const auto pos = chosen();
    if (!pos) return {};
    const store::BrotherEntry& b = doc_.brothers().at(*pos);
    return talk_caption(b.first_last(), static_cast<int>(b.talks.count()));
}

std::string SpeakerPickerModel::widest_side_caption() const {
    std::string longest_name;
    int most_talks = 0;
    const store::BrotherIndex& brothers = doc_.brothers();
    for (std::size_t i = 0; i < brothers.size(); ++i) {
        const std::string name = brothers.at(i).first_last();
        if (text::length(name) > text::length(longest_name)) longest_name = name;
        most_talks = std::max(most_talks, static_cast<int>(brothers.at(i).talks.count()));
    }
    std::string widest;
    for (std::string caption : {talk_caption(longest_name, most_talks),
                                text::format(TextId::show_history_of, longest_name),
                                text::format(TextId::show_available, longest_name)}) {
        if (text::length(caption) > text::length(widest)) widest = std::move(caption);
    }
    return widest;
}

bool SpeakerPickerModel::history_visible() const {
    return visits_.of(chosen_id()).has_value();
}

std::string SpeakerPickerModel::history_caption() const {
    return text::format(TextId::show_history_of, doc_.brothers().name_of(chosen_id()));
}

bool SpeakerPickerModel::chosen_available() const {
    return doc_.brother_available(chosen_id(), params_.week.number());
}

bool SpeakerPickerModel::availability_visible() const {
    return selected_ && !chosen_available();
}

std::string SpeakerPickerModel::availability_caption() const {
    return text::format(TextId::show_available, doc_.brothers().name_of(chosen_id()));
}

bool SpeakerPickerModel::refuse_unavailable() {
    if (chosen_available()) return false;
    doc_.prompter().inform(
        text::format(TextId::unavailable_of, doc_.brothers().name_of(chosen_id())) + " - " +
            doc_.date_label(params_.week.number(), kCaptionStyle),
        io::Icon::warning);
    return true;
}

std::optional<TalkPickerParams> SpeakerPickerModel::talk_picker() {
    if (!selected_ || refuse_unavailable()) return std::nullopt;
    TalkPickerParams p;
    p.title = doc_.date_label(params_.week.number(), kCaptionStyle) + " - " +
              doc_.brothers().name_of(chosen_id());
    p.single = true;
    p.chosen = doc_.weeks().at(params_.week).talk_no;
    p.speaker = chosen_id();
    p.needed = doc_.wish_list().record().wanted;
    return p;
}

void SpeakerPickerModel::apply_talk(int talk_no) {
    doc_.weeks().at(params_.week).talk_no = static_cast<std::uint16_t>(talk_no);
    doc_.weeks().store(params_.week);
}

SpeakerPickerModel::Close SpeakerPickerModel::accept() {
    if (!selected_) return Close::cancel;
    return refuse_unavailable() ? Close::stay : Close::ok;
}

std::string speaker_picker_title(const store::Document& doc, calendar::WeekIndex week,
                                 int talk_no) {
    std::string title = doc.date_label(week.number(), kCaptionStyle);
    if (talk_no != 0)
        title += " - " + text::text(TextId::talk) + " " + doc.talks().number_text(talk_no);
    return title;
}

}  // namespace vorla::schedule
