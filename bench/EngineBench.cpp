// The exact engine against the engines it replaced, in one run over the same problems, all
// proving uniqueness (counting solutions up to two): the engine before its kernels were
// dispatched by processor (PreviousEngine.h) and the older one before the band engine
// (YardstickEngine.h).
// - BM_Doubles: the public double problems of tests/data, every two overlapping grids of a
//   file, made unique;
// - BM_Hard9x9: the hard 9x9 problems of tests/data/hard-9x9.txt as grid 1, grid 2 complete;
// - BM_FirstSolve: the first solve of a fresh process, on the double problem of median time;
// each with the engine's kernels chosen for the processor (portable:0) and with the portable
// kernels forced (portable:1); beside them CryptoMiniSat on the double problems, and the
// generator's time per problem.
//
// A problem's time is its fastest of the passes, one call each on the steady clock: other work
// on a busy machine can only add time. Each pass runs the engines on every problem in turn, the
// first of them changing from pass to pass, so all see the same machine. Counters: the median
// and the worst over the problems per engine (new_, prev_ and old_median_us, new_, prev_ and
// old_worst_us) and the speedups over the previous and the older engine (median / new median).
#include <benchmark/benchmark.h>
#include <cryptominisat5/cryptominisat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <stdexcept>
#include <string>
#include <vector>

#include "GattaiPairs.h"
#include "Hard9x9.h"
#include "PreviousEngine.h"
#include "UniqueProblem.h"
#include "YardstickEngine.h"
#include "puzzle/EngineSearch.h"
#include "puzzle/Generator.h"
#include "puzzle/Solver.h"
#include "puzzle/Units.h"

namespace {

// CPU time of this thread, in microseconds.
double CpuMicros() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) / 1e3;
}

// Microseconds one call of run takes, on the steady clock.
template <typename Run>
double Micros(Run run) {
    auto start = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(run());
    return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> v) {
    std::nth_element(v.begin(), v.begin() + static_cast<long>(v.size() / 2), v.end());
    return v[v.size() / 2];
}

// The gattai problems, each given cells from its known solution where the two solutions the
// engine finds differ, until it has exactly one.
const std::vector<puzzle::DoubleBoard>& Doubles() {
    static const std::vector<puzzle::DoubleBoard> problems = [] {
        std::vector<puzzle::DoubleBoard> v;
        for (GattaiPair& p : LoadAllGattaiPairs(MOZEL_BENCH_DATA)) {
            GiveUntilUnique(p.givens, p.solution);
            if (puzzle::Solve(p.givens).verdict != puzzle::Verdict::Unique) throw std::runtime_error(p.name + " has no solution");
            v.push_back(p.givens);
        }
        if (v.empty()) throw std::runtime_error("no test problems in " MOZEL_BENCH_DATA);
        return v;
    }();
    return problems;
}

const std::vector<puzzle::DoubleBoard>& Hard() {
    static const std::vector<puzzle::DoubleBoard> problems = [] {
        std::vector<puzzle::DoubleBoard> v;
        for (const Hard9x9& h : LoadHard9x9(MOZEL_BENCH_DATA)) v.push_back(h.givens);
        if (v.empty()) throw std::runtime_error("no hard 9x9 problems in " MOZEL_BENCH_DATA);
        return v;
    }();
    return problems;
}

// The engines raced, in the order of the counters' names.
constexpr int kEngines = 3;
const char* const kEngineNames[kEngines] = {"new", "prev", "old"};

int CountWith(int engine, const puzzle::DoubleBoard& b) {
    switch (engine) {
        case 0: return puzzle::CountSolutions(b, 2);
        case 1: return previous::CountSolutions(b, 2);
        default: return yardstick::CountSolutions(b, 2);
    }
}

// Per engine, per problem: microseconds.
using Times = std::array<std::vector<double>, kEngines>;

// Every engine on every problem, once per benchmark iteration; the engine that goes first
// turns from pass to pass.
Times Race(benchmark::State& state, const std::vector<puzzle::DoubleBoard>& problems) {
    std::array<std::vector<std::vector<double>>, kEngines> all;
    for (auto& engine : all) engine.resize(problems.size());
    int first = 0;
    for (auto _ : state) {
        for (std::size_t i = 0; i < problems.size(); ++i) {
            for (int n = 0; n < kEngines; ++n) {
                int engine = (first + n) % kEngines;
                int found = 0;
                all[static_cast<std::size_t>(engine)][i].push_back(Micros([&] { return found = CountWith(engine, problems[i]); }));
                if (found != 1) state.SkipWithError("a problem is not unique");
            }
        }
        first = (first + 1) % kEngines;
    }
    Times t;
    for (int engine = 0; engine < kEngines; ++engine)
        for (const std::vector<double>& passes : all[static_cast<std::size_t>(engine)])
            t[static_cast<std::size_t>(engine)].push_back(*std::min_element(passes.begin(), passes.end()));
    return t;
}

