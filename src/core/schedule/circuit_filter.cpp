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

CongregationChoices congregation_choices(const store::Document& doc,
                                         const CircuitFilter& circuits) {
    std::vector<const store::CongregationEntry*> listed;
    for (const store::CongregationEntry& c : doc.congregations().entries()) {
        if (circuits.passes(c)) listed.push_back(&c);
    }
    CongregationChoices out;
    if (circuits.circuit() == 0) {
        out.lines.push_back(text::text(TextId::all_congregations));
    } else {
        out.lines.push_back(std::to_string(listed.size()) + " " +
                            text::format(TextId::congregations_in_circuit,
                                         doc.circuits().name_of(circuits.circuit())));
    }
    out.ids.push_back(0);
    for (const store::CongregationEntry* c : listed) {
        out.lines.push_back(c->name);
        out.ids.push_back(c->cong_id);
    }
    return out;
}

}  // namespace vorla::schedule
