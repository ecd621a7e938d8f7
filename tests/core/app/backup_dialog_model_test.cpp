// The backup dialog's rules in both directions, driven through to real backups and restores.
#include "core/app/backup_dialog_model.h"

#include <gtest/gtest.h>

#include "core/settings/ini_file.h"
#include "core/text/cp1251.h"
#include "core/text/texts.h"
#include "support/change_log.h"
#include "support/record_fixtures.h"
#include "support/recording_prompter.h"
#include "support/temp_dir.h"

using namespace vorla;
using namespace vorla::app;
using text::TextId;
using vorla::testing::ChangeLog;
using vorla::testing::congregation_bytes;
using vorla::testing::RecordingPrompter;
using vorla::testing::slot_file;
using vorla::testing::TempDir;
using vorla::testing::write_bytes;
using vorla::testing::write_text;
namespace fs = std::filesystem;

namespace {

class StoppedClock final : public calendar::Clock {
  public:
    calendar::LocalTime time{{2026, 12, 7}, 9, 30};
    calendar::Date today() const override { return time.date; }
    calendar::LocalTime now() const override { return time; }
};

struct BackupDialogTest : ::testing::Test {
    TempDir dir;
    fs::path data = dir / "data";
    fs::path place = dir / "place";
    StoppedClock clock;
    RecordingPrompter prompter;
    std::unique_ptr<store::Document> doc;

    void SetUp() override {
        fs::create_directories(data);
        fs::create_directories(place);
        // One congregation with a map, one without.
        write_bytes(data / "cong.dat",
                    slot_file({congregation_bytes(1, "Наше").text(198, "map.jpg"),
                               congregation_bytes(2, "Другое")}));
        write_bytes(data / "talk.dat", std::vector<std::uint8_t>(154, 0));
        write_bytes(data / "map.jpg", std::vector<std::uint8_t>(1000, 0xD8));
    }
    store::Document& open(bool read_only = false) {
        doc = std::make_unique<store::Document>(
            store::Document::Options{data, clock.today(), {}, read_only, &clock}, prompter);
        return *doc;
    }
    void remember(const std::string& path) {
        write_text(data / "vorla.ini",
                   text::utf8_to_cp1251("[Резерв]\r\nПуть=" + path + "\r\nФлоппи=1\r\n"));
    }
    std::string folder_text(const fs::path& p) const { return p.string() + "/"; }
};

}  // namespace

TEST_F(BackupDialogTest, BackupOpensOnTheRememberedPlaceWithTheRequiredSpace) {
    remember(place.string());
    BackupDialogModel model(open(), BackupDirection::backup);
    EXPECT_EQ(model.title(), "Резервная копия");
    EXPECT_EQ(model.place_caption(), " Место где будут сохранены резервные копии ");
    EXPECT_TRUE(model.size_visible());
    EXPECT_FALSE(model.floppy_visible());
    EXPECT_FALSE(model.list_visible());
    EXPECT_TRUE(model.ok_visible());
    EXPECT_EQ(model.path(), folder_text(place));
    EXPECT_EQ(model.status(), "Нажмите OK для создания резерва в: " + folder_text(place));
    EXPECT_EQ(model.cancel_caption(), "Отмена");

    std::uint64_t data_bytes = 0;
    for (std::string_view file : backup_files())
        data_bytes += fs::exists(data / file) ? fs::file_size(data / file) : 0;
    EXPECT_EQ(model.size_line(), "Требуемое место: " + std::to_string(data_bytes) + " байт");
    model.set_include_maps(true);
    EXPECT_EQ(model.required_bytes(), data_bytes + 1000);
    model.set_include_maps(false);
    EXPECT_EQ(model.required_bytes(), data_bytes);

    // A remembered place that is gone gives the data folder.
    remember((dir / "gone").string());
    EXPECT_EQ(BackupDialogModel(*doc, BackupDirection::backup).path(), folder_text(data));
}

