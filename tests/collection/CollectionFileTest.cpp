#include <gtest/gtest.h>

#include <signal.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <functional>

#include "CollectionTestSupport.h"
#include "collection/CollectionFile.h"

using namespace collection;
using namespace collection_test;

namespace {

// Runs f in a child process and returns its exit status: errno of the failed write, 0 on
// success. setup runs in the child first (dropping privileges, limiting the file size).
int InChild(const std::function<void()>& setup, const std::function<std::optional<FileError>()>& f) {
    pid_t pid = fork();
    if (pid == 0) {
        setup();
        auto error = f();
        _exit(error ? (error->error & 0x7F) : 0);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Without the right to override permissions: the superuser becomes nobody.
void DropPrivileges() {
    if (geteuid() == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0) _exit(120);
    }
}

void LimitFileSize(rlim_t bytes) {
    signal(SIGXFSZ, SIG_IGN);
    rlimit limit{bytes, bytes};
    setrlimit(RLIMIT_FSIZE, &limit);
}

std::string Line(char first) {
    std::string line(81, '.');
    line[0] = first;
    return line;
}

}  // namespace

TEST(CollectionFile, CountsWholeRecordsTwoAProblem) {
    TempFolder folder;
    std::string path = folder.file("c.txt");
    WriteFile(path, Collection(3));
    EXPECT_EQ(ReadFile(path).size(), 1530u);
    EXPECT_EQ(MondaiCount(path), 3);
    // A final lone A record counts as a problem; a cut-off record does not count.
    WriteFile(path, Collection(3) + Bytes(Record(7, 12, 'A', Line('4'))));
    EXPECT_EQ(MondaiCount(path), 4);
    WriteFile(path, Collection(3) + std::string(100, 'x'));
    EXPECT_EQ(MondaiCount(path), 3);
    EXPECT_EQ(ReadFile(path).size(), 1630u) << "counting never rewrites the file";
}

TEST(CollectionFile, OpeningAMissingFileCreatesItEmpty) {
    TempFolder folder;
    std::string path = folder.file("問題01.txt");
    EXPECT_EQ(MondaiCount(path), 0);
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(std::filesystem::file_size(path), 0u);
    FileError error;
    EXPECT_FALSE(MondaiCount(folder.file("no/such/folder.txt"), &error));
    EXPECT_EQ(error.error, ENOENT);
    EXPECT_FALSE(MondaiCount(folder.path.string(), &error));
    EXPECT_EQ(error.error, EISDIR);
}

TEST(CollectionFile, ReadsByRecordNumberAndReportsThePastEnd) {
    TempFolder folder;
    std::string path = folder.file("c.txt");
    WriteFile(path, Collection(2) + std::string(200, ' '));
    auto file = CollectionFile::Open(path);
    ASSERT_TRUE(file);
    MondaiRec rec;
    ASSERT_EQ(file->Read(3, rec), CollectionFile::ReadStatus::Ok);
    EXPECT_EQ(rec.Kakunou, "3 ");
    EXPECT_EQ(rec.AB, "A");
    EXPECT_EQ(DecodeCell(rec.Masu[1]), 2);
    EXPECT_EQ(file->Read(4, rec), CollectionFile::ReadStatus::Ok);
    EXPECT_EQ(file->Read(5, rec), CollectionFile::ReadStatus::PastEnd) << "a record cut off in the middle";
    EXPECT_EQ(file->Read(0, rec), CollectionFile::ReadStatus::PastEnd);
    EXPECT_EQ(file->Read(-7, rec), CollectionFile::ReadStatus::PastEnd);
}

TEST(CollectionFile, WritingAppendsReplacesAndFillsGapsWithZeroBytes) {
    TempFolder folder;
    std::string path = folder.file("c.txt");
    WriteFile(path, Collection(3));
    std::string before = ReadFile(path);

    // 7 into 3 problems appends records 7 and 8.
    ASSERT_FALSE(WriteProblem(path, 7, Record(7, 5, 'A', Line('7')), Record(8, 5, 'B', Line('8'))));
    std::string after = ReadFile(path);
    ASSERT_EQ(after.size(), 2040u);
    EXPECT_EQ(after.substr(0, 1530), before);
    EXPECT_EQ(MondaiCount(path), 4);

    // 3 replaces problem 3 in place; every other byte stays.
    ASSERT_FALSE(WriteProblem(path, 3, Record(3, 1, 'A', Line('9')), Record(4, 1, 'B', Line('9'))));
    std::string replaced = ReadFile(path);
    ASSERT_EQ(replaced.size(), 2040u);
    EXPECT_EQ(replaced.substr(0, 510), after.substr(0, 510));
    EXPECT_EQ(replaced.substr(1020), after.substr(1020));
    EXPECT_EQ(replaced.substr(510, 2), "3 ");
    EXPECT_EQ(replaced.substr(512, 2), "1 ");

    // 13 leaves records 9 to 12 as zero bytes: not double problems.
    ASSERT_FALSE(WriteProblem(path, 13, Record(13, 2, 'A', Line('1')), Record(14, 2, 'B', Line('1'))));
    std::string gap = ReadFile(path);
    ASSERT_EQ(gap.size(), 14u * 255);
    EXPECT_EQ(gap.substr(8 * 255, 4 * 255), std::string(4 * 255, '\0'));
    auto file = CollectionFile::Open(path);
    MondaiRec rec;
    ASSERT_EQ(file->Read(9, rec), CollectionFile::ReadStatus::Ok);
    EXPECT_FALSE(DecodePattern(rec.Pattern));
}

TEST(CollectionFile, WritingKeepsThePermissionsOfTheFile) {
    TempFolder folder;
    std::string path = folder.file("c.txt");
    WriteFile(path, Collection(1));
    chmod(path.c_str(), 0640);
    ASSERT_FALSE(WriteProblem(path, 3, Record(3, 5, 'A', Line('7')), Record(4, 5, 'B', Line('8'))));
    struct stat st {};
    stat(path.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    // No temporary file is left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path), {}), 1);
}

TEST(CollectionFile, StorageNumbersAreOdd) {
    TempFolder folder;
    auto a = Record(1, 1, 'A', Line('1'));
    for (int s : {0, 2, 90, 91, -1}) EXPECT_THROW(WriteProblem(folder.file("c.txt"), s, a, a), std::invalid_argument);
}

TEST(CollectionFileFaults, ReadOnlyFileIsLeftAsItWas) {
    TempFolder folder;
    std::string path = folder.file("c.txt");
    WriteFile(path, Collection(3));
    chmod(folder.path.c_str(), 0777);
    chmod(path.c_str(), 0444);
    std::string before = ReadFile(path);
    int result = InChild(DropPrivileges, [&] {
        return WriteProblem(path, 3, Record(3, 1, 'A', Line('9')), Record(4, 1, 'B', Line('9')));
    });
    EXPECT_EQ(result, EACCES);
    EXPECT_EQ(ReadFile(path), before);
    // A read-only collection can still be counted and read.
    EXPECT_EQ(InChild(DropPrivileges, [&]() -> std::optional<FileError> {
                  auto n = MondaiCount(path);
                  return n == 3 ? std::nullopt : std::optional<FileError>(FileError{FileError::Stage::Open, 1});
              }),
              0);
}

TEST(CollectionFileFaults, MissingFolderReportsItAndCreatesNothing) {
    TempFolder folder;
    std::string path = folder.file("gone/c.txt");
    auto error = WriteProblem(path, 1, Record(1, 1, 'A', Line('9')), Record(2, 1, 'B', Line('9')));
    ASSERT_TRUE(error);
    EXPECT_EQ(error->error, ENOENT);
    EXPECT_FALSE(std::filesystem::exists(folder.path / "gone"));
    EXPECT_NE(ReasonText(*error).find("フォルダ"), std::string::npos);
}

TEST(CollectionFileFaults, FullDiskLeavesEveryProblemByteIdentical) {
    TempFolder folder;
    std::string path = folder.file("c.txt");
    WriteFile(path, Collection(3));
    std::string before = ReadFile(path);
    // Appending needs 2040 bytes; the disk takes 1800. Replacing in the middle fails when the
    // disk cannot take the file once more, because the new contents are written beside it.
    for (auto [s, limit] : {std::pair{7, 1800}, std::pair{3, 1000}}) {
        int result = InChild([limit] { LimitFileSize(static_cast<rlim_t>(limit)); }, [&] {
            return WriteProblem(path, s, Record(s, 1, 'A', Line('9')), Record(s + 1, 1, 'B', Line('9')));
        });
        EXPECT_EQ(result, EFBIG) << s;
        EXPECT_EQ(ReadFile(path), before) << s;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path), {}), 1) << "no temporary file left";
    }
    // A size limit is not a full disk.
    EXPECT_NE(ReasonText({FileError::Stage::Write, EFBIG}).find("大きさの上限"), std::string::npos);
    EXPECT_NE(ReasonText({FileError::Stage::Write, ENOSPC}).find("空き容量"), std::string::npos);
}

