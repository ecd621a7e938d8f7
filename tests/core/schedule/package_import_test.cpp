// The import dialog's model and OK, on packages written byte by byte.
#include <gtest/gtest.h>

#include "core/schedule/package_import_model.h"
#include "core/text/cp1251.h"
#include "core/text/texts.h"
#include "schedule_fixture.h"
#include "support/change_log.h"
#include "support/package_fixtures.h"

using namespace vorla;
using namespace vorla::testing;
using schedule::PackageImportModel;
using vorla::text::TextId;

namespace {

struct PackageImportTest : ScheduleTest {
    std::filesystem::path package(const std::vector<FixtureBytes>& records) {
        std::vector<std::uint8_t> bytes;
        for (const FixtureBytes& r : records)
            bytes.insert(bytes.end(), r.bytes().begin(), r.bytes().end());
        const auto path = dir / "Лесное.vpk";
        write_bytes(path, bytes);
        return path;
    }
    std::vector<std::uint8_t> slot_of(const char* file, std::size_t n) const {
        const auto bytes = read_bytes(dir / file);
        if (bytes.size() < (n + 1) * 256) return {};
        return {bytes.begin() + static_cast<std::ptrdiff_t>(n * 256),
                bytes.begin() + static_cast<std::ptrdiff_t>((n + 1) * 256)};
    }
    static std::uint16_t u16(const std::vector<std::uint8_t>& b, std::size_t at) {
        return static_cast<std::uint16_t>(b.at(at) | b.at(at + 1) << 8);
    }
    static std::string text(const std::vector<std::uint8_t>& b, std::size_t at, std::size_t w) {
        std::string raw;
        for (std::size_t i = at; i < at + w && b.at(i) != 0; ++i)
            raw += static_cast<char>(b[i]);
        return text::cp1251_to_utf8(raw);
    }
};

std::string repeated(const char* letter, int n) {
    std::string s;
    for (int i = 0; i < n; ++i)
        s += letter;
    return s;
}

// Лесное in other letters, its contact data, a circuit it does not have; Иван Петров in
// other letters and blanks, and a new brother with extras.
std::vector<FixtureBytes> forest_package() {
    FixtureBytes cong = package_congregation("лесное", "Южный")
                            .text(70, "ул. Лесная, 1")
                            .text(152, "111-22-33")
                            .text(314, "10:00")
                            .text(324, "18:00");
    FixtureBytes ivan = [] {
        FixtureBytes b =
            package_brother("  иван ", "ПЕТРОВ").text(70, "ул. Новая").text(152, "222");
        package_talks(b, {7});
        package_weeks(b, {1410, 1400});
        return b.u8(312, 2).u8(313, 0x02 | 0x40);
    }();
    FixtureBytes petr = [] {
        FixtureBytes b = package_brother("Пётр", "Новиков").text(168, "333").text(200, "p@x.ru");
        return package_talks(b, {1, 9});
    }();
    return {cong, ivan, petr};
}

}  // namespace

