#include <gtest/gtest.h>

#include <cerrno>
#include <set>

#include "app/solve/CollectionIO.h"
#include "puzzle/Difficulty.h"
#include "collection/CollectionFile.h"
#include "collection/CollectionTestSupport.h"
#include "puzzle/Generator.h"
#include "puzzle/Solver.h"
#include "puzzle/StepPath.h"
#include "GridText.h"

using namespace solve;
using puzzle::Level;
using puzzle::LevelOf;
using collection_test::Record;
using collection_test::TempFolder;
using Kind = puzzle::ProblemLine::Kind;

TEST(CollectionIO, GeneratedProblemsWrittenAsACollectionReadBackAsTheSameBoards) {
    TempFolder folder;
    const std::string path = folder.file("問題.txt");
    std::vector<ProblemToStore> problems{
        {puzzle::GenerateProblem(1, true, 3), 6, "自動生成 種 3 難易度 guess"},
        {puzzle::GenerateProblem(7, false, 4), 2, ""},
        {puzzle::GenerateProblem(12, false, 5), 1, ""},
    };
    ASSERT_EQ(WriteCollection(path, problems), std::nullopt);
    EXPECT_EQ(collection::MondaiCount(path), 3);

    std::string error;
    auto read = ReadCollection(path, error);
    ASSERT_TRUE(read) << error;
    ASSERT_EQ(read->size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ((*read)[i].number, static_cast<int>(2 * i + 1));
        ASSERT_EQ((*read)[i].problem.kind, Kind::Problem) << (*read)[i].problem.message;
        EXPECT_EQ((*read)[i].problem.board, problems[i].board) << i;
    }
    // The records carry what the collection window shows: difficulty and description.
    auto file = collection::CollectionFile::Open(path);
    collection::MondaiRec a;
    ASSERT_EQ(file->Read(1, a), collection::CollectionFile::ReadStatus::Ok);
    EXPECT_EQ(a.Nanido, "6 ");
    EXPECT_EQ(a.Naname, "1");
    EXPECT_EQ(a.AB, "A");
}

TEST(CollectionIO, WritingNeverReplacesAFileAndStopsAtFortyFiveProblems) {
    TempFolder folder;
    const std::string path = folder.file("c.txt");
    collection_test::WriteFile(path, "keep");
    std::optional<std::string> error = WriteCollection(path, {{puzzle::GenerateProblem(2, false, 1), 3, ""}});
    ASSERT_TRUE(error);
    EXPECT_EQ(*error, "ファイルがすでにあります（上書きはしません）");
    EXPECT_EQ(collection_test::ReadFile(path), "keep");

    std::vector<ProblemToStore> many(46, {puzzle::GenerateProblem(2, false, 1), 3, ""});
    EXPECT_EQ(WriteCollection(folder.file("many.txt"), many), "問題集に入る問題は 45 個までです");
    EXPECT_FALSE(std::filesystem::exists(folder.file("many.txt")));
}

TEST(CollectionIO, RecordsThatAreNoDoubleProblemOrDisagreeAreNamedByStorageNumber) {
    TempFolder folder;
    const std::string path = folder.file("c.txt");
    // 1: a good problem (pattern 1: grid 1's cell 4 is grid 2's cell 1); 3: not a double
    // problem; 5: the shared cell given 6 by grid 1 and 7 by grid 2; 7: a lone A record.
    ASSERT_FALSE(collection::WriteProblem(path, 1, Record(1, 1, 'A', With(kEmpty, 4, '6')), Record(2, 1, 'B', With(kEmpty, 1, '6'))));
    collection::MondaiRec bad = Record(3, 1, 'A', kEmpty);
    bad.Pattern = "ab";
    ASSERT_FALSE(collection::WriteProblem(path, 3, bad, Record(4, 1, 'B', kEmpty)));
    ASSERT_FALSE(collection::WriteProblem(path, 5, Record(5, 1, 'A', With(kEmpty, 4, '6')), Record(6, 1, 'B', With(kEmpty, 1, '7'))));
    ASSERT_FALSE(collection::WriteProblem(path, 7, Record(7, 2, 'A', With(kEmpty, 81, '9'), "", true), Record(8, 2, 'B', kEmpty)));
    // Without the last record (B of 7) problem 7 is a lone A record.
    std::string bytes = collection_test::ReadFile(path);
    collection_test::WriteFile(path, bytes.substr(0, bytes.size() - collection::kRecordSize));

    std::string error;
    auto read = ReadCollection(path, error);
    ASSERT_TRUE(read) << error;
    ASSERT_EQ(read->size(), 4u);
    const puzzle::ProblemLine& good = (*read)[0].problem;
    ASSERT_EQ(good.kind, Kind::Problem);
    EXPECT_EQ(good.board.pattern, 1);
    EXPECT_EQ(good.board.at(2, 1), 6);
    EXPECT_EQ((*read)[1].problem.kind, Kind::Error);
    EXPECT_EQ((*read)[1].problem.message, "格納番号 3 はモゼルダブルの問題ではありません");
    EXPECT_EQ((*read)[2].problem.kind, Kind::Error);
    EXPECT_EQ((*read)[2].problem.message, "2つの盤が重なるマス（グリッド2の 1 行 1 列）で 2つの盤の数字が食い違っています");
    const puzzle::ProblemLine& lone = (*read)[3].problem;
    ASSERT_EQ(lone.kind, Kind::Problem);
    EXPECT_EQ((*read)[3].number, 7);
    EXPECT_TRUE(lone.board.diagonal);
    EXPECT_EQ(lone.board.at(1, 81), 9);
}

