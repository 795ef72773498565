// The logic step finder: the whole logical path of a double problem from its givens, as
// mozeldouble-solve --steps runs it, and the first step as ヒント finds it. Goals: the full
// path in 10 ms or less (median) on the public problems, and within 50 ms on the hardest of them
// (samurai-ruud-01 grids 1 and 3, which needs an XY-chain). A generated problem whose path needs
// forcing chains is timed beside them.
#include <benchmark/benchmark.h>

#include "Hard9x9.h"
#include "PublicDoubles.h"
#include "puzzle/Generator.h"
#include "puzzle/StepFinder.h"
#include "puzzle/StepPath.h"

namespace {

PublicDouble Problem(const char* file, int pattern) { return public_doubles::Make(MOZEL_BENCH_DATA, file, pattern, 0, 1); }

void FullPath(benchmark::State& state, const char* file, int pattern) {
    PublicDouble p = Problem(file, pattern);
    for (auto _ : state) {
        puzzle::StepPath path = puzzle::RunPath(p.givens);
        benchmark::DoNotOptimize(path.rating.finished);
    }
}

void BM_FullPath_Sensei1Hard(benchmark::State& s) { FullPath(s, "sensei-1-180501-144448.hard.txt", 12); }
void BM_FullPath_Sensei2Hard(benchmark::State& s) { FullPath(s, "sensei-2-180503-105056.hard.txt", 11); }
void BM_FullPath_Sensei4Fishy(benchmark::State& s) { FullPath(s, "sensei-4-180705-135510.36.Fishy.txt", 6); }
BENCHMARK(BM_FullPath_Sensei1Hard)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_FullPath_Sensei2Hard)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_FullPath_Sensei4Fishy)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_FullPath_HardestPublic(benchmark::State& state) {
    PublicDouble p = public_doubles::Make(MOZEL_BENCH_DATA, "samurai-ruud-01.hard.txt", 12, 0, 2);
    for (auto _ : state) benchmark::DoNotOptimize(puzzle::RunPath(p.givens).rating.finished);
}
BENCHMARK(BM_FullPath_HardestPublic)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The hard 9x9 problems embedded as grid 1 with grid 2 complete: the hardest paths of the engine's
// benchmark problems (most need forcing chains, several nested ones).
void BM_FullPath_Hard9x9(benchmark::State& state) {
    static const std::vector<Hard9x9> all = LoadHard9x9(MOZEL_BENCH_DATA);
    const Hard9x9& h = all[static_cast<std::size_t>(state.range(0))];
    puzzle::StepPath path;
    for (auto _ : state) benchmark::DoNotOptimize(path = puzzle::RunPath(h.givens));
    state.SetLabel(h.name + ": " + std::to_string(path.steps.size()) + " steps" + (path.rating.finished ? "" : ", unfinished"));
}
BENCHMARK(BM_FullPath_Hard9x9)->DenseRange(0, 16)->Unit(benchmark::kMillisecond);

// A generated guess-level problem without the diagonal rule: its path needs forcing chains.
void BM_FullPath_GeneratedGuess(benchmark::State& state) {
    puzzle::GenerateRequest request{.pattern = 12, .level = puzzle::Level::Guess, .seed = 1};
    puzzle::DoubleBoard problem = puzzle::GenerateLeveled(request)->problem;
    for (auto _ : state) benchmark::DoNotOptimize(puzzle::RunPath(problem).rating.finished);
}
BENCHMARK(BM_FullPath_GeneratedGuess)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);

void BM_FirstStep(benchmark::State& state) {
    PublicDouble p = Problem("sensei-1-180501-144448.hard.txt", 12);
    for (auto _ : state) {
        puzzle::LogicState s(p.givens);
        benchmark::DoNotOptimize(puzzle::FindStep(s));
    }
}
BENCHMARK(BM_FirstStep)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
