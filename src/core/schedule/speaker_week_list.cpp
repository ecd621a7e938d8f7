#include "core/schedule/speaker_week_list.h"

#include "core/schedule/week_scan.h"
#include "core/text/texts.h"

namespace vorla::schedule {

using text::TextId;

bool SpeakerWeekListModel::availability_visible() const {
    return speaker() != 0 && !doc().brother_available(speaker(), selected_week().number());
}

std::string SpeakerWeekListModel::availability_caption() const {
    return text::format(TextId::show_available, doc().brothers().name_of(speaker()));
}

bool SpeakerWeekListModel::legend_visible() const {
    return !availability_visible() && marks().unavailable;
}

bool SpeakerWeekListModel::speaker_history_visible() const {
    return served_before(doc().weeks(), speaker(), selected_week());
}

std::string SpeakerWeekListModel::speaker_history_caption() const {
    return text::format(TextId::show_history_of, doc().brothers().name_of(speaker()));
}

}  // namespace vorla::schedule
