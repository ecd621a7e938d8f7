#pragma once
// The talks-we-need list as its dialog and its printout show it: each wanted talk with its
// priority and when it was last heard in our hall.
#include <string>
#include <vector>

#include "core/store/document.h"
#include "core/store/wish_list.h"

namespace vorla::store {

// Talks above this stay in the record but are neither listed nor printed.
inline constexpr int kListedWantedTalks = 200;

struct WantedTalk {
    int talk_no = 0;
    WishList::Priority priority = WishList::Priority::medium;
    std::string last_heard;  // the week's date label, "    -" when never heard
    friend bool operator==(const WantedTalk&, const WantedTalk&) = default;
};

// The wanted talks 1..200 of `list` in number order. Last heard: the latest week from S + 78
// down to the start of the window with the talk, labelled with the short month and the year.
std::vector<WantedTalk> wanted_talks(const Document& doc, const WishList& list);

}  // namespace vorla::store
