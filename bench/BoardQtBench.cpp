// The same board commands with the real Qt windows on an offscreen screen, so that the cost of
// the display is known: every model change reaches its widget and Refresh repaints at once.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "BenchBoard.h"
#include "ui/FormRegistry.h"
#include "ui/HeadlessServices.h"
#include "ui/qt/Convert.h"
#include "options/frmOption01.h"
#include "ui/qt/ViewManager.h"

namespace {

struct OnScreen {
    ui::HeadlessServices services;  // no modal message boxes in a benchmark
    program::Program program{services.services()};
    ui::qt::ViewManager views{program.forms()};
    std::array<std::string, 2> givens = bench::ReadGivens(bench::kProblem);
    OnScreen() {
        program.Start();
        bench::TypeIn(program, bench::kPattern, givens);
        QApplication::processEvents();
    }
    void reset() {
        bench::TypeIn(program, bench::kPattern, givens);
        QApplication::processEvents();
    }
};

template <typename Command>
void Run(benchmark::State& state, Command command, bool screenDisplay = true) {
    OnScreen s;
    s.program.frmOption01().chkGlook.setValue(screenDisplay ? 1 : 0);
    for (auto _ : state) {
        state.PauseTiming();
        s.reset();
        state.ResumeTiming();
        {
            ui::FormRegistry::EventScope scope(s.program.forms());
            command(s.program.frmAllGamen());
        }
        // Paint what the command left for later as well.
        QApplication::processEvents();
    }
}

void BM_Qt_cmdHantei123(benchmark::State& state) { Run(state, [](auto& w) { w.cmdHantei123_Click(); }); }
BENCHMARK(BM_Qt_cmdHantei123)->Unit(benchmark::kMillisecond);

void BM_Qt_cmdHanteiA3(benchmark::State& state) { Run(state, [](auto& w) { w.cmdHanteiA_Click(3); }); }
BENCHMARK(BM_Qt_cmdHanteiA3)->Unit(benchmark::kMillisecond);

// With 画面表示 off the windows are not repainted during the judgements.
void BM_Qt_cmdHanteiA3_NoScreenDisplay(benchmark::State& state) {
    Run(state, [](auto& w) { w.cmdHanteiA_Click(3); }, false);
}
BENCHMARK(BM_Qt_cmdHanteiA3_NoScreenDisplay)->Unit(benchmark::kMillisecond);

void BM_Qt_cmdHantei5(benchmark::State& state) { Run(state, [](auto& w) { w.cmdHantei_Click(5); }); }
BENCHMARK(BM_Qt_cmdHantei5)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setFont(ui::qt::UiFont(9));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
