#pragma once
// The local-talks page: for each of 26 weeks the talk given in our hall, the speaker and the
// congregation that sends him, and the marks that he was asked, confirmed and reminded.
// Two planned weeks can be exchanged.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/schedule/speaker_picker_model.h"
#include "core/schedule/speaker_week_list.h"
#include "core/schedule/talk_picker_model.h"
#include "core/schedule/week_congregation_model.h"

namespace vorla::schedule {

// The three progress marks; each holds the start week S it was set in.
enum class Mark { requested, confirmed, reminded };

class LocalTalksModel final : public SpeakerWeekListModel {
  public:
    // The first row without talk or speaker (conventions and overseer visits skipped) is
    // selected; row 0 when every week is planned.
    explicit LocalTalksModel(store::Document& doc);

    PageKind kind() const override { return PageKind::local_talks; }

    // "Неделя", "Речь", "Докладчик", "Собрание", "Затребовано", "Подтверждено", "Напомнено".
    static const std::vector<std::string>& column_captions();
    // A row under the seven columns: split at its tabs, each mark's brackets in one cell.
    static std::vector<std::string> cells(std::string_view row);
    // The mark a column toggles.
    static std::optional<Mark> mark_of_column(int column);

    // A click on a row, or the summary's select-row request. While an exchange is pending,
    // selecting another week without an event (inside the table's window) completes it.
    void select(int row) override;

    // --- the controls for the selected week ---------------------------------------------
    std::string week_caption() const;
    // Title ( number ); empty without a talk or for talk numbers above 255.
    std::string talk_caption() const;
    // "Выбор речи", "Выбор докл." and "Обмен"/"Выбор собрания": not in event weeks, not while an
    // exchange is pending.
    bool pickers_visible() const;
    // "Обмен" for a week with talk, speaker and congregation, else "Выбор собрания".
    bool offers_exchange() const;
    std::string exchange_or_congregation_caption() const;
    // "Очистить выборку", or "Отменить обмен" while an exchange is pending.
    bool clear_or_cancel_visible() const;
    std::string clear_or_cancel_caption() const;
    bool contacts_visible() const;
    bool talk_history_visible() const;
    std::string talk_history_caption() const;
    bool conflict_visible() const { return marks().conflict; }
    // "# Конфликт планирования", with the detail when this week's speaker has another role.
    std::string conflict_text() const;
    bool exchange_pending() const { return exchange_.has_value(); }
    std::string exchange_prompt() const;

    std::uint16_t speaker() const override { return selected_record().speaker_id; }
    std::uint16_t congregation() const { return selected_record().speaker_cong_id; }
    int talk() const { return selected_record().talk_no; }

    // --- actions ------------------------------------------------------------------------
    // Requested: set to S when clear; when set, all three marks are cleared. Confirmed: set
    // to S, or cleared with the reminder. Reminded: set to S or cleared. Any week.
    void toggle_mark(int row, Mark mark);
    // "Обмен": the selected week waits for its partner; pressed again it cancels.
    void press_exchange();
    // "Очистить выборку"/"Отменить обмен": cancels a pending exchange, else empties the week's plan
    // and marks.
    void press_clear_or_cancel();

    // The pickers: what they are given, and what their OK does to the week.
    TalkPickerParams talk_picker() const;
    void apply_talk(int talk_no);
    SpeakerPickerParams speaker_picker() const;
    void apply_speaker(std::size_t brother_pos);
    WeekCongregationParams congregation_chooser() const;
    void apply_congregation(std::size_t cong_pos);

  protected:
    std::string row_text(calendar::WeekIndex w, ListMarks& marks) const override;

  private:
    void changed(calendar::WeekIndex w);

    std::optional<calendar::WeekIndex> exchange_;
};

}  // namespace vorla::schedule