// Where no file can be made beside the collection, the records are written in place, and a
// write that fails part-way is taken back.
TEST(CollectionFileFaults, InPlaceWriteIsTakenBackOnFailure) {
    TempFolder folder;
    std::string path = folder.file("c.txt");
    WriteFile(path, Collection(3));
    chmod(path.c_str(), 0666);
    chmod(folder.path.c_str(), 0555);
    std::string before = ReadFile(path);
    int result = InChild([] { DropPrivileges(); LimitFileSize(1800); }, [&] {
        return WriteProblem(path, 7, Record(7, 1, 'A', Line('9')), Record(8, 1, 'B', Line('9')));
    });
    EXPECT_EQ(result, EFBIG);
    EXPECT_EQ(ReadFile(path), before);
    // Without the limit the same write goes through in place.
    result = InChild(DropPrivileges, [&] {
        return WriteProblem(path, 7, Record(7, 1, 'A', Line('9')), Record(8, 1, 'B', Line('9')));
    });
    EXPECT_EQ(result, 0);
    std::string after = ReadFile(path);
    EXPECT_EQ(after.size(), 2040u);
    EXPECT_EQ(after.substr(0, 1530), before);
    chmod(folder.path.c_str(), 0777);
}

TEST(CollectionFileFaults, TruncatedFileIsReadByItsWholeRecordsAndWrittenWithoutLoss) {
    TempFolder folder;
    std::string path = folder.file("c.txt");
    // Problem 3's B record is cut off in the middle.
    std::string cut = Collection(2).substr(0, 3 * 255 + 100);
    WriteFile(path, cut);
    EXPECT_EQ(MondaiCount(path), 2);
    {
        auto file = CollectionFile::Open(path);
        MondaiRec rec;
        EXPECT_EQ(file->Read(3, rec), CollectionFile::ReadStatus::Ok);
        EXPECT_EQ(file->Read(4, rec), CollectionFile::ReadStatus::PastEnd);
        EXPECT_EQ(file->TrailingBytes(), 100);
    }
    EXPECT_EQ(ReadFile(path), cut);
    // Writing problem 1 leaves the rest, cut record included, as it was.
    ASSERT_FALSE(WriteProblem(path, 1, Record(1, 1, 'A', Line('9')), Record(2, 1, 'B', Line('9'))));
    EXPECT_EQ(ReadFile(path).substr(510), cut.substr(510));
}

