#include "core/app/data_folder_setup.h"

#include <system_error>

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

}  // namespace vorla::app
