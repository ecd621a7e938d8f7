#include "core/schedule/circuit_filter.h"

#include "core/text/string_table.h"

namespace vorla::schedule {

CircuitFilter::CircuitFilter(const store::Document& doc) {
    lines_.push_back(text::text(1071));
    ids_.push_back(0);
    for (const store::NamedRecord& c : doc.circuits().entries()) {
        lines_.push_back(c.name);
        ids_.push_back(c.id);
    }
}

void CircuitFilter::set_line(int line) {
    line_ = line >= 0 && line < static_cast<int>(lines_.size()) ? line : 0;
}

}  // namespace vorla::schedule
