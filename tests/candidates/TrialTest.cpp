// The trial solvers on grids made for one turn of the procedure each.
#include <random>

#include "DoubleProblem.h"
#include "puzzle/Generator.h"
#include "TrialFixture.h"

namespace {

struct Trial : TrialFixture {
    // Row r holds 1..7 in its first seven cells; its last two cells are the pair {8, 9}.
    static std::string PairRow(int r) {
        std::string line(81, '.');
        for (int c = 1; c <= 7; ++c) line[static_cast<size_t>((r - 1) * 9 + c - 1)] = static_cast<char>('0' + c);
        return line;
    }
    void run(int persona) {
        said.clear();
        click(button(persona));
    }
};

}  // namespace

TEST_F(Trial, NoTwoCandidateCellGivesUpAndRestores) {
    loadGrid1(std::string(81, '.'));
    grid1().cmdAutoHantei_Click();
    const Grid before = cells();
    for (int i = 0; i < 7; ++i) {
        run(i);
        EXPECT_EQ(texts(), (std::vector<std::string>{persona(i).start, persona(i).exhausted, persona(i).notSolved})) << i;
        EXPECT_EQ(cells(), before);
        // Judged once more after the restore.
        EXPECT_EQ(cmn().KouhoGrid[9], 1);
        EXPECT_EQ(cmn().KouhoTbl[1][9], 1);
    }
}

TEST_F(Trial, MarksOfTheOtherGridAreNoCandidates) {
    loadGrid1(PairRow(1));
    grid1().cmdAutoHantei_Click();
    // Grid 2's judgement rewrites the marks; they do not describe grid 1's cells 8 and 9.
    for (int k = 1; k <= 81; ++k) grid2().Text1(k - 1).setText("");
    grid2().cmdAutoHantei_Click();
    run(0);
    EXPECT_EQ(texts(), (std::vector<std::string>{"僕にまかせろ！", "もえつきた～～～～っ", "残念！"}));
    // The end step's judgement of grid 1 makes its own marks current again.
    EXPECT_EQ(cmn().KouhoGrid[8], 1);
    EXPECT_EQ(kouho().KouhoBits(8), "000000011");
}

TEST_F(Trial, StalledTrialRaisesTheLevelAndSavesTheTrialDigit) {
    loadGrid1(PairRow(5));
    grid1().cmdAutoHantei_Click();
    const Grid before = cells();
    run(0);
    // 8 goes into cell 44, the final digit 9 into cell 45; nothing else follows, so the next
    // level saves both; no two-candidate cell is left after cell 44.
    EXPECT_EQ(texts(), (std::vector<std::string>{"僕にまかせろ！", "がんばるぞう", "もえつきた～～～～っ", "残念！"}));
    EXPECT_EQ(said[1].trialCell, 44);
    EXPECT_EQ(said[1].grid[43], "8");
    EXPECT_EQ(kouho().T81Tbl[1][44], "");
    EXPECT_EQ(kouho().T81Tbl[2][44], "8");
    EXPECT_EQ(kouho().T81Tbl[2][45], "9");
    EXPECT_EQ(cells(), before);
    // The board lost what the trial placed on it.
    EXPECT_EQ(boardCell(1, 44).text(), main().text1(cmn().GridMasu[cmn().PatternNo][1][44]).text());
    EXPECT_NE(boardCell(1, 44).text(), "8");
    EXPECT_NE(boardCell(1, 45).text(), "9");
}

TEST_F(Trial, SixthPersonaRedrawsAfterPlacing) {
    loadGrid1(PairRow(5));
    grid1().cmdAutoHantei_Click();
    int grid1Before = grid1().refreshCount(), kouhoBefore = kouho().refreshCount();
    run(0);
    int grid1Plain = grid1().refreshCount() - grid1Before, kouhoPlain = kouho().refreshCount() - kouhoBefore;
    grid1Before = grid1().refreshCount();
    kouhoBefore = kouho().refreshCount();
    run(5);
    ASSERT_EQ(texts()[1], "動物園に　いきたい!");
    EXPECT_EQ(grid1().refreshCount() - grid1Before, grid1Plain + 1);
    EXPECT_EQ(kouho().refreshCount() - kouhoBefore, kouhoPlain + 1);
}

