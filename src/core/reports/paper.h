#pragma once
// Sheets of paper and where the 8 × 11-inch page sits on them. Screen, preview, printer, PDF
// and PNG all place the page by the same rule, so what one shows is what the others print.
#include <optional>
#include <string_view>

#include "core/reports/device.h"

namespace vorla::reports {

enum class Paper { a4, letter };

// A sheet's size in tenths of a millimetre (A4 2100 × 2970, Letter 2159 × 2794).
struct SheetSize {
    int width = 0;
    int height = 0;
};
SheetSize sheet_size(Paper paper);

// "a4" or "letter", in any letter case.
std::optional<Paper> parse_paper(std::string_view name);

// The paper of a locale's paper size in whole millimetres: Letter for 216 × 279, else A4.
Paper paper_for_millimetres(int width_mm, int height_mm);
// The paper of the user's locale (LC_PAPER); A4 when the locale says nothing.
Paper locale_paper();

// The page on a sheet, in the device's pixels. A printer cannot reach the last quarter of an
// inch at the sheet's edges: the page's top (the print date's line) sits that far down, and
// nothing is printed within that border at the bottom.
struct PagePlacement {
    int sheet_width = 0;
    int sheet_height = 0;
    int left = 0;  // the page's left edge from the sheet's: the page is centred across
    int top = 0;   // its top edge from the sheet's: the border
    // How far down the page the sheet prints: the page's height, or less where the sheet ends
    // within it (Letter is only 11 inches tall); the page breaks earlier by the difference.
    int printable_height = 0;
};

PagePlacement place_page(const SheetSize& sheet, int res_x, int res_y);
PagePlacement place_page(Paper paper, int res_x, int res_y);

// The device for printing on the placed sheet.
Device paper_device(const PagePlacement& placement, int res_x, int res_y);
// The screen showing the placed sheet.
Device screen_device(const PagePlacement& placement, int res_x, int res_y);

}  // namespace vorla::reports