TEST_F(PackageImportTest, ExistingCongregationIsUpdatedItsBrothersMatchedAddedAndDetached) {
    open();
    PackageImportModel model(*doc, package(forest_package()));
    EXPECT_EQ(model.caption(), "Приглашаемые - " + (dir / "Лесное.vpk").string());
    EXPECT_EQ(model.name(), "лесное");
    EXPECT_EQ(model.status_line(), text::text(TextId::congregation_data_exists));
    // The congregation's own circuit wins over the one the package names.
    EXPECT_EQ(model.circuit(), 30001);
    EXPECT_EQ(model.circuit_caption(), "Северный");
    EXPECT_EQ(model.circuit_warning(), "");
    ASSERT_EQ(model.line_count(), 2u);
    EXPECT_EQ(model.line(0), "*   иван  ПЕТРОВ");
    EXPECT_EQ(model.line(1), "Пётр Новиков");
    EXPECT_EQ(model.selection_line(), "2 of 2  Братья, выбранные для приглашения.");
    EXPECT_EQ(model.duplicates_line(),
              "1  выбранные братья - дубликаты существующих братьев.\nСуществующие данные будут "
              "заменены импортируемыми данными.");
    EXPECT_EQ(model.new_brothers_line(), "1  новые братья будут добавлены.");
    ASSERT_TRUE(model.removal_visible());
    EXPECT_EQ(model.removal_caption(), "1 Брат будет удален из\nЛесное.");
    EXPECT_EQ(model.removal_names(), std::vector<std::string>{"Олег Сидоров"});
    EXPECT_EQ(model.ok_caption(), "OK");

    ChangeLog changes(*doc);
    ASSERT_TRUE(model.ok());
    // Those who show the brothers, the congregations and who is away hear of it once.
    ASSERT_EQ(changes.notices().size(), 1u);
    for (store::Change c :
         {store::Change::brothers, store::Change::congregations, store::Change::availability})
        EXPECT_TRUE(changes.notices()[0].contains(c));
    const auto& report = model.report();
    EXPECT_FALSE(report.congregation_added);
    EXPECT_EQ(report.congregation, "Лесное");
    EXPECT_EQ(report.added, std::vector<std::string>{"Пётр Новиков"});
    EXPECT_EQ(report.updated, std::vector<std::string>{"Иван Петров"});
    EXPECT_EQ(report.detached, std::vector<std::string>{"Олег Сидоров"});
    EXPECT_TRUE(report.complete);

    // The congregation keeps its name; contact data from the package; Иван is its talk
    // coordinator now.
    const auto cong = slot_of("cong.dat", 2);
    EXPECT_EQ(text(cong, 0, 50), "Лесное");
    EXPECT_EQ(text(cong, 50, 41), "ул. Лесная, 1");
    EXPECT_EQ(text(cong, 132, 16), "111-22-33");
    EXPECT_EQ(text(cong, 164, 10), "10:00");
    EXPECT_EQ(text(cong, 188, 10), "18:00");
    EXPECT_EQ(u16(cong, 178), 30001);
    EXPECT_EQ(u16(cong, 186), 1);

    // Иван keeps his name as stored and takes everything else.
    const auto ivan = slot_of("speakers.dat", 1);
    EXPECT_EQ(text(ivan, 0, 20), "Иван");
    EXPECT_EQ(text(ivan, 20, 20), "Петров");
    EXPECT_EQ(text(ivan, 40, 40), "ул. Новая");
    EXPECT_EQ(text(ivan, 120, 16), "222");
    EXPECT_EQ(ivan[136], 0x40);  // talk 7 only: 12 and 34 are gone
    EXPECT_EQ(ivan[137], 0);
    EXPECT_EQ(ivan[140], 0);
    EXPECT_EQ(ivan[200], 2);
    EXPECT_EQ(ivan[201], 0x02);
    EXPECT_EQ(u16(ivan, 202), 2);
    // Олег stays in the data without a congregation.
    EXPECT_EQ(u16(slot_of("speakers.dat", 2), 202), 0);
    // Пётр takes the next slot, with his extras in the free first record of xtend.dat.
    const auto petr = slot_of("speakers.dat", 6);
    EXPECT_EQ(text(petr, 0, 20), "Пётр");
    EXPECT_EQ(text(petr, 20, 20), "Новиков");
    EXPECT_EQ(petr[136], 0x01);
    EXPECT_EQ(petr[137], 0x01);
    EXPECT_EQ(u16(petr, 202), 2);
    EXPECT_EQ(u16(petr, 204), 6);
    EXPECT_EQ(u16(petr, 206), 1);
    const auto extras = read_bytes(dir / "xtend.dat");
    ASSERT_GE(extras.size(), 128u);
    EXPECT_EQ(u16(extras, 0), 6);
    EXPECT_EQ(text(extras, 2, 16), "333");
    EXPECT_EQ(text(extras, 34, 48), "p@x.ru");
    // Week 1400 is past; 1410 is his only unavailable week.
    EXPECT_EQ(read_bytes(dir / "blackout.dat"), concat({unavailable_bytes(1, 1410)}));

    // The index knows all of it at once, in name order.
    EXPECT_EQ(doc->brothers().size(), 6u);
    EXPECT_EQ(doc->brothers().display_name(2, true), "Новиков, Пётр");
    EXPECT_EQ(doc->congregations().at(cong_pos(2)).talk_coord_id, 1);
}

