#include "core/editors/name_list_model.h"

#include "editor_fixture.h"

using namespace vorla;
using namespace vorla::testing;
using editors::NamedList;
using editors::NameListModel;

namespace {

struct NameListTest : EditorTest {};

TEST_F(NameListTest, CircuitsGetIdsFrom30001AndAFreedIdIsReused) {
    open();
    NameListModel m(*doc, NamedList::circuits);
    EXPECT_EQ(m.title(), "Районы");
    EXPECT_EQ(m.add_caption(), "Добавить район");
    EXPECT_FALSE(m.edit_visible());
    EXPECT_FALSE(m.ok_visible());
    m.add();
    EXPECT_TRUE(m.edit_visible());
    EXPECT_FALSE(m.add_visible());
    m.ok("  Северный  ");
    m.add();
    m.ok("Восточный");
    EXPECT_FALSE(m.edit_visible());
    EXPECT_EQ(read_bytes(dir / "circuit.dat"),
              concat({named_bytes("Восточный", 30002), named_bytes("Северный", 30001)}));
    m.select(1);
    EXPECT_EQ(m.edit_text(), "Северный");
    m.ok("");  // an emptied name deletes
    m.add();
    m.ok("Южный");
    EXPECT_EQ(read_bytes(dir / "circuit.dat"),
              concat({named_bytes("Восточный", 30002), named_bytes("Южный", 30001)}));
}

TEST_F(NameListTest, RenamingKeepsTheIdAndDeletingClearsItFromCongregations) {
    write_bytes(dir / "circuit.dat", concat({named_bytes("Первый", 30001)}));
    write_bytes(dir / "cong.dat", slot_file({congregation_bytes(1, "Озёрное").u16(178, 30001)}));
    open();
    NameListModel m(*doc, NamedList::circuits);
    m.select(0);
    m.ok("Главный");
    EXPECT_EQ(read_bytes(dir / "circuit.dat"), concat({named_bytes("Главный", 30001)}));
    m.select(0);
    m.ok("   ");
    EXPECT_EQ(u16_at(slot("cong.dat", 1), 178), 0);
    // The last circuit is gone from the file too, so it does not come back at the next start.
    EXPECT_TRUE(read_bytes(dir / "circuit.dat").empty());
    EXPECT_EQ(doc->circuits().size(), 0u);
}

TEST_F(NameListTest, DuplicatesAreRefusedWithANoticeAndEditingEnds) {
    write_bytes(dir / "hospital.dat",
                concat({named_bytes("~Иваненко", 30001), named_bytes("Петренко", 30002)}));
    open();
    NameListModel m(*doc, NamedList::hosts);
    EXPECT_EQ(m.title(), "Гостеприимство");
    EXPECT_EQ(m.add_caption(), "Добав. гостеприимных");
    EXPECT_EQ(text::texts_of(m.lines()), (std::vector<std::string>{"~Иваненко", "Петренко"}));
    m.add();
    m.ok("иваненко");
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, "~Иваненко дублирующее имя.\n\n");
    EXPECT_FALSE(m.edit_visible());
    m.select(1);
    m.ok("~ИВАНЕНКО");
    EXPECT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(doc->hosts().at(1).name, "Петренко");
    m.add();
    m.ok("");  // adds nothing
    EXPECT_EQ(doc->hosts().size(), 2u);
}

TEST_F(NameListTest, ChooserReturnsTheSelectedIdOrZero) {
    write_bytes(dir / "circuit.dat",
                concat({named_bytes("Альфа", 30005), named_bytes("Бета", 30002)}));
    open();
    NameListModel m(*doc, NamedList::circuits, true, 2);
    EXPECT_EQ(m.cancel_caption(), "Отмена");
    EXPECT_TRUE(m.ok_visible());
    EXPECT_EQ(m.selection(), 1u);
    m.select(0);
    EXPECT_FALSE(m.edit_visible());  // choosing does not edit
    EXPECT_TRUE(m.ok(""));
    EXPECT_EQ(m.chosen_id(), 30005);
    NameListModel none(*doc, NamedList::circuits, true, -1);
    EXPECT_TRUE(none.ok(""));
    EXPECT_EQ(none.chosen_id(), 0);
    // Adding from the chooser stays open.
    none.add();
    EXPECT_FALSE(none.ok("Гамма"));
    EXPECT_EQ(doc->circuits().size(), 3u);
}

