#pragma once
// The speakers with the talks each of them gives: all speakers or those of one congregation
// or circuit, or our own congregation's speakers closed by the talks none of them gives.
#include <cstdint>
#include <string>
#include <vector>

#include "core/reports/device.h"
#include "core/reports/display_list.h"
#include "core/reports/flowing_list.h"
#include "core/settings/report_fonts.h"
#include "core/store/document.h"

namespace vorla::reports {

struct SpeakerSelection {
    // Our own speakers, whether or not they go out, and the talks none of them has.
    bool ours = false;
    std::uint16_t congregation = 0;  // 0: every congregation
    std::uint16_t circuit = 0;       // 0: every circuit
};

// The brothers listed, in name order: not discontinued, with at least one talk, of the chosen
// congregation and circuit; of our congregation only those on the outgoing-speakers list,
// unless the list is of our own speakers.
std::vector<std::size_t> listed_speakers(const store::Document& doc, const SpeakerSelection& sel);

std::string speaker_list_title(const store::Document& doc, const SpeakerSelection& sel);

// The lines the list is expected to take and the pages they fill, before it is laid out:
// 4 lines a speaker, t / 20 + 5 for one of more than 20 talks.
ListEstimate estimate_speaker_list(const store::Document& doc, const SpeakerSelection& sel,
                                   int line_height, int res_y);

DisplayList layout_speaker_list(const store::Document& doc, const settings::ReportFonts& fonts,
                                const SpeakerSelection& sel, const Device& device);

}  // namespace vorla::reports
