#include <gtest/gtest.h>

#include "TestForm.h"
#include "ui/FormRegistry.h"
#include "ui/HeadlessServices.h"
#include "ui/UserInput.h"

using namespace ui;

namespace {
struct Fixture : ::testing::Test {
    Fixture() {
        registry.add("frmTest", [] { return std::make_unique<TestForm>(); });
        form = &static_cast<TestForm&>(registry.get("frmTest"));
    }
    FormRegistry registry;
    TestForm* form;
};
}  // namespace

TEST_F(Fixture, TypedKeysGoThroughKeyPressFirst) {
    std::vector<int> keys;
    form->box.onKeyPress = [&](int& key) {
        keys.push_back(key);
        if (key == 'a') key = 0;
        if (key == 'x') key = 'y';
    };
    TypeText(registry, form->box, "1a2x");
    EXPECT_EQ(form->box.text(), "12y");
    EXPECT_EQ(keys, (std::vector<int>{'1', 'a', '2', 'x'}));
    TypeText(registry, form->box, "\b");
    EXPECT_EQ(form->box.text(), "12");
    EXPECT_TRUE(TypeKey(registry, form->box, 12));  // a control key edits nothing
    EXPECT_EQ(form->box.text(), "12");
}

TEST_F(Fixture, LockedBoxTakesKeyPressButNoEdit) {
    int presses = 0;
    form->box.onKeyPress = [&](int&) { ++presses; };
    form->box.setLocked(true);
    TypeText(registry, form->box, "5");
    EXPECT_EQ(presses, 1);
    EXPECT_EQ(form->box.text(), "");
}

TEST_F(Fixture, MultiByteCharactersAreTypedAndDeletedWhole) {
    TypeText(registry, form->box, "数字");
    EXPECT_EQ(form->box.text(), "数字");
    TypeText(registry, form->box, "\b");
    EXPECT_EQ(form->box.text(), "数");
}

TEST_F(Fixture, ClickMouseAndCloseReachTheModel) {
    int clicks = 0, mouse = 0;
    form->button.onClick = [&] { ++clicks; };
    form->box.onMouseDown = [&](int button, int, int, int) { mouse = button; };
    Click(registry, form->button);
    MouseDown(registry, form->box, kRightButton);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(mouse, kRightButton);
    EXPECT_THROW(Click(registry, form->box), PropertyError);
    CloseWindow(registry, *form);
    EXPECT_FALSE(registry.isLoaded("frmTest"));
}

TEST(HeadlessServices, RecordsInOrderAndAnswersFromQueues) {
    HeadlessServices services;
    std::vector<Recorded::Kind> heard;
    services.onRecord = [&](const Recorded& r) { heard.push_back(r.kind); };
    services.MsgBox("一", MsgIcon::Information);
    services.Beep();
    services.PrintText({"a", "b"});
    EXPECT_EQ(services.messages(), (std::vector<std::string>{"一"}));
    EXPECT_EQ(services.beeps(), 1);
    EXPECT_EQ(heard.size(), 3u);
    EXPECT_EQ(services.records()[2].lines, (std::vector<std::string>{"a", "b"}));

    EXPECT_EQ(services.OpenFile("x", ""), std::nullopt);
    services.queueOpen(std::string("/tmp/a.txt"));
    services.queueOpen(std::nullopt);
    EXPECT_EQ(services.OpenFile("x", ""), "/tmp/a.txt");
    EXPECT_EQ(services.OpenFile("x", ""), std::nullopt);
    services.queuePrinter(true);
    EXPECT_TRUE(services.PrinterDialog());
    EXPECT_FALSE(services.PrinterDialog());
}

TEST(HeadlessServices, RandomNumbersRepeatForTheSameClock) {
    HeadlessServices a, b;
    a.setTimer(1234.5);
    b.setTimer(1234.5);
    a.Randomize();
    b.Randomize();
    for (int i = 0; i < 5; ++i) {
        double x = a.Rnd();
        EXPECT_EQ(x, b.Rnd());
        EXPECT_GE(x, 0.0);
        EXPECT_LT(x, 1.0);
    }
}
