#pragma once
// The chairmen, readers and hospitality pages: one person per week in a meeting role. A
// person is chosen by hand, or "Автовыбор" fills every open week up to the selected one by
// rotation; "Очистить" empties a run of assigned weeks. Chairmen and readers can exchange two
// weeks' persons. After every build the first week that still needs somebody is selected.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/schedule/week_list.h"
#include "core/schedule/weekly_role.h"

namespace vorla::schedule {

// What the local-role list is opened with to choose a chairman or reader for a week.
struct LocalRoleChoice {
    store::LocalRole role = store::LocalRole::chairman;
    calendar::WeekIndex week;
    std::size_t current = 0;  // the present person's index position + 1; 0 = nobody
};

class WeeklyRoleModel final : public WeekListModel {
  public:
    WeeklyRoleModel(store::Document& doc, WeeklyRole role);

    PageKind kind() const override;
    WeeklyRole role() const { return role_; }
    // "Неделя" and the role: "Председатели", "Чтецы" or "Гостеприимные".
    std::vector<std::string> column_captions() const;
    static std::vector<std::string> cells(std::string_view row);

    // A click on a row, or the summary's select-row request. With an exchange pending,
    // another week that has a person completes it.
    void select(int row) override;

    // --- the controls for the selected week ---------------------------------------------
    std::uint16_t person() const { return person_of(selected_record(), role_); }
    // "Выбрать вручную" and "Автовыбор"/"Очистить": where the role is scheduled, and not
    // while an exchange is pending.
    bool choice_visible() const;
    // "Очистить <first> - <last>" for an assigned week, "Автовыбор  <first> - <week>" otherwise.
    bool clears() const { return person() != 0; }
    std::string auto_or_clear_caption() const;
    // Chairmen and readers: "Обмен <name>" for a week with a person, "Отменить обмен" while
    // pending.
    bool exchanges() const { return role_ != WeeklyRole::hospitality; }
    bool exchange_visible() const;
    std::string exchange_caption() const;
    bool exchange_pending() const { return exchange_.has_value(); }
    std::string exchange_prompt() const;
    // Shown when some row has "* "; names the selected week's person when he is the one.
    bool legend_visible() const;
    std::string legend() const;
    bool conflict_visible() const;
    std::string conflict_text() const;

    // --- actions ------------------------------------------------------------------------
    void press_auto_or_clear();
    void press_exchange();
    // Chairmen and readers: the local-role list as a chooser for the selected week.
    LocalRoleChoice manual_choice() const;
    // OK in a chooser opened for week w. A notice while the chooser ran (it may edit the
    // lists) rebuilds the page and moves its selection, so the week is the one it was opened
    // for. Chairmen and readers: the brother at this index position serves then.
    void apply_brother(calendar::WeekIndex w, std::size_t brother_pos);
    // Hospitality: the hospitality list chooser, its first line selected (1-based).
    static constexpr int kHostChooserFirstLine = 1;
    // Hospitality: the host at this position of the hospitality list.
    void apply_host(calendar::WeekIndex w, std::size_t host_pos);

    // The first week "Автовыбор" fills: after the nearest earlier week that has a person
    // (searched no lower than the week before the first row), else the second row (the first
    // for hospitality).
    calendar::WeekIndex fill_start() const;
    // The last week of the run of assigned weeks from the selected one that "Очистить"
    // empties; nothing when the run goes past the week after the last row (only the selected
    // week is cleared then).
    std::optional<calendar::WeekIndex> clear_run_end() const;

  protected:
    std::string row_text(calendar::WeekIndex w, ListMarks& marks) const override;
    std::optional<int> row_to_select() const override;

  private:
    std::string name_of(std::uint16_t person) const;
    void auto_fill();
    void clear_run();
    void assign(calendar::WeekIndex w, std::uint16_t person);

    WeeklyRole role_;
    std::optional<calendar::WeekIndex> exchange_;
};

}  // namespace vorla::schedule
