#include <gtest/gtest.h>

#include <map>

#include "core/app/info_lines.h"
#include "core/text/cp1251.h"
#include "support/record_fixtures.h"
#include "support/recording_prompter.h"
#include "support/temp_dir.h"

using namespace vorla;
using namespace vorla::testing;

TEST(InfoLines, SettingsFontsBackupAndTableSizesAsRead) {
    TempDir dir;
    RecordingPrompter prompter;
    write_bytes(dir / "speakers.dat", slot_file({brother_bytes(1, "Иван", "Петров"),
                                                 brother_bytes(2, "Олег", "Сидоров")}));
    write_text(
        dir / "vorla.ini",
        text::utf8_to_cp1251("[Формат расписания]\r\nФон=2\r\n[Резерв]\r\nПуть=/media/usb/\r\n"
                             "[Шрифт заголовка]\r\nHeight=-30\r\nFaceName=Liberation Serif\r\n"));
    const store::Document doc({dir.path(), {2026, 12, 7}, {}}, prompter);
    std::map<std::string, std::string> lines;
    for (const auto& [k, v] : app::info_lines(doc))
        lines[k] = v;
    EXPECT_EQ(lines["week-number"], "1406");
    EXPECT_EQ(lines["window-base"], "884");
    EXPECT_EQ(lines["setting Формат расписания/Фон"], "2");
    EXPECT_EQ(lines["setting Резерв/Путь"], "/media/usb/");
    EXPECT_EQ(lines["setting Резерв/Флоппи"], "0");
    EXPECT_EQ(lines["font Шрифт заголовка"].rfind("Liberation Serif, height -30,", 0), 0u);
    EXPECT_EQ(lines["font Дата Шрифт"].rfind("Times New Roman, height -19, weight 700", 0), 0u);
    EXPECT_EQ(lines["brothers"], "2");
    EXPECT_EQ(lines["talks"], "256");
    EXPECT_EQ(lines["topics"], "10");
    EXPECT_EQ(lines["weeks-with-content"], "0");
}
