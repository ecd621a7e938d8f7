#pragma once
// The local-role list: the outgoing speakers, chairmen or Watchtower readers of our
// congregation. Its edit view ticks brothers onto the list, its list view shows who is on it;
// OK writes every local brother's `roles` byte into his record. With a present person it is
// the chooser of a chairman or reader for a week; in assignments mode it picks a local brother
// who has assignments.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/store/document.h"
#include "core/store/local_role.h"
#include "core/text/list_line.h"

namespace vorla::editors {

struct LocalRoleListParams {
    store::LocalRole role = store::LocalRole::outgoing_speaker;
    // Schedule week index; 0 = none. Otherwise brothers unavailable that week are marked.
    int week = 0;
    // The present person's index position + 1; non-zero makes the list a chooser.
    std::size_t current = 0;
    // List the local brothers who have assignments instead of a role list.
    bool assignments = false;
};

class LocalRoleListModel {
  public:
    enum class Close { ok, cancel };

    // Opens in the list view.
    LocalRoleListModel(store::Document& doc, LocalRoleListParams params);

    const LocalRoleListParams& params() const { return params_; }
    bool chooser() const { return params_.current != 0; }
    // "Уходящие докладчики", "Председатели", "Чтецы"; "Выбрать" in assignments mode.
    std::string title() const;
    // "Выбрать" for a chooser, else "OK".
    std::string ok_caption() const;
    // A chooser hides OK while the edit view is shown.
    bool ok_visible() const { return !(chooser() && edit_view_); }
    bool edit_button_visible() const { return !params_.assignments; }
    // "Просмотр списка" in the edit view, "Редактировать список" in the list view.
    std::string edit_caption() const;

    bool edit_view() const { return edit_view_; }
    // Edit view: every local brother with a name, the line's position his place in the
    // local-brother table. List view: those on the list, marked; assignments mode: those
    // with assignments.
    const std::vector<text::ListLine>& lines() const { return lines_; }
    // Edit view: the lines of brothers on the list.
    const std::vector<std::size_t>& ticked() const { return ticked_; }
    // List view: the present person's line, to select first.
    std::optional<std::size_t> current_line() const;

    // "* Недоступен - <date>" while a listed brother is unavailable in the week.
    bool status_visible() const { return status_visible_; }
    std::string status_text() const;

    // The edit button: the edit view is applied when it is left; then the other view.
    void toggle_view();
    // Each change of the edit view's selection puts the selected lines' brothers on the list
    // and takes the others off (in the local-brother table).
    void set_ticked(const std::vector<std::size_t>& lines);
    // OK, with the list view's selected line: the roles are written to speakers.dat and the
    // line's brother is chosen. Assignments mode without a line closes as Cancel.
    Close ok(std::optional<std::size_t> line);
    // The chosen brother's index position after OK.
    std::optional<std::size_t> chosen() const { return chosen_; }

  private:
    void fill();
    std::string base_line(const store::LocalBrother& local) const;

    store::Document& doc_;
    LocalRoleListParams params_;
    bool edit_view_ = false;
    std::vector<text::ListLine> lines_;
    std::vector<std::size_t> ticked_;
    bool status_visible_ = false;
    std::optional<std::size_t> chosen_;
};

}  // namespace vorla::editors
