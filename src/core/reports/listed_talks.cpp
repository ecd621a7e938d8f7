#include "core/reports/listed_talks.h"

#include "core/text/trim.h"

namespace vorla::reports {

namespace {

bool untitled(const store::TalkCatalogue& talks, int talk_no) {
    return text::is_blank(talks.title(talk_no));
}

}  // namespace

int listed_talk_count(const store::TalkCatalogue& talks, bool talk_list) {
    for (int n = 151; n <= 200; ++n) {
        if (untitled(talks, n)) return n - 1;
    }
    return talk_list ? 201 : 200;
}

int uncovered_talk_limit(const store::TalkCatalogue& talks) {
    for (int n = 1; n <= 200; ++n) {
        if (untitled(talks, n) && untitled(talks, n + 1)) return n <= 150 ? 200 : n - 1;
    }
    return 200;
}

}  // namespace vorla::reports
