// The data folder attacked as a careless user, a broken disk and another program would: files
// that cannot be read, FIFOs, read-only and linked files, files changed behind our back,
// oversized files and leftovers of interrupted saves. Nothing may be lost.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <map>
#include <sstream>

#include "core/app/folder_access.h"
#include "core/io/file_ops.h"
#include "core/store/document.h"
#include "core/text/texts.h"
#include "support/record_fixtures.h"
#include "support/recording_prompter.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"

using namespace vorla;
using namespace vorla::store;
using namespace vorla::testing;
namespace fs = std::filesystem;

namespace {

class Watchdog {
  public:
    Watchdog() { ::alarm(30); }
    ~Watchdog() { ::alarm(0); }
};

mode_t mode_of(const fs::path& p) {
    struct stat st {};
    ::lstat(p.c_str(), &st);
    return st.st_mode & 07777;
}

// Seven weeks of history with bit 0, an event, a talk title, a wish and our congregation:
// what the careless save of an unread file would destroy.
void write_full_folder(const TempDir& dir) {
    std::vector<std::uint8_t> history;
    for (int w = 0; w < 7; ++w) {
        const auto r = week_bytes(static_cast<std::uint16_t>(1400 + w)).u16(4, 12).u16(20, 1);
        history.insert(history.end(), r.bytes().begin(), r.bytes().end());
    }
    write_bytes(dir / "history.dat", history);
    write_bytes(dir / "special.dat", FixtureBytes(144).u16(0, 1405).u16(2, 2).bytes());
    std::vector<std::uint8_t> talks;
    for (int n = 1; n <= 256; ++n) {
        const auto t =
            FixtureBytes(154).text(0, "Моя речь").text(93, std::to_string(n)).u16(100, n);
        talks.insert(talks.end(), t.bytes().begin(), t.bytes().end());
    }
    write_bytes(dir / "talk.dat", talks);
    write_bytes(dir / "wishlist.dat", FixtureBytes(96).u8(0, 0x01).bytes());
    write_text(dir / "vorla.ini", "[Congregation]\r\nNumber=1\r\n");
    write_bytes(dir / "cong.dat", slot_file({congregation_bytes(1, "Наше")}));
}

const std::vector<std::string> kTableFiles = {"history.dat", "special.dat", "talk.dat",
                                              "wishlist.dat", "vorla.ini"};

// Every save of the tables above; "1" for each that was written.
std::string save_tables(Document& doc) {
    std::string out;
    out += doc.weeks().save(doc.folder()) ? '1' : '0';
    out += doc.events().save(doc.folder()) ? '1' : '0';
    out += doc.talks().save(doc.folder()) ? '1' : '0';
    out += doc.wish_list().save(doc.folder()) ? '1' : '0';
    out += doc.write_settings_file() ? '1' : '0';
    return out;
}

std::string all_messages(const RecordingPrompter& p) {
    std::string out;
    for (const auto& m : p.messages)
        out += m.text + "\n---\n";
    return out;
}

struct FolderTest : ::testing::Test {
    TempDir dir;
    RecordingPrompter prompter;

    std::unique_ptr<Document> open(bool read_only = false) {
        return std::make_unique<Document>(
            Document::Options{dir.path(), {2026, 12, 7}, {}, read_only}, prompter);
    }
    bool told(const std::string& text) const {
        return all_messages(prompter).find(text) != std::string::npos;
    }
};

}  // namespace

TEST_F(FolderTest, UnreadableFilesAreToldAndNeverSavedOver) {
    write_full_folder(dir);
    std::map<std::string, std::vector<std::uint8_t>> before;
    for (const std::string& f : kTableFiles) {
        before[f] = read_bytes(dir / f);
        ::chmod((dir / f).c_str(), 0);
    }
    // Only an ordinary user is kept out by mode 000; the superuser reads anything.
    const std::string report = run_as_ordinary_user(dir.path(), [&] {
        RecordingPrompter p;
        Document doc({dir.path(), {2026, 12, 7}, {}}, p);
        std::ostringstream out;
        out << "held " << doc.folder().unreadable().size() << "\n";
        out << "our " << doc.our_congregation() << "\n";
        out << "saved " << save_tables(doc) << "\n";
        out << "status " << app::command_status(doc, 0) << "\n";
        out << all_messages(p);
        return out.str();
    });
    EXPECT_NE(report.find("held 5\n"), std::string::npos) << report;
    EXPECT_NE(report.find("our 0\n"), std::string::npos) << report;
    EXPECT_NE(report.find("saved 00000\n"), std::string::npos) << report;
    EXPECT_NE(report.find("status 1\n"), std::string::npos) << report;
    for (const std::string& f : kTableFiles) {
        const std::string path = (dir / f).string();
        EXPECT_NE(report.find(text::format(text::TextId::file_unreadable, path,
                                           vorla::io::failure_reason(EACCES))),
                  std::string::npos)
            << f << "\n"
            << report;
        EXPECT_NE(report.find(text::format(text::TextId::save_refused_unread_file, path)),
                  std::string::npos)
            << f;
        EXPECT_EQ(mode_of(dir / f), 0u) << f;
        ::chmod((dir / f).c_str(), 0600);  // so that this test may look inside
        EXPECT_EQ(read_bytes(dir / f), before[f]) << f;
    }
}

