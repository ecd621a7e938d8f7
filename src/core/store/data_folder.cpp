#include "core/store/data_folder.h"

#include "core/text/texts.h"

namespace vorla::store {

using text::TextId;

DataFolder::DataFolder(fs::path folder, io::Prompter& prompter)
    : folder_(std::move(folder)), prompter_(&prompter) {}

void DataFolder::report_write_failure(const fs::path& file) const {
    prompter_->inform(text::format(TextId::cannot_create_file, file.string()), io::Icon::error);
}

}  // namespace vorla::store
