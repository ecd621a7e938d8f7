#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <map>
#include <string>

#include "core/store/talk_catalogue.h"
#include "support/fixture_bytes.h"
#include "support/recording_prompter.h"
#include "support/temp_dir.h"

using namespace vorla::store;
using namespace vorla::testing;
using vorla::text::StringTable;

namespace {

FixtureBytes talk(std::string_view title, std::string_view number, std::uint16_t no,
                  std::initializer_list<std::uint16_t> topics = {}) {
    FixtureBytes b(154);
    b.text(0, title).text(93, number).u16(100, no);
    std::size_t place = 0;
    for (const std::uint16_t t : topics)
        b.u16(102 + 2 * place++, t);
    return b;
}

// A talk.dat of 256 records "Речь номер n" / "n", with the given records replaced.
FixtureBytes catalogue_file(const std::map<int, FixtureBytes>& changed = {}) {
    FixtureBytes file;
    for (int n = 1; n <= 256; ++n) {
        const auto it = changed.find(n);
        file.append(it != changed.end() ? it->second
                                        : talk("Речь номер " + std::to_string(n), std::to_string(n),
                                               static_cast<std::uint16_t>(n)));
    }
    return file;
}

std::vector<std::uint8_t> record_of(const std::vector<std::uint8_t>& file, int talk_no) {
    const auto begin = file.begin() + (talk_no - 1) * 154;
    return std::vector<std::uint8_t>(begin, begin + 154);
}

struct TalkCatalogueTest : ::testing::Test {
    TempDir dir;
    RecordingPrompter prompter;
    DataFolder folder{dir.path(), prompter};
    TalkCatalogue talks;
};

}  // namespace

TEST_F(TalkCatalogueTest, FreshFolderBuildsTheCatalogueFromTheStringTableWithoutWriting) {
    talks.load(folder);
    ASSERT_EQ(talks.entries().size(), 256u);
    EXPECT_EQ(talks.number_text(1), "1");
    EXPECT_EQ(talks.number_text(230), "230");
    EXPECT_EQ(talks.number_text(231), "S-31");
    EXPECT_EQ(talks.number_text(232), "S-32");
    EXPECT_EQ(talks.title(232), "Погребальная Речь");
    EXPECT_EQ(talks.number_text(256), "S-56");
    for (int n = 1; n <= 256; ++n)
        EXPECT_EQ(talks.find(n)->talk_no, n);
    EXPECT_FALSE(std::filesystem::exists(dir / "talk.dat"));
}

TEST_F(TalkCatalogueTest, TitlesOfTheBuiltCatalogueAreTexts401To656AsTheyStand) {
    const StringTable texts = StringTable::parse(
        "401 first \"Первая речь каталога\"\n500 blank \"   \"\n631 special \"Особая речь S-31\"\n"
        "656 last \"Последняя речь\"\n");
    talks.load(folder, texts);
    EXPECT_EQ(talks.title(231), "Особая речь S-31");
    EXPECT_EQ(talks.number_text(231), "S-31");
    EXPECT_EQ(talks.title(1), "Первая речь каталога");
    EXPECT_EQ(talks.title(100), "   ");  // a blank text gives a blank title
    EXPECT_EQ(talks.title(256), "Последняя речь");
    EXPECT_EQ(talks.title(2), "");
}

TEST_F(TalkCatalogueTest, DefaultTopicsFollowTheTopicTable) {
    talks.load(folder);
    std::map<std::uint16_t, int> talks_per_topic;
    for (const TalkRecord& t : talks.entries()) {
        ++talks_per_topic[t.topic_ids[0]];
        for (std::size_t k = 1; k < t.topic_ids.size(); ++k)
            EXPECT_EQ(t.topic_ids[k], 0);
    }
    const std::map<std::uint16_t, int> expected{{0, 256 - 162}, {1, 15}, {2, 17}, {3, 5},
                                                {4, 19},        {5, 11}, {6, 26}, {7, 16},
                                                {8, 27},        {9, 8},  {10, 18}};
    EXPECT_EQ(talks_per_topic, expected);
    EXPECT_EQ(talks.find(4)->topic_ids[0], 1);
    EXPECT_EQ(talks.find(160)->topic_ids[0], 10);
    EXPECT_EQ(talks.find(161)->topic_ids[0], 8);
    EXPECT_EQ(talks.find(162)->topic_ids[0], 6);
    EXPECT_EQ(talks.find(163)->topic_ids[0], 0);
    EXPECT_EQ(talks.find(231)->topic_ids[0], 0);
}

TEST_F(TalkCatalogueTest, LoadedCatalogueUpdatesTalks161To230Only) {
    const StringTable texts = StringTable::parse(
        "560 a \"Не та речь\"\n575 b \"  Новая речь 175  \"\n577 c \"Не та речь\"\n"
        "631 d \"Не та речь\"\n");
    catalogue_file({{160, talk("", "S-5", 160)},
                    {175, talk("   ", "S-75", 175, {3, 7})},
                    {176, talk("  ", "176", 176)},
                    {177, talk("Своё название речи", "S-1", 177)},
                    {231, talk("", "S-31", 231)}})
        .write_to(dir / "talk.dat");
    talks.load(folder, texts);
    EXPECT_EQ(talks.number_text(175), "175");
    EXPECT_EQ(talks.title(175), "Новая речь 175");
    EXPECT_EQ(talks.find(175)->topic_ids[1], 7);
    EXPECT_EQ(talks.title(176), "  ");  // no text 576: the blank title stays
    EXPECT_EQ(talks.number_text(177), "177");
    EXPECT_EQ(talks.title(177), "Своё название речи");
    // Outside 161-230 the file is taken as it is.
    EXPECT_EQ(talks.number_text(160), "S-5");
    EXPECT_EQ(talks.title(160), "");
    EXPECT_EQ(talks.number_text(231), "S-31");
    EXPECT_EQ(talks.title(231), "");
}

