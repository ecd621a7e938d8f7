#include "core/reports/display_list.h"

#include <cstdlib>

namespace vorla::reports {

int DisplayList::height(FontId id) const {
    return std::abs(font(id).height);
}

}  // namespace vorla::reports