void Report(benchmark::State& state, const Times& t) {
    double mine = Median(t[0]);
    for (int engine = 0; engine < kEngines; ++engine) {
        const std::vector<double>& v = t[static_cast<std::size_t>(engine)];
        std::string name = kEngineNames[engine];
        state.counters[name + "_median_us"] = Median(v);
        state.counters[name + "_worst_us"] = *std::max_element(v.begin(), v.end());
        if (engine > 0) state.counters["speedup_" + name] = Median(v) / mine;
    }
    state.counters["problems"] = static_cast<double>(t[0].size());
}

// The engine's kernels as the benchmark's argument says (1: portable forced) while it runs.
struct Kernels {
    explicit Kernels(const benchmark::State& state) { puzzle::engine::ForcePortableKernels(state.range(0) == 1); }
    ~Kernels() { puzzle::engine::ForcePortableKernels(false); }
    Kernels(const Kernels&) = delete;
    Kernels& operator=(const Kernels&) = delete;
};

void BM_Doubles(benchmark::State& state) {
    Kernels kernels(state);
    Report(state, Race(state, Doubles()));
}
BENCHMARK(BM_Doubles)->Unit(benchmark::kMillisecond)->Iterations(200)->ArgName("portable")->Arg(0)->Arg(1);

void BM_Hard9x9(benchmark::State& state) {
    Kernels kernels(state);
    Report(state, Race(state, Hard()));
}
BENCHMARK(BM_Hard9x9)->Unit(benchmark::kMillisecond)->Iterations(200)->ArgName("portable")->Arg(0)->Arg(1);

// A board as one command-line word: the pattern, the diagonal rule, then the 225 digits.
std::string BoardWord(const puzzle::DoubleBoard& b) {
    std::string s = std::to_string(b.pattern) + (b.diagonal ? "x" : "-");
    for (std::size_t c = 1; c < b.digits.size(); ++c) s += static_cast<char>('0' + b.digits[c]);
    return s;
}

puzzle::DoubleBoard FromWord(const std::string& s) {
    puzzle::DoubleBoard b;
    std::size_t end = s.find_first_of("x-");
    b.pattern = std::stoi(s.substr(0, end));
    b.diagonal = s[end] == 'x';
    for (std::size_t c = 1; c < b.digits.size(); ++c) b.digits[c] = static_cast<uint8_t>(s[end + c] - '0');
    return b;
}

// In a fresh process (this program, started with --first-solve ENGINE BOARD): the
// microseconds of its first solve, printed.
int FirstSolve(const std::string& engine, const std::string& word) {
    puzzle::DoubleBoard b = FromWord(word);
    int which = static_cast<int>(std::find(kEngineNames, kEngineNames + kEngines, engine) - kEngineNames);
    double us = Micros([&] { return CountWith(which, b); });
    std::printf("%.3f\n", us);
    return 0;
}

// One fresh process's first solve of the board with the engine, in microseconds; < 0 on failure.
// `portable` forces the portable kernels there, through the environment as a user would.
double FirstSolveInProcess(const std::string& engine, const puzzle::DoubleBoard& b, bool portable) {
    char self[4096] = {};
    if (readlink("/proc/self/exe", self, sizeof self - 1) <= 0) return -1;
    std::string command = std::string(portable ? "MOZEL_ENGINE_PORTABLE=1 " : "") + "'" + self + "' --first-solve " + engine +
                          " " + BoardWord(b);
    FILE* out = popen(command.c_str(), "r");
    if (!out) return -1;
    double us = -1;
    if (std::fscanf(out, "%lf", &us) != 1) us = -1;
    return pclose(out) == 0 ? us : -1;
}

// The first solve of a process against the median: the double problems are timed by the new
// engine alone, otherwise as in the race (each pass one call per problem, a problem's time its
// fastest), and the problem of median time is solved first in fresh processes, by each engine
// in turn. Counters: first_new_us, first_prev_us and first_old_us (median over the processes),
// new_median_us, and first_over_median (new first solve / new median).
void BM_FirstSolve(benchmark::State& state) {
    Kernels kernels(state);
    const bool portable = state.range(0) == 1;
    const std::vector<puzzle::DoubleBoard>& problems = Doubles();
    std::vector<double> warm(problems.size(), 1e9);
    for (int pass = 0; pass < 50; ++pass)
        for (std::size_t i = 0; i < problems.size(); ++i)
            warm[i] = std::min(warm[i], Micros([&] { return puzzle::CountSolutions(problems[i], 2); }));
    std::vector<double> order = warm;
    std::nth_element(order.begin(), order.begin() + static_cast<long>(order.size() / 2), order.end());
    std::size_t median = static_cast<std::size_t>(std::find(warm.begin(), warm.end(), order[order.size() / 2]) - warm.begin());
    const puzzle::DoubleBoard& b = problems[median];
    std::array<std::vector<double>, kEngines> first;
    for (auto _ : state) {
        for (int engine = 0; engine < kEngines; ++engine) {
            double us = FirstSolveInProcess(kEngineNames[engine], b, portable);
            if (us < 0) {
                state.SkipWithError("a first solve did not run");
                return;
            }
            first[static_cast<std::size_t>(engine)].push_back(us);
        }
    }
    for (int engine = 0; engine < kEngines; ++engine)
        state.counters[std::string("first_") + kEngineNames[engine] + "_us"] = Median(first[static_cast<std::size_t>(engine)]);
    state.counters["new_median_us"] = warm[median];
    state.counters["first_over_median"] = Median(first[0]) / warm[median];
}
BENCHMARK(BM_FirstSolve)->Unit(benchmark::kMillisecond)->Iterations(21)->ArgName("portable")->Arg(0)->Arg(1);

