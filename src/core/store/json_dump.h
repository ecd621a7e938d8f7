#pragma once
// The whole document as JSON, for taking the data into other tools (`vorla dump`).
#include <string>

#include "core/store/document.h"

namespace vorla::store {

std::string dump_json(const Document& doc);

}  // namespace vorla::store
