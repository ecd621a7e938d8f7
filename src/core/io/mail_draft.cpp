#include "core/io/mail_draft.h"

namespace vorla::io {

namespace {

bool unreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

// Every byte but the unreserved ones as %XX; a lone line feed becomes CR LF, as mail wants.
std::string encoded(std::string_view text, bool address) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\n' && (i == 0 || text[i - 1] != '\r')) out += "%0D";
        if (unreserved(c) || (address && c == '@')) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
        }
    }
    return out;
}

}  // namespace

std::vector<std::string> MailDraft::command() const {
    std::vector<std::string> args = {kMailProgram, "--subject", subject};
    if (!body.empty()) args.insert(args.end(), {"--body", body});
    if (!attachment.empty()) args.insert(args.end(), {"--attach", attachment.string()});
    args.push_back(address);
    return args;
}

std::string MailDraft::mailto_url() const {
    std::string url = "mailto:" + encoded(address, true) + "?subject=" + encoded(subject, false);
    if (!body.empty()) url += "&body=" + encoded(body, false);
    return url;
}

}  // namespace vorla::io
