// Start-up of the desktop program on the large data folder: from starting the process to the
// main window's first paint (offscreen). The program ends itself at that paint when
// VORLA_STARTUP_PROBE is set.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <string>
#include <vector>

#include "support/large_folder.h"

extern char** environ;

namespace {

void BM_StartToFirstPaint(benchmark::State& state) {
    const auto folder = vorla::bench::large_folder({2026, 12, 7});
    std::vector<std::string> args = {VORLA_BINARY, "--data-dir", folder.string(), "--today",
                                     "2026-12-07"};
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<std::string> env_strings = {"QT_QPA_PLATFORM=offscreen", "VORLA_STARTUP_PROBE=1"};
    for (char** e = environ; *e; ++e)
        env_strings.emplace_back(*e);
    std::vector<char*> envp;
    for (auto& e : env_strings)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        pid_t pid = 0;
        if (posix_spawn(&pid, VORLA_BINARY, nullptr, nullptr, argv.data(), envp.data()) != 0) {
            state.SkipWithError("cannot start vorla");
            return;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        const auto end = std::chrono::steady_clock::now();
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("vorla did not reach its first paint");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
}
BENCHMARK(BM_StartToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