TEST_F(FolderTest, AFifoOrFolderInAFilesPlaceIsRefusedWithoutWaiting) {
    Watchdog watchdog;
    for (const char* f : {"speakers.dat", "history.dat", "talk.dat", "vorla.ini", "xtend.dat"})
        ASSERT_EQ(::mkfifo((dir / f).c_str(), 0644), 0) << f;
    fs::create_directory(dir / "special.dat");
    auto doc = open();
    EXPECT_EQ(doc->folder().unreadable().size(), 6u);
    EXPECT_TRUE(told(text::format(text::TextId::file_unreadable, (dir / "history.dat").string(),
                                  text::text(text::TextId::not_a_regular_file))));
    EXPECT_TRUE(told(text::format(text::TextId::file_unreadable, (dir / "special.dat").string(),
                                  vorla::io::failure_reason(EISDIR))));
    EXPECT_EQ(doc->talks().title(232), "Погребальная Речь");  // the built-in catalogue meanwhile

    EXPECT_EQ(save_tables(*doc), "00010");  // wishlist.dat was simply missing
    BrotherRecord b;
    b.first_name = "Новый";
    EXPECT_FALSE(doc->brothers().add(doc->folder(), b, {}));
    EXPECT_TRUE(told(
        text::format(text::TextId::save_refused_unread_file, (dir / "speakers.dat").string())));
    for (const char* f : {"speakers.dat", "history.dat", "talk.dat", "vorla.ini", "xtend.dat"})
        EXPECT_TRUE(fs::is_fifo(dir / f)) << f;
    EXPECT_TRUE(fs::is_directory(dir / "special.dat"));
    EXPECT_EQ(app::command_status(*doc, 0), 1);
}

TEST_F(FolderTest, AReadOnlyFileIsNotReplacedWhateverItHolds) {
    write_bytes(dir / "speakers.dat", slot_file({brother_bytes(1, "Иван", "Петров")}));
    write_bytes(dir / "topic.dat", FixtureBytes(48).text(0, "Семья").u16(46, 1).bytes());
    write_bytes(dir / "history.dat", week_bytes(1406).u16(20, 1).bytes());
    for (const char* f : {"speakers.dat", "topic.dat", "history.dat"})
        ::chmod((dir / f).c_str(), 0444);
    auto doc = open();
    doc->weeks().at(calendar::WeekIndex(1405)).talk_no = 7;
    doc->weeks().store(calendar::WeekIndex(1405));
    EXPECT_FALSE(doc->weeks().save(doc->folder()));
    doc->topics().add("Вера", doc->collator());
    EXPECT_FALSE(doc->topics().save(doc->folder()));
    auto brother = doc->brothers().read(doc->folder(), 0);
    ASSERT_TRUE(brother);
    brother->phone = "555";
    EXPECT_FALSE(doc->brothers().write(doc->folder(), *brother));

    // Text 1231 with the system's reason, for each file alike.
    for (const char* f : {"speakers.dat", "topic.dat", "history.dat"}) {
        EXPECT_TRUE(
            told(text::format(text::TextId::cannot_create_file, (dir / f).string()) + "\n\n" +
                 text::format(text::TextId::reason_line, vorla::io::failure_reason(EACCES))))
            << f;
        EXPECT_EQ(mode_of(dir / f), 0444u);
    }
    EXPECT_EQ(read_bytes(dir / "history.dat"), week_bytes(1406).u16(20, 1).bytes());
    EXPECT_EQ(doc->folder().failed_writes(), 3);
}

