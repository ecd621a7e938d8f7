#include "core/editors/map_picture.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "core/text/texts.h"
#include "support/temp_dir.h"

using namespace vorla::editors;

namespace {

TEST(MapPicture, SizeIsThePhysicalSizeAtNinetySixDotsPerInch) {
    EXPECT_EQ(himetric_to_pixels(2540), 96);
    EXPECT_EQ(himetric_to_pixels(12700), 480);  // 5 inches
    EXPECT_EQ(himetric_to_pixels(27), 1);       // 1.02 rounds down
    EXPECT_EQ(himetric_to_pixels(13), 0);       // 0.49 rounds down
    EXPECT_EQ(himetric_to_pixels(14), 1);       // 0.53 rounds up
    // 600 pixels at 300 dpi (11811 dots per metre) are two inches: 192 screen pixels.
    EXPECT_EQ(himetric_to_pixels(himetric_of(600, 11811)), 192);
    // Without a resolution the picture counts as 96 dpi.
    EXPECT_EQ(himetric_to_pixels(himetric_of(640, 0)), 640);
}

TEST(MapPicture, OnlyBareFileNamesInTheDataFolderAreLoaded) {
    EXPECT_TRUE(is_bare_file_name("карта.jpg"));
    for (const char* bad :
         {"", ".", "..", "../map.jpg", "maps/map.jpg", "C:map.jpg", "\\\\host\\map.jpg",
          "/etc/passwd", "a..jpg", "/", "../../../../etc/passwd", "map.jpg/"}) {
        EXPECT_FALSE(is_bare_file_name(bad)) << bad;
    }
    const std::filesystem::path folder = "/data";
    EXPECT_EQ(map_path(folder, "  map.jpg "), std::filesystem::path("/data/map.jpg"));
    EXPECT_EQ(map_path(folder, "../map.jpg"), std::nullopt);
    EXPECT_EQ(map_path(folder, "   "), std::nullopt);
}

TEST(MapPicture, OnlyAPlainFileOfAPicturesSizeIsRead) {
    ::alarm(20);  // a FIFO must not make us wait
    vorla::testing::TempDir dir;
    ASSERT_EQ(::mkfifo((dir / "fifo.jpg").c_str(), 0644), 0);
    // Every failure names the file, in Russian.
    EXPECT_EQ(read_map_file(dir / "fifo.jpg").error,
              "Не удалось открыть карту fifo.jpg: " +
                  vorla::text::text(vorla::text::TextId::not_a_regular_file) + ".");
    std::filesystem::create_directory(dir / "folder.jpg");
    EXPECT_EQ(read_map_file(dir / "folder.jpg").error,
              "Не удалось открыть карту folder.jpg: это папка, а не файл.");
    EXPECT_EQ(read_map_file(dir / "missing.jpg").error,
              "Не удалось открыть карту missing.jpg: файл не найден.");
    vorla::testing::write_text(dir / "map.jpg", "\xFF\xD8 picture");
    const MapFile map = read_map_file(dir / "map.jpg");
    EXPECT_TRUE(map.error.empty());
    EXPECT_EQ(map.bytes.size(), 10u);
    ASSERT_EQ(::truncate((dir / "map.jpg").c_str(), kMaxPictureBytes + 1), 0);
    EXPECT_EQ(read_map_file(dir / "map.jpg").error,
              "Карта map.jpg слишком велика: программе не хватает памяти, чтобы её показать.");
    ::alarm(0);
}

TEST(MapPicture, DialogKeepsOnlyTheChosenNameAndClearsItWithoutAPicture) {
    MapDialogModel m("/data", " old.jpg ");
    EXPECT_EQ(m.title(), "Карта");
    EXPECT_EQ(m.name(), "old.jpg");
    EXPECT_EQ(m.picture_path(), std::filesystem::path("/data/old.jpg"));
    EXPECT_FALSE(m.name_refused());
    EXPECT_TRUE(m.rules_visible(false));
    EXPECT_FALSE(m.rules_visible(true));
    EXPECT_NE(m.rules_text().find("27 символов"), std::string::npos);
    EXPECT_EQ(m.choose_title(), "Выбрать Файл карты (JPG)");
    EXPECT_EQ(m.choose_filter().rfind("Файлы карты собрания (.JPG) (", 0), 0u);
    m.choose("/home/user/Загрузки/схема проезда.jpg");
    EXPECT_EQ(m.name(), "схема проезда.jpg");
    EXPECT_EQ(m.result(true), "схема проезда.jpg");
    EXPECT_EQ(m.result(false), "");

    MapDialogModel unsafe("/data", "../../secret.jpg");
    EXPECT_TRUE(unsafe.name_refused());
    EXPECT_EQ(unsafe.picture_path(), std::nullopt);
    EXPECT_EQ(MapDialogModel("/data", "").name_refused(), false);
}

}  // namespace
