#pragma once
// Handing a brother's calendar file on: an e-mail draft to him with the file attached, opened
// by the desktop's mail program (xdg-email), when he has an e-mail address.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/io/mail_draft.h"
#include "core/store/document.h"

namespace vorla::schedule {

struct CalendarMail {
    std::string name;     // first name and last name
    io::MailDraft draft;  // "Ваши назначения" with the file attached

    // "Открыть письмо брату ... с этим файлом во вложении?"
    std::string question() const;
    std::vector<std::string> command() const { return draft.command(); }
};

// The draft for a brother whose e-mail address is plausible, offered only where the desktop
// has xdg-email in `path_list` (the PATH, colon-separated); nothing for no brother (0), one
// without an address, or one whose records cannot be read.
std::optional<CalendarMail> calendar_mail(const store::Document& doc, std::uint16_t brother_id,
                                          const std::filesystem::path& file,
                                          std::string_view path_list);

// After the file is written: a brother who can be mailed is asked about the draft (Yes by
// default), and the draft is returned when the answer is Yes; otherwise the user is told
// where the file is and nothing is returned.
std::optional<io::MailDraft> hand_on_calendar(const store::Document& doc, std::uint16_t brother_id,
                                              const std::filesystem::path& file,
                                              std::string_view path_list);

}  // namespace vorla::schedule