TEST(CollectionIO, AFileThatEndsInsideARecordSaysSoAndTheFragmentIsNoRecord) {
    TempFolder folder;
    const std::string path = folder.file("c.txt");
    const std::string whole = collection_test::Collection(3);  // problems 1, 3, 5
    auto read = [&](std::size_t length) {
        collection_test::WriteFile(path, whole.substr(0, length));
        std::string error;
        auto problems = ReadCollection(path, error);
        EXPECT_TRUE(problems) << error;
        return problems.value_or(std::vector<StoredProblem>{});
    };
    // Inside the B record of problem 5: problem 5 is not read as a lone A record.
    auto cutB = read(whole.size() - 100);
    ASSERT_EQ(cutB.size(), 3u);
    EXPECT_EQ(cutB[1].problem.kind, Kind::Problem);
    EXPECT_EQ(cutB[2].problem.kind, Kind::Error);
    EXPECT_EQ(cutB[2].problem.message, "格納番号 5 の途中でファイルが終わっています（グリッド2の記録が 255 バイトのうち 155 バイトしかありません）");
    // Inside the A record of problem 5: problem 5 is named, not left out.
    auto cutA = read(4 * collection::kRecordSize + 1);
    ASSERT_EQ(cutA.size(), 3u);
    EXPECT_EQ(cutA[2].number, 5);
    EXPECT_EQ(cutA[2].problem.message, "格納番号 5 の途中でファイルが終わっています（グリッド1の記録が 255 バイトのうち 1 バイトしかありません）");
    // A file shorter than one record holds no problem but a cut one.
    auto only = read(254);
    ASSERT_EQ(only.size(), 1u);
    EXPECT_EQ(only[0].problem.message, "格納番号 1 の途中でファイルが終わっています（グリッド1の記録が 255 バイトのうち 254 バイトしかありません）");
    // Reading changes nothing.
    EXPECT_EQ(collection_test::ReadFile(path), whole.substr(0, 254));
}

TEST(CollectionIO, ARecordOfTheWrongGridIsNamedNotReadAsACellThatDoesNotExist) {
    TempFolder folder;
    const std::string path = folder.file("c.txt");
    // Pattern 1: grid 1's first column lies outside grid 2. Problem 1's second record holds
    // grid 1 again, with another digit there; problem 3's second record is zero bytes, as a
    // save pads a cut record; problem 5 starts with a B record.
    collection_test::WriteFile(path, collection_test::Bytes(Record(1, 1, 'A', With(kEmpty, 1, '5'))) +
                                         collection_test::Bytes(Record(2, 1, 'A', With(kEmpty, 1, '6'))) +
                                         collection_test::Bytes(Record(3, 1, 'A', kEmpty)) + std::string(collection::kRecordSize, '\0') +
                                         collection_test::Bytes(Record(5, 1, 'B', kEmpty)) + collection_test::Bytes(Record(6, 1, 'B', kEmpty)));
    std::string error;
    auto read = ReadCollection(path, error);
    ASSERT_TRUE(read) << error;
    ASSERT_EQ(read->size(), 3u);
    EXPECT_EQ((*read)[0].problem.message, "格納番号 1 のグリッド2の記録の A/B 欄が「A」です（B のはずです）");
    EXPECT_EQ((*read)[1].problem.message, "格納番号 3 のグリッド2の記録の A/B 欄が「\\x00」です（B のはずです）");
    EXPECT_EQ((*read)[2].problem.message, "格納番号 5 のグリッド1の記録の A/B 欄が「B」です（A のはずです）");
}

TEST(CollectionIO, AMissingFileIsReportedAndNotCreatedAndAFolderOrDeviceIsNamed) {
    TempFolder folder;
    std::string error;
    EXPECT_FALSE(ReadCollection(folder.file("none.txt"), error));
    EXPECT_EQ(error, "問題集ファイルがありません");
    EXPECT_FALSE(std::filesystem::exists(folder.file("none.txt")));
    EXPECT_FALSE(ReadCollection(folder.path.string(), error));
    EXPECT_EQ(error, "ファイルではなくフォルダです");
    EXPECT_FALSE(ReadCollection("/dev/zero", error));
    EXPECT_EQ(error, "ファイルではなく装置（デバイス）です");
}

TEST(SampleCollection, HoldsUniqueProblemsOfEveryPatternSomeDiagonalAndSeveralLevels) {
    std::string error;
    auto read = ReadCollection(MOZEL_SAMPLE_COLLECTION, error);
    ASSERT_TRUE(read) << error;
    ASSERT_GE(read->size(), 24u);
    std::set<int> patterns;
    std::set<Level> levels;
    int diagonal = 0;
    for (const StoredProblem& p : *read) {
        ASSERT_EQ(p.problem.kind, Kind::Problem) << p.number << ": " << p.problem.message;
        const puzzle::DoubleBoard& board = p.problem.board;
        EXPECT_EQ(puzzle::Solve(board).verdict, puzzle::Verdict::Unique) << p.number;
        patterns.insert(board.pattern);
        levels.insert(LevelOf(puzzle::RunPath(board).rating));
        diagonal += board.diagonal ? 1 : 0;
    }
    EXPECT_EQ(patterns.size(), 12u);
    EXPECT_GE(diagonal, 2);
    EXPECT_GE(levels.size(), 4u);
    // The first problem a new user loads is one of the easiest.
    EXPECT_EQ(LevelOf(puzzle::RunPath(read->front().problem.board).rating), Level::Singles);
}
