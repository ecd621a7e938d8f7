#pragma once
// The congregation chooser for a week: the congregations that have a brother who gives the
// wanted talk, with the last time each sent us a speaker; it can go straight on to choosing
// the speaker.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/calendar/week.h"
#include "core/schedule/circuit_filter.h"
#include "core/schedule/speaker_picker_model.h"
#include "core/schedule/week_scan.h"
#include "core/store/document.h"

namespace vorla::schedule {

struct WeekCongregationParams {
    std::string title;
    int talk = 0;  // 0 = any talk
    calendar::WeekIndex week;
};

class WeekCongregationModel {
  public:
    WeekCongregationModel(store::Document& doc, WeekCongregationParams params);

    const std::string& title() const { return params_.title; }
    static std::vector<std::string> column_captions();

    const std::vector<std::string>& circuit_lines() const { return circuits_.lines(); }
    int circuit_line() const { return circuits_.line(); }
    void set_circuit_line(int line);

    const std::vector<text::ListLine>& lines() const { return lines_; }
    std::optional<std::size_t> selected_line() const { return selected_; }
    void select_line(std::size_t line);

    // "Выберите докладчика от" and the selected congregation's name.
    bool speaker_button_visible() const { return selected_.has_value(); }
    std::string speaker_button_caption() const;
    // The speaker picker for the selected congregation and the week.
    SpeakerPickerParams speaker_picker() const;
    // That picker's OK: the week's speaker is the picked brother; the chooser then closes
    // with OK.
    void apply_speaker(std::size_t brother_pos);

    // OK or a double-click: the selected congregation's index position; nothing closes the
    // chooser as cancelled.
    std::optional<std::size_t> accept() const;

  private:
    void fill();

    store::Document& doc_;
    WeekCongregationParams params_;
    CircuitFilter circuits_;
    std::vector<int> speakers_;  // per congregation id: brothers who give the talk
    LatestById visits_;
    std::vector<text::ListLine> lines_;
    std::optional<std::size_t> selected_;
};

}  // namespace vorla::schedule
