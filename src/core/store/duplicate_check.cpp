#include "core/store/duplicate_check.h"

#include "core/text/texts.h"

namespace vorla::store {

using text::TextId;

std::string duplicate_message(const std::string& existing_name, bool adding) {
    std::string m = existing_name + " " + text::text(TextId::duplicate_name) + "\n\n";
    if (adding) m += text::text(TextId::overwrite_with_new);
    return m;
}

}  // namespace vorla::store
