#pragma once
// What the pages of the scheduling sheet open that other parts of the program provide, handed
// to the page factories by whoever opens the sheet, so that no page reaches into the main
// window. A page hides the button of a service it is not given.
#include <cstdint>
#include <functional>

namespace vorla::gui {

struct PageServices {
    // The history view of a speaker: the weeks he spoke in our hall or went out.
    std::function<void(std::uint16_t brother_id)> speaker_history;
    // The history of a talk given in our hall.
    std::function<void(int talk_no)> talk_history;
};

}  // namespace vorla::gui
