#pragma once
// Hands an e-mail draft to the desktop: to xdg-email where the PATH has it (it takes the
// attachment), else to the mail program of mailto: links.
#include "core/io/mail_draft.h"

namespace vorla::gui {

// False when neither could be started.
bool open_mail_draft(const io::MailDraft& draft);

}  // namespace vorla::gui
