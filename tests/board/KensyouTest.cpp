// 検証 on the main window: each answer, its message and its paint, and that nothing but
// colours changes.
#include <array>

#include "DoubleProblem.h"
#include "ProgramFixture.h"
#include "board/PatternTables.h"

using namespace board;

namespace {

struct Kensyou : ProgramFixture {
    DoubleProblem problem = DoubleProblem::Load("sensei-1-180422-185709.easy.txt");

    Kensyou() { start(); }

    // The givens on the board as loading puts them: digits locked, "" in empty cells.
    void load(bool lockGivens) {
        for (int g = 1; g <= 2; ++g) {
            for (int k = 1; k <= 81; ++k) {
                char c = problem.givens[static_cast<size_t>(g - 1)][static_cast<size_t>(k - 1)];
                bool digit = c >= '1' && c <= '9';
                boardCell(g, k).setText(digit ? std::string(1, c) : "");
                boardCell(g, k).setLocked(digit && lockGivens);
            }
        }
    }
    char solution(int g, int k) { return problem.solution[static_cast<size_t>(g - 1)][static_cast<size_t>(k - 1)]; }

    std::array<std::string, 226> texts() {
        std::array<std::string, 226> t;
        for (int c = 0; c <= 225; ++c) t[static_cast<size_t>(c)] = main().text1(c).text();
        return t;
    }
    // Clicks 検証 and returns its one message, checking that no text changed.
    std::string verify() {
        services.clearRecords();
        auto before = texts();
        click(main().cmdKensyou);
        EXPECT_EQ(texts(), before);
        EXPECT_EQ(services.records().size(), 1u);
        if (services.records().empty()) return {};
        // The engine's answers inform; a fault of the board warns.
        const std::string& text = services.records()[0].text;
        const bool answer = text.rfind("解は1つだけです。", 0) == 0 || text.rfind("解が2つ以上あります。", 0) == 0;
        EXPECT_EQ(services.records()[0].icon, answer ? ui::MsgIcon::Information : ui::MsgIcon::Exclamation) << text;
        return text;
    }
    std::vector<int> painted() {
        std::vector<int> cells;
        for (int c = 1; c <= 225; ++c)
            if (main().text1(c).backColor() != cmn().IroMiketei) cells.push_back(c);
        return cells;
    }
};

}  // namespace

TEST_F(Kensyou, TheButtonStandsUnderTheDifficulty) {
    EXPECT_EQ(main().cmdKensyou.caption(), "検証");
    EXPECT_EQ(main().cmdKensyou.left(), main().cmdHint.left());
    EXPECT_EQ(main().cmdKensyou.top(), 6700);
    EXPECT_EQ(main().cmdKensyou.width(), main().cmdHint.width());
    EXPECT_EQ(main().cmdKensyou.height(), 480);
}

TEST_F(Kensyou, ExactlyOneSolution) {
    ASSERT_TRUE(problem.valid());
    load(true);
    EXPECT_EQ(verify(), "解は1つだけです。");
    EXPECT_TRUE(painted().empty());
}

TEST_F(Kensyou, SeveralSolutionsPaintTheCellsWhereTheyDiffer) {
    load(false);
    boardCell(1, 1).setText("");  // the 5 of grid 1's corner: a second solution appears
    std::string message = verify();
    EXPECT_TRUE(message.starts_with("解が2つ以上あります。\n2つの解で数字が分かれる ")) << message;
    std::vector<int> cells = painted();
    ASSERT_FALSE(cells.empty());
    EXPECT_NE(message.find(" " + std::to_string(cells.size()) + " 個のマス"), std::string::npos) << message;
    for (int c : cells) {
        EXPECT_EQ(main().text1(c).backColor(), cmn().IroOnly);
        EXPECT_EQ(main().text1(c).text(), "") << "a given cannot differ between solutions";
    }
    click(main().cmdClear02);
    EXPECT_TRUE(painted().empty());
}

