#include "core/store/duplicate_check.h"

#include "core/text/string_table.h"

namespace vorla::store {

std::string duplicate_message(const std::string& existing_name, bool adding) {
    std::string m = existing_name + " " + text::text(1006) + "\n\n";
    if (adding) m += text::text(1007);
    return m;
}

}  // namespace vorla::store