TEST_F(NameListTest, AfterAChangeTheListSelectsWhatTheUserWillWantNext) {
    write_bytes(dir / "circuit.dat",
                concat({named_bytes("Бета", 30001), named_bytes("Гамма", 30002)}));
    open();
    // Editing: no line stays selected, so a click on any line (the renamed one included)
    // starts editing it again.
    NameListModel edit(*doc, NamedList::circuits);
    edit.select(0);
    edit.ok("Дельта");
    EXPECT_EQ(edit.selection(), std::nullopt);
    edit.select(1);
    EXPECT_EQ(edit.edit_text(), "Дельта");

    // Choosing: a circuit added from the chooser is selected, ready to be chosen, even when it
    // sorts before the line that was preselected.
    NameListModel chooser(*doc, NamedList::circuits, true, 2);
    chooser.add();
    chooser.ok("Аа");
    ASSERT_EQ(chooser.selection(), 0u);
    EXPECT_TRUE(chooser.ok(""));
    EXPECT_EQ(chooser.chosen_id(), 30003);
    EXPECT_EQ(doc->circuits().at(0).name, "Аа");
    // A refused duplicate keeps the entry that was selected.
    NameListModel refused(*doc, NamedList::circuits, true, 3);
    refused.add();
    refused.ok("гамма");
    ASSERT_EQ(refused.selection(), 2u);
    EXPECT_TRUE(refused.ok(""));
    EXPECT_EQ(refused.chosen_id(), 30001);
}

TEST_F(NameListTest, TopicsGetTheSmallestFreeIdAndDeletingLeavesEveryTalk) {
    open();                                             // topics 1-10 from the string table
    NameListModel m(*doc, NamedList::topics, true, 1);  // topics have no chooser
    EXPECT_FALSE(m.choosing());
    EXPECT_EQ(m.title(), "Темы");
    EXPECT_EQ(m.add_caption(), "Добавить тему");
    EXPECT_EQ(m.cancel_caption(), "Закрыть");
    using enum editors::NameListButton;
    EXPECT_EQ(m.buttons(), (std::vector<editors::NameListButton>{ok, add, close}));
    EXPECT_EQ(m.lines().size(), 10u);
    m.add();
    m.ok("Молитва");
    EXPECT_EQ(doc->topics().at(doc->topics().find_by_id(11) - 1).topic_name, "Молитва");
    // Talk 9 carries topic 4 "Вера / Духовность" by default.
    const std::size_t faith = doc->topics().find_by_id(4) - 1;
    m.select(faith);
    EXPECT_EQ(m.edit_text(), "Вера / Духовность");
    m.ok("");
    EXPECT_EQ(doc->topics().find_by_id(4), 0u);
    EXPECT_EQ(doc->talks().find(9)->topic_ids[0], 0);
    m.add();
    m.ok("Надежда");
    EXPECT_NE(doc->topics().find_by_id(4), 0u);
    const auto bytes = read_bytes(dir / "topic.dat");
    EXPECT_EQ(bytes.size(), 11u * 48);
    EXPECT_EQ(read_bytes(dir / "talk.dat").size(), 256u * 154);
    m.add();
    m.ok("молитва");
    EXPECT_EQ(prompter.messages.back().text, "Молитва дублирующее имя.\n\n");
    // A topic name is cut to the 45 characters its field holds, a circuit's to 28.
    m.add();
    m.ok(std::string(50, 'x'));
    EXPECT_EQ(doc->topics().name_of(12), std::string(45, 'x'));
    NameListModel circuits(*doc, NamedList::circuits);
    EXPECT_EQ(circuits.buttons(), (std::vector<editors::NameListButton>{ok, close, add}));
    circuits.add();
    circuits.ok(std::string(50, 'x'));
    EXPECT_EQ(doc->circuits().name_of(30001), std::string(28, 'x'));
}

}  // namespace
