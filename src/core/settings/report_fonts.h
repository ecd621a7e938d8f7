#pragma once
// The seven report font roles: their defaults, and how they are kept in the settings file.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/commands/command.h"
#include "core/settings/ini_file.h"
#include "core/text/texts.h"

namespace vorla::settings {

enum class FontRole { title, date, talk_title, captions, speakers, text, small_text };
inline constexpr std::size_t kFontRoles = 7;

// A full logical-font description plus the text colour. Heights are negative character
// heights in screen pixels.
struct FontSpec {
    int height = 0;
    int width = 0;
    int escapement = 0;
    int orientation = 0;
    int weight = 0;
    bool italic = false;
    bool underline = false;
    bool strike_out = false;
    int charset = 0;
    int out_precision = 0;
    int clip_precision = 0;
    int quality = 0;
    int pitch_and_family = 0;
    std::string face;          // at most 31 characters
    std::uint32_t colour = 0;  // RGB, 0 = black

    // Whether the description (everything but the colour) is the same.
    bool same_font(const FontSpec& o) const;
    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

struct FontRoleInfo {
    FontRole role;
    commands::Command command;  // the font command of the "Шрифты" menu
    text::TextId section;       // the settings section of the role
};
const std::array<FontRoleInfo, kFontRoles>& font_roles();

// The character set of default fonts for a language code ("rus" -> 204).
int charset_for_language(std::string_view language);
FontSpec default_font(FontRole role, std::string_view language);
// The fixed font of grid cells; never stored.
FontSpec fixed_font(std::string_view language);

class ReportFonts {
  public:
    explicit ReportFonts(std::string language = "rus");

    // Reads every role; a role without a stored height takes its defaults and forces a full
    // rewrite at the next save.
    void load(const IniFile& ini);
    // Writes what differs from the file's values (everything when forced).
    void save(IniFile& ini) const;
    // "По умолчанию": all seven defaults, fully rewritten at the next save.
    void reset_to_defaults();

    const FontSpec& get(FontRole r) const { return fonts_[static_cast<std::size_t>(r)]; }
    // Stores a role's font and colour (the font chooser's result).
    void set(FontRole r, const FontSpec& f) { fonts_[static_cast<std::size_t>(r)] = f; }
    bool forced() const { return forced_; }

  private:
    // The role's values as the file holds them; nothing when no height is stored.
    std::optional<FontSpec> read_role(const IniFile& ini, FontRole r) const;

    std::string language_;
    std::array<FontSpec, kFontRoles> fonts_;
    bool forced_ = false;
};

}  // namespace vorla::settings
