#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

#include "DoubleProblem.h"
#include "MondaiFixture.h"
#include "collection/CollectionFile.h"
#include "collection/ShiftJis.h"

using namespace collection;
using namespace collection_test;

namespace {

// A problem in pattern p with the givens of both grids, as two records.
std::string Problem(int s, int p, const std::string& g1, const std::string& g2, const std::string& memo = "",
                    bool naname = false) {
    return Bytes(Record(s, p, 'A', g1, memo, naname)) + Bytes(Record(s + 1, p, 'B', g2, "", naname));
}

std::string Line(int k, char d) {
    std::string line(81, '.');
    line[static_cast<size_t>(k - 1)] = d;
    return line;
}

}  // namespace

TEST_F(MondaiFixture, LoadingPlacesBothGridsOnTheBoardAndTheGridWindows) {
    auto p = DoubleProblem::Load("sensei-2-180422-202556.easy.txt");
    ASSERT_TRUE(p.valid());
    startWith(Collection(1) + Problem(3, 11, p.givens[0], p.givens[1], "二番目"));
    load(3);
    EXPECT_TRUE(services.messages().empty());
    EXPECT_EQ(cmn().PatternNo, 11);
    for (int g = 1; g <= 2; ++g) {
        auto& window = g == 1 ? grid1() : grid2();
        for (int k = 1; k <= 81; ++k) {
            char c = p.givens[static_cast<size_t>(g - 1)][static_cast<size_t>(k - 1)];
            auto& cell = boardCell(g, k);
            EXPECT_TRUE(cell.visible());
            if (c >= '1' && c <= '9') {
                EXPECT_EQ(cell.text(), std::string(1, c)) << g << ":" << k;
                EXPECT_TRUE(cell.locked());
                EXPECT_EQ(cell.backColor(), ui::kWhite);
                EXPECT_EQ(cell.foreColor(), ui::kBlack);
                EXPECT_EQ(window.Text1(k - 1).text(), std::string(1, c));
            } else if (!(g == 1 && cmn().PatternMasu[11][cmn().GridMasu[11][1][k]] == 3)) {
                // A shared cell is placed again from grid 2; every other empty cell is "".
                EXPECT_EQ(cell.text(), "") << g << ":" << k;
                EXPECT_EQ(window.Text1(k - 1).text(), "");
            }
        }
    }
    EXPECT_EQ(main().lblMondaiNum.caption(), "3 ");
    EXPECT_EQ(main().txtMondaiMemo.text(), "二番目" + std::string(44, ' '));
    EXPECT_EQ(main().lblMasuSuu.caption(), "144");
    for (int i = 1; i <= 3; ++i) EXPECT_TRUE(main().cmdHanteiA(i).visible());
    EXPECT_NE(main().lblSetCount.caption(), "0");
    EXPECT_EQ(cmn().OmedetouZumi, 0);
    // Cells outside the pattern are hidden.
    EXPECT_FALSE(main().text1(15).visible());
}

TEST_F(MondaiFixture, SharedCellTakesTheValueOfTheBRecord) {
    // Pattern 12: grid 1's cell 81 is grid 2's cell 21 (board cell 129).
    startWith(Problem(1, 12, Line(81, '4'), Line(21, '6')));
    load(1);
    EXPECT_EQ(main().text1(129).text(), "6");
    EXPECT_EQ(grid1().Text1(80).text(), "4");
    EXPECT_EQ(grid2().Text1(20).text(), "6");
    // The records disagree: the load says where, and what the board shows.
    EXPECT_EQ(services.messages(), std::vector<std::string>{"格納番号 1 の問題の記録:\n2つの盤が重なるマス（グリッド2の 3 行 3 列）で "
                                                            "2つの盤の数字が食い違っています。\n重なるマスには、グリッド2の記録のとおりに置きました。"});
    EXPECT_EQ(services.records().back().icon, ui::MsgIcon::Exclamation);
}

TEST_F(MondaiFixture, LoadingZeroIsRefusedAndChangesNothing) {
    startWith(Collection(1));
    main().text1(1).setText("5");
    load(0);
    EXPECT_EQ(services.messages(), std::vector<std::string>{"問題集ファイル、または、格納番号を正しく指定してください。"});
    EXPECT_EQ(services.records().back().icon, ui::MsgIcon::Information);
    EXPECT_EQ(main().text1(1).text(), "5");
}

