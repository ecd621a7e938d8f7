#pragma once
// The page model every report is laid out on: 8 by 11 inches, a top and a left margin from
// the settings, measured in the device's pixels.
#include "core/reports/device.h"
#include "core/settings/settings.h"

namespace vorla::reports {

inline constexpr int kPageWidthTenths = 80;
inline constexpr int kPageHeightTenths = 110;

struct PageMetrics {
    int res_x = 96;
    int res_y = 96;
    int page_width = 0;   // 8 inches
    int page_height = 0;  // 11 inches
    int centre_x = 0;     // 4 inches
    int top_margin = 0;
    int left_margin = 0;
};

// A third of an inch plus the setting (hundredths of an inch); more than an inch of setting
// counts as half an inch.
int top_margin(int res_y, int top_setting);
int left_margin(int res_x, int left_setting);

PageMetrics page_metrics(const Device& device, const settings::Settings& settings);

}  // namespace vorla::reports
