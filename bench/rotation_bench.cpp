// "Автовыбор" of the chairmen page over all 26 weeks of the list, on the large data folder
// with 100 chairmen in our congregation and every week of the 1000-week window holding a
// chairman among them. Target: under 5 ms, the list rebuilt included.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "core/io/prompter.h"
#include "core/schedule/sheet_model.h"
#include "core/schedule/weekly_role_model.h"
#include "core/store/document.h"
#include "support/large_folder.h"

namespace {

using namespace vorla;

constexpr calendar::Date kToday{2026, 12, 7};
constexpr int kCandidates = 100;

store::Document& rotation_doc() {
    static io::SilentPrompter prompter;
    static store::Document doc({bench::large_folder(kToday), kToday, {}}, prompter);
    static const bool prepared = [] {
        // The first 100 brothers of the index join our congregation, all of them chairmen.
        const std::uint16_t ours = doc.congregations().at(0).cong_id;
        std::vector<std::uint16_t> chairmen;
        for (std::size_t pos = 0; pos < kCandidates; ++pos) {
            doc.brothers().entry_for_update(pos).cong_id = ours;
            chairmen.push_back(doc.brothers().at(pos).brother_id);
        }
        doc.set_our_congregation(ours);
        // Its own brothers stay off the list: exactly 100 candidates.
        for (std::size_t k = 0; k < doc.local_brothers().size(); ++k) {
            const bool moved = doc.local_brothers()[k].position < kCandidates;
            doc.set_local_roles(k, moved ? store::BrotherRecord::kRoleChairman : 0);
        }
        // A full history: every week of the window has one of them in the chair.
        store::WeekTable& weeks = doc.weeks();
        for (calendar::WeekIndex i = weeks.first(); i <= weeks.last(); ++i)
            weeks.at(i).chairman_id =
                chairmen[static_cast<std::size_t>(i.value * 37) % kCandidates];
        return true;
    }();
    (void)prepared;
    return doc;
}

// Empties the 26 weeks of the list and takes their events away, so that every week is open.
void open_list_weeks(store::Document& doc) {
    const calendar::WeekIndex first = doc.current_week().index();
    for (int r = 0; r < schedule::kRows; ++r) {
        store::WeekRecord& w = doc.weeks().at(first + r);
        w.chairman_id = 0;
        w.week_flags &= static_cast<std::uint16_t>(~store::week_bit::kEventKinds);
    }
}

void BM_AutoChooseChairmenOver26Weeks(benchmark::State& state) {
    store::Document& doc = rotation_doc();
    schedule::SheetModel sheet(doc);
    schedule::WeeklyRoleModel page(doc, schedule::WeeklyRole::chairman);
    for (auto _ : state) {
        open_list_weeks(doc);
        page.select(schedule::kRows - 1);
        page.press_auto_or_clear();
        benchmark::DoNotOptimize(page.rows().data());
    }
    state.counters["candidates"] = static_cast<double>(
        std::count_if(doc.local_brothers().begin(), doc.local_brothers().end(),
                      [](const store::LocalBrother& l) { return l.roles != 0; }));
}
BENCHMARK(BM_AutoChooseChairmenOver26Weeks)->Unit(benchmark::kMillisecond);

}  // namespace