TEST_F(MondaiFixture, NumberBoxesMustHoldWholeNumbers) {
    startWith(Collection(1));
    std::string before = ReadFile(defaultPath());
    main().text1(1).setText("5");
    for (const char* bad : {"abc", "", "3.5", "99999"}) {
        services.clearRecords();
        mondai().Text1.setText(bad);
        click(mondai().Command1);
        EXPECT_EQ(services.messages().size(), 1u) << bad;
        EXPECT_NE(lastMessage().find("整数ではありません"), std::string::npos) << bad;
        mondai().Text3.setText(bad);
        click(mondai().Command2);
        EXPECT_EQ(services.messages().size(), 2u) << bad;
    }
    EXPECT_EQ(main().text1(1).text(), "5");
    EXPECT_EQ(ReadFile(defaultPath()), before);
}

TEST_F(MondaiFixture, LoadingPastTheEndStepsBack) {
    startWith(Collection(3));
    load(7);
    EXPECT_EQ(services.messages(), std::vector<std::string>{"この問題集には、これ以上の問題は存在しません。"});
    EXPECT_EQ(text1(), "5");
    for (int c = 1; c <= 225; ++c) EXPECT_EQ(main().text1(c).text(), "  ") << c << ": the board as it was";
}

// Every property of every control of the board and both grid windows.
std::vector<std::string> Shown(program::Program& program) {
    std::vector<std::string> shown;
    for (ui::Form* form : {static_cast<ui::Form*>(&program.frmAllGamen()), static_cast<ui::Form*>(&program.frmMozelAuto()),
                           static_cast<ui::Form*>(&program.frmMozelAuto2())}) {
        for (ui::Control* control : form->controls()) {
            for (const std::string& name : control->propertyNames())
                shown.push_back(form->name() + "." + control->path() + "." + name + "=" + ui::ToText(control->property(name)));
        }
    }
    return shown;
}

TEST_F(MondaiFixture, AFailedLoadKeepsTheBoardAndTheGridWindows) {
    std::string bytes = Collection(2);
    bytes.replace(2 * 255 + 2, 2, "13");  // problem 3: pattern 13
    startWith(bytes);
    const std::string noProblem = "格納番号3は、モゼルダブルの問題では、ありません。";
    const std::string pastEnd = "この問題集には、これ以上の問題は存在しません。";
    struct Case {
        const char* what;
        std::function<void()> act;
        std::string message, storageNumber;
    };
    const Case cases[] = {
        {"next onto a record that is no problem", [&] { click(mondai().cmdNextRead); }, noProblem, "3"},
        {"loading a record that is no problem", [&] { load(3); }, noProblem, "3"},
        {"loading past the end", [&] { load(5); }, pastEnd, "3"},
        {"next past the end", [&] { mondai().Text1.setText("3"); click(mondai().cmdNextRead); }, pastEnd, "3"},
        {"previous onto a record that is no problem", [&] { mondai().Text1.setText("5"); click(mondai().cmdBeforeRead); },
         noProblem, "3"},
    };
    for (const Case& c : cases) {
        // A problem in play: loaded, a digit of the user's, grid 1 judged (its window filled
        // and coloured).
        load(1);
        type(main().text1(cmn().GridMasu[12][1][2]), "5");
        click(main().cmdHanteiA(1));
        services.clearRecords();
        const std::vector<std::string> before = Shown(program);
        const std::size_t steps = program.journal().steps();
        c.act();
        EXPECT_EQ(services.messages(), std::vector<std::string>{c.message}) << c.what;
        EXPECT_EQ(text1(), c.storageNumber) << c.what;
        EXPECT_EQ(Shown(program), before) << c.what;
        // The one step a failed load may leave is the storage number's: undone, the board
        // stays as it is.
        ASSERT_LE(program.journal().steps(), steps + 1) << c.what;
        if (program.journal().steps() > steps) {
            click(main().cmdModosu);
            // (The redo button is enabled now.)
            auto withoutRedo = [](std::vector<std::string> shown) {
                std::erase_if(shown, [](const std::string& p) { return p.starts_with("frmAllGamen.cmdYarinaosi."); });
                return shown;
            };
            EXPECT_EQ(withoutRedo(Shown(program)), withoutRedo(before)) << c.what << ": undone";
        }
    }
}

TEST_F(MondaiFixture, LoadingBeyondNinetyReadsNothing) {
    startWith(Collection(3));
    main().text1(1).setText("5");
    load(91);
    EXPECT_TRUE(services.messages().empty());
    EXPECT_EQ(main().text1(1).text(), "5");
    EXPECT_EQ(main().lblSetCount.caption(), "1");
    EXPECT_EQ(main().lblMasuSuu.caption(), "153");
}

