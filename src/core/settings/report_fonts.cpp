#include "core/settings/report_fonts.h"

#include "core/text/string_table.h"
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
    int face_text;  // 1109 "Arial", 1110 "Times New Roman"
};

RoleDefault role_default(FontRole r) {
    switch (r) {
        case FontRole::title:
            return {-27, 700, false, 22, 1109};
        case FontRole::date:
            return {-19, 700, false, 12, 1110};
        case FontRole::talk_title:
            return {-16, 700, true, 12, 1109};
        case FontRole::captions:
            return {-13, 400, true, 22, 1109};
        case FontRole::speakers:
            return {-16, 700, false, 18, 1110};
        case FontRole::text:
            return {-16, 400, false, 18, 1110};
        case FontRole::small_text:
            return {-13, 400, false, 34, 1109};
    }
    return {-16, 400, false, 18, 1110};
}

FontSpec make_default(const RoleDefault& d, std::string_view language) {
    FontSpec f;
    f.height = d.height;
    f.weight = d.weight;
    f.italic = d.italic;
    f.pitch_and_family = d.pitch_and_family;
    f.face = text::text(d.face_text);
    f.charset = charset_for_language(language);
    return f;
}

std::string section_of(FontRole r) {
    return text::text(font_roles()[static_cast<std::size_t>(r)].section_text);
}

}  // namespace

bool FontSpec::same_font(const FontSpec& o) const {
    FontSpec a = *this;
    a.colour = o.colour;
    return a == o;
}

const std::array<FontRoleInfo, kFontRoles>& font_roles() {
    static const std::array<FontRoleInfo, kFontRoles> roles = {{
        {FontRole::title, 32868, 1099},
        {FontRole::date, 32867, 1123},
        {FontRole::talk_title, 32869, 1124},
        {FontRole::captions, 32872, 1100},
        {FontRole::speakers, 32870, 1101},
        {FontRole::text, 32791, 1098},
        {FontRole::small_text, 32803, 1172},
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
    return make_default({-13, 400, false, 18, 1110}, language);
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
