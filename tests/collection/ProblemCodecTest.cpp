#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <filesystem>

#include "CollectionTestSupport.h"
#include "collection/AtomicWrite.h"
#include "collection/ProblemCodec.h"

using namespace collection;
using namespace collection_test;

namespace {

std::string Line(std::initializer_list<std::pair<int, char>> cells) {
    std::string line(81, '.');
    for (auto [k, d] : cells) line[static_cast<std::size_t>(k - 1)] = d;
    return line;
}

}  // namespace

TEST(ProblemCodec, AProblemEncodedDecodesAsTheSameBoardWithItsNotes) {
    puzzle::DoubleBoard board;
    board.pattern = 1;
    board.diagonal = true;
    board.set(1, 1, 5);
    board.set(1, 4, 6);  // pattern 1: grid 1's cell 4 is grid 2's cell 1
    board.set(2, 81, 9);
    auto records = EncodeProblem(board, 7, {.nanido = "4", .memo = "説明", .question = "12", .question2 = "3"});
    ASSERT_TRUE(records);
    EXPECT_EQ(Bytes((*records)[0]).substr(0, 5), "7 1 A");
    EXPECT_EQ(Bytes((*records)[1]).substr(0, 5), "8 1 B");
    EXPECT_EQ((*records)[1].Masu[1], "6 ") << "a shared cell is stored in both records";

    auto decoded = DecodeProblem((*records)[0], &(*records)[1]);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->board, board);
    EXPECT_TRUE(decoded->findings.empty());
    EXPECT_EQ(decoded->number, "7 ");
    EXPECT_EQ(decoded->notes.memo, "説明" + std::string(46, ' '));
    EXPECT_EQ(decoded->notes.question, "12 ");
    EXPECT_EQ(decoded->givens[1].cells.size(), 81u);

    // The first record may note the rule apart from the board; a text Shift-JIS cannot hold is named.
    EXPECT_EQ(EncodeProblem(board, 1, {}, nullptr, false)->at(0).Naname, "0");
    EncodeError error;
    EXPECT_FALSE(EncodeProblem(board, 1, {.question2 = "한"}, &error));
    EXPECT_EQ(error.field, "Question2");
}

// Records that disagree are read as the collection window shows them (the second record's
// cells over the first's), and the checks say what they found, in the words both readers use.
TEST(ProblemCodec, RecordsThatDisagreeAreReadAsTheWindowPlacesThemAndFound) {
    // Pattern 12: grid 1's cell 81 is grid 2's cell 21 (board cell 129); grid 1's 61 is
    // grid 2's 1 (board cell 97).
    struct Case {
        const char* what;
        char firstAb, secondAb;
        std::string first, second;
        int cell129, cell97;  // on the board read
        std::vector<std::string> findings;
    };
    const Case cases[] = {
        {"agree", 'A', 'B', Line({{81, '4'}}), Line({{21, '4'}}), 4, 0, {}},
        {"second gives one more", 'A', 'B', Line({}), Line({{21, '6'}}), 6, 0, {}},
        {"two digits", 'A', 'B', Line({{81, '4'}}), Line({{21, '6'}}), 6, 0,
         {"2つの盤が重なるマス（グリッド2の 3 行 3 列）で 2つの盤の数字が食い違っています"}},
        {"second empty, twice", 'A', 'B', Line({{81, '4'}, {61, '2'}}), Line({}), 0, 0,
         {"2つの盤が重なるマス（グリッド2の 1 行 1 列）で 2つの盤の数字が食い違っています（ほかに 1 マス）"}},
        {"letters", 'B', 'A', Line({{21, '6'}}), Line({{81, '4'}}), 4, 0,
         {"格納番号 5 のグリッド1の記録の A/B 欄が「B」です（A のはずです）",
          "格納番号 5 のグリッド2の記録の A/B 欄が「A」です（B のはずです）",
          "2つの盤が重なるマス（グリッド2の 3 行 3 列）で 2つの盤の数字が食い違っています"}},
    };
    for (const Case& c : cases) {
        MondaiRec first = Record(5, 12, c.firstAb, c.first), second = Record(6, 12, c.secondAb, c.second);
        auto decoded = DecodeProblem(first, &second);
        ASSERT_TRUE(decoded) << c.what;
        EXPECT_EQ(decoded->board.digits[129], c.cell129) << c.what;
        EXPECT_EQ(decoded->board.digits[97], c.cell97) << c.what;
        std::vector<std::string> found;
        for (const Finding& f : decoded->findings) found.push_back(FindingText(f, 5, 12));
        EXPECT_EQ(found, c.findings) << c.what;
    }
    // A lone first record leaves grid 2 empty; a first record with no pattern is no problem.
    MondaiRec lone = Record(1, 12, 'A', Line({{81, '4'}}));
    auto decoded = DecodeProblem(lone, nullptr);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->board.digits[129], 4);
    EXPECT_TRUE(decoded->givens[1].cells.empty());
    lone.Pattern = "13";
    EXPECT_FALSE(DecodeProblem(lone, nullptr));
}

TEST(AtomicWrite, ANewFileAppearsWholeReplacesOnlyWhenAskedAndLeavesNothingBehind) {
    TempFolder folder;
    const std::string path = folder.file("new.txt");
    const std::string bytes(3 * kRecordSize, 'r');
    ASSERT_EQ(WriteAtomically(path, bytes, NewFileMode(), Existing::Keep).error, 0);
    EXPECT_EQ(ReadFile(path), bytes);
    // Readable by others as any new file is, not private as a temporary file is made.
    EXPECT_NE(std::filesystem::status(path).permissions() & std::filesystem::perms::others_read, std::filesystem::perms::none);

    EXPECT_EQ(WriteAtomically(path, "other", NewFileMode(), Existing::Keep).error, EEXIST);
    EXPECT_EQ(ReadFile(path), bytes);
    ASSERT_EQ(WriteAtomically(path, "other", 0600, Existing::Replace).error, 0);
    EXPECT_EQ(ReadFile(path), "other");
    EXPECT_EQ(std::filesystem::status(path).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);

    AtomicWriteResult missing = WriteAtomically(folder.file("no-such-folder/c.txt"), bytes, 0644, Existing::Replace);
    EXPECT_EQ(missing.error, ENOENT);
    EXPECT_TRUE(missing.noTemporary);
    // Nothing but the file written is left in the folder: no temporary file.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path), {}), 1);
}
