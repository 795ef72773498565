#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "CollectionTestSupport.h"
#include "collection/CollectionFile.h"
#include "collection/MondaiRec.h"
#include "collection/ShiftJis.h"

using namespace collection;
using namespace collection_test;

TEST(ShiftJis, RoundTripsJapaneseThroughCodePage932) {
    auto bytes = ToShiftJis("問題の説明ＡＢ１２ｱｲ");
    ASSERT_TRUE(bytes);
    // 問 is 0x96E2 in Shift-JIS; half-width katakana take one byte.
    EXPECT_EQ(bytes->substr(0, 2), "\x96\xE2");
    EXPECT_EQ(bytes->size(), 2u * 9 + 2);
    EXPECT_EQ(FromShiftJis(*bytes), "問題の説明ＡＢ１２ｱｲ");
    // Code page 932's own characters (NEC and IBM extensions) go through too.
    EXPECT_TRUE(ToShiftJis("①Ⅱ髙"));
}

TEST(ShiftJis, NamesTheFirstCharacterItCannotHold) {
    std::string bad;
    EXPECT_FALSE(ToShiftJis("説明😀と한", &bad));
    EXPECT_EQ(bad, "😀");
    EXPECT_FALSE(ToShiftJis("abc\xFF", &bad));  // not UTF-8 at all
}

TEST(ShiftJis, DecodesAnyBytesAsText) {
    // A lone lead byte at the end, zero bytes and a byte no character starts with.
    EXPECT_EQ(FromShiftJis(std::string("A\0B", 3)), "A\xEF\xBF\xBD" "B");
    EXPECT_EQ(FromShiftJis("\x96"), "\xEF\xBF\xBD");
    EXPECT_EQ(FromShiftJis("\xA0" "a"), "\xEF\xBF\xBD" "a");
}

TEST(ShiftJis, FitFieldCutsBeforeADoubleByteCharacterAndPads) {
    // 30 double-byte characters keep their first 25 in 50 bytes.
    std::string thirty;
    for (int i = 0; i < 30; ++i) thirty += "漢";
    auto memo = FitField(thirty, 50);
    ASSERT_TRUE(memo);
    EXPECT_EQ(memo->size(), 50u);
    EXPECT_EQ(FromShiftJis(*memo), thirty.substr(0, 25 * 3));
    // Three double-byte characters are followed by 44 spaces.
    auto three = FitField("問題集", 50);
    EXPECT_EQ(FromShiftJis(*three), "問題集" + std::string(44, ' '));
    // A cut that would fall inside a character falls before it: "A" + 問 + 題 in 4 bytes.
    EXPECT_EQ(*FitField("A問題", 4), "A\x96\xE2 ");
    EXPECT_EQ(*FitField("問", 3), "\x96\xE2 ");
    EXPECT_EQ(*FitField("問", 1), " ");
    EXPECT_FALSE(FitField("😀", 50));
}

TEST(MondaiRec, FieldsLieAtTheirOffsets) {
    GridText grid;
    grid.recordNo = 7;
    grid.pattern = 12;
    grid.ab = 'B';
    grid.cells[1] = "5";
    grid.cells[81] = "9";
    grid.naname = true;
    grid.nanido = "2";
    grid.memo = "説明";
    grid.question = "123";
    grid.question2 = "45";
    std::string bytes = Bytes(*Encode(grid));
    ASSERT_EQ(bytes.size(), 255u);
    EXPECT_EQ(bytes.substr(0, 2), "7 ");
    EXPECT_EQ(bytes.substr(2, 2), "12");
    EXPECT_EQ(bytes.substr(4, 1), "B");
    EXPECT_EQ(bytes.substr(5, 2), "5 ");
    EXPECT_EQ(bytes.substr(7, 2), "  ");
    EXPECT_EQ(bytes.substr(165, 2), "9 ");
    EXPECT_EQ(bytes.substr(167, 1), "1");
    EXPECT_EQ(bytes.substr(168, 2), "2 ");
    EXPECT_EQ(FromShiftJis(bytes.substr(170, 50)), "説明" + std::string(46, ' '));
    EXPECT_EQ(bytes.substr(220, 3), "123");
    EXPECT_EQ(bytes.substr(223, 2), "45");
    EXPECT_EQ(bytes.substr(225, 30), std::string(30, ' '));
    // Unpacking gives the same fields back.
    RecordBytes raw{};
    std::copy(bytes.begin(), bytes.end(), raw.begin());
    MondaiRec rec = Unpack(raw);
    EXPECT_EQ(rec.Kakunou, "7 ");
    EXPECT_EQ(rec.Masu[81], "9 ");
    EXPECT_EQ(rec.Question2, "45");
}

