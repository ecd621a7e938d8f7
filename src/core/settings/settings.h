#pragma once
// The settings values of the settings file, with their defaults, and how they are read from
// and written to it. Section and key names are string-table texts.
#include <cstdint>
#include <string>
#include <vector>

#include "core/settings/ini_file.h"

namespace vorla::settings {

// The band behind report titles and week dates ("Фон"), stored as its position 0..4.
enum class BackgroundStyle { clean, grey, black, white, coloured };
inline constexpr int kBackgroundStyles = 5;

struct Settings {
    std::uint16_t our_congregation = 0;  // [Congregation] Number; 0 = not chosen
    bool alternate_date_format = false;  // "Другой формат даты"
    bool service_year = false;           // [Meeting Time Change] Service Year
    bool readers_scheduled = false;      // "Включите чтецов"
    bool hospitality_scheduled = false;  // "Гостеприимство"
    int left_margin = 20;                // "Отступ слева", hundredths of an inch
    std::string schedule_title;  // "Заголовок"; "Расписание публичных встреч" by default
    bool show_readers = false;                                   // "Показать чтецов"
    bool skip_talk_numbers = false;                              // "Пропустить OTLK"
    bool skip_outgoing = false;                                  // "Пропуст. уход."
    BackgroundStyle background_style = BackgroundStyle::clean;   // "Фон"
    std::uint32_t background_colour = kDefaultBackgroundColour;  // "Фон*", RGB integer
    bool print_date = false;                                     // "Дата"
    int top_margin = 50;   // "Верхнее поле", hundredths of an inch
    bool auto_cap = true;  // [AutoCap] "Разрешенное"

    static constexpr std::uint32_t kDefaultBackgroundColour = 0xC0C0C0;

    static Settings defaults();
    friend bool operator==(const Settings&, const Settings&) = default;
};

// Values as read; a missing key gives its default.
Settings read_settings(const IniFile& ini);
// Writes every key (the dialling key always as 0).
void write_settings(IniFile& ini, const Settings& s);

// One "key: value" pair per setting, for `vorla info`: section/key as in the file.
struct SettingLine {
    std::string section;
    std::string key;
    std::string value;
};
std::vector<SettingLine> describe_settings(const Settings& s);

// The backup place of the backup dialog ([Резерв] Путь and Флоппи).
struct BackupSettings {
    std::string path;  // empty = the data folder
    bool floppy = false;
};
BackupSettings read_backup_settings(const IniFile& ini, const std::string& data_folder);
void write_backup_settings(IniFile& ini, const BackupSettings& b);

// The section and key names, from the string table.
namespace keys {
std::string section_options();   // "Собрание"
std::string section_schedule();  // "Формат расписания"
std::string section_dialling();  // "Набрать номер OK"
}  // namespace keys

}  // namespace vorla::settings