TEST_F(Trial, CellTwentyNineWordsOnlyFromThreePersonasOnTheFirstDigit) {
    // Row 4 is 1 . 2 3 4 5 6 7 .: cells 29 and 36 hold the pair {8, 9}.
    std::string line(81, '.');
    const std::string row4 = "1.234567.";
    line.replace(27, 9, row4);
    loadGrid1(line);
    grid1().cmdAutoHantei_Click();
    for (int i : {0, 3, 4}) {
        run(i);
        ASSERT_GE(said.size(), 3u);
        EXPECT_EQ(said[1].text, persona(i).placing);
        EXPECT_EQ(said[1].trialCell, 29);
        EXPECT_EQ(said[2].text, persona(i).cell29) << i;
    }
    // The others never say it; ぺりか and ゆっぴ come to cell 36 first.
    for (int i : {1, 6}) {
        run(i);
        EXPECT_EQ(said[1].trialCell, 36);
        for (const auto& s : said) EXPECT_NE(s.text, "なかなか　ですね");
    }
}

TEST_F(Trial, AFullGridCountsOnlyWhenTheDoubleBoardAcceptsIt) {
    // A known double board with four cells of grid 1 emptied: a rectangle in two boxes whose
    // two digits can swap within grid 1. Part of it is shared with grid 2, so only one way
    // round agrees with grid 2's cells on the board; the smaller digit first is the wrong way.
    struct Source {
        const char* file;
        int pattern;
    };
    DoubleProblem p;
    int pattern = 0;
    std::array<int, 4> rect{};
    for (Source src : {Source{"sensei-1-180422-185709.easy.txt", 12}, Source{"sensei-2-180422-202556.easy.txt", 11},
                       Source{"sensei-1-180423-125610.medium.txt", 12}, Source{"sensei-2-180423-131154.medium.txt", 11}}) {
        p = DoubleProblem::Load(src.file);
        ASSERT_TRUE(p.valid());
        while (cmn().PatternNo != src.pattern) click(main().cmdPattern);
        const std::string& s = p.solution[0];
        auto digit = [&s](int k) { return s[static_cast<size_t>(k - 1)]; };
        auto box = [](int k) { return ((k - 1) / 27) * 3 + ((k - 1) % 9) / 3; };
        auto shared = [this](int k) { return cmn().PatternMasu[cmn().PatternNo][cmn().GridMasu[cmn().PatternNo][1][k]] == 3; };
        for (int r1 = 1; r1 <= 9 && !pattern; ++r1) {
            for (int r2 = r1 + 1; r2 <= 9 && !pattern; ++r2) {
                for (int c1 = 1; c1 <= 9 && !pattern; ++c1) {
                    for (int c2 = c1 + 1; c2 <= 9 && !pattern; ++c2) {
                        int a = (r1 - 1) * 9 + c1, b = (r1 - 1) * 9 + c2, c = (r2 - 1) * 9 + c1, d = (r2 - 1) * 9 + c2;
                        bool swaps = digit(a) == digit(d) && digit(b) == digit(c) && digit(a) > digit(b);
                        bool twoBoxes = (box(a) == box(b) && box(c) == box(d)) || (box(a) == box(c) && box(b) == box(d));
                        int nShared = shared(a) + shared(b) + shared(c) + shared(d);
                        if (swaps && twoBoxes && nShared > 0 && nShared < 4) {
                            pattern = src.pattern;
                            rect = {a, b, c, d};
                        }
                    }
                }
            }
        }
        if (pattern) break;
    }
    ASSERT_NE(pattern, 0) << "no such rectangle in the solutions";
    std::string grid1Line = p.solution[0];
    for (int k : rect) grid1Line[static_cast<size_t>(k - 1)] = '.';
    loadBoard(pattern, {grid1Line, p.solution[1]});
    grid1().cmdAutoHantei_Click();
    run(0);
    EXPECT_EQ(texts(), (std::vector<std::string>{"僕にまかせろ！", "がんばるぞう", "これで、どうだ", "やった！　解けたぞ！"}));
    EXPECT_EQ(said[1].trialCell, rect[0]);
    EXPECT_EQ(cmn().SolvedMark, 9);
    EXPECT_EQ(main().lblSetCount.caption(), pattern == 6 ? "126" : pattern == 11 ? "144" : "153");
    for (int k = 1; k <= 81; ++k) {
        EXPECT_EQ(grid1().Text1(k - 1).text(), std::string(1, p.solution[0][static_cast<size_t>(k - 1)])) << k;
        EXPECT_EQ(boardCell(1, k).text(), grid1().Text1(k - 1).text()) << k;
    }
}

