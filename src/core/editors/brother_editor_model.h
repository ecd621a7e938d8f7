#pragma once
// The brother editor: one brother's record and extra record on copies, saved when the user
// confirms, stepping through the list that opened it.
#include <cstdint>
#include <optional>
#include <string>

#include "core/editors/brother_list_model.h"
#include "core/editors/record_editor.h"
#include "core/store/brother_record.h"
#include "core/store/document.h"
#include "core/text/texts.h"

namespace vorla::editors {

// What the edits of the brother editor hold.
struct BrotherFields {
    std::string first_name;
    std::string last_name;
    std::string address1;
    std::string address2;
    std::string phone;
    std::string phone2;
    std::string phone3;
    std::string email;
    std::string note;
    bool elder = false;
    bool servant = false;
    friend bool operator==(const BrotherFields&, const BrotherFields&) = default;
};

// A text changed by the automatic capitals, with the caret where it belongs.
struct CapitalisedText {
    std::string text;
    std::size_t caret = 0;
};

class BrotherEditorModel final : public RecordEditor {
  public:
    // First name and surname together; beyond it the first name becomes an initial.
    static constexpr std::size_t kFullNameMax = 35;

    // position: the brother's index position; nothing for a new brother. preset_cong (not 0)
    // is stored as his congregation and hides the congregation button.
    BrotherEditorModel(store::Document& doc, BrotherListModel* list,
                       std::optional<std::size_t> position, std::uint16_t preset_cong);

    std::string title() const { return text::text(text::TextId::brother_editor_title); }
    bool is_new() const { return is_new_; }
    // "&Удалить", "&Пред." and "&След." only for a brother already saved.
    bool step_visible() const { return !is_new_; }
    bool congregation_visible() const { return preset_cong_ == 0; }

    BrotherFields& fields() { return fields_; }
    const BrotherFields& fields() const { return fields_; }
    // The two boxes exclude each other.
    void set_elder(bool on);
    void set_servant(bool on);

    // The surname changed: the first name, when it had to become an initial.
    std::optional<std::string> surname_changed(const std::string& last_name);
    // "Имя" lost the focus: its length is recorded and the same check applies.
    std::optional<std::string> first_name_left(const std::string& first_name);
    // The automatic capitals after a change in "Имя" or "Фамилия", when they apply.
    std::optional<CapitalisedText> auto_capitals(const std::string& text) const;

    std::string congregation_caption() const;
    std::string talks_caption() const;
    std::string availability_caption() const;

    // The congregation chooser's preselected position; its choice.
    std::optional<std::size_t> congregation_position() const;
    void set_congregation(std::uint16_t cong_id);
    // The record copy the talk chooser edits (named as typed, for its title), and its talks
    // taken back on OK.
    const store::BrotherRecord& record() const { return record_; }
    store::BrotherRecord record_for_talks() const;
    void take_talks(const store::BrotherRecord& r) { record_.talks = r.talks; }
    // The availability editor's inputs and its discontinued result.
    std::uint16_t brother_id() const { return record_.brother_id; }
    bool discontinued() const { return discontinued_; }
    void set_discontinued(bool on) { discontinued_ = on; }

    // "&Удалить": asks first; true when he was deleted (the editor closes).
    bool remove();

  private:
    bool can_step() const override { return step_visible() && list_ != nullptr; }
    bool validate() override;
    void copy() override;
    void save() override;
    std::optional<std::size_t> neighbour(int delta) override { return list_->step(delta); }
    void load(std::optional<std::size_t> position) override;
    void save_new();
    void save_existing();

    store::Document& doc_;
    BrotherListModel* list_;
    bool is_new_;
    std::uint16_t preset_cong_;
    store::BrotherRecord record_;
    store::BrotherExtraRecord extra_;
    BrotherFields fields_;
    std::uint16_t cong_to_store_ = 0;
    bool discontinued_ = false;
    bool name_changed_ = false;
    bool cong_changed_ = false;
    std::size_t first_name_length_ = 0;
};

}  // namespace vorla::editors
