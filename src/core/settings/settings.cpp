#include "core/settings/settings.h"

#include "core/text/string_table.h"

namespace vorla::settings {

using text::text;

namespace keys {
std::string section_options() {
    return text(1057);
}
std::string section_schedule() {
    return text(1120);
}
std::string section_dialling() {
    return text::format(1241, "OK");
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
    return {keys::section_schedule(), text(1132) + "*"};
}

}  // namespace

Settings Settings::defaults() {
    Settings s;
    s.schedule_title = text(1122);
    return s;
}

Settings read_settings(const IniFile& ini) {
    Settings s = Settings::defaults();
    const std::string opt = keys::section_options();
    const std::string sched = keys::section_schedule();
    // An id no congregation can have is no choice at all (65538 must not become 2).
    const long ours = ini.get_int(kCongregation, kNumber, 0);
    s.our_congregation = ours > 0 && ours <= 0xFFFF ? static_cast<std::uint16_t>(ours) : 0;
    s.alternate_date_format = ini.get_int(opt, text(1034), 0) != 0;
    s.service_year = ini.get_int(kMeetingTime, kServiceYear, 0) != 0;
    s.readers_scheduled = ini.get_int(opt, text(1042), 0) != 0;
    s.hospitality_scheduled = ini.get_int(opt, text(1192), 0) != 0;
    s.left_margin = clamp(ini.get_int(opt, text(1273), 20), 0, 99);
    s.schedule_title = ini.get_string(sched, text(1121), text(1122));
    s.show_readers = ini.get_int(sched, text(1143), 0) != 0;
    s.skip_talk_numbers = ini.get_int(sched, text(1171), 0) != 0;
    s.skip_outgoing = ini.get_int(sched, text(1195), 0) != 0;
    s.background_style = clamp(ini.get_int(sched, text(1132), 0), 0, 4);
    const Key colour = key_background_colour();
    const long rgb = ini.get_int(colour.section, colour.key, Settings::kDefaultBackgroundColour);
    s.background_colour = rgb >= 0 && rgb <= 0xFFFFFF ? static_cast<std::uint32_t>(rgb)
                                                      : Settings::kDefaultBackgroundColour;
    s.print_date = ini.get_int(sched, text(1176), 0) != 0;
    s.top_margin = clamp(ini.get_int(sched, text(1183), 50), 0, 99);
    s.auto_cap = ini.get_int(kAutoCap, text(1265), 1) != 0;
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
        {opt, text(1034), b(s.alternate_date_format)},
        {kMeetingTime, kServiceYear, b(s.service_year)},
        {opt, text(1042), b(s.readers_scheduled)},
        {opt, text(1192), b(s.hospitality_scheduled)},
        {opt, text(1273), n(s.left_margin)},
        {sched, text(1121), s.schedule_title},
        {sched, text(1143), b(s.show_readers)},
        {sched, text(1171), b(s.skip_talk_numbers)},
        {sched, text(1195), b(s.skip_outgoing)},
        {sched, text(1132), n(s.background_style)},
        {colour.section, colour.key, n(s.background_colour)},
        {sched, text(1176), b(s.print_date)},
        {sched, text(1183), n(s.top_margin)},
        // Dialling is not supported: whatever was read, 0 is written back.
        {keys::section_dialling(), text(1265), "0"},
        {kAutoCap, text(1265), b(s.auto_cap)},
    };
}

BackupSettings read_backup_settings(const IniFile& ini, const std::string& data_folder) {
    BackupSettings b;
    b.path = ini.get_string(text(1228), text(1229), data_folder);
    b.floppy = ini.get_int(text(1228), text(1230), 0) != 0;
    return b;
}

void write_backup_settings(IniFile& ini, const BackupSettings& b) {
    ini.set(text(1228), text(1229), b.path);
    ini.set_int(text(1228), text(1230), b.floppy ? 1 : 0);
}

}  // namespace vorla::settings