// Another program's lock: opening and writing wait for it, then give up with their own reason;
// once it is gone, both go ahead.
TEST(CollectionFileLock, WaitsForAnotherProgramThenGivesUp) {
    TempFolder folder;
    std::string path = folder.file("c.txt");
    WriteFile(path, Collection(2));
    SetLockWait(std::chrono::milliseconds(50));
    pid_t holder = fork();
    if (holder == 0) {
        int fd = open(path.c_str(), O_RDONLY);
        flock(fd, LOCK_EX);
        pause();
        _exit(0);
    }
    // The child has the lock once a try of ours fails.
    for (int i = 0; i < 500 && MondaiCount(path); ++i) usleep(2000);
    FileError error;
    EXPECT_FALSE(MondaiCount(path, &error));
    EXPECT_EQ(error.stage, FileError::Stage::Lock);
    EXPECT_NE(ReasonText(error).find("ほかのプログラム"), std::string::npos);
    auto refused = WriteProblem(path, 5, Record(5, 1, 'A', Line('9')), Record(6, 1, 'B', Line('9')));
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->stage, FileError::Stage::Lock);
    EXPECT_EQ(ReadFile(path), Collection(2));
    kill(holder, SIGKILL);
    waitpid(holder, nullptr, 0);
    EXPECT_EQ(MondaiCount(path), 2);
    EXPECT_FALSE(WriteProblem(path, 5, Record(5, 1, 'A', Line('9')), Record(6, 1, 'B', Line('9'))));
    EXPECT_EQ(MondaiCount(path), 3);
    SetLockWait(std::chrono::milliseconds(3000));
}