// A double board as CNF: variable (i * 9 + d - 1) says covered cell i holds digit d.
struct Cnf {
    unsigned variables = 0;
    std::vector<std::vector<CMSat::Lit>> clauses;
};

Cnf Encode(const puzzle::DoubleBoard& board) {
    std::vector<int> cells = puzzle::CoveredCells(board.pattern);
    std::vector<int> index(puzzle::kBoardCells + 1, -1);
    for (std::size_t i = 0; i < cells.size(); ++i) index[static_cast<std::size_t>(cells[i])] = static_cast<int>(i);
    auto var = [&](int c, int d) { return CMSat::Lit(static_cast<uint32_t>(index[static_cast<std::size_t>(c)] * 9 + d - 1), false); };
    Cnf cnf;
    cnf.variables = static_cast<unsigned>(cells.size() * 9);
    for (int c : cells) {
        std::vector<CMSat::Lit> some;
        for (int d = 1; d <= 9; ++d) some.push_back(var(c, d));
        cnf.clauses.push_back(some);
        for (int d = 1; d <= 9; ++d)
            for (int e = d + 1; e <= 9; ++e) cnf.clauses.push_back({~var(c, d), ~var(c, e)});
        if (int given = board.digits[static_cast<std::size_t>(c)]) cnf.clauses.push_back({var(c, given)});
    }
    for (const puzzle::Unit& unit : puzzle::Units(board.pattern, board.diagonal)) {
        for (int d = 1; d <= 9; ++d) {
            std::vector<CMSat::Lit> somewhere;
            for (int c : unit.cells) somewhere.push_back(var(c, d));
            cnf.clauses.push_back(somewhere);
            for (std::size_t a = 0; a < 9; ++a)
                for (std::size_t b = a + 1; b < 9; ++b) cnf.clauses.push_back({~var(unit.cells[a], d), ~var(unit.cells[b], d)});
        }
    }
    return cnf;
}

// Number of solutions up to 2, with the first one blocked before the second solve.
int SatCount(const Cnf& cnf) {
    CMSat::SATSolver solver;
    solver.new_vars(cnf.variables);
    for (const auto& clause : cnf.clauses) solver.add_clause(clause);
    if (solver.solve() != CMSat::l_True) return 0;
    std::vector<CMSat::Lit> block;
    const std::vector<CMSat::lbool>& model = solver.get_model();
    for (uint32_t v = 0; v < model.size(); ++v)
        if (model[v] == CMSat::l_True) block.push_back(CMSat::Lit(v, true));
    solver.add_clause(block);
    return solver.solve() == CMSat::l_True ? 2 : 1;
}

// CryptoMiniSat on the double problems: the median over the problems of the mean CPU time.
void BM_CryptoMiniSatDoubles(benchmark::State& state) {
    std::vector<Cnf> cnfs;
    for (const puzzle::DoubleBoard& b : Doubles()) cnfs.push_back(Encode(b));
    std::vector<double> total(cnfs.size(), 0.0);
    int64_t passes = 0;
    for (auto _ : state) {
        for (std::size_t i = 0; i < cnfs.size(); ++i) {
            double start = CpuMicros();
            if (SatCount(cnfs[i]) != 1) state.SkipWithError("a problem is not unique");
            total[i] += CpuMicros() - start;
        }
        ++passes;
    }
    for (double& t : total) t /= static_cast<double>(std::max<int64_t>(passes, 1));
    state.counters["median_us"] = Median(total);
}
BENCHMARK(BM_CryptoMiniSatDoubles)->Unit(benchmark::kMillisecond);

// One unique problem per iteration: the patterns in turn, every other one with the diagonal
// rule, a new seed each time.
void BM_GenerateProblem(benchmark::State& state) {
    std::vector<double> times;
    uint64_t seed = 1;
    for (auto _ : state) {
        int pattern = static_cast<int>(seed % 12) + 1;
        bool diagonal = (seed / 12) % 2 == 1;
        double start = CpuMicros();
        benchmark::DoNotOptimize(puzzle::GenerateProblem(pattern, diagonal, seed));
        times.push_back((CpuMicros() - start) / 1000.0);
        ++seed;
    }
    std::sort(times.begin(), times.end());
    state.counters["median_ms"] = times[times.size() / 2];
    state.counters["max_ms"] = times.back();
}
BENCHMARK(BM_GenerateProblem)->Unit(benchmark::kMillisecond)->Iterations(96);

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "--first-solve") return FirstSolve(argv[2], argv[3]);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
