// Candidates on screen: a problem loaded from the sample collection, 候補 turned on with
// Ctrl+K, one taken out with Shift+digit and put back with a right click on its small digit,
// then hints followed until a pointing step, which Ctrl+Enter carries out. The pictures before
// and after stay in the build tree.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTest>
#include <bit>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>

#include "QtTestSupport.h"
#include "board/cmnMod01.h"
#include "board/frmAllGamen.h"
#include "collection/frmMondai.h"
#include "grid/frmMozelAuto.h"
#include "hint/frmHint.h"
#include "program/Program.h"
#include "ui/HeadlessServices.h"
#include "ui/qt/FormView.h"
#include "ui/qt/ViewManager.h"

namespace {

struct CandidatesOnScreen : ::testing::Test {
    CandidatesOnScreen() {
        std::random_device rd;
        folder = std::filesystem::temp_directory_path() / ("mozel-qt-candidates-" + std::to_string(rd()));
        std::filesystem::create_directories(folder);
        std::filesystem::copy_file(MOZEL_TEST_DATA "/../scripts/candidates.folder/問題01.txt", folder / "問題01.txt");
        services.setProgramFolder(folder.string());
        program.Start();
        QApplication::processEvents();
        view = views.viewOf(main());
    }
    ~CandidatesOnScreen() override {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
    board::frmAllGamen& main() { return program.frmAllGamen(); }
    QWidget* widget(const ui::Control& control) {
        views.flush();
        ui::qt::FormView* owner = views.viewOf(control.form());
        return owner ? owner->widgetOf(control) : nullptr;
    }
    void save(const char* name, ui::qt::FormView* window = nullptr) {
        views.flush();
        QApplication::processEvents();
        ASSERT_TRUE(QDir().mkpath(MOZEL_SCREENSHOT_DIR));
        EXPECT_TRUE((window ? window : view)->snapshot().save(QString(MOZEL_SCREENSHOT_DIR "/") + name));
    }
    template <typename F>
    void event(F&& f) {
        ui::FormRegistry::EventScope scope(program.forms());
        f();
    }

    qttest::WithApplication application;
    std::filesystem::path folder;
    ui::HeadlessServices services;
    program::Program program{services.services()};
    ui::qt::ViewManager views{program.forms()};
    ui::qt::FormView* view = nullptr;
};

TEST_F(CandidatesOnScreen, KeysAndTheMouseEditThemAndCtrlEnterCarriesOutAPointingStep) {
    // The sample's problem 25 comes to pointing steps after a few singles.
    event([&] {
        program.frmMondai().Text1.setText("25");
        program.frmMondai().Command1.click();
    });
    program.frmMondai().Hide();
    int c = 1;
    while (c <= 225 && std::popcount(static_cast<unsigned>(main().text1(c).candidates())) < 2) ++c;
    ASSERT_LE(c, 225);
    const int start = main().text1(c).candidates();
    const int d = std::countr_zero(static_cast<unsigned>(start));

    QWidget* cell = widget(main().text1(c));
    ASSERT_NE(cell, nullptr);
    QTest::keyClick(cell, Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(main().chkKouho.value(), 1);
    QTest::keyClick(widget(main().text1(c)), static_cast<Qt::Key>(Qt::Key_0 + d), Qt::ShiftModifier);
    EXPECT_EQ(main().text1(c).candidates(), start & ~(1 << d));
    // Its small digit stands in row (d-1)/3, column (d-1)%3 of the cell's thirds.
    cell = widget(main().text1(c));
    const QPoint place(cell->width() * (2 * ((d - 1) % 3) + 1) / 6, cell->height() * (2 * ((d - 1) / 3) + 1) / 6);
    QTest::mouseClick(cell, Qt::RightButton, {}, place);
    EXPECT_EQ(main().text1(c).candidates(), start);

    // Judge 1 (Ctrl+1) paints the cells it rules out blue: their candidates turn light to stay
    // readable.
    QTest::keyClick(widget(main().text1(c)), Qt::Key_1, Qt::ControlModifier);
    int blue = 1;
    while (blue <= 225 && !(main().text1(blue).backColor() == program.cmn().IroRyouiki && main().text1(blue).drawsCandidates())) ++blue;
    ASSERT_LE(blue, 225) << "no empty cell ruled out";
    views.flush();
    QApplication::processEvents();
    const QImage shown = widget(main().text1(blue))->grab().toImage();
    int light = 0;
    // Inside the frame only: the panel's edge is light whatever the ink.
    for (int y = 4; y < shown.height() - 4; ++y)
        for (int x = 4; x < shown.width() - 4; ++x) light += qGray(shown.pixel(x, y)) > 200;
    EXPECT_GT(light, 10) << "light ink on the blue cell " << blue;
    save("candidates-judged.png");

    // Hints carried out (each 適用 shows the next) until one is a pointing step; that one is
    // only shown.
    const std::string& step = program.frmHint().lblText.caption();
    event([&] { main().cmdHint.click(); });
    for (int n = 0; n < 100 && step.find("ポインティング") == std::string::npos; ++n) event([&] { main().ApplyLastHint(); });
    ASSERT_NE(step.find("ポインティング"), std::string::npos) << step;
    std::vector<std::pair<int, int>> removed;
    for (int k = 1; k <= 225; ++k)
        if (main().text1(k).backColor() == program.cmn().IroAuto1) removed.push_back({k, main().text1(k).candidates()});
    ASSERT_FALSE(removed.empty());
    save("candidates-before-apply.png");

    QTest::keyClick(widget(main().text1(c)), Qt::Key_Return, Qt::ControlModifier);
    int fewer = 0;
    for (auto [k, before] : removed) {
        EXPECT_EQ(main().text1(k).candidates() & ~before, 0) << "cell " << k;
        fewer += main().text1(k).candidates() != before;
    }
    EXPECT_EQ(fewer, static_cast<int>(removed.size()));
    save("candidates-after-apply.png");
    // Grid 1's window shows the same candidates.
    ui::qt::FormView* grid = views.viewOf(program.frmMozelAuto());
    ASSERT_NE(grid, nullptr);
    save("candidates-grid1.png", grid);
}

}  // namespace
