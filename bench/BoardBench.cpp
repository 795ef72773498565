// Board commands headless: what the program itself costs, without any display.
#include <benchmark/benchmark.h>

#include "BenchBoard.h"
#include "ui/FormRegistry.h"
#include "ui/HeadlessServices.h"

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

}  // namespace

BENCHMARK_MAIN();
