#pragma once
// The week lists whose selected week has a speaker of its own: the local talks (the visiting
// speaker) and the outgoing speakers (the selected slot's). Both pages offer his unavailable
// weeks, which take the legend's place, and his history.
#include <cstdint>
#include <string>

#include "core/schedule/week_list.h"
#include "core/text/texts.h"

namespace vorla::schedule {

class SpeakerWeekListModel : public WeekListModel {
  public:
    using WeekListModel::WeekListModel;

    // The speaker of the selected week; 0 for none.
    virtual std::uint16_t speaker() const = 0;

    // "Показать доступные - %1" when the speaker is unavailable that week; it hides the legend.
    bool availability_visible() const;
    std::string availability_caption() const;
    bool legend_visible() const;
    static std::string legend() { return text::text(text::TextId::speaker_unavailable_legend); }
    // His history, when he served before the selected week.
    bool speaker_history_visible() const;
    std::string speaker_history_caption() const;
};

}  // namespace vorla::schedule
