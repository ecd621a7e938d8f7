#include "core/editors/record_editor.h"

namespace vorla::editors {

bool RecordEditor::ok() {
    if (!validate()) return false;
    copy();
    save();
    return true;
}

bool RecordEditor::step(int delta) {
    if (!can_step() || !validate()) return false;
    copy();
    save();
    const auto next = neighbour(delta);
    if (!next) return false;
    load(next);
    return true;
}

}  // namespace vorla::editors
