#pragma once
// Data folders written by older builds or builds in other languages are brought to the
// current file set before the files are read. Each step is harmless when there is nothing
// to do; a rename that fails leaves the files as they were.
#include <string_view>

#include "core/store/data_folder.h"

namespace vorla::store {

// Language "HT": files with their Haitian-Creole names get the current names, unless a
// file of the current name already exists.
void rename_creole_files(const DataFolder& folder, std::string_view language);
// Language "italian": an "oratori.dat" larger than speakers.dat replaces it.
void adopt_italian_brother_file(const DataFolder& folder, std::string_view language);

}  // namespace vorla::store
