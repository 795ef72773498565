// The same board commands with the real Qt windows on an offscreen screen, so that the cost of
// the display is known: the views are kept in step with the model, Refresh repaints at once,
// and what the command left for the event loop (the posted flush and the paints it causes) is
// counted too. Counters per command: "syncs", the control views synced, "refreshes", the
// windows' Refresh calls, and "repaints", the windows' repaints (Refresh repaints at most once
// a screen frame; the "_EveryRefresh" runs repaint at each, as the binding once did).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <chrono>
#include <thread>

#include "BenchBoard.h"
#include "hint/frmHint.h"
#include "ui/FormRegistry.h"
#include "ui/HeadlessServices.h"
#include "ui/UserInput.h"
#include "ui/qt/Convert.h"
#include "options/frmOption01.h"
#include "ui/qt/ViewManager.h"

namespace {

// Runs the event loop until the posted flush and the repaints it caused are done: widgets post
// their repaints while the flush runs, and those wait for the next pass.
void Settle() {
    for (int pass = 0; pass < 3; ++pass) QApplication::processEvents();
}

struct OnScreen {
    ui::HeadlessServices services;  // no modal message boxes in a benchmark
    program::Program program{services.services()};
    ui::qt::ViewManager views{program.forms()};
    int pattern;
    std::array<std::string, 2> givens;
    explicit OnScreen(const char* problem = bench::kProblem, int pattern = bench::kPattern)
        : pattern(pattern), givens(bench::ReadGivens(problem)) {
        program.Start();
        bench::TypeIn(program, pattern, givens);
        Settle();
    }
    void reset() {
        bench::TypeIn(program, pattern, givens);
        Settle();
    }
    long refreshes() {
        long total = 0;
        for (ui::Form* form : program.forms().loaded()) total += form->refreshCount();
        return total;
    }
    long controlSyncs() {
        long total = 0;
        for (ui::Form* form : program.forms().loaded()) {
            if (ui::qt::FormView* view = views.viewOf(*form)) total += view->controlSyncs();
        }
        return total;
    }
    long repaints() {
        long total = 0;
        for (ui::Form* form : program.forms().loaded()) {
            if (ui::qt::FormView* view = views.viewOf(*form)) total += view->repaints();
        }
        return total;
    }
};

// How Refresh repaints: at most once a screen frame (as shipped), or at every call.
enum class Repaint { Paced, EveryRefresh };

template <typename Command>
void Run(benchmark::State& state, Command command, bool screenDisplay = true, Repaint repaint = Repaint::Paced) {
    OnScreen s;
    s.program.frmOption01().chkGlook.setValue(screenDisplay ? 1 : 0);
    s.views.setPacedRefresh(repaint == Repaint::Paced);
    long syncs = 0;
    long refreshes = 0;
    long repaints = 0;
    for (auto _ : state) {
        state.PauseTiming();
        s.reset();
        // A frame at rest, as before a user's click: the command's first Refresh repaints at once.
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        long before = s.controlSyncs();
        long refreshedBefore = s.refreshes();
        long repaintedBefore = s.repaints();
        state.ResumeTiming();
        {
            ui::FormRegistry::EventScope scope(s.program.forms());
            command(s.program.frmAllGamen());
        }
        Settle();
        state.PauseTiming();
        syncs += s.controlSyncs() - before;
        refreshes += s.refreshes() - refreshedBefore;
        repaints += s.repaints() - repaintedBefore;
        state.ResumeTiming();
    }
    state.counters["syncs"] = benchmark::Counter(static_cast<double>(syncs), benchmark::Counter::kAvgIterations);
    state.counters["refreshes"] = benchmark::Counter(static_cast<double>(refreshes), benchmark::Counter::kAvgIterations);
    state.counters["repaints"] = benchmark::Counter(static_cast<double>(repaints), benchmark::Counter::kAvgIterations);
}

// 自動123 and 判定A with 画面表示 on (goal: one screen frame, 16 ms, with the final state
// painted), against the repaint at every Refresh in the same run, and with 画面表示 off (the
// windows are not repainted during the judgements).
const auto Hantei123 = [](board::frmAllGamen& w) { w.cmdHantei123_Click(); };
const auto HanteiA3 = [](board::frmAllGamen& w) { w.cmdHanteiA_Click(3); };

void BM_Qt_cmdHantei123(benchmark::State& state) { Run(state, Hantei123); }
BENCHMARK(BM_Qt_cmdHantei123)->Unit(benchmark::kMillisecond);

void BM_Qt_cmdHantei123_EveryRefresh(benchmark::State& state) {
    Run(state, Hantei123, true, Repaint::EveryRefresh);
}
BENCHMARK(BM_Qt_cmdHantei123_EveryRefresh)->Unit(benchmark::kMillisecond);

void BM_Qt_cmdHantei123_NoScreenDisplay(benchmark::State& state) {
    Run(state, Hantei123, false);
}
BENCHMARK(BM_Qt_cmdHantei123_NoScreenDisplay)->Unit(benchmark::kMillisecond);

void BM_Qt_cmdHanteiA3(benchmark::State& state) { Run(state, HanteiA3); }
BENCHMARK(BM_Qt_cmdHanteiA3)->Unit(benchmark::kMillisecond);

void BM_Qt_cmdHanteiA3_EveryRefresh(benchmark::State& state) {
    Run(state, HanteiA3, true, Repaint::EveryRefresh);
}
BENCHMARK(BM_Qt_cmdHanteiA3_EveryRefresh)->Unit(benchmark::kMillisecond);

void BM_Qt_cmdHanteiA3_NoScreenDisplay(benchmark::State& state) {
    Run(state, HanteiA3, false);
}
BENCHMARK(BM_Qt_cmdHanteiA3_NoScreenDisplay)->Unit(benchmark::kMillisecond);

void BM_Qt_cmdHantei5(benchmark::State& state) { Run(state, [](auto& w) { w.cmdHantei_Click(5); }); }
BENCHMARK(BM_Qt_cmdHantei5)->Unit(benchmark::kMillisecond);

// Undo and redo of 自動123 on the board, until the windows have repainted: what Ctrl+Z and
// Ctrl+Y cost the user (goal: one screen frame, 16 ms). "changes" counts the control views
// synced.
void UndoRedo(benchmark::State& state, bool undo) {
    OnScreen s;
    ui::Journal& journal = s.program.journal();
    long syncs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        s.reset();
        {
            ui::FormRegistry::EventScope scope(s.program.forms());
            s.program.frmAllGamen().cmdHantei123_Click();
        }
        Settle();
        if (!undo) {
            journal.undo();
            Settle();
        }
        long before = s.controlSyncs();
        state.ResumeTiming();
        undo ? journal.undo() : journal.redo();
        Settle();
        state.PauseTiming();
        syncs += s.controlSyncs() - before;
        journal.clear();
        state.ResumeTiming();
    }
    state.counters["syncs"] = benchmark::Counter(static_cast<double>(syncs), benchmark::Counter::kAvgIterations);
}