TEST_F(Trial, AnEleventhLevelEndsTheRun) {
    // Grid 1 of a public problem on its own: ぽっけ stalls ten times in a row.
    DoubleProblem p = DoubleProblem::Load("sensei-1-180501-144448.hard.txt");
    ASSERT_TRUE(p.valid());
    loadBoard(12, {p.givens[0], std::string(81, '.')});
    judgeUntilStuck();
    const Grid before = cells();
    run(0);
    const auto t = texts();
    ASSERT_GE(t.size(), 4u);
    EXPECT_EQ(t[t.size() - 2], "う～～～ん　だだだだ");
    EXPECT_EQ(t.back(), "残念！");
    EXPECT_EQ(std::count(t.begin(), t.end(), "がんばるぞう"), 10);
    EXPECT_EQ(cells(), before);
    for (int slot = 2; slot <= 10; ++slot) EXPECT_NE(kouho().T81Tbl[slot], kouho().T81Tbl[slot - 1]) << slot;
}

// Right after one automatic step, a cell the step filled late still carries the marks of the
// digits judged before it. A persona looks for a cell with two candidates and must pass over
// every cell that holds a digit, whatever its marks say.
TEST_F(Trial, TheSearchPassesOverCellsThatHoldADigit) {
    int seen = 0;
    for (uint64_t seed = 1; seed <= 60 && seen < 3; ++seed) {
        // A random grid 1: a full grid with most of its cells taken away.
        puzzle::DoubleBoard full = puzzle::GenerateSolution(12, false, seed);
        std::mt19937_64 rng(seed);
        std::string line(81, '.');
        for (int k = 1; k <= 81; ++k) {
            if (rng() % 100 < 32) line[static_cast<size_t>(k - 1)] = static_cast<char>('0' + full.at(1, k));
        }
        loadGrid1(line);
        grid1().cmdAutoHantei_Click();
        const Grid before = cells();
        // The first cell in ぽっけ's order with two marks of grid 1, filled or not.
        int firstMarked = 0;
        for (int k = persona(0).firstCell; persona(0).inStretch(k) && !firstMarked; k += persona(0).step) {
            int marks = 0;
            for (int d = 1; d <= 9; ++d) marks += cmn().KouhoGrid[d] == 1 && cmn().KouhoTbl[k][d] == 1;
            if (marks == 2) firstMarked = k;
        }
        if (!firstMarked || before[static_cast<size_t>(firstMarked - 1)].empty()) continue;
        ++seen;
        run(0);
        ASSERT_GE(said.size(), 2u);
        if (said[1].text != std::string(persona(0).placing)) continue;  // no empty two-candidate cell at all
        const int trial = said[1].trialCell;
        ASSERT_GT(trial, 0);
        EXPECT_EQ(before[static_cast<size_t>(trial - 1)], "") << "seed " << seed << ": the trial went into cell " << trial
                                                             << ", which held " << before[static_cast<size_t>(trial - 1)];
        EXPECT_GT(trial, firstMarked) << "seed " << seed;
    }
    EXPECT_GT(seen, 0) << "no grid left a filled cell with two marks first in the search";
}
