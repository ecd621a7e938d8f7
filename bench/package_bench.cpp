// Importing a package of 500 brothers (half of them known already, half new, each with
// unavailable weeks, half with extras) into the large data folder: what OK of the import
// dialog costs, from reading the file to the last flush.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <memory>

#include "core/io/file_ops.h"
#include "core/io/prompter.h"
#include "core/schedule/package_format.h"
#include "core/schedule/package_import_model.h"
#include "core/store/document.h"
#include "support/large_folder.h"

namespace {

using namespace vorla;
namespace fs = std::filesystem;

constexpr calendar::Date kToday{2026, 12, 7};
constexpr int kBrothers = 500;

// The package of the first large congregation: its name, then 250 of the folder's brothers
// and 250 new ones.
schedule::Package large_package(const store::Document& doc) {
    schedule::Package p;
    p.congregation.name = doc.congregations().at(0).name;
    p.congregation.hall_address1 = "ул. Новая, 1";
    p.congregation.circuit_name = "Район 7";
    const int t = doc.today_week().value;
    for (int i = 0; i < kBrothers; ++i) {
        schedule::PackageBrother b;
        if (i % 2 == 0) {
            const store::BrotherEntry& known = doc.brothers().at(static_cast<std::size_t>(i) * 37);
            b.first_name = known.first_name;
            b.last_name = known.last_name;
        } else {
            b.first_name = "Новый";
            b.last_name = "Докладчик " + std::to_string(i);
        }
        b.address1 = "ул. Садовая, " + std::to_string(i);
        b.phone = "8-900-" + std::to_string(2000000 + i);
        if (i % 4 < 2) b.email = "speaker" + std::to_string(i) + "@example.org";
        for (int talk = 1; talk <= 12; ++talk)
            b.talks.set(talk * 7 + i % 5);
        b.flags = i % 3 == 0 ? 2 : 1;
        b.roles = i == 0 ? 0x40 : 0;
        for (std::size_t k = 0; k < 4; ++k)
            b.weeks[k] = static_cast<std::uint16_t>(t + 3 + 9 * static_cast<int>(k) + i % 7);
        p.brothers.push_back(std::move(b));
    }
    return p;
}

// A fresh copy, on disk before the clock runs: the import's own flushes should not pay for
// writing out the copy.
void copy_folder(const fs::path& from, const fs::path& to) {
    fs::remove_all(to);
    fs::copy(from, to, fs::copy_options::recursive);
    ::sync();
}

void BM_ImportFiveHundredBrothersIntoLargeFolder(benchmark::State& state) {
    const fs::path large = bench::large_folder(kToday);
    const fs::path work = large.parent_path() / (large.filename().string() + "-import");
    const fs::path package_file = large.parent_path() / (large.filename().string() + ".vpk");
    io::SilentPrompter prompter;
    {
        const store::Document doc({large, kToday, {}}, prompter);
        io::replace_file(package_file, schedule::encode_package(large_package(doc)));
    }
    std::size_t added = 0;
    for (auto _ : state) {
        state.PauseTiming();
        copy_folder(large, work);
        auto doc =
            std::make_unique<store::Document>(store::Document::Options{work, kToday, {}}, prompter);
        state.ResumeTiming();

        schedule::PackageImportModel model(*doc, package_file);
        model.ok();
        added = model.report().added.size();

        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
    state.counters["added"] = static_cast<double>(added);
    fs::remove_all(work);
    fs::remove(package_file);
}
BENCHMARK(BM_ImportFiveHundredBrothersIntoLargeFolder)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(8)
    ->UseRealTime();

}  // namespace
