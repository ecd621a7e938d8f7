#include "core/editors/talk_chooser_model.h"
#include "core/editors/name_list_model.h"
#include "core/editors/talk_editor_model.h"
#include "core/editors/talk_title_import.h"

#include "editor_fixture.h"

using namespace vorla;
using namespace vorla::testing;
using editors::TalkChooserModel;
using editors::TalkEditorModel;
using Action = editors::TalkChooserModel::Action;

namespace {

// Titles for talks 3, 12 and 15 (the built-in catalogue has one for 232 only).
struct TalkChooserTest : EditorTest {
    void SetUp() override {
        open();
        for (const auto& [n, title] :
             std::vector<std::pair<int, std::string>>{{3, "Мир, который придёт"},
                                                      {12, "Бог ненавидит обман"},
                                                      {15, "Делать добро всем людям"}}) {
            store::TalkRecord t = *doc->talks().find(n);
            t.title = title;
            doc->talks().set(n, t);
        }
    }
    store::BrotherRecord speaker(std::initializer_list<int> talks) const {
        store::BrotherRecord r;
        r.first_name = "Иван";
        r.last_name = "Петров";
        r.brother_id = 1;
        for (int n : talks)
            r.talks.set(n);
        return r;
    }
};

TEST_F(TalkChooserTest, TitlesModeListsTitledTalksAndEmptyPlacesOnRequest) {
    TalkChooserModel m = TalkChooserModel::titles(*doc);
    EXPECT_EQ(m.title(), "Выбрать речь для редактирования");
    EXPECT_EQ(m.ok_caption(), "Редактировать");
    EXPECT_EQ(m.cancel_caption(), "Закрыть");
    EXPECT_TRUE(m.close_is_default());
    EXPECT_EQ(m.action_caption(), "Добавить новую речь");
    EXPECT_EQ(text::texts_of(m.lines()),
              (std::vector<std::string>{"3\tМир, который придёт", "12\tБог ненавидит обман",
                                        "15\tДелать добро всем людям", "S-32\tПогребальная Речь"}));
    EXPECT_EQ(m.selection(), 0u);
    m.run_action();
    ASSERT_EQ(m.lines().size(), 256u);
    EXPECT_EQ(m.lines()[0].text, "1\tДоступно для новой речи");
    EXPECT_EQ(m.selection(), 0u);
    EXPECT_EQ(m.top_line(), 0u);
    EXPECT_FALSE(m.action_visible());
    EXPECT_EQ(m.ok(), Action::open_editor);
    EXPECT_EQ(m.chosen_talk(), 0u);
    m.fill();  // back from the editor: empty places are gone again
    EXPECT_EQ(m.lines().size(), 4u);
}

TEST_F(TalkChooserTest, FirstEmptyPlaceIsBroughtToTheTenthLine) {
    for (int n = 1; n <= 40; ++n) {
        store::TalkRecord t = *doc->talks().find(n);
        t.title = "Название речи " + std::to_string(n);
        doc->talks().set(n, t);
    }
    TalkChooserModel m = TalkChooserModel::titles(*doc);
    m.run_action();
    EXPECT_EQ(m.selection(), 40u);
    EXPECT_EQ(m.lines()[40].text, "41\tДоступно для новой речи");
    EXPECT_EQ(m.top_line(), 31u);
}

TEST_F(TalkChooserTest, ClosingTheTitlesModeWritesTheCatalogue) {
    TalkChooserModel m = TalkChooserModel::titles(*doc);
    EXPECT_FALSE(std::filesystem::exists(dir / "talk.dat"));
    EXPECT_EQ(m.cancel(), Action::close_cancel);
    const auto bytes = read_bytes(dir / "talk.dat");
    ASSERT_EQ(bytes.size(), 256u * 154);
    EXPECT_EQ(text_at(bytes, 11 * 154, 93), "Бог ненавидит обман");
}

TEST_F(TalkChooserTest, AnyTalkModePreselectsThePresentTalkAndHidesAdding) {
    TalkChooserModel m = TalkChooserModel::any_talk(*doc, 15);
    EXPECT_EQ(m.title(), "Выберите речь");
    EXPECT_EQ(m.cancel_caption(), "Отмена");
    EXPECT_FALSE(m.action_visible());
    EXPECT_EQ(m.selection(), 2u);
    m.select_line(1);
    EXPECT_EQ(m.ok(), Action::close_ok);
    EXPECT_EQ(m.chosen_talk(), 11u);
    TalkChooserModel none = TalkChooserModel::any_talk(*doc, 0);
    EXPECT_EQ(none.selection(), 0u);
}

TEST_F(TalkChooserTest, BrotherModeCountsAddedAndRemovedTalks) {
    TalkChooserModel m = TalkChooserModel::brother(*doc, speaker({3}));
    EXPECT_TRUE(m.grid_view());
    EXPECT_EQ(m.title(), "Иван Петров - 1 речи");
    EXPECT_EQ(m.cancel_caption(), "Отмена");
    EXPECT_EQ(m.action_caption(), "Просмотр списка");
    ASSERT_EQ(m.grid().size(), 4u);  // talks with a title
    EXPECT_EQ(m.grid()[1].text, "  12");
    EXPECT_TRUE(m.grid()[0].selected);
    m.set_cell(1, true);
    m.set_cell(2, true);
    m.set_cell(0, false);
    EXPECT_EQ(m.title(), "Иван Петров - 2 речи");
    EXPECT_TRUE(m.added_visible());
    EXPECT_EQ(m.added_text(), "Добавленный 2");
    EXPECT_EQ(m.removed_text(), "Удаленный 1");
    EXPECT_EQ(m.hover_text(11), "Бог ненавидит обман ( 12 )");
    EXPECT_EQ(m.hover_text(255), "");
    m.run_action();
    EXPECT_FALSE(m.grid_view());
    EXPECT_EQ(m.action_caption(), "Выбор речей");
    EXPECT_EQ(text::texts_of(m.lines()),
              (std::vector<std::string>{"12\tБог ненавидит обман", "15\tДелать добро всем людям"}));
    EXPECT_EQ(m.double_click(0), Action::stay);
    EXPECT_TRUE(m.grid_view());
    EXPECT_EQ(m.ok(), Action::close_ok);
    EXPECT_TRUE(m.record().talks.has(12));
    EXPECT_FALSE(m.record().talks.has(3));
}

TEST_F(TalkChooserTest, TalksWithoutATitleKeepTheirMarkWhenTheGridIsEdited) {
    TalkChooserModel m = TalkChooserModel::brother(*doc, speaker({100}));
    m.set_cell(0, true);
    EXPECT_EQ(m.ok(), Action::close_ok);
    EXPECT_TRUE(m.record().talks.has(100));
    EXPECT_TRUE(m.record().talks.has(3));
}

TEST_F(TalkChooserTest, SpeakerModeChoosesAmongHisTalksAndCancelRestoresHisList) {
    TalkChooserModel m = TalkChooserModel::speaker(*doc, speaker({3, 15}), 15);
    EXPECT_FALSE(m.grid_view());
    EXPECT_EQ(m.title(), "Выберите речь");
    EXPECT_EQ(m.action_caption(), "Редактировать список");
    EXPECT_EQ(m.selection(), 1u);
    m.run_action();
    EXPECT_TRUE(m.grid_view());
    m.set_cell(1, true);
    EXPECT_EQ(m.cancel(), Action::stay);  // leaves the grid and forgets the change
    EXPECT_FALSE(m.grid_view());
    EXPECT_FALSE(m.record().talks.has(12));
    EXPECT_FALSE(m.added_visible());

    m.run_action();
    m.set_cell(1, true);
    EXPECT_EQ(m.ok(), Action::stay);  // the edited list is kept, shown to choose from
    EXPECT_EQ(m.lines().size(), 3u);
    m.select_line(1);
    EXPECT_EQ(m.ok(), Action::close_ok);
    EXPECT_EQ(m.chosen_talk(), 11u);
    EXPECT_TRUE(m.record().talks.has(12));

    TalkChooserModel empty = TalkChooserModel::speaker(*doc, speaker({}), 0);
    EXPECT_EQ(empty.ok(), Action::close_cancel);
}

TEST_F(TalkChooserTest, TalkEditorStoresNumberTitleAndAtMost26Topics) {
    TalkChooserModel chooser = TalkChooserModel::titles(*doc);
    chooser.run_action();  // talk 1 is an empty place
    TalkEditorModel m(*doc, &chooser, 0);
    EXPECT_EQ(m.topic_button_caption(), "Выбрать тему для речи 1");
    m.title() = "Насколько хорошо вы знаете Бога?";
    m.number_text() = "S-1234";  // cut to 5 characters
    m.toggle_topics();
    EXPECT_EQ(m.topic_button_caption(), "Просмотр списка для речи 1");
    EXPECT_TRUE(m.edit_topics_visible());
    ASSERT_EQ(m.all_topics().size(), 10u);
    for (std::size_t i = 0; i < m.all_topics().size(); ++i)
        m.set_topic_selected(i, i % 2 == 0);
    m.store();
    const store::TalkRecord* t = doc->talks().find(1);
    EXPECT_EQ(t->title, "Насколько хорошо вы знаете Бога?");
    EXPECT_EQ(t->number_text, "S-123");
    EXPECT_EQ(t->talk_no, 1);
    EXPECT_EQ(t->topic_ids[0], doc->topics().at(0).topic_id);
    EXPECT_EQ(t->topic_ids[5], 0);

    for (int k = 11; k <= 30; ++k)
        doc->topics().add("Тема " + std::to_string(k), doc->collator());
    TalkEditorModel many(*doc, &chooser, 1);
    many.toggle_topics();
    ASSERT_EQ(many.all_topics().size(), 30u);
    for (std::size_t i = 0; i < 30; ++i)
        many.set_topic_selected(i, true);
    many.toggle_topics();
    EXPECT_EQ(many.talk_topics().size(), 26u);
    EXPECT_EQ(many.talk_topics()[25].position, 25u);  // the first 26 in topic order
    many.store();
    EXPECT_EQ(doc->talks().find(2)->topic_ids[25], doc->topics().at(25).topic_id);
}

TEST_F(TalkChooserTest, TopicDeletedWhileTheEditorIsOpenDoesNotComeBackWithItsId) {
    TalkEditorModel m(*doc, nullptr, 8);  // talk 9: "Вера / Духовность" (id 4)
    ASSERT_EQ(m.talk_topics().size(), 1u);
    editors::NameListModel topics(*doc, editors::NamedList::topics);
    topics.select(doc->topics().find_by_id(4) - 1);
    topics.ok("");
    topics.add();
    topics.ok("Новая тема");  // takes id 4 again
    ASSERT_NE(doc->topics().find_by_id(4), 0u);
    m.topics_changed(topics.deleted_ids());
    m.store();
    EXPECT_EQ(doc->talks().find(9)->topic_ids[0], 0);
    EXPECT_TRUE(m.talk_topics().empty());
}

TEST_F(TalkChooserTest, TalkEditorShowsItsWeeksAndStepsThroughTheChooser) {
    write_bytes(dir / "cong.dat", slot_file({congregation_bytes(1, "Озёрное")}));
    write_bytes(dir / "speakers.dat", slot_file({brother_bytes(1, "Иван", "Петров", 1)}));
    write_bytes(
        dir / "history.dat",
        concat({week_bytes(1300).u16(2, 1).u16(4, 12).u16(6, 1).u16(20, 1),
                week_bytes(1400).u16(4, 12).u16(20, 1), week_bytes(1410).u16(4, 12).u16(20, 1)}));
    SetUp();
    TalkChooserModel chooser = TalkChooserModel::titles(*doc);
    chooser.select_line(1);
    TalkEditorModel m(*doc, &chooser, 11);
    // Week 1410 lies after the start week (W = 1406) and is not listed.
    ASSERT_EQ(m.history().size(), 2u);
    EXPECT_EQ(m.history()[0].text,
              doc->date_label(calendar::WeekNumber(1400),
                              calendar::LabelStyle::short_month | calendar::LabelStyle::with_year));
    EXPECT_EQ(m.window_title(), m.history()[0].text);
    m.select_history(1);
    EXPECT_EQ(m.window_title(),
              doc->date_label(calendar::WeekNumber(1300),
                              calendar::LabelStyle::short_month | calendar::LabelStyle::with_year) +
                  " - Иван Петров - Озёрное");
    m.title() = "Бог не терпит обмана";
    ASSERT_TRUE(m.step(+1));
    EXPECT_EQ(m.entry().talk_no, 15);
    EXPECT_EQ(m.window_title(), "Делать добро всем людям ( 15 )");
    EXPECT_EQ(doc->talks().title(12), "Бог не терпит обмана");
    ASSERT_TRUE(m.step(+1));
    ASSERT_TRUE(m.step(+1));
    EXPECT_EQ(m.entry().talk_no, 3);  // wrapped from the last line
    ASSERT_TRUE(m.step(-1));
    EXPECT_EQ(m.entry().talk_no, 232);
}

TEST(TalkTitleImport, ParsesTabsAndBlanksInEitherEncodingAndRefusesBadLines) {
    const std::string utf8 =
        "\xEF\xBB\xBF"
        "1\tНасколько хорошо вы знаете Бога?\r\n"
        "2 Вы переживёте последние дни?\r\n"
        "\r\n"
        "257\tНет такой речи\n"
        "xx\tбез номера\n"
        "12\n"
        "7中\tкитайский\n"
        "8\tНазвание 中\n"
        "3 " +
        std::string(120, 'a') + "\n";
    const editors::TitleImport r = editors::parse_talk_titles(utf8);
    ASSERT_EQ(r.titles.size(), 3u);
    EXPECT_EQ(r.titles[0], std::make_pair(1, std::string("Насколько хорошо вы знаете Бога?")));
    EXPECT_EQ(r.titles[1], std::make_pair(2, std::string("Вы переживёте последние дни?")));
    EXPECT_EQ(r.titles[2].second.size(), 91u);
    EXPECT_EQ(r.refused_lines, (std::vector<int>{4, 5, 6, 7, 8}));

    // Windows-1251: "Бог" is C1 EE E3.
    const editors::TitleImport cp =
        editors::parse_talk_titles("45\t\xC1\xEE\xE3 \xE5\xF1\xF2\xFC\n");
    ASSERT_EQ(cp.titles.size(), 1u);
    EXPECT_EQ(cp.titles[0].second, "Бог есть");
}

TEST(TalkTitleImport, ReportSaysHowManyWereTakenAndWhichLinesWereRefused) {
    EXPECT_EQ(editors::title_import_report(200, {}), "Принято названий речей: 200.");
    EXPECT_EQ(editors::title_import_report(3, {4, 9}),
              "Принято названий речей: 3.\nНе приняты строки (2): 4, 9.\n"
              "Строка должна иметь вид: номер речи (1-256), табуляция или пробел, название.");
    std::vector<int> many(25);
    for (int i = 0; i < 25; ++i)
        many[static_cast<std::size_t>(i)] = i + 1;
    EXPECT_NE(editors::title_import_report(0, many).find("(25): 1, 2,"), std::string::npos);
    EXPECT_NE(editors::title_import_report(0, many).find("20, …"), std::string::npos);
}

TEST_F(TalkChooserTest, ImportFillsTheTitlesKeepingNumbersAndTopics) {
    write_text(dir / "titles.txt",
               "9\tСлушайся Бога и живи вечно\n231\tСпециальная речь года\nплохо\n");
    const std::string report = editors::import_talk_titles(*doc, dir / "titles.txt");
    EXPECT_EQ(report.substr(0, report.find('\n')), "Принято названий речей: 2.");
    EXPECT_NE(report.find("(1): 3."), std::string::npos);
    EXPECT_EQ(doc->talks().title(9), "Слушайся Бога и живи вечно");
    EXPECT_EQ(doc->talks().find(9)->topic_ids[0], 4);
    EXPECT_EQ(doc->talks().number_text(231), "S-31");
    EXPECT_FALSE(std::filesystem::exists(dir / "talk.dat"));  // written when the chooser closes
    EXPECT_EQ(editors::import_talk_titles(*doc, dir / "missing.txt"),
              "Не удалось прочитать файл: missing.txt");
}

}  // namespace
