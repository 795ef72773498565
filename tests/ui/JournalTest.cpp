// The journal: one step per user event, undo and redo without events, state blocks, and
// windows that a step unloads or creates.
#include <gtest/gtest.h>

#include "TestForm.h"
#include "ui/FormRegistry.h"
#include "ui/StateBytes.h"
#include "ui/UserInput.h"

using namespace ui;

namespace {

// A window with a variable of its own kept as a state block, and events that count.
struct CountingForm : TestForm {
    explicit CountingForm(std::string name = "frmTest", bool restores = false) : TestForm(std::move(name)) {
        setUndoRestoresWindow(restores);
        box.onChange = [this] { ++changes; };
        check.onClick = [this] { ++clicks; };
        addState({"level", [this] { return (StateWriter() << level).take(); },
                  [this](std::string_view bytes) { StateReader(bytes) >> level; }});
    }
    void Form_Load() override { box.setText("loaded"); }
    int changes = 0;
    int clicks = 0;
    int level = 0;
};

struct Journaled : ::testing::Test {
    Journaled() {
        registry.add("frmTest", [] { return std::make_unique<CountingForm>(); });
        registry.add("frmSlots", [] { return std::make_unique<CountingForm>("frmSlots", true); });
        registry.journal().setEnabled(true);
    }
    CountingForm& form(const std::string& name = "frmTest") { return static_cast<CountingForm&>(registry.get(name)); }
    // One user event running the action.
    void event(const std::function<void()>& action) {
        FormRegistry::EventScope scope(registry);
        action();
    }
    Journal& journal() { return registry.journal(); }
    FormRegistry registry;
};

}  // namespace

TEST_F(Journaled, AnEventIsOneStepUndoneAndRedoneWithoutEvents) {
    CountingForm& f = form();
    event([&] {
        f.box.setText("12");
        f.box.setBackColor(0x0000FF);
        f.check.setValue(1);
        f.option(1).setValue(true);
        f.surface.line(0, 0, 10, 10, 2, kBlack);
        f.label.setCaption("数");
    });
    ASSERT_EQ(journal().steps(), 1u);
    const int changes = f.changes, clicks = f.clicks;
    journal().undo();
    EXPECT_EQ(f.box.text(), "loaded");
    EXPECT_EQ(f.box.backColor(), kWhite);
    EXPECT_EQ(f.check.value(), 0);
    EXPECT_FALSE(f.option(1).value());
    EXPECT_TRUE(f.surface.lines().empty());
    EXPECT_EQ(f.label.caption(), "");
    EXPECT_EQ(f.changes, changes) << "no Change fires on undo";
    EXPECT_EQ(f.clicks, clicks) << "no Click fires on undo";
    EXPECT_FALSE(journal().canUndo());
    ASSERT_TRUE(journal().canRedo());
    journal().redo();
    EXPECT_EQ(f.box.text(), "12");
    EXPECT_EQ(f.check.value(), 1);
    EXPECT_TRUE(f.option(1).value());
    EXPECT_EQ(f.surface.lines().size(), 1u);
    EXPECT_EQ(f.label.caption(), "数");
    EXPECT_EQ(f.changes, changes);
}

TEST_F(Journaled, OnlyNetChangesMakeAStepAndANewStepDropsTheRedo) {
    CountingForm& f = form();
    event([&] {
        f.box.setBackColor(0x00FF00);
        f.box.setBackColor(kWhite);
    });
    event([] {});
    EXPECT_EQ(journal().steps(), 0u);
    event([&] { f.box.setText("1"); });
    event([&] { f.box.setText("2"); });
    journal().undo();
    EXPECT_EQ(f.box.text(), "1");
    event([&] { f.box.setText("3"); });
    EXPECT_FALSE(journal().canRedo());
    journal().undo();
    journal().undo();
    EXPECT_EQ(f.box.text(), "loaded");
}

TEST_F(Journaled, StartUpAndControlsOutsideThePuzzleAreNoSteps) {
    CountingForm& f = form();  // its load step set the text
    EXPECT_EQ(journal().steps(), 0u);
    f.button.setJournaled(false);
    event([&] { f.button.setEnabled(false); });
    EXPECT_EQ(journal().steps(), 0u);
    journal().setEnabled(false);
    event([&] { f.box.setText("x"); });
    EXPECT_EQ(journal().steps(), 0u);
}

TEST_F(Journaled, StateBlocksGoBackWithTheirStep) {
    CountingForm& f = form();
    event([&] {
        f.level = 7;
        f.box.setText("7");
    });
    journal().undo();
    EXPECT_EQ(f.level, 0);
    journal().redo();
    EXPECT_EQ(f.level, 7);
}

TEST_F(Journaled, UndoAskedForInsideAnEventRecordsNothingOfThatEvent) {
    CountingForm& f = form();
    event([&] { f.box.setText("1"); });
    f.button.onClick = [&] { journal().undo(); };
    Click(registry, f.button);
    EXPECT_EQ(f.box.text(), "loaded");
    EXPECT_FALSE(journal().canUndo());
    EXPECT_TRUE(journal().canRedo());
}

// A window whose contents belong to the puzzle comes back with them when the step that
// unloaded it is undone, and goes again on redo; one a step created goes on undo.
TEST_F(Journaled, AWindowAStepUnloadsOrCreatesFollowsTheStep) {
    event([&] {
        CountingForm& slots = form("frmSlots");
        slots.box.setText("contents");
        slots.level = 3;
    });
    ASSERT_EQ(journal().steps(), 1u);
    event([&] {
        form("frmSlots").box.setText("changed");
        registry.unload("frmSlots");
    });
    EXPECT_FALSE(registry.isLoaded("frmSlots"));
    journal().undo();
    ASSERT_TRUE(registry.isLoaded("frmSlots"));
    EXPECT_EQ(form("frmSlots").box.text(), "contents");
    EXPECT_EQ(form("frmSlots").level, 3);
    journal().redo();
    EXPECT_FALSE(registry.isLoaded("frmSlots"));
    journal().undo();
    journal().undo();
    EXPECT_FALSE(registry.isLoaded("frmSlots")) << "the step that created it is undone";
    journal().redo();
    ASSERT_TRUE(registry.isLoaded("frmSlots"));
    EXPECT_EQ(form("frmSlots").box.text(), "contents");
}

// A window whose state is made anew whenever it opens: once closed, the steps leave the next
// one alone, and undo then redo still give back what was there.
TEST_F(Journaled, StepsOfAClosedWindowLeaveItsNextOpeningAlone) {
    event([&] { form().box.setText("first"); });
    event([&] { registry.unload("frmTest"); });
    EXPECT_EQ(journal().steps(), 1u) << "closing such a window is no step";
    CountingForm& again = form();
    event([&] { again.box.setText("second"); });
    journal().undo();
    EXPECT_EQ(again.box.text(), "loaded");
    journal().undo();
    EXPECT_EQ(again.box.text(), "loaded");
    journal().redo();
    journal().redo();
    EXPECT_EQ(again.box.text(), "second");
}

TEST_F(Journaled, TheDepthIsBounded) {
    journal().setDepth(3);
    CountingForm& f = form();
    for (int i = 1; i <= 5; ++i) event([&] { f.box.setText(std::to_string(i)); });
    EXPECT_EQ(journal().steps(), 3u);
    while (journal().canUndo()) journal().undo();
    EXPECT_EQ(f.box.text(), "2");
}
