#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "app/solve/Answer.h"
#include "app/solve/WellFormedLine.h"
#include "puzzle/ProblemLine.h"
#include "puzzle/ShownText.h"
#include "GridText.h"

using namespace solve;
using namespace puzzle;
using Kind = ProblemLine::Kind;

TEST(ProblemLine, ReadsDigitsEmptyCellsAndTheDiagonalMark) {
    std::string g1 = With(With(kEmpty, 1, '5'), 81, '0');
    std::string g2 = With(kEmpty, 81, '9');
    ProblemLine r = ParseProblemLine("  12\t" + g1 + "   " + g2 + "\r");
    ASSERT_EQ(r.kind, Kind::Problem) << r.message;
    EXPECT_EQ(r.board.pattern, 12);
    EXPECT_FALSE(r.board.diagonal);
    EXPECT_EQ(r.board.digits[1], 5);
    EXPECT_EQ(r.board.digits[225], 9);
    EXPECT_EQ(r.board.at(1, 81), 0);  // '0' is an empty cell
    EXPECT_TRUE(ParseProblemLine("3 " + g1 + " " + g2 + " x").board.diagonal);
    EXPECT_TRUE(ParseProblemLine("3 " + g1 + " " + g2 + " X").board.diagonal);
    EXPECT_EQ(ParseProblemLine("03 " + g1 + " " + g2).board.pattern, 3);
    DoubleBoard quick;
    ASSERT_TRUE(ReadWellFormedLine("  12\t" + g1 + "   " + g2 + "\r", quick));
    EXPECT_EQ(quick, r.board);
}

TEST(ProblemLine, SkipsBlankLinesAndComments) {
    for (const char* line : {"", "   ", "\t\r", "# pattern 1", "   # indented comment", "#12 " })
        EXPECT_EQ(ParseProblemLine(line).kind, Kind::Skip) << line;
}

TEST(ProblemLine, SharedCellsMustAgreeOrBeEmptyInOneGrid) {
    // Pattern 1: grid cell 4 of grid 1 is grid cell 1 of grid 2 (board cell 4).
    EXPECT_EQ(ParseProblemLine("1 " + With(kEmpty, 4, '6') + " " + With(kEmpty, 1, '6')).kind, Kind::Problem);
    ProblemLine one = ParseProblemLine("1 " + kEmpty + " " + With(kEmpty, 1, '6'));
    ASSERT_EQ(one.kind, Kind::Problem);
    EXPECT_EQ(one.board.digits[4], 6);
    ProblemLine clash = ParseProblemLine("1 " + With(kEmpty, 4, '6') + " " + With(kEmpty, 1, '7'));
    ASSERT_EQ(clash.kind, Kind::Error);
    EXPECT_EQ(clash.message, "2つの盤が重なるマス（グリッド1の 1 行 4 列）で 6 と 7 が食い違っています");
    DoubleBoard quick;
    EXPECT_FALSE(ReadWellFormedLine("1 " + With(kEmpty, 4, '6') + " " + With(kEmpty, 1, '7'), quick));
}

TEST(ProblemLine, NamesWhatIsWrongWithALine) {
    auto message = [](const std::string& line) {
        ProblemLine r = ParseProblemLine(line);
        EXPECT_EQ(r.kind, Kind::Error) << line;
        return r.message;
    };
    EXPECT_EQ(message("12 " + kEmpty), "項目が 2 個です（パターン番号、グリッド1、グリッド2、対角ルールなら x、を空白で区切ります）");
    EXPECT_TRUE(message("12 " + kEmpty + " " + kEmpty + " x y").starts_with("項目が 5 個です"));
    EXPECT_EQ(message("0 " + kEmpty + " " + kEmpty), "パターン番号「0」は 1〜12 の数ではありません");
    EXPECT_EQ(message("13 " + kEmpty + " " + kEmpty), "パターン番号「13」は 1〜12 の数ではありません");
    EXPECT_EQ(message("-1 " + kEmpty + " " + kEmpty), "パターン番号「-1」は 1〜12 の数ではありません");
    EXPECT_EQ(message("12 " + kEmpty.substr(1) + " " + kEmpty), "グリッド1が 80 文字です（81 文字必要です）");
    EXPECT_EQ(message("12 " + kEmpty + " " + kEmpty + ".."), "グリッド2が 83 文字です（81 文字必要です）");
    EXPECT_EQ(message("12 " + With(kEmpty, 3, 'a') + " " + kEmpty),
              "グリッド1の 3 文字目「a」は使えません（数字は半角の 1〜9、空きマスは . か 0 です）");
    // A full-width digit is one character, named as itself; a stray byte shows as \xHH.
    EXPECT_EQ(message("12 " + kEmpty + " ..７" + kEmpty.substr(3)),
              "グリッド2の 3 文字目「７」は使えません（数字は半角の 1〜9、空きマスは . か 0 です）");
    EXPECT_TRUE(message("12 \xff" + kEmpty.substr(1) + " " + kEmpty).starts_with("グリッド1の 1 文字目「\\xFF」"));
    EXPECT_EQ(message("12 " + kEmpty + " " + kEmpty + " o"), "4つ目の項目「o」は対角ルールの x ではありません");
}

