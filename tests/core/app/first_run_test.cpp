#include "core/app/first_run.h"

#include <gtest/gtest.h>

#include "core/schedule/schedule_fixture.h"

using namespace vorla;
using namespace vorla::testing;
using app::FirstRunAdvice;

namespace {

struct FirstRunTest : ::testing::Test {
    TempDir dir;
    RecordingPrompter prompter;

    std::vector<FirstRunAdvice> advice() {
        store::Document doc({dir.path(), {2026, 12, 7}, {}}, prompter);
        return app::first_run_advice(doc);
    }
};

}  // namespace

TEST_F(FirstRunTest, AFreshFolderNeedsTitlesAndOurCongregation) {
    EXPECT_EQ(advice(), (std::vector{FirstRunAdvice::fill_talk_titles,
                                     FirstRunAdvice::choose_our_congregation}));
    EXPECT_NE(app::advice_text(FirstRunAdvice::fill_talk_titles).find("«Импорт названий…»"),
              std::string::npos);
    EXPECT_NE(app::advice_text(FirstRunAdvice::choose_our_congregation).find("«Наше собрание»"),
              std::string::npos);
}

TEST_F(FirstRunTest, AFolderInUseNeedsNoAdvice) {
    write_planning_folder(dir.path());
    EXPECT_TRUE(advice().empty());
}

TEST_F(FirstRunTest, SpecialTalksAloneDoNotFillTheListsAndAVanishedCongregationIsNotOurs) {
    write_planning_folder(dir.path());
    std::vector<std::uint8_t> talks = talk_file();
    // Only the special talks after the regular 230 keep their titles.
    for (std::size_t n = 1; n <= 230; ++n)
        std::fill_n(talks.begin() + static_cast<std::ptrdiff_t>((n - 1) * 154), 93, 0);
    write_bytes(dir / "talk.dat", talks);
    write_text(dir / "vorla.ini", "[Congregation]\r\nNumber=9\r\n");
    EXPECT_EQ(advice(), (std::vector{FirstRunAdvice::fill_talk_titles,
                                     FirstRunAdvice::choose_our_congregation}));
    // One regular title is enough to pick talks.
    talks[11 * 154] = 'T';  // talk 12 titled "T"
    write_bytes(dir / "talk.dat", talks);
    write_text(dir / "vorla.ini", "[Congregation]\r\nNumber=1\r\n");
    EXPECT_TRUE(advice().empty());
}
