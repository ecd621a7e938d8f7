#pragma once
// The outgoing-speakers page: our brothers who give talks in other congregations. A week has
// up to six slots, each a speaker with the congregation he visits and the talk he gives, kept
// packed from slot 0. The week list shows one slot per week; the slot list the selected week's.
// A slot can be exchanged with a slot of another week.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/schedule/speaker_week_list.h"
#include "core/store/brother_record.h"

namespace vorla::schedule {

// One outgoing assignment.
struct OutgoingSlot {
    std::uint16_t speaker = 0;
    std::uint16_t congregation = 0;
    std::uint16_t talk = 0;
    bool empty() const { return speaker == 0 && congregation == 0 && talk == 0; }
    friend bool operator==(const OutgoingSlot&, const OutgoingSlot&) = default;
};

OutgoingSlot slot_of(const store::WeekRecord& week, std::size_t k);
void set_slot(store::WeekRecord& week, std::size_t k, const OutgoingSlot& slot);
// The number of slots with a speaker.
std::size_t used_slots(const store::WeekRecord& week);
// Moves the slots with a speaker down in order over any gap; the rest become zero. True when
// anything moved.
bool pack_slots(store::WeekRecord& week);
// A slot's talk button: "Речь - <title> ( <number> ) ", or "Речь" without a talk.
std::string slot_talk_caption(const store::Document& doc, int talk_no);
// A slot's congregation button: "Собрание - <name>", or "Собрание" without one.
std::string slot_congregation_caption(const store::Document& doc, std::uint16_t cong_id);
// The record a talk chooser worked on, written back when the chooser changed his talks (only
// then is it news to anyone). True when it was written.
bool keep_chooser_record(store::Document& doc, const store::BrotherRecord& record);

class OutgoingModel final : public SpeakerWeekListModel {
  public:
    static constexpr std::size_t kSlots = store::WeekRecord::kOutPlaces;

    // The first row whose slot 0 lacks a talk or a speaker is selected (events do not count);
    // row 0 when every week has both.
    explicit OutgoingModel(store::Document& doc);

    PageKind kind() const override { return PageKind::outgoing; }

    // "Неделя", "Речь", "Докладчик" and the visited congregation's column (no caption).
    static const std::vector<std::string>& column_captions();
    static std::vector<std::string> cells(std::string_view row);

    // A click on a week: the week left behind is stored, slot 0 of the new one is selected.
    void select(int row) override;
    // A click in the slot list; limited to its last line.
    void select_slot(int line);
    std::size_t selected_slot() const { return slot_; }
    OutgoingSlot slot() const { return slot_of(selected_record(), slot_); }
    std::uint16_t speaker() const override { return slot().speaker; }

    // The slot list of the selected week: "name" or "name - <weekday>" when the visited
    // congregation does not meet on Sunday that week; with an exchange pending, " +..." for
    // the first free slot of a week that has some but not all six.
    std::vector<std::string> slot_lines() const;

    // --- the controls for the selected week and slot ----------------------------------------
    std::string week_caption() const;
    bool add_visible() const;
    // "Заменить", "Удалить", the talk and congregation buttons: the week has a used slot and
    // no exchange is pending ("Заменить", "Удалить").
    bool edit_visible() const;
    bool slot_buttons_visible() const;
    // "Речь - <title> ( <number> ) " or "Речь".
    std::string talk_caption() const;
    // "Собрание - <name>" or "Собрание".
    std::string congregation_caption() const;
    bool contacts_visible() const { return slot().congregation != 0; }
    bool conflict_visible() const { return marks().conflict; }
    std::string conflict_text() const;
    // "Обмен", or "Отменить обмен" while an exchange is pending.
    bool exchange_visible() const;
    std::string exchange_caption() const;
    bool exchange_pending() const { return exchange_.has_value(); }
    std::string exchange_prompt() const;
    // "<name> (<date>) <-> <name> (<date>) Обмен" once another week is selected.
    bool exchange_confirm_visible() const;
    std::string exchange_confirm_caption() const;

    // --- actions ------------------------------------------------------------------------
    // The brother chooser of outgoing speakers gets the week and our congregation.
    calendar::WeekIndex picker_week() const { return selected_week(); }
    // "Добавить" chose the brother at this index position: he takes the first free slot,
    // which is selected. With all six used nothing is added and slot 0 is selected.
    void add(std::size_t brother_pos);
    // "Заменить": another brother in the slot, without its congregation and talk.
    void replace(std::size_t brother_pos);
    // "Удалить": the slot goes, the later ones move down.
    void remove();
    // The talk button: the speaker's record for the talk chooser, nothing without one.
    std::optional<store::BrotherRecord> talk_chooser_record() const;
    // After the talk chooser: his record is written back when the chooser changed his talks
    // (and the brothers are announced); a chosen talk (catalogue position) becomes the slot's.
    void apply_talk(const store::BrotherRecord& record, std::optional<std::size_t> talk_index);
    // The congregation chooser picked the congregation at this index position.
    void apply_congregation(std::size_t cong_pos);
    // "Обмен" starts an exchange of the selected slot; pressed while pending it cancels.
    void press_exchange();
    // The exchange-confirm button: the source slot and the selected one change places.
    void confirm_exchange();

  protected:
    std::string row_text(calendar::WeekIndex w, ListMarks& marks) const override;
    void before_build() override;

  private:
    struct Source {
        calendar::WeekIndex week;
        std::size_t slot = 0;
    };
    std::string slot_line(const OutgoingSlot& s) const;
    std::string named_date(std::uint16_t speaker, calendar::WeekIndex w) const;
    void changed(calendar::WeekIndex w);

    std::size_t slot_ = 0;
    std::optional<Source> exchange_;
};

}  // namespace vorla::schedule
