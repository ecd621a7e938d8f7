#pragma once
// A Prompter for tests: records every message and answers questions from a script.
#include <deque>
#include <string>
#include <vector>

#include "core/io/prompter.h"

namespace vorla::testing {

class RecordingPrompter final : public io::Prompter {
  public:
    struct Message {
        std::string text;
        bool question = false;
        bool default_yes = false;
    };

    void inform(std::string_view text, io::Icon, std::string_view) override {
        messages.push_back({std::string(text), false, false});
    }
    bool ask_yes_no(std::string_view text, bool default_yes) override {
        messages.push_back({std::string(text), true, default_yes});
        if (answers.empty()) return default_yes;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }

    std::vector<Message> messages;
    std::deque<bool> answers;  // scripted answers; without one the default button is pressed
};

}  // namespace vorla::testing
