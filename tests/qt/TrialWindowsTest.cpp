// Grid 1's window with its menus open, and the candidates window while a persona runs, on a
// real screen (offscreen here; under Xvfb with QT_QPA_PLATFORM=xcb for a look at the X11
// rendering). The pictures stay in the build tree.
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <gtest/gtest.h>

#include "DoubleProblem.h"
#include "QtTestSupport.h"
#include "board/cmnMod01.h"
#include "board/frmAllGamen.h"
#include "candidates/frmKouho.h"
#include "grid/frmMozelAuto.h"
#include "program/Program.h"
#include "ui/HeadlessServices.h"
#include "ui/qt/FormView.h"

namespace {

class TrialWindowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        qttest::EnsureApplication();
        views = std::make_unique<ui::qt::ViewManager>(program.forms());
        program.Start();
        QApplication::processEvents();
        ASSERT_TRUE(QDir().mkpath(MOZEL_SCREENSHOT_DIR));
    }
    ui::qt::FormView& viewOf(const ui::Form& form) { return *views->viewOf(form); }
    static QString shot(const char* file) { return QStringLiteral(MOZEL_SCREENSHOT_DIR "/") + QString::fromUtf8(file); }

    // Grid 1 holds grid 1 of a public problem; its automatic step has run until it stalls.
    void loadGrid1(const char* file) {
        DoubleProblem p = DoubleProblem::Load(file);
        ASSERT_TRUE(p.valid());
        auto& grid1 = program.frmMozelAuto();
        for (int k = 1; k <= 81; ++k) {
            char c = p.givens[0][static_cast<size_t>(k - 1)];
            grid1.Text1(k - 1).setText(c >= '1' && c <= '9' ? std::string(1, c) : "");
        }
        for (std::string before; before != grid1.Setting.text();) {
            before = grid1.Setting.text();
            grid1.cmdAutoHantei_Click();
        }
    }

    ui::HeadlessServices services;
    program::Program program{services.services()};
    std::unique_ptr<ui::qt::ViewManager> views;
};

}  // namespace

TEST_F(TrialWindowsTest, GridOneWithItsMenus) {
    loadGrid1("sensei-1-180501-144448.hard.txt");
    auto& grid1 = program.frmMozelAuto();
    grid1.Show();
    QApplication::processEvents();
    ui::qt::FormView& view = viewOf(grid1);
    QMenuBar* bar = view.menuBar();
    ASSERT_NE(bar, nullptr);
    QStringList titles;
    for (QAction* action : bar->actions()) {
        if (action->isVisible()) titles << action->text();
    }
    // 判定 shows once an automatic step has run.
    EXPECT_EQ(titles, (QStringList{"ファイル", "判定", "クリア", "ロック", "バージョン情報(&V)"}));
    EXPECT_TRUE(view.snapshot().save(shot("grid1-window.png")));

    const std::pair<const char*, QStringList> menus[] = {
        {"ファイル", {"問題集", "オプション(&O)", "ハガキ", "終了"}},
        {"判定", {"自動判定", "同じ数字", "最終数字", "候補表示"}},
        {"クリア", {"色", "数字", "チェック欄", "オールクリア"}},
        {"ロック", {"ロックイン", "ロックアウト"}},
    };
    int n = 0;
    for (const auto& [title, items] : menus) {
        QAction* top = nullptr;
        for (QAction* action : bar->actions()) {
            if (action->text() == QString::fromUtf8(title)) top = action;
        }
        ASSERT_NE(top, nullptr) << title;
        QMenu* menu = top->menu();
        ASSERT_NE(menu, nullptr) << title;
        QStringList shown;
        for (QAction* action : menu->actions()) {
            if (action->isVisible()) shown << action->text();
        }
        EXPECT_EQ(shown, items) << title;
        // The menu as it drops down below its title, drawn over the window's picture.
        menu->popup(view.mapToGlobal(bar->geometry().bottomLeft() + bar->actionGeometry(top).topLeft()));
        QApplication::processEvents();
        QPixmap window = view.snapshot();
        QPixmap dropped = menu->grab();
        QPainter painter(&window);
        painter.drawPixmap(bar->actionGeometry(top).left(), bar->geometry().bottom(), dropped);
        painter.end();
        menu->hide();
        EXPECT_FALSE(dropped.isNull());
        EXPECT_TRUE(window.save(shot(("grid1-menu-" + std::to_string(++n) + ".png").c_str())));
    }
}

TEST_F(TrialWindowsTest, CandidatesWindowDuringAPersonaRun) {
    loadGrid1("sensei-1-180501-144448.hard.txt");
    auto& grid1 = program.frmMozelAuto();
    grid1.cmdKouho_Click();
    grid1.Show();
    QApplication::processEvents();
    auto& kouho = program.frmKouho();
    int pictures = 0;
    std::string placed;
    services.onRecord = [&](const ui::Recorded& r) {
        // The first and the third time ぽっけ places a digit, as the user sees it then.
        if (r.text != "がんばるぞう" || (pictures != 0 && pictures != 1)) return;
        ++pictures;
        if (pictures == 2) return;
        QApplication::processEvents();
        for (int k = 1; k <= 81; ++k) {
            if (grid1.Text1(k - 1).backColor() == program.cmn().IroOnly) placed = grid1.Text1(k - 1).text();
        }
        EXPECT_TRUE(viewOf(kouho).snapshot().save(shot("candidates-persona-run.png")));
        EXPECT_TRUE(viewOf(grid1).snapshot().save(shot("grid1-persona-run.png")));
    };
    {
        ui::FormRegistry::EventScope scope(program.forms());
        kouho.cmdKakuritu.click();
    }
    services.onRecord = nullptr;
    EXPECT_GE(pictures, 1);
    EXPECT_FALSE(placed.empty());
    EXPECT_TRUE(kouho.visible());
    QApplication::processEvents();
    EXPECT_TRUE(viewOf(kouho).snapshot().save(shot("candidates-after-run.png")));
}
