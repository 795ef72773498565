// A whole batch through mozeldouble-solve against the engine's own time: 10,000 lines of
// - hard9x9: the hard 9x9 problems of tests/data/hard-9x9.txt as grid 1 of pattern 12, grid 2
//   complete (as bench/EngineBench.cpp builds them), repeated;
// - doubles: the public double problems of tests/data made unique, repeated;
// each read from a file and from standard input, answered as plain lines and with --json,
// written to a file.
//
// The engine's time is the CPU time of puzzle::Solve (the call the program makes) over the same
// 10,000 boards in this process; a batch's time is the CPU time (user and system) of the
// program's process, start-up included; the start-up is that of a run of one line. Each is
// the fastest of the iterations: other work on a busy machine only adds time. Counters, per
// line: line_us (the batch), engine_us, beyond_us (line_us - engine_us), beyond_run_us (the
// same without the start-up, which a batch pays once); startup_ms; wall_us is the batch's
// wall-clock time per line, for reference.
//
//   mozel_bench_batch [BENCHMARK-FLAGS] [--solver NAME=PATH]...
//       --solver adds another build of mozeldouble-solve, raced beside this build's in one run
//       (an older build, to compare before and after).
//   mozel_bench_batch --write-batches FOLDER
//       writes the two 10,000-line files (hard9x9-10000.txt, doubles-10000.txt) and ends.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "GattaiPairs.h"
#include "Hard9x9.h"
#include "UniqueProblem.h"
#include "puzzle/ProblemLine.h"
#include "puzzle/Solver.h"

extern char** environ;

namespace {

constexpr std::size_t kLines = 10000;

// The set's problems repeated to kLines boards.
std::vector<puzzle::DoubleBoard> Repeated(const std::vector<puzzle::DoubleBoard>& problems) {
    if (problems.empty()) throw std::runtime_error("no test problems in " MOZEL_BENCH_DATA);
    std::vector<puzzle::DoubleBoard> boards;
    for (std::size_t i = 0; i < kLines; ++i) boards.push_back(problems[i % problems.size()]);
    return boards;
}

std::vector<puzzle::DoubleBoard> Hard9x9Boards() {
    std::vector<puzzle::DoubleBoard> v;
    for (const Hard9x9& h : LoadHard9x9(MOZEL_BENCH_DATA)) v.push_back(h.givens);
    return Repeated(v);
}

std::vector<puzzle::DoubleBoard> DoubleBoards() {
    std::vector<puzzle::DoubleBoard> v;
    for (GattaiPair& p : LoadAllGattaiPairs(MOZEL_BENCH_DATA)) {
        GiveUntilUnique(p.givens, p.solution);
        v.push_back(p.givens);
    }
    return Repeated(v);
}

struct Batch {
    std::string name;
    std::vector<puzzle::DoubleBoard> boards;
};

const std::vector<Batch>& Batches() {
    static const std::vector<Batch> batches{{"hard9x9", Hard9x9Boards()}, {"doubles", DoubleBoards()}};
    return batches;
}

void WriteBatch(const Batch& batch, const std::string& path) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (const puzzle::DoubleBoard& b : batch.boards) out << puzzle::FormatProblemLine(b) << '\n';
    if (!out.flush()) throw std::runtime_error("cannot write " + path);
}

// A folder of this process's own for the batch files and the answers.
const std::filesystem::path& Scratch() {
    static const std::filesystem::path folder = [] {
        auto p = std::filesystem::temp_directory_path() / ("mozel-bench-batch-" + std::to_string(getpid()));
        std::filesystem::create_directories(p);
        for (const Batch& b : Batches()) {
            WriteBatch(b, (p / (b.name + ".txt")).string());
            WriteBatch({b.name, {b.boards.front()}}, (p / (b.name + "-1.txt")).string());
        }
        return p;
    }();
    return folder;
}

double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// CPU seconds of Solve over every board, in one go (no clock read per board).
double EngineSeconds(const std::vector<puzzle::DoubleBoard>& boards) {
    double start = CpuSeconds();
    for (const puzzle::DoubleBoard& b : boards) benchmark::DoNotOptimize(puzzle::Solve(b));
    return CpuSeconds() - start;
}

