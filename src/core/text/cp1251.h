#pragma once
// Windows-1251, the code page of every data file, package, export and the settings file.
// Conversion to and from UTF-8 happens here and nowhere else.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vorla::text {

// The character a byte stands for; 0x98 has none and reads as U+FFFD.
char32_t cp1251_char(std::uint8_t byte);
// The byte for a character, or 0 when Windows-1251 cannot hold it (NUL maps to 0 too).
std::uint8_t cp1251_byte(char32_t c);

bool cp1251_can_hold(char32_t c);
bool cp1251_can_hold(std::string_view utf8);

std::string cp1251_to_utf8(std::span<const std::uint8_t> bytes);
std::string cp1251_to_utf8(std::string_view bytes);
// Characters Windows-1251 cannot hold are written as '?'.
std::string utf8_to_cp1251(std::string_view utf8);

}  // namespace vorla::text
