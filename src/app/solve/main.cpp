// mozeldouble-solve: answers double problems given one per line (no solution, exactly one, or
// two different ones), or generates problems with exactly one solution.
#include <cerrno>
#include <chrono>
#include <csignal>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "app/solve/Answer.h"
#include "app/solve/Arguments.h"
#include "app/solve/CollectionIO.h"
#include "app/solve/InputFile.h"
#include "app/solve/LineInput.h"
#include "app/solve/PictureAnswer.h"
#include "app/solve/WellFormedLine.h"
#include "collection/CollectionFile.h"
#include "picture/PictureReading.h"
#include "puzzle/Difficulty.h"
#include "puzzle/Generator.h"
#include "puzzle/LevelWords.h"
#include "puzzle/ProblemLine.h"
#include "puzzle/StepPath.h"

namespace {

using solve::Arguments;

constexpr int kOk = 0;
constexpr int kUnreadable = 2;
// Seeds tried for one problem of a wanted difficulty before giving up.
constexpr int kRatingTries = 20000;
// Answers are gathered into pieces of about this size before they are written.
constexpr std::size_t kOutputPiece = 64 * 1024;

// Standard output not written yet. It goes out when a piece is full, before anything goes to
// standard error (so that the two keep their order), before reading waits for more input (so
// that a user typing problems sees each answer) and at the end.
std::string pending;

void Flush() {
    std::cout.write(pending.data(), static_cast<std::streamsize>(pending.size()));
    pending.clear();
    std::cout.flush();
}

// Ends a line of output.
void EndLine() {
    pending += '\n';
    if (pending.size() >= kOutputPiece) {
        std::cout.write(pending.data(), static_cast<std::streamsize>(pending.size()));
        pending.clear();
    }
}

// A message on standard error, after the output so far.
void Complain(const std::string& message) {
    Flush();
    std::cerr << "mozeldouble-solve: " << message << "\n";
}

// The engine's answer and its time in nanoseconds.
void Timed(const puzzle::DoubleBoard& board, puzzle::SolveResult& result, int64_t& nanos) {
    auto start = std::chrono::steady_clock::now();
    result = puzzle::Solve(board);
    nanos = std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now() - start).count();
}

// The problems to write as a collection (--write-collection), gathered while answering or
// generating and written at the end.
std::vector<solve::ProblemToStore> toStore;

// A problem to store, its record noting the level: difficulty field 1 (singles) .. 7 (guess).
solve::ProblemToStore Stored(const puzzle::DoubleBoard& board, puzzle::Level level, std::string memo) {
    return {board, static_cast<int>(level) + 1, std::move(memo)};
}

// Refuses an existing collection to write before any work is done.
bool CollectionFree(const Arguments& args) {
    std::error_code ec;
    if (!args.writeCollection || !std::filesystem::exists(*args.writeCollection, ec)) return true;
    Complain(*args.writeCollection + ": ファイルがすでにあります（上書きはしません）");
    return false;
}

// Writes the gathered problems when a collection is wanted; false (after a message) on failure.
bool WriteStored(const Arguments& args) {
    if (!args.writeCollection) return true;
    if (std::optional<std::string> error = solve::WriteCollection(*args.writeCollection, toStore)) {
        Complain(*args.writeCollection + ": " + *error);
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
        Timed(problem.board, a.result, a.nanos);
        a.pattern = problem.board.pattern;
        // A board without solution has no path to rate.
        if (args.steps && a.result.verdict != puzzle::Verdict::None) a.path = puzzle::RunPath(problem.board);
        if (args.writeCollection) {
            puzzle::Rating rating = a.path ? a.path->rating : puzzle::RunPath(problem.board).rating;
            toStore.push_back(Stored(problem.board, puzzle::LevelOf(rating), "難易度 " + std::string(puzzle::LevelWord(puzzle::LevelOf(rating)))));
        }
    }
    if (args.json)
        solve::AppendJsonLine(pending, a);
    else
        solve::AppendPlainLine(pending, a);
    EndLine();
}

