// Loading a large data folder: the whole document, and the brother index sort alone.
#include <benchmark/benchmark.h>

#include "core/io/prompter.h"
#include "core/store/document.h"
#include "support/large_folder.h"

namespace {

using namespace vorla;

constexpr calendar::Date kToday{2026, 12, 7};

void BM_CreateDocumentOnLargeFolder(benchmark::State& state) {
    const auto folder = bench::large_folder(kToday);
    io::SilentPrompter prompter;
    for (auto _ : state) {
        store::Document doc({folder, kToday, {}}, prompter);
        benchmark::DoNotOptimize(doc.brothers().size());
    }
}
BENCHMARK(BM_CreateDocumentOnLargeFolder)->Unit(benchmark::kMillisecond);

void BM_SortTwentyThousandBrothers(benchmark::State& state) {
    const auto folder = bench::large_folder(kToday);
    io::SilentPrompter prompter;
    store::Document doc({folder, kToday, {}}, prompter);
    for (auto _ : state) {
        store::BrotherIndex index = doc.brothers();
        index.sort(doc.collator());
        benchmark::DoNotOptimize(index.size());
    }
}
BENCHMARK(BM_SortTwentyThousandBrothers)->Unit(benchmark::kMillisecond);

// A new brother in a file of 20,000 (and a deletion, so that the file keeps its size): only
// the candidate slot is read, not the whole file.
void BM_AddBrotherToTwentyThousand(benchmark::State& state) {
    const auto folder = bench::large_folder(kToday);
    io::SilentPrompter prompter;
    store::Document doc({folder, kToday, {}}, prompter);
    store::BrotherRecord added;
    added.first_name = "Новый";
    added.last_name = "Брат";
    for (auto _ : state) {
        const auto id = doc.brothers().add(doc.folder(), added, {});
        if (!id) state.SkipWithError("no slot");
        doc.brothers().remove(doc.folder(), doc.brothers().size() - 1);
    }
}
BENCHMARK(BM_AddBrotherToTwentyThousand)->Unit(benchmark::kMicrosecond);

}  // namespace
