// When the widgets catch up with the model: a burst of changes is synced once, when control
// returns to the event loop; Refresh shows the latest state at once, at most once a screen
// frame, and the last state is always painted; a hidden window waits until it is shown, unless
// someone reads its widgets (a snapshot).
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <chrono>
#include <memory>
#include <thread>
#include <gtest/gtest.h>

#include "QtTestSupport.h"

namespace {

using qttest::TestWindow;

// Records each paint of a widget: the text it showed, for a line edit.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget& widget) : widget_(widget) { widget.installEventFilter(this); }
    ~PaintRecorder() override { widget_.removeEventFilter(this); }
    std::vector<QString> painted;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Paint) return false;
        auto* edit = qobject_cast<QLineEdit*>(&widget_);
        painted.push_back(edit ? edit->text() : QString());
        return false;
    }

private:
    QWidget& widget_;
};

class ViewSyncTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(edit, nullptr);
        // Shown, exposed and painted: nothing left over from the start.
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }

    TestWindow window;
    qttest::TestForm& form = window.form;
    QLineEdit* edit = window.widget<QLineEdit>(form.txt);
};

TEST_F(ViewSyncTest, ABurstOfChangesIsSyncedOnceWhenControlReturnsToTheEventLoop) {
    PaintRecorder recorder(*edit);
    const long before = window.view.controlSyncs();
    for (int i = 1; i <= 1000; ++i) form.txt.setText(std::to_string(i));
    form.lbl.setCaption("一");
    form.lbl.setCaption("二");
    EXPECT_EQ(edit->text(), QString());
    EXPECT_EQ(window.view.controlSyncs(), before);

    QCoreApplication::processEvents();
    EXPECT_EQ(edit->text(), QStringLiteral("1000"));
    EXPECT_EQ(window.widget<QLabel>(form.lbl)->text(), QStringLiteral("二"));
    EXPECT_EQ(window.view.controlSyncs(), before + 2);  // one sync each for the box and the label

    // The sync's repaint comes with the next pass; nothing changed since, so nothing is synced.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(window.view.controlSyncs(), before + 2);
    EXPECT_EQ(recorder.painted, std::vector<QString>{QStringLiteral("1000")});
}

TEST_F(ViewSyncTest, RefreshAFrameAfterTheLastRepaintPaintsTheLatestStateAtOnce) {
    std::this_thread::sleep_for(window.view.frameInterval());
    PaintRecorder recorder(*edit);
    form.txt.setText("old");
    form.txt.setText("new");
    form.txt.setBackColor(0x0000FF);
    form.Refresh();
    // No event loop in between: the refresh synced and painted.
    EXPECT_EQ(edit->text(), QStringLiteral("new"));
    EXPECT_EQ(edit->palette().color(QPalette::Base), QColor(255, 0, 0));
    EXPECT_EQ(recorder.painted, std::vector<QString>{QStringLiteral("new")});

    // The flush the changes posted has nothing left to do.
    const long synced = window.view.controlSyncs();
    QCoreApplication::processEvents();
    EXPECT_EQ(window.view.controlSyncs(), synced);
}

TEST_F(ViewSyncTest, RefreshPaintsNewSurfaceLinesAtOnce) {
    std::this_thread::sleep_for(window.view.frameInterval());
    PaintRecorder recorder(*window.view.canvas());
    form.surface.line(1500, 3000, 4500, 3000, 3, 0x0000FF);
    form.Refresh();
    EXPECT_EQ(recorder.painted.size(), 1u);
}