// Answers every problem of a collection file; false when the file or a problem could not be
// read, or the file holds no problem.
bool AnswerCollection(const std::string& path, const Arguments& args) {
    std::string error;
    std::optional<std::vector<solve::StoredProblem>> problems = solve::ReadCollection(path, error);
    if (!problems) {
        Complain(path + ": " + error);
        return false;
    }
    if (problems->empty()) {
        Complain(path + ": 問題集に問題がありません");
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
    solve::LineReader reader(in);
    puzzle::ProblemLine line;
    std::string_view text;
    for (;;) {
        if (reader.MayWait()) Flush();
        solve::LineRead read = reader.Next(text);
        if (read == solve::LineRead::End) break;
        ++number;
        if (read == solve::LineRead::TooLong) {
            // A long comment is passed over; any other line is answered before the rest of it
            // is, which may never end (/dev/zero).
            if (std::size_t start = text.find_first_not_of(" \t"); start == std::string_view::npos || text[start] != '#') {
                ++problems;
                AnswerProblem(TooLongLine(), number, false, args);
                Flush();
                ok = false;
            }
            reader.SkipRestOfLine();
            continue;
        }
        // Editors on Windows may start a UTF-8 file with a byte order mark.
        if (number == 1 && text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
        if (solve::ReadWellFormedLine(text, line.board))
            line.kind = puzzle::ProblemLine::Kind::Problem;
        else
            line = puzzle::ParseProblemLine(text);
        if (line.kind == puzzle::ProblemLine::Kind::Skip) continue;
        ++problems;
        AnswerProblem(line, number, false, args);
        ok = ok && line.kind != puzzle::ProblemLine::Kind::Error;
    }
    if (in.bad()) {
        Complain(name + ": 読み込みの途中で失敗しました");
        return false;
    }
    if (problems == 0) {
        Complain(name + ": 問題の行がありません");
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
            Complain("難易度 " + std::string(puzzle::LevelName(*args.rating)) + " の問題が " + std::to_string(kRatingTries) +
                     " 回試しても作れませんでした (最後の種 " + std::to_string(seed + kRatingTries - 1) + ")");
            return kUnreadable;
        }
        seed = made->seed;
        pending += "# seed " + std::to_string(seed) + "\n" + puzzle::FormatProblemLine(made->problem);
        EndLine();
        // A problem may take a while: each shows once made.
        Flush();
        // With the diagonal rule below guess the problem may keep givens it does not need.
        const bool spare = args.rating && puzzle::KeepsGivensForLevel(args.diagonal, *args.rating);
        if (args.writeCollection)
            toStore.push_back(Stored(made->problem, made->level, puzzle::GeneratedMemo(made->level, seed, spare)));
        ++seed;
    }
    return WriteStored(args) ? kOk : kUnreadable;
}

// Reads a double board from each picture (a folder: from each picture in it) and writes its
// problem line; false when a picture could not be read or held no board.
bool AnswerPictures(const Arguments& args) {
    bool ok = true;
    auto answer = [&](const std::string& file) {
        picture::PictureReading reading = picture::ReadPictureFile(file);
        if (args.json)
            solve::AppendPictureJson(pending, file, reading);
        else
            solve::AppendPicturePlain(pending, file, reading);
        EndLine();
        if (!reading.found) {
            if (!args.json) Complain(file + ": " + reading.message);
            ok = false;
            return;
        }
        if (args.writeCollection) {
            puzzle::Rating rating = puzzle::RunPath(reading.board).rating;
            toStore.push_back(Stored(reading.board, puzzle::LevelOf(rating), "画像 " + std::filesystem::path(file).filename().string()));
        }
    };
    for (const Arguments::Input& input : args.inputs) {
        std::error_code ec;
        if (std::filesystem::is_directory(input.path, ec)) {
            std::vector<std::string> files = solve::PicturesInFolder(input.path);
            if (files.empty()) {
                Complain(input.path + ": フォルダに画像 (PNG、JPEG、BMP) がありません");
                ok = false;
            }
            for (const std::string& file : files) answer(file);
            continue;
        }
        if (std::optional<std::string> why = solve::NotAFile(input.path, false)) {
            Complain(input.path + ": " + *why);
            ok = false;
            continue;
        }
        answer(input.path);
    }
    return ok;
}

// The whole run: the arguments read, then problems answered or generated.
int Run(int argc, char** argv) {
    std::string error;
    std::optional<Arguments> args = solve::ParseArguments(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!args) {
        std::cerr << "mozeldouble-solve: " << error << "\n" << solve::kUsage;
        return kUnreadable;
    }
    if (args->help) {
        pending += solve::kUsage;
        return kOk;
    }
    if (args->generatePattern != 0) return Generate(*args);
    if (!CollectionFree(*args)) return kUnreadable;
    if (args->fromImage) {
        bool ok = AnswerPictures(*args);
        Flush();
        ok = WriteStored(*args) && ok;
        return ok ? kOk : kUnreadable;
    }

    bool ok = true;
    for (const auto& [input, isCollection] : args->inputs) {
        // Several inputs: a comment line names each before its answers.
        if (args->inputs.size() > 1 && !args->json) {
            pending += "# " + input;
            EndLine();
        }
        if (isCollection) {
            ok = AnswerCollection(input, *args) && ok;
            continue;
        }
        if (input == "-") {
            ok = AnswerLines(std::cin, "標準入力", *args) && ok;
            continue;
        }
        if (std::optional<std::string> why = solve::NotAFile(input, true)) {
            Complain(input + ": " + *why);
            ok = false;
            continue;
        }
        std::ifstream file(input, std::ios::binary);
        if (!file) {
            Complain(input + ": ファイルを開けません");
            ok = false;
            continue;
        }
        ok = AnswerLines(file, input, *args) && ok;
    }
    // Output that cannot be written ends the run here, before a collection is written.
    Flush();
    ok = WriteStored(*args) && ok;
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
    // Reading standard input does not flush the output (tied, it would at every line):
    // answers go out in pieces, and before reading waits.
    std::cin.tie(nullptr);
    // Output cut short ends the run at once; errno still tells why.
    std::cout.exceptions(std::ios::badbit);
    try {
        int status = Run(argc, argv);
        Flush();
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