TEST_F(MondaiFixture, LoadingAnEvenNumberPlacesTheBRecordFirst) {
    // Problem 3 and problem 5 in pattern 12: record 4 (B) then record 5 (A).
    startWith(Problem(1, 12, Line(1, '1'), Line(1, '1')) + Problem(3, 12, Line(1, '3'), Line(81, '4')) +
              Problem(5, 12, Line(2, '5'), Line(1, '6')));
    main().text1(15).setText("9");
    load(4);
    EXPECT_EQ(main().text1(15).text(), "9") << "an even number does not clear the board";
    EXPECT_EQ(main().text1(225).text(), "4") << "record 4 fills grid 2's cells";
    EXPECT_EQ(grid1().Text1(80).text(), "4") << "... and the grid 1 window";
    EXPECT_EQ(main().text1(2).text(), "5") << "record 5 fills grid 1's cells";
    EXPECT_EQ(grid2().Text1(1).text(), "5") << "... and the grid 2 window";
    EXPECT_TRUE(services.messages().empty()) << "records of two problems are not checked as one";
}

TEST_F(MondaiFixture, DiagonalFlagSwitchesTheDiagonalControls) {
    startWith(Problem(1, 12, Line(1, '1'), Line(1, '1'), "", true) + Problem(3, 12, Line(1, '2'), Line(1, '2')));
    load(1);
    EXPECT_TRUE(main().cmdNaname01.visible());
    EXPECT_TRUE(main().txtNaname02.visible());
    EXPECT_TRUE(grid1().cmdNaname01.visible());
    EXPECT_EQ(options().chkTaikakusen.value(), 1);
    load(3);
    EXPECT_FALSE(main().cmdNaname01.visible());
    EXPECT_FALSE(grid1().Text7.visible());
    EXPECT_EQ(options().chkTaikakusen.value(), 0);
}

TEST_F(MondaiFixture, RecordThatIsNoDoubleProblemIsReported) {
    std::string bytes = Collection(3);
    bytes.replace(2 * 255 + 2, 2, "13");       // problem 3: pattern 13
    bytes.replace(4 * 255 + 2, 2, "AB");       // problem 5: letters
    startWith(bytes);
    for (int n : {3, 5}) {
        services.clearRecords();
        load(n);
        EXPECT_EQ(services.messages(),
                  std::vector<std::string>{"格納番号" + std::to_string(n) + "は、モゼルダブルの問題では、ありません。"});
        EXPECT_EQ(cmn().PatternNo, 12);
        EXPECT_EQ(main().text1(1).text(), "  ") << "the board as it was";
    }
}

TEST_F(MondaiFixture, LoneARecordLoadsWithAnEmptyGrid2) {
    startWith(Collection(1) + Bytes(Record(3, 12, 'A', Line(81, '8'))));
    EXPECT_EQ(text1(), "3");
    load(3);
    EXPECT_TRUE(services.messages().empty());
    EXPECT_EQ(main().text1(129).text(), "8");
    for (int k = 0; k <= 80; ++k) EXPECT_EQ(grid2().Text1(k).text(), "");
    EXPECT_EQ(ReadFile(defaultPath()).size(), 3u * 255) << "loading never rewrites the file";
}

TEST_F(MondaiFixture, SavingAppendsAndLoadsTheProblemBack) {
    startWith(Collection(3));
    std::string before = ReadFile(defaultPath());
    click(main().cmdClear01);
    type(main().text1(5), "7");  // typed cells read "  7"
    main().txtMondaiMemo.setText("新しい問題");
    main().txtQuestion.setText("12");
    main().txtQuestion2.setText("3");
    main().txtNanido.setText("2.7");
    int up1 = mondai().UpDown1.max(), up2 = mondai().UpDown2.max();
    ASSERT_EQ(text3(), "7");
    click(mondai().Command2);
    // The one message says where the problem went.
    ASSERT_EQ(services.messages().size(), 1u);
    EXPECT_EQ(lastMessage(), "格納番号 7 に問題を書き込みました。\nファイル：" + defaultPath());
    std::string after = ReadFile(defaultPath());
    ASSERT_EQ(after.size(), 2040u);
    EXPECT_EQ(after.substr(0, 1530), before);
    EXPECT_EQ(after.substr(1530, 5), "7 12A");
    EXPECT_EQ(after.substr(1530 + 5 + 8, 2), "7 ");
    EXPECT_EQ(after.substr(1530 + 168, 2), "2 ") << "difficulty 2.7 is stored as 2";
    EXPECT_EQ(after.substr(1785, 5), "8 12B");
    EXPECT_EQ(text1(), "7");
    EXPECT_EQ(text3(), "9");
    EXPECT_EQ(mondai().UpDown1.max(), up1 + 2);
    EXPECT_EQ(mondai().UpDown2.max(), up2 + 2);
    EXPECT_EQ(main().text1(5).text(), "7");
    EXPECT_TRUE(main().text1(5).locked());
    EXPECT_EQ(main().lblMondaiNum.caption(), "7 ");
    EXPECT_EQ(main().txtMondaiMemo.text(), "新しい問題" + std::string(40, ' '));
    EXPECT_EQ(main().txtQuestion.text(), "12 ");
    EXPECT_EQ(main().txtQuestion2.text(), "3 ");
}

