#include "core/schedule/circuit_filter.h"

#include "core/text/texts.h"

namespace vorla::schedule {

using text::TextId;

CircuitFilter::CircuitFilter(const store::Document& doc) {
    lines_.push_back(text::text(TextId::all_circuits));
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
