#include <gtest/gtest.h>

#include "PublicDoubles.h"
#include "puzzle/StepsOutput.h"

using namespace puzzle;

namespace {

// The solution of a public problem with two cells emptied: one only grid 2 covers and one of
// the shared box.
struct Output : ::testing::Test {
    PublicDouble problem = public_doubles::Make(MOZEL_TEST_DATA, "sensei-1-180422-185709.easy.txt", 12, 0, 1);
    DoubleBoard board = problem.solution;
    int sharedCell = BoardCellOf(Pattern(12), 2, GridCell(1, 1));
    int grid2Cell = BoardCellOf(Pattern(12), 2, GridCell(9, 9));
    Output() {
        board.digits[static_cast<std::size_t>(sharedCell)] = 0;
        board.digits[static_cast<std::size_t>(grid2Cell)] = 0;
    }
};

}  // namespace

TEST_F(Output, JsonFieldsNameEachStepAndTheRating) {
    StepPath path = RunPath(board);
    ASSERT_EQ(path.steps.size(), 2u);
    int d1 = problem.solution.digits[static_cast<std::size_t>(sharedCell)];
    int d2 = problem.solution.digits[static_cast<std::size_t>(grid2Cell)];
    std::string json = StepsJsonFields(path, 12);
    // Grid 1's row 7 comes first in unit order; the shared cell is named through grid 1 there.
    std::string expected =
        "\"steps\":[{\"technique\":\"Last Cell\",\"difficulty\":1.0,\"text\":\"グリッド1の7行目で空いているのはグリッド1の7行7列だけです。残る" +
        std::to_string(d1) + "がそこに入ります。\",\"place\":[{\"grid\":1,\"row\":7,\"col\":7,\"digit\":" + std::to_string(d1) +
        "}]},{\"technique\":\"Last Cell\",\"difficulty\":1.0,\"text\":\"グリッド2の9行目で空いているのはグリッド2の9行9列だけです。残る" +
        std::to_string(d2) + "がそこに入ります。\",\"place\":[{\"grid\":2,\"row\":9,\"col\":9,\"digit\":" + std::to_string(d2) +
        "}]}],\"rating\":{\"hardest\":\"Last Cell\",\"difficulty\":1.0,\"level\":\"singles\",\"finished\":true}";
    EXPECT_EQ(json, expected);
}

TEST_F(Output, TextLinesEndWithTheRating) {
    std::vector<std::string> lines = StepsTextLines(RunPath(board), 12);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].rfind("1. 最後の空きマス (Last Cell) 1.0 グリッド1の7行7列に", 0), 0u) << lines[0];
    EXPECT_EQ(lines[2], "難易度: 1.0 singles（いちばん難しい手筋: 最後の空きマス (Last Cell)）、最後まで解けました");
}

TEST(StepsOutput, RemovalsAndAStuckPath) {
    // A board no technique moves on: no steps, no hardest technique, not finished.
    DoubleBoard b;
    b.digits[1] = 1;
    StepPath path = RunPath(b);
    EXPECT_EQ(StepsJsonFields(path, 12), "\"steps\":[],\"rating\":{\"hardest\":null,\"level\":\"guess\",\"finished\":false}");
    EXPECT_EQ(StepsTextLines(path, 12), std::vector<std::string>{"難易度: なし、手筋では最後まで解けません"});

    // A removal step writes "remove" entries.
    DoubleBoard p;
    p.pattern = 12;
    for (int c = 4; c <= 9; ++c) p.set(2, GridCell(1, c), c - 3);
    StepPath claim = RunPath(p, 1);
    ASSERT_EQ(claim.steps.size(), 1u);
    std::string json = StepsJsonFields(claim, 12);
    EXPECT_NE(json.find("\"technique\":\"Claiming\""), std::string::npos);
    EXPECT_NE(json.find("\"remove\":[{\"grid\":1,\"row\":7,\"col\":1,\"digit\":7},"), std::string::npos) << json;
    EXPECT_NE(json.find("{\"grid\":2,\"row\":2,\"col\":1,\"digit\":7}"), std::string::npos) << json;
    EXPECT_EQ(json.find("\"place\""), std::string::npos);
    EXPECT_FALSE(claim.rating.finished);
}

TEST(StepsOutput, JsonStringEscapes) {
    EXPECT_EQ(JsonString("a\"b\\c\n\x01ヒント"), "\"a\\\"b\\\\c\\n\\u0001ヒント\"");
}
