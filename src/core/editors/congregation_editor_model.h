#pragma once
// The congregation editor: one congregation record on a copy, with its meeting days and
// times, officers, circuit, map and a way into its brothers.
#include <cstdint>
#include <optional>
#include <string>

#include "core/calendar/days.h"
#include "core/editors/brother_list_model.h"
#include "core/editors/congregation_list_model.h"
#include "core/editors/record_editor.h"
#include "core/store/congregation_record.h"
#include "core/store/document.h"

namespace vorla::editors {

struct CongregationFields {
    std::string name;
    std::string hall_address1;
    std::string hall_address2;
    std::string phone1;
    std::string phone2;
    std::string time_even;
    std::string time_odd;
    calendar::DayOffset day_even{6};  // display index: 0 = Monday ... 6 = Sunday
    calendar::DayOffset day_odd{6};
};

// The three offices, in the order of their buttons.
enum class CongregationOffice { cobe, talk_coordinator, secretary };

class CongregationEditorModel final : public RecordEditor {
  public:
    // "Применить" appears once the new name has this many characters.
    static constexpr std::size_t kApplyMinName = 3;

    // position nothing: a new congregation. fixed_cong: the editor serves this one
    // congregation only (our congregation), without stepping or deleting.
    CongregationEditorModel(store::Document& doc, CongregationListModel* list,
                            std::optional<std::size_t> position, std::uint16_t fixed_cong = 0);

    bool adding() const { return adding_; }
    CongregationFields& fields() { return fields_; }
    const CongregationFields& fields() const { return fields_; }
    // The day buttons step Monday -> ... -> Sunday -> Monday.
    void press_day_even() { fields_.day_even = calendar::next_day(fields_.day_even); }
    void press_day_odd() { fields_.day_odd = calendar::next_day(fields_.day_odd); }
    static std::string day_name(calendar::DayOffset d);

    bool name_enabled() const { return fixed_cong_ == 0; }
    bool apply_visible() const;
    bool brothers_visible() const { return !adding_; }
    bool officers_visible() const { return !adding_ && brother_count() > 0; }
    bool circuit_visible() const { return !adding_; }
    bool map_visible() const { return !adding_; }
    bool step_visible() const { return !adding_ && fixed_cong_ == 0; }

    int brother_count() const;
    std::string brothers_caption() const;
    std::string officer_caption(CongregationOffice o) const;
    std::string circuit_caption() const;

    // "Применить": saves the new congregation and goes on editing it.
    bool apply();
    // "Удалить": asks first; true when it was deleted (the editor closes).
    bool remove();

    // "Братья": the brother list of this congregation, or nothing when the data is not valid
    // (the user is asked for the name).
    std::optional<BrotherListParams> brothers_list();
    void brothers_closed();
    // The officer buttons' chooser, and its choice (written with the next save).
    BrotherListParams officer_chooser(CongregationOffice o) const;
    void set_officer(CongregationOffice o, std::uint16_t brother_id);
    // The circuit chooser's preselection (1-based position, -1 for none), and its choice.
    int circuit_preselect() const;
    void set_circuit(std::uint16_t circuit_id) { record_.circuit_id = circuit_id; }
    const std::string& map_file() const { return record_.map_file; }
    void set_map_file(const std::string& name);

    const store::CongregationRecord& record() const { return record_; }

  private:
    bool can_step() const override { return step_visible() && list_ != nullptr; }
    bool validate() override;
    void copy() override;
    void save() override;
    std::optional<std::size_t> neighbour(int delta) override { return list_->step(delta); }
    void load(std::optional<std::size_t> position) override;
    std::uint16_t officer(CongregationOffice o) const;

    store::Document& doc_;
    CongregationListModel* list_;
    std::uint16_t fixed_cong_;
    bool adding_;
    std::optional<std::size_t> position_;
    store::CongregationRecord record_;
    CongregationFields fields_;
};

}  // namespace vorla::editors
