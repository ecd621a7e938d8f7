// The export: which brothers go in, the bytes of the file, its name and its failures.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/editors/editor_fixture.h"
#include "core/schedule/package_export.h"
#include "core/text/texts.h"
#include "support/package_fixtures.h"

using namespace vorla;
using namespace vorla::testing;
using vorla::text::TextId;

namespace {

FixtureBytes with_talk_bits(FixtureBytes b, std::size_t at, std::initializer_list<int> talks) {
    for (const int n : talks) {
        const std::size_t byte = at + static_cast<std::size_t>(n - 1) / 8;
        b.u8(byte, static_cast<std::uint8_t>(b.bytes()[byte] | 1u << ((n - 1) % 8)));
    }
    return b;
}

// Our congregation Наше (1) and Лесное (2). In Наше: Белов an outgoing speaker with talks
// and extras; Волков has talks but is only a chairman; Громов coordinates the elders and
// has a talk, but is no outgoing speaker; Дронов is the talk coordinator, discontinued;
// Ершов goes out but has no talk. In Лесное: Жуков with a talk, Зотов without.
struct PackageExportTest : EditorTest {
    void SetUp() override {
        write_bytes(dir / "circuit.dat", concat({named_bytes("Северный", 30001)}));
        write_bytes(dir / "cong.dat", slot_file({congregation_bytes(1, "Наше")
                                                     .text(50, "ул. Мира, 5")
                                                     .text(132, "100-20-30")
                                                     .text(164, "10:00")
                                                     .text(188, "17:00")
                                                     .u16(178, 30001)
                                                     .u16(182, 3)
                                                     .u16(186, 4)
                                                     .u8(226, 3)
                                                     .text(198, "map.jpg"),
                                                 congregation_bytes(2, "Лесное")}));
        const auto brother = [](std::uint16_t id, const char* first, const char* last,
                                std::uint16_t cong, std::initializer_list<int> talks,
                                std::uint8_t flags, std::uint8_t roles) {
            return with_talk_bits(brother_bytes(id, first, last, cong), 136, talks)
                .u8(200, flags)
                .u8(201, roles);
        };
        write_bytes(dir / "speakers.dat",
                    slot_file({brother(1, "Андрей", "Белов", 1, {5, 12}, 2, 0x02)
                                   .text(40, "ул. Садовая")
                                   .text(120, "123")
                                   .u16(206, 1),
                               brother(2, "Борис", "Волков", 1, {7}, 0, 0x04),
                               brother(3, "Виктор", "Громов", 1, {3}, 1, 0x10),
                               brother(4, "Глеб", "Дронов", 1, {9}, 0x20, 0x02),
                               brother(5, "Денис", "Ершов", 1, {}, 0, 0x02),
                               brother(6, "Егор", "Жуков", 2, {1}, 0, 0),
                               brother(7, "Иван", "Зотов", 2, {}, 0, 0)}));
        write_bytes(dir / "xtend.dat", FixtureBytes(128)
                                           .u16(0, 1)
                                           .text(2, "8-900")
                                           .text(34, "a@b.ru")
                                           .text(82, "заметка")
                                           .bytes());
        // Eleven weeks of Белов (only ten travel), one of Жуков, one past.
        std::vector<std::uint8_t> blackout;
        for (std::uint16_t w = 1417; w >= 1407; --w) {
            const auto r = unavailable_bytes(1, w).bytes();
            blackout.insert(blackout.end(), r.begin(), r.end());
        }
        for (const auto& r : {unavailable_bytes(6, 1408), unavailable_bytes(6, 1300)})
            blackout.insert(blackout.end(), r.bytes().begin(), r.bytes().end());
        write_bytes(dir / "blackout.dat", blackout);
        write_text(dir / "vorla.ini", "[Congregation]\r\nNumber=1\r\n");
    }
};

}  // namespace

TEST_F(PackageExportTest, OurPackageHoldsOutgoingSpeakersAndOfficersOnly) {
    open();
    const schedule::PackageExport e = schedule::export_package(*doc, 1);
    ASSERT_TRUE(e.written) << e.message;
    EXPECT_EQ(e.path, dir / "Наше.vpk");

    // Meeting days, map and note are not part of a package.
    const FixtureBytes cong = package_congregation("Наше", "Северный")
                                  .text(70, "ул. Мира, 5")
                                  .text(152, "100-20-30")
                                  .text(314, "10:00")
                                  .text(324, "17:00");
    FixtureBytes belov = with_talk_bits(package_brother("Андрей", "Белов"), 248, {5, 12})
                             .text(70, "ул. Садовая")
                             .text(152, "123")
                             .text(168, "8-900")
                             .text(200, "a@b.ru")
                             .u8(312, 2)
                             .u8(313, 0x02);
    package_weeks(belov, {1417, 1416, 1415, 1414, 1413, 1412, 1411, 1410, 1409, 1408});
    // The officers who are no outgoing speakers travel without their talks.
    const FixtureBytes gromov = package_brother("Виктор", "Громов").u8(312, 1).u8(313, 0x10 | 0x20);
    const FixtureBytes dronov =
        package_brother("Глеб", "Дронов").u8(312, 0x20).u8(313, 0x02 | 0x40);
    EXPECT_EQ(read_bytes(e.path), concat({cong, belov, gromov, dronov}));

    EXPECT_EQ(e.message, text::format(TextId::package_exported_to, "Наше.vpk") +
                             text::format(TextId::send_package_file, "Наше.vpk") +
                             "\n\nФайл пакета: " + e.path.string());
}

