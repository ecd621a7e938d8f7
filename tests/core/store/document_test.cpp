#include <gtest/gtest.h>

#include "core/store/document.h"
#include "core/text/cp1251.h"
#include "support/change_log.h"
#include "support/record_fixtures.h"
#include "support/recording_prompter.h"
#include "support/temp_dir.h"

using namespace vorla::store;
using namespace vorla::testing;
using vorla::calendar::Date;
using vorla::calendar::WeekIndex;
using vorla::calendar::WeekNumber;

namespace {

struct DocTest : ::testing::Test {
    TempDir dir;
    RecordingPrompter prompter;

    std::unique_ptr<Document> open(std::string language = {}) {
        return std::make_unique<Document>(
            Document::Options{dir.path(), Date{2026, 12, 7}, language}, prompter);
    }
    std::vector<std::uint8_t> slot(const char* file, std::size_t n) {
        const auto bytes = read_bytes(dir / file);
        return std::vector<std::uint8_t>(
            bytes.begin() + static_cast<std::ptrdiff_t>(n * 256),
            bytes.begin() + static_cast<std::ptrdiff_t>((n + 1) * 256));
    }
};

}  // namespace

TEST_F(DocTest, FreshFolderStartsWithDefaultsAndOnlyTheSlotFiles) {
    const auto doc = open();
    EXPECT_EQ(doc->today_week(), WeekNumber(1406));
    EXPECT_EQ(doc->current_week(), WeekNumber(1406));
    EXPECT_EQ(doc->window_base(), 884);
    EXPECT_EQ(read_bytes(dir / "speakers.dat").size(), 256u);
    EXPECT_EQ(read_bytes(dir / "cong.dat").size(), 256u);
    EXPECT_EQ(read_bytes(dir / "xtend.dat").size(), 128u);
    for (const char* f : {"talk.dat", "topic.dat", "history.dat", "circuit.dat", "hospital.dat",
                          "blackout.dat", "special.dat", "wishlist.dat", "vorla.ini"}) {
        EXPECT_FALSE(std::filesystem::exists(dir / f)) << f;
    }
    EXPECT_EQ(doc->talks().number_text(231), "S-31");
    EXPECT_EQ(doc->talks().title(232), "Погребальная Речь");
    EXPECT_EQ(doc->topics().size(), 10u);
    EXPECT_EQ(doc->our_meeting_odd().value, 6);
    EXPECT_TRUE(doc->local_brothers().empty());
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(DocTest, OurCongregationGivesMeetingDaysAndLocalBrothers) {
    write_bytes(dir / "cong.dat", slot_file({congregation_bytes(1, "Наше").u8(226, 0).u8(227, 3),
                                             congregation_bytes(2, "Другое")}));
    write_bytes(dir / "speakers.dat", slot_file({brother_bytes(1, "Борис", "Яшин", 1).u8(201, 0x06),
                                                 brother_bytes(2, "Антон", "Белов", 2),
                                                 brother_bytes(3, "Юрий", "Архипов", 1)}));
    write_text(dir / "vorla.ini", "[Congregation]\r\nNumber=1\r\n");
    const auto doc = open();
    EXPECT_EQ(doc->our_meeting_odd().value, 6);   // stored 0 = Sunday
    EXPECT_EQ(doc->our_meeting_even().value, 2);  // stored 3 = Wednesday
    ASSERT_EQ(doc->local_brothers().size(), 2u);
    EXPECT_EQ(doc->local_brothers()[0].brother_id, 3);  // index order: Архипов, Яшин
    EXPECT_EQ(doc->local_brothers()[1].brother_id, 1);
    EXPECT_EQ(doc->local_brothers()[1].roles, 0x06);
    EXPECT_EQ(doc->roles_of(1), 0x06);
    EXPECT_EQ(doc->roles_of(2), 0);
    EXPECT_TRUE(doc->is_local_outgoing_speaker(*doc->brothers().find(1)));
    EXPECT_FALSE(doc->is_local_outgoing_speaker(*doc->brothers().find(3)));

    // Those told of a change see our brothers rebuilt already.
    std::size_t local_when_told = 0;
    const Subscription watching =
        doc->observe([&](Changes) { local_when_told = doc->local_brothers().size(); });
    ChangeLog changes(*doc);
    doc->set_our_congregation(2);
    EXPECT_EQ(doc->local_brothers().size(), 1u);
    EXPECT_EQ(local_when_told, 1u);
    EXPECT_TRUE(changes.saw(Change::settings));
    EXPECT_NE(read_text(dir / "vorla.ini").find("Number=2"), std::string::npos);

    // A brother moved into our congregation behind the document's back counts once it is
    // announced.
    auto record = doc->brothers().read(doc->folder(), *doc->brothers().find(1));
    record->cong_id = 2;
    doc->brothers().write(doc->folder(), *record);
    EXPECT_EQ(doc->local_brothers().size(), 1u);
    doc->announce(Change::brothers);
    EXPECT_EQ(local_when_told, 2u);
}

TEST_F(DocTest, DeletingACongregationClearsItsBrothersAndWeeksFromTheSecondWeek) {
    write_bytes(dir / "cong.dat",
                slot_file({congregation_bytes(1, "Первое"), congregation_bytes(2, "Второе"),
                           congregation_bytes(3, "Третье")}));
    write_bytes(dir / "speakers.dat", slot_file({brother_bytes(1, "Иван", "Петров", 2),
                                                 brother_bytes(2, "Олег", "Сидоров", 3)}));
    // Week 885 is the window's first week (index 884), week 900 a later one.
    const auto history =
        concat({week_bytes(885).u16(6, 2).u16(20, 1),
                week_bytes(900).u16(2, 1).u16(4, 12).u16(6, 2).u16(40, 2).u16(42, 3).u16(20, 1)});
    write_bytes(dir / "history.dat", history);
    const auto doc = open();
    ChangeLog changes(*doc);
    ASSERT_TRUE(doc->delete_congregation(*doc->congregations().find(2)));

    EXPECT_EQ(slot("cong.dat", 2), std::vector<std::uint8_t>(256, 0));
    EXPECT_EQ(slot("speakers.dat", 1), brother_bytes(1, "Иван", "Петров", 0).bytes());
    EXPECT_EQ(doc->brothers().at(*doc->brothers().find(1)).cong_id, 0);
    EXPECT_FALSE(doc->congregations().find(2));
    const WeekRecord& w900 = doc->weeks().at(WeekIndex(899));
    EXPECT_EQ(w900.speaker_cong_id, 0);
    EXPECT_EQ(w900.out_cong_id[0], 0);
    EXPECT_EQ(w900.out_cong_id[1], 3);
    EXPECT_EQ(w900.talk_no, 12);
    EXPECT_EQ(doc->weeks().at(WeekIndex(884)).speaker_cong_id, 2);  // the first week is left
    EXPECT_EQ(read_bytes(dir / "history.dat"), history);            // memory only until a save
    EXPECT_TRUE(changes.saw(Change::congregations));
    EXPECT_TRUE(changes.saw(Change::brothers));
    EXPECT_TRUE(changes.saw(Change::weeks));
    // The freed id is given again.
    CongregationRecord r;
    r.name = "Новое";
    EXPECT_EQ(doc->congregations().add(doc->folder(), r), 2);
}

TEST_F(DocTest, DeletingABrotherClearsEverythingThatNamesHim) {
    write_bytes(dir / "cong.dat",
                slot_file({congregation_bytes(1, "Первое").u16(182, 1).u16(186, 1).u16(184, 2)}));
    write_bytes(dir / "speakers.dat", slot_file({brother_bytes(1, "Иван", "Петров", 1).u16(206, 1),
                                                 brother_bytes(2, "Олег", "Сидоров", 1)}));
    write_bytes(dir / "xtend.dat", FixtureBytes(128).u16(0, 1).text(2, "555-55-55").bytes());
    write_bytes(dir / "blackout.dat",
                concat({unavailable_bytes(1, 1410), unavailable_bytes(2, 1410),
                        unavailable_bytes(1, 1420)}));
    write_bytes(
        dir / "history.dat",
        concat({week_bytes(1407).u16(2, 1).u16(4, 33).u16(6, 1).u16(14, 1).u16(16, 2).u16(20, 1),
                week_bytes(1408).u16(28, 2).u16(30, 1).u16(40, 5).u16(52, 44).u16(54, 45).u16(20,
                                                                                              1)}));
    const auto doc = open();
    ASSERT_TRUE(doc->delete_brother(*doc->brothers().find(1)));

    EXPECT_EQ(slot("cong.dat", 1), congregation_bytes(1, "Первое").u16(184, 2).bytes());
    EXPECT_EQ(doc->congregations().at(0).talk_coord_id, 0);
    EXPECT_EQ(doc->congregations().at(0).secretary_id, 2);
    EXPECT_EQ(read_bytes(dir / "xtend.dat"), std::vector<std::uint8_t>(128, 0));
    EXPECT_EQ(read_bytes(dir / "blackout.dat"), unavailable_bytes(2, 1410).bytes());
    EXPECT_EQ(read_bytes(dir / "history.dat"),
              concat({week_bytes(1407).u16(4, 33).u16(6, 1).u16(16, 2).u16(20, 1),
                      week_bytes(1408).u16(28, 2).u16(40, 5).u16(52, 44).u16(54, 45).u16(20, 1)}));
    EXPECT_EQ(slot("speakers.dat", 1), std::vector<std::uint8_t>(256, 0));
    EXPECT_FALSE(doc->brothers().find(1));
    EXPECT_EQ(doc->brothers().size(), 1u);
}

TEST_F(DocTest, MovingABrotherAsksAndCarriesHisWeeksAlong) {
    write_bytes(dir / "cong.dat", slot_file({congregation_bytes(1, "Старое").u16(186, 1),
                                             congregation_bytes(2, "Новое")}));
    write_bytes(dir / "speakers.dat", slot_file({brother_bytes(1, "Иван", "Петров", 1)}));
    write_bytes(dir / "history.dat", concat({week_bytes(1410).u16(2, 1).u16(6, 1).u16(20, 1)}));
    const auto doc = open();
    prompter.answers = {false};
    EXPECT_FALSE(doc->move_brother(0, 2));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text,
              "Иван Петров назначен в Старое собрание.\n\nВы хотите переместить его?");
    EXPECT_TRUE(prompter.messages[0].question);
    EXPECT_FALSE(prompter.messages[0].default_yes);
    EXPECT_EQ(doc->brothers().at(0).cong_id, 1);

    prompter.answers = {true};
    ASSERT_TRUE(doc->move_brother(0, 2));
    EXPECT_EQ(doc->brothers().at(0).cong_id, 2);
    EXPECT_EQ(slot("speakers.dat", 1), brother_bytes(1, "Иван", "Петров", 2).bytes());
    EXPECT_EQ(doc->congregations().at(*doc->congregations().find(1)).talk_coord_id, 0);
    EXPECT_EQ(slot("cong.dat", 1), congregation_bytes(1, "Старое").bytes());
    EXPECT_EQ(read_bytes(dir / "history.dat"),
              week_bytes(1410).u16(2, 1).u16(6, 2).u16(20, 1).bytes());
    // A brother without congregation moves without a question.
    prompter.messages.clear();
    write_bytes(dir / "speakers.dat", slot_file({brother_bytes(1, "Иван", "Петров", 0)}));
    doc->reload_all();
    EXPECT_TRUE(doc->move_brother(0, 1));
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(DocTest, DeletingCircuitsAndTopicsCascades) {
    write_bytes(dir / "cong.dat", slot_file({congregation_bytes(1, "А").u16(178, 30002),
                                             congregation_bytes(2, "Б").u16(178, 30001)}));
    write_bytes(dir / "circuit.dat",
                concat({named_bytes("Восток", 30001), named_bytes("Запад", 30002)}));
    const auto doc = open();
    ASSERT_TRUE(doc->delete_circuit(1));  // "Запад"
    EXPECT_EQ(slot("cong.dat", 1), congregation_bytes(1, "А").bytes());
    EXPECT_EQ(doc->congregations().at(*doc->congregations().find(2)).circuit_id, 30001);
    EXPECT_EQ(read_bytes(dir / "circuit.dat"), named_bytes("Восток", 30001).bytes());

    // Topic 4 ("Вера / Духовность") is the default topic of talk 1.
    const auto pos = doc->topics().find_by_id(4);
    ASSERT_NE(pos, 0u);
    ASSERT_EQ(doc->talks().find(1)->topic_ids[0], 4);
    ASSERT_TRUE(doc->delete_topic(pos - 1));
    EXPECT_EQ(doc->talks().find(1)->topic_ids[0], 0);
    EXPECT_EQ(read_bytes(dir / "talk.dat").size(), 256u * 154);
    EXPECT_EQ(read_bytes(dir / "topic.dat").size(), 9u * 48);
}

TEST_F(DocTest, AssignmentTypeChecksOutgoingFirstAndSkipsTheExcludedType) {
    write_bytes(dir / "history.dat",
                concat({week_bytes(1407).u16(2, 5).u16(14, 7).u16(16, 7).u16(32, 7).u16(20, 1)}));
    const auto doc = open();
    const WeekIndex i(1406);
    EXPECT_EQ(doc->assignment_type(7, i), AssignmentType::outgoing_speaker);
    EXPECT_EQ(doc->assignment_type(7, i, AssignmentType::outgoing_speaker),
              AssignmentType::chairman);
    EXPECT_EQ(doc->assignment_type(7, i, AssignmentType::chairman),
              AssignmentType::outgoing_speaker);
    EXPECT_EQ(doc->assignment_type(5, i), AssignmentType::speaker);
    EXPECT_EQ(doc->assignment_type(5, i, AssignmentType::speaker), AssignmentType::none);
    EXPECT_EQ(doc->assignment_type(0, i), AssignmentType::none);
    EXPECT_EQ(doc->count_assignments(7), 1);
    EXPECT_EQ(doc->count_assignments(9), 0);
}

TEST_F(DocTest, AvailabilityComesFromTheUnavailableWeeks) {
    write_bytes(dir / "blackout.dat",
                concat({unavailable_bytes(3, 1410), unavailable_bytes(3, 1300)}));
    const auto doc = open();
    EXPECT_FALSE(doc->brother_available(3, WeekNumber(1410)));
    EXPECT_TRUE(doc->brother_available(3, WeekNumber(1411)));
    EXPECT_TRUE(doc->brother_available(3, WeekNumber(1300)));  // past entries are dropped
}

TEST_F(DocTest, ReloadWeeksDiscardsChangesInMemory) {
    write_bytes(dir / "history.dat", concat({week_bytes(1410).u16(4, 7).u16(20, 1)}));
    const auto doc = open();
    doc->weeks().at(WeekIndex(1409)).talk_no = 99;
    doc->weeks().at(WeekIndex(1411)).talk_no = 3;
    doc->reload_weeks_and_events();
    EXPECT_EQ(doc->weeks().at(WeekIndex(1409)).talk_no, 7);
    EXPECT_EQ(doc->weeks().at(WeekIndex(1411)).talk_no, 0);
}

TEST_F(DocTest, ReloadAllReadsTheSettingsAgain) {
    const auto doc = open();
    EXPECT_FALSE(doc->settings().readers_scheduled);
    write_text(dir / "vorla.ini",
               vorla::text::utf8_to_cp1251("[Собрание]\r\nВключите чтецов=1\r\n"));
    write_bytes(dir / "cong.dat", slot_file({congregation_bytes(1, "Восстановленное")}));
    doc->reload_all();
    EXPECT_TRUE(doc->settings().readers_scheduled);
    EXPECT_EQ(doc->congregations().size(), 1u);
}

TEST_F(DocTest, ReloadAllReadsAFileThatCouldNotBeReadAfresh) {
    std::filesystem::create_directory(dir / "history.dat");  // no file can be read there
    const auto doc = open();
    const auto history = doc->folder().file("history.dat");
    EXPECT_TRUE(doc->folder().held(history));
    EXPECT_FALSE(doc->weeks().save(doc->folder()));

    // A restore put a good file in its place: it is read, and saved again.
    std::filesystem::remove(dir / "history.dat");
    write_bytes(dir / "history.dat", concat({week_bytes(1410).u16(4, 7).u16(20, 1)}));
    doc->reload_all();
    EXPECT_FALSE(doc->folder().held(history));
    EXPECT_EQ(doc->weeks().at(WeekIndex(1409)).talk_no, 7);
    doc->weeks().at(WeekIndex(1409)).talk_no = 8;
    EXPECT_TRUE(doc->weeks().save(doc->folder()));

    // One that still cannot be read is held again, and the user is told again.
    prompter.messages.clear();
    std::filesystem::remove(dir / "history.dat");
    std::filesystem::create_directory(dir / "history.dat");
    doc->reload_all();
    EXPECT_TRUE(doc->folder().held(history));
    EXPECT_EQ(prompter.messages.size(), 1u);
}

TEST_F(DocTest, CreoleNamesAreTakenOnlyInThatLanguageAndNeverOverCurrentFiles) {
    write_bytes(dir / "Kong.dat", slot_file({congregation_bytes(1, "Kreyòl")}));
    write_bytes(dir / "Istwa.dat", concat({week_bytes(1410).u16(4, 5).u16(20, 1)}));
    write_bytes(dir / "Orat\xE8.dat", slot_file({brother_bytes(1, "Jan", "Pyè")}));
    write_bytes(dir / "history.dat", concat({week_bytes(1410).u16(4, 9).u16(20, 1)}));
    {
        const auto doc = open();  // "rus": nothing is renamed
        EXPECT_TRUE(std::filesystem::exists(dir / "Kong.dat"));
        EXPECT_EQ(doc->congregations().size(), 0u);
    }
    std::filesystem::remove(dir / "cong.dat");
    std::filesystem::remove(dir / "speakers.dat");
    const auto doc = open("HT");
    EXPECT_FALSE(std::filesystem::exists(dir / "Kong.dat"));
    EXPECT_EQ(doc->congregations().size(), 1u);
    EXPECT_EQ(doc->brothers().size(), 1u);
    EXPECT_TRUE(std::filesystem::exists(dir / "Istwa.dat"));  // history.dat was there already
    EXPECT_EQ(doc->weeks().at(WeekIndex(1409)).talk_no, 9);
}

TEST_F(DocTest, ItalianBrotherFileReplacesASmallerOne) {
    write_bytes(dir / "speakers.dat", slot_file({brother_bytes(1, "Old", "One")}));
    write_bytes(dir / "oratori.dat", slot_file({brother_bytes(1, "Marco", "Rossi"),
                                                brother_bytes(2, "Luca", "Bianchi")}));
    {
        const auto doc = open();
        EXPECT_EQ(doc->brothers().size(), 1u);
    }
    const auto doc = open("italian");
    EXPECT_EQ(doc->brothers().size(), 2u);
    EXPECT_FALSE(std::filesystem::exists(dir / "oratori.dat"));
}

TEST_F(DocTest, OldExtrasAreConvertedAtCreationButNotOnReload) {
    write_bytes(dir / "speakers.dat", slot_file({brother_bytes(1, "Иван", "Петров").u16(206, 1)}));
    write_bytes(dir / "extend.dat", FixtureBytes(96).u16(0, 1).text(34, "a@b.c").bytes());
    const auto doc = open();
    const auto r = doc->brothers().read(doc->folder(), 0);
    EXPECT_EQ(doc->brothers().read_extra(doc->folder(), *r).email, "a@b.c");
    std::filesystem::remove(dir / "xtend.dat");
    doc->reload_all();
    EXPECT_EQ(read_bytes(dir / "xtend.dat"), std::vector<std::uint8_t>(128, 0));
}