// A command refreshing far more often than the screen shows frames: the window repaints at
// most once a frame, each time the state of that moment, syncing the box only then, and the
// last state is painted once control returns to the event loop.
TEST_F(ViewSyncTest, ABurstOfRefreshesRepaintsOnceAFrameAndEndsWithTheLastState) {
    using Clock = std::chrono::steady_clock;
    PaintRecorder recorder(*edit);
    const long syncsBefore = window.view.controlSyncs();
    const auto frame = window.view.frameInterval();
    const Clock::time_point start = Clock::now();
    int last = 0;
    while (Clock::now() - start < 6 * frame) {
        form.txt.setText(std::to_string(++last));
        form.Refresh();
    }
    const auto elapsed = Clock::now() - start;
    const size_t duringBurst = recorder.painted.size();
    EXPECT_GE(duringBurst, 1u) << "no progress shown";
    EXPECT_LE(duringBurst, static_cast<size_t>(elapsed / frame) + 1) << "more repaints than frames";
    EXPECT_EQ(window.view.controlSyncs() - syncsBefore, static_cast<long>(duringBurst));
    EXPECT_LT(duringBurst, static_cast<size_t>(last));

    for (int pass = 0; pass < 3; ++pass) QCoreApplication::processEvents();
    ASSERT_FALSE(recorder.painted.empty());
    EXPECT_EQ(recorder.painted.back(), QString::number(last));
    // Each repaint showed the model of its moment: the numbers only rise.
    std::vector<int> shown;
    for (const QString& text : recorder.painted) shown.push_back(text.toInt());
    EXPECT_TRUE(std::is_sorted(shown.begin(), shown.end()));
    EXPECT_GE(shown.front(), 1);
}

TEST_F(ViewSyncTest, AHiddenWindowCatchesUpWhenItIsShown) {
    form.Hide();
    QCoreApplication::processEvents();
    ASSERT_FALSE(window.view.isVisible());

    const long before = window.view.controlSyncs();
    form.txt.setText("later");
    form.Refresh();  // nothing to paint on a hidden window
    QCoreApplication::processEvents();
    EXPECT_EQ(edit->text(), QString());
    EXPECT_EQ(window.view.controlSyncs(), before);

    form.Show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(window.view.isVisible());
    EXPECT_EQ(edit->text(), QStringLiteral("later"));
    EXPECT_EQ(window.view.controlSyncs(), before + 1);
}

TEST_F(ViewSyncTest, ASnapshotOfAHiddenWindowShowsTheModel) {
    form.Hide();
    form.setBackColor(0xFF0000);
    form.txt.setText("見本");
    QImage image = window.view.snapshot().toImage();
    EXPECT_EQ(edit->text(), QStringLiteral("見本"));
    // The client area's background, below the menu bar.
    EXPECT_EQ(image.pixelColor(image.width() - 5, image.height() - 5), QColor(0, 0, 255));
}

// A window created hidden gets its control widgets only when shown or asked for them, and
// then they show the model as it is by then.
TEST(ViewSyncLazyTest, AWindowCreatedHiddenBuildsItsWidgetsWhenShownOrAskedFor) {
    qttest::EnsureApplication();
    ui::FormRegistry registry;
    ui::qt::ViewManager views(registry);
    registry.add("frmLater", [] { return std::make_unique<qttest::TestForm>("frmLater"); });
    registry.add("frmAsked", [] { return std::make_unique<qttest::TestForm>("frmAsked"); });
    auto& later = static_cast<qttest::TestForm&>(registry.get("frmLater"));
    auto& asked = static_cast<qttest::TestForm&>(registry.get("frmAsked"));
    ui::qt::FormView& laterView = *views.viewOf(later);
    ui::qt::FormView& askedView = *views.viewOf(asked);
    later.txt.setText("shown");
    later.setCaption("後で");
    asked.txt.setText("asked");
    views.flush();
    QCoreApplication::processEvents();
    EXPECT_FALSE(laterView.built());
    EXPECT_FALSE(askedView.built());
    EXPECT_EQ(laterView.windowTitle(), QStringLiteral("後で"));  // the window's own properties are kept
    EXPECT_EQ(laterView.controlSyncs(), 0);

    auto* askedEdit = dynamic_cast<QLineEdit*>(askedView.widgetOf(asked.txt));
    ASSERT_NE(askedEdit, nullptr);
    EXPECT_TRUE(askedView.built());
    EXPECT_EQ(askedEdit->text(), QStringLiteral("asked"));
    EXPECT_FALSE(askedView.isVisible());

    later.Show();
    later.Refresh();  // shown and painted at once, widgets and all
    EXPECT_TRUE(laterView.built());
    EXPECT_TRUE(laterView.isVisible());
    ASSERT_NE(laterView.menuBar(), nullptr);
    auto* laterEdit = dynamic_cast<QLineEdit*>(laterView.widgetOf(later.txt));
    ASSERT_NE(laterEdit, nullptr);
    EXPECT_EQ(laterEdit->text(), QStringLiteral("shown"));
    EXPECT_TRUE(laterEdit->isVisible());
}

}  // namespace
