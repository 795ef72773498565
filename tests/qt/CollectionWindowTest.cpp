// A user's whole round with a problem collection on screen: a problem typed into the board's
// cells, written with the collection window's 書き込み button, the board cleared, the problem
// loaded back with the < button and solved with the 自動判定 button. The collection window's
// screenshot stays in the build tree. Run offscreen, and under a virtual X server by CTest.
#include <QApplication>
#include <QDir>
#include <QFontInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <gtest/gtest.h>

#include "DoubleProblem.h"
#include "QtTestSupport.h"
#include "board/cmnMod01.h"
#include "board/frmAllGamen.h"
#include "collection/ShiftJis.h"
#include "collection/frmMondai.h"
#include "options/frmOption01.h"
#include "program/Program.h"
#include "ui/HeadlessServices.h"
#include "ui/qt/QtDialogs.h"
#include "ui/qt/QtPrinter.h"

namespace {

class CollectionWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        qttest::EnsureApplication();
        std::random_device rd;
        folder = std::filesystem::temp_directory_path() / ("mozel-qt-collection-" + std::to_string(rd()));
        std::filesystem::create_directories(folder);
        services.setProgramFolder(folder.string());
        views = std::make_unique<ui::qt::ViewManager>(program.forms());
        program.Start();
        QApplication::processEvents();
        ASSERT_TRUE(QDir().mkpath(MOZEL_SCREENSHOT_DIR));
    }
    void TearDown() override {
        views.reset();
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
    template <typename W>
    W* widget(const ui::Control& control) {
        ui::qt::FormView* view = views->viewOf(control.form());
        return view ? dynamic_cast<W*>(view->widgetOf(control)) : nullptr;
    }
    // A click on the button as shown (the widgets first brought in step, as the event loop does).
    void press(const ui::CommandButton& button) {
        views->flush();
        auto* shown = widget<QPushButton>(button);
        ASSERT_NE(shown, nullptr) << button.path();
        QTest::mouseClick(shown, Qt::LeftButton);
        QApplication::processEvents();
    }

    std::filesystem::path folder;
    ui::HeadlessServices services;
    program::Program program{services.services()};
    std::unique_ptr<ui::qt::ViewManager> views;
};

