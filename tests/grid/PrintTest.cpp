#include "GridFixture.h"
#include "collection/frmMondai.h"

namespace {

struct Print : GridFixture {
    const ui::Recorded* lastPrint() {
        const ui::Recorded* found = nullptr;
        for (const auto& r : services.records()) {
            if (r.kind == ui::Recorded::Kind::Print) found = &r;
        }
        return found;
    }
};

}  // namespace

TEST_F(Print, GridAsTextWithHeaderAndRuledRows) {
    fill(grid1(), 1, {"5", "", "  ", "12", "7", "", "", "", "9"});
    services.queuePrinter(true);
    click(grid1().btn99PRINT);
    const ui::Recorded* job = lastPrint();
    ASSERT_NE(job, nullptr);
    const std::string rule = "     X--+--+--+--+--+--+--+--+--X";
    ASSERT_EQ(job->lines.size(), 10u + 18u);
    EXPECT_EQ(job->lines[0], "");
    EXPECT_EQ(job->lines[2], "");
    EXPECT_EQ(job->lines[3], "        ==  <<   モゼルパズル   >>  ==");
    // The header names the problem window's collection file and storage number.
    EXPECT_EQ(job->lines[6], "   ファイル名　==> " + program.frmMondai().Text2.text() + "  問題番号 ==> " +
                                 program.frmMondai().Text1.text());
    EXPECT_NE(program.frmMondai().Text2.text(), "");
    EXPECT_EQ(job->lines[9], rule);
    EXPECT_EQ(job->lines[10], "      |  5|    |   | 12|  7|    |    |    |  9|");
    EXPECT_EQ(job->lines[11], rule);
    // Cleared cells of a fresh grid hold "  ".
    EXPECT_EQ(job->lines[12], "      |   |   |   |   |   |   |   |   |   |");
    EXPECT_EQ(job->lines.back(), rule);
    EXPECT_TRUE(services.messages().empty());
}

TEST_F(Print, CancelledDialogPrintsNothing) {
    services.queuePrinter(false);
    click(grid1().btn99PRINT);
    click(grid2().btn99PRINT);  // an empty queue answers cancel as well
    EXPECT_EQ(lastPrint(), nullptr);
    EXPECT_TRUE(services.records().empty());
}

TEST_F(Print, EachGridPrintsItsOwnCells) {
    grid2().Text1(80).setText("4");
    services.queuePrinter(true);
    click(grid2().btn99PRINT);
    const ui::Recorded* job = lastPrint();
    ASSERT_NE(job, nullptr);
    EXPECT_EQ(job->lines[26], "      |   |   |   |   |   |   |   |   |  4|");
}