TEST_F(MondaiFixture, SavedProblemRoundTripsThroughTheFile) {
    auto p = DoubleProblem::Load("sensei-4-180705-104524.40.VeryEasy.txt");
    ASSERT_TRUE(p.valid());
    start();
    for (int i = 0; i < 6; ++i) click(main().cmdPattern);
    ASSERT_EQ(cmn().PatternNo, 6);
    for (int g = 1; g <= 2; ++g) {
        for (int k = 1; k <= 81; ++k) {
            char c = p.givens[static_cast<size_t>(g - 1)][static_cast<size_t>(k - 1)];
            // A shared cell is typed once.
            bool typed = !boardCell(g, k).text().empty() && boardCell(g, k).text() != "  ";
            if (c >= '1' && c <= '9' && !typed) type(boardCell(g, k), std::string(1, c));
        }
    }
    options().chkTaikakusen.setValue(1);
    main().txtMondaiMemo.setText("とても易しい");
    main().txtQuestion.setText("40");
    save(1);
    ASSERT_EQ(services.messages().size(), 1u) << lastMessage();
    // Clear everything, switch the pattern away, then load it back.
    click(main().cmdClear01);
    click(main().cmdClear04);
    options().chkTaikakusen.setValue(0);
    click(main().cmdPattern);
    load(1);
    EXPECT_EQ(cmn().PatternNo, 6);
    for (int g = 1; g <= 2; ++g) {
        for (int k = 1; k <= 81; ++k) {
            char c = p.givens[static_cast<size_t>(g - 1)][static_cast<size_t>(k - 1)];
            bool given = c >= '1' && c <= '9';
            bool sharedGiven = false;
            if (!given) {
                // A shared cell may hold the other grid's given.
                int board = cmn().GridMasu[6][g][k];
                sharedGiven = cmn().PatternMasu[6][board] == 3 && !boardCell(g, k).text().empty();
            }
            if (!sharedGiven) {
                EXPECT_EQ(boardCell(g, k).text(), given ? std::string(1, c) : "") << g << ":" << k;
            }
        }
    }
    EXPECT_TRUE(main().cmdNaname01.visible());
    EXPECT_EQ(main().txtMondaiMemo.text(), "とても易しい" + std::string(38, ' '));
    EXPECT_EQ(main().txtQuestion.text(), "40 ");
    EXPECT_EQ(main().lblMondaiNum.caption(), "1 ");
    EXPECT_EQ(main().txtNanido.text(), "0") << "the difficulty is not restored";
}

TEST_F(MondaiFixture, SavingReplacesInPlaceAndBeyondTheEndLeavesGaps) {
    startWith(Collection(3));
    std::string before = ReadFile(defaultPath());
    click(main().cmdClear01);
    type(main().text1(1), "9");
    save(3);
    std::string replaced = ReadFile(defaultPath());
    ASSERT_EQ(replaced.size(), 1530u);
    EXPECT_EQ(replaced.substr(0, 510), before.substr(0, 510));
    EXPECT_EQ(replaced.substr(1020), before.substr(1020));
    EXPECT_EQ(replaced.substr(510 + 5, 2), "9 ");

    save(11);
    EXPECT_EQ(ReadFile(defaultPath()).size(), 12u * 255);
    for (int n : {7, 9}) {
        services.clearRecords();
        load(n);
        EXPECT_EQ(services.messages(),
                  std::vector<std::string>{"格納番号" + std::to_string(n) + "は、モゼルダブルの問題では、ありません。"});
    }
}

TEST_F(MondaiFixture, SavingRefusesNumbersThatAreNoStorageNumbers) {
    startWith(Collection(3));
    std::string before = ReadFile(defaultPath());
    save(91);
    EXPECT_EQ(services.messages(), std::vector<std::string>{"問題の最大格納番号は、90です。"});
    EXPECT_EQ(services.records().back().icon, ui::MsgIcon::None);
    for (int s : {0, 4, 90}) {
        services.clearRecords();
        save(s);
        ASSERT_EQ(services.messages().size(), 1u) << s;
        EXPECT_NE(lastMessage().find("奇数"), std::string::npos) << s;
    }
    EXPECT_EQ(ReadFile(defaultPath()), before);
}

