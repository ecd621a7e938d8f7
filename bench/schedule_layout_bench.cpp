// Laying out a 52-week schedule with every place filled: on the screen and at 600 dpi.
#include <benchmark/benchmark.h>

#include "core/io/prompter.h"
#include "core/reports/schedule_report.h"
#include "support/full_schedule.h"
#include "support/large_folder.h"

namespace {

using namespace vorla;

constexpr calendar::Date kToday{2026, 12, 7};

void layout(benchmark::State& state, const reports::Device& device) {
    io::SilentPrompter prompter;
    store::Document doc({bench::large_folder(kToday), kToday, {}}, prompter);
    const calendar::WeekIndex first = doc.today_week().index();
    bench::fill_schedule(doc, first, 52);
    const settings::ReportFonts fonts(doc.language());
    std::size_t pages = 0;
    for (auto _ : state) {
        const reports::DisplayList list = reports::layout_schedule(doc, fonts, {first, 52}, device);
        pages = list.pages.size();
        benchmark::DoNotOptimize(list.pages.data());
    }
    state.counters["pages"] = static_cast<double>(pages);
}

void BM_LayoutFullScheduleScreen(benchmark::State& state) {
    layout(state, reports::Device::screen());
}
BENCHMARK(BM_LayoutFullScheduleScreen)->Unit(benchmark::kMillisecond);

void BM_LayoutFullSchedule600Dpi(benchmark::State& state) {
    layout(state, reports::Device::printer(600, 600));
}
BENCHMARK(BM_LayoutFullSchedule600Dpi)->Unit(benchmark::kMillisecond);

}  // namespace
