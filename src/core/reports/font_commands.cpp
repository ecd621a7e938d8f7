#include "core/reports/font_commands.h"

#include "core/commands/command_prompt.h"

namespace vorla::reports {

std::optional<settings::FontRole> font_role_of_command(commands::Command command) {
    for (const settings::FontRoleInfo& info : settings::font_roles()) {
        if (info.command == command) return info.role;
    }
    return std::nullopt;
}

std::string font_chooser_caption(commands::Command command) {
    return commands::command_prompt(command);
}

bool apply_font_choice(settings::ReportFonts& fonts, settings::FontRole role,
                       const settings::FontSpec& chosen) {
    settings::FontSpec kept = fonts.get(role);
    const bool font_changed = !kept.same_font(chosen);
    if (font_changed) kept = chosen;
    kept.colour = chosen.colour;
    fonts.set(role, kept);
    return font_changed;
}

const std::vector<PopupItem>& schedule_popup_items() {
    using enum commands::Command;
    static const std::vector<PopupItem> items = {
        {"Настройки", settings},           {"Шрифт заголовка", font_title},
        {"Дата Шрифт", font_date},         {"Речь Шрифт", font_talk},
        {"Названия Шрифт", font_captions}, {"Докладчик Шрифт", font_speakers},
        {"Текст Шрифт", font_text},        {"Шрифты по умолчанию", font_defaults},
    };
    return items;
}

}  // namespace vorla::reports
