#pragma once
// What a new user is told once when the program starts: a folder without talk titles leaves
// every talk list empty, and without our congregation nothing knows whose brothers are ours.
#include <string>
#include <vector>

#include "core/store/document.h"

namespace vorla::app {

enum class FirstRunAdvice {
    fill_talk_titles,        // asks whether to open the talk list now
    choose_our_congregation  // tells how to choose it
};

// The advice the folder needs, in the order it is given.
std::vector<FirstRunAdvice> first_run_advice(const store::Document& doc);
// Its caption and text.
std::string first_run_caption();
std::string advice_text(FirstRunAdvice advice);

}  // namespace vorla::app
