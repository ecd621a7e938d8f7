#include "core/schedule/calendar_mail.h"

#include "core/io/find_program.h"
#include "core/store/brother_contacts.h"
#include "core/text/texts.h"

namespace vorla::schedule {

using text::TextId;

std::string CalendarMail::question() const {
    return text::format(TextId::calendar_offer_mail, name, draft.address);
}

std::optional<CalendarMail> calendar_mail(const store::Document& doc, std::uint16_t brother_id,
                                          const std::filesystem::path& file,
                                          std::string_view path_list) {
    // The file goes as an attachment, which only the mail program takes.
    if (!brother_id || !io::find_program(io::kMailProgram, path_list)) return std::nullopt;
    std::string address = store::mail_address(doc, brother_id);
    if (address.empty()) return std::nullopt;
    return CalendarMail{doc.brothers().name_of(brother_id),
                        {std::move(address), text::text(TextId::calendar_mail_subject), {}, file}};
}

std::optional<io::MailDraft> hand_on_calendar(const store::Document& doc, std::uint16_t brother_id,
                                              const std::filesystem::path& file,
                                              std::string_view path_list) {
    if (const auto mail = calendar_mail(doc, brother_id, file, path_list)) {
        if (doc.prompter().ask_yes_no(mail->question(), true)) return mail->draft;
        return std::nullopt;
    }
    doc.prompter().inform(text::format(TextId::calendar_exported_to, file.string()));
    return std::nullopt;
}

}  // namespace vorla::schedule
