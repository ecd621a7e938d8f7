#pragma once
// What the two one-page letters share: their page, lines a quarter inch apart, texts in one
// font, and the congregation map picture.
#include <filesystem>
#include <optional>
#include <string>

#include "core/reports/display_list.h"
#include "core/reports/page_metrics.h"
#include "core/store/congregation_record.h"
#include "core/store/document.h"

namespace vorla::reports {

// The page of a letter: its metrics and the quarter inch its lines step by.
struct LetterPage {
    PageMetrics m;
    int x = 0;     // left margin
    int top = 0;   // top margin
    int unit = 0;  // a quarter inch down the page

    LetterPage(const Device& device, const settings::Settings& settings);
};

// Adds a bottom-aligned text in the font's own colour; an empty text adds nothing.
void add_text(Page& page, const DisplayList& list, int x, int y, std::string text, FontId font,
              HAlign h = HAlign::left);

// The map file of a congregation record: in the data folder, when its trimmed name is one.
std::optional<std::filesystem::path> congregation_map(const store::Document& doc,
                                                      const store::CongregationRecord& cong);

// A congregation's record read in full; nothing when it is not there or cannot be read.
std::optional<store::CongregationRecord> read_congregation(const store::Document& doc,
                                                           std::uint16_t cong_id);

// "Речь - title ( 12 ) ": a talk as the letters name it.
std::string letter_talk_text(const store::Document& doc, int talk_no);

}  // namespace vorla::reports
