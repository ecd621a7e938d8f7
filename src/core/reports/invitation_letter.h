#pragma once
// The invitation letter to a visiting speaker: from our talk coordinator, confirming the date,
// the talk, the meeting time and the hall's address, with our map.
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

// What the letter for a week says, before it is placed. Only a week with a visiting speaker
// and his talk, whose records and ours can be read, gets a letter (`written`).
struct InvitationLetter {
    bool written = false;
    std::uint16_t speaker_id = 0;
    // The letterhead: our coordinator, when his record can be read.
    bool letterhead = false;
    std::string coordinator;
    std::string coordinator_address1;
    std::string coordinator_address2;
    store::PhoneList phones;
    std::string today;  // the day it is written, with the year
    std::string addressee;
    std::string address1;
    std::string address2;
    std::string date;  // the meeting's date: full month, with the year
    std::string salutation;
    std::string body;  // one paragraph
    std::string closing;
    std::string signature;
    std::optional<std::filesystem::path> map;  // ours, drawn with the letterhead only
};

InvitationLetter invitation_letter(const store::Document& doc, calendar::WeekIndex week);

// The meeting-time sentence as the language has it: in Portuguese one o'clock takes the
// singular ("à 1", not "às 1") when it comes after the sentence's tenth character; 10, 11
// and 12 o'clock keep the plural. No other language changes it.
std::string one_oclock_singular(std::string_view language, std::string sentence);

// The letter on one page; a week without one gives an empty page.
DisplayList layout_invitation_letter(const store::Document& doc, const settings::ReportFonts& fonts,
                                     calendar::WeekIndex week, const Device& device);

}  // namespace vorla::reports
