#include "core/reports/font_commands.h"

#include "core/commands/command_prompt.h"
#include "core/text/texts.h"

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
        {text::text(text::TextId::settings_caption), settings},
        {text::text(text::TextId::section_font_title), font_title},
        {text::text(text::TextId::section_font_date), font_date},
        {text::text(text::TextId::section_font_talk), font_talk},
        {text::text(text::TextId::section_font_talk_titles), font_captions},
        {text::text(text::TextId::section_font_speakers), font_speakers},
        {text::text(text::TextId::popup_font_text), font_text},
        {text::text(text::TextId::font_defaults_caption), font_defaults},
    };
    return items;
}

}  // namespace vorla::reports
