#include "core/reports/paper.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "core/reports/page_metrics.h"

using namespace vorla::reports;

namespace {

struct PaperCase {
    Paper paper;
    int dpi;
};

class PlacementTest : public ::testing::TestWithParam<PaperCase> {};

// On every paper and resolution the 8-inch page sits centred across the sheet, its top a
// quarter inch down, and what the sheet prints of it ends a quarter inch above the sheet's
// bottom edge or at the page's own bottom, whichever comes first.
TEST_P(PlacementTest, ThePageIsCentredAcrossAndKeepsAQuarterInchFromTheEdges) {
    const auto [paper, dpi] = GetParam();
    const PagePlacement p = place_page(paper, dpi, dpi);
    const int page_width = 8 * dpi;
    const int page_height = 11 * dpi;
    EXPECT_LE(std::abs(p.sheet_width - page_width - 2 * p.left), 1);
    EXPECT_EQ(p.top, dpi / 4);
    EXPECT_LE(p.top + p.printable_height + dpi / 4, p.sheet_height);
    EXPECT_TRUE(p.printable_height == page_height ||
                p.top + p.printable_height + dpi / 4 == p.sheet_height);
    const Device d = paper_device(p, dpi, dpi);
    EXPECT_TRUE(d.printing);
    EXPECT_EQ(d.printable_height, p.printable_height);
}

INSTANTIATE_TEST_SUITE_P(PapersAndResolutions, PlacementTest,
                         ::testing::Values(PaperCase{Paper::a4, 96}, PaperCase{Paper::a4, 600},
                                           PaperCase{Paper::letter, 96},
                                           PaperCase{Paper::letter, 300}));

TEST(Placement, A4HoldsTheWholePageAndLetterCutsItsLastHalfInch) {
    // A4 at 600 dpi: 210 x 297 mm is 4961 x 7016 pixels; (4961 - 4800) / 2 either side.
    const PagePlacement a4 = place_page(Paper::a4, 600, 600);
    EXPECT_EQ(a4.sheet_width, 4961);
    EXPECT_EQ(a4.sheet_height, 7016);
    EXPECT_EQ(a4.left, 80);
    EXPECT_EQ(a4.top, 150);
    EXPECT_EQ(a4.printable_height, 6600);
    // Letter: 8.5 x 11 inches. The page starts a quarter inch down on a sheet exactly as tall
    // as it is: it prints down to half an inch above its own bottom.
    const PagePlacement letter = place_page(Paper::letter, 600, 600);
    EXPECT_EQ(letter.sheet_width, 5100);
    EXPECT_EQ(letter.sheet_height, 6600);
    EXPECT_EQ(letter.left, 150);
    EXPECT_EQ(letter.printable_height, 6600 - 300);
    // A sheet narrower and shorter than the page (A5) starts it at its left edge.
    const PagePlacement a5 = place_page(SheetSize{1480, 2100}, 100, 100);
    EXPECT_EQ(a5.left, 0);
    EXPECT_EQ(a5.printable_height, 827 - 50);
}

TEST(PaperNames, A4AndLetterInAnyCaseAndTheLocalesSizes) {
    EXPECT_EQ(parse_paper("a4"), Paper::a4);
    EXPECT_EQ(parse_paper("Letter"), Paper::letter);
    EXPECT_EQ(parse_paper("LETTER"), Paper::letter);
    EXPECT_FALSE(parse_paper("a5"));
    EXPECT_FALSE(parse_paper(""));
    EXPECT_FALSE(parse_paper("letters"));
    // glibc's Letter locales say 216 x 279 (some 215 x 279); A4 is 210 x 297.
    EXPECT_EQ(paper_for_millimetres(216, 279), Paper::letter);
    EXPECT_EQ(paper_for_millimetres(215, 279), Paper::letter);
    EXPECT_EQ(paper_for_millimetres(210, 297), Paper::a4);
    EXPECT_EQ(paper_for_millimetres(216, 356), Paper::a4);  // Legal is none of ours
    EXPECT_EQ(paper_for_millimetres(0, 0), Paper::a4);
}

TEST(PaperNames, TheCLocaleAndAnUnknownLocaleGiveA4) {
    const char* saved = std::getenv("LC_ALL");
    const std::string restore = saved ? saved : "";
    setenv("LC_ALL", "C", 1);
    EXPECT_EQ(locale_paper(), Paper::a4);
    setenv("LC_ALL", "xx_NOWHERE.UTF-8", 1);
    EXPECT_EQ(locale_paper(), Paper::a4);
    if (saved) {
        setenv("LC_ALL", restore.c_str(), 1);
    } else {
        unsetenv("LC_ALL");
    }
}

}  // namespace
