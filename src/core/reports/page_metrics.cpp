#include "core/reports/page_metrics.h"

namespace vorla::reports {

int top_margin(int res_y, int top_setting) {
    int extra = res_y * top_setting / 100;
    if (extra > res_y) extra = res_y / 2;
    return res_y / 3 + extra;
}

int left_margin(int res_x, int left_setting) {
    return res_x * left_setting / 100;
}

PageMetrics page_metrics(const Device& device, const settings::Settings& settings) {
    PageMetrics m;
    m.res_x = device.res_x;
    m.res_y = device.res_y;
    m.page_width = kPageWidthTenths * device.res_x / 10;
    m.page_height = kPageHeightTenths * device.res_y / 10;
    m.centre_x = kPageWidthTenths * device.res_x / 20;
    m.top_margin = top_margin(device.res_y, settings.top_margin);
    m.left_margin = left_margin(device.res_x, settings.left_margin);
    return m;
}

}  // namespace vorla::reports
