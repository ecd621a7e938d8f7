#include "core/io/file_set.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_dir.h"

using namespace vorla::io;
using vorla::testing::read_text;
using vorla::testing::TempDir;
using vorla::testing::write_text;

namespace {

std::vector<std::string> names_in(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(FileSet, EveryFileIsWrittenWholeAndNoTemporaryFileStays) {
    TempDir dir;
    write_text(dir / "page-2.png", "an older page");
    const FileSetResult r = write_file_set(
        {{dir / "page-1.png", "one"}, {dir / "page-2.png", "two"}, {dir / "page-3.png", ""}});
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(read_text(dir / "page-1.png"), "one");
    EXPECT_EQ(read_text(dir / "page-2.png"), "two");
    EXPECT_EQ(read_text(dir / "page-3.png"), "");
    EXPECT_EQ(names_in(dir.path()),
              (std::vector<std::string>{"page-1.png", "page-2.png", "page-3.png"}));
}

// The third page cannot be written: the two before it go again, and the reason is told.
TEST(FileSet, AFailedFileTakesTheOnesWrittenBeforeItAway) {
    TempDir dir;
    std::filesystem::create_directories(dir / "page-3.png" / "inside");
    const FileSetResult blocked = write_file_set({{dir / "page-1.png", "one"},
                                                  {dir / "page-2.png", "two"},
                                                  {dir / "page-3.png", "three"},
                                                  {dir / "page-4.png", "four"}});
    EXPECT_FALSE(blocked.ok());
    EXPECT_EQ(blocked.failed, dir / "page-3.png");
    EXPECT_EQ(blocked.reason, "not a regular file");
    EXPECT_EQ(names_in(dir.path()), (std::vector<std::string>{"page-3.png"}));

    // A folder that cannot exist: the system's reason.
    write_text(dir / "plain", "x");
    const FileSetResult missing = write_file_set({{dir / "plain" / "report.pdf", "pdf"}});
    EXPECT_EQ(missing.failed, dir / "plain" / "report.pdf");
    EXPECT_EQ(missing.reason, "Not a directory");
}

}  // namespace
