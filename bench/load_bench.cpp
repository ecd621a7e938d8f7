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

}  // namespace
