#pragma once
// The pages of the scheduling sheet.

namespace vorla::schedule {

// In the order of their tabs.
enum class PageKind { summary, local_talks, chairmen, hospitality, readers, outgoing, events };

}  // namespace vorla::schedule
