// The congregation chooser with circuit filter in its three modes.
#include <gtest/gtest.h>

#include "core/schedule/congregation_chooser_model.h"
#include "schedule_fixture.h"

using namespace vorla;
using namespace vorla::testing;
using schedule::ChooserMode;
using schedule::CongregationChooserModel;

namespace {

std::vector<std::string> texts(const CongregationChooserModel& m) {
    return text::texts_of(m.lines());
}

using ChooserTest = ScheduleTest;

}  // namespace

TEST_F(ChooserTest, AllModeListsEveryCongregationUnderTheAllLineAndFiltersByCircuit) {
    write_bytes(dir / "circuit.dat",
                concat({named_bytes("Северный", 30001), named_bytes("Южный", 30002),
                        named_bytes("Западный", 30003)}));
    open();
    CongregationChooserModel m(*doc, ChooserMode::all);
    EXPECT_TRUE(m.circuit_filter_visible());
    EXPECT_EQ(m.circuit_lines(),
              (std::vector<std::string>{"Все районы", "Северный", "Южный", "Западный"}));
    EXPECT_EQ(texts(m),
              (std::vector<std::string>{"Все собрания", "Лесное", "Наше", "Пустое", "Речное"}));
    EXPECT_EQ(m.selected_line(), 0u);
    EXPECT_EQ(m.accept(), 0);  // all congregations
    m.select_line(4);
    EXPECT_EQ(m.accept(), 3);  // Речное

    m.set_circuit_line(2);
    EXPECT_EQ(m.circuit_filter(), 30002);
    EXPECT_EQ(texts(m), (std::vector<std::string>{"Все собрания", "Пустое", "Речное"}));
    EXPECT_EQ(m.selected_line(), 0u);
    // A circuit without congregations leaves only the line for all of them.
    m.set_circuit_line(3);
    EXPECT_EQ(texts(m), std::vector<std::string>{"Все собрания"});
    m.set_circuit_line(0);
    EXPECT_EQ(m.circuit_filter(), 0);
    EXPECT_EQ(m.lines().size(), 5u);
}

TEST_F(ChooserTest, WithOneCircuitTheFilterIsHidden) {
    write_bytes(dir / "circuit.dat", concat({named_bytes("Северный", 30001)}));
    open();
    const CongregationChooserModel m(*doc, ChooserMode::all);
    EXPECT_FALSE(m.circuit_filter_visible());
    EXPECT_EQ(m.lines().size(), 5u);
}

TEST_F(ChooserTest, ExchangeModeListsCongregationsOfTheComingWeeksButNeverOurs) {
    // T = 1406: week indexes 1405-1560 are week numbers 1406-1561.
    write_bytes(dir / "history.dat",
                concat({planned_week(1405, 1, 12, 4),  // one week too early: Пустое
                        planned_week(1406, 3, 12, 3),  // Речное sends a speaker
                        planned_week(1500, 0, 0, 0).u16(40, 1).u16(50, 2),  // we visit Лесное
                        planned_week(1562, 1, 12, 4)}));                    // one week too late
    open();
    CongregationChooserModel m(*doc, ChooserMode::exchange);
    EXPECT_FALSE(m.circuit_filter_visible());
    EXPECT_EQ(texts(m), (std::vector<std::string>{"Лесное", "Речное"}));
    EXPECT_EQ(m.selected_line(), 0u);
    EXPECT_EQ(m.accept(), 2);
    EXPECT_FALSE(schedule::takes_part_in_exchange(*doc, 1));
}

TEST_F(ChooserTest, OursModePreselectsOurCongregationTenLinesDown) {
    // Thirty congregations; ours is the 25th name.
    std::vector<std::uint8_t> congs(256, 0);
    for (std::uint16_t i = 1; i <= 30; ++i) {
        const std::string name = "Собрание " + std::string(i < 10 ? "0" : "") + std::to_string(i);
        const auto r = congregation_bytes(i, name).u16(178, i <= 25 ? 30001 : 30002).bytes();
        congs.insert(congs.end(), r.begin(), r.end());
    }
    write_bytes(dir / "cong.dat", congs);
    write_text(dir / "vorla.ini", "[Congregation]\r\nNumber=25\r\n");
    open();
    CongregationChooserModel m(*doc, ChooserMode::ours);
    ASSERT_EQ(m.lines().size(), 30u);
    EXPECT_EQ(m.selected_line(), 24u);
    EXPECT_EQ(m.top_line(), 14u);  // the 15th name
    EXPECT_EQ(m.lines()[m.top_line()].text, "Собрание 15");
    EXPECT_EQ(m.accept(), 25);

    // Filtered to a circuit without ours: the first line, at the top.
    m.set_circuit_line(2);
    EXPECT_EQ(m.lines().size(), 5u);
    EXPECT_EQ(m.selected_line(), 0u);
    EXPECT_EQ(m.top_line(), 0u);
    EXPECT_EQ(m.accept(), 26);
}

TEST_F(ChooserTest, EmptyListGivesNoChoice) {
    open();
    const CongregationChooserModel m(*doc, ChooserMode::exchange);
    EXPECT_TRUE(m.lines().empty());
    EXPECT_FALSE(m.selected_line());
    EXPECT_FALSE(m.accept());
}
