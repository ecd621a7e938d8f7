#pragma once
// Which pages a print job prints, in order. When the printer driver cannot make copies the
// view makes them itself: after the last page of the range it starts again at the first
// until every copy is out.
#include <vector>

namespace vorla::reports {

// Pages from..to of a report of page_count pages (the range is kept within it), once when the
// driver makes the copies, else `copies` times in a row.
std::vector<int> print_page_sequence(int from, int to, int page_count, int copies,
                                     bool driver_copies);

}  // namespace vorla::reports
