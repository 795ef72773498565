// Problems as text: the three forms read, the picture written back, and what is refused.
#include <gtest/gtest.h>

#include <algorithm>

#include "puzzle/Generator.h"
#include "puzzle/ProblemLine.h"
#include "puzzle/ProblemText.h"
#include "puzzle/Units.h"

using namespace puzzle;

namespace {

DoubleBoard Sample(int pattern, bool diagonal) {
    DoubleBoard board = GenerateProblem(pattern, diagonal, static_cast<uint64_t>(pattern) * 7 + diagonal);
    board.diagonal = diagonal;
    return board;
}

}  // namespace

// Written as a line or as a picture, every pattern's board reads back as itself.
TEST(ProblemText, LineAndPictureOfEveryPatternReadBack) {
    for (int p = 1; p <= kPatternCount; ++p) {
        for (bool diagonal : {false, true}) {
            DoubleBoard board = Sample(p, diagonal);
            ProblemText line = ReadProblemText(FormatProblemLine(board), 12, false);
            ASSERT_TRUE(line.board) << line.error;
            EXPECT_EQ(*line.board, board) << p;
            // The picture carries no diagonal mark: the current rule is kept.
            ProblemText picture = ReadProblemText(BoardPicture(board), 12, diagonal);
            ASSERT_TRUE(picture.board) << "pattern " << p << ": " << picture.error;
            EXPECT_EQ(*picture.board, board) << p;
        }
    }
}

TEST(ProblemText, APictureMayMarkTheOutsideAnyWayAndLoseTrailingBlanks) {
    DoubleBoard board = Sample(1, false);
    std::string picture = BoardPicture(board);
    std::string marked, trimmed;
    for (char c : picture) marked += c == ' ' ? '#' : c;
    // Trailing blanks and the blank lines at the end, as an editor or a web page drops them.
    std::size_t start = 0;
    while (start < picture.size()) {
        std::size_t end = picture.find('\n', start);
        std::string row = picture.substr(start, end - start);
        row.erase(row.find_last_not_of(' ') + 1);
        trimmed += row + "\r\n";
        start = end + 1;
    }
    while (trimmed.ends_with("\r\n\r\n")) trimmed.erase(trimmed.size() - 2);
    for (const std::string& text : {marked, trimmed}) {
        ProblemText read = ReadProblemText(text, 12, false);
        ASSERT_TRUE(read.board) << read.error;
        EXPECT_EQ(*read.board, board);
    }
    // Full-width characters outside count as one place each; zeros are empty cells.
    std::string wide;
    for (char c : picture) wide += c == ' ' ? "＊" : c == '.' ? "0" : std::string(1, c);
    EXPECT_EQ(*ReadProblemText(wide, 12, false).board, board);
}

TEST(ProblemText, OneHundredSixtyTwoCharactersAreBothGridsOfTheCurrentPattern) {
    DoubleBoard board = Sample(7, true);
    std::string text = GridText(board, 1) + "\n" + GridText(board, 2);
    std::replace(text.begin(), text.end(), '.', '0');
    for (std::size_t i = 9; i < text.size(); i += 10) text.insert(i, " ");
    ProblemText read = ReadProblemText(text, 7, true);
    ASSERT_TRUE(read.board) << read.error;
    EXPECT_EQ(*read.board, board);
    // In pattern 12, grid 1's row 7, column 7 is grid 2's first cell: two digits there clash.
    std::string g1(81, '.'), g2(81, '.');
    g1[60] = '5';
    g2[0] = '6';
    ProblemText clash = ReadProblemText(g1 + g2, 12, false);
    EXPECT_FALSE(clash.board);
    EXPECT_NE(clash.error.find("食い違っています"), std::string::npos) << clash.error;
}

TEST(ProblemText, TheLineAmongCommentsAsTheSolverWritesIt) {
    DoubleBoard board = Sample(3, false);
    ProblemText read = ReadProblemText("# seed 21\n" + FormatProblemLine(board) + "\n\n", 12, false);
    ASSERT_TRUE(read.board) << read.error;
    EXPECT_EQ(*read.board, board);
}

TEST(ProblemText, WhatIsNoProblemIsToldWhy) {
    EXPECT_NE(ReadProblemText("", 12, false).error.find("クリップボードに文字がありません"), std::string::npos);
    std::string prose = ReadProblemText("今日は晴れです。明日は雨でしょう。", 12, false).error;
    EXPECT_NE(prose.find("問題として読めません"), std::string::npos) << prose;
    EXPECT_NE(prose.find("162文字"), std::string::npos) << "the forms are named";
    // A line meant as the line form says what is wrong with it.
    std::string line = ReadProblemText("13 " + std::string(81, '.') + " " + std::string(81, '.'), 12, false).error;
    EXPECT_NE(line.find("1〜12"), std::string::npos) << line;
    // A picture whose shape is no pattern: one grid alone.
    std::string lonely;
    for (int r = 1; r <= 9; ++r) lonely += std::string(9, '.') + "\n";
    EXPECT_NE(ReadProblemText(lonely, 12, false).error.find("パターン"), std::string::npos);
    // More than 15 lines, or a line of 16 places, is no picture.
    std::string tall;
    for (int r = 1; r <= 16; ++r) tall += std::string(15, '.') + "\n";
    EXPECT_FALSE(ReadProblemText(tall, 12, false).board);
}
