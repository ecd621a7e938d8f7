#pragma once
// An e-mail draft the user finishes and sends in his own mail program: to one address, with
// a subject, a body and perhaps one attached file. The desktop's xdg-email takes all of it;
// without it a mailto: link carries what a link can (no attachment).
#include <filesystem>
#include <string>
#include <vector>

namespace vorla::io {

inline constexpr const char* kMailProgram = "xdg-email";

struct MailDraft {
    std::string address;
    std::string subject;
    std::string body;                  // empty: none
    std::filesystem::path attachment;  // empty: none

    // xdg-email and its arguments: the subject, the body and the attachment where there are
    // ones, the address last.
    std::vector<std::string> command() const;
    // "mailto:" with the address, the subject and the body, percent-encoded as RFC 6068 asks
    // (line breaks as CR LF).
    std::string mailto_url() const;
};

}  // namespace vorla::io
