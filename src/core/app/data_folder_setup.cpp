#include "core/app/data_folder_setup.h"

#include <system_error>

#include "core/text/string_table.h"

namespace vorla::app {

bool enter_data_folder(const std::filesystem::path& folder, std::string& error) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(folder, ec);
    if (ec) {
        error = "cannot use the data folder " + folder.string() + ": " + ec.message();
        return false;
    }
    if (!std::filesystem::is_directory(absolute, ec)) {
        std::filesystem::create_directories(absolute, ec);
        if (ec) {
            error = "cannot create the data folder " + absolute.string() + ": " + ec.message();
            return false;
        }
    }
    std::filesystem::current_path(absolute, ec);
    if (ec) {
        error = "cannot enter the data folder " + absolute.string() + ": " + ec.message();
        return false;
    }
    return true;
}

std::filesystem::path settings_path(const std::filesystem::path& data_folder) {
    return data_folder / text::text(1251);
}

}  // namespace vorla::app
