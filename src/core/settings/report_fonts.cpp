#include "core/settings/report_fonts.h"

#include "core/text/texts.h"
#include "core/text/utf8.h"

namespace vorla::settings {

namespace {

// Ten inches of letter: nothing a page can hold is taller.
constexpr long kMaxFontHeight = 1000;

struct RoleDefault {
    int height;
    int weight;
    bool italic;
    int pitch_and_family;
    text::TextId face;
};

RoleDefault role_default(FontRole r) {
    switch (r) {
        case FontRole::title:
            return {-27, 700, false, 22, text::TextId::face_arial};
        case FontRole::date:
            return {-19, 700, false, 12, text::TextId::face_times_new_roman};
        case FontRole::talk_title:
            return {-16, 700, true, 12, text::TextId::face_arial};
        case FontRole::captions:
            return {-13, 400, true, 22, text::TextId::face_arial};
        case FontRole::speakers:
            return {-16, 700, false, 18, text::TextId::face_times_new_roman};
        case FontRole::text:
            return {-16, 400, false, 18, text::TextId::face_times_new_roman};
        case FontRole::small_text:
            return {-13, 400, false, 34, text::TextId::face_arial};
    }
    return {-16, 400, false, 18, text::TextId::face_times_new_roman};
}

FontSpec make_default(const RoleDefault& d, std::string_view language) {
    FontSpec f;
    f.height = d.height;
    f.weight = d.weight;
    f.italic = d.italic;
    f.pitch_and_family = d.pitch_and_family;
    f.face = text::text(d.face);
    f.charset = charset_for_language(language);
    return f;
}

std::string section_of(FontRole r) {
    return text::text(font_roles()[static_cast<std::size_t>(r)].section);
}

}  // namespace

bool FontSpec::same_font(const FontSpec& o) const {
    FontSpec a = *this;
    a.colour = o.colour;
    return a == o;
}

const std::array<FontRoleInfo, kFontRoles>& font_roles() {
    using commands::Command;
    using text::TextId;
    static const std::array<FontRoleInfo, kFontRoles> roles = {{
        {FontRole::title, Command::font_title, TextId::section_font_title},
        {FontRole::date, Command::font_date, TextId::section_font_date},
        {FontRole::talk_title, Command::font_talk, TextId::section_font_talk},
        {FontRole::captions, Command::font_captions, TextId::section_font_talk_titles},
        {FontRole::speakers, Command::font_speakers, TextId::section_font_speakers},
        {FontRole::text, Command::font_text, TextId::section_font_text},
        {FontRole::small_text, Command::font_small, TextId::section_font_small},
    }};
    return roles;
}

int charset_for_language(std::string_view lang) {
    if (lang == "rus") return 204;
    if (lang == "polish" || lang == "hrvatski" || lang == "cze" || lang == "rom") return 238;
    if (lang == "turkish") return 162;
    if (lang == "greek") return 161;
    return 0;
}

FontSpec default_font(FontRole role, std::string_view language) {
    return make_default(role_default(role), language);
}

FontSpec fixed_font(std::string_view language) {
    return make_default({-13, 400, false, 18, text::TextId::face_times_new_roman}, language);
}

ReportFonts::ReportFonts(std::string language) : language_(std::move(language)) {
    reset_to_defaults();
    forced_ = false;
}

void ReportFonts::reset_to_defaults() {
    for (const FontRoleInfo& info : font_roles())
        set(info.role, default_font(info.role, language_));
    forced_ = true;
}

std::optional<FontSpec> ReportFonts::read_role(const IniFile& ini, FontRole r) const {
    const std::string section = section_of(r);
    // A value out of its range is unset, never wrapped into it.
    const auto get = [&](const char* key, long lo, long hi, long unset) {
        const long v = ini.get_int(section, key, unset);
        return static_cast<int>(v >= lo && v <= hi ? v : unset);
    };
    const int height = get("Height", -kMaxFontHeight, kMaxFontHeight, 0);
    if (height == 0) return std::nullopt;
    FontSpec f;
    f.height = height;
    f.weight = get("Weight", 0, 1000, 0);
    f.italic = ini.get_int(section, "Italic", 0) != 0;
    f.underline = ini.get_int(section, "Underline", 0) != 0;
    f.pitch_and_family = get("PitchAndFamily", 0, 255, 0);
    f.face = text::left(ini.get_string(section, "FaceName", "System"), 31);
    f.charset = get("CharSet", 0, 255, charset_for_language(language_));
    f.colour = static_cast<std::uint32_t>(get("RGB", 0, 0xFFFFFF, 0));
    return f;
}

void ReportFonts::load(const IniFile& ini) {
    forced_ = false;
    for (const FontRoleInfo& info : font_roles()) {
        if (auto f = read_role(ini, info.role)) {
            set(info.role, *f);
        } else {
            set(info.role, default_font(info.role, language_));
            forced_ = true;
        }
    }
}

void ReportFonts::save(IniFile& ini) const {
    for (const FontRoleInfo& info : font_roles()) {
        const FontSpec& f = get(info.role);
        const std::string section = section_of(info.role);
        const auto stored_opt = read_role(ini, info.role);
        FontSpec stored = stored_opt.value_or(FontSpec{});
        if (!stored_opt) {
            // With no height stored the file holds no usable values of the role.
            stored.face = "System";
            stored.charset = charset_for_language(language_);
        }
        if (forced_ || f.height != stored.height) ini.set_int(section, "Height", f.height);
        if (f.height == 0) continue;
        const auto put = [&](const char* key, long now, long before) {
            if (forced_ || now != before) ini.set_int(section, key, now);
        };
        ini.set_int(section, "Height", f.height);
        put("Weight", f.weight, stored.weight);
        put("Italic", f.italic, stored.italic);
        put("Underline", f.underline, stored.underline);
        put("PitchAndFamily", f.pitch_and_family, stored.pitch_and_family);
        if (forced_ || f.face != stored.face) ini.set(section, "FaceName", f.face);
        put("CharSet", f.charset, stored.charset);
        put("RGB", static_cast<long>(f.colour), static_cast<long>(stored.colour));
    }
}

}  // namespace vorla::settings
