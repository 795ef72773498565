#include "MondaiFixture.h"

using namespace collection;
using namespace collection_test;

TEST_F(MondaiFixture, StartUpOpensTheWindowOnANewDefaultCollection) {
    start();
    auto& w = mondai();
    EXPECT_TRUE(w.visible());
    EXPECT_EQ(w.caption(), "モゼル問題集");
    EXPECT_EQ(w.left(), 10300);
    EXPECT_EQ(w.top(), 10);
    EXPECT_TRUE(std::filesystem::exists(defaultPath()));
    EXPECT_EQ(std::filesystem::file_size(defaultPath()), 0u);
    EXPECT_EQ(w.Text2.text(), defaultPath());
    EXPECT_EQ(main().lblFileName.caption(), defaultPath());
    EXPECT_EQ(text1(), "0");
    EXPECT_EQ(text3(), "1");
    EXPECT_EQ(w.UpDown1.max(), 1);
    EXPECT_EQ(w.UpDown2.max(), 90);
    EXPECT_TRUE(services.messages().empty());
    // Captions read as the window reads: 格納番号 … を指定して 読み込み.
    EXPECT_EQ(w.btnOPNFile.caption(), "問題集ファイルの選択");
    EXPECT_EQ(w.Command1.caption(), "読み込み");
    EXPECT_EQ(w.Command2.caption(), "書き込み");
    EXPECT_EQ(w.Command3.caption(), "戻る");
    EXPECT_EQ(w.Label6.caption(), "注意：問題の格納番号は、奇数のみ有効です。");
}

TEST_F(MondaiFixture, FourProblemsShowSevenToLoadAndNineToWrite) {
    startWith(Collection(4));
    EXPECT_EQ(text1(), "7");
    EXPECT_EQ(text3(), "9");
    EXPECT_EQ(mondai().UpDown1.max(), 7);
    // UpDown1 steps among 1, 3, 5 and 7 only.
    std::vector<std::string> seen;
    for (int i = 0; i < 5; ++i) {
        spinDown(mondai().UpDown1);
        seen.push_back(text1());
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"5", "3", "1", "1", "1"}));
    seen.clear();
    for (int i = 0; i < 5; ++i) {
        spinUp(mondai().UpDown1);
        seen.push_back(text1());
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"3", "5", "7", "7", "7"}));
}

TEST_F(MondaiFixture, SpinnersSnapToOddNumbers) {
    start();
    mondai().Text3.setText("4");
    spinUp(mondai().UpDown2);
    EXPECT_EQ(text3(), "5");
    mondai().Text3.setText("4");
    spinDown(mondai().UpDown2);
    EXPECT_EQ(text3(), "1");
    // At the top the box stays at the last storage number rather than one saving refuses.
    mondai().Text3.setText("89");
    spinUp(mondai().UpDown2);
    EXPECT_EQ(text3(), "89");
    // Text that is no number reads as 0.
    mondai().Text3.setText("abc");
    spinUp(mondai().UpDown2);
    EXPECT_EQ(text3(), "1");
    // Only the step is kept inside the range: from outside it, one step lands on its edge.
    mondai().Text3.setText("91");
    spinDown(mondai().UpDown2);
    EXPECT_EQ(text3(), "89");
    mondai().Text3.setText("0");
    spinUp(mondai().UpDown2);
    EXPECT_EQ(text3(), "1");
    mondai().Text3.setText("-5");
    spinUp(mondai().UpDown2);
    EXPECT_EQ(text3(), "1");
    mondai().Text3.setText("500");
    spinDown(mondai().UpDown2);
    EXPECT_EQ(text3(), "89");
}

TEST(MondaiSnap, FollowsTheRule) {
    EXPECT_EQ(SnapUp(4, 90), 5);
    EXPECT_EQ(SnapUp(5, 90), 5);
    EXPECT_EQ(SnapUp(8, 7), 7);
    EXPECT_EQ(SnapUp(90, 92), 89);
    EXPECT_EQ(SnapUp(0, 90), 1);
    EXPECT_EQ(SnapDown(4), 3);
    EXPECT_EQ(SnapDown(3), 1);
    EXPECT_EQ(SnapDown(2), 1);
    EXPECT_EQ(SnapDown(6), 5);
}

