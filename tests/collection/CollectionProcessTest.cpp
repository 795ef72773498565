// Script runners as separate processes writing collections. Two programs saving into one
// collection at the same time, each its own storage numbers, many rounds: every problem written
// must be there afterwards, and no load-back after a save may read another program's half-done
// file. And a save under a file-size limit.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "CollectionTestSupport.h"
#include "collection/CollectionFile.h"
#include "collection/ShiftJis.h"

extern char** environ;

using namespace collection;
using namespace collection_test;

namespace {

// Starts a program, its output going to a file; returns the process.
pid_t Spawn(std::vector<std::string> args, const std::string& output) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    int rc = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return rc == 0 ? pid : -1;
}

// The script runner on a script in the folder.
pid_t StartRunner(const std::string& folder, const std::string& script, const std::string& output) {
    return Spawn({MOZEL_RUNNER, "--folder", folder, script}, output);
}

int Wait(pid_t pid) {
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A runner's script: a digit on the board, then one save a storage number, each with a
// description naming the writer and the number.
std::string SaveScript(const std::string& writer, const std::vector<int>& numbers) {
    std::string script = "start\nkey frmAllGamen.text1(1) \"5\"\n";
    for (int s : numbers) {
        script += "set frmAllGamen.txtMondaiMemo.Text \"" + writer + std::to_string(s) + "\"\n";
        script += "set frmMondai.Text3.Text \"" + std::to_string(s) + "\"\n";
        script += "click frmMondai.Command2\n";
    }
    return script + "click frmAllGamen.cmdEnd\n";
}

}  // namespace

TEST(TwoWriters, SavingAtOnceLosesNoProblem) {
    constexpr int kRounds = 8;
    std::vector<int> first, second;
    for (int s = 1; s <= kLastStorageNumber; s += 4) first.push_back(s);
    for (int s = 3; s <= kLastStorageNumber; s += 4) second.push_back(s);
    for (int round = 1; round <= kRounds; ++round) {
        TempFolder folder;
        WriteFile(folder.file("a.txt"), SaveScript("A", first));
        WriteFile(folder.file("b.txt"), SaveScript("B", second));
        pid_t a = StartRunner(folder.path.string(), folder.file("a.txt"), folder.file("a.out"));
        pid_t b = StartRunner(folder.path.string(), folder.file("b.txt"), folder.file("b.out"));
        ASSERT_GT(a, 0);
        ASSERT_GT(b, 0);
        ASSERT_EQ(Wait(a), 0) << ReadFile(folder.file("a.out"));
        ASSERT_EQ(Wait(b), 0) << ReadFile(folder.file("b.out"));

        const std::string collection = folder.file("問題01.txt");
        ASSERT_EQ(ReadFile(collection).size(), 2u * 45 * kRecordSize) << "round " << round;
        auto file = CollectionFile::Open(collection);
        ASSERT_TRUE(file);
        for (int s = 1; s <= kLastStorageNumber; s += 2) {
            MondaiRec rec;
            ASSERT_EQ(file->Read(s, rec), CollectionFile::ReadStatus::Ok);
            std::string memo = FromShiftJis(rec.Memo);
            EXPECT_EQ(memo.substr(0, memo.find(' ')), (s % 4 == 1 ? "A" : "B") + std::to_string(s))
                << "round " << round << ", storage number " << s;
        }
        // Every save was told written, and every load-back found its problem.
        for (const char* out : {"a.out", "b.out"}) {
            std::string output = ReadFile(folder.file(out));
            EXPECT_EQ(output.find("ではありません"), std::string::npos) << output;
            EXPECT_EQ(output.find("できませんでした"), std::string::npos) << output;
        }
    }
}

// Under a file-size limit (ulimit -f) a save is not killed half-way: the runner goes on, says
// that the size limit cut the write short, and leaves the collection and the folder as they were.
TEST(SizeLimit, ASaveCutShortIsReportedAndLeavesNothing) {
    TempFolder folder;
    const std::string collection = folder.file("問題01.txt");
    WriteFile(collection, Collection(3));
    WriteFile(folder.file("s.txt"), "start\nkey frmAllGamen.text1(1) \"5\"\nset frmMondai.Text3.Text \"7\"\n"
                                    "click frmMondai.Command2\nclick frmAllGamen.cmdEnd\n");
    pid_t run = Spawn({MOZEL_LIMITED_RUN, "--fsize", "1800", MOZEL_RUNNER, "--folder", folder.path.string(),
                       folder.file("s.txt")},
                      folder.file("s.out"));
    ASSERT_GT(run, 0);
    EXPECT_EQ(Wait(run), 0) << "the runner ended normally, not by the signal";
    const std::string output = ReadFile(folder.file("s.out"));
    EXPECT_NE(output.find("書き込めませんでした"), std::string::npos) << output;
    EXPECT_NE(output.find("ファイルの大きさの上限を超えました"), std::string::npos) << output;
    EXPECT_NE(output.find("{\"end\":true}"), std::string::npos) << output;
    EXPECT_EQ(ReadFile(collection), Collection(3));
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"s.out", "s.txt", "問題01.txt"})) << "no temporary file stays";
}
