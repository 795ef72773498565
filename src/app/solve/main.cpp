// mozeldouble-solve: answers double problems given one per line (no solution, exactly one, or
// two different ones), or generates problems with exactly one solution.
#include <cerrno>
#include <chrono>
#include <csignal>
#include <exception>
#include <filesystem>
#include <charconv>
#include <fstream>
#include <iostream>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "app/solve/Answer.h"
#include "app/solve/CollectionIO.h"
#include "app/solve/InputFile.h"
#include "app/solve/LineInput.h"
#include "puzzle/Difficulty.h"
#include "puzzle/ProblemLine.h"
#include "collection/CollectionFile.h"
#include "collection/MondaiRec.h"
#include "puzzle/Generator.h"
#include "puzzle/StepPath.h"

namespace {

constexpr int kOk = 0;
constexpr int kUnreadable = 2;
// Seeds tried for one problem of a wanted difficulty before giving up.
constexpr int kRatingTries = 20000;

constexpr const char* kUsage =
    "使い方:\n"
    "  mozeldouble-solve [--json] [--steps] [--write-collection 問題集ファイル]\n"
    "                    [FILE|-|--collection 問題集ファイル]...\n"
    "      問題を1行に1つ読み、解が1つだけか (unique)、2つ以上か (multiple)、ないか (none) を答えます。\n"
    "      FILE がないか - のときは標準入力を読みます。\n"
    "      行の形: パターン番号 グリッド181文字 グリッド281文字 [x]\n"
    "      マスは 1〜9、空きは . か 0。x は対角ルール。空行と # で始まる行は読み飛ばします。\n"
    "      --json  答えを1行に1つの JSON で書きます\n"
    "              (キー: line または number, status, solution, second, message,\n"
    "              steps, rating, micros)。\n"
    "      --steps 解がある問題には、ヒントから人が解く手順 (手筋とその難しさの数、決まること、説明) と\n"
    "              難易度 (いちばん難しい手筋とその数 1.0〜10.0、最後まで解けたか) を答えの後に書きます\n"
    "              (JSON ではキー steps と rating)。\n"
    "      --collection 問題集ファイル  行の代わりに問題集ファイルの問題を読みます。\n"
    "              答えは行番号の代わりに格納番号 (JSON ではキー number) で示します。\n"
    "      --write-collection 問題集ファイル  読めた問題を新しい問題集ファイルにも書きます。\n"
    "  mozeldouble-solve --generate PATTERN [--diagonal] [--count N] [--seed S] [--rating R]\n"
    "                    [--write-collection 問題集ファイル]\n"
    "      解が1つだけで、どのヒントも欠かせない問題を N 個 (既定 1) 作り、上の行の形で書きます。\n"
    "      同じ S からは同じ問題ができます。k 番目の問題は S + k - 1 から作ります。\n"
    "      --rating R  難易度 R の問題を作ります (S, S + 1, ... と順に試します)。R と難しさの数は\n"
    "              singles (1.0〜2.0 シングルだけで解ける)、locked (2.1〜2.9 ポインティング・クレーミングまで)、\n"
    "              subsets (3.0〜3.9 ペア・トリプル・クアッドまで)、\n"
    "              fish (4.0〜4.9 フィッシュ、スカイスクレイパー、カイト、エンプティレクタングルまで)、\n"
    "              wings (5.0〜5.9 XY・XYZ・Wウィングまで)、\n"
    "              chains (6.0〜7.9 チェーン、ユニークレクタングル、BUG+1、ALS まで)、\n"
    "              guess (8.0〜 フォーシングチェーンが要る)。\n"
    "              各問題の前の # seed の数を --seed に渡すと、その問題がもう一度できます。\n"
    "      --write-collection 問題集ファイル  作った問題を新しい問題集ファイルにも書きます。\n"
    "  問題集ファイルには格納番号 1, 3, 5, ... に 45 問まで書きます。すでにあるファイルには書きません。\n"
    "  難易度の欄には 1 (singles) 〜 7 (guess) を書きます。\n"
    "  mozeldouble-solve --help\n"
    "終了コード: 0 すべて読めた / 2 読めない引数・ファイル・行があった (読めた行には答えます)\n";

struct Arguments {
    bool json = false;
    bool steps = false;
    struct Input {
        std::string path;  // "-" is standard input
        bool collection = false;
    };
    std::vector<Input> inputs;
    // --generate
    int generatePattern = 0;
    bool diagonal = false;
    int count = 1;
    std::optional<uint64_t> seed;
    std::optional<puzzle::Level> rating;
    std::optional<std::string> writeCollection;
};

template <typename T>
std::optional<T> Number(const std::string& text) {
    T value{};
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// Nothing (after a message on standard error) when the arguments cannot be read.
std::optional<Arguments> ParseArguments(const std::vector<std::string>& argv) {
    Arguments args;
    auto fail = [](const std::string& message) -> std::optional<Arguments> {
        std::cerr << "mozeldouble-solve: " << message << "\n" << kUsage;
        return std::nullopt;
    };
    for (std::size_t i = 0; i < argv.size(); ++i) {
        const std::string& arg = argv[i];
        auto value = [&]() -> std::optional<std::string> {
            if (i + 1 >= argv.size()) return std::nullopt;
            return argv[++i];
        };
        if (arg == "--json") {
            args.json = true;
        } else if (arg == "--steps") {
            args.steps = true;
        } else if (arg == "--diagonal") {
            args.diagonal = true;
        } else if (arg == "--collection" || arg == "--write-collection") {
            std::optional<std::string> v = value();
            if (!v) return fail(arg + " の後にファイル名がありません");
            if (arg == "--collection")
                args.inputs.push_back({*v, true});
            else
                args.writeCollection = *v;
        } else if (arg == "--rating") {
            std::optional<std::string> v = value();
            if (!v) return fail("--rating の後に難易度がありません");
            args.rating = puzzle::LevelNamed(*v);
            if (!args.rating)
                return fail("難易度「" + *v + "」は singles、locked、subsets、fish、wings、chains、guess のどれでもありません");
        } else if (arg == "--generate" || arg == "--count" || arg == "--seed") {
            std::optional<std::string> v = value();
            if (!v) return fail(arg + " の後に数がありません");
            if (arg == "--seed") {
                args.seed = Number<uint64_t>(*v);
                if (!args.seed) return fail("--seed「" + *v + "」は 0 以上の整数ではありません");
                continue;
            }
            std::optional<int> n = Number<int>(*v);
            if (arg == "--generate") {
                if (!n || !puzzle::IsPattern(*n)) return fail("パターン番号「" + *v + "」は 1〜12 の数ではありません");
                args.generatePattern = *n;
            } else {
                if (!n || *n < 1) return fail("--count「" + *v + "」は 1 以上の整数ではありません");
                args.count = *n;
            }
        } else if (arg.starts_with("-") && arg != "-") {
            return fail("知らないオプション「" + arg + "」です");
        } else {
            args.inputs.push_back({arg, false});
        }
    }
    if (args.generatePattern == 0 && (args.diagonal || args.seed || args.count != 1 || args.rating))
        return fail("--diagonal、--count、--seed、--rating は --generate と一緒に使います");
    if (args.generatePattern != 0 && !args.inputs.empty()) return fail("--generate はファイルを読みません");
    if (args.generatePattern != 0 && (args.json || args.steps)) return fail("--json と --steps は問題を読むときに使います");
    if (args.writeCollection && args.count > collection::kLastRecord / 2)
        return fail("問題集に入る問題は " + std::to_string(collection::kLastRecord / 2) + " 個までです");
    if (args.inputs.empty()) args.inputs.push_back({"-", false});
    return args;
}

puzzle::SolveResult Timed(const puzzle::DoubleBoard& board, int64_t& micros) {
    auto start = std::chrono::steady_clock::now();
    puzzle::SolveResult r = puzzle::Solve(board);
    micros = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start).count();
    return r;
}

// The problems to write as a collection (--write-collection), gathered while answering or
// generating and written at the end.
std::vector<solve::ProblemToStore> toStore;

// A problem to store, its record noting the level: difficulty field 1 (singles) .. 7 (guess).
solve::ProblemToStore Stored(const puzzle::DoubleBoard& board, puzzle::Level level, std::string memo) {
    return {board, static_cast<int>(level) + 1, std::move(memo) + "難易度 " + std::string(puzzle::LevelName(level))};
}

// Refuses an existing collection to write before any work is done.
bool CollectionFree(const Arguments& args) {
    std::error_code ec;
    if (!args.writeCollection || !std::filesystem::exists(*args.writeCollection, ec)) return true;
    std::cerr << "mozeldouble-solve: " << *args.writeCollection << ": ファイルがすでにあります（上書きはしません）\n";
    return false;
}

// Writes the gathered problems when a collection is wanted; false (after a message) on failure.
bool WriteStored(const Arguments& args) {
    if (!args.writeCollection) return true;
    if (std::optional<std::string> error = solve::WriteCollection(*args.writeCollection, toStore)) {
        std::cerr << "mozeldouble-solve: " << *args.writeCollection << ": " << *error << "\n";
        return false;
    }
    return true;
}

// Answers one problem (or names why it could not be read) on standard output; number is the
// line number, or the storage number when stored.
void AnswerProblem(const puzzle::ProblemLine& problem, int number, bool stored, const Arguments& args) {
    solve::Answer a;
    a.line = number;
    a.stored = stored;
    if (problem.kind == puzzle::ProblemLine::Kind::Error) {
        a.error = true;
        a.message = problem.message;
    } else {
        a.result = Timed(problem.board, a.micros);
        a.pattern = problem.board.pattern;
        // A board without solution has no path to rate.
        if (args.steps && a.result.verdict != puzzle::Verdict::None) a.path = puzzle::RunPath(problem.board);
        if (args.writeCollection) {
            puzzle::Rating rating = a.path ? a.path->rating : puzzle::RunPath(problem.board).rating;
            toStore.push_back(Stored(problem.board, puzzle::LevelOf(rating), ""));
        }
    }
    std::cout << (args.json ? solve::JsonLine(a) : solve::PlainLine(a)) << "\n";
}

// Answers every problem of a collection file; false when the file or a problem could not be
// read, or the file holds no problem.
bool AnswerCollection(const std::string& path, const Arguments& args) {
    std::string error;
    std::optional<std::vector<solve::StoredProblem>> problems = solve::ReadCollection(path, error);
    if (!problems) {
        std::cerr << "mozeldouble-solve: " << path << ": " << error << "\n";
        return false;
    }
    if (problems->empty()) {
        std::cerr << "mozeldouble-solve: " << path << ": 問題集に問題がありません\n";
        return false;
    }
    bool ok = true;
    for (const solve::StoredProblem& p : *problems) {
        AnswerProblem(p.problem, p.number, true, args);
        ok = ok && p.problem.kind != puzzle::ProblemLine::Kind::Error;
    }
    return ok;
}

// The answer for a line longer than the reader keeps.
puzzle::ProblemLine TooLongLine() {
    puzzle::ProblemLine line;
    line.kind = puzzle::ProblemLine::Kind::Error;
    line.message = "行が長すぎます（" + std::to_string(solve::kMaxLineBytes) + " バイトまでです）";
    return line;
}

// Answers every problem line of one input; false when a line could not be read or the input
// holds no problem.
bool AnswerLines(std::istream& in, const std::string& name, const Arguments& args) {
    bool ok = true;
    int problems = 0;
    int number = 0;
    std::string text;
    for (solve::LineRead read; (read = solve::ReadLine(in, text)) != solve::LineRead::End;) {
        ++number;
        if (read == solve::LineRead::TooLong) {
            // A long comment is passed over; any other line is answered before the rest of it
            // is, which may never end (/dev/zero).
            if (std::size_t start = text.find_first_not_of(" \t"); start == std::string::npos || text[start] != '#') {
                ++problems;
                AnswerProblem(TooLongLine(), number, false, args);
                std::cout.flush();
                ok = false;
            }
            solve::SkipRestOfLine(in);
            continue;
        }
        // Editors on Windows may start a UTF-8 file with a byte order mark.
        if (number == 1 && text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);
        puzzle::ProblemLine line = puzzle::ParseProblemLine(text);
        if (line.kind == puzzle::ProblemLine::Kind::Skip) continue;
        ++problems;
        AnswerProblem(line, number, false, args);
        ok = ok && line.kind != puzzle::ProblemLine::Kind::Error;
    }
    if (in.bad()) {
        std::cerr << "mozeldouble-solve: " << name << ": 読み込みの途中で失敗しました\n";
        return false;
    }
    if (problems == 0) {
        std::cerr << "mozeldouble-solve: " << name << ": 問題の行がありません\n";
        return false;
    }
    return ok;
}

int Generate(const Arguments& args) {
    if (!CollectionFree(args)) return kUnreadable;
    uint64_t seed = args.seed ? *args.seed : (uint64_t{std::random_device{}()} << 32) ^ std::random_device{}();
    for (int k = 0; k < args.count; ++k) {
        puzzle::GenerateRequest request{.pattern = args.generatePattern, .diagonal = args.diagonal, .level = args.rating,
                                        .seed = seed, .maxSeeds = kRatingTries};
        std::optional<puzzle::GeneratedProblem> made = puzzle::GenerateLeveled(request);
        if (!made) {
            std::cout.flush();
            std::cerr << "mozeldouble-solve: 難易度 " << puzzle::LevelName(*args.rating) << " の問題が " << kRatingTries
                      << " 回試しても作れませんでした (最後の種 " << seed + kRatingTries - 1 << ")\n";
            return kUnreadable;
        }
        seed = made->seed;
        std::cout << "# seed " << seed << "\n" << puzzle::FormatProblemLine(made->problem) << "\n";
        if (args.writeCollection) toStore.push_back(Stored(made->problem, made->level, "自動生成 種 " + std::to_string(seed) + " "));
        ++seed;
    }
    return WriteStored(args) ? kOk : kUnreadable;
}

// The whole run: the arguments read, then problems answered or generated.
int Run(int argc, char** argv) {
    std::vector<std::string> argv_(argv + 1, argv + argc);
    for (const std::string& arg : argv_) {
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return kOk;
        }
    }
    std::optional<Arguments> args = ParseArguments(argv_);
    if (!args) return kUnreadable;
    if (args->generatePattern != 0) return Generate(*args);
    if (!CollectionFree(*args)) return kUnreadable;

