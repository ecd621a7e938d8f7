// The Russian string table as it is compiled into the program: the data, not the parser.
#include <gtest/gtest.h>

#include <cstddef>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/commands/command.h"
#include "core/text/cp1251.h"
#include "core/text/texts.h"
#include "core/text/utf8.h"

extern const unsigned char vorla_strings_ru[];
extern const std::size_t vorla_strings_ru_size;

using vorla::text::builtin_texts;
using vorla::text::StringTable;
using vorla::text::text;
using vorla::text::text_at;
using vorla::text::TextId;

namespace {

std::string_view embedded_source() {
    return {reinterpret_cast<const char*>(vorla_strings_ru), vorla_strings_ru_size};
}

// The run of `count` texts from `first` is complete, non-empty and without repeats.
void expect_complete_run(TextId first, int count) {
    std::set<std::string> seen;
    for (int k = 0; k < count; ++k) {
        const int n = vorla::text::number_of(first) + k;
        EXPECT_TRUE(builtin_texts().contains(n)) << "text " << n << " is missing";
        EXPECT_FALSE(text_at(first, k).empty()) << "text " << n << " is empty";
        EXPECT_TRUE(seen.insert(text_at(first, k)).second) << "text " << n << " repeats";
    }
}

void expect_distinct(const std::vector<TextId>& ids, std::string_view what) {
    std::set<std::string> seen;
    for (const TextId id : ids) {
        const int n = vorla::text::number_of(id);
        EXPECT_FALSE(text(id).empty()) << what << ": text " << n << " is empty";
        EXPECT_TRUE(seen.insert(text(id)).second)
            << what << ": text " << n << " repeats \"" << text(id) << "\"";
    }
}

}  // namespace

TEST(StringsRu, EveryLineParsesAndEveryTextFitsWindows1251) {
    std::string errors;
    const StringTable table = StringTable::parse(embedded_source(), &errors);
    EXPECT_TRUE(errors.empty()) << "bad lines:\n" << errors;
    ASSERT_GT(table.all().size(), 300u);
    for (const auto& [n, value] : table.all()) {
        EXPECT_TRUE(vorla::text::is_valid_utf8(value)) << "text " << n;
        // Texts end up in data files, the settings file and exports, all Windows-1251.
        EXPECT_TRUE(vorla::text::cp1251_can_hold(value)) << "text " << n << ": " << value;
    }
}

TEST(StringsRu, LanguageCodeIsRussian) {
    EXPECT_EQ(text(TextId::language_code), "rus");
}

TEST(StringsRu, CalendarRunsAreCompleteAndAligned) {
    expect_complete_run(TextId::month_january, 12);
    expect_complete_run(TextId::month_short_january, 12);
    expect_complete_run(TextId::weekday_monday, 7);
    // A run shifted by one place would still be complete; its ends would not match.
    EXPECT_EQ(text(TextId::month_january), "Января");
    EXPECT_EQ(text_at(TextId::month_january, 11), "Декабря");
    EXPECT_EQ(text(TextId::month_short_january), "Янв");
    EXPECT_EQ(text_at(TextId::month_short_january, 11), "Дек");
    EXPECT_EQ(text(TextId::weekday_monday), "Понедельник");
    EXPECT_EQ(text_at(TextId::weekday_monday, 6), "Воскресенье");

    // The printed schedule shows a weekday by its first three letters.
    std::set<std::string> abbreviations;
    for (int k = 0; k < 7; ++k) {
        EXPECT_TRUE(
            abbreviations.insert(vorla::text::left(text_at(TextId::weekday_monday, k), 3)).second)
            << "weekday " << k;
    }
}

TEST(StringsRu, ChoiceListsAreComplete) {
    expect_complete_run(TextId::topic_bible_god, 10);      // default topics
    expect_complete_run(TextId::background_clear, 5);      // heading background styles
    expect_complete_run(TextId::not_in_6_months, 6);       // talk picker recency lines
    expect_complete_run(TextId::picker_priority_high, 3);  // talk picker priorities
    expect_complete_run(TextId::wish_priority_low, 3);     // talks-we-need priorities
    expect_complete_run(TextId::priority_letter_high, 3);  // talks-we-need priority letters
    expect_complete_run(TextId::role_speaker, 4);          // assignment roles
    EXPECT_EQ(text(TextId::background_clear), "чистом");
    EXPECT_EQ(text_at(TextId::background_clear, 4), "цветном");
}

