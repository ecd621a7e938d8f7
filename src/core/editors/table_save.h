#pragma once
// Writing the small name tables after an edit. The tables themselves leave an old file alone
// when they are empty; an editor that deleted the last entry must not let it come back at the
// next start, so it writes the empty file.
#include "core/store/document.h"

namespace vorla::editors {

bool save_circuits(store::Document& doc);
bool save_hosts(store::Document& doc);
bool save_topics(store::Document& doc);

}  // namespace vorla::editors