void BM_Qt_Undo_cmdHantei123(benchmark::State& state) { UndoRedo(state, true); }
BENCHMARK(BM_Qt_Undo_cmdHantei123)->Unit(benchmark::kMillisecond);

void BM_Qt_Redo_cmdHantei123(benchmark::State& state) { UndoRedo(state, false); }
BENCHMARK(BM_Qt_Redo_cmdHantei123)->Unit(benchmark::kMillisecond);

// The board with every empty cell's candidates drawn small (goal: one screen frame, 16 ms):
// 候補 turned on until the windows have repainted, and the whole main window painted with the
// candidates shown.
void BM_Qt_ShowCandidates(benchmark::State& state) {
    OnScreen s;
    board::frmAllGamen& main = s.program.frmAllGamen();
    for (auto _ : state) {
        state.PauseTiming();
        main.ShowCandidates(false);
        Settle();
        state.ResumeTiming();
        {
            ui::FormRegistry::EventScope scope(s.program.forms());
            main.chkKouho.click();
        }
        Settle();
    }
}
BENCHMARK(BM_Qt_ShowCandidates)->Unit(benchmark::kMillisecond);

void BM_Qt_RepaintBoardWithCandidates(benchmark::State& state) {
    OnScreen s;
    board::frmAllGamen& main = s.program.frmAllGamen();
    main.ShowCandidates(true);
    Settle();
    QWidget* window = s.views.viewOf(main);
    // Rendering the window into an image paints every cell, whatever the screen shows.
    for (auto _ : state) benchmark::DoNotOptimize(window->grab());
}
BENCHMARK(BM_Qt_RepaintBoardWithCandidates)->Unit(benchmark::kMillisecond);

// The hint window's 適用: the step shown carried out and the next step found, shown and
// painted, until the windows have repainted (goal: one screen frame, 16 ms). From the start of
// an easy problem (singles), and from a hard one after `range(0)` steps carried out (where the
// steps need more than singles). "hints" checks that each run showed a step.
void HintApplyNext(benchmark::State& state, const char* problem, int pattern) {
    OnScreen s(problem, pattern);
    board::frmAllGamen& main = s.program.frmAllGamen();
    ui::FormRegistry& forms = s.program.forms();
    ui::Click(forms, main.cmdHint);
    for (int64_t n = 0; n < state.range(0); ++n) ui::Click(forms, s.program.frmHint().cmdApply);
    // The board reached is where every run starts.
    for (int g = 1; g <= 2; ++g)
        for (int k = 1; k <= 81; ++k) {
            const std::string& text = main.text1(s.program.cmn().GridMasu[pattern][g][k]).text();
            s.givens[static_cast<std::size_t>(g - 1)][static_cast<std::size_t>(k - 1)] = text.empty() ? '.' : text.back();
        }
    hint::frmHint& window = s.program.frmHint();
    long shown = 0;
    for (auto _ : state) {
        state.PauseTiming();
        s.reset();
        ui::Click(forms, main.cmdHint);
        Settle();
        const std::string before = window.lblText.caption();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        state.ResumeTiming();
        ui::Click(forms, window.cmdApply);
        Settle();
        state.PauseTiming();
        shown += window.visible() && window.lblText.caption() != before;
        state.ResumeTiming();
    }
    state.SetLabel(window.lblText.caption().substr(0, window.lblText.caption().find('\n')));
    state.counters["hints"] = benchmark::Counter(static_cast<double>(shown), benchmark::Counter::kAvgIterations);
}

void BM_Qt_HintApplyNext_Easy(benchmark::State& state) { HintApplyNext(state, bench::kProblem, bench::kPattern); }
BENCHMARK(BM_Qt_HintApplyNext_Easy)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_Qt_HintApplyNext_Hard(benchmark::State& state) {
    HintApplyNext(state, MOZEL_BENCH_DATA "/sensei-1-180501-144448.hard.txt", 12);
}
BENCHMARK(BM_Qt_HintApplyNext_Hard)->Arg(0)->Arg(40)->Arg(80)->Unit(benchmark::kMillisecond);

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
