// Arbitrary bytes as the settings file: read every setting and font, write them back.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/settings/ini_file.h"
#include "core/settings/report_fonts.h"
#include "core/settings/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vorla::settings;
    IniFile ini = IniFile::parse(std::string_view(reinterpret_cast<const char*>(data), size));
    const Settings s = read_settings(ini);
    ReportFonts fonts("rus");
    fonts.load(ini);
    write_settings(ini, s);
    fonts.save(ini);
    const std::string out = ini.serialize();
    // What we write must read back to the same values; a byte with no meaning in
    // Windows-1251 read as U+FFFD is written as "?".
    Settings expected = s;
    for (std::size_t at; (at = expected.schedule_title.find("\xEF\xBF\xBD")) != std::string::npos;)
        expected.schedule_title.replace(at, 3, "?");
    if (!(read_settings(IniFile::parse(out)) == expected)) __builtin_trap();
    return 0;
}