TEST_F(CollectionWindowTest, AWholeRoundOnScreen) {
    auto p = DoubleProblem::Load("sensei-4-180705-104524.40.VeryEasy.txt");
    ASSERT_TRUE(p.valid());
    board::frmAllGamen& main = program.frmAllGamen();
    board::cmnMod01& cmn = program.cmn();
    collection::frmMondai& mondai = program.frmMondai();
    ASSERT_TRUE(mondai.visible()) << "start-up opens the collection window";

    for (int i = 0; i < 6; ++i) press(main.cmdPattern);
    ASSERT_EQ(cmn.PatternNo, 6);
    for (int g = 1; g <= 2; ++g) {
        for (int k = 1; k <= 81; ++k) {
            char c = p.givens[static_cast<size_t>(g - 1)][static_cast<size_t>(k - 1)];
            views->flush();
            auto* cell = widget<QLineEdit>(main.text1(cmn.GridMasu[6][g][k]));
            ASSERT_NE(cell, nullptr);
            if (c >= '1' && c <= '9' && cell->text().trimmed().isEmpty()) QTest::keyClicks(cell, QString(QChar(c)));
        }
    }
    main.txtMondaiMemo.setText("とても易しいダブル");
    main.txtQuestion.setText("40");
    press(mondai.Command2);
    ASSERT_EQ(services.messages().size(), 1u);
    EXPECT_EQ(services.messages()[0].rfind("格納番号 1 に問題を書き込みました。", 0), 0u);
    services.clearRecords();

    // The file holds the problem's two records, the description in Shift-JIS.
    std::ifstream in(folder / "問題01.txt", std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    ASSERT_EQ(bytes.size(), 510u);
    EXPECT_EQ(collection::FromShiftJis(bytes.substr(170, 18)), "とても易しいダブル");

    press(main.cmdClear01);
    press(main.cmdClear04);
    press(main.cmdPattern);
    EXPECT_EQ(cmn.PatternNo, 7);
    press(mondai.cmdBeforeRead);
    EXPECT_EQ(cmn.PatternNo, 6);
    auto* given = widget<QLineEdit>(main.text1(2));
    EXPECT_EQ(given->text(), "8");
    EXPECT_TRUE(given->isReadOnly()) << "a loaded given is locked";
    EXPECT_TRUE(widget<QPushButton>(main.cmdHanteiA(1))->isVisible());

    // Automatic judgement until the congratulation (five presses for this problem).
    for (int i = 0; i < 8 && services.messages().empty(); ++i) press(main.cmdHanteiA(3));
    EXPECT_EQ(services.messages(), std::vector<std::string>{"おめでとう"});
    EXPECT_EQ(cmn.SolvedMark, 9);
    views->flush();
    EXPECT_EQ(main.text1(1).text(), std::string(1, p.solution[0][0]));
    EXPECT_EQ(widget<QLineEdit>(main.text1(1))->text().trimmed(), QString(QChar(p.solution[0][0])));

    // The collection window as the user sees it after the round.
    ui::qt::FormView* view = views->viewOf(mondai);
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isVisible());
    EXPECT_EQ(view->canvas()->size(), QSize(view->scale().px(mondai.width()), view->scale().px(mondai.height())));
    EXPECT_EQ(widget<QLineEdit>(mondai.Text1)->text(), "1");
    EXPECT_EQ(widget<QLineEdit>(mondai.Text3)->text(), "3");
    for (ui::Control* control : mondai.controls()) {
        QWidget* shown = view->widgetOf(*control);
        ASSERT_NE(shown, nullptr) << control->path();
        EXPECT_EQ(QFontInfo(shown->font()).family(), QStringLiteral("Noto Sans CJK JP")) << control->path();
        if (dynamic_cast<const ui::Label*>(control)) {
            QImage label = shown->grab().toImage();
            QRect ink = qttest::Ink(label);
            EXPECT_FALSE(ink.isNull()) << control->path();
            EXPECT_TRUE(label.rect().adjusted(0, 1, 0, -1).contains(ink)) << control->path() << " is cut";
        }
    }
    if (QWidget* focus = QApplication::focusWidget()) focus->clearFocus();
    QString platform = QApplication::platformName();
    EXPECT_TRUE(view->snapshot().save(QStringLiteral(MOZEL_SCREENSHOT_DIR "/collection-window-%1.png").arg(platform)));
}

}  // namespace

// The question 書き込み asks of a board that holds the user's digits besides the givens, as the
// real message box shows it: titled モゼルダブル, 問題だけ the default. Its picture beside the main
// window stays in the build tree.
TEST_F(CollectionWindowTest, TheSaveQuestionOnScreen) {
    board::frmAllGamen& main = program.frmAllGamen();
    const int given = program.cmn().GridMasu[12][1][1], entry = program.cmn().GridMasu[12][1][2];
    main.text1(given).setText("4");
    press(main.cmdLock);
    main.text1(entry).setText("7");
    services.queueAnswer("キャンセル");
    press(program.frmMondai().Command2);
    ASSERT_EQ(services.records().size(), 1u);
    const ui::Recorded asked = services.records()[0];
    ASSERT_EQ(asked.lines, (std::vector<std::string>{"問題だけ", "盤面のまま", "キャンセル"}));

    views->flush();
    const QPixmap window = views->viewOf(main)->snapshot();
    ui::qt::QtPrinter printer;
    ui::qt::QtDialogs dialogs(printer);
    QString title, focused;
    QPixmap picture;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        focused = box->defaultButton() ? box->defaultButton()->text() : QString();
        picture = box->grab();
        box->defaultButton()->click();
    });
    EXPECT_EQ(dialogs.Ask(asked.text, asked.icon, asked.lines, 0), 0) << "Enter takes the problem alone";
    EXPECT_EQ(title, QStringLiteral("モゼルダブル"));
    EXPECT_EQ(focused, QStringLiteral("問題だけ"));
    ASSERT_FALSE(picture.isNull());
    QPixmap both(window.width() + picture.width() + 16, std::max(window.height(), picture.height()));
    both.fill(Qt::darkGray);
    QPainter painter(&both);
    painter.drawPixmap(0, 0, window);
    painter.drawPixmap(window.width() + 16, 40, picture);
    painter.end();
    EXPECT_TRUE(both.save(QStringLiteral(MOZEL_SCREENSHOT_DIR "/save-question-%1.png").arg(QApplication::platformName())));
}
