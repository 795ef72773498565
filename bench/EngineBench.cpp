// The exact engine on the public double problems (made unique), side by side with
// CryptoMiniSat on the same problems as CNF; both prove uniqueness: find a solution, then show
// there is no second one (the engine's search runs to its end; the SAT solver solves again
// with the first solution blocked). Also the generator's time per unique problem.
//
// Each benchmark reports the median over the problems of the mean time per problem
// (median_us, median_ms), taken as this thread's CPU time so that other work on a busy machine
// does not count; the benchmark's own time is the time for all problems once.
#include <benchmark/benchmark.h>
#include <cryptominisat5/cryptominisat.h>

#include <algorithm>
#include <ctime>
#include <stdexcept>
#include <vector>

#include "GattaiPairs.h"
#include "UniqueProblem.h"
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

// The gattai problems, each given cells from its known solution where the two solutions the
// engine finds differ, until it has exactly one.
const std::vector<puzzle::DoubleBoard>& Problems() {
    static const std::vector<puzzle::DoubleBoard> problems = [] {
        std::vector<puzzle::DoubleBoard> v;
        for (GattaiPair& p : LoadAllGattaiPairs(MOZEL_BENCH_DATA)) {
            GiveUntilUnique(p.givens, p.solution);
            if (puzzle::Solve(p.givens).verdict != puzzle::Verdict::Unique)
                throw std::runtime_error(p.name + " has no solution");
            v.push_back(p.givens);
        }
        if (v.empty()) throw std::runtime_error("no test problems in " MOZEL_BENCH_DATA);
        return v;
    }();
    return problems;
}

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

// Runs one pass over all problems per iteration, timing each problem on its own.
template <typename Item, typename Run>
void PerProblem(benchmark::State& state, const std::vector<Item>& items, Run run) {
    std::vector<double> total(items.size(), 0.0);
    int64_t passes = 0;
    for (auto _ : state) {
        for (std::size_t i = 0; i < items.size(); ++i) {
            double start = CpuMicros();
            int found = run(items[i]);
            total[i] += CpuMicros() - start;
            benchmark::DoNotOptimize(found);
            if (found != 1) state.SkipWithError("a problem is not unique");
        }
        ++passes;
    }
    for (double& t : total) t /= static_cast<double>(std::max<int64_t>(passes, 1));
    std::nth_element(total.begin(), total.begin() + static_cast<long>(total.size() / 2), total.end());
    state.counters["median_us"] = total[total.size() / 2];
    state.counters["problems"] = static_cast<double>(items.size());
}

void BM_EngineUnique(benchmark::State& state) {
    PerProblem(state, Problems(), [](const puzzle::DoubleBoard& b) { return puzzle::CountSolutions(b, 2); });
}
BENCHMARK(BM_EngineUnique)->Unit(benchmark::kMicrosecond);

void BM_CryptoMiniSatUnique(benchmark::State& state) {
    std::vector<Cnf> cnfs;
    for (const puzzle::DoubleBoard& b : Problems()) cnfs.push_back(Encode(b));
    PerProblem(state, cnfs, SatCount);
}
BENCHMARK(BM_CryptoMiniSatUnique)->Unit(benchmark::kMillisecond);

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

BENCHMARK_MAIN();
