// One persona run on grid 1, headless: the message boxes are recorded, never waited for.
// Grid 1 holds a public double problem (made unique), judged until the judgement stalls.
#include <benchmark/benchmark.h>

#include <fstream>

#include "BenchBoard.h"
#include "UniqueProblem.h"
#include "candidates/Personas.h"
#include "candidates/frmKouho.h"
#include "grid/frmMozelAuto.h"
#include "ui/FormRegistry.h"
#include "ui/HeadlessServices.h"

namespace {

struct Problem {
    const char* file;
    int pattern;
};
const Problem kProblems[] = {{"sensei-1-180501-144448.hard.txt", 12}, {"sensei-4-180705-135510.36.Fishy.txt", 6}};

std::array<std::string, 2> Solution(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.size() == 81 && line.find(' ') == std::string::npos) lines.push_back(line);
    }
    return lines.size() >= 4 ? std::array<std::string, 2>{lines[2], lines[3]} : std::array<std::string, 2>{};
}

void BM_Kakuritu(benchmark::State& state) {
    const Problem& problem = kProblems[state.range(0)];
    const int persona = static_cast<int>(state.range(1));
    const std::string path = std::string(MOZEL_BENCH_DATA) + "/" + problem.file;
    UniqueGivens u = MakeUnique(problem.pattern, bench::ReadGivens(path), Solution(path));
    ui::HeadlessServices services;
    program::Program program{services.services()};
    program.Start();
    bench::TypeIn(program, problem.pattern, u.givens);
    auto& grid1 = program.frmMozelAuto();
    for (int k = 1; k <= 81; ++k) {
        char c = u.givens[0][static_cast<size_t>(k - 1)];
        grid1.Text1(k - 1).setText(c >= '1' && c <= '9' ? std::string(1, c) : "");
    }
    for (std::string before; before != grid1.Setting.text();) {
        before = grid1.Setting.text();
        grid1.cmdAutoHantei_Click();
    }
    auto& kouho = program.frmKouho();
    // A run that gives up leaves grid 1 as it found it, so every iteration starts alike.
    for (auto _ : state) {
        ui::FormRegistry::EventScope scope(program.forms());
        kouho.Kakuritu(candidates::Personas()[static_cast<size_t>(persona)]);
        state.PauseTiming();
        services.clearRecords();
        state.ResumeTiming();
    }
    state.SetLabel(std::string(problem.file) + " " + candidates::Personas()[static_cast<size_t>(persona)].caption);
}
BENCHMARK(BM_Kakuritu)->ArgsProduct({{0, 1}, {0, 1, 2, 3, 4, 5, 6}})->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
