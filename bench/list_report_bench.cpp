// Laying out each list report over the large folder at 600 dpi, one figure per report: the
// speakers of every congregation, the talk lists over a full catalogue, the week lists over
// a year of fully planned weeks.
#include <benchmark/benchmark.h>

#include <memory>

#include "core/io/prompter.h"
#include "core/reports/report_arguments.h"
#include "support/full_schedule.h"
#include "support/large_folder.h"

namespace {

using namespace vorla;
using reports::ReportKind;

constexpr calendar::Date kToday{2026, 12, 7};

// One document for every figure: opening the large folder takes longer than any layout.
store::Document& document() {
    static io::SilentPrompter prompter;
    static const std::unique_ptr<store::Document> doc = [] {
        auto d = std::make_unique<store::Document>(
            store::Document::Options{bench::large_folder(kToday), kToday, {}}, prompter);
        const calendar::WeekIndex first = d->today_week().index();
        // The year behind us and the 156 weeks ahead are planned in full.
        bench::fill_schedule(*d, first - 52, 52 + 156);
        // Our congregation is the one of this week's first outgoing speaker. He goes out
        // every week and chairs every other one, and one congregation exchanges speakers with
        // us every week: the brother's and the exchange list are as full as they get.
        const std::uint16_t brother = d->weeks().at(first).out_speaker_id[0];
        const auto goer = d->brothers().find(brother);
        d->set_our_congregation(goer ? d->brothers().at(*goer).cong_id : 0);
        const std::uint16_t partner = d->weeks().at(first).speaker_cong_id;
        for (int k = 0; k < 156; ++k) {
            store::WeekRecord w = d->weeks().at(first + k);
            w.out_speaker_id[0] = brother;
            w.out_cong_id[0] = partner;
            w.speaker_cong_id = partner;
            if (k % 2 == 0) w.chairman_id = brother;
            d->weeks().store(first + k, w);
        }
        // Every talk is wanted, a third of them high and a third low.
        store::WishListRecord wish;
        for (int t = 1; t <= 200; ++t) {
            wish.wanted.set(t);
            if (t % 3 == 0) wish.wanted_high.set(t);
            if (t % 3 == 1) wish.wanted_low.set(t);
        }
        d->wish_list().set_record(wish);
        return d;
    }();
    return *doc;
}

reports::ReportRequest request_for(const store::Document& doc, ReportKind kind) {
    reports::ReportRequest r;
    r.kind = kind;
    const calendar::WeekIndex first = doc.today_week().index();
    r.first = first;
    if (kind == ReportKind::invited) r.weeks = 18;
    if (kind == ReportKind::worksheet) r.weeks = 144;
    // The congregation this week's visiting speaker comes from; the brother going out first.
    if (kind == ReportKind::exchange) r.congregation = doc.weeks().at(first).speaker_cong_id;
    if (kind == ReportKind::local_assignments) r.brother = doc.weeks().at(first).out_speaker_id[0];
    return r;
}

void layout(benchmark::State& state, ReportKind kind) {
    const store::Document& doc = document();
    const settings::ReportFonts fonts(doc.language());
    const reports::ReportRequest request = request_for(doc, kind);
    const reports::Device device = reports::Device::printer(600, 600);
    std::size_t pages = 0;
    for (auto _ : state) {
        const reports::DisplayList list = reports::layout_report(doc, fonts, request, device);
        pages = list.pages.size();
        benchmark::DoNotOptimize(list.pages.data());
    }
    state.counters["pages"] = static_cast<double>(pages);
}

// The schedule and the letters have benchmarks of their own.
const bool registered = [] {
    for (const reports::NamedReport& report : reports::named_reports()) {
        const ReportKind kind = report.kind;
        if (kind == ReportKind::schedule || kind == ReportKind::invitation_letter ||
            kind == ReportKind::outgoing_notice)
            continue;
        benchmark::RegisterBenchmark(("BM_Layout/" + std::string(report.name)).c_str(),
                                     [kind](benchmark::State& state) { layout(state, kind); })
            ->Unit(benchmark::kMillisecond);
    }
    return true;
}();

}  // namespace
