#pragma once
// Messages for the user. The core asks its questions through this interface; the desktop
// program answers with message boxes, the tests with scripted answers.
#include <string>
#include <string_view>

namespace vorla::io {

enum class Icon { information, warning, error, question };

class Prompter {
  public:
    virtual ~Prompter() = default;
    // A message with an OK button.
    virtual void inform(std::string_view text, Icon icon = Icon::information,
                        std::string_view caption = {}) = 0;
    // A Yes/No question; true for Yes. default_yes says which button Enter presses.
    virtual bool ask_yes_no(std::string_view text, bool default_yes = false) = 0;
    // An OK/Cancel question with the question icon; true for OK. Where nobody can show such
    // buttons, it is a Yes/No question with Yes as default.
    virtual bool ask_ok_cancel(std::string_view text) { return ask_yes_no(text, true); }
};

// Answers every question with a fixed answer and forgets the messages: for command-line
// work, where nobody is there to answer.
class SilentPrompter final : public Prompter {
  public:
    explicit SilentPrompter(bool answer = false) : answer_(answer) {}
    void inform(std::string_view, Icon, std::string_view) override {}
    bool ask_yes_no(std::string_view, bool) override { return answer_; }

  private:
    bool answer_;
};

}  // namespace vorla::io
