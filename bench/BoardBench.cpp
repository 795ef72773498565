// Board commands headless: what the program itself costs, without any display.
#include <benchmark/benchmark.h>

#include "BenchBoard.h"
#include "ui/FormRegistry.h"
#include "ui/HeadlessServices.h"
#include "ui/Keys.h"
#include "ui/UserInput.h"

namespace {

struct Headless {
    ui::HeadlessServices services;
    program::Program program{services.services()};
    std::array<std::string, 2> givens = bench::ReadGivens(bench::kProblem);
    Headless() {
        program.Start();
        bench::TypeIn(program, bench::kPattern, givens);
    }
    void reset() { bench::TypeIn(program, bench::kPattern, givens); }
};

template <typename Command>
void Run(benchmark::State& state, Command command) {
    Headless h;
    for (auto _ : state) {
        state.PauseTiming();
        h.reset();
        state.ResumeTiming();
        ui::FormRegistry::EventScope scope(h.program.forms());
        command(h.program.frmAllGamen());
    }
}

void BM_cmdHantei123(benchmark::State& state) { Run(state, [](auto& w) { w.cmdHantei123_Click(); }); }
BENCHMARK(BM_cmdHantei123)->Unit(benchmark::kMillisecond);

void BM_cmdHanteiA3(benchmark::State& state) { Run(state, [](auto& w) { w.cmdHanteiA_Click(3); }); }
BENCHMARK(BM_cmdHanteiA3)->Unit(benchmark::kMillisecond);

void BM_cmdHantei5(benchmark::State& state) { Run(state, [](auto& w) { w.cmdHantei_Click(5); }); }
BENCHMARK(BM_cmdHantei5)->Unit(benchmark::kMillisecond);

// The journal's memory after 1,000 judge commands (the digit buttons in turn, 自動123 and the
// automatic step every tenth), each on the typed problem (goal: at most 50 MB).
void BM_JournalOf1000JudgeCommands(benchmark::State& state) {
    double megabytes = 0, steps = 0;
    for (auto _ : state) {
        Headless h;
        auto& board = h.program.frmAllGamen();
        for (int n = 0; n < 1000; ++n) {
            h.reset();
            ui::FormRegistry::EventScope scope(h.program.forms());
            if (n % 10 == 8) board.cmdHantei123_Click();
            else if (n % 10 == 9) board.cmdHanteiA_Click(3);
            else board.cmdHantei_Click(1 + n % 9);
        }
        megabytes = static_cast<double>(h.program.journal().bytes()) / 1e6;
        steps = static_cast<double>(h.program.journal().steps());
    }
    state.counters["journal_MB"] = megabytes;
    state.counters["steps"] = steps;
}
BENCHMARK(BM_JournalOf1000JudgeCommands)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

// A digit typed into an empty cell of the problem until the board, both grid windows'
// candidates and the counters have followed, then the cell emptied again: two user events.
void BM_TypeDigit(benchmark::State& state) {
    Headless h;
    auto& board = h.program.frmAllGamen();
    int cell = 0;
    for (int k = 1; k <= 81 && cell == 0; ++k)
        if (h.givens[0][static_cast<std::size_t>(k - 1)] == '.') cell = h.program.cmn().GridMasu[bench::kPattern][1][k];
    for (auto _ : state) {
        ui::TypeText(h.program.forms(), board.text1(cell), "5");
        ui::Press(h.program.forms(), board.text1(cell), *ui::ParseKeySequence("Delete"));
    }
}
BENCHMARK(BM_TypeDigit)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