TEST_F(FolderTest, LinkedFilesStayLinkedAndTheirTargetsChange) {
    TempDir other;
    write_bytes(other / "speakers.dat", slot_file({brother_bytes(1, "Иван", "Петров")}));
    write_bytes(other / "history.dat", week_bytes(1406).u16(20, 1).bytes());
    write_text(other / "vorla.ini", "[Congregation]\r\nNumber=0\r\n; kept\r\n");
    for (const char* f : {"speakers.dat", "history.dat", "vorla.ini"})
        fs::create_symlink(other / f, dir / f);
    auto doc = open();
    ASSERT_EQ(doc->brothers().size(), 1u);
    EXPECT_TRUE(doc->weeks().at(calendar::WeekIndex(1405)).has_content());

    doc->weeks().at(calendar::WeekIndex(1406)).talk_no = 9;
    doc->weeks().store(calendar::WeekIndex(1406));
    EXPECT_TRUE(doc->weeks().save(doc->folder()));
    auto brother = doc->brothers().read(doc->folder(), 0);
    brother->phone = "555";
    EXPECT_TRUE(doc->brothers().write(doc->folder(), *brother));
    doc->set_our_congregation(0);
    doc->set_our_congregation(1);

    for (const char* f : {"speakers.dat", "history.dat", "vorla.ini"})
        EXPECT_TRUE(fs::is_symlink(dir / f)) << f;
    EXPECT_EQ(read_bytes(other / "history.dat").size(), 128u);
    EXPECT_EQ(read_bytes(other / "speakers.dat")[256 + 120], '5');
    EXPECT_NE(read_text(other / "vorla.ini").find("Number=1"), std::string::npos);
    EXPECT_NE(read_text(other / "vorla.ini").find("; kept"), std::string::npos);
    EXPECT_TRUE(prompter.messages.empty()) << all_messages(prompter);
}

TEST_F(FolderTest, AFileAnotherProgramChangedIsReplacedOnlyWhenTheUserSaysSo) {
    write_bytes(dir / "history.dat", week_bytes(1406).u16(20, 1).bytes());
    auto doc = open();
    // Another program's save since we read the file.
    const auto theirs = concat({week_bytes(1406).u16(20, 1), week_bytes(1407).u16(20, 1)});
    write_bytes(dir / "history.dat", theirs);

    prompter.answers = {false};
    EXPECT_FALSE(doc->weeks().save(doc->folder()));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_TRUE(prompter.messages[0].question);
    EXPECT_FALSE(prompter.messages[0].default_yes);
    EXPECT_EQ(prompter.messages[0].text,
              text::format(text::TextId::file_changed_on_disk, (dir / "history.dat").string()));
    EXPECT_EQ(read_bytes(dir / "history.dat"), theirs);
    EXPECT_EQ(app::command_status(*doc, 0), 1);

    prompter.answers = {true};
    EXPECT_TRUE(doc->weeks().save(doc->folder()));
    EXPECT_EQ(read_bytes(dir / "history.dat").size(), 64u);
    // Our own save is no change behind our back.
    EXPECT_TRUE(doc->weeks().save(doc->folder()));
    EXPECT_EQ(prompter.messages.size(), 2u);

    // A file that was missing when we read the folder and exists now is theirs, too.
    write_bytes(dir / "special.dat", FixtureBytes(144).u16(0, 1406).u16(2, 2).bytes());
    prompter.answers = {false};
    EXPECT_FALSE(doc->events().save(doc->folder()));
    EXPECT_EQ(read_bytes(dir / "special.dat").size(), 144u);
}

TEST_F(FolderTest, OnlyWhatAFileFormatCanUseIsRead) {
    // A sparse speakers.dat of 3 GiB: slots past 65,534 can never be used.
    write_bytes(dir / "speakers.dat", slot_file({brother_bytes(1, "Иван", "Петров"),
                                                 brother_bytes(2, "Олег", "Сидоров")}));
    ASSERT_EQ(::truncate((dir / "speakers.dat").c_str(), 3LL << 30), 0);
    std::vector<std::uint8_t> topics;
    for (int k = 1; k <= 150; ++k) {
        const auto t = FixtureBytes(48).text(0, "Тема " + std::to_string(k)).u16(46, k);
        topics.insert(topics.end(), t.bytes().begin(), t.bytes().end());
    }
    write_bytes(dir / "topic.dat", topics);
    auto doc = open();
    EXPECT_EQ(doc->brothers().size(), 2u);
    EXPECT_EQ(doc->brothers().high_water(), 65535);
    EXPECT_EQ(doc->topics().size(), TopicTable::kCapacity);
    EXPECT_TRUE(told(text::format(text::TextId::file_rest_ignored, (dir / "speakers.dat").string(),
                                  std::to_string(65535 * 256))));
    EXPECT_TRUE(told((dir / "topic.dat").string()));
    // The rest of speakers.dat is still there: records are written in place.
    BrotherRecord b;
    b.first_name = "Новый";
    EXPECT_EQ(doc->brothers().add(doc->folder(), b, {}), 3);
    EXPECT_EQ(fs::file_size(dir / "speakers.dat"), 3ull << 30);
}

