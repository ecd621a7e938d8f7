#pragma once
// The data folder: created when missing and made the current directory, so that every bare
// data-file name resolves there.
#include <filesystem>
#include <string>

namespace vorla::app {

// Creates the folder (and its parents) when missing and changes into it. On failure the
// error says what went wrong and nothing else is done.
bool enter_data_folder(const std::filesystem::path& folder, std::string& error);

}  // namespace vorla::app
