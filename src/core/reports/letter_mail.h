#pragma once
// A letter or notice as an e-mail draft to the brother it is for: the invited speaker for the
// letter, the outgoing brother for the notice. Its subject and body are the letter's text; the
// desktop attaches the letter's PDF where its mail program can.
#include <optional>
#include <string>

#include "core/io/mail_draft.h"
#include "core/reports/report_request.h"
#include "core/store/document.h"

namespace vorla::reports {

// The draft, without its attachment; nothing for another report, a letter not written, or a
// brother without a usable e-mail address.
std::optional<io::MailDraft> letter_mail(const store::Document& doc, const ReportRequest& request);

// The name of the attached PDF: the report's name, the brother's and the date
// ("Письмо приглашенному докладчику - Иван Петров - Дек 13, 2026.pdf"), no "/" in it.
std::string letter_file_name(const store::Document& doc, const ReportRequest& request);

}  // namespace vorla::reports
