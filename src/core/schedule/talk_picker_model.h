#pragma once
// The talk picker: candidate talks filtered by what the speaker or his congregation gives,
// by topic, by how long ago a talk was last heard in our hall and by the talks-we-need list.
// Single mode picks one talk from a list; multiple mode ticks talks in a grid and edits the
// needed set.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/calendar/week.h"
#include "core/store/document.h"
#include "core/text/talk_set.h"

namespace vorla::schedule {

struct TalkPickerParams {
    std::string title;
    bool single = true;
    int chosen = 0;                  // preselected talk (single mode)
    std::uint16_t speaker = 0;       // only talks he gives
    std::uint16_t congregation = 0;  // only talks some brother of it gives
    bool only_needed = false;        // "Только список нужных"
    text::TalkSet needed;            // the wanted talks; edited in multiple mode
    bool wish_mode = false;  // the talks-we-need list: no "Только список нужных"
};

struct TalkEntry {
    int talk_no = 0;
    std::string text;  // "  " and the number text
};

// The lines under the list for one talk.
struct TalkDetails {
    std::string title;       // title ( number )
    std::string last_heard;  // "Последний:  " and the date
    std::string speaker;     // that week's speaker - his congregation
    std::string priority;  // with only-needed on: "Высокий", "Средний" or "Низкий"
    friend bool operator==(const TalkDetails&, const TalkDetails&) = default;
};

class TalkPickerModel {
  public:
    static constexpr int kOfferedTalks = 200;  // talks above are never offered

    TalkPickerModel(const store::Document& doc, TalkPickerParams params);

    const std::string& title() const { return params_.title; }
    bool single() const { return params_.single; }

    // "Только список нужных": hidden for the talks-we-need list.
    bool only_needed_visible() const { return !params_.wish_mode; }
    bool only_needed() const { return params_.only_needed; }
    void toggle_only_needed();

    // "Все категории" and the topics in table order.
    const std::vector<std::string>& topic_lines() const { return topic_lines_; }
    int topic_line() const { return topic_line_; }
    void set_topic_line(int line);
    // "Все речи", "Не на текущем расписании", "Нет в прошлые 6 Месяцев" ...
    static std::vector<std::string> recency_lines();
    int recency_line() const { return recency_line_; }
    void set_recency_line(int line);

    const std::vector<TalkEntry>& entries() const { return entries_; }
    // The entry of a talk, nothing when it is not offered.
    std::optional<std::size_t> entry_of(int talk_no) const;

    // Single mode: the chosen talk (0 = none) and its entry.
    int chosen() const { return params_.chosen; }
    std::optional<std::size_t> selected_entry() const { return entry_of(params_.chosen); }
    void select(std::size_t entry);
    // OK needs a chosen talk in single mode.
    bool ok_enabled() const { return !params_.single || selected_entry().has_value(); }

    // Multiple mode: whether an entry is ticked, and ticking it.
    bool ticked(std::size_t entry) const;
    void set_ticked(std::size_t entry, bool on);

    // The details of a talk under the pointer; of the chosen talk when the pointer left.
    TalkDetails details(int talk_no) const;
    TalkDetails chosen_details() const { return details(params_.chosen); }

    // "Показать историю - Речь %1" when the chosen talk was given in the window.
    bool history_visible() const;
    std::string history_caption() const;

    // OK. Single mode: the chosen talk, nothing without one. Multiple mode: the needed set
    // with the ticks (talks without an entry keep their bits).
    std::optional<int> accept_single() const;
    const text::TalkSet& accept_multiple() const { return params_.needed; }

  private:
    void fill();
    bool not_heard_lately(int talk_no) const;
    calendar::WeekIndex last_considered() const;

    const store::Document& doc_;
    TalkPickerParams params_;
    text::TalkSet heard_lately_;  // talks given in the weeks S - 25 ... S + 78
    text::TalkSet speaker_talks_;
    text::TalkSet congregation_talks_;
    std::vector<std::string> topic_lines_;
    std::vector<std::uint16_t> topic_ids_;
    int topic_line_ = 0;
    int recency_line_ = 0;
    std::vector<TalkEntry> entries_;
};

}  // namespace vorla::schedule
