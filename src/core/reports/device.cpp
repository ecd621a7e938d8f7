#include "core/reports/device.h"

#include <cstdint>

namespace vorla::reports {

int mul_div(int a, int b, int c) {
    if (c == 0) return 0;
    const std::int64_t p = static_cast<std::int64_t>(a) * b;
    const std::int64_t half = (c < 0 ? -c : c) / 2;
    const bool negative = (p < 0) != (c < 0);
    const std::int64_t m = (p < 0 ? -p : p);
    const std::int64_t d = (c < 0 ? -static_cast<std::int64_t>(c) : c);
    const std::int64_t q = (m + half) / d;
    return static_cast<int>(negative ? -q : q);
}

settings::FontSpec font_for_device(const settings::FontSpec& font, const Device& device) {
    settings::FontSpec f = font;
    if (device.printing) {
        f.height = mul_div(font.height, device.res_y, device.screen_y);
        f.width = mul_div(font.width, device.res_x, device.screen_x);
    }
    return f;
}

}  // namespace vorla::reports
