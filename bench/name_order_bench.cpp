// Sorting a large name index by the Russian collation.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "core/text/collation.h"

namespace {

std::vector<std::string> make_names(std::size_t n) {
    static const char* last[] = {"Иванов", "Петров", "Сидоров", "Кузнецов", "Смирнов",
                                 "Попов",  "Волков", "Зайцев",  "Соколов",  "Лебедев"};
    static const char* first[] = {"Александр", "Борис", "Виктор", "Григорий", "Дмитрий", "Евгений"};
    std::mt19937 rng(7);
    std::vector<std::string> names;
    names.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        names.push_back(std::string(last[rng() % 10]) + std::to_string(rng() % 5000) + ", " +
                        first[rng() % 6]);
    }
    return names;
}

void BM_SortTwentyThousandNames(benchmark::State& state) {
    const vorla::text::NameCollator collator("rus");
    const auto names = make_names(20000);
    for (auto _ : state) {
        auto copy = names;
        collator.sort(copy, [](const std::string& s) -> const std::string& { return s; });
        benchmark::DoNotOptimize(copy.data());
    }
}
BENCHMARK(BM_SortTwentyThousandNames)->Unit(benchmark::kMillisecond);

}  // namespace
