// The corpus of broken data folders (tests/data/broken, written by its generate.py): each is
// opened as the program opens it, dumped, saved and opened again. What its `expect` file says
// must show; every save of a file that could be read must succeed, a file that could not be
// read must stay exactly as it was, and the second opening must show what the first did.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/app/info_lines.h"
#include "core/store/document.h"
#include "core/store/json_dump.h"
#include "support/recording_prompter.h"
#include "support/temp_dir.h"

using namespace vorla;
using vorla::testing::RecordingPrompter;
using vorla::testing::TempDir;
namespace fs = std::filesystem;

namespace {

const fs::path kCorpus = fs::path(VORLA_TEST_DATA_DIR) / "broken";

// What a case's `expect` file asks for, line by line ("# ..." lines are its description).
struct Expectations {
    std::string language;
    std::map<std::string, std::string> info;  // "info KEY = VALUE"
    std::vector<std::string> dump;            // the dump contains this
    std::vector<std::string> no_dump;         // ... and never this
    std::vector<std::string> messages;        // some message names this
    std::vector<std::string> unreadable;      // this file is held
    std::vector<std::string> files, no_files;
    bool no_messages = false;
};

Expectations read_expectations(const fs::path& file) {
    Expectations e;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        const std::size_t space = line.find(' ');
        const std::string word = line.substr(0, space);
        const std::string rest = space == std::string::npos ? "" : line.substr(space + 1);
        if (word == "info") {
            const std::size_t eq = rest.find(" = ");
            e.info[rest.substr(0, eq)] = eq == std::string::npos ? "" : rest.substr(eq + 3);
        } else if (word == "language") {
            e.language = rest;
        } else if (word == "dump") {
            e.dump.push_back(rest);
        } else if (word == "no-dump") {
            e.no_dump.push_back(rest);
        } else if (word == "message") {
            e.messages.push_back(rest);
        } else if (word == "unreadable") {
            e.unreadable.push_back(rest);
        } else if (word == "file") {
            e.files.push_back(rest);
        } else if (word == "no-file") {
            e.no_files.push_back(rest);
        } else if (word == "no-messages") {
            e.no_messages = true;
        } else {
            ADD_FAILURE() << file << ": unknown line " << line;
        }
    }
    return e;
}

