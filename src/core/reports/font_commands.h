#pragma once
// The report-font commands: which role each opens, the chooser's caption, what its OK keeps,
// and the pop-up menu of the schedule.
#include <optional>
#include <string>
#include <vector>

#include "core/commands/command.h"
#include "core/settings/report_fonts.h"

namespace vorla::reports {

// The role a font command of the "Шрифты" menu opens; nothing for any other command.
std::optional<settings::FontRole> font_role_of_command(commands::Command command);

// The chooser's caption: the command's own text ("Шрифт для заголовка расписания").
std::string font_chooser_caption(commands::Command command);

// OK of the font chooser: the colour is always kept; the font only when its description
// differs. True when the report must be drawn again (the font changed).
bool apply_font_choice(settings::ReportFonts& fonts, settings::FontRole role,
                       const settings::FontSpec& chosen);

// The right-button pop-up of the schedule, in order.
struct PopupItem {
    std::string text;
    commands::Command command = commands::Command::none;
};
const std::vector<PopupItem>& schedule_popup_items();

}  // namespace vorla::reports