TEST_F(BackupDialogTest, ABackupFolderIsRefusedAsTheBackupPlace) {
    BackupDialogModel model(open(), BackupDirection::backup);
    EXPECT_EQ(model.path(), folder_text(data));
    const std::string chosen = folder_text(place / "Vrl_26341_0930_07дек26");
    model.browsed(chosen, prompter);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text,
              chosen +
                  " не может использоваться как резервная.\n\nПожалуйста, выберите другую "
                  "директорию.");
    EXPECT_EQ(model.path(), folder_text(place));
    EXPECT_EQ(model.status(), "Нажмите OK для создания резерва в: " + folder_text(place));

    model.browsed(place.string() + "/other", prompter);  // any other folder is taken
    EXPECT_EQ(model.path(), place.string() + "/other/");
    EXPECT_EQ(prompter.messages.size(), 1u);
}

TEST_F(BackupDialogTest, ADoneBackupIsRememberedAndTheNextOkCloses) {
    BackupDialogModel model(open(), BackupDirection::backup);
    model.browsed(place.string(), prompter);
    model.set_include_maps(true);
    const BackupJob job = model.backup_job();
    EXPECT_EQ(job.name, "Vrl_26341_0930_07дек26");
    EXPECT_EQ(job.files.back(), "map.jpg");
    EXPECT_FALSE(model.ok_closes());

    model.backup_finished(make_backup(job, {}), prompter);
    EXPECT_EQ(model.status(), "Резервирование завершено!");
    EXPECT_EQ(model.cancel_caption(), "Закрыть");
    EXPECT_TRUE(model.ok_closes());
    EXPECT_TRUE(fs::exists(place / "Vrl_26341_0930_07дек26/map.jpg"));
    const auto ini = settings::IniFile::load(data / "vorla.ini");
    EXPECT_EQ(ini.get_string("Резерв", "Путь", ""), folder_text(place));
    EXPECT_EQ(ini.get_int("Резерв", "Флоппи", 7), 0);
    EXPECT_TRUE(prompter.messages.empty());

    // The same minute once more.
    BackupDialogModel again(*doc, BackupDirection::backup);
    EXPECT_EQ(again.path(), folder_text(place));
    again.backup_finished(make_backup(again.backup_job(), {}), prompter);
    EXPECT_EQ(again.status(), "Повторите резервирование через 1 минуту.");
    EXPECT_EQ(again.cancel_caption(), "Отмена");
    EXPECT_FALSE(again.ok_closes());
}

TEST_F(BackupDialogTest, AFailedBackupIsToldAndAReadOnlyFolderKeepsItsSettings) {
    BackupDialogModel model(open(true), BackupDirection::backup);
    model.browsed((dir / "missing").string(), prompter);
    model.backup_finished(make_backup(model.backup_job(), {}), prompter);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(model.status(), prompter.messages[0].text);
    EXPECT_EQ(model.status().rfind("Резервная копия не создана", 0), 0u);
    EXPECT_FALSE(model.ok_closes());

    // Backing up a folder opened read-only works; its settings file is left alone.
    model.browsed(place.string(), prompter);
    model.backup_finished(make_backup(model.backup_job(), {}), prompter);
    EXPECT_EQ(model.status(), "Резервирование завершено!");
    EXPECT_FALSE(fs::exists(data / "vorla.ini"));
    EXPECT_EQ(prompter.messages.size(), 1u);
}