std::vector<std::string> corpus_cases() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(kCorpus)) {
        if (entry.is_directory()) names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// What is on disk under a name: the bytes of a file, or a mark for a folder.
std::optional<std::string> on_disk(const fs::path& path) {
    if (fs::is_directory(path)) return std::string("<folder>");
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A byte with no meaning reads as U+FFFD and is written back as "?".
std::string as_saved(std::string s) {
    for (std::size_t at; (at = s.find("\xEF\xBF\xBD")) != std::string::npos;)
        s.replace(at, 3, "?");
    return s;
}

std::map<std::string, std::string> info_of(const store::Document& doc) {
    std::map<std::string, std::string> out;
    for (const auto& [key, value] : app::info_lines(doc))
        out[key] = value;
    return out;
}

// Every save the program can make of what it loaded, file by file: the name and whether the
// save succeeded.
std::map<std::string, bool> save_everything(store::Document& doc) {
    const store::DataFolder& folder = doc.folder();
    std::map<std::string, bool> saved;
    saved["history.dat"] = doc.weeks().save(folder);
    saved["special.dat"] = doc.events().save(folder);
    saved["talk.dat"] = doc.talks().save(folder);
    saved["topic.dat"] = doc.topics().save(folder);
    saved["circuit.dat"] = doc.circuits().save(folder);
    saved["hospital.dat"] = doc.hosts().save(folder);
    saved["wishlist.dat"] = doc.wish_list().save(folder);
    saved["vorla.ini"] = doc.write_settings_file();
    bool brothers = true;
    for (std::size_t i = 0; i < doc.brothers().size(); ++i) {
        if (const auto r = doc.brothers().read(folder, i))
            brothers = doc.brothers().write(folder, *r) && brothers;
    }
    saved["speakers.dat"] = brothers;
    bool congregations = true;
    for (std::size_t i = 0; i < doc.congregations().size(); ++i) {
        if (const auto r = doc.congregations().read(folder, i))
            congregations = doc.congregations().write(folder, *r) && congregations;
    }
    saved["cong.dat"] = congregations;
    return saved;
}

class BrokenFolder : public ::testing::TestWithParam<std::string> {
  protected:
    std::unique_ptr<store::Document> open(RecordingPrompter& prompter) {
        return std::make_unique<store::Document>(
            store::Document::Options{dir.path(), {2026, 12, 7}, expect.language}, prompter);
    }
    void SetUp() override {
        const fs::path source = kCorpus / GetParam();
        expect = read_expectations(source / "expect");
        fs::copy(source, dir.path(), fs::copy_options::recursive);
        fs::remove(dir / "expect");
    }

    TempDir dir;
    Expectations expect;
};

TEST_P(BrokenFolder, OpensDumpsAndSavesWithoutLosingWhatItCouldRead) {
    RecordingPrompter first_prompter;
    auto doc = open(first_prompter);

    // --- what the first opening shows ----------------------------------------------------
    const std::map<std::string, std::string> info = info_of(*doc);
    for (const auto& [key, value] : expect.info) {
        ASSERT_TRUE(info.count(key)) << "no info line " << key;
        EXPECT_EQ(info.at(key), value) << key;
    }
    const std::string dump = store::dump_json(*doc);
    for (const std::string& s : expect.dump)
        EXPECT_NE(dump.find(s), std::string::npos) << s;
    for (const std::string& s : expect.no_dump)
        EXPECT_EQ(dump.find(s), std::string::npos) << s;
    if (expect.no_messages) {
        for (const auto& m : first_prompter.messages)
            ADD_FAILURE() << "message: " << m.text;
    }
    for (const std::string& name : expect.messages) {
        const bool told = std::any_of(
            first_prompter.messages.begin(), first_prompter.messages.end(),
            [&](const auto& m) { return m.text.find((dir / name).string()) != std::string::npos; });
        EXPECT_TRUE(told) << "nothing said about " << name;
    }
    std::vector<std::string> held;
    for (const fs::path& p : doc->folder().unreadable())
        held.push_back(p.filename().string());
    std::sort(held.begin(), held.end());
    std::vector<std::string> expected_held = expect.unreadable;
    std::sort(expected_held.begin(), expected_held.end());
    EXPECT_EQ(held, expected_held);
    for (const std::string& f : expect.files)
        EXPECT_TRUE(fs::exists(dir / f)) << f;
    for (const std::string& f : expect.no_files)
        EXPECT_FALSE(fs::exists(dir / f)) << f;

    // --- saving: readable files are written, held files stay as they are -----------------
    std::map<std::string, std::optional<std::string>> held_before;
    for (const std::string& name : held)
        held_before[name] = on_disk(dir / name);
    for (const auto& [file, ok] : save_everything(*doc)) {
        EXPECT_EQ(ok, !held_before.count(file)) << file;
    }
    for (const auto& [name, before] : held_before)
        EXPECT_EQ(on_disk(dir / name), before) << name;
    for (const auto& e : fs::directory_iterator(dir.path())) {
        EXPECT_EQ(e.path().filename().string().find(".tmp"), std::string::npos)
            << "left behind: " << e.path();
    }

    // --- the second opening shows the same -----------------------------------------------
    RecordingPrompter second_prompter;
    auto again = open(second_prompter);
    EXPECT_EQ(store::dump_json(*again), as_saved(dump));
    EXPECT_EQ(again->folder().unreadable().size(), held.size());

    // A new brother takes a slot of his own: damage elsewhere in the file is not reused.
    const std::size_t brothers = again->brothers().size();
    const auto slots_before = on_disk(dir / "speakers.dat");
    store::BrotherRecord added;
    added.first_name = "Новый";
    added.last_name = "Брат";
    const auto id = again->brothers().add(again->folder(), added, {});
    ASSERT_TRUE(id);
    auto third = open(second_prompter);
    EXPECT_EQ(third->brothers().size(), brothers + 1);
    const auto slots_after = on_disk(dir / "speakers.dat");
    ASSERT_TRUE(slots_before && slots_after);
    const std::size_t at = std::size_t{*id} * 256;
    EXPECT_EQ(slots_after->substr(0, at), slots_before->substr(0, at))
        << "records other than the new one changed";
}

INSTANTIATE_TEST_SUITE_P(Corpus, BrokenFolder, ::testing::ValuesIn(corpus_cases()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

}  // namespace
