#pragma once
// The brother list: the brothers editor's list (Command::brothers) and the program's brother
// chooser. Its parameters say which brothers are listed and what OK does with the selection.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/calendar/week.h"
#include "core/store/document.h"
#include "core/text/list_line.h"

namespace vorla::editors {

// What the chooser picks a brother for; the word goes into "Выбрать %1".
enum class BrotherRole {
    editing,           // no role: the brothers editor
    cobe,              // "Координатор Совета Старейшин"
    talk_coordinator,  // "Ответственный за речи"
    secretary,         // "Секретарь"
    speaker,           // "Докладчик"
    outgoing_speaker,  // "Уходящий докладчик"
    chairman,          // "Председатель"
    reader,            // "Чтец"
};

struct BrotherListParams {
    std::uint16_t cong_filter = 0;    // only the brothers of this congregation (0 = all)
    std::uint16_t excluded_cong = 0;  // speaker chooser: everyone but this congregation's brothers
    BrotherRole role = BrotherRole::editing;  // otherwise: choose a brother for the role
    int week = 0;                             // week index; 0 = none. Marks who is unavailable then
    std::uint16_t current_brother = 0;        // preselected in role modes
    bool hide_add = false;
    // The availability command: each brother chosen opens his availability editor.
    bool availability = false;
};

class BrotherListModel {
  public:
    // What the dialog does after OK or the add button.
    struct Action {
        enum Kind {
            none,
            choose,        // close with OK; chosen() holds his index position
            edit,          // open the brother editor: position, or a new brother when is_new
            pull_in,       // open a speaker chooser excluding pull_in_params().excluded_cong
            availability,  // open the availability editor for position
        };
        Kind kind = none;
        std::size_t position = 0;
        bool is_new = false;
        std::uint16_t preset_cong = 0;  // the new brother's congregation; hides the button
    };

    BrotherListModel(store::Document& doc, BrotherListParams params);

    store::Document& doc() { return doc_; }
    const BrotherListParams& params() const { return params_; }
    bool role_mode() const { return params_.role != BrotherRole::editing; }
    bool speaker_chooser() const { return params_.excluded_cong != 0; }

    std::string title() const;
    std::string ok_caption() const;
    std::string close_caption() const;
    std::string add_caption() const;
    bool add_visible() const;
    // The speaker chooser stands aside (150 right, 20 down) so that its opener stays visible.
    bool stands_aside() const { return speaker_chooser(); }

    // Lists the brothers again and selects the remembered line.
    void fill();
    const std::vector<text::ListLine>& lines() const { return lines_; }
    std::optional<std::size_t> selection() const;
    void select(std::size_t line);
    // The index position of the selected brother.
    std::optional<std::size_t> selected_position() const;
    // Moves the selection one line up or down, wrapping; the brother now selected.
    std::optional<std::size_t> step(int delta);

    // "* Нет собрания ( n )" or "* Недоступен - <date>", shown only when a line has "* ".
    const std::string& star_note() const { return star_note_; }
    bool star_note_visible() const { return star_listed_; }
    // "(§) Прекращено ( n )", empty when nobody listed is discontinued.
    const std::string& discontinued_note() const { return discontinued_note_; }

    Action ok();
    Action add();
    // The parameters of the chooser that pulls a brother into the filtered congregation.
    BrotherListParams pull_in_params() const;
    // A brother picked there moves into the filtered congregation (asking first when he
    // belongs to another one); then the list is filled again.
    bool pull_in(std::size_t position);
    // The brother editor closed: refills, writes the unavailable weeks, and says whether the
    // chooser closes with Cancel (it added a speaker that was saved).
    bool editor_closed(bool saved);
    // The list closed. The availability command writes the unavailable weeks of every brother
    // marked on the way now (blackout.dat is written only when something changed).
    void closed();

    // The result in role modes and the speaker chooser.
    std::optional<std::size_t> chosen() const { return chosen_; }

  private:
    std::uint16_t filter() const;
    std::string line_text(std::size_t pos, int& no_cong, int& discontinued);

    store::Document& doc_;
    BrotherListParams params_;
    std::vector<text::ListLine> lines_;
    int selection_ = 0;
    bool adding_ = false;
    bool star_listed_ = false;
    std::string star_note_;
    std::string discontinued_note_;
    std::optional<std::size_t> chosen_;
};

// The week nearest to `week` (index) within seven weeks either side in which the brother goes
// out as a speaker; the earlier one on a tie.
std::optional<calendar::WeekIndex> nearest_outgoing_week(const store::Document& doc,
                                                         std::uint16_t brother_id,
                                                         calendar::WeekIndex week);

}  // namespace vorla::editors
