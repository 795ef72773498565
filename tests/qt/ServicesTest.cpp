// The Qt services: the single-instance lock, and print jobs that become PDF files on a machine
// without printers.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QPrinterInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "QtTestSupport.h"
#include "ui/qt/QtPlatform.h"
#include "ui/qt/Translations.h"
#include "ui/qt/QtPrinter.h"

namespace {

using ui::qt::QtPlatform;

TEST(QtPlatformTest, OnlyOneCopyHoldsTheLock) {
    qttest::EnsureApplication();
    QTemporaryDir dir;
    QString lock = dir.filePath("app.lock");
    {
        QtPlatform first(lock);
        EXPECT_FALSE(first.AnotherInstanceRunning());
        QtPlatform second(lock);
        EXPECT_TRUE(second.AnotherInstanceRunning());
    }
    QtPlatform afterwards(lock);
    EXPECT_FALSE(afterwards.AnotherInstanceRunning());
    EXPECT_FALSE(QtPlatform(QString()).AnotherInstanceRunning());
}

TEST(QtPlatformTest, CollectionsLieBesideABuiltProgramButInTheDataFolderOfAnInstalledOne) {
    QTemporaryDir dir;
    QDir root(dir.path());
    ASSERT_TRUE(root.mkpath("build/bin") && root.mkpath("usr/bin") && root.mkpath("usr/share/mozeldouble"));
    QFile sample(root.filePath("usr/share/mozeldouble/問題01.txt"));
    ASSERT_TRUE(sample.open(QIODevice::WriteOnly));
    sample.write(QByteArray(510, 'x'));
    sample.close();

    // A built copy keeps its collections beside itself.
    EXPECT_EQ(QtPlatform::CollectionFolder(root.filePath("build/bin"), root.filePath("data")), root.filePath("build/bin"));
    EXPECT_FALSE(root.exists("data"));

    // The installed program uses the data folder, even where it could write beside itself,
    // and a new user finds the sample there; a user's own collection is never replaced.
    QString data = root.filePath("home/.local/share/MozelDouble");
    EXPECT_EQ(QtPlatform::CollectionFolder(root.filePath("usr/bin"), data), data);
    EXPECT_EQ(QFileInfo(QDir(data).filePath("問題01.txt")).size(), 510);
    QFile own(QDir(data).filePath("問題01.txt"));
    ASSERT_TRUE(own.open(QIODevice::WriteOnly | QIODevice::Truncate));
    own.close();
    EXPECT_EQ(QtPlatform::CollectionFolder(root.filePath("usr/bin"), data), data);
    EXPECT_EQ(QFileInfo(QDir(data).filePath("問題01.txt")).size(), 0);
}

// XDG_DATA_HOME is taken only as an absolute path; a data folder that cannot be made (its
// place is a file) is still where the installed program looks, never its own folder.
TEST(QtPlatformTest, TheDataFolderFollowsTheBaseDirectoryRules) {
    EXPECT_EQ(QtPlatform::DataFolder("/data/x", "/home/u", "MozelDouble"), "/data/x/MozelDouble");
    EXPECT_EQ(QtPlatform::DataFolder("", "/home/u", "MozelDouble"), "/home/u/.local/share/MozelDouble");
    EXPECT_EQ(QtPlatform::DataFolder("relative/dir", "/home/u", "MozelDouble"), "/home/u/.local/share/MozelDouble");
    EXPECT_EQ(QtPlatform::DataFolder("", "", "MozelDouble"), "");

    QTemporaryDir dir;
    QDir root(dir.path());
    ASSERT_TRUE(root.mkpath("usr/bin") && root.mkpath("usr/share/mozeldouble"));
    QFile blocker(root.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QString data = root.filePath("file/MozelDouble");
    EXPECT_EQ(QtPlatform::CollectionFolder(root.filePath("usr/bin"), data), data);
    EXPECT_FALSE(root.exists("usr/bin/問題01.txt"));
}

TEST(QtPlatformTest, ALockLeftByACrashedCopyIsTakenOver) {
    qttest::EnsureApplication();
    QTemporaryDir dir;
    // A genuine lock file, then the same contents under the id of a process that is gone.
    QLockFile probe(dir.filePath("probe.lock"));
    ASSERT_TRUE(probe.tryLock(0));
    QFile probeFile(dir.filePath("probe.lock"));
    ASSERT_TRUE(probeFile.open(QIODevice::ReadOnly));
    QList<QByteArray> lines = probeFile.readAll().split('\n');
    probeFile.close();
    probe.unlock();

    QProcess gone;
    gone.start("sleep", {"30"});
    ASSERT_TRUE(gone.waitForStarted());
    lines[0] = QByteArray::number(gone.processId());
    gone.kill();
    gone.waitForFinished();

    QFile stale(dir.filePath("app.lock"));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write(lines.join('\n'));
    stale.close();

    QtPlatform platform(dir.filePath("app.lock"));
    EXPECT_FALSE(platform.AnotherInstanceRunning());
}

class QtPrinterTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!QPrinterInfo::availablePrinterNames().isEmpty()) GTEST_SKIP() << "this machine has a printer";
        printer.setPdfFolder(folder.path());
        printer.setNotice([this](const std::string& text) { notices.push_back(text); });
    }
    static QByteArray Contents(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    qttest::WithApplication application;
    QTemporaryDir folder;
    ui::qt::QtPrinter printer;
    std::vector<std::string> notices;
};

