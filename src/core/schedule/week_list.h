#pragma once
// What every week list of the scheduling sheet shares: 26 rows from the start week S, the
// "* " and "# " markers with the flags that show their legends, the event text of a week,
// the conflict details, and the request to the sibling pages when the conflict flag changed.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/calendar/week.h"
#include "core/schedule/sheet_page.h"
#include "core/store/document.h"

namespace vorla::schedule {

inline constexpr int kRows = 26;

// The text a row shows instead of a name in an event week: "Конгресс", "РН Визит" or
// "Особое событие"; empty for an ordinary week.
std::string event_text(const store::WeekRecord& week);
bool has_event(const store::WeekRecord& week);

// The name of an assignment type (1 "Докладчик" ... 4 "Чтец"); empty for 0.
std::string role_name(store::AssignmentType type);

// What the markers of one build found.
struct ListMarks {
    bool unavailable = false;  // some row showed "* "
    bool conflict = false;     // some person has another assignment
};

// The marker before a person's name in week i: "* " when he is unavailable that week,
// otherwise "# " when he holds another assignment than own_type. The conflict flag is set
// whenever he holds another, also under a "* ". Brother 0 gets nothing.
std::string person_marker(const store::Document& doc, std::uint16_t brother_id,
                          calendar::WeekIndex i, store::AssignmentType own_type, ListMarks& marks);

// The local-talks page's conflict line: "# Конфликт планирования - <date> - <other> - Докладчик".
std::string speaker_conflict_detail(const store::Document& doc, calendar::WeekIndex i,
                                    store::AssignmentType other_type);
// The other pages' conflict lines: "# Конфликт планирования  <date>\n<name>\n<other> - <own>".
std::string role_conflict_detail(const store::Document& doc, calendar::WeekIndex i,
                                 std::string_view name, std::string_view other_role,
                                 std::string_view own_role);

// A page's 26-row list with its selection and marker flags. A page fills in its row text.
class WeekListModel : public SheetPage {
  public:
    explicit WeekListModel(store::Document& doc);

    store::Document& doc() const { return doc_; }
    // F = S - 1: the week of row 0.
    calendar::WeekIndex first_week() const { return first_; }
    calendar::WeekIndex week_of(int row) const { return first_ + row; }
    int selected_row() const { return row_; }
    calendar::WeekIndex selected_week() const { return week_of(row_); }
    const store::WeekRecord& selected_record() const { return doc_.weeks().at(selected_week()); }

    const std::vector<std::string>& rows() const { return rows_; }
    const ListMarks& marks() const { return marks_; }

    // Builds the rows again. When the conflict flag changed since the previous build and the
    // build is not itself a refresh, the siblings are asked to rebuild.
    void rebuild(bool refreshing = false);
    // A sibling changed the weeks: the first week again from S, then a quiet rebuild.
    void refresh() override;

    // Stores the selected week (the sheet's OK).
    void store_selected() override;

  protected:
    virtual std::string row_text(calendar::WeekIndex w, ListMarks& marks) const = 0;
    // The date every row begins with: "Дек 13, 2026".
    std::string row_date(calendar::WeekIndex w) const;
    // Before each build: a page may tidy its weeks (the outgoing page packs their slots).
    virtual void before_build() {}
    // The row each build selects; nothing keeps the selected row.
    virtual std::optional<int> row_to_select() const { return std::nullopt; }
    void set_row(int row);
    // Marks the week changed: bit 0 follows its content.
    void store(calendar::WeekIndex w) { doc_.weeks().store(w); }
    store::WeekRecord& record(calendar::WeekIndex w) { return doc_.weeks().at(w); }

  private:
    store::Document& doc_;
    calendar::WeekIndex first_;
    int row_ = 0;
    std::vector<std::string> rows_;
    ListMarks marks_;
};

// Splits a list line at its tabs into the cells of its columns.
std::vector<std::string> split_tabs(std::string_view line);

}  // namespace vorla::schedule
