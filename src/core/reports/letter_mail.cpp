#include "core/reports/letter_mail.h"

#include <algorithm>
#include <vector>

#include "core/reports/invitation_letter.h"
#include "core/reports/outgoing_notice.h"
#include "core/store/brother_contacts.h"
#include "core/text/texts.h"

namespace vorla::reports {

using text::TextId;

namespace {

// The non-empty parts joined by `glue`.
std::string joined(const std::vector<std::string>& parts, std::string_view glue) {
    std::string out;
    for (const std::string& p : parts) {
        if (p.empty()) continue;
        if (!out.empty()) out += glue;
        out += p;
    }
    return out;
}

std::string phones_text(const std::optional<store::PhoneList>& phones) {
    if (!phones) return {};
    return joined(phones->phones, ", ");
}

io::MailDraft notice_draft(const OutgoingNotice& n) {
    io::MailDraft d;
    d.subject = n.title + " - " + n.date;
    std::vector<std::string> lines = {
        joined({n.date, n.speaker, n.destination}, "  "),
        joined({n.time, n.talk}, "  "),
        n.weekday,
        "",
        joined({n.own_caption + ":", n.own_coordinator, phones_text(n.own_phones)}, "  "),
        joined({n.destination_caption + ":", n.destination_coordinator,
                phones_text(n.destination_phones)},
               "  "),
    };
    if (n.hall) {
        lines.insert(
            lines.end(),
            {"",
             joined({text::text(TextId::kingdom_hall) + ":", n.hall->phone1, n.hall->phone2}, "  "),
             n.hall->hall_address1, n.hall->hall_address2});
    }
    // Empty lines stay as paragraph breaks, but never two in a row nor at the end.
    for (const std::string& line : lines) {
        if (line.empty() && (d.body.empty() || d.body.ends_with("\n\n"))) continue;
        d.body += line + "\n";
    }
    while (d.body.ends_with("\n\n"))
        d.body.pop_back();
    return d;
}

io::MailDraft letter_draft(const InvitationLetter& l) {
    io::MailDraft d;
    d.subject = text::format(TextId::letter_mail_subject, l.date);
    d.body = l.salutation + "\n\n" + l.body + "\n\n" + l.closing + "\n" + l.signature + "\n";
    return d;
}

}  // namespace

std::optional<io::MailDraft> letter_mail(const store::Document& doc, const ReportRequest& request) {
    std::optional<io::MailDraft> draft;
    std::uint16_t brother = 0;
    if (request.kind == ReportKind::outgoing_notice) {
        const OutgoingNotice n = outgoing_notice(doc, request.first, request.slot);
        brother = n.speaker_id;
        draft = notice_draft(n);
    } else if (request.kind == ReportKind::invitation_letter) {
        const InvitationLetter l = invitation_letter(doc, request.first);
        if (!l.written) return std::nullopt;
        brother = l.speaker_id;
        draft = letter_draft(l);
    }
    if (!draft) return std::nullopt;
    draft->address = store::mail_address(doc, brother);
    if (draft->address.empty()) return std::nullopt;
    return draft;
}

std::string letter_file_name(const store::Document& doc, const ReportRequest& request) {
    std::uint16_t brother = 0;
    std::string date;
    if (request.kind == ReportKind::outgoing_notice) {
        const OutgoingNotice n = outgoing_notice(doc, request.first, request.slot);
        brother = n.speaker_id;
        date = n.date;
    } else {
        const InvitationLetter l = invitation_letter(doc, request.first);
        brother = l.speaker_id;
        date = doc.date_label(request.first.number(),
                              calendar::LabelStyle::short_month | calendar::LabelStyle::with_year);
    }
    std::string name =
        joined({report_title(doc, request), doc.brothers().name_of(brother), date}, " - ") + ".pdf";
    std::replace(name.begin(), name.end(), '/', '-');
    return name;
}

}  // namespace vorla::reports
