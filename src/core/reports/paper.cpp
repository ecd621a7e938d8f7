#include "core/reports/paper.h"

#include <langinfo.h>

#include <algorithm>
#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/reports/page_metrics.h"

namespace vorla::reports {

namespace {

// Tenths of a millimetre in device pixels, rounded.
int tenth_mm_to_pixels(int tenths, int res) {
    return mul_div(tenths, res, 254);
}

}  // namespace

SheetSize sheet_size(Paper paper) {
    return paper == Paper::letter ? SheetSize{2159, 2794} : SheetSize{2100, 2970};
}

std::optional<Paper> parse_paper(std::string_view name) {
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(c | 0x20); });
    if (lower == "a4") return Paper::a4;
    if (lower == "letter") return Paper::letter;
    return std::nullopt;
}

Paper paper_for_millimetres(int width_mm, int height_mm) {
    // Letter is 215.9 × 279.4 mm; locales round it either way.
    const bool letter = std::abs(width_mm - 216) <= 1 && std::abs(height_mm - 279) <= 1;
    return letter ? Paper::letter : Paper::a4;
}

Paper locale_paper() {
#ifdef __GLIBC__
    // The environment's LC_PAPER (or LC_ALL, LANG); the C locale and a locale the system does
    // not have both give A4.
    const char* previous = std::setlocale(LC_PAPER, nullptr);
    const std::string restore = previous ? previous : "C";
    if (!std::setlocale(LC_PAPER, "")) return Paper::a4;
    // glibc hands the numbers back through the pointer-sized result.
    const auto width =
        static_cast<int>(reinterpret_cast<std::intptr_t>(nl_langinfo(_NL_PAPER_WIDTH)));
    const auto height =
        static_cast<int>(reinterpret_cast<std::intptr_t>(nl_langinfo(_NL_PAPER_HEIGHT)));
    std::setlocale(LC_PAPER, restore.c_str());
    return paper_for_millimetres(width, height);
#else
    return Paper::a4;
#endif
}

PagePlacement place_page(const SheetSize& sheet, int res_x, int res_y) {
    PagePlacement p;
    p.sheet_width = tenth_mm_to_pixels(sheet.width, res_x);
    p.sheet_height = tenth_mm_to_pixels(sheet.height, res_y);
    const int page_width = kPageWidthTenths * res_x / 10;
    const int page_height = kPageHeightTenths * res_y / 10;
    const int border = res_y / 4;
    p.left = std::max(0, (p.sheet_width - page_width) / 2);
    p.top = border;
    p.printable_height = std::clamp(p.sheet_height - p.top - border, 0, page_height);
    return p;
}

PagePlacement place_page(Paper paper, int res_x, int res_y) {
    return place_page(sheet_size(paper), res_x, res_y);
}

Device paper_device(const PagePlacement& placement, int res_x, int res_y) {
    Device device = Device::printer(res_x, res_y);
    device.printable_height = placement.printable_height;
    return device;
}

Device screen_device(const PagePlacement& placement, int res_x, int res_y) {
    Device device = Device::screen(res_x, res_y);
    device.printable_height = placement.printable_height;
    return device;
}

}  // namespace vorla::reports