TEST(StringsRu, SettingsSectionsAndKeysDoNotCollide) {
    // Two font roles sharing a section would overwrite each other's font.
    expect_distinct(
        {TextId::section_font_text, TextId::section_font_title, TextId::section_font_date,
         TextId::section_font_talk, TextId::section_font_talk_titles, TextId::section_font_speakers,
         TextId::section_font_small, TextId::congregation, TextId::section_schedule,
         TextId::section_backup},
        "settings sections");
    expect_distinct({TextId::key_alternate_date_format, TextId::key_readers_scheduled,
                     TextId::hospitality, TextId::key_left_margin},
                    "keys of the congregation section");
    expect_distinct({TextId::key_schedule_title, TextId::key_show_readers,
                     TextId::key_skip_talk_numbers, TextId::key_skip_outgoing,
                     TextId::key_background, TextId::key_print_date, TextId::key_top_margin},
                    "keys of the schedule section");
    expect_distinct({TextId::key_backup_path, TextId::key_backup_floppy},
                    "keys of the backup section");
    EXPECT_EQ(text(TextId::face_arial), "Arial");
    EXPECT_EQ(text(TextId::face_times_new_roman), "Times New Roman");
}

TEST(StringsRu, EveryCommandHasAPrompt) {
    for (const vorla::commands::Command command : vorla::commands::kAllCommands) {
        const int id = static_cast<int>(command);
        const std::string& prompt = builtin_texts().get(id);
        const std::size_t newline = prompt.find('\n');
        EXPECT_FALSE(prompt.substr(0, newline).empty()) << "command " << id << " has no prompt";
        // A prompt is a status-bar line and at most one tool-bar tip, never a menu label.
        if (newline != std::string::npos) {
            EXPECT_EQ(prompt.find('\n', newline + 1), std::string::npos) << "command " << id;
            EXPECT_FALSE(prompt.substr(newline + 1).empty()) << "command " << id;
        }
        EXPECT_EQ(prompt.find('&'), std::string::npos) << "command " << id << ": " << prompt;
    }
}

TEST(StringsRu, FormattedTextsCarryTheirPlaceholders) {
    const TextId one_argument[] = {
        TextId::confirm_delete,
        TextId::choose_exchange_speaker,
        TextId::exchange_with,
        TextId::choose_exchange_reader,
        TextId::choose_exchange_chairman,
        TextId::choose_what,
        TextId::change_what,
        TextId::congregation_of,
        TextId::congregations_in_circuit,
        TextId::show_talk_history,
        TextId::show_history_of,
        TextId::show_available,
        TextId::unavailable_of,
        TextId::event_cancels_local_speaker,
        TextId::event_cancels_chairman,
        TextId::event_cancels_host,
        TextId::event_cancels_reader,
        TextId::unavailable_on,
        TextId::print_headings_on_background,
        TextId::first_week_of,
        TextId::talk_number,
        TextId::copy_what,
        TextId::brothers_chosen_to_invite,
        TextId::chosen_brothers_are_duplicates,
        TextId::brothers_will_be_added,
        TextId::package_exported_to,
        TextId::circuit_not_found,
        TextId::dear_brother,
        TextId::meeting_starts_at,
        TextId::talk_coordinator_of,
        TextId::brother_will_be_removed_from,
        TextId::cannot_create_file,
        TextId::backing_up_file,
        TextId::cannot_back_up_to,
        TextId::dial_number,
        TextId::press_ok_backup_to,
        TextId::press_ok_restore_from,
        TextId::restoring_file,
        TextId::start_at,
        TextId::schedule_exported_to,
        TextId::congregation_exported_to,
        TextId::send_package_file,
    };
    for (const TextId id : one_argument) {
        EXPECT_NE(text(id).find("%1"), std::string::npos) << "text " << static_cast<int>(id);
        EXPECT_EQ(text(id).find("%2"), std::string::npos) << "text " << static_cast<int>(id);
    }
    for (const TextId id :
         {TextId::confirm_move_brother, TextId::event_changes_header, TextId::glad_you_visit}) {
        EXPECT_NE(text(id).find("%1"), std::string::npos) << "text " << static_cast<int>(id);
        EXPECT_NE(text(id).find("%2"), std::string::npos) << "text " << static_cast<int>(id);
    }
}
