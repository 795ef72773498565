// The same board commands with the real Qt windows on an offscreen screen, so that the cost of
// the display is known: the views are kept in step with the model, Refresh repaints at once,
// and what the command left for the event loop (the posted flush and the paints it causes) is
// counted too. Counters per command: "syncs", the control views synced, "refreshes", the
// windows' Refresh calls, and "repaints", the windows' repaints (Refresh repaints at most once
// a screen frame; the "_EveryRefresh" runs repaint at each, as the binding once did).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <fstream>
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
// painted, until the windows have repainted (goal: one screen frame, 16 ms). Each run starts
// from the same board and candidates: undo takes the 適用 back and ヒント shows the step again.
// Boards: an easy problem from its start (singles), a hard one after range(0) steps carried out,
// and the board of tests/scripts/hint-chain.txt after five removals, where the next step is an
// alternating inference chain. "hints" checks that every run showed a new step; "repaints"
// counts the windows' repaints (the board's and the hint window's).
// An empty board of the pattern (a board with digits keeps its pattern).
void EmptyBoard(OnScreen& s, int pattern) {
    board::frmAllGamen& main = s.program.frmAllGamen();
    for (int c = 1; c <= 225; ++c) main.text1(c).setText("");
    while (s.program.cmn().PatternNo != pattern) main.cmdPattern.click();
    s.pattern = pattern;
}

template <typename PlaceBoard>
void HintApplyNext(benchmark::State& state, PlaceBoard placeBoard) {
    OnScreen s;
    placeBoard(s);
    Settle();
    board::frmAllGamen& main = s.program.frmAllGamen();
    ui::FormRegistry& forms = s.program.forms();
    hint::frmHint& window = s.program.frmHint();
    ui::Click(forms, main.cmdHint);
    for (int64_t n = 0; n < state.range(0); ++n) ui::Click(forms, window.cmdApply);
    Settle();
    const std::string shownFirst = window.lblText.caption();
    std::string next;
    long shown = 0;
    long repaints = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        const long repaintedBefore = s.repaints();
        state.ResumeTiming();
        ui::Click(forms, window.cmdApply);
        Settle();
        state.PauseTiming();
        repaints += s.repaints() - repaintedBefore;
        next = window.lblText.caption();
        shown += window.visible() && next != shownFirst;
        s.program.journal().undo();
        ui::Click(forms, main.cmdHint);
        Settle();
        if (window.lblText.caption() != shownFirst) state.SkipWithError("the step shown changed");
        state.ResumeTiming();
    }
    state.SetLabel("next: " + next.substr(0, next.find('\n')));
    state.counters["hints"] = benchmark::Counter(static_cast<double>(shown), benchmark::Counter::kAvgIterations);
    state.counters["repaints"] = benchmark::Counter(static_cast<double>(repaints), benchmark::Counter::kAvgIterations);
}

void BM_Qt_HintApplyNext_Easy(benchmark::State& state) {
    HintApplyNext(state, [](OnScreen&) {});
}
BENCHMARK(BM_Qt_HintApplyNext_Easy)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_Qt_HintApplyNext_Hard(benchmark::State& state) {
    HintApplyNext(state, [](OnScreen& s) {
        EmptyBoard(s, 12);
        s.givens = bench::ReadGivens(MOZEL_BENCH_DATA "/sensei-1-180501-144448.hard.txt");
        s.reset();
    });
}
BENCHMARK(BM_Qt_HintApplyNext_Hard)->Arg(0)->Arg(40)->Arg(80)->Unit(benchmark::kMillisecond);

void BM_Qt_HintApplyNext_Chain(benchmark::State& state) {
    HintApplyNext(state, [](OnScreen& s) {
        EmptyBoard(s, 12);
        board::frmAllGamen& main = s.program.frmAllGamen();
        std::ifstream script(MOZEL_BENCH_DATA "/../scripts/hint-chain.txt");
        for (std::string line; std::getline(script, line);) {
            int cell = 0;
            char digit = 0;
            if (std::sscanf(line.c_str(), "set frmAllGamen.text1(%d).Text \"%c\"", &cell, &digit) == 2)
                main.text1(cell).setText(std::string(1, digit));
        }
    });
}
BENCHMARK(BM_Qt_HintApplyNext_Chain)->Arg(5)->Unit(benchmark::kMillisecond);

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
