#include "core/schedule/special_events_model.h"

#include "core/calendar/date_label.h"
#include "core/text/texts.h"

namespace vorla::schedule {

SpecialEventsModel::SpecialEventsModel(store::Document& doc) : doc_(doc) {
    rebuild();
}

std::vector<std::string> SpecialEventsModel::column_captions() {
    return {text::text(text::TextId::week), "Событие"};
}

void SpecialEventsModel::select(int row) {
    if (row >= 0 && row < static_cast<int>(rows_.size())) selected_ = row;
}

std::optional<EventDialogModel> SpecialEventsModel::edit_selected() const {
    if (!selected_) return std::nullopt;
    return EventDialogModel(doc_, doc_.events().at(static_cast<std::size_t>(*selected_)));
}

void SpecialEventsModel::store_event(const store::SpecialEventRecord& event) {
    doc_.events().store(event, doc_.weeks());
    doc_.weeks().store(event.event_week);
    changed();
    // The event just stored stays chosen, wherever the week order put it.
    select(static_cast<int>(doc_.events().find_by_week(event.event_week)) - 1);
}

void SpecialEventsModel::remove_selected() {
    if (!selected_) return;
    doc_.events().remove(static_cast<std::size_t>(*selected_), doc_.weeks());
    // The buttons go until another event is chosen.
    selected_.reset();
    changed();
}

bool SpecialEventsModel::apply() {
    // The weeks first: events whose weeks were not written would name flags history.dat lacks.
    if (!doc_.weeks().save(doc_.folder()) || !doc_.events().save(doc_.folder())) return false;
    modified_ = false;
    return true;
}

void SpecialEventsModel::changed() {
    modified_ = true;
    ask_siblings_to_refresh();
    rebuild();
}

void SpecialEventsModel::rebuild() {
    rows_.clear();
    for (const store::SpecialEventRecord& e : doc_.events().entries()) {
        rows_.push_back(
            doc_.date_label(e.event_week.number(),
                            calendar::LabelStyle::short_month | calendar::LabelStyle::with_year) +
            "\t" + e.event_title);
    }
    if (selected_ && *selected_ >= static_cast<int>(rows_.size())) selected_.reset();
}

}  // namespace vorla::schedule