TEST(ProblemLine, FormattedLineReadsBackAsTheSameBoard) {
    ProblemLine r = ParseProblemLine("6 " + With(kEmpty, 1, '3') + " " + With(kEmpty, 81, '8') + " x");
    ASSERT_EQ(r.kind, Kind::Problem);
    std::string line = FormatProblemLine(r.board);
    EXPECT_EQ(line, "6 " + With(kEmpty, 1, '3') + " " + With(kEmpty, 81, '8') + " x");
    EXPECT_EQ(ParseProblemLine(line).board, r.board);
}

TEST(Answer, PlainAndJsonLinesCarryTheKeysOfTheirStatus) {
    Answer error;
    error.line = 3;
    error.error = true;
    error.message = "a \"quoted\" \\ word\t";
    EXPECT_EQ(PlainLine(error), "3 error: a \"quoted\" \\ word\t");
    EXPECT_EQ(JsonLine(error), "{\"line\":3,\"status\":\"error\",\"message\":\"a \\\"quoted\\\" \\\\ word\\u0009\"}");

    Answer none;
    none.line = 4;
    none.nanos = 17999;
    EXPECT_EQ(PlainLine(none), "4 none");
    EXPECT_EQ(JsonLine(none), "{\"line\":4,\"status\":\"none\",\"micros\":17,\"nanos\":17999}");

    Answer multiple;
    multiple.line = 5;
    multiple.result.verdict = puzzle::Verdict::Multiple;
    multiple.result.solution.set(1, 1, 1);
    multiple.result.second.set(1, 1, 2);
    std::string g1a = With(kEmpty, 1, '1'), g1b = With(kEmpty, 1, '2');
    EXPECT_EQ(PlainLine(multiple), "5 multiple " + g1a + " " + kEmpty + " " + g1b + " " + kEmpty);
    EXPECT_EQ(JsonLine(multiple), "{\"line\":5,\"status\":\"multiple\",\"solution\":[\"" + g1a + "\",\"" + kEmpty +
                                      "\"],\"second\":[\"" + g1b + "\",\"" + kEmpty + "\"],\"micros\":0,\"nanos\":0}");
    multiple.result.verdict = puzzle::Verdict::Unique;
    EXPECT_EQ(JsonLine(multiple),
              "{\"line\":5,\"status\":\"unique\",\"solution\":[\"" + g1a + "\",\"" + kEmpty + "\"],\"micros\":0,\"nanos\":0}");
}

TEST(ProblemLine, MangledLinesAreReadOrRefusedWithAReason) {
    // A good line with random bytes changed, inserted or removed: never a crash, an error
    // always says why, and a line that reads writes back as the same board. The batch's
    // reader of well-formed lines reads exactly the lines that read as a problem, the same.
    const std::string good = "7 " + With(kEmpty, 5, '3') + " " + With(kEmpty, 77, '9') + " x";
    std::mt19937_64 rng(7);
    const std::string alphabet = "0123456789.xX# \t\r\xef\xbc\x91\xff";
    int problems = 0, errors = 0;
    for (int i = 0; i < 20000; ++i) {
        std::string line = good;
        for (int edits = 1 + static_cast<int>(rng() % 3); edits > 0; --edits) {
            std::size_t at = rng() % (line.size() + 1);
            char ch = alphabet[rng() % alphabet.size()];
            switch (rng() % 3) {
                case 0: if (at < line.size()) line[at] = ch; break;
                case 1: line.insert(at, 1, ch); break;
                default: if (at < line.size()) line.erase(at, 1); break;
            }
        }
        ProblemLine r = ParseProblemLine(line);
        DoubleBoard quick;
        bool wellFormed = ReadWellFormedLine(line, quick);
        EXPECT_EQ(wellFormed, r.kind == Kind::Problem) << line;
        if (wellFormed) {
            EXPECT_EQ(quick, r.board) << line;
        }
        if (r.kind == Kind::Error) {
            EXPECT_FALSE(r.message.empty()) << line;
            ++errors;
        } else if (r.kind == Kind::Problem) {
            EXPECT_EQ(ParseProblemLine(FormatProblemLine(r.board)).board, r.board) << line;
            ++problems;
        }
    }
    EXPECT_GT(problems, 0);
    EXPECT_GT(errors, 0);
}

