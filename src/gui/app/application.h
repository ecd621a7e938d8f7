#pragma once
// The desktop program: the application object, the document and the main window.
#include <filesystem>

#include "core/calendar/clock.h"

namespace vorla::gui {

// Runs the desktop program on a data folder (already the current directory) until the
// main window closes; returns the exit code. The clock gives today and the time of day.
int run_desktop(int& argc, char** argv, const std::filesystem::path& folder,
                const calendar::Clock& clock);

}  // namespace vorla::gui
