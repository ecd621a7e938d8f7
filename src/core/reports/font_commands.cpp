#include "core/reports/font_commands.h"

#include "core/app/commands.h"
#include "core/app/menu_model.h"

namespace vorla::reports {

std::optional<settings::FontRole> font_role_of_command(int command) {
    for (const settings::FontRoleInfo& info : settings::font_roles()) {
        if (info.command == command) return info.role;
    }
    return std::nullopt;
}

std::string font_chooser_caption(int command) {
    return app::command_prompt(command);
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
    using namespace app::cmd;
    static const std::vector<PopupItem> items = {
        {"Настройки", kSettings},          {"Шрифт заголовка", kFontTitle},
        {"Дата Шрифт", kFontDate},         {"Речь Шрифт", kFontTalk},
        {"Названия Шрифт", kFontCaptions}, {"Докладчик Шрифт", kFontSpeakers},
        {"Текст Шрифт", kFontText},        {"Шрифты по умолчанию", kFontDefaults},
    };
    return items;
}

}  // namespace vorla::reports