struct Run {
    double cpu = 0;   // user + system seconds of the child
    double wall = 0;  // seconds
    bool ok = false;
};

// One run of the solver with args, standard input and output redirected to files.
Run RunSolver(const std::string& solver, const std::vector<std::string>& args, const std::string& input,
              const std::string& output) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, input.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<std::string> words{solver};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    Run run;
    auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    int spawned = posix_spawn(&pid, solver.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return run;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) return run;
    run.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
    run.cpu = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

// The batch through solver: from the file named as an argument or from standard input, with or
// without --json; each iteration one run, beside one timed pass of the engine.
void BM_Batch(benchmark::State& state, std::string solver, std::size_t batchIndex, bool json, bool standardInput) {
    const Batch& batch = Batches()[batchIndex];
    const std::string input = (Scratch() / (batch.name + ".txt")).string();
    const std::string one = (Scratch() / (batch.name + "-1.txt")).string();
    const std::string output = (Scratch() / (batch.name + ".out")).string();
    auto args = [&](const std::string& file) {
        std::vector<std::string> words;
        if (json) words.push_back("--json");
        words.push_back(standardInput ? "-" : file);
        return words;
    };
    double line = 1e9, wall = 1e9, engine = 1e9, startup = 1e9;
    for (auto _ : state) {
        Run start = RunSolver(solver, args(one), one, output);
        Run run = RunSolver(solver, args(input), input, output);
        if (!run.ok || !start.ok) {
            state.SkipWithError("the solver did not answer the batch");
            return;
        }
        startup = std::min(startup, start.cpu);
        line = std::min(line, run.cpu);
        wall = std::min(wall, run.wall);
        engine = std::min(engine, EngineSeconds(batch.boards));
    }
    std::ifstream answers(output);
    std::size_t lines = static_cast<std::size_t>(std::count(std::istreambuf_iterator<char>(answers), {}, '\n'));
    if (lines != batch.boards.size()) {
        state.SkipWithError("the solver did not answer every line");
        return;
    }
    const double perLine = 1e6 / static_cast<double>(lines);
    state.counters["line_us"] = line * perLine;
    state.counters["engine_us"] = engine * perLine;
    state.counters["beyond_us"] = (line - engine) * perLine;
    state.counters["beyond_run_us"] = (line - startup - engine) * perLine;
    state.counters["startup_ms"] = startup * 1e3;
    state.counters["wall_us"] = wall * perLine;
}

void Register(const std::string& name, const std::string& solver) {
    for (std::size_t b = 0; b < Batches().size(); ++b)
        for (bool json : {false, true})
            for (bool standardInput : {false, true}) {
                std::string label = "BM_Batch/" + name + "/" + Batches()[b].name + (json ? "/json" : "/plain") +
                                    (standardInput ? "/stdin" : "/file");
                benchmark::RegisterBenchmark(label.c_str(), BM_Batch, solver, b, json, standardInput)
                    ->Unit(benchmark::kMillisecond)
                    ->Iterations(9);
            }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--write-batches") {
        for (const Batch& b : Batches()) WriteBatch(b, (std::filesystem::path(argv[2]) / (b.name + "-10000.txt")).string());
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    std::vector<std::pair<std::string, std::string>> solvers{{"this", MOZEL_SOLVE}};
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        std::size_t equals = arg.find('=');
        if (arg != "--solver" || i + 1 >= argc || (equals = std::string(argv[i + 1]).find('=')) == std::string::npos) {
            std::fprintf(stderr, "mozel_bench_batch: unknown argument %s (--solver NAME=PATH)\n", argv[i]);
            return 1;
        }
        std::string named = argv[++i];
        solvers.emplace_back(named.substr(0, equals), named.substr(equals + 1));
    }
    for (const auto& [name, path] : solvers) Register(name, path);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ec;
    std::filesystem::remove_all(Scratch(), ec);
    return 0;
}