TEST_F(Kensyou, NoSolutionCountsTheDigitsThatDifferFromTheLockedProblem) {
    load(true);
    // Two digits typed over empty cells: one right, one wrong but clashing with no unit.
    int right = 0, wrongCell = 0;
    for (int k = 1; k <= 81 && (right == 0 || wrongCell == 0); ++k) {
        if (!boardCell(2, k).text().empty()) continue;
        if (right == 0) {
            right = k;
            boardCell(2, k).setText(std::string(1, solution(2, k)));
            continue;
        }
        // A digit that no unit of the cell holds yet, other than the solution's.
        for (char d = '1'; d <= '9' && wrongCell == 0; ++d) {
            if (d == solution(2, k)) continue;
            boardCell(2, k).setText(std::string(1, d));
            services.clearRecords();
            click(main().cmdKensyou);
            if (services.messages().at(0).starts_with("間違っている")) wrongCell = k;
            else boardCell(2, k).setText("");
        }
    }
    ASSERT_NE(wrongCell, 0);
    EXPECT_EQ(verify(), "間違っている数字が 1 個あります。\n色を付けたマスです。");
    std::vector<int> cells = painted();
    ASSERT_EQ(cells.size(), 1u);
    EXPECT_EQ(cells[0], cmn().GridMasu[12][2][wrongCell]);
    EXPECT_EQ(main().text1(cells[0]).backColor(), cmn().IroError);
    click(main().cmdClear02);
    EXPECT_TRUE(painted().empty());
}

TEST_F(Kensyou, NoSolutionWithoutLockedCellsOrWithAFaultyLockedProblem) {
    load(false);
    // Grid 1's row 1 reads 5...9..8. in the problem; its solution has 4 in column 3, so a 6
    // there clashes with no given but leaves no solution.
    ASSERT_EQ(solution(1, 3), '4');
    boardCell(1, 3).setText("6");
    std::string message = verify();
    EXPECT_TRUE(message.starts_with("解がありません。\nどこかの数字が間違っています。")) << message;
    EXPECT_TRUE(painted().empty());

    load(true);  // the wrong digit belongs to the locked problem now
    boardCell(1, 3).setText("6");
    boardCell(1, 3).setLocked(true);
    EXPECT_EQ(verify(), "解がありません。\nロックされた数字だけでも解がありません。");
}

TEST_F(Kensyou, NoSolutionWhenTheLockedDigitsLeaveSeveral) {
    load(false);
    boardCell(1, 1).setLocked(true);  // a single locked 5: many solutions
    boardCell(1, 3).setText("6");
    EXPECT_EQ(verify(), "解がありません。\nロックされた数字だけでは解が1つに決まらないので、間違っている数字を示せません。");
}

TEST_F(Kensyou, ACellThatIsNotADigitIsNamed) {
    load(false);
    boardCell(2, 80).setText("a");  // grid 2, row 9, column 8
    EXPECT_EQ(verify(), "グリッド2の 9 行 8 列に、数字ではない「a」が入っています。\n1〜9 の数字か空白にしてください。");
    EXPECT_EQ(painted(), std::vector<int>{cmn().GridMasu[12][2][80]});
}

TEST_F(Kensyou, ADigitTwiceInAUnitIsNamedWithBothCells) {
    load(false);
    boardCell(1, 9).setText("5");  // row 1 of grid 1 has its 5 in column 1
    EXPECT_EQ(verify(), "グリッド1の 1 行目に 5 が2つあります（1 行 1 列と 1 行 9 列）。");
    EXPECT_EQ(painted(), (std::vector<int>{BoardCell(1, 1), BoardCell(1, 9)}));
    EXPECT_EQ(main().text1(BoardCell(1, 9)).backColor(), cmn().IroError);

    // Under the diagonal rule the diagonals count. Grid 2's (2, 2) is grid 1's (8, 8) and lies
    // on both main diagonals; grid 2's (8, 8) only on grid 2's.
    click(main().cmdClear01);
    boardCell(2, 11).setText("3");
    boardCell(2, 71).setText("3");
    EXPECT_TRUE(verify().starts_with("解が2つ以上あります。"));
    options().chkTaikakusen.setValue(1);
    ASSERT_TRUE(main().cmdNaname01.visible());
    EXPECT_EQ(verify(), "グリッド2の左上から右下への対角線に 3 が2つあります（2 行 2 列と 8 行 8 列）。");
}
