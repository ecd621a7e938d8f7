#pragma once
// A large data folder for benchmarks: 20,000 brothers (half with extras), 2,000
// congregations, 200 circuits, every week of the window with content, 5,000 unavailable
// weeks and 500 special events, written with the program's own record codecs.
#include <filesystem>

#include "core/calendar/clock.h"

namespace vorla::bench {

struct LargeFolderSize {
    int brothers = 20000;
    int congregations = 2000;
    int circuits = 200;
    int unavailable = 5000;
    int events = 500;
};

// Fills the folder (created when missing) for a document opened on `today`.
void write_large_folder(const std::filesystem::path& folder, const calendar::Date& today,
                        const LargeFolderSize& size = {});

// A fresh temporary folder holding the large data, removed at exit of the program.
std::filesystem::path large_folder(const calendar::Date& today);

}  // namespace vorla::bench
