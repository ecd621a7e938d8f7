#include "core/schedule/talk_picker_model.h"

#include <algorithm>

#include "schedule_fixture.h"

using namespace vorla;
using namespace vorla::testing;
using schedule::TalkPickerModel;
using schedule::TalkPickerParams;

namespace {

struct TalkPickerTest : ScheduleTest {
    // Talk 12 was heard 20 weeks ago (Петров), talk 34 is planned for next month, talk 56
    // was heard 106 weeks ago.
    void write_weeks() {
        write_bytes(dir / "history.dat",
                    concat({planned_week(1300, 3, 56, 3), planned_week(1386, 1, 12, 2),
                            planned_week(1410, 0, 34, 0)}));
    }

    static std::vector<int> talks(const TalkPickerModel& m) {
        std::vector<int> out;
        for (const auto& e : m.entries())
            out.push_back(e.talk_no);
        return out;
    }
    static TalkPickerParams single(int chosen = 0) {
        TalkPickerParams p;
        p.title = "Январь";
        p.chosen = chosen;
        return p;
    }
    static int topic_line(const TalkPickerModel& m, const std::string& name) {
        const auto& lines = m.topic_lines();
        return static_cast<int>(std::find(lines.begin(), lines.end(), name) - lines.begin());
    }
};

}  // namespace

TEST_F(TalkPickerTest, OffersTitledTalksUpToTwoHundredFilteredBySpeakerCongregationAndTopic) {
    open();
    TalkPickerModel all(*doc, single());
    ASSERT_EQ(all.entries().size(), 199u);  // 1-200 without the untitled 99
    EXPECT_EQ(all.entries().front().text, "  1");
    EXPECT_EQ(all.entries().back().talk_no, 200);
    EXPECT_FALSE(all.entry_of(99));
    EXPECT_EQ(all.topic_lines().front(), "Все категории");
    EXPECT_EQ(all.topic_lines().size(), 11u);
    EXPECT_TRUE(all.only_needed_visible());

    TalkPickerParams p = single();
    p.speaker = 3;
    EXPECT_EQ(talks(TalkPickerModel(*doc, p)), (std::vector<int>{12, 56}));

    p = single();
    p.congregation = 2;  // Петров's and Сидоров's talks together
    EXPECT_EQ(talks(TalkPickerModel(*doc, p)), (std::vector<int>{12, 34}));

    TalkPickerModel topics(*doc, single());
    topics.set_topic_line(topic_line(topics, "Царство / Рай"));
    EXPECT_EQ(talks(topics), (std::vector<int>{56}));
    topics.set_topic_line(0);
    EXPECT_EQ(topics.entries().size(), 199u);
}

TEST_F(TalkPickerTest, ASpeakerWithoutTalksLeavesNothingToChoose) {
    write_weeks();
    open();
    TalkPickerParams p = single(12);
    p.speaker = 4;
    TalkPickerModel m(*doc, p);
    EXPECT_TRUE(m.entries().empty());
    EXPECT_EQ(m.chosen(), 0);
    EXPECT_FALSE(m.history_visible());
    EXPECT_EQ(m.chosen_details(), schedule::TalkDetails{});
    EXPECT_FALSE(m.ok_enabled());
    EXPECT_FALSE(m.accept_single());
}

TEST_F(TalkPickerTest, RecencyHidesTalksHeardOrPlannedInTheLookedBackWeeks) {
    write_weeks();
    open();
    TalkPickerModel m(*doc, single());
    EXPECT_EQ(TalkPickerModel::recency_lines(),
              (std::vector<std::string>{"Все речи", "Не на текущем расписании",
                                        "Нет в прошлые 6 Месяцев", "Нет в прошлые 12 Месяцев",
                                        "Нет в прошлые 18 Месяцев", "Нет в прошлые 2 Года",
                                        "Нет в прошлые 3 Года", "Нет в прошлые 4 Года"}));
    const auto offered = [&](int talk) { return m.entry_of(talk).has_value(); };
    m.set_recency_line(1);  // not on the current schedule
    EXPECT_TRUE(offered(12));
    EXPECT_FALSE(offered(34));
    m.set_recency_line(2);  // six months: heard 20 weeks ago, planned next month
    EXPECT_FALSE(offered(12));
    EXPECT_FALSE(offered(34));
    EXPECT_TRUE(offered(56));
    m.set_recency_line(5);  // two years: 106 weeks ago is older
    EXPECT_TRUE(offered(56));
    m.set_recency_line(6);
    EXPECT_FALSE(offered(56));
    EXPECT_EQ(m.entries().size(), 196u);
}