TEST_F(PackageExportTest, AnotherCongregationSendsEveryBrotherWithTalks) {
    open();
    const schedule::PackageExport e = schedule::export_package(*doc, 2);
    ASSERT_TRUE(e.written);
    FixtureBytes zhukov = with_talk_bits(package_brother("Егор", "Жуков"), 248, {1});
    package_weeks(zhukov, {1408});
    EXPECT_EQ(read_bytes(dir / "Лесное.vpk"), concat({package_congregation("Лесное"), zhukov}));
    EXPECT_EQ(e.message.substr(0, e.message.find("\n\nФайл")),
              text::format(TextId::congregation_exported_to, "Лесное"));
}

TEST_F(PackageExportTest, CongregationNameNeverLeavesTheDataFolder) {
    EXPECT_EQ(schedule::package_file_name("Лесное"), "Лесное.vpk");
    EXPECT_EQ(schedule::package_file_name("../../etc/passwd"), "_._.._etc_passwd.vpk");
    EXPECT_EQ(schedule::package_file_name(".скрытое"), "_скрытое.vpk");
    EXPECT_EQ(schedule::package_file_name(std::string("a\0b\tc\x7f", 6)), "a_b_c_.vpk");
    EXPECT_EQ(schedule::package_file_name(""), "_.vpk");

    // A congregation so named has its package written beside the data, nowhere else.
    auto congs = read_bytes(dir / "cong.dat");
    const FixtureBytes evil = congregation_bytes(2, "../Лесное");
    std::copy(evil.bytes().begin(), evil.bytes().end(), congs.begin() + 512);
    write_bytes(dir / "cong.dat", congs);
    open();
    const schedule::PackageExport e = schedule::export_package(*doc, 2);
    ASSERT_TRUE(e.written);
    EXPECT_EQ(e.path, dir / "_._Лесное.vpk");
    EXPECT_TRUE(std::filesystem::exists(e.path));
    EXPECT_FALSE(std::filesystem::exists(dir.path().parent_path() / "Лесное.vpk"));
}

TEST_F(PackageExportTest, FailedExportSaysWhyAndLeavesNoFile) {
    open();
    // A folder where the package would go: nothing is written into or beside it.
    std::filesystem::create_directories(dir / "Наше.vpk" / "inside");
    const schedule::PackageExport blocked = schedule::export_package(*doc, 1);
    EXPECT_FALSE(blocked.written);
    EXPECT_EQ(blocked.message,
              text::format(TextId::cannot_create_file, (dir / "Наше.vpk").string()) +
                  "\n\nПричина: это папка, а не файл.");
    EXPECT_TRUE(std::filesystem::is_directory(dir / "Наше.vpk" / "inside"));

    const auto nowhere = dir / "no-such-folder" / "x.vpk";
    const schedule::PackageExport missing = schedule::export_package(*doc, 2, nowhere);
    EXPECT_FALSE(missing.written);
    EXPECT_NE(missing.message.find("Причина: файл не найден."), std::string::npos);
    // No temporary file is left behind.
    for (const auto& f : std::filesystem::directory_iterator(dir.path()))
        EXPECT_EQ(f.path().filename().string().find(".tmp"), std::string::npos) << f.path();
}

TEST_F(PackageExportTest, MailAndFolderAreOfferedWhereTheDesktopHasThePrograms) {
    TempDir bin;
    const auto tool = [&](const char* name) {
        write_text(bin / name, "#!/bin/sh\n");
        ::chmod((bin / name).c_str(), 0755);
    };
    const std::filesystem::path file = dir / "Наше.vpk";
    const auto bare = schedule::package_hand_on(file, bin.path().string());
    EXPECT_FALSE(bare.mail);
    EXPECT_FALSE(bare.open_folder);

    tool("xdg-email");
    write_text(bin / "xdg-open", "not executable");
    const std::string path_list = "/nonexistent:" + bin.path().string();
    const auto with_mail = schedule::package_hand_on(file, path_list);
    EXPECT_TRUE(with_mail.mail);
    EXPECT_FALSE(with_mail.open_folder);
    EXPECT_EQ(with_mail.mail_command(),
              (std::vector<std::string>{"xdg-email", "--attach", file.string()}));
    EXPECT_EQ(with_mail.folder(), dir.path());
    EXPECT_EQ(with_mail.mail_caption(), "Отправить по почте");

    tool("xdg-open");
    EXPECT_TRUE(schedule::package_hand_on(file, path_list).open_folder);
}
