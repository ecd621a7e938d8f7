#pragma once
// The availability editor: the next 52 weeks of one brother, the weeks he cannot serve
// selected. The scheduling pages open it read-only; the brother editor and the availability
// command let the user change the marks and the discontinued flag.
#include <cstdint>
#include <string>
#include <vector>

#include "core/calendar/week.h"
#include "core/store/document.h"

namespace vorla::editors {

class AvailabilityModel {
  public:
    static constexpr int kWeeks = 52;

    // brother_id 0: no brother, nothing selected and nothing stored.
    AvailabilityModel(store::Document& doc, std::uint16_t brother_id, bool discontinued,
                      bool read_only);

    // His first-name-first name; empty without a brother.
    const std::string& title() const { return title_; }
    bool read_only() const { return read_only_; }
    // OK and the prompt above the list are hidden when read-only.
    bool ok_visible() const { return !read_only_; }
    bool prompt_visible() const { return !read_only_; }
    // "Выбрать недоступные недели"; for a brother not yet saved, why the list takes no clicks.
    std::string prompt_text() const;
    // Weeks can be marked only for a brother who has an id to store them under (a new brother
    // gets his when he is saved); otherwise clicks in the list must not pretend to mark.
    bool weeks_editable() const { return !read_only_ && brother_id_ != 0; }
    // "Отмена", or "Закрыть" when read-only.
    std::string cancel_caption() const;

    // Line i is the date label (style 26) of week number W + i.
    const std::vector<std::string>& lines() const { return lines_; }
    calendar::WeekNumber week_of(int line) const { return first_ + line; }

    bool selected(int line) const;
    void set_selected(int line, bool on);
    // The line to scroll to the top: the first selected at opening, -1 for none.
    int first_selected() const { return first_selected_; }
    int selected_count() const;
    // The count between "Недоступен" and "Недели".
    std::string count_text() const { return std::to_string(selected_count()); }

    // The discontinued box cannot be changed read-only.
    bool discontinued_enabled() const { return !read_only_; }
    bool discontinued() const { return discontinued_; }
    void set_discontinued(bool on) { discontinued_ = on; }

    // OK: marks the weeks selected since opening, unmarks those deselected. Weeks outside the
    // 52 lines are left as they are. Does nothing read-only or without a brother.
    void accept();

  private:
    store::Document& doc_;
    std::uint16_t brother_id_;
    bool discontinued_;
    bool read_only_;
    calendar::WeekNumber first_;
    std::string title_;
    std::vector<std::string> lines_;
    std::vector<bool> start_;
    std::vector<bool> now_;
    int first_selected_ = -1;
};

// The availability command's OK: a changed discontinued mark goes into his record (flags bit 5,
// written by slot, his index entry rebuilt). Returns false when nothing needed writing or he
// cannot be read.
bool store_discontinued(store::Document& doc, std::uint16_t brother_id, bool discontinued);

}  // namespace vorla::editors
