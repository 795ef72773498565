// Start-up to the first painted window: the program against a bare Qt window and against the
// main window's texts in stock Qt widgets (what Qt's first text costs by itself), in one run so
// that all see the same machine (--benchmark_enable_random_interleaving=true mixes them). Each
// iteration starts one process and waits for it; the time is the wall time of the whole run.
// Run with QT_QPA_PLATFORM set (for example offscreen, or xcb under Xvfb).
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <string>
#include <vector>

extern char** environ;

namespace {

double RunOnce(const std::vector<std::string>& command) {
    std::vector<char*> argv;
    for (const std::string& word : command) argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void Startup(benchmark::State& state, const std::vector<std::string>& command) {
    for (auto _ : state) {
        double seconds = RunOnce(command);
        if (seconds < 0) {
            state.SkipWithError("the program did not run to its first paint");
            break;
        }
        state.SetIterationTime(seconds);
    }
}

void BM_Startup_BareQtWindow(benchmark::State& state) { Startup(state, {MOZEL_BARE_WINDOW}); }
void BM_Startup_CaptionsQtWindow(benchmark::State& state) { Startup(state, {MOZEL_CAPTIONS_WINDOW}); }
void BM_Startup_MozelDouble(benchmark::State& state) { Startup(state, {MOZEL_PROGRAM, "--quit-after-paint"}); }

BENCHMARK(BM_Startup_BareQtWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10)->Repetitions(3);
BENCHMARK(BM_Startup_CaptionsQtWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10)->Repetitions(3);
BENCHMARK(BM_Startup_MozelDouble)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10)->Repetitions(3);

}  // namespace

BENCHMARK_MAIN();
