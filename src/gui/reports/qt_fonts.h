#pragma once
// Report fonts and colours in Qt's terms. A FontSpec height is a character height in pixels
// of the device it was scaled for; Qt's pixel size is the same measure.
#include <QColor>
#include <QFont>
#include <cstdint>

#include "core/settings/report_fonts.h"

namespace vorla::gui {

// Colours are Windows RGB values: red in the low byte.
QColor to_qcolor(std::uint32_t rgb);
std::uint32_t to_rgb(const QColor& colour);

// The font for drawing: pixel size |height|, weight, italic, underline, strike-out.
QFont to_qfont(const settings::FontSpec& font);

// Fonts as the font chooser shows them, in points of the 96-dpi screen the stored heights
// are measured in, and back: the chosen family, size, weight and slant over the old font.
QFont to_chooser_font(const settings::FontSpec& font);
// The name the font's family gives the style of its weight and slant ("Bold Italic"), empty
// when the family has no such style. Qt's font dialog finds a style by this name.
QString family_style_name(const QFont& font);
settings::FontSpec from_chooser_font(const QFont& font, const settings::FontSpec& old);

}  // namespace vorla::gui