TEST_F(PackageImportTest, DeselectedDuplicateIsLeftAlone) {
    open();
    const auto ivan_before = slot_of("speakers.dat", 1);
    PackageImportModel model(*doc, package(forest_package()));
    model.set_selected(0, false);
    EXPECT_EQ(model.selection_line(), "1 of 2  Братья, выбранные для приглашения.");
    EXPECT_EQ(model.duplicates_line(), "");
    EXPECT_EQ(model.new_brothers_line(), "1  новые братья будут добавлены.");
    // His line still lists him, so he does not leave the congregation either.
    EXPECT_EQ(model.removal_names(), std::vector<std::string>{"Олег Сидоров"});
    ASSERT_TRUE(model.ok());
    EXPECT_EQ(slot_of("speakers.dat", 1), ivan_before);
    EXPECT_EQ(u16(slot_of("cong.dat", 2), 186), 3);  // his office bit was not taken
    EXPECT_TRUE(model.report().updated.empty());
}

TEST_F(PackageImportTest, NewNameCreatesTheCongregationAndEditingTheNameMatchesAgain) {
    open();
    PackageImportModel model(
        *doc, package({package_congregation("Горное", "Южный"), package_brother("Павел", "Орлов"),
                       package_brother("Иван", "Петров")}));
    EXPECT_EQ(model.status_line(), text::text(TextId::congregation_will_be_added));
    EXPECT_EQ(model.circuit(), 30002);  // found by the package's circuit name
    EXPECT_FALSE(model.removal_visible());

    // Typed: Речное is matched, its brothers not in the package would leave it.
    model.edit_name("РЕЧНОЕ");
    EXPECT_EQ(model.ok_caption(), "Применить");
    EXPECT_EQ(model.status_line(), text::text(TextId::congregation_data_exists));
    EXPECT_FALSE(model.removal_visible());  // Павел Орлов is its only brother, and listed
    model.edit_name("Лесное");
    EXPECT_EQ(model.removal_names(), std::vector<std::string>{"Олег Сидоров"});
    EXPECT_EQ(model.circuit(), 30002);  // the circuit stays as chosen
    // "Применить" only turns back into OK.
    EXPECT_FALSE(model.ok());
    EXPECT_EQ(model.ok_caption(), "OK");
    EXPECT_EQ(read_bytes(dir / "cong.dat").size(), 5 * 256u);

    model.edit_name("Горное");
    EXPECT_FALSE(model.removal_visible());
    EXPECT_FALSE(model.ok());
    ASSERT_TRUE(model.ok());
    EXPECT_TRUE(model.report().congregation_added);
    const auto cong = slot_of("cong.dat", 5);
    EXPECT_EQ(text(cong, 0, 50), "Горное");
    EXPECT_EQ(u16(cong, 174), 5);
    EXPECT_EQ(u16(cong, 178), 30002);
    // Nobody is detached: both brothers move into the new congregation, Олег stays put.
    EXPECT_TRUE(model.report().detached.empty());
    EXPECT_EQ(u16(slot_of("speakers.dat", 1), 202), 5);
    EXPECT_EQ(u16(slot_of("speakers.dat", 3), 202), 5);
    EXPECT_EQ(u16(slot_of("speakers.dat", 2), 202), 2);
    EXPECT_EQ(doc->congregations().name_of(5), "Горное");
}

