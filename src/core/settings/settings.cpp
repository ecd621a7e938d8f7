#include "core/settings/settings.h"

#include "core/text/texts.h"

namespace vorla::settings {

using text::TextId;

using text::text;

namespace keys {
std::string section_options() {
    return text(TextId::congregation);
}
std::string section_schedule() {
    return text(TextId::section_schedule);
}
std::string section_dialling() {
    return text::format(TextId::dial_number, "OK");
}
}  // namespace keys

namespace {

constexpr const char* kCongregation = "Congregation";
constexpr const char* kNumber = "Number";
constexpr const char* kMeetingTime = "Meeting Time Change";
constexpr const char* kServiceYear = "Service Year";
constexpr const char* kAutoCap = "AutoCap";

int clamp(long v, int lo, int hi) {
    return v < lo ? lo : v > hi ? hi : static_cast<int>(v);
}

// Every setting's place in the file, so that reading, writing and describing agree.
struct Key {
    std::string section;
    std::string key;
};

Key key_background_colour() {
    return {keys::section_schedule(), text(TextId::key_background) + "*"};
}

}  // namespace

Settings Settings::defaults() {
    Settings s;
    s.schedule_title = text(TextId::default_schedule_title);
    return s;
}

Settings read_settings(const IniFile& ini) {
    Settings s = Settings::defaults();
    const std::string opt = keys::section_options();
    const std::string sched = keys::section_schedule();
    // An id no congregation can have is no choice at all (65538 must not become 2).
    const long ours = ini.get_int(kCongregation, kNumber, 0);
    s.our_congregation = ours > 0 && ours <= 0xFFFF ? static_cast<std::uint16_t>(ours) : 0;
    s.alternate_date_format = ini.get_int(opt, text(TextId::key_alternate_date_format), 0) != 0;
    s.service_year = ini.get_int(kMeetingTime, kServiceYear, 0) != 0;
    s.readers_scheduled = ini.get_int(opt, text(TextId::key_readers_scheduled), 0) != 0;
    s.hospitality_scheduled = ini.get_int(opt, text(TextId::hospitality), 0) != 0;
    s.left_margin = clamp(ini.get_int(opt, text(TextId::key_left_margin), 20), 0, 99);
    s.schedule_title = ini.get_string(sched, text(TextId::key_schedule_title),
                                      text(TextId::default_schedule_title));
    s.show_readers = ini.get_int(sched, text(TextId::key_show_readers), 0) != 0;
    s.skip_talk_numbers = ini.get_int(sched, text(TextId::key_skip_talk_numbers), 0) != 0;
    s.skip_outgoing = ini.get_int(sched, text(TextId::key_skip_outgoing), 0) != 0;
    s.background_style = static_cast<BackgroundStyle>(
        clamp(ini.get_int(sched, text(TextId::key_background), 0), 0, kBackgroundStyles - 1));
    const Key colour = key_background_colour();
    const long rgb = ini.get_int(colour.section, colour.key, Settings::kDefaultBackgroundColour);
    s.background_colour = rgb >= 0 && rgb <= 0xFFFFFF ? static_cast<std::uint32_t>(rgb)
                                                      : Settings::kDefaultBackgroundColour;
    s.print_date = ini.get_int(sched, text(TextId::key_print_date), 0) != 0;
    s.top_margin = clamp(ini.get_int(sched, text(TextId::key_top_margin), 50), 0, 99);
    s.auto_cap = ini.get_int(kAutoCap, text(TextId::key_allowed), 1) != 0;
    return s;
}

void write_settings(IniFile& ini, const Settings& s) {
    for (const SettingLine& l : describe_settings(s))
        ini.set(l.section, l.key, l.value);
}

std::vector<SettingLine> describe_settings(const Settings& s) {
    const std::string opt = keys::section_options();
    const std::string sched = keys::section_schedule();
    const auto b = [](bool v) { return std::string(v ? "1" : "0"); };
    const auto n = [](long v) { return std::to_string(v); };
    const Key colour = key_background_colour();
    return {
        {kCongregation, kNumber, n(s.our_congregation)},
        {opt, text(TextId::key_alternate_date_format), b(s.alternate_date_format)},
        {kMeetingTime, kServiceYear, b(s.service_year)},
        {opt, text(TextId::key_readers_scheduled), b(s.readers_scheduled)},
        {opt, text(TextId::hospitality), b(s.hospitality_scheduled)},
        {opt, text(TextId::key_left_margin), n(s.left_margin)},
        {sched, text(TextId::key_schedule_title), s.schedule_title},
        {sched, text(TextId::key_show_readers), b(s.show_readers)},
        {sched, text(TextId::key_skip_talk_numbers), b(s.skip_talk_numbers)},
        {sched, text(TextId::key_skip_outgoing), b(s.skip_outgoing)},
        {sched, text(TextId::key_background), n(static_cast<int>(s.background_style))},
        {colour.section, colour.key, n(s.background_colour)},
        {sched, text(TextId::key_print_date), b(s.print_date)},
        {sched, text(TextId::key_top_margin), n(s.top_margin)},
        // Dialling is not supported: whatever was read, 0 is written back.
        {keys::section_dialling(), text(TextId::key_allowed), "0"},
        {kAutoCap, text(TextId::key_allowed), b(s.auto_cap)},
    };
}

BackupSettings read_backup_settings(const IniFile& ini, const std::string& data_folder) {
    BackupSettings b;
    b.path =
        ini.get_string(text(TextId::section_backup), text(TextId::key_backup_path), data_folder);
    b.floppy = ini.get_int(text(TextId::section_backup), text(TextId::key_backup_floppy), 0) != 0;
    return b;
}

void write_backup_settings(IniFile& ini, const BackupSettings& b) {
    ini.set(text(TextId::section_backup), text(TextId::key_backup_path), b.path);
    ini.set_int(text(TextId::section_backup), text(TextId::key_backup_floppy), b.floppy ? 1 : 0);
}

}  // namespace vorla::settings