// A reader that waited while a save put a new file in place reads the new file.
TEST(CollectionFileLock, AWaitingReaderFollowsTheFileASaveRenamedIn) {
    TempFolder folder;
    std::string path = folder.file("c.txt");
    WriteFile(path, Collection(1));
    int old = open(path.c_str(), O_RDONLY);
    ASSERT_EQ(flock(old, LOCK_EX), 0);
    // While the old file is locked, a new one takes its name.
    WriteFile(folder.file("new"), Collection(3));
    ASSERT_EQ(rename(folder.file("new").c_str(), path.c_str()), 0);
    EXPECT_EQ(MondaiCount(path), 3) << "the lock of the file that is gone holds nothing up";
    close(old);
}

TEST(CollectionFile, OpeningRemovesOnlyTheTemporariesOfKilledSaves) {
    TempFolder folder;
    std::string path = folder.file("問題01.txt");
    WriteFile(path, Collection(1));
    const std::vector<std::string> stale{".問題01.txt.a1B2c3", ".問題01.txt.XXXXXX"};
    const std::vector<std::string> kept{".問題01.txt.abc", ".問題01.txt.abcdefg", ".問題01.txt.ab-cd_", "問題01.txt.abcdef",
                                        ".問題02.txt.abcdef", ".other.abcdef", "notes.txt"};
    for (const auto& name : stale) WriteFile(folder.file(name), "half a save");
    for (const auto& name : kept) WriteFile(folder.file(name), "someone's file");
    std::filesystem::create_directory(folder.file(".問題01.txt.folder"));
    CollectionFile::Open(path)->RemoveStaleTemporaries();
    for (const auto& name : stale) EXPECT_FALSE(std::filesystem::exists(folder.file(name))) << name;
    for (const auto& name : kept) EXPECT_TRUE(std::filesystem::exists(folder.file(name))) << name;
    EXPECT_TRUE(std::filesystem::is_directory(folder.file(".問題01.txt.folder")));
    EXPECT_EQ(ReadFile(path), Collection(1));
}

