#include "core/schedule/calendar_mail.h"

#include <gtest/gtest.h>

#include "core/reports/report_fixture.h"

using namespace vorla;
using namespace vorla::schedule;
using namespace vorla::testing;

namespace {

TEST_F(ReportData, TheMailDraftGoesToABrotherWithAnAddressAndToNobodyElse) {
    // Brother 1 has an address (padded with blanks), 2 one without "@", 3 one that would pass
    // for an option of the mail program, 4 no extra record at all.
    write_bytes(dir / "speakers.dat", slot_file({brother_bytes(1, "Иван", "Петров").u16(206, 1),
                                                 brother_bytes(2, "Олег", "Сидоров").u16(206, 2),
                                                 brother_bytes(3, "Пётр", "Иванов").u16(206, 3),
                                                 brother_bytes(4, "Андрей", "Смирнов")}));
    FixtureBytes first(128), second(128), third(128);
    first.u16(0, 1).text(34, " ivan@example.org ");
    second.u16(0, 2).text(34, "oleg.example.org");
    third.u16(0, 3).text(34, "--attach=/etc/passwd@x");
    write_bytes(dir / "xtend.dat", concat({first, second, third}));
    auto doc = open();
    const std::filesystem::path file = "/home/user/Иван Петров.ics";
    // A desktop whose PATH holds the mail program.
    const auto bin = dir / "bin";
    std::filesystem::create_directory(bin);
    write_text(bin / "xdg-email", "#!/bin/sh\n");
    std::filesystem::permissions(bin / "xdg-email", std::filesystem::perms::owner_all);
    const std::string path_list = "/nonexistent:" + bin.string();

    const auto mail = calendar_mail(*doc, 1, file, path_list);
    ASSERT_TRUE(mail);
    EXPECT_EQ(mail->question(),
              "Открыть письмо брату Иван Петров (ivan@example.org) с этим файлом во вложении?");
    EXPECT_EQ(mail->command(),
              (std::vector<std::string>{"xdg-email", "--subject", "Ваши назначения", "--attach",
                                        "/home/user/Иван Петров.ics", "ivan@example.org"}));
    for (std::uint16_t nobody : {0, 2, 3, 4, 99})
        EXPECT_FALSE(calendar_mail(*doc, nobody, file, path_list)) << nobody;
    // Without the mail program nothing is offered, address or not.
    EXPECT_FALSE(calendar_mail(*doc, 1, file, "/nonexistent"));

    // After the export: the brother with an address is asked, Yes by default, and the command
    // comes back only on Yes; anyone else's file is announced with its path.
    prompter.answers = {true, false};
    EXPECT_EQ(hand_on_calendar(*doc, 1, file, path_list)->command(), mail->command());
    EXPECT_FALSE(hand_on_calendar(*doc, 1, file, path_list));
    EXPECT_FALSE(hand_on_calendar(*doc, 2, file, path_list));
    ASSERT_EQ(prompter.messages.size(), 3u);
    EXPECT_TRUE(prompter.messages[0].question);
    EXPECT_TRUE(prompter.messages[0].default_yes);
    EXPECT_EQ(prompter.messages[0].text, mail->question());
    EXPECT_FALSE(prompter.messages[2].question);
    EXPECT_EQ(prompter.messages[2].text, "Календарь записан в файл\n\n/home/user/Иван Петров.ics");
}

}  // namespace