    bool ok = true;
    for (const auto& [input, isCollection] : args->inputs) {
        // Several inputs: a comment line names each before its answers.
        if (args->inputs.size() > 1 && !args->json) std::cout << "# " << input << "\n";
        if (isCollection) {
            ok = AnswerCollection(input, *args) && ok;
            continue;
        }
        if (input == "-") {
            ok = AnswerLines(std::cin, "標準入力", *args) && ok;
            continue;
        }
        if (std::optional<std::string> why = solve::NotAFile(input, true)) {
            std::cerr << "mozeldouble-solve: " << input << ": " << *why << "\n";
            ok = false;
            continue;
        }
        std::ifstream file(input, std::ios::binary);
        if (!file) {
            std::cerr << "mozeldouble-solve: " << input << ": ファイルを開けません\n";
            ok = false;
            continue;
        }
        ok = AnswerLines(file, input, *args) && ok;
    }
    ok = WriteStored(*args) && ok;
    std::cout.flush();
    return ok ? kOk : kUnreadable;
}

}  // namespace

int main(int argc, char** argv) {
    // Past a file-size limit (ulimit -f) a write then fails with EFBIG instead of ending the
    // program, so that the failure is reported and nothing half-written stays behind.
    std::signal(SIGXFSZ, SIG_IGN);
    // Standard input and output on buffers of their own, not the C library's: a failed read
    // of standard input then shows as bad() as it does for a file.
    std::ios::sync_with_stdio(false);
    // Output cut short ends the run at once; errno still tells why.
    std::cout.exceptions(std::ios::badbit);
    try {
        int status = Run(argc, argv);
        std::cout.flush();
        return status;
    } catch (const std::exception&) {
        // Caught as std::exception: the library may throw the other ABI's ios_base::failure.
        int error = errno;
        if (!std::cout.bad()) throw;
        std::cout.exceptions(std::ios::goodbit);  // the flush at exit fails again, quietly
        std::cerr << "mozeldouble-solve: 標準出力に書き込めませんでした（" << collection::ReasonText({collection::FileError::Stage::Write, error}) << "）\n";
        return kUnreadable;
    }
}