TEST_F(BackupDialogTest, RestoreListsTheBackupsAndOffersOkOnlyForOne) {
    for (const char* name : {"Vrl_26341_0931_07дек26", "Vrl_26340_1200_06дек26", "other"})
        fs::create_directory(place / name);
    remember(place.string());
    BackupDialogModel model(open(), BackupDirection::restore);
    EXPECT_EQ(model.title(), "Восстановить");
    EXPECT_EQ(model.place_caption(), " Какая папка содержит резервные копии для восстановления? ");
    EXPECT_FALSE(model.size_visible());
    ASSERT_TRUE(model.list_visible());
    EXPECT_EQ(model.listed(),
              (std::vector<std::string>{"Vrl_26340_1200_06дек26", "Vrl_26341_0931_07дек26"}));
    EXPECT_FALSE(model.ok_visible());
    EXPECT_EQ(model.status(), "");

    model.choose_listed(1);
    EXPECT_EQ(model.path(), folder_text(place / "Vrl_26341_0931_07дек26"));
    EXPECT_TRUE(model.ok_visible());
    EXPECT_EQ(model.status(),
              "Нажмите OK для восстановления из: " + folder_text(place / "Vrl_26341_0931_07дек26"));
    model.choose_listed(0);  // one backup in place of the other
    EXPECT_EQ(model.path(), folder_text(place / "Vrl_26340_1200_06дек26"));
    EXPECT_TRUE(model.list_visible());

    // Browsing to a backup hides the list; to a folder of backups shows it again.
    model.browsed(folder_text(place / "Vrl_26341_0931_07дек26"), prompter);
    EXPECT_FALSE(model.list_visible());
    EXPECT_TRUE(model.ok_visible());
    model.browsed(folder_text(dir / "data"), prompter);
    EXPECT_FALSE(model.list_visible());
    EXPECT_FALSE(model.ok_visible());
    model.browsed(folder_text(place), prompter);
    EXPECT_TRUE(model.list_visible());
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(BackupDialogTest, RestoreAsksFirstThenReloadsTheDocumentAndSaysWhereTheOldDataIs) {
    store::Document& document = open();
    // A backup of another congregation list.
    const fs::path backup = place / "Vrl_26340_1200_06дек26";
    fs::create_directory(backup);
    write_bytes(backup / "speakers.dat", std::vector<std::uint8_t>(256, 0));
    remember(place.string());
    BackupDialogModel model(document, BackupDirection::restore);
    model.choose_listed(0);

    // Without cong.dat it is no backup to restore: asked anyway, the copying refuses it.
    EXPECT_FALSE(model.restore_job(prompter));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, text::format(TextId::no_backup_in_folder, model.path()));
    model.set_status("Восстанавливается файл cong.dat");
    model.restore_finished(restore_backup(app::restore_job(document, model.path()), {}), prompter);
    EXPECT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(model.status(), "Нажмите OK для восстановления из: " + model.path());
    EXPECT_EQ(document.congregations().size(), 2u);

    write_bytes(backup / "cong.dat", slot_file({congregation_bytes(1, "Из копии")}));
    prompter.messages.clear();
    prompter.answers = {false};
    EXPECT_FALSE(model.restore_job(prompter));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_TRUE(prompter.messages[0].question);
    EXPECT_FALSE(prompter.messages[0].default_yes);
    EXPECT_EQ(prompter.messages[0].text, text::format(TextId::confirm_restore, model.path()));
    EXPECT_EQ(document.congregations().size(), 2u);

    prompter.messages.clear();
    prompter.answers = {true};
    const auto job = model.restore_job(prompter);
    ASSERT_TRUE(job);
    const RestoreResult result = restore_backup(*job, {});
    ASSERT_TRUE(result.done) << result.error;
    ChangeLog changes(document);
    model.restore_finished(result, prompter);
    EXPECT_EQ(document.congregations().size(), 1u);
    EXPECT_EQ(document.congregations().at(0).name, "Из копии");
    ASSERT_EQ(changes.notices().size(), 1u);  // every view rebuilds from the restored files
    EXPECT_EQ(changes.notices()[0], store::Changes::all());
    ASSERT_EQ(prompter.messages.size(), 2u);
    const fs::path kept = place / "Vrl_26341_0930_07дек26";
    EXPECT_EQ(prompter.messages[1].text,
              text::format(TextId::restore_done_kept, model.path(), kept.string()));
    EXPECT_TRUE(fs::exists(kept / "cong.dat"));
    EXPECT_TRUE(fs::exists(kept / "map.jpg") == false);  // the backup brings no picture
}
