// What the collection window asks and says around a write, and what it tells about a file when
// it opens it: a file that is no collection, a stored problem about to be replaced, a file cut
// inside a record, temporaries of killed saves, and relative names from the Open box.
#include <gtest/gtest.h>

#include "MondaiFixture.h"
#include "board/frmAllGamen.h"

using namespace collection_test;

namespace {

struct SaveQuestions : MondaiFixture {
    const ui::Recorded& lastRecord() { return services.records().back(); }
    // The questions asked so far, as their texts.
    std::vector<std::string> questions() {
        std::vector<std::string> texts;
        for (const auto& r : services.records()) {
            if (r.kind == ui::Recorded::Kind::MsgBox && !r.lines.empty()) texts.push_back(r.text);
        }
        return texts;
    }
};

}  // namespace

TEST_F(SaveQuestions, AFileThatIsNoCollectionIsWrittenOnlyAfterYes) {
    start();
    const std::string notes = folder.file("notes.txt");
    const std::string text = "買い物: 卵、牛乳\nto do: call Mr. Sato\n";
    WriteFile(notes, text);
    mondai().Text2.setText(notes);
    type(main().text1(1), "5");
    services.queueAnswer("いいえ");
    save(1);
    ASSERT_EQ(questions().size(), 1u);
    EXPECT_NE(questions()[0].find("問題集ファイルではないようです"), std::string::npos) << questions()[0];
    EXPECT_NE(questions()[0].find(notes), std::string::npos);
    EXPECT_EQ(services.records().back().lines, (std::vector<std::string>{"はい", "いいえ"}));
    EXPECT_EQ(ReadFile(notes), text) << "no means nothing is written";

    // A file of whole records, one of which is no problem, is asked about too; yes writes.
    WriteFile(notes, Collection(1) + std::string(255, 'x'));
    save(1);
    EXPECT_EQ(questions().size(), 2u);
    EXPECT_EQ(ReadFile(notes).substr(0, 5), "1 12A");
    EXPECT_EQ(lastMessage().rfind("格納番号 1 に問題を書き込みました。", 0), 0u) << lastMessage();
}

TEST_F(SaveQuestions, ReplacingAStoredProblemNamesItAndAsks) {
    startWith(Collection(3));
    const std::string before = ReadFile(defaultPath());
    type(main().text1(1), "5");
    services.queueAnswer("いいえ");
    save(3);
    ASSERT_EQ(questions(), std::vector<std::string>{"格納番号 3 には、問題「問題2」が入っています。\n書き込む問題で置き換えますか？"});
    EXPECT_EQ(ReadFile(defaultPath()), before);
    EXPECT_EQ(text3(), "3") << "nothing was loaded back";

    services.clearRecords();
    save(3);  // answered yes
    EXPECT_EQ(questions().size(), 1u);
    EXPECT_NE(ReadFile(defaultPath()), before);
    EXPECT_EQ(lastMessage(), "格納番号 3 に問題を書き込みました。\nファイル：" + defaultPath());

    // Empty places (past the end, or a gap) are written without a question.
    services.clearRecords();
    save(11);
    save(9);
    EXPECT_TRUE(questions().empty());
}

TEST_F(SaveQuestions, AFileCutInsideARecordIsToldAndNeverPaddedWhole) {
    const std::string cut = Collection(2).substr(0, 3 * 255 + 40);
    startWith(cut);
    EXPECT_EQ(services.messages().at(0),
              "問題集ファイルが、記録の途中で終わっています（格納番号 3 のグリッド2、255バイトのうち 40 バイト）。\n"
              "この記録は読み込めません。\nファイル：" + defaultPath());
    type(main().text1(1), "5");
    services.clearRecords();
    save(5);
    EXPECT_TRUE(questions().empty()) << "refused before anything is asked";
    EXPECT_NE(lastMessage().find("格納番号 3 に書き込めば"), std::string::npos) << lastMessage();
    EXPECT_EQ(ReadFile(defaultPath()), cut);
    // Writing over the cut problem mends the file.
    save(3);
    EXPECT_EQ(ReadFile(defaultPath()).size(), 4u * 255);
}

