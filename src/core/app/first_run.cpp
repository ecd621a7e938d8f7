#include "core/app/first_run.h"

#include "core/text/texts.h"
#include "core/text/trim.h"

namespace vorla::app {

namespace {

// The catalogue's regular talks; the special ones after them are few and may be all there is.
constexpr int kRegularTalks = 230;

bool titles_blank(const store::TalkCatalogue& talks) {
    for (int n = 1; n <= kRegularTalks; ++n) {
        const store::TalkRecord* talk = talks.find(n);
        if (talk && !text::trim(talk->title).empty()) return false;
    }
    return true;
}

}  // namespace

std::vector<FirstRunAdvice> first_run_advice(const store::Document& doc) {
    std::vector<FirstRunAdvice> advice;
    if (titles_blank(doc.talks())) advice.push_back(FirstRunAdvice::fill_talk_titles);
    const std::uint16_t ours = doc.our_congregation();
    if (ours == 0 || !doc.congregations().find(ours))
        advice.push_back(FirstRunAdvice::choose_our_congregation);
    return advice;
}

std::string first_run_caption() {
    return text::text(text::TextId::first_run_caption);
}

std::string advice_text(FirstRunAdvice advice) {
    switch (advice) {
        case FirstRunAdvice::fill_talk_titles:
            return text::text(text::TextId::first_run_blank_titles);
        case FirstRunAdvice::choose_our_congregation:
            break;
    }
    return text::text(text::TextId::first_run_no_our_congregation);
}

}  // namespace vorla::app
