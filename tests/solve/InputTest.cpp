#include <gtest/gtest.h>

#include <sys/stat.h>

#include <sstream>

#include "app/solve/InputFile.h"
#include "app/solve/LineInput.h"
#include "collection/CollectionTestSupport.h"

using namespace solve;

namespace {

// What the line reader makes of the input: each line, or "TOO LONG" for a refused one.
std::vector<std::string> Lines(const std::string& input) {
    std::istringstream in(input);
    LineReader reader(in);
    std::vector<std::string> lines;
    std::string_view text;
    for (LineRead read; (read = reader.Next(text)) != LineRead::End;) {
        if (read == LineRead::TooLong) {
            EXPECT_EQ(text.size(), kMaxLineBytes);
            lines.push_back("TOO LONG");
            reader.SkipRestOfLine();
        } else {
            lines.push_back(std::string(text));
        }
    }
    EXPECT_FALSE(in.bad());
    EXPECT_TRUE(reader.MayWait()) << "at the end nothing is left";
    return lines;
}

}  // namespace

TEST(LineInput, ReadsLinesUpToTheBoundAndRefusesLongerOnesGoingOnAfterThem) {
    const std::string atBound(kMaxLineBytes, '7');
    using V = std::vector<std::string>;
    EXPECT_EQ(Lines(""), V{});
    EXPECT_EQ(Lines("\n\n"), (V{"", ""}));
    EXPECT_EQ(Lines("a\r\nlast without end"), (V{"a\r", "last without end"}));
    EXPECT_EQ(Lines(atBound + "\n" + atBound), (V{atBound, atBound}));
    EXPECT_EQ(Lines(atBound + "8\nnext\n" + atBound + "89"), (V{"TOO LONG", "next", "TOO LONG"}));
    // Bytes that are no line end, NUL included, belong to the line.
    EXPECT_EQ(Lines(std::string("a\0b\n", 4)), V{std::string("a\0b", 3)});
    EXPECT_EQ(Lines(std::string(3 * kMaxLineBytes, '\0') + "\nafter"), (V{"TOO LONG", "after"}));
}

TEST(InputFile, NamesWhatAPathIsWhenItIsNoFileToRead) {
    collection_test::TempFolder folder;
    const std::string file = folder.file("lines.txt");
    collection_test::WriteFile(file, "1\n");
    const std::string pipe = folder.file("pipe");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);

    EXPECT_EQ(NotAFile(file, true), std::nullopt);
    EXPECT_EQ(NotAFile(folder.file("missing.txt"), false), std::nullopt);  // opening it says so
    EXPECT_EQ(NotAFile(pipe, true), std::nullopt);
    EXPECT_EQ(NotAFile(pipe, false), "ファイルではなくパイプです（問題集は普通のファイルから読みます）");
    EXPECT_EQ(NotAFile(folder.path.string(), true), "ファイルではなくフォルダです");
    EXPECT_EQ(NotAFile("/dev/zero", true), "ファイルではなく装置（デバイス）です");
    EXPECT_EQ(NotAFile("/dev/null", false), "ファイルではなく装置（デバイス）です");
}
