#include "core/io/mail_draft.h"

#include <gtest/gtest.h>

using vorla::io::MailDraft;

namespace {

TEST(MailDraft, TheMailProgramGetsWhatTheDraftHasAndTheAddressLast) {
    MailDraft d{"ivan@example.org", "Публичная речь", "", {}};
    EXPECT_EQ(d.command(), (std::vector<std::string>{"xdg-email", "--subject", "Публичная речь",
                                                     "ivan@example.org"}));
    d.body = "Дорогой брат,\nдо встречи.";
    d.attachment = "/tmp/Письмо.pdf";
    EXPECT_EQ(d.command(),
              (std::vector<std::string>{"xdg-email", "--subject", "Публичная речь", "--body",
                                        "Дорогой брат,\nдо встречи.", "--attach", "/tmp/Письмо.pdf",
                                        "ivan@example.org"}));
}

TEST(MailDraft, AMailtoLinkEncodesEverythingButTheUnreservedAndBreaksLinesWithCrLf) {
    const MailDraft d{"o'neil+x@example.org", "Речь & ужин?", "a b\nc\r\nd=1", {}};
    EXPECT_EQ(d.mailto_url(),
              "mailto:o%27neil%2Bx@example.org?subject=%D0%A0%D0%B5%D1%87%D1%8C%20%26%20"
              "%D1%83%D0%B6%D0%B8%D0%BD%3F&body=a%20b%0D%0Ac%0D%0Ad%3D1");
    // No body, no attachment in a link.
    const MailDraft plain{"a@b.c", "x", "", "/tmp/file.pdf"};
    EXPECT_EQ(plain.mailto_url(), "mailto:a@b.c?subject=x");
}

}  // namespace
