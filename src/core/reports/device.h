#pragma once
// The device a report is laid out for: its resolution, the screen's, and whether it prints.
// Report fonts are stored in screen pixels; on paper they grow with the printer's resolution.
#include "core/settings/report_fonts.h"

namespace vorla::reports {

struct Device {
    int res_x = 96;  // device pixels per inch
    int res_y = 96;
    int screen_x = 96;  // what the stored font heights are measured in
    int screen_y = 96;
    // Paper, preview and PDF: the print date may be drawn and pages hold a little less.
    bool printing = false;
    // How far down the page its sheet of paper prints, in device pixels; 0: all of it. The
    // screen shows the sheet the printer has, and breaks the pages where the paper does.
    int printable_height = 0;

    static Device screen(int dpi_x = 96, int dpi_y = 96) {
        return {dpi_x, dpi_y, dpi_x, dpi_y, false};
    }
    static Device printer(int dpi_x, int dpi_y, int screen_x = 96, int screen_y = 96) {
        return {dpi_x, dpi_y, screen_x, screen_y, true};
    }
};

// a * b / c rounded to the nearest integer, halves away from zero; 0 when c is 0.
int mul_div(int a, int b, int c);

// A font as the device needs it: when printing, height and width scale by the device's
// resolution over the screen's; on the screen it is used as stored.
settings::FontSpec font_for_device(const settings::FontSpec& font, const Device& device);

}  // namespace vorla::reports
