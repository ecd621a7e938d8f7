// The summary page's week statuses: 20 weeks from the current one on the large data folder,
// where every week has a speaker, a chairman, outgoing speakers and 5,000 unavailable weeks to
// check them against. Target: under 2 ms. The whole drawing model (names and inks as well)
// is measured beside it.
#include <benchmark/benchmark.h>

#include "core/io/prompter.h"
#include "core/schedule/summary_model.h"
#include "core/schedule/week_status.h"
#include "core/store/document.h"
#include "support/large_folder.h"

namespace {

using namespace vorla;

constexpr calendar::Date kToday{2026, 12, 7};

store::Document& summary_doc() {
    static io::SilentPrompter prompter;
    static store::Document doc({bench::large_folder(kToday), kToday, {}}, prompter);
    return doc;
}

void BM_StatusOf20Weeks(benchmark::State& state) {
    store::Document& doc = summary_doc();
    const calendar::WeekIndex first = doc.current_week().index();
    int statuses = 0;
    for (auto _ : state) {
        for (int r = 0; r < schedule::SummaryModel::kRows; ++r) {
            const auto s = schedule::week_status(doc, first + r);
            benchmark::DoNotOptimize(s);
            statuses += s != schedule::WeekStatus::none;
        }
    }
    state.counters["with_status"] =
        static_cast<double>(statuses) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_StatusOf20Weeks)->Unit(benchmark::kMillisecond);

void BM_SummaryTableOf20Weeks(benchmark::State& state) {
    store::Document& doc = summary_doc();
    schedule::SummaryModel model(doc);
    for (auto _ : state) {
        model.rebuild();
        benchmark::DoNotOptimize(model.rows().data());
    }
}
BENCHMARK(BM_SummaryTableOf20Weeks)->Unit(benchmark::kMillisecond);

}  // namespace
