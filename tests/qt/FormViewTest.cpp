// A window on screen: built from its controls, mirroring its own properties, painting its
// Surface lines behind the controls, handing the close box to the model, and going when the
// window goes.
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "QtTestSupport.h"
#include "ui/UserInput.h"

namespace {

using qttest::Bgr;
using qttest::TestWindow;

class FormViewTest : public ::testing::Test {
protected:
    TestWindow window;
    qttest::TestForm& form = window.form;
    const QColor background = Bgr(0x80FF80);
};

TEST_F(FormViewTest, EveryControlHasAView) {
    for (ui::Control* control : form.controls()) {
        EXPECT_NE(window.view.viewOf(*control), nullptr) << control->path();
    }
}

TEST_F(FormViewTest, TheWindowMirrorsCaptionSizePositionAndVisibility) {
    EXPECT_EQ(window.view.windowTitle(), QStringLiteral("テスト窓"));
    EXPECT_EQ(window.view.canvas()->size(), QSize(400, 300));
    EXPECT_EQ(window.view.pos(), QPoint(100, 50));
    EXPECT_TRUE(window.view.isVisible());

    form.setCaption("別名");
    form.setWidth(7500);
    form.Hide();
    window.flush();
    EXPECT_EQ(window.view.windowTitle(), QStringLiteral("別名"));
    EXPECT_EQ(window.view.canvas()->width(), 500);
    EXPECT_FALSE(window.view.isVisible());
}

TEST_F(FormViewTest, SurfaceLinesArePaintedInOrderBehindTheControls) {
    form.surface.line(1500, 3000, 4500, 3000, 3, 0x0000FF);  // red, y = 200 px
    form.surface.line(3000, 2250, 3000, 3750, 5, 0xFF0000);  // blue across it, x = 200 px
    QImage image = window.client();
    EXPECT_EQ(image.pixelColor(120, 200), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(120, 201), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(120, 204), background);
    EXPECT_EQ(image.pixelColor(200, 200), QColor(0, 0, 255));  // the later line covers
    EXPECT_EQ(image.pixelColor(202, 170), QColor(0, 0, 255));

    // A line under a text box is hidden by it.
    form.surface.line(0, 300, 3000, 300, 3, 0x0000FF);
    image = window.client();
    EXPECT_EQ(image.pixelColor(5, 20), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(50, 20), QColor(Qt::white));

    form.surface.clear();
    image = window.client();
    EXPECT_EQ(image.pixelColor(120, 200), background);
    EXPECT_EQ(image.pixelColor(200, 200), background);
}

TEST_F(FormViewTest, ALabelWithoutABackgroundShowsTheWindowThroughIt) {
    // A line through the label's blank right part.
    form.surface.line(4500, 375, 4900, 375, 3, 0xFF0000);
    EXPECT_EQ(window.client().pixelColor(315, 25), QColor(0, 0, 255));
    form.lbl.setBackColor(ui::kWhite);
    EXPECT_EQ(window.client().pixelColor(315, 25), QColor(Qt::white));
}

TEST_F(FormViewTest, ALabelCaptionBreaksLinesWhereItSays) {
    auto inkRows = [this] {
        window.flush();
        QImage image = window.widget<QLabel>(form.lbl)->grab().toImage();
        int first = -1, last = -1;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (!qttest::IsDark(image.pixel(x, y))) continue;
                if (first < 0) first = y;
                last = y;
            }
        }
        return last - first + 1;
    };
    form.lbl.setCaption("上下");
    int oneLine = inkRows();
    form.lbl.setCaption("上\r\n下");
    EXPECT_GT(inkRows(), oneLine * 3 / 2);
}

TEST_F(FormViewTest, TheCloseBoxAsksTheModel) {
    form.refuseClose = true;
    window.view.close();
    EXPECT_EQ(form.queryUnloads, 1);
    EXPECT_TRUE(window.registry.isLoaded("frmTest"));
    EXPECT_TRUE(window.view.isVisible());

    form.refuseClose = false;
    window.view.close();
    EXPECT_FALSE(window.registry.isLoaded("frmTest"));
    EXPECT_EQ(window.views->viewOf("frmTest"), nullptr);
}

TEST(ViewManagerTest, ViewsFollowTheWindowsOfTheRegistry) {
    qttest::EnsureApplication();
    ui::FormRegistry registry;
    registry.add("frmTest", [] { return std::make_unique<qttest::TestForm>(); });
    registry.add("frmOther", [] { return std::make_unique<qttest::TestForm>("frmOther"); });
    ui::Form& existing = registry.get("frmTest");

    ui::qt::ViewManager views(registry);
    EXPECT_NE(views.viewOf(existing), nullptr);  // a window made before the manager
    ui::Form& later = registry.get("frmOther");
    ui::qt::FormView* laterView = views.viewOf(later);
    ASSERT_NE(laterView, nullptr);
    later.Show();

    {
        ui::FormRegistry::EventScope scope(registry);
        registry.unload(later);
        EXPECT_FALSE(laterView->isVisible());
    }
    EXPECT_EQ(views.viewOf("frmOther"), nullptr);

    // After the end no view is left to touch the windows.
    registry.end();
    EXPECT_EQ(views.viewOf(existing), nullptr);
}

}  // namespace
