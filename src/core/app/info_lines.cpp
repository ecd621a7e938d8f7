#include "core/app/info_lines.h"

#include "core/calendar/clock.h"
#include "core/settings/report_fonts.h"
#include "core/text/texts.h"

namespace vorla::app {

using text::TextId;

namespace {

std::string describe(const settings::FontSpec& f) {
    return f.face + ", height " + std::to_string(f.height) + ", weight " +
           std::to_string(f.weight) + ", italic " + std::to_string(f.italic) + ", underline " +
           std::to_string(f.underline) + ", pitch and family " +
           std::to_string(f.pitch_and_family) + ", character set " + std::to_string(f.charset) +
           ", colour " + std::to_string(f.colour);
}

}  // namespace

std::vector<std::pair<std::string, std::string>> info_lines(const store::Document& doc) {
    std::vector<std::pair<std::string, std::string>> out;
    const auto add = [&](std::string key, std::string value) {
        out.emplace_back(std::move(key), std::move(value));
    };
    const auto count = [&](std::string key, std::size_t n) {
        add(std::move(key), std::to_string(n));
    };

    add("data-folder", doc.folder().folder().string());
    add("settings-file", doc.settings_path().string());
    add("today", calendar::to_iso(doc.today()));
    count("week-number", static_cast<std::size_t>(doc.today_week().value));
    count("window-base", static_cast<std::size_t>(doc.window_base()));

    const settings::IniFile ini = doc.read_settings_file();
    for (const auto& l : settings::describe_settings(doc.settings())) {
        add("setting " + l.section + "/" + l.key, l.value);
    }
    const settings::BackupSettings backup =
        settings::read_backup_settings(ini, doc.folder().folder().string());
    add("setting " + text::text(TextId::section_backup) + "/" + text::text(TextId::key_backup_path),
        backup.path);
    add("setting " + text::text(TextId::section_backup) + "/" +
            text::text(TextId::key_backup_floppy),
        backup.floppy ? "1" : "0");
    settings::ReportFonts fonts(doc.language());
    fonts.load(ini);
    for (const settings::FontRoleInfo& role : settings::font_roles()) {
        add("font " + text::text(role.section), describe(fonts.get(role.role)));
    }

    std::size_t weeks = 0;
    for (calendar::WeekIndex i = doc.weeks().first(); i <= doc.weeks().last(); ++i) {
        if (doc.weeks().at(i).has_content()) ++weeks;
    }
    count("brothers", doc.brothers().size());
    count("brother-extras", doc.brothers().extras().count());
    count("congregations", doc.congregations().size());
    count("circuits", doc.circuits().size());
    count("hosts", doc.hosts().size());
    count("talks", doc.talks().entries().size());
    count("topics", doc.topics().size());
    count("weeks-with-content", weeks);
    count("special-events", doc.events().size());
    count("unavailable-weeks", doc.unavailable().size());
    count("talks-we-need", static_cast<std::size_t>(doc.wish_list().record().wanted.count()));
    count("local-brothers", doc.local_brothers().size());
    return out;
}

}  // namespace vorla::app
