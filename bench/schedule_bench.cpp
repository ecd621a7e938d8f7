// The scheduling sheet on a large data folder: building the local-talks page (26 weeks),
// filling the speaker picker for a talk, the congregation chooser for a week and the talk
// picker. Each should take well under 100 ms.
#include <benchmark/benchmark.h>

#include "core/io/prompter.h"
#include "core/schedule/local_talks_model.h"
#include "core/schedule/sheet_model.h"
#include "core/schedule/speaker_picker_model.h"
#include "core/schedule/talk_picker_model.h"
#include "core/schedule/week_congregation_model.h"
#include "core/store/document.h"
#include "support/large_folder.h"

namespace {

using namespace vorla;

constexpr calendar::Date kToday{2026, 12, 7};

store::Document& large_doc() {
    static io::SilentPrompter prompter;
    static store::Document doc({bench::large_folder(kToday), kToday, {}}, prompter);
    return doc;
}

calendar::WeekIndex next_week() {
    return large_doc().today_week().index() + 1;
}

// Opening the sheet: the sheet itself (it moves to the current week) and its local-talks page.
void BM_OpenSheetOnLocalTalks(benchmark::State& state) {
    store::Document& doc = large_doc();
    for (auto _ : state) {
        schedule::SheetModel sheet(doc);
        schedule::LocalTalksModel page(doc);
        benchmark::DoNotOptimize(page.rows().data());
    }
}
BENCHMARK(BM_OpenSheetOnLocalTalks)->Unit(benchmark::kMillisecond);

void BM_FillSpeakerPickerForTalk(benchmark::State& state) {
    store::Document& doc = large_doc();
    for (auto _ : state) {
        schedule::SpeakerPickerModel picker(doc, {"", 12, next_week(), 0, 0});
        benchmark::DoNotOptimize(picker.lines().data());
    }
}
BENCHMARK(BM_FillSpeakerPickerForTalk)->Unit(benchmark::kMillisecond);

// Without a talk every one of the 20,000 brothers who gives any talk is listed.
void BM_FillSpeakerPickerAnyTalk(benchmark::State& state) {
    store::Document& doc = large_doc();
    for (auto _ : state) {
        schedule::SpeakerPickerModel picker(doc, {"", 0, next_week(), 0, 0});
        benchmark::DoNotOptimize(picker.lines().data());
    }
}
BENCHMARK(BM_FillSpeakerPickerAnyTalk)->Unit(benchmark::kMillisecond);

void BM_FillCongregationChooser(benchmark::State& state) {
    store::Document& doc = large_doc();
    for (auto _ : state) {
        schedule::WeekCongregationModel chooser(doc, {"", 12, next_week()});
        benchmark::DoNotOptimize(chooser.lines().data());
    }
}
BENCHMARK(BM_FillCongregationChooser)->Unit(benchmark::kMillisecond);

void BM_FillTalkPickerForCongregation(benchmark::State& state) {
    store::Document& doc = large_doc();
    schedule::TalkPickerParams params;
    params.congregation = 7;
    params.only_needed = true;
    for (auto _ : state) {
        schedule::TalkPickerModel picker(doc, params);
        benchmark::DoNotOptimize(picker.entries().data());
    }
}
BENCHMARK(BM_FillTalkPickerForCongregation)->Unit(benchmark::kMillisecond);

}  // namespace
