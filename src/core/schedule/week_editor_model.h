#pragma once
// The week editor ("Редактировать историю"): any week of the window, past ones included, edited
// field by field in a copy. Switching weeks stores the copy when it changed; the week file is
// written once, when the editor closes by OK or by Cancel.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/calendar/week.h"
#include "core/store/brother_record.h"
#include "core/store/document.h"
#include "core/text/texts.h"

namespace vorla::schedule {

class WeekEditorModel {
  public:
    // Opens on the present week with the first outgoing line selected.
    explicit WeekEditorModel(store::Document& doc);

    // The week drop-down: the window's weeks from its first up to 31 weeks past the present one.
    const std::vector<std::string>& week_lines() const { return week_lines_; }
    int week_line() const { return line_; }
    calendar::WeekIndex week() const { return calendar::WeekIndex(doc_.weeks().base() + line_); }
    // Another week: the copy is stored first when it changed.
    void select_week_line(int line);
    // "Пред." (-1) / "След." (+1): one line; nothing at the ends.
    void step_week(int delta);

    // --- what the dialog shows ----------------------------------------------------------------
    std::string title() const;
    bool reader_visible() const { return doc_.settings().readers_scheduled; }
    bool hospitality_visible() const { return doc_.settings().hospitality_scheduled; }
    std::string speaker_caption() const;
    std::string chairman_caption() const;
    std::string reader_caption() const;
    std::string host_caption() const;
    std::string talk_caption() const;
    // "Очистить": the week has a speaker, a first outgoing speaker, a chairman, a reader, a host
    // or a talk.
    bool clear_visible() const;

    // The outgoing speakers, one line per filled slot in slot order.
    std::vector<std::string> outgoing_lines() const;
    std::size_t outgoing_line() const { return out_line_; }
    void select_outgoing_line(std::size_t line);
    // The up-down control: one line per click, within the list.
    void step_outgoing(int delta);
    // The selected line's talk and congregation buttons, "Заменить" and "Удалить".
    bool outgoing_buttons_visible() const { return !outgoing_lines().empty(); }
    bool outgoing_updown_visible() const { return outgoing_lines().size() >= 2; }
    std::string outgoing_talk_caption() const;
    std::string outgoing_congregation_caption() const;

    // --- what the choosers are opened with ----------------------------------------------------
    const store::WeekRecord& copy() const { return copy_; }
    bool changed() const { return changed_; }
    std::uint16_t selected_outgoing_speaker() const;
    std::uint16_t selected_outgoing_congregation() const;
    std::uint16_t selected_outgoing_talk() const;
    // The host's 1-based position in the hospitality list, -1 for none.
    int host_preselect() const;

    // --- actions: choosers that closed with OK ------------------------------------------------
    // The brother at this index position speaks in our hall (with his congregation).
    void apply_speaker(std::size_t brother_pos);
    void apply_chairman(std::size_t brother_pos);
    void apply_reader(std::size_t brother_pos);
    void apply_host(std::uint16_t host_id);
    void apply_talk(int talk_no);
    // "Добавить": into the first empty slot, unless all six are used or he has one already.
    void add_outgoing(std::size_t brother_pos);
    // "Заменить": another brother in the selected slot, without its congregation and talk.
    void replace_outgoing(std::size_t brother_pos);
    // "Удалить": the later slots move up.
    void remove_outgoing();
    // The outgoing talk button: the selected speaker's record for the talk chooser.
    std::optional<store::BrotherRecord> outgoing_talk_record() const;
    // After that chooser: the record is written back (an edit of his talks is kept); a chosen
    // talk (catalogue position) becomes the slot's.
    void apply_outgoing_talk(const store::BrotherRecord& record,
                             std::optional<std::size_t> talk_index);
    void apply_outgoing_congregation(std::size_t cong_pos);
    // "Очистить": everything but the week number goes, and the copy is stored at once.
    void clear();

    // OK: the copy is stored when it changed; then the week file is written.
    void ok();
    // "Отмена": the shown week is dropped; weeks stored earlier stay and the file is written.
    void cancel();

  private:
    void load();
    void store_copy();
    void pack();
    void touch() { changed_ = true; }
    std::string role_caption(text::TextId role, std::uint16_t brother_id) const;
    void save() const;

    store::Document& doc_;
    std::vector<std::string> week_lines_;
    int line_ = 0;
    store::WeekRecord copy_;
    std::size_t out_line_ = 0;
    bool changed_ = false;
};

}  // namespace vorla::schedule
