#pragma once
// A report laid out for one device: pages of positioned texts, bands, lines and pictures in
// device pixels, each page measured from its own top-left corner. The renderer paints it as it
// stands; text widths are the renderer's business, so a text carries an anchor and an
// alignment instead of a box.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/settings/report_fonts.h"

namespace vorla::reports {

// The fonts a report draws with: the seven user roles, then the fixed grid font, the small
// font of the print date and the fixed font made italic (talk titles and coming weeks of the
// talk check grid).
enum class FontId : std::uint8_t {
    title,
    date,
    talk_title,
    captions,
    speakers,
    text,
    small_text,
    fixed,
    print_date,
    fixed_italic,
};
inline constexpr std::size_t kFontIds = 10;

constexpr FontId font_id(settings::FontRole role) {
    return static_cast<FontId>(role);
}

// Colours are Windows RGB values as the settings file keeps them: red in the low byte.
inline constexpr std::uint32_t kBlack = 0x000000;
inline constexpr std::uint32_t kWhite = 0xFFFFFF;
inline constexpr std::uint32_t kLightGrey = 0xC0C0C0;
inline constexpr std::uint32_t kRed = 0x0000FF;

enum class HAlign : std::uint8_t { left, centre, right };
// The anchor is the bottom or the top of the text's line (descenders and internal leading
// included), as the reports were designed.
enum class VAlign : std::uint8_t { bottom, top };

struct TextItem {
    int x = 0;
    int y = 0;
    std::string text;
    FontId font = FontId::text;
    std::uint32_t colour = kBlack;
    HAlign h = HAlign::left;
    VAlign v = VAlign::bottom;
    // Left-aligned text wider than this is drawn condensed to fit, so that it never runs
    // into the item beside it; 0: no limit.
    int max_width = 0;
    friend bool operator==(const TextItem&, const TextItem&) = default;
};

// Right and bottom are just outside the rectangle.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

// A filled rectangle with a one-pixel black outline.
struct Band {
    Rect rect;
    std::uint32_t fill = kLightGrey;
    friend bool operator==(const Band&, const Band&) = default;
};

// A straight line from (x1, y1) up to, not including, (x2, y2).
struct Line {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    int width = 1;
    std::uint32_t colour = kBlack;
    friend bool operator==(const Line&, const Line&) = default;
};

// A paragraph word-wrapped into the width of its rectangle from its top-left corner; lines
// that do not fit its height still show (nothing is clipped).
struct TextBox {
    Rect rect;
    std::string text;
    FontId font = FontId::text;
    std::uint32_t colour = kBlack;
    friend bool operator==(const TextBox&, const TextBox&) = default;
};

// A picture file (a congregation's map) stretched into its rectangle. A file that cannot be
// loaded as a picture is left out without a word.
struct Picture {
    Rect rect;
    std::string file;
    friend bool operator==(const Picture&, const Picture&) = default;
};

// Painted in this order: bands, pictures, lines, texts, text boxes.
struct Page {
    std::vector<Band> bands;
    std::vector<Picture> pictures;
    std::vector<Line> lines;
    std::vector<TextItem> texts;
    std::vector<TextBox> boxes;
};

struct DisplayList {
    int res_x = 96;
    int res_y = 96;
    int page_width = 0;  // device pixels
    int page_height = 0;
    // Heights already scaled for the device.
    std::array<settings::FontSpec, kFontIds> fonts{};
    std::vector<Page> pages;

    const settings::FontSpec& font(FontId id) const { return fonts[static_cast<std::size_t>(id)]; }
    // |character height| of a font in device pixels.
    int height(FontId id) const;
};

}  // namespace vorla::reports
