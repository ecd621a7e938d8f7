#pragma once
// What `vorla info` tells: where the data is, today's week, every setting in force (the
// report fonts and the backup place included) and the size of every table.
#include <string>
#include <utility>
#include <vector>

#include "core/store/document.h"

namespace vorla::app {

// "key: value" pairs in the order they are printed.
std::vector<std::pair<std::string, std::string>> info_lines(const store::Document& doc);

}  // namespace vorla::app
