#pragma once
// The outgoing-speaker notice: for one of our brothers going out to give a talk, when and
// where, which talk, both talk coordinators with their phones, and the host congregation's
// Kingdom Hall with its map.
#include <filesystem>
#include <optional>
#include <string>

#include "core/calendar/week.h"
#include "core/reports/device.h"
#include "core/reports/display_list.h"
#include "core/settings/report_fonts.h"
#include "core/store/brother_contacts.h"
#include "core/store/document.h"

namespace vorla::reports {

// What the notice of an outgoing slot (0..5) of a week says, before it is placed.
struct OutgoingNotice {
    std::uint16_t speaker_id = 0;
    std::string title;        // "Назначение публичной речи"
    std::string date;         // the week's date on the destination's meeting day
    std::string speaker;      // "Олег Сидоров"
    std::string destination;  // "в Северное"
    std::string time;         // the destination's meeting time that week
    std::string talk;         // "Речь - title ( 12 ) "
    std::string weekday;  // "( Суббота )" when the destination meets on another day than we
    std::string own_caption;  // "Ответственный за речи ( Центральное )"
    std::string destination_caption;
    std::string own_coordinator;
    std::string destination_coordinator;
    std::optional<store::PhoneList> own_phones;  // when his record can be read
    std::optional<store::PhoneList> destination_phones;
    std::optional<store::CongregationRecord> hall;  // the destination's record, when read
    std::optional<std::filesystem::path> map;
};

OutgoingNotice outgoing_notice(const store::Document& doc, calendar::WeekIndex week, int slot);

// The notice on one page; today's date is the print date on paper.
DisplayList layout_outgoing_notice(const store::Document& doc, const settings::ReportFonts& fonts,
                                   calendar::WeekIndex week, int slot, const Device& device);

}  // namespace vorla::reports
