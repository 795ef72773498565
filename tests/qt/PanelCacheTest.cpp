// The line edits' panels are copied from a cache of looks: every pixel must stay what the
// style itself draws. Windows after a board judgement (coloured cells, locked and open ones),
// and single boxes in every state, are grabbed with the cache and without it.
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "DoubleProblem.h"
#include "QtTestSupport.h"
#include "board/cmnMod01.h"
#include "board/frmAllGamen.h"
#include "grid/frmMozelAuto.h"
#include "program/Program.h"
#include "ui/HeadlessServices.h"
#include "ui/qt/PanelCacheStyle.h"

namespace {

using ui::qt::PanelCacheStyle;

// The number of pixels in which two pictures of the same size differ.
int DifferingPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return -1;
    QImage left = a.convertToFormat(QImage::Format_ARGB32);
    QImage right = b.convertToFormat(QImage::Format_ARGB32);
    int differing = 0;
    for (int y = 0; y < left.height(); ++y) {
        for (int x = 0; x < left.width(); ++x) differing += left.pixel(x, y) != right.pixel(x, y);
    }
    return differing;
}

// A picture taken with the cache, then the same without it.
template <typename Grab>
std::pair<QImage, QImage> WithAndWithoutCache(Grab grab) {
    PanelCacheStyle::setCaching(true);
    QImage cached = grab();
    QImage again = grab();  // now drawn from the looks the first grab stored
    PanelCacheStyle::setCaching(false);
    QImage drawn = grab();
    PanelCacheStyle::setCaching(true);
    EXPECT_EQ(DifferingPixels(cached, again), 0);
    return {again, drawn};
}

TEST(PanelCacheTest, WindowsAfterAJudgementLookTheSameWithAndWithoutTheCache) {
    qttest::EnsureApplication();
    ui::HeadlessServices services;
    program::Program program{services.services()};
    ui::qt::ViewManager views{program.forms()};
    program.Start();
    board::frmAllGamen& main = program.frmAllGamen();
    board::cmnMod01& cmn = program.cmn();
    DoubleProblem problem = DoubleProblem::Load("sensei-4-180705-104524.40.VeryEasy.txt");
    ASSERT_EQ(problem.givens[1].size(), 81u);
    while (cmn.PatternNo != 6) main.cmdPattern.click();
    for (int g = 1; g <= 2; ++g) {
        for (int k = 1; k <= 81; ++k) {
            char c = problem.givens[static_cast<size_t>(g - 1)][static_cast<size_t>(k - 1)];
            main.text1(cmn.GridMasu[6][g][k]).setText(c >= '1' && c <= '9' ? std::string(1, c) : "");
        }
    }
    {
        ui::FormRegistry::EventScope scope(program.forms());
        main.cmdHanteiA_Click(3);
    }
    QApplication::processEvents();
    // A focused cell draws its frame in the highlight colour.
    auto* focused = dynamic_cast<QLineEdit*>(views.viewOf(main)->widgetOf(main.text1(cmn.GridMasu[6][1][1])));
    ASSERT_NE(focused, nullptr);
    views.viewOf(main)->activateWindow();
    focused->setFocus();
    QApplication::processEvents();

    for (const char* name : {"frmAllGamen", "frmMozelAuto"}) {
        ui::qt::FormView* view = views.viewOf(name);
        ASSERT_NE(view, nullptr) << name;
        auto [cached, drawn] = WithAndWithoutCache([view] { return view->snapshot().toImage(); });
        EXPECT_FALSE(cached.isNull()) << name;
        EXPECT_EQ(DifferingPixels(cached, drawn), 0) << name;
    }
}

TEST(PanelCacheTest, BoxesInEveryStateLookTheSameWithAndWithoutTheCache) {
    qttest::EnsureApplication();
    QWidget window;
    window.setStyleSheet(QString());
    QPalette background = window.palette();
    background.setColor(QPalette::Window, QColor(0x80, 0xFF, 0x80));
    window.setPalette(background);
    window.setAutoFillBackground(true);
    window.resize(400, 200);
    std::vector<QLineEdit*> boxes;
    const QColor bases[] = {Qt::white, QColor(0xFF, 0xC0, 0xC0), QColor(0x40, 0x40, 0xFF)};
    for (int i = 0; i < 12; ++i) {
        auto* box = new QLineEdit(QString::number(i), &window);
        box->setStyle(PanelCacheStyle::instance());
        box->setGeometry(8 + (i % 6) * 60, 8 + (i / 6) * 60, 30 + i * 3, 28 + i);
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, bases[i % 3]);
        box->setPalette(palette);
        box->setEnabled(i % 4 != 1);
        box->setReadOnly(i % 4 == 2);
        boxes.push_back(box);
    }
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    boxes[3]->setFocus();
    QApplication::processEvents();
    auto [cached, drawn] = WithAndWithoutCache([&window] { return window.grab().toImage(); });
    EXPECT_EQ(DifferingPixels(cached, drawn), 0);
}

}  // namespace