TEST_F(TalkCatalogueTest, DamagedFilesKeepTalkNumbersToTheirPlaces) {
    // A short file with a partial last record, and talk numbers 0 and 300 in it.
    FixtureBytes file;
    file.append(talk("Речь первая, номер ноль", "1", 0));
    file.append(talk("Речь вторая, номер 300", "2", 300));
    file.fill(file.size(), 100, 0x41);
    file.write_to(dir / "talk.dat");
    talks.load(folder);
    EXPECT_EQ(talks.find(1)->talk_no, 1);
    EXPECT_EQ(talks.find(2)->talk_no, 2);
    EXPECT_EQ(talks.title(2), "Речь вторая, номер 300");
    EXPECT_EQ(talks.title(3), "");  // not the 'A's of the partial record
    EXPECT_EQ(talks.find(3)->talk_no, 3);
    EXPECT_EQ(talks.find(256)->talk_no, 256);

    // Records beyond the 256th belong to no talk.
    FixtureBytes longer = catalogue_file();
    longer.append(talk("Лишняя речь за концом", "257", 257));
    longer.write_to(dir / "talk.dat");
    talks.load(folder);
    EXPECT_EQ(talks.entries().size(), 256u);
    EXPECT_EQ(talks.title(256), "Речь номер 256");
}

TEST_F(TalkCatalogueTest, LookupsOutsideOneTo256FindNothing) {
    talks.load(folder);
    EXPECT_EQ(talks.find(0), nullptr);
    EXPECT_EQ(talks.find(257), nullptr);
    EXPECT_EQ(talks.number_text(0), "");
    EXPECT_EQ(talks.title(257), "");
    EXPECT_FALSE(talks.has_title(-1));
    EXPECT_FALSE(talks.set(0, TalkRecord{}));
    EXPECT_FALSE(talks.set(257, TalkRecord{}));
}

TEST_F(TalkCatalogueTest, ATitleNeedsMoreThanNineCharacters) {
    TalkRecord t;
    t.title = "абвгдежзи";  // 9 letters in 18 bytes
    EXPECT_FALSE(TalkCatalogue::has_title(t));
    t.title = "абвгдежзий";
    EXPECT_TRUE(TalkCatalogue::has_title(t));
    t.title = "          ";  // the rule counts characters, blanks too
    EXPECT_TRUE(TalkCatalogue::has_title(t));
}

TEST_F(TalkCatalogueTest, SetKeepsThePlaceNumberAndRemoveTopicClearsEveryTalk) {
    talks.load(folder);
    TalkRecord edited;
    edited.title = "Новое название речи";
    edited.number_text = "S-99";
    edited.talk_no = 12;
    edited.topic_ids = {4, 6, 4};
    ASSERT_TRUE(talks.set(50, edited));
    EXPECT_EQ(talks.find(50)->talk_no, 50);
    EXPECT_EQ(talks.number_text(50), "S-99");

    talks.remove_topic(4);
    EXPECT_EQ(talks.find(50)->topic_ids[0], 0);
    EXPECT_EQ(talks.find(50)->topic_ids[1], 6);
    EXPECT_EQ(talks.find(50)->topic_ids[2], 0);
    for (const TalkRecord& t : talks.entries()) {
        for (const std::uint16_t id : t.topic_ids)
            EXPECT_NE(id, 4) << "talk " << t.talk_no;
    }
    EXPECT_EQ(talks.find(9)->topic_ids[0], 0);   // was topic 4 by default
    EXPECT_EQ(talks.find(19)->topic_ids[0], 6);  // other topics stay
}

TEST_F(TalkCatalogueTest, SaveWritesAll256RecordsInTheirLayout) {
    talks.load(folder);
    TalkRecord full;
    full.title = std::string(93, 'x');  // fills the field, no terminator
    full.number_text = "S-7";
    full.topic_ids[25] = 99;
    talks.set(7, full);
    ASSERT_TRUE(talks.save(folder));
    const auto file = read_bytes(dir / "talk.dat");
    ASSERT_EQ(file.size(), 39424u);
    EXPECT_EQ(record_of(file, 4), talk(talks.title(4), "4", 4, {1}).bytes());
    EXPECT_EQ(record_of(file, 232), talk("Погребальная Речь", "S-32", 232).bytes());
    FixtureBytes seventh = talk("", "S-7", 7);
    seventh.fill(0, 93, 'x').u16(102 + 50, 99);
    EXPECT_EQ(record_of(file, 7), seventh.bytes());

    TalkCatalogue again;
    again.load(folder);
    EXPECT_EQ(again.entries(), talks.entries());
}

TEST_F(TalkCatalogueTest, WriteFailureIsReportedAndTheEditStays) {
    talks.load(folder);
    TalkRecord t = *talks.find(3);
    t.title = "Правка, которую не записать";
    talks.set(3, t);
    std::filesystem::create_directory(dir / "talk.dat");
    EXPECT_FALSE(talks.save(folder));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_NE(prompter.messages[0].text.find((dir / "talk.dat").string()), std::string::npos);
    EXPECT_EQ(talks.title(3), "Правка, которую не записать");
}