TEST_F(PackageImportTest, UnknownCircuitIsAskedForAndBlankNameCannotBeImported) {
    open();
    PackageImportModel model(*doc, package({package_congregation("Горное", "Западный")}));
    EXPECT_EQ(model.circuit(), 0);
    EXPECT_EQ(model.circuit_caption(), "Выбрать район");
    EXPECT_EQ(model.circuit_warning(),
              "Не могу найти район - Западный.  Выберите другой район или добавьте этот.");
    EXPECT_EQ(model.circuit_preselect(), -1);
    model.set_circuit(30002);
    EXPECT_EQ(model.circuit_warning(), "");
    EXPECT_EQ(model.circuit_preselect(), 2);

    const auto congs = read_bytes(dir / "cong.dat");
    model.edit_name("   ");
    EXPECT_FALSE(model.ok_enabled());
    EXPECT_FALSE(model.ok());  // "Применить"
    EXPECT_FALSE(model.ok());  // still nothing to import under
    EXPECT_EQ(read_bytes(dir / "cong.dat"), congs);
}

TEST_F(PackageImportTest, ExtraRecordsFollowThePackage) {
    // Иван has extras without a note, Павел only a note; Антон has none.
    write_bytes(dir / "xtend.dat", concat({FixtureBytes(128).u16(0, 1).text(2, "555"),
                                           FixtureBytes(128).u16(0, 3).text(82, "ключ у соседа")}));
    auto speakers = read_bytes(dir / "speakers.dat");
    speakers[256 + 206] = 1;
    speakers[3 * 256 + 206] = 2;
    write_bytes(dir / "speakers.dat", speakers);
    open();
    PackageImportModel model(
        *doc, package({package_congregation("Лесное"), package_brother("Иван", "Петров"),
                       package_brother("Павел", "Орлов").text(184, "  "),
                       package_brother("Антон", "Белов").text(200, "a@b.ru")}));
    ASSERT_TRUE(model.ok());

    const auto extras = read_bytes(dir / "xtend.dat");
    ASSERT_EQ(extras.size(), 256u);
    // Иван's record was emptied and went to Антон, the next who needed one.
    EXPECT_EQ(u16(slot_of("speakers.dat", 1), 206), 0);
    EXPECT_EQ(u16(slot_of("speakers.dat", 5), 206), 1);
    EXPECT_EQ(u16(extras, 0), 5);
    EXPECT_EQ(text(extras, 2, 16), "");
    EXPECT_EQ(text(extras, 34, 48), "a@b.ru");
    // Павел keeps his note, his phones and e-mail now as the package has them (blank).
    EXPECT_EQ(u16(slot_of("speakers.dat", 3), 206), 2);
    EXPECT_EQ(u16(extras, 128), 3);
    EXPECT_EQ(text(extras, 128 + 18, 16), "  ");
    EXPECT_EQ(text(extras, 128 + 82, 46), "ключ у соседа");
}

TEST_F(PackageImportTest, UnavailableWeeksFromTodayOnAreReplacedByThePackages) {
    write_bytes(dir / "blackout.dat",
                concat({unavailable_bytes(1, 1407), unavailable_bytes(1, 1420),
                        unavailable_bytes(1, 1500), unavailable_bytes(3, 1408)}));
    open();
    // 3000 lies past the week window (its last week is 1884); 1405 is past.
    FixtureBytes ivan = package_brother("Иван", "Петров");
    package_weeks(ivan, {1410, 1415, 0, 3000, 1405});
    PackageImportModel model(*doc, package({package_congregation("Лесное"), ivan}));
    ASSERT_TRUE(model.ok());
    // 1406-1414 were cleared (1407 went, its entry was reused for 1410); 1420 and 1500 lie
    // beyond the package's last week and stay.
    EXPECT_EQ(
        read_bytes(dir / "blackout.dat"),
        concat({unavailable_bytes(1, 1410), unavailable_bytes(1, 1420), unavailable_bytes(1, 1500),
                unavailable_bytes(3, 1408), unavailable_bytes(1, 1415)}));
}

