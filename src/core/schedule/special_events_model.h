#pragma once
// The special-events page: every convention, overseer visit and other event, in week order.
// Events are added and edited with "Редактировать особое событие" and deleted without a
// question; each change copies the event's kind into its week, so the other pages rebuild.
// Apply writes history.dat and special.dat at once.
#include <optional>
#include <string>
#include <vector>

#include "core/schedule/event_dialog_model.h"
#include "core/schedule/sheet_page.h"
#include "core/store/document.h"

namespace vorla::schedule {

class SpecialEventsModel final : public SheetPage {
  public:
    explicit SpecialEventsModel(store::Document& doc);

    PageKind kind() const override { return PageKind::events; }
    void refresh() override { rebuild(); }
    // A click on a line.
    void select(int row) override;
    void store_selected() override {}

    // "Неделя", "Событие"
    static std::vector<std::string> column_captions();
    // "<date>\t<title>" per event.
    const std::vector<std::string>& rows() const { return rows_; }
    std::optional<int> selected() const { return selected_; }
    // "Редактировать" and "Удалить" only while an event is selected.
    bool edit_visible() const { return selected_.has_value(); }

    EventDialogModel new_event() const { return EventDialogModel(doc_, std::nullopt); }
    // The selected event in the dialog; nothing when none is selected.
    std::optional<EventDialogModel> edit_selected() const;
    // The dialog was accepted: the event replaces its week's or joins in week order, and
    // the week takes its kind and allowances. An event moved to another week leaves the old
    // one as it was.
    void store_event(const store::SpecialEventRecord& event);
    // Deletes the selected event; its week keeps only bit 0 of its flags.
    void remove_selected();

    // Something changed since the files were written.
    bool modified() const { return modified_; }
    // Writes history.dat, then special.dat; the mark is cleared when both were written.
    bool apply();

  private:
    void changed();
    void rebuild();

    store::Document& doc_;
    std::vector<std::string> rows_;
    std::optional<int> selected_;
    bool modified_ = false;
};

}  // namespace vorla::schedule
