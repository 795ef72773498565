// 続きから: the board kept at the end of a run and put back at a later start.
#include <filesystem>
#include <fstream>

#include "collection/CollectionTestSupport.h"
#include "ProgramFixture.h"
#include "board/KeptBoard.h"

namespace {

board::KeptBoard Sample() {
    board::KeptBoard kept;
    kept.pattern = 5;
    kept.diagonal = true;
    for (int c = 1; c <= 225; ++c) kept.cells[static_cast<size_t>(c)].text = "  ";
    kept.cells[1] = {"3", true};
    kept.cells[2] = {"  7", false};
    kept.cells[3] = {"a\tb\\c\nd", false};
    kept.memo = "説明\tタブ";
    kept.nanido = "2";
    return kept;
}

// A program of its own whose data folder is a temporary folder.
struct ProgramRun {
    explicit ProgramRun(const std::string& folder) {
        services.setProgramFolder(folder);
        services.setDataFolder(folder);
        program.Start();
    }
    ui::HeadlessServices services;
    program::Program program{services.services()};
    board::frmAllGamen& main() { return program.frmAllGamen(); }
    void click(ui::Control& c) { ui::Click(program.forms(), c); }
};

}  // namespace

TEST(KeptBoard, WritesAndReadsEveryField) {
    board::KeptBoard kept = Sample();
    auto back = board::ReadKeptBoard(board::WriteKeptBoard(kept));
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, kept);
}

TEST(KeptBoard, AnythingElseIsNoBoard) {
    std::string text = board::WriteKeptBoard(Sample());
    EXPECT_FALSE(board::ReadKeptBoard(""));
    EXPECT_FALSE(board::ReadKeptBoard("notes\n"));
    EXPECT_FALSE(board::ReadKeptBoard(text.substr(0, text.size() / 2))) << "cut short";
    std::string badPattern = text;
    badPattern.replace(badPattern.find("pattern\t5"), 9, "pattern\t13");
    EXPECT_FALSE(board::ReadKeptBoard(badPattern));
}

TEST(KeptBoard, TheEndKeepsTheBoardAndTheNextStartOffersIt) {
    collection_test::TempFolder folder;
    {
        ProgramRun first(folder.path.string());
        EXPECT_FALSE(first.main().cmdTudukikara.visible());
        ui::TypeText(first.program.forms(), first.main().text1(1), "4");
        first.click(first.main().cmdLock);
        ui::TypeText(first.program.forms(), first.main().text1(2), "6");
        first.main().txtMondaiMemo.setText("途中の問題");
        first.click(first.program.frmOption01().chkTaikakusen);
        first.click(first.main().cmdEnd);
    }
    ASSERT_TRUE(board::HasKeptBoard(folder.path.string()));
    ProgramRun second(folder.path.string());
    ASSERT_TRUE(second.main().cmdTudukikara.visible());
    EXPECT_EQ(second.main().text1(1).text(), "  ") << "start-up itself stays as it is";
    second.click(second.main().cmdTudukikara);
    EXPECT_EQ(second.main().text1(1).text(), "  4") << "as it was typed";
    EXPECT_TRUE(second.main().text1(1).locked()) << "a given";
    EXPECT_EQ(second.main().text1(2).text(), "  6");
    EXPECT_FALSE(second.main().text1(2).locked());
    EXPECT_EQ(second.main().txtMondaiMemo.text(), "途中の問題");
    EXPECT_TRUE(second.main().cmdNaname01.visible());
    EXPECT_EQ(second.main().lblSetCount.caption(), "2");
    EXPECT_EQ(second.program.frmMozelAuto().Text1(0).text(), "4");
    // One step.
    EXPECT_EQ(second.program.journal().steps(), 1u);
    second.click(second.main().cmdModosu);
    EXPECT_EQ(second.main().text1(1).text(), "  ");
    EXPECT_TRUE(second.main().cmdTudukikara.visible());
}

TEST(KeptBoard, AnUnreadableBoardIsSetAsideWithAMessage) {
    collection_test::TempFolder folder;
    collection_test::WriteFile(folder.file(board::kKeptBoardFile), "not a board");
    ProgramRun run(folder.path.string());
    ASSERT_TRUE(run.main().cmdTudukikara.visible());
    run.click(run.main().cmdTudukikara);
    ASSERT_EQ(run.services.messages().size(), 1u);
    EXPECT_NE(run.services.messages()[0].find("前回の盤面を読めませんでした"), std::string::npos);
    EXPECT_FALSE(run.main().cmdTudukikara.visible());
    EXPECT_FALSE(std::filesystem::exists(folder.file(board::kKeptBoardFile)));
    EXPECT_EQ(collection_test::ReadFile(folder.file("続きから-読めなかった.txt")), "not a board") << "set aside, not deleted";
}

TEST(KeptBoard, WithoutADataFolderNothingIsKept) {
    collection_test::TempFolder folder;
    ui::HeadlessServices services;
    services.setProgramFolder(folder.path.string());
    program::Program program(services.services());
    program.Start();
    ui::Click(program.forms(), program.frmAllGamen().cmdEnd);
    EXPECT_FALSE(std::filesystem::exists(folder.file(board::kKeptBoardFile)));
}