TEST_F(PackageImportTest, WeeksAllInThePastLeaveHisUnavailabilityAlone) {
    const auto blackout = concat({unavailable_bytes(1, 1407), unavailable_bytes(1, 1420)});
    write_bytes(dir / "blackout.dat", blackout);
    open();
    FixtureBytes ivan = package_brother("Иван", "Петров");
    package_weeks(ivan, {1300, 1406});
    PackageImportModel model(*doc, package({package_congregation("Лесное"), ivan}));
    ASSERT_TRUE(model.ok());
    EXPECT_EQ(read_bytes(dir / "blackout.dat"), blackout);
    EXPECT_FALSE(doc->brother_available(1, calendar::WeekNumber(1407)));
}

TEST_F(PackageImportTest, HostileRecordsAreCutCleanedAndMasked) {
    open();
    // A congregation name and a first name filling their fields without terminator, control
    // characters in the last name, every flag and role bit set, 100 stray bytes at the end.
    FixtureBytes cong = package_congregation("").fill(0, 50, 0xC0);  // "А" x 50
    FixtureBytes odd =
        package_brother("", "Ко\tр\x01ин").fill(0, 50, 0xC1).u8(312, 0xFF).u8(313, 0xFF);
    FixtureBytes twice = package_brother("Пётр", "Новиков");
    auto bytes = concat({cong, odd, twice, twice});
    bytes.resize(bytes.size() + 100, 0xEE);
    const auto path = dir / "odd.vpk";
    write_bytes(path, bytes);

    PackageImportModel model(*doc, path);
    EXPECT_EQ(model.name(), repeated("А", 48));
    ASSERT_EQ(model.line_count(), 3u);
    const std::string eighteen = repeated("Б", 18);
    EXPECT_EQ(model.line(0), eighteen + " Ко р ин");
    ASSERT_TRUE(model.ok());

    const auto odd_record = slot_of("speakers.dat", 6);
    EXPECT_EQ(text(odd_record, 0, 20), eighteen);
    EXPECT_EQ(text(odd_record, 20, 20), "Ко р ин");
    EXPECT_EQ(odd_record[200], 0x20);  // office "3" means nothing; discontinued is kept
    EXPECT_EQ(odd_record[201], 0x16);  // outgoing, chairman, reader
    const auto cong_record = slot_of("cong.dat", 5);
    EXPECT_EQ(u16(cong_record, 182), 6);
    EXPECT_EQ(u16(cong_record, 184), 6);
    EXPECT_EQ(u16(cong_record, 186), 6);
    // The same brother twice: added once, then updated.
    EXPECT_EQ(model.report().added,
              (std::vector<std::string>{eighteen + " Ко р ин", "Пётр Новиков"}));
    EXPECT_EQ(model.report().updated, std::vector<std::string>{"Пётр Новиков"});
    EXPECT_EQ(read_bytes(dir / "speakers.dat").size(), 8 * 256u);
}

TEST_F(PackageImportTest, ShortOrMissingFileGivesAnEmptyDialogThatImportsNothing) {
    open();
    const auto congs = read_bytes(dir / "cong.dat");
    const auto short_file = dir / "short.vpk";
    write_bytes(short_file, std::vector<std::uint8_t>(383, 0x41));
    PackageImportModel short_model(*doc, short_file);
    EXPECT_TRUE(short_model.readable());
    EXPECT_EQ(short_model.name(), "");
    EXPECT_EQ(short_model.line_count(), 0u);
    EXPECT_EQ(short_model.selection_line(), "0 of 0  Братья, выбранные для приглашения.");
    EXPECT_FALSE(short_model.ok());

    PackageImportModel missing(*doc, dir / "missing.vpk");
    EXPECT_FALSE(missing.readable());
    EXPECT_EQ(missing.line_count(), 0u);
    EXPECT_FALSE(missing.ok());
    EXPECT_EQ(read_bytes(dir / "cong.dat"), congs);
}
