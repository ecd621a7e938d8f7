#pragma once
// "Редактировать особое событие": the week (one of the next 104), the kind of event, its
// names and which roles may still be scheduled. OK asks before the event displaces the
// week's speaker, chairman, host or reader, and removes them when the user agrees.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/store/document.h"
#include "core/store/special_event_record.h"

namespace vorla::schedule {

class EventDialogModel {
  public:
    static constexpr int kWeeks = 104;
    static constexpr std::size_t kTitleChars = 39;
    static constexpr std::size_t kTalkTitleChars = 95;

    // A new event (nothing: all zero) or a copy of the stored one to edit.
    EventDialogModel(store::Document& doc, std::optional<store::SpecialEventRecord> event);

    // "Выбрать неделю", then the weeks from next week on.
    std::vector<std::string> week_choices() const;
    // The entry shown: 0 = "Выбрать неделю", k = week index T + k - 1.
    int week_choice() const { return week_choice_; }
    void choose_week(int k) { week_choice_ = k; }

    store::EventKind kind() const { return store::event_kind(flags_); }
    // A radio click: the kind's default permissions and name.
    void choose_kind(store::EventKind kind);

    const std::string& title() const { return title_; }
    void set_title(std::string title) { title_ = std::move(title); }
    const std::string& talk_title() const { return talk_title_; }
    void set_talk_title(std::string title) { talk_title_ = std::move(title); }

    // The three permission boxes: "Председатель", "Гостеприимство", "Чтец".
    bool group_visible() const;
    bool chairman_visible() const { return group_visible(); }
    bool host_visible() const { return group_visible(); }
    bool reader_visible() const;
    bool keeps_chairman() const { return keeps_chairman_; }
    bool keeps_host() const { return keeps_host_; }
    bool keeps_reader() const { return keeps_reader_; }
    void set_keeps_chairman(bool on) { keeps_chairman_ = on; }
    void set_keeps_host(bool on) { keeps_host_ = on; }
    void set_keeps_reader(bool on) { keeps_reader_ = on; }

    // OK: false while the dialog stays (no week, no kind, or the user cancelled the
    // question). True when the event is ready; the displaced assignments are gone then.
    bool accept();
    // The event as accepted.
    const store::SpecialEventRecord& event() const { return event_; }

    // The question for a conflict word over a week, as OK asks it.
    std::string question(calendar::WeekIndex w, std::uint16_t conflicts) const;

  private:
    calendar::WeekIndex week_of_choice(int k) const;

    store::Document& doc_;
    int week_choice_ = 0;
    std::uint16_t flags_ = 0;
    std::string title_;
    std::string talk_title_;
    bool keeps_chairman_ = false;
    bool keeps_host_ = false;
    bool keeps_reader_ = false;
    store::SpecialEventRecord event_;
};

}  // namespace vorla::schedule