TEST_F(MondaiFixture, TextShiftJisCannotHoldIsRefusedBeforeWriting) {
    startWith(Collection(1));
    std::string before = ReadFile(defaultPath());
    main().txtMondaiMemo.setText("絵文字😀入り");
    save(3);
    ASSERT_EQ(services.messages().size(), 1u);
    EXPECT_NE(lastMessage().find("問題の説明"), std::string::npos);
    EXPECT_NE(lastMessage().find("😀"), std::string::npos);
    EXPECT_EQ(ReadFile(defaultPath()), before);
    EXPECT_EQ(text3(), "3");
    main().txtMondaiMemo.setText("ok");
    main().txtQuestion2.setText("한");
    services.clearRecords();
    save(3);
    EXPECT_NE(lastMessage().find("問題番号"), std::string::npos);
    EXPECT_EQ(ReadFile(defaultPath()), before);
}

TEST_F(MondaiFixture, LongDescriptionIsCutAtACharacter) {
    startWith("");
    std::string thirty;
    for (int i = 0; i < 30; ++i) thirty += "漢";
    main().txtMondaiMemo.setText("a" + thirty);
    save(1);
    std::string memo = ReadFile(defaultPath()).substr(170, 50);
    EXPECT_EQ(FromShiftJis(memo), "a" + thirty.substr(0, 24 * 3) + " ");
}

TEST_F(MondaiFixture, FailedWriteNamesTheFileAndTheReason) {
    startWith(Collection(2));
    std::string gone = folder.file("gone/c.txt");
    mondai().Text2.setText(gone);
    type(main().text1(1), "4");
    save(5);
    ASSERT_EQ(services.messages().size(), 1u);
    EXPECT_NE(lastMessage().find("問題集ファイルに書き込めませんでした。"), std::string::npos);
    EXPECT_NE(lastMessage().find(gone), std::string::npos);
    EXPECT_NE(lastMessage().find("フォルダが見つかりません"), std::string::npos);
    // Nothing else happened: no load, the numbers stay.
    EXPECT_EQ(text3(), "5");
    EXPECT_EQ(main().text1(1).text(), "  4");
    EXPECT_FALSE(std::filesystem::exists(folder.path / "gone"));
}

// The window's message for a full disk and for a read-only file, from a child process whose
// file size is limited or that may not override permissions; the collection stays as it was.
TEST_F(MondaiFixture, FullDiskAndReadOnlyFileGiveTheirMessages) {
    startWith(Collection(3));
    std::string before = ReadFile(defaultPath());
    type(main().text1(1), "4");
    auto inChild = [&](const std::function<void()>& setup, const std::string& reason) {
        pid_t pid = fork();
        if (pid == 0) {
            setup();
            save(3);
            // After the question about the stored problem, the failure and nothing else.
            _exit(services.messages().size() == 2 && lastMessage().find(reason) != std::string::npos &&
                          lastMessage().find(defaultPath()) != std::string::npos
                      ? 0
                      : 1);
        }
        int status = 0;
        waitpid(pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    EXPECT_EQ(inChild([] {
                  signal(SIGXFSZ, SIG_IGN);
                  rlimit limit{1000, 1000};
                  setrlimit(RLIMIT_FSIZE, &limit);
              },
              "ファイルの大きさの上限を超えました"),
              0);
    EXPECT_EQ(ReadFile(defaultPath()), before);
    chmod(defaultPath().c_str(), 0444);
    chmod(folder.path.c_str(), 0777);
    EXPECT_EQ(inChild([] {
                  if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(2);
              },
              "読み取り専用"),
              0);
    EXPECT_EQ(ReadFile(defaultPath()), before);
}

TEST_F(MondaiFixture, ARelativeFileNameLiesInTheProgramsFolderAndBlanksNameNoFile) {
    start();
    boardCell(1, 1).setText("5");
    mondai().Text2.setText("relative.txt");
    save(1);
    EXPECT_TRUE(std::filesystem::exists(folder.file("relative.txt")));
    EXPECT_FALSE(std::filesystem::exists("relative.txt"));
    EXPECT_EQ(std::filesystem::file_size(folder.file("relative.txt")), 510u);

    services.clearRecords();
    mondai().Text2.setText("   ");
    save(3);
    EXPECT_EQ(lastMessage(), "問題集ファイルを選択してください。");
    EXPECT_EQ(std::filesystem::file_size(folder.file("relative.txt")), 510u);
}
