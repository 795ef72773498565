// Problems as mozeldouble-solve --generate and 新しい問題 make them (GenerateLeveled), without
// a level and of each wanted level: one benchmark per level and rule, each over the twelve
// patterns with 20 start seeds each (91009 among them).
// Reports per pattern and over all the median and the worst CPU time per problem (this
// thread's CPU time, so that other work on a busy machine does not count) and the seeds tried.
// Goals: a median of at most 100 ms and a worst of at most 1 s per problem.
//   build/bench/mozel_bench_generate --benchmark_filter='Generate/chains/diagonal'
//   build/bench/mozel_bench_generate --benchmark_filter='Generate/any'
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "puzzle/Generator.h"

namespace {

constexpr int kSeeds = 20;

uint64_t StartSeed(int k) { return k == 0 ? 91009 : 1000u * static_cast<uint64_t>(k); }

double CpuMillis() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void Generate(benchmark::State& state, std::optional<puzzle::Level> level, bool diagonal) {
    std::vector<double> all;
    double tries = 0;
    for (auto _ : state) {
        for (int pattern = 1; pattern <= puzzle::kPatternCount; ++pattern) {
            std::vector<double> times;
            for (int k = 0; k < kSeeds; ++k) {
                puzzle::GenerateRequest request{.pattern = pattern, .diagonal = diagonal, .level = level, .seed = StartSeed(k)};
                const double start = CpuMillis();
                std::optional<puzzle::GeneratedProblem> made = puzzle::GenerateLeveled(request);
                times.push_back(CpuMillis() - start);
                if (!made || (level && made->level != *level)) {
                    state.SkipWithError("no problem of the level");
                    return;
                }
                tries += static_cast<double>(made->seed - request.seed + 1);
            }
            const std::string p = "p" + std::to_string(pattern);
            state.counters[p + "_median_ms"] = Median(times);
            state.counters[p + "_worst_ms"] = *std::max_element(times.begin(), times.end());
            all.insert(all.end(), times.begin(), times.end());
        }
    }
    state.counters["median_ms"] = Median(all);
    state.counters["worst_ms"] = *std::max_element(all.begin(), all.end());
    state.counters["seeds_per_problem"] = tries / static_cast<double>(all.size());
}

void Register() {
    std::vector<std::pair<std::string, std::optional<puzzle::Level>>> levels{{"any", std::nullopt}};
    for (const puzzle::LevelRange& l : puzzle::kLevels) levels.emplace_back(l.name, l.level);
    for (const auto& [levelName, level] : levels)
        for (bool diagonal : {false, true}) {
            std::string name = "Generate/" + levelName + (diagonal ? "/diagonal" : "/plain");
            benchmark::RegisterBenchmark(name.c_str(), [level, diagonal](benchmark::State& s) { Generate(s, level, diagonal); })
                ->Unit(benchmark::kSecond)
                ->Iterations(1);
        }
}

}  // namespace

int main(int argc, char** argv) {
    Register();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
