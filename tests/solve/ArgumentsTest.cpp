#include <gtest/gtest.h>

#include <functional>

#include "app/solve/Arguments.h"

using namespace solve;

// Each command line with what it asks for, or the start of why it cannot be read.
TEST(Arguments, ReadsEachOptionAndRefusesWhatDoesNotGoTogether) {
    struct Case {
        std::vector<std::string> argv;
        std::function<void(Arguments&)> expect;  // from the defaults; empty: refused
        std::string error = {};
    };
    const Case cases[] = {
        {{}, [](Arguments& a) { a.inputs = {{"-", false}}; }},
        {{"--json", "--steps", "a.txt", "-", "--collection", "c.txt", "--write-collection", "w.txt"},
         [](Arguments& a) {
             a.json = a.steps = true;
             a.inputs = {{"a.txt", false}, {"-", false}, {"c.txt", true}};
             a.writeCollection = "w.txt";
         }},
        {{"--generate", "7", "--diagonal", "--count", "3", "--seed", "18446744073709551615", "--rating", "fish"},
         [](Arguments& a) {
             a.generatePattern = 7;
             a.diagonal = true;
             a.count = 3;
             a.seed = 18446744073709551615u;
             a.rating = puzzle::Level::Fish;
             a.inputs = {{"-", false}};
         }},
        {{"--fast", "--help"}, [](Arguments& a) { a.help = true; }},
        {{"-h"}, [](Arguments& a) { a.help = true; }},
        {{"--fast"}, {}, "知らないオプション「--fast」です"},
        {{"--collection"}, {}, "--collection の後にファイル名がありません"},
        {{"--generate", "13"}, {}, "パターン番号「13」は 1〜12 の数ではありません"},
        {{"--generate", "1", "--count", "0"}, {}, "--count「0」は 1 以上の整数ではありません"},
        {{"--generate", "1", "--seed", "-1"}, {}, "--seed「-1」は 0 以上の整数ではありません"},
        {{"--generate", "1", "--rating", "hard"}, {}, "難易度「hard」は"},
        {{"--rating", "singles", "a.txt"}, {}, "--diagonal、--count、--seed、--rating は --generate と一緒に使います"},
        {{"--generate", "1", "a.txt"}, {}, "--generate はファイルを読みません"},
        {{"--generate", "1", "--json"}, {}, "--json と --steps は問題を読むときに使います"},
        {{"--generate", "1", "--count", "46", "--write-collection", "w.txt"}, {}, "問題集に入る問題は 45 個までです"},
        {{"--from-image", "--json", "scans", "b.png"}, [](Arguments& a) {
             a.fromImage = a.json = true;
             a.inputs = {{"scans", false}, {"b.png", false}};
         }},
        {{"--from-image"}, {}, "--from-image の後に画像ファイルがありません"},
        {{"--from-image", "-"}, {}, "--from-image には画像ファイルかフォルダを指定します"},
        {{"--from-image", "--steps", "b.png"}, {}, "--from-image は --generate、--steps と一緒に使えません"},
    };
    for (const Case& c : cases) {
        std::string error;
        std::optional<Arguments> read = ParseArguments(c.argv, error);
        std::string line = ::testing::PrintToString(c.argv);
        if (!c.expect) {
            EXPECT_FALSE(read) << line;
            EXPECT_TRUE(error.starts_with(c.error)) << line << ": " << error;
            continue;
        }
        Arguments expected;
        c.expect(expected);
        ASSERT_TRUE(read) << line << ": " << error;
        EXPECT_EQ(*read, expected) << line;
    }
}
