#pragma once
// How far down the talk catalogue the lists go. Entries from 151 on are the user's own: the
// first one left without a title ends what the lists show.
#include "core/store/talk_catalogue.h"

namespace vorla::reports {

// The talk list and the annual check list: talks 1 up to the one before the first untitled
// entry among 151..200; all 200 when none is untitled (the talk list shows 201).
int listed_talk_count(const store::TalkCatalogue& talks, bool talk_list);

// The last talk the closing block of our speakers' list may name: the one before the first
// two untitled entries in a row; 200 when those come at 150 or earlier, or never.
int uncovered_talk_limit(const store::TalkCatalogue& talks);

}  // namespace vorla::reports
