#include "core/store/name_table.h"

#include "core/text/trim.h"
#include "core/text/utf8.h"

namespace vorla::store {

namespace {

std::string_view without_tilde(std::string_view s) {
    return !s.empty() && s.front() == '~' ? s.substr(1) : s;
}

}  // namespace

bool same_name(std::string_view a, std::string_view b, const NameTableRules& rules) {
    if (rules.tilde_hidden) {
        a = without_tilde(a);
        b = without_tilde(b);
    }
    return text::equal_ignoring_case(a, b);
}

std::string_view typed_name(std::string_view name, const NameTableRules& rules) {
    return rules.trims ? text::trim(name) : name;
}

}  // namespace vorla::store
