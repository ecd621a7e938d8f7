#pragma once
// The speaker picker: brothers of other congregations who give the wanted talk, with their
// congregation and last visit to our hall, filtered by circuit and congregation. An
// unavailable speaker cannot be picked.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/calendar/week.h"
#include "core/schedule/circuit_filter.h"
#include "core/schedule/talk_picker_model.h"
#include "core/schedule/week_scan.h"
#include "core/store/document.h"
#include "core/text/list_line.h"

namespace vorla::schedule {

struct SpeakerPickerParams {
    std::string title;
    int talk = 0;                          // 0 = any talk
    calendar::WeekIndex week;              // the week he is wanted for
    std::uint16_t current = 0;             // preselected brother
    std::uint16_t fixed_congregation = 0;  // only its brothers; hides the filters
};

class SpeakerPickerModel {
  public:
    SpeakerPickerModel(store::Document& doc, SpeakerPickerParams params);

    const std::string& title() const { return params_.title; }
    static std::vector<std::string> column_captions();

    // The circuit and congregation lists are hidden with a fixed congregation.
    bool filters_visible() const { return params_.fixed_congregation == 0; }
    const std::vector<std::string>& circuit_lines() const { return circuits_.lines(); }
    int circuit_line() const { return circuits_.line(); }
    void set_circuit_line(int line);
    // "Все собрания" (or "N Собрания в районе X") and the congregations of the circuit.
    const std::vector<std::string>& congregation_lines() const { return cong_lines_; }
    int congregation_line() const { return cong_line_; }
    void set_congregation_line(int line);

    const std::vector<text::ListLine>& lines() const { return lines_; }
    std::optional<std::size_t> selected_line() const { return selected_; }
    void select_line(std::size_t line);
    // The picked brother's index position.
    std::optional<std::size_t> chosen() const;

    // The buttons of the selected brother.
    bool talk_button_visible() const;
    std::string talk_button_caption() const;
    bool history_visible() const;
    std::string history_caption() const;
    bool availability_visible() const;
    std::string availability_caption() const;
    bool contacts_visible() const { return selected_.has_value(); }
    // The longest of those captions for any brother the picker can list: the buttons are
    // made that wide once, so that selecting a line never widens the dialog.
    std::string widest_side_caption() const;
    std::uint16_t chosen_id() const;
    std::uint16_t chosen_congregation() const;
    // " - " note " -" of the selected brother; empty without a note.
    const std::string& note_line() const { return note_; }

    // The talk picker for the selected brother: only his talks. An unavailable brother is
    // refused first ("<name> не доступные"), and nothing opens.
    std::optional<TalkPickerParams> talk_picker();
    // That picker's OK: the week's talk becomes the picked talk; the speaker picker then
    // closes with OK.
    void apply_talk(int talk_no);

    // OK: closes when nobody is selected (as Cancel) or the brother is available; an
    // unavailable brother is refused ("<name> не доступные") and the picker stays open.
    enum class Close { cancel, ok, stay };
    Close accept();

  private:
    void fill_congregations();
    void fill();
    void clear_selection();
    bool chosen_available() const;
    bool refuse_unavailable();

    store::Document& doc_;
    SpeakerPickerParams params_;
    CircuitFilter circuits_;
    LatestById visits_;
    std::vector<std::string> cong_lines_;
    std::vector<std::uint16_t> cong_ids_;
    int cong_line_ = 0;
    std::vector<text::ListLine> lines_;
    std::optional<std::size_t> selected_;
    std::string note_;
};

}  // namespace vorla::schedule

namespace vorla::schedule {

// The title of a speaker picker for a week: its date (style 2) and, with a talk, " - Речь "
// and the talk's number.
std::string speaker_picker_title(const store::Document& doc, calendar::WeekIndex week, int talk_no);

}  // namespace vorla::schedule