TEST_F(TalkPickerTest, OnlyNeededSwitchesItselfOffWhenEveryNeededTalkWasHeardLately) {
    write_weeks();
    open();
    TalkPickerParams p = single();
    p.only_needed = true;
    p.needed.set(12);
    p.needed.set(34);
    TalkPickerModel heard(*doc, p);
    EXPECT_FALSE(heard.only_needed());
    EXPECT_EQ(heard.entries().size(), 199u);

    p.needed.set(56);  // heard two years ago: still needed
    TalkPickerModel needed(*doc, p);
    EXPECT_TRUE(needed.only_needed());
    EXPECT_EQ(talks(needed), (std::vector<int>{56}));
    needed.toggle_only_needed();
    EXPECT_EQ(needed.entries().size(), 199u);

    p.wish_mode = true;
    EXPECT_FALSE(TalkPickerModel(*doc, p).only_needed_visible());
}

TEST_F(TalkPickerTest, DetailsTellWhenAndByWhomATalkWasLastHeard) {
    write_weeks();
    write_bytes(dir / "wishlist.dat",
                FixtureBytes(96).u8(1, 0x08).u8(33, 0x08).u8(4, 0x02).bytes());
    open();
    TalkPickerParams p = single(12);
    TalkPickerModel m(*doc, p);
    EXPECT_EQ(m.chosen_details(),
              (schedule::TalkDetails{"Речь 12 ( 12 ) ", "Последний:  Июл 26, 2026",
                                     "Иван Петров - Лесное", ""}));
    // A planned week counts too; without a speaker the speaker line stays empty.
    EXPECT_EQ(m.details(34).last_heard, "Последний:  Янв 10, 2027");
    EXPECT_EQ(m.details(34).speaker, "");
    EXPECT_EQ(m.details(1).last_heard, "");
    EXPECT_TRUE(m.history_visible());
    EXPECT_EQ(m.history_caption(), "Показать историю - Речь 12");
    m.select(*m.entry_of(1));
    EXPECT_EQ(m.chosen(), 1);
    EXPECT_FALSE(m.history_visible());
    EXPECT_EQ(m.accept_single(), 1);

    // With only-needed on, the priority of the talk on the list.
    p.only_needed = true;
    p.needed = doc->wish_list().record().wanted;
    p.needed.set(56);
    TalkPickerModel needed(*doc, p);
    ASSERT_TRUE(needed.only_needed());
    EXPECT_EQ(needed.details(56).priority, "Средний");
    EXPECT_EQ(needed.details(12).priority, "Высокий");
}

TEST_F(TalkPickerTest, MultipleModeTicksTheNeededSetAndKeepsHiddenTalks) {
    write_weeks();
    open();
    TalkPickerParams p;
    p.single = false;
    p.wish_mode = true;
    p.speaker = 1;  // gives 12 and 34
    p.needed.set(12);
    p.needed.set(56);
    TalkPickerModel m(*doc, p);
    ASSERT_EQ(talks(m), (std::vector<int>{12, 34}));
    EXPECT_TRUE(m.ticked(0));
    EXPECT_FALSE(m.ticked(1));
    EXPECT_TRUE(m.ok_enabled());
    m.set_ticked(0, false);
    m.set_ticked(1, true);
    EXPECT_EQ(m.accept_multiple().talks(), (std::vector<int>{34, 56}));
}