TEST_F(FolderTest, ANewSlotIsCheckedOnDiskBeforeItIsTaken) {
    write_bytes(dir / "cong.dat", slot_file({congregation_bytes(1, "Первое"), FixtureBytes(256),
                                             congregation_bytes(3, "Третье")}));
    auto doc = open();
    ASSERT_EQ(doc->congregations().size(), 2u);
    // Damage lands in the free slot 2 after the folder was read: it is not overwritten.
    const auto damaged = congregation_bytes(9, "Чужое");
    auto bytes = read_bytes(dir / "cong.dat");
    std::copy(damaged.bytes().begin(), damaged.bytes().end(), bytes.begin() + 512);
    write_bytes(dir / "cong.dat", bytes);

    CongregationRecord c;
    c.name = "Новое";
    EXPECT_EQ(doc->congregations().add(doc->folder(), c), 4);
    const auto after = read_bytes(dir / "cong.dat");
    EXPECT_TRUE(std::equal(damaged.bytes().begin(), damaged.bytes().end(), after.begin() + 512));

    // A slot freed by a deletion is the next one taken.
    ASSERT_TRUE(doc->delete_congregation(*doc->congregations().find(3)));
    EXPECT_EQ(doc->congregations().add(doc->folder(), c), 3);
}

TEST_F(FolderTest, ValuesOutOfTheirRangeAreUnsetNeverWrapped) {
    write_bytes(dir / "cong.dat",
                slot_file({congregation_bytes(1, "Наше").u8(226, 200).u8(227, 7)}));
    write_text(dir / "vorla.ini", "[Congregation]\r\nNumber=1\r\n");
    auto doc = open();
    // Day 200 would move every date label by 199 days; unset is Sunday, as day 0.
    EXPECT_EQ(doc->our_meeting_odd().value, 6);
    EXPECT_EQ(doc->our_meeting_even().value, 6);
    constexpr auto kLabelStyle =
        calendar::LabelStyle::with_year | calendar::LabelStyle::short_month;
    const std::string label = doc->date_label(calendar::WeekNumber(1406), kLabelStyle);

    write_bytes(dir / "cong.dat", slot_file({congregation_bytes(1, "Наше")}));
    auto sunday = open();
    EXPECT_EQ(sunday->date_label(calendar::WeekNumber(1406), kLabelStyle), label);

    write_text(dir / "vorla.ini", "[Congregation]\r\nNumber=65537\r\n");
    EXPECT_EQ(open()->our_congregation(), 0);
}

TEST_F(FolderTest, LeftoversOfInterruptedSavesGoAtTheNextStart) {
    TempDir other;
    write_text(other / "history.dat", "");
    write_text(other / "history.dat.tmp77_0", "half");
    write_text(other / "notes.txt.tmp1_1", "not ours to judge");
    fs::create_symlink(other / "history.dat", dir / "history.dat");
    write_text(dir / "special.dat.tmp123_0", "half");
    write_text(dir / "vorla.ini.tmp9_2", "half");
    write_text(dir / "report.tmp", "the user's");

    open(true);  // a read-only program removes nothing: the leftovers may be a save going on
    EXPECT_TRUE(fs::exists(dir / "special.dat.tmp123_0"));
    open();
    EXPECT_FALSE(fs::exists(dir / "special.dat.tmp123_0"));
    EXPECT_FALSE(fs::exists(dir / "vorla.ini.tmp9_2"));
    EXPECT_FALSE(fs::exists(other / "history.dat.tmp77_0"));
    EXPECT_TRUE(fs::exists(other / "notes.txt.tmp1_1"));
    EXPECT_TRUE(fs::exists(dir / "report.tmp"));
}

TEST_F(FolderTest, AFullDiskIsToldAsItsOwnReason) {
    write_bytes(dir / "history.dat", week_bytes(1406).u16(20, 1).bytes());
    auto doc = open();
    doc->weeks().at(calendar::WeekIndex(1406)).talk_no = 3;
    doc->weeks().store(calendar::WeekIndex(1406));
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = old;
    tiny.rlim_cur = 10;  // less than one week record
    ::setrlimit(RLIMIT_FSIZE, &tiny);
    const bool saved = doc->weeks().save(doc->folder());
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, handler);
    EXPECT_FALSE(saved);
    EXPECT_TRUE(told(text::format(text::TextId::reason_line, vorla::io::failure_reason(EFBIG))));
    EXPECT_FALSE(told(vorla::io::failure_reason(EACCES)));
    EXPECT_EQ(read_bytes(dir / "history.dat"), week_bytes(1406).u16(20, 1).bytes());
    EXPECT_EQ(app::command_status(*doc, 0), 1);
}
