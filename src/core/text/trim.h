#pragma once
// Blank trimming and the plausibility tests for phone numbers and e-mail addresses.
#include <string>
#include <string_view>

namespace vorla::text {

std::string_view trim_left(std::string_view s);
std::string_view trim_right(std::string_view s);
std::string_view trim(std::string_view s);
void trim_left_in_place(std::string& s);
void trim_right_in_place(std::string& s);

// True when the text is empty or only blanks.
bool is_blank(std::string_view s);

// A phone text worth dialling: longer than 6 characters trimmed, shorter than 16 as typed.
bool is_plausible_phone(std::string_view s);
// An e-mail text: longer than 3 characters and holding "@".
bool is_plausible_email(std::string_view s);

}  // namespace vorla::text
