#include "core/reports/wish_list_print.h"

#include <gtest/gtest.h>

#include <ostream>

#include "core/reports/report_request.h"
#include "report_fixture.h"

using namespace vorla;
using namespace vorla::reports;
using namespace vorla::testing;
using F = FontId;

namespace {

constexpr auto L = HAlign::left;
constexpr auto T = VAlign::top;

// Wanted: talks 1..45 (talk 2 high, talk 3 low) and 201. Talk 1 was heard this week.
struct WishListPrintTest : ReportData {
    settings::ReportFonts fonts{"rus"};

    std::unique_ptr<store::Document> open_wanted() {
        FixtureBytes r(96);
        r.fill(0, 5, 0xFF).u8(5, 0x1F).u8(25, 0x01).u8(32, 0x02).u8(64, 0x04);
        r.write_to(dir / "wishlist.dat");
        weeks.push_back(week_record(kThisWeek).u16(week_at::kTalk, 1));
        auto doc = open();
        set_talk_title(*doc, 1, "Первая речь");
        return doc;
    }
    DisplayList print(const store::Document& doc, int dpi) const {
        return layout_wish_list(doc, fonts, doc.wish_list(), Device::printer(dpi, dpi));
    }
};

// The texts of a page that sit on one line, by their top.
std::vector<TextItem> line_at(const Page& page, int y) {
    std::vector<TextItem> out;
    for (const TextItem& t : page.texts) {
        if (t.y == y) out.push_back(t);
    }
    return out;
}

}  // namespace

TEST_F(WishListPrintTest, HeaderAndRowsAt96Dpi) {
    const auto doc = open_wanted();
    const DisplayList list = print(*doc, 96);
    // Margins 0.5 and 0.2 inch: top 48, left 19; line 16 + 1; columns at 523 and 643.
    EXPECT_EQ(wish_list_top_margin(96, 50), 48);
    EXPECT_EQ(wish_list_line_height(list), 17);
    ASSERT_EQ(list.pages.size(), 2u);
    const Page& p = list.pages[0];
    EXPECT_EQ(line_at(p, 48),
              (std::vector<TextItem>{{19, 48, "Нужные нам речи", F::title, kBlack, L, T}}));
    EXPECT_EQ(line_at(p, 65), std::vector<TextItem>{});
    EXPECT_EQ(line_at(p, 82),
              (std::vector<TextItem>{{19, 82, "Речь", F::captions, kBlack, L, T},
                                     {523, 82, "Приоритет", F::captions, kBlack, L, T},
                                     {643, 82, "Последний:  ", F::captions, kBlack, L, T}}));
    // Row 1: number, title a third of an inch right and 1/40 inch lower (clear of the
    // priority column), priority word, the date a tenth of an inch left of its column.
    TextItem title{51, 101, "Первая речь", F::small_text, kBlack, L, T};
    title.max_width = 523 - 51 - 4;
    EXPECT_EQ(line_at(p, 99),
              (std::vector<TextItem>{{19, 99, "1", F::text, kBlack, L, T},
                                     {523, 99, "Средний", F::text, kBlack, L, T},
                                     {634, 99, "Дек 13, 2026", F::text, kBlack, L, T}}));
    EXPECT_EQ(line_at(p, 101), std::vector<TextItem>{title});
    const auto row2 = line_at(p, 116);
    ASSERT_EQ(row2.size(), 3u);
    EXPECT_EQ(row2[1].text, "Высокий");
    EXPECT_EQ(row2[2].text, "    -");
    EXPECT_EQ(line_at(p, 133).at(1).text, "Низкий");
}

TEST_F(WishListPrintTest, PositionsAt600DpiAndTheTopMarginsOwnRule) {
    const auto doc = open_wanted();
    const DisplayList list = print(*doc, 600);
    // top 300, left 120, line 100 + 10, columns at 3270 and 4020.
    const Page& p = list.pages[0];
    EXPECT_EQ(p.texts[0], (TextItem{120, 300, "Нужные нам речи", F::title, kBlack, L, T}));
    EXPECT_EQ(p.texts[2], (TextItem{3270, 520, "Приоритет", F::captions, kBlack, L, T}));
    EXPECT_EQ(p.texts[3], (TextItem{4020, 520, "Последний:  ", F::captions, kBlack, L, T}));
    EXPECT_EQ(p.texts[4], (TextItem{120, 630, "1", F::text, kBlack, L, T}));
    EXPECT_EQ(p.texts[5].x, 320);
    EXPECT_EQ(p.texts[5].y, 645);
    EXPECT_EQ(p.texts[7], (TextItem{3960, 630, "Дек 13, 2026", F::text, kBlack, L, T}));

    // No third of an inch above the setting; more than an inch of setting is half an inch.
    EXPECT_EQ(wish_list_top_margin(600, 99), 594);
    EXPECT_EQ(wish_list_top_margin(600, 150), 300);
    change_settings(*doc, [](settings::Settings& s) { s.top_margin = 0; });
    EXPECT_EQ(print(*doc, 600).pages[0].texts[0].y, 0);
}

TEST_F(WishListPrintTest, MoreThanFortyLinesStartANewPageWithItsHeader) {
    const auto doc = open_wanted();
    const DisplayList list = print(*doc, 96);
    ASSERT_EQ(list.pages.size(), 2u);
    // Page 1: the header's three lines and 38 rows, the last on line 41.
    const Page& first = list.pages[0];
    EXPECT_EQ(line_at(first, 48 + 40 * 17).at(0).text, "38");
    EXPECT_TRUE(line_at(first, 48 + 41 * 17).empty());
    // Page 2: the header again and rows 39..45; talk 201 is not printed.
    const Page& second = list.pages[1];
    EXPECT_EQ(line_at(second, 48).at(0).text, "Нужные нам речи");
    EXPECT_EQ(line_at(second, 82).size(), 3u);
    EXPECT_EQ(line_at(second, 99).at(0).text, "39");
    EXPECT_EQ(line_at(second, 48 + 9 * 17).at(0).text, "45");
    EXPECT_TRUE(line_at(second, 48 + 10 * 17).empty());
}

TEST_F(WishListPrintTest, TheReportRequestNamesAndLaysOutTheDocumentsList) {
    const auto doc = open_wanted();
    ReportRequest request;
    request.kind = ReportKind::wish_list;
    EXPECT_EQ(report_title(*doc, request), "Нужные нам речи");
    const DisplayList list = layout_report(*doc, fonts, request, Device::printer(96, 96));
    EXPECT_EQ(list.pages.size(), 2u);
    EXPECT_EQ(line_at(list.pages[0], 99), line_at(print(*doc, 96).pages[0], 99));
}