TEST(Answer, StepsFollowTheAnswerInPlainTextAndComeBeforeMicrosInJson) {
    // A solved pattern-12 board with grid 1's first cell emptied: one step fills it.
    ProblemLine r = ParseProblemLine(
        "12 .14293786679184325382567419826941537931875264457632891193458672248716953765329148 "
        "672194835953287641148536297295478163387961452416325789729843516861759324534612978");
    ASSERT_EQ(r.kind, Kind::Problem) << r.message;
    Answer a;
    a.line = 2;
    a.pattern = 12;
    a.result = puzzle::Solve(r.board);
    a.path = puzzle::RunPath(r.board);
    ASSERT_EQ(a.result.verdict, puzzle::Verdict::Unique);

    std::string plain = PlainLine(a);
    std::size_t first = plain.find('\n');
    ASSERT_NE(first, std::string::npos);
    EXPECT_EQ(plain.substr(0, first), "2 unique " + GridText(a.result.solution, 1) + " " + GridText(a.result.solution, 2));
    EXPECT_TRUE(plain.substr(first).starts_with("\n  1. 最後の空きマス (Last Cell) 1.0 グリッド1の1行1列に5: ")) << plain;
    EXPECT_TRUE(plain.ends_with("\n  難易度: 1.0 singles（いちばん難しい手筋: 最後の空きマス (Last Cell)）、最後まで解けました")) << plain;
    EXPECT_EQ(std::count(plain.begin(), plain.end(), '\n'), 2);

    std::string json = JsonLine(a);
    EXPECT_NE(json.find("\"],\"steps\":[{\"technique\":\"Last Cell\",\"difficulty\":1.0,\"text\":\""), std::string::npos) << json;
    EXPECT_NE(json.find("\"place\":[{\"grid\":1,\"row\":1,\"col\":1,\"digit\":5}]}]"), std::string::npos) << json;
    EXPECT_TRUE(json.ends_with(",\"rating\":{\"hardest\":\"Last Cell\",\"difficulty\":1.0,\"level\":\"singles\",\"finished\":true},\"micros\":0,\"nanos\":0}")) << json;
}

TEST(ProblemLine, ALongPatternFieldIsRefusedWithoutReadingIt) {
    std::string grid(81, '.');
    for (const char* pattern : {"677782778123", "99999999999999999999", "1x", "012"}) {
        ProblemLine line = ParseProblemLine(std::string(pattern) + " " + grid + " " + grid);
        EXPECT_EQ(line.kind, ProblemLine::Kind::Error) << pattern;
    }
}

TEST(ShownField, ShowsTheFirstCharactersWithControlsAndStrayBytesAsHex) {
    EXPECT_EQ(ShownField("12"), "12");
    const std::string bound(kShownCharacters, '9');
    EXPECT_EQ(ShownField(bound), bound);
    EXPECT_EQ(ShownField(bound + "9"), bound + "…");
    // Characters, not bytes, are counted, and none is cut in two.
    std::string wide;
    for (std::size_t i = 0; i < kShownCharacters + 5; ++i) wide += "７";
    EXPECT_EQ(ShownField(wide), wide.substr(0, 3 * kShownCharacters) + "…");
    // C0, DEL and C1 controls (a terminal reads U+009B as the start of an escape sequence),
    // and bytes that are not UTF-8: overlong, a surrogate, a cut sequence.
    EXPECT_EQ(ShownField("12\x1b[2J\t\x7f"), "12\\x1B[2J\\x09\\x7F");
    EXPECT_EQ(ShownField("\xc2\x9b" "31m"), "\\xC2\\x9B31m");
    EXPECT_EQ(ShownField("\xff\xc0\xaf\xed\xa0\x80\xe3\x81"), "\\xFF\\xC0\\xAF\\xED\\xA0\\x80\\xE3\\x81");
    EXPECT_EQ(ShownField("\xc2\xa0\\"), "\xc2\xa0\\");  // a no-break space and a backslash stay
    EXPECT_EQ(ShownField(std::string(kShownCharacters + 1, '\x1b')), [] {
        std::string s;
        for (std::size_t i = 0; i < kShownCharacters; ++i) s += "\\x1B";
        return s + "…";
    }());
}

TEST(ProblemLine, MessagesQuoteABadFieldShortAndHarmless) {
    ProblemLine escape = ParseProblemLine("12\x1b]0;title\x07 " + kEmpty + " " + kEmpty);
    EXPECT_EQ(escape.message, "パターン番号「12\\x1B]0;title\\x07」は 1〜12 の数ではありません");
    ProblemLine huge = ParseProblemLine("1 " + kEmpty + " " + kEmpty + " " + std::string(10'000'000, 'y'));
    EXPECT_EQ(huge.message, "4つ目の項目「" + std::string(kShownCharacters, 'y') + "…」は対角ルールの x ではありません");
    ProblemLine control = ParseProblemLine("1 " + With(kEmpty, 9, '\x9b') + " " + kEmpty);
    EXPECT_TRUE(control.message.starts_with("グリッド1の 9 文字目「\\x9B」")) << control.message;
}

TEST(Answer, JsonReplacesBytesThatAreNotUtf8SoEveryLineParses) {
    const std::string replacement = "\xEF\xBF\xBD";
    EXPECT_EQ(JsonString("a\xff" "b"), "\"a" + replacement + "b\"");
    EXPECT_EQ(JsonString("\xc0\xaf"), "\"" + replacement + replacement + "\"");                 // overlong '/'
    EXPECT_EQ(JsonString("\xed\xa0\x80"), "\"" + replacement + replacement + replacement + "\"");  // a surrogate
    EXPECT_EQ(JsonString("７\xe3\x81"), "\"７" + replacement + replacement + "\"");              // cut short
    EXPECT_EQ(JsonString("\xf0\x9f\x98\x80\x1b"), "\"\xf0\x9f\x98\x80\\u001b\"");
}
