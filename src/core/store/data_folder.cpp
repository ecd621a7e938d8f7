#include "core/store/data_folder.h"

#include "core/text/string_table.h"

namespace vorla::store {

DataFolder::DataFolder(fs::path folder, io::Prompter& prompter)
    : folder_(std::move(folder)), prompter_(&prompter) {}

fs::path DataFolder::file(int name_text) const {
    return folder_ / text::text(name_text);
}

void DataFolder::report_write_failure(const fs::path& file) const {
    prompter_->inform(text::format(1231, file.string()), io::Icon::error);
}

}  // namespace vorla::store
