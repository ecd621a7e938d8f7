#pragma once
// The summary page: 20 weeks from the start week at a glance, as a table of cells the page
// draws. Each date is filled in its week's status colour and carries the status's symbol, so
// that the colour is never the only sign; each name is inked by whether the person is away
// or double-booked. The page owns the shared start week S and moves it by 10 weeks; a click
// on a cell brings forward the page that edits it, at that week.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/schedule/sheet_page.h"
#include "core/schedule/week_status.h"
#include "core/store/document.h"

namespace vorla::schedule {

// 0xRRGGBB fill of a status; none for WeekStatus::none.
std::optional<std::uint32_t> status_colour(WeekStatus status);
// The sign drawn beside the colour: "+", "-", "*", "?", "#".
std::string status_symbol(WeekStatus status);

// How a name is inked: red, purple, blue or the window-text colour.
enum class Ink { text, unavailable, double_booked, unconfirmed };
std::optional<std::uint32_t> ink_colour(Ink ink);  // none: the window-text colour
// The sign before an inked name: "* ", "# ", "~ "; empty for plain text.
std::string ink_marker(Ink ink);

enum class SummaryView { normal, roles };  // roles: chairmen, hosts and readers by name

enum class SummaryColumn {
    date,
    speaker,
    talk,
    chairman_mark,
    host_mark,
    reader_mark,
    outgoing,
    chairman,
    host,
    reader
};

// A column's left edge as a fraction of the table's width.
struct ColumnEdge {
    SummaryColumn column;
    int num;
    int den;
};
// The columns of a view, left to right, with their left edges.
std::vector<ColumnEdge> summary_columns(SummaryView view);

struct SummaryCell {
    std::string text;
    Ink ink = Ink::text;
    bool filled = false;  // in the row's status colour
    bool right_aligned = false;
};

// The cell's text with the sign of its ink, so that colour is not the only carrier: before
// a name ("* Иван Петров"), after a one-letter mark ("X#").
std::string signed_text(const SummaryCell& cell, SummaryColumn column);

struct SummaryRow {
    calendar::WeekIndex week;
    WeekStatus status = WeekStatus::none;
    std::vector<SummaryCell> cells;  // one per column of the view
};

// The legend: the Part's four buttons and the conflict sign.
struct LegendEntry {
    WeekStatus status;
    std::string text;
    bool visible = false;  // some row of the drawing has the status
};

class SummaryModel final : public SheetPage {
  public:
    static constexpr int kRows = 20;

    explicit SummaryModel(store::Document& doc);

    PageKind kind() const override { return PageKind::summary; }
    void refresh() override { rebuild(); }
    void select(int) override {}
    void store_selected() override {}

    calendar::WeekNumber start() const { return start_; }
    SummaryView view() const { return view_; }
    // "Начало\n<date>"
    std::string start_label() const;
    std::string view_caption() const { return view_caption_; }
    // The year of the start week, and under it the year 20 weeks on when that differs.
    std::vector<std::string> year_lines() const;
    std::vector<std::string> column_titles() const;
    const std::vector<SummaryRow>& rows() const { return rows_; }
    std::vector<LegendEntry> legend() const;

    // One step of the spin: 10 weeks back down to the window's first week, or 10 weeks on
    // up to 150 weeks from today. S follows and the other pages rebuild.
    void spin(bool up);
    void toggle_view();
    // A click in a column of a row (nothing: the header row). False when nothing opens.
    bool click(std::optional<int> row, SummaryColumn column);
    // The page a column opens in the present view and settings.
    std::optional<PageKind> target_of(SummaryColumn column) const;

    void rebuild();

  private:
    SummaryRow build_row(calendar::WeekIndex w) const;
    void fill_normal(const store::WeekRecord& r, SummaryRow& row) const;
    void fill_roles(const store::WeekRecord& r, SummaryRow& row) const;
    Ink ink_of(std::uint16_t brother, calendar::WeekIndex w, store::AssignmentType own) const;

    store::Document& doc_;
    calendar::WeekNumber start_;
    SummaryView view_ = SummaryView::normal;
    std::string view_caption_;
    std::vector<SummaryRow> rows_;
};

}  // namespace vorla::schedule