TEST(MondaiRec, EncodeReportsTheFieldItCannotStore) {
    GridText grid;
    grid.question = "①";
    grid.question2 = "😀";
    grid.memo = "ok";
    EncodeError error;
    EXPECT_FALSE(Encode(grid, &error));
    EXPECT_EQ(error.field, "Question2");
    EXPECT_EQ(error.character, "😀");
}

TEST(MondaiRec, PatternMustBeAWholeNumberFrom1To12) {
    EXPECT_EQ(DecodePattern("7 "), 7);
    EXPECT_EQ(DecodePattern(" 7"), 7);
    EXPECT_EQ(DecodePattern("12"), 12);
    EXPECT_EQ(DecodePattern("1 "), 1);
    for (std::string bad : {std::string(2, '\0'), std::string("AB"), std::string("  "), std::string("0 "),
                            std::string("13"), std::string("99"), std::string("-1"), std::string("7."),
                            std::string("1e"), std::string("+7")}) {
        EXPECT_FALSE(DecodePattern(bad)) << bad;
    }
}

TEST(MondaiRec, CellReadsItsFirstCharacter) {
    EXPECT_EQ(DecodeCell("5 "), 5);
    EXPECT_EQ(DecodeCell("57"), 5);
    EXPECT_EQ(DecodeCell("9 "), 9);
    EXPECT_EQ(DecodeCell("0 "), 0);
    EXPECT_EQ(DecodeCell("  "), 0);
    EXPECT_EQ(DecodeCell(" 5"), 0);
    EXPECT_EQ(DecodeCell("a "), 0);
    EXPECT_EQ(DecodeCell(std::string(2, '\0')), 0);
    EXPECT_EQ(DecodeCell("\x96\xE2"), 0);
}

TEST(MondaiRec, SelectedCellsFollowThePattern) {
    // Pattern 12: grid 1 in rows and columns 1..9, grid 2 from row 7, column 7.
    auto a = SelectedBoardCells(12, "A");
    auto b = SelectedBoardCells(12, "B");
    ASSERT_EQ(a.size(), 81u);
    ASSERT_EQ(b.size(), 81u);
    EXPECT_EQ(a.front(), 1);
    EXPECT_EQ(a[9], 16);
    EXPECT_EQ(a.back(), 8 * 15 + 9);
    EXPECT_EQ(b.front(), 6 * 15 + 7);
    EXPECT_EQ(b.back(), 225);
    EXPECT_TRUE(SelectedBoardCells(12, "C").empty());
    EXPECT_TRUE(SelectedBoardCells(12, "a").empty());
    EXPECT_THROW(SelectedBoardCells(13, "A"), std::out_of_range);
    EXPECT_THROW(SelectedBoardCells(0, "A"), std::out_of_range);
}

// A file written by the program reads as Japanese through the iconv program.
TEST(MondaiRec, IconvProgramReadsTheDescription) {
    if (std::system("command -v iconv >/dev/null 2>&1") != 0) GTEST_SKIP() << "no iconv program";
    TempFolder folder;
    std::string path = folder.file("問題01.txt");
    ASSERT_FALSE(WriteProblem(path, 1, Record(1, 12, 'A', std::string(81, '.'), "難しいダブル問題"),
                              Record(2, 12, 'B', std::string(81, '.'))));
    std::string out = folder.file("utf8.txt");
    std::string command = "iconv -f CP932 -t UTF-8 '" + path + "' > '" + out + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_NE(ReadFile(out).find("難しいダブル問題"), std::string::npos);
}