TEST_F(QtPrinterTest, WithoutAPrinterATextJobBecomesAPdfAndTheUserIsTold) {
    printer.PrintText({"グリッド１", "1 2 3 | 4 5 6 | 7 8 9"});
    QString file = printer.lastPdfFile();
    EXPECT_EQ(QFileInfo(file).absolutePath(), QFileInfo(folder.path()).absoluteFilePath());
    EXPECT_TRUE(Contents(file).startsWith("%PDF"));
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0], "プリンターがないため、PDFファイルに印刷しました：" + file.toStdString());

    // Each job has a file of its own, also within the same second.
    printer.PrintText({"二回目"});
    EXPECT_NE(printer.lastPdfFile(), file);
    EXPECT_EQ(QDir(folder.path()).entryList({"*.pdf"}).size(), 2);
}

// The printer dialog offers a new file in the PDF folder; each later job gets a new file of its
// own; a file already there is never written over.
TEST_F(QtPrinterTest, TheDialogsPdfFileIsNewAndNoJobReplacesAFile) {
    QString offered;
    ASSERT_TRUE(printer.choosePrinter([&](QPrinter& target) {
        offered = target.outputFileName();
        return true;
    }));
    EXPECT_EQ(QFileInfo(offered).absolutePath(), QFileInfo(folder.path()).absoluteFilePath());
    EXPECT_TRUE(QFileInfo(offered).fileName().startsWith(QStringLiteral("印刷_グリッド_")));
    EXPECT_FALSE(QFileInfo::exists(offered));
    printer.PrintText({"グリッド１"});
    EXPECT_EQ(printer.lastPdfFile(), offered);
    const QByteArray first = Contents(offered);
    EXPECT_TRUE(first.startsWith("%PDF"));

    qttest::TestWindow window;
    window.form.setCaption("候補");
    printer.setViews(window.views.get());
    printer.PrintForm(window.form);
    EXPECT_NE(printer.lastPdfFile(), offered);
    EXPECT_TRUE(QFileInfo(printer.lastPdfFile()).fileName().startsWith(QStringLiteral("印刷_候補_")));
    printer.PrintText({"二回目"});
    EXPECT_EQ(Contents(offered), first) << "the first job's file stays as it was";
    EXPECT_EQ(QDir(folder.path()).entryList({"*.pdf"}).size(), 3);
    for (const std::string& notice : notices) EXPECT_EQ(notice.rfind("プリンターがないため、PDFファイルに印刷しました：", 0), 0u);
}

TEST(QtPrinterFolder, DocumentsAreMadeWhenMissingElseHomeElseTemporary) {
    QTemporaryDir dir;
    QDir root(dir.path());
    QString documents = root.filePath("home/Documents");
    ASSERT_TRUE(root.mkpath("home"));
    EXPECT_EQ(ui::qt::QtPrinter::PdfFolder(documents, root.filePath("home")), documents);
    EXPECT_TRUE(QFileInfo(documents).isDir());
    QFile blocker(root.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_EQ(ui::qt::QtPrinter::PdfFolder(root.filePath("file/Documents"), root.filePath("home")), root.filePath("home"));
    EXPECT_EQ(ui::qt::QtPrinter::PdfFolder("", root.filePath("file")), QDir::tempPath());
}

TEST_F(QtPrinterTest, ALongTextJobRunsOverSeveralPages) {
    std::vector<std::string> lines(150, "０１２３４５６７８９");
    printer.PrintText(lines);
    QByteArray pdf = Contents(printer.lastPdfFile());
    EXPECT_GE(pdf.count("/Type /Page\n"), 2);
}

TEST_F(QtPrinterTest, AWindowIsPrintedAsShown) {
    qttest::TestWindow window;
    printer.setViews(window.views.get());
    printer.PrintForm(window.form);
    EXPECT_TRUE(Contents(printer.lastPdfFile()).startsWith("%PDF"));
    EXPECT_EQ(notices.size(), 1u);

    // A window without a view cannot be printed as shown.
    printer.setViews(nullptr);
    printer.PrintForm(window.form);
    EXPECT_EQ(notices.back(), "印刷できませんでした。");
}

}  // namespace

// Qt's own dialogs and menus speak Japanese once the translations are installed.
TEST(Translations, QtsOwnTextsSpeakJapanese) {
    qttest::WithApplication application;
    ASSERT_TRUE(ui::qt::InstallJapaneseTranslations(*QCoreApplication::instance()));
    EXPECT_NE(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Look in:"));
    EXPECT_NE(QCoreApplication::translate("QPrintDialog", "Print"), QStringLiteral("Print"));
    EXPECT_NE(QCoreApplication::translate("QLineEdit", "&Copy"), QStringLiteral("&Copy"));
    QTemporaryDir empty;
    EXPECT_FALSE(ui::qt::InstallJapaneseTranslations(*QCoreApplication::instance(), empty.path()));
}
