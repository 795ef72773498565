#include <gtest/gtest.h>

#include <signal.h>
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
    EXPECT_NE(ReasonText({FileError::Stage::Write, EFBIG}).find("空き容量"), std::string::npos);
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
    auto file = CollectionFile::Open(path);
    MondaiRec rec;
    EXPECT_EQ(file->Read(3, rec), CollectionFile::ReadStatus::Ok);
    EXPECT_EQ(file->Read(4, rec), CollectionFile::ReadStatus::PastEnd);
    EXPECT_EQ(ReadFile(path), cut);
    // Writing problem 1 leaves the rest, cut record included, as it was.
    ASSERT_FALSE(WriteProblem(path, 1, Record(1, 1, 'A', Line('9')), Record(2, 1, 'B', Line('9'))));
    EXPECT_EQ(ReadFile(path).substr(510), cut.substr(510));
}