TEST_F(MondaiFixture, PreviousAndNextStepThroughTheProblems) {
    startWith(Collection(3));
    load(1);
    click(mondai().cmdBeforeRead);
    EXPECT_EQ(text1(), "1") << "previous from 1 loads 1 again";
    EXPECT_EQ(main().text1(1).text(), "1");
    click(mondai().cmdNextRead);
    EXPECT_EQ(text1(), "3");
    EXPECT_EQ(main().text1(1).text(), "2");
    click(mondai().cmdNextRead);
    EXPECT_EQ(main().text1(1).text(), "3");
    services.clearRecords();
    click(mondai().cmdNextRead);
    EXPECT_EQ(services.messages(), std::vector<std::string>{"この問題集には、これ以上の問題は存在しません。"});
    EXPECT_EQ(text1(), "5");
}

TEST_F(MondaiFixture, ChoosingAFileCountsIt) {
    start();
    std::string other = folder.file("other.txt");
    WriteFile(other, Collection(2));
    services.queueOpen(other);
    click(mondai().btnOPNFile);
    EXPECT_EQ(mondai().Text2.text(), other);
    EXPECT_EQ(grid1().lblMondaiFile.caption(), other);
    EXPECT_EQ(text1(), "3");
    EXPECT_EQ(text3(), "5");
    EXPECT_EQ(mondai().UpDown1.max(), 3);
    load(3);
    EXPECT_EQ(main().lblFileName.caption(), other);
    EXPECT_EQ(main().text1(1).text(), "2");
}

TEST_F(MondaiFixture, CancelledDialogKeepsTheFileForLoadingAndWriting) {
    startWith(Collection(2));
    services.queueOpen(std::nullopt);
    click(mondai().btnOPNFile);
    EXPECT_EQ(mondai().Text2.text(), defaultPath());
    EXPECT_EQ(text1(), "3");
    load(3);
    EXPECT_EQ(main().text1(1).text(), "2") << "the earlier file still loads";
    EXPECT_TRUE(services.messages().empty());
}

TEST_F(MondaiFixture, UnreadableFileIsReportedWithItsReason) {
    start();
    std::string gone = folder.file("gone/c.txt");
    services.queueOpen(gone);
    click(mondai().btnOPNFile);
    ASSERT_EQ(services.messages().size(), 1u);
    EXPECT_NE(lastMessage().find("問題集ファイルを開けませんでした。"), std::string::npos);
    EXPECT_NE(lastMessage().find(gone), std::string::npos);
    EXPECT_NE(lastMessage().find("フォルダが見つかりません"), std::string::npos);
    EXPECT_EQ(text1(), "0");
    EXPECT_EQ(text3(), "1");
}

TEST_F(MondaiFixture, BackClosesAndTheNextOpeningStartsAnew) {
    startWith(Collection(1));
    mondai().Text3.setText("33");
    click(mondai().Command3);
    EXPECT_FALSE(program.forms().isLoaded("frmMondai"));
    click(main().cmdMondai);
    EXPECT_EQ(text3(), "3");
    EXPECT_TRUE(mondai().visible());
}

TEST_F(MondaiFixture, GridWindowOpensTheWindowAndRecomputesItsSums) {
    start();
    click(mondai().Command3);
    grid1().Text1(0).setText("7");
    click(grid1().Command21);
    EXPECT_TRUE(mondai().visible());
    EXPECT_EQ(mondai().left(), 300);
    EXPECT_EQ(mondai().top(), 7740);
    EXPECT_EQ(grid1().Text4(0).text(), "7");
    click(mondai().Command3);
    click(grid2().mnuMondai);
    EXPECT_TRUE(mondai().visible());
}
