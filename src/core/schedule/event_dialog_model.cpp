#include "core/schedule/event_dialog_model.h"

#include "core/calendar/date_label.h"
#include "core/store/special_events.h"
#include "core/text/texts.h"
#include "core/text/utf8.h"

namespace vorla::schedule {

using calendar::LabelStyle;
using calendar::WeekIndex;
using store::EventKind;
using text::TextId;
namespace week_bit = store::week_bit;

EventDialogModel::EventDialogModel(store::Document& doc,
                                   std::optional<store::SpecialEventRecord> event)
    : doc_(doc) {
    if (!event) return;
    const int k = event->event_week - week_of_choice(1) + 1;
    week_choice_ = k >= 1 && k <= kWeeks ? k : 0;
    flags_ = event->event_flags;
    title_ = event->event_title;
    talk_title_ = event->event_talk_title;
    keeps_chairman_ = (flags_ & week_bit::kKeepsChairman) != 0;
    keeps_host_ = (flags_ & week_bit::kKeepsHospitality) != 0;
    keeps_reader_ = (flags_ & week_bit::kKeepsReader) != 0;
}

WeekIndex EventDialogModel::week_of_choice(int k) const {
    return WeekIndex(doc_.today_week().value + k - 1);
}

std::vector<std::string> EventDialogModel::week_choices() const {
    std::vector<std::string> out{text::text(TextId::choose_week)};
    for (int k = 1; k <= kWeeks; ++k) {
        out.push_back(doc_.date_label(week_of_choice(k).number(),
                                      LabelStyle::short_month | LabelStyle::with_year));
    }
    return out;
}

void EventDialogModel::choose_kind(EventKind kind) {
    flags_ = 0;
    switch (kind) {
        case EventKind::convention:
            flags_ = week_bit::kConvention;
            break;
        case EventKind::overseer_visit:
            flags_ = week_bit::kOverseerVisit;
            break;
        case EventKind::other:
            flags_ = week_bit::kOtherEvent;
            break;
        case EventKind::none:
            break;
    }
    // An overseer visit still has its chairman and host, but no reader.
    keeps_chairman_ = keeps_host_ = kind == EventKind::overseer_visit;
    keeps_reader_ = false;
    title_ = store::default_event_title(flags_);
}

bool EventDialogModel::group_visible() const {
    // Before a kind is chosen the boxes stay as they were made.
    return kind() != EventKind::convention;
}

bool EventDialogModel::reader_visible() const {
    return group_visible() && kind() != EventKind::overseer_visit;
}

std::string EventDialogModel::question(WeekIndex w, std::uint16_t conflicts) const {
    const store::WeekRecord& week = doc_.weeks().at(w);
    // The pattern runs its words into the arguments ("Добавление%1", "в%2"): each gets its space.
    std::string q = text::format(TextId::event_changes_header, " " + title_,
                                 " " + doc_.date_label(w.number(), LabelStyle::with_year));
    const auto line = [&q](TextId pattern, const std::string& name) {
        q += text::format(pattern, name);
        q += "\n";
    };
    namespace conflict = store::conflict;
    if (conflicts & conflict::kSpeaker)
        line(TextId::event_cancels_local_speaker, doc_.brothers().name_of(week.speaker_id));
    if (conflicts & conflict::kChairman)
        line(TextId::event_cancels_chairman, doc_.brothers().name_of(week.chairman_id));
    if (conflicts & conflict::kHost)
        line(TextId::event_cancels_host,
             store::NamedTable::shown_name(doc_.hosts().name_of(week.host_id), true));
    if (conflicts & conflict::kReader)
        line(TextId::event_cancels_reader, doc_.brothers().name_of(week.reader_id));
    q += "\n";
    q += text::text(TextId::event_changes_confirm);
    q += "\n\n";
    return q;
}

bool EventDialogModel::accept() {
    io::Prompter& prompter = doc_.prompter();
    if (week_choice_ < 1 || week_choice_ > kWeeks) {
        prompter.inform(text::text(TextId::please_choose_week));
        return false;
    }
    if (kind() == EventKind::none) {
        prompter.inform(text::text(TextId::please_choose_event));
        return false;
    }
    const WeekIndex w = week_of_choice(week_choice_);
    std::uint16_t flags = flags_ & week_bit::kEventKinds;
    if (keeps_chairman_) flags |= week_bit::kKeepsChairman;
    if (keeps_host_) flags |= week_bit::kKeepsHospitality;
    if (keeps_reader_) flags |= week_bit::kKeepsReader;
    event_ = {.event_week = w,
              .event_flags = flags,
              .event_title = text::left(title_, kTitleChars),
              .event_talk_title = text::left(talk_title_, kTalkTitleChars)};

    const std::uint16_t conflicts = store::event_conflicts(doc_.weeks().at(w), flags);
    if (conflicts) {
        if (!prompter.ask_ok_cancel(question(w, conflicts))) return false;
        store::apply_conflicts(doc_.weeks().at(w), conflicts);
        doc_.weeks().store(w);
    }
    return true;
}

}  // namespace vorla::schedule
