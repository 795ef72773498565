// 続きから: the board kept at the end of a run and put back at a later start.
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "collection/CollectionTestSupport.h"
#include "ProgramFixture.h"
#include "board/KeptBoard.h"
#include "grid/frmMozelAuto.h"

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
    auto& judged = kept.judged.emplace();
    std::fill(judged.backColors.begin() + 1, judged.backColors.end(), 0xFFFFFF);
    judged.backColors[7] = 0x80FF80;
    judged.ticks[3] = true;
    judged.gridCells[1][80] = {"9", 0x0000FF};
    judged.gridTicks[0][9] = true;
    judged.gridStatus[0] = "完了した数字は、現在1個です。";
    judged.gridNanido[1] = "5";
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

TEST(KeptBoard, ABoardKeptWithoutTheJudgementsIsReadWithout) {
    board::KeptBoard kept = Sample();
    kept.judged.reset();
    std::string text = board::WriteKeptBoard(Sample());
    text.erase(text.find("back\t1\t"), text.find("end\n") - text.find("back\t1\t"));
    auto back = board::ReadKeptBoard(text);
    ASSERT_TRUE(back) << "a file written before the judgements were kept";
    EXPECT_EQ(*back, kept);
    std::string cut = board::WriteKeptBoard(Sample());
    cut.erase(cut.find("gridcell\t2\t81\t"), cut.find("gridticks\t2") - cut.find("gridcell\t2\t81\t"));
    EXPECT_FALSE(board::ReadKeptBoard(cut)) << "judgements kept in part";
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

// What the judgements showed comes back: the board's and the grid windows' colours and ticks,
// the grid windows' digits and 難易度.
TEST(KeptBoard, TheJudgementsComeBack) {
    collection_test::TempFolder folder;
    auto shown = [](ProgramRun& run) {
        std::vector<std::string> seen{run.main().txtNanido.text()};
        for (int c = 1; c <= 225; ++c) seen.push_back(std::to_string(run.main().text1(c).backColor()));
        for (int d = 1; d <= 9; ++d) seen.push_back(std::to_string(run.main().Check1(d).value()));
        for (grid::frmMozelAuto* window : {&run.program.frmMozelAuto(), &run.program.frmMozelAuto2()}) {
            for (int k = 1; k <= 81; ++k) seen.push_back(window->cell(k).text() + "/" + std::to_string(window->cell(k).backColor()));
            for (int d = 1; d <= 9; ++d) seen.push_back(std::to_string(window->Check1(d).value()));
            seen.push_back(window->Text10.text() + "/" + window->TB_NUN.text());
        }
        return seen;
    };
    std::vector<std::string> before;
    {
        ProgramRun first(folder.path.string());
        // Grid 1 of pattern 12 with its first row 1..8 and a wrong 1: judged by digit and whole.
        for (int k = 1; k <= 8; ++k) ui::TypeText(first.program.forms(), first.main().text1(first.program.cmn().GridMasu[12][1][k]), std::to_string(k));
        ui::TypeText(first.program.forms(), first.main().text1(first.program.cmn().GridMasu[12][1][10]), "1");
        first.click(first.main().cmdHantei(9));
        first.click(first.main().cmdHanteiA(1));
        before = shown(first);
        first.click(first.main().cmdEnd);
    }
    ProgramRun second(folder.path.string());
    const std::vector<std::string> fresh = shown(second);
    ASSERT_NE(fresh, before) << "the judgements showed something";
    second.click(second.main().cmdTudukikara);
    EXPECT_EQ(shown(second), before);
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
