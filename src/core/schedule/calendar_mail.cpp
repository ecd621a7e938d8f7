#include "core/schedule/calendar_mail.h"

#include "core/io/find_program.h"
#include "core/text/texts.h"
#include "core/text/trim.h"

namespace vorla::schedule {

using text::TextId;

namespace {
constexpr const char* kMailProgram = "xdg-email";
}  // namespace

std::string CalendarMail::question() const {
    return text::format(TextId::calendar_offer_mail, name, address);
}

std::vector<std::string> CalendarMail::command() const {
    return {kMailProgram, "--subject",   text::text(TextId::calendar_mail_subject),
            "--attach",   file.string(), address};
}

std::optional<CalendarMail> calendar_mail(const store::Document& doc, std::uint16_t brother_id,
                                          const std::filesystem::path& file,
                                          std::string_view path_list) {
    if (!brother_id || !io::find_program(kMailProgram, path_list)) return std::nullopt;
    const auto pos = doc.brothers().find(brother_id);
    if (!pos) return std::nullopt;
    const auto record = doc.brothers().read(doc.folder(), *pos);
    if (!record) return std::nullopt;
    const std::string address(text::trim(doc.brothers().read_extra(doc.folder(), *record).email));
    // An address that begins with "-" would reach the mail program as an option.
    if (!text::is_plausible_email(address) || address.front() == '-') return std::nullopt;
    return CalendarMail{doc.brothers().name_of(brother_id), address, file};
}

std::optional<std::vector<std::string>> hand_on_calendar(const store::Document& doc,
                                                         std::uint16_t brother_id,
                                                         const std::filesystem::path& file,
                                                         std::string_view path_list) {
    if (const auto mail = calendar_mail(doc, brother_id, file, path_list)) {
        if (doc.prompter().ask_yes_no(mail->question(), true)) return mail->command();
        return std::nullopt;
    }
    doc.prompter().inform(text::format(TextId::calendar_exported_to, file.string()));
    return std::nullopt;
}

}  // namespace vorla::schedule