TEST(CollectionFile, ASurveyTellsACollectionFromOtherFiles) {
    TempFolder folder;
    auto survey = [&](const std::string& bytes, int s) {
        WriteFile(folder.file("f"), bytes);
        return *SurveyCollection(folder.file("f"), s);
    };
    auto missing = SurveyCollection(folder.file("none"), 1);
    ASSERT_TRUE(missing);
    EXPECT_FALSE(missing->exists);
    EXPECT_FALSE(std::filesystem::exists(folder.file("none"))) << "a survey creates nothing";

    EXPECT_TRUE(survey("", 1).looksLikeCollection);
    Survey full = survey(Collection(2), 3);
    EXPECT_TRUE(full.looksLikeCollection);
    ASSERT_TRUE(full.storedA);
    EXPECT_TRUE(HoldsProblem(*full.storedA));
    EXPECT_FALSE(survey(Collection(2), 5).storedA);
    // Gaps a save leaves (zero bytes) and blank records belong to a collection.
    EXPECT_TRUE(survey(std::string(255, '\0') + std::string(255, ' ') + Collection(1), 1).looksLikeCollection);
    EXPECT_FALSE(survey("Shopping: eggs, milk\n", 1).looksLikeCollection);
    EXPECT_FALSE(survey(Collection(1) + std::string(255, 'x'), 1).looksLikeCollection);
    Survey cut = survey(Collection(1) + "12", 1);
    EXPECT_FALSE(cut.looksLikeCollection);
    EXPECT_EQ(cut.trailingBytes, 2);
}

// A save never pads a record cut short into one that looks whole; writing over it mends it.
TEST(CollectionFileFaults, ACutRecordIsNeverPaddedToLookWhole) {
    TempFolder folder;
    std::string path = folder.file("c.txt");
    std::string cut = Collection(2).substr(0, 3 * 255 + 100);
    WriteFile(path, cut);
    auto refused = WriteProblem(path, 5, Record(5, 1, 'A', Line('9')), Record(6, 1, 'B', Line('9')));
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->stage, FileError::Stage::Cut);
    EXPECT_EQ(refused->record, 4);
    EXPECT_NE(ReasonText(*refused).find("格納番号 3 のグリッド2"), std::string::npos) << ReasonText(*refused);
    EXPECT_EQ(ReadFile(path), cut);
    ASSERT_FALSE(WriteProblem(path, 3, Record(3, 1, 'A', Line('9')), Record(4, 1, 'B', Line('9'))));
    EXPECT_EQ(ReadFile(path).size(), 4u * 255);
    EXPECT_EQ(MondaiCount(path), 2);
}

// A write that follows the user's answer goes ahead only over what the user was asked about.
TEST(CollectionFile, AWriteChecksTheRecordTheUserWasAskedAbout) {
    TempFolder folder;
    std::string path = folder.file("c.txt");
    WriteFile(path, Collection(1));
    Survey empty = *SurveyCollection(path, 3);
    // Another program stores a problem at 3 meanwhile: ours must not replace it unasked.
    ASSERT_FALSE(WriteProblem(path, 3, Record(3, 2, 'A', Line('1')), Record(4, 2, 'B', Line('1'))));
    std::string theirs = ReadFile(path);
    auto changed = WriteProblem(path, 3, Record(3, 5, 'A', Line('7')), Record(4, 5, 'B', Line('7')), &empty);
    ASSERT_TRUE(changed);
    EXPECT_EQ(changed->stage, FileError::Stage::Changed);
    EXPECT_EQ(ReadFile(path), theirs);
    // A gap left meanwhile is still no problem; the problem agreed to is replaced.
    Survey gap = *SurveyCollection(path, 9);
    ASSERT_FALSE(WriteProblem(path, 11, Record(11, 2, 'A', Line('1')), Record(12, 2, 'B', Line('1'))));
    EXPECT_FALSE(WriteProblem(path, 9, Record(9, 5, 'A', Line('7')), Record(10, 5, 'B', Line('7')), &gap));
    Survey stored = *SurveyCollection(path, 3);
    EXPECT_FALSE(WriteProblem(path, 3, Record(3, 5, 'A', Line('7')), Record(4, 5, 'B', Line('7')), &stored));
}