TEST_F(SaveQuestions, OpeningTheCollectionClearsAwayTemporariesOfKilledSaves) {
    WriteFile(folder.file(".問題01.txt.Ab12Cd"), "half a save");
    WriteFile(folder.file(".問題01.txt.keep"), "not ours");
    startWith(Collection(1));
    EXPECT_FALSE(std::filesystem::exists(folder.file(".問題01.txt.Ab12Cd")));
    EXPECT_TRUE(std::filesystem::exists(folder.file(".問題01.txt.keep")));
}

// A relative name from the Open box is the same file for counting, loading, writing and the
// load-back after a write: the one in the program's folder.
TEST_F(SaveQuestions, ARelativeNameFromTheOpenBoxIsOneFile) {
    WriteFile(folder.file("mine.txt"), Collection(2));
    start();
    services.queueOpen("mine.txt");
    click(mondai().btnOPNFile);
    EXPECT_EQ(mondai().Text2.text(), folder.file("mine.txt"));
    EXPECT_EQ(text1(), "3");
    load(3);
    EXPECT_EQ(main().text1(1).text(), "2");
    click(main().cmdClear01);
    type(main().text1(1), "7");
    services.clearRecords();
    save(5);
    EXPECT_EQ(services.messages(), std::vector<std::string>{"格納番号 5 に問題を書き込みました。\nファイル：" + folder.file("mine.txt")});
    EXPECT_EQ(main().text1(1).text(), "7") << "the load-back read the file just written";
    EXPECT_FALSE(std::filesystem::exists("mine.txt")) << "nothing appears in the current folder";
}

TEST_F(SaveQuestions, ABoardWithTheUsersDigitsAsksWhetherToStoreTheProblemOrTheBoard) {
    start();
    const int given = cmn().GridMasu[12][1][1], entry = cmn().GridMasu[12][1][2];
    struct Case {
        const char* answer;
        bool written;
        std::string entryAfter;  // the entry's cell once the write has been loaded back
    };
    for (const Case& c : {Case{"問題だけ", true, ""}, Case{"盤面のまま", true, "7"}, Case{"キャンセル", false, "  7"}}) {
        WriteFile(defaultPath(), "");
        click(main().cmdClear01);
        type(main().text1(given), "4");
        // 固定 switches the lock on and off.
        for (int i = 0; i < 2 && !main().text1(given).locked(); ++i) click(main().cmdLock);
        type(main().text1(entry), "7");
        services.clearRecords();
        services.queueAnswer(c.answer);
        save(1);
        ASSERT_EQ(questions().size(), 1u) << c.answer;
        EXPECT_EQ(questions()[0], "盤面には、問題の数字のほかに、入力した数字が 1 個あります。\nどちらを書き込みますか？\n"
                                  "・問題だけ：問題の数字 1 個\n・盤面のまま：盤面の数字 2 個すべて");
        EXPECT_EQ(services.records()[0].lines, (std::vector<std::string>{"問題だけ", "盤面のまま", "キャンセル"}));
        EXPECT_EQ(ReadFile(defaultPath()).size(), c.written ? 510u : 0u) << c.answer;
        EXPECT_EQ(services.messages().size(), c.written ? 2u : 1u) << c.answer << ": written and told, or nothing";
        EXPECT_EQ(main().text1(entry).text(), c.entryAfter) << c.answer;
        EXPECT_EQ(main().text1(given).text(), c.written ? "4" : "  4") << c.answer;
    }

    // Without givens, or with givens alone, the board is stored as it stands without a question.
    for (bool lock : {false, true}) {
        WriteFile(defaultPath(), "");
        click(main().cmdClear01);
        type(main().text1(given), "4");
        type(main().text1(entry), "7");
        for (int i = 0; i < 2 && lock && !main().text1(given).locked(); ++i) click(main().cmdLock);
        services.clearRecords();
        save(1);
        EXPECT_TRUE(questions().empty());
        EXPECT_EQ(main().text1(entry).text(), "7") << "stored and loaded back";
    }
}
