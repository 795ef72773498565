#include <gtest/gtest.h>

#include "TestForm.h"

using namespace ui;

TEST(Controls, ChangeFiresOnlyOnARealChange) {
    TestForm form;
    int changes = 0, signals = 0;
    form.box.onChange = [&] { ++changes; };
    form.box.changed.connect([&] { ++signals; });
    form.box.setText("5");
    form.box.setText("5");
    form.box.setText("");
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(signals, 2);

    int captionChanges = 0;
    form.label.onChange = [&] { ++captionChanges; };
    form.label.setCaption("0");
    form.label.setCaption("0");
    EXPECT_EQ(captionChanges, 1);
}

TEST(Controls, CheckBoxClickRunsAtOnceWhenCodeChangesTheValue) {
    TestForm form;
    std::vector<int> seen;
    form.check.onClick = [&] { seen.push_back(form.check.value()); };
    form.check.setValue(1);
    seen.push_back(100);  // the setting code goes on only after Click has run
    form.check.setValue(1);
    form.check.click();
    EXPECT_EQ(seen, (std::vector<int>{1, 100, 0}));
    EXPECT_THROW(form.check.setValue(3), PropertyError);
}

TEST(Controls, OptionButtonsOfOneGroupExcludeEachOther) {
    TestForm form;
    int clicks = 0;
    form.option(1).onClick = [&] { ++clicks; };
    form.option(0).setValue(true);
    form.option(1).click();
    EXPECT_FALSE(form.option(0).value());
    EXPECT_TRUE(form.option(1).value());
    EXPECT_FALSE(form.other.value());
    form.option(1).click();  // already selected: no second Click
    EXPECT_EQ(clicks, 1);

    // A button of another group is independent.
    form.other.setGroup("frame");
    form.other.setValue(true);
    EXPECT_TRUE(form.option(1).value());
}

TEST(Controls, GenericPropertiesBehaveLikeTheTypedSetters) {
    TestForm form;
    int changes = 0;
    form.box.onChange = [&] { ++changes; };
    form.box.setProperty("Text", std::string("7"));
    form.box.setProperty("Text", int64_t{7});
    EXPECT_EQ(changes, 1);
    form.box.setProperty("BackColor", int64_t{0x00FF00});
    EXPECT_EQ(form.box.backColor(), 0x00FF00);
    form.box.setProperty("Visible", false);
    EXPECT_EQ(form.box.property("Visible"), PropertyValue(false));
    EXPECT_EQ(form.box.property("Text"), PropertyValue(std::string("7")));
    EXPECT_THROW(form.box.property("Caption"), PropertyError);
    EXPECT_THROW(form.box.setProperty("Locked", std::string("maybe")), PropertyError);
    EXPECT_THROW(form.box.setProperty("Alignment", int64_t{5}), PropertyError);
    // Numbers beyond 32 bits are refused rather than wrapped; colours take either sign.
    EXPECT_THROW(form.box.setProperty("Left", int64_t{99999999999}), PropertyError);
    EXPECT_EQ(form.box.left(), 0);
    form.box.setProperty("BackColor", int64_t{0x8000000F});
    EXPECT_EQ(form.box.backColor(), kButtonFace);
    EXPECT_THROW(form.box.setProperty("BackColor", int64_t{0x100000000}), PropertyError);

    form.check.setProperty("Value", int64_t{1});
    EXPECT_EQ(form.check.value(), 1);
    EXPECT_EQ(form.findControl("option", 2), &form.option(2));
    EXPECT_EQ(form.findControl("option"), nullptr);
    EXPECT_EQ(form.option(2).path(), "option(2)");
}

TEST(Controls, ControlArrayRejectsIndexesOutsideItsBounds) {
    TestForm form;
    EXPECT_EQ(form.option.lower(), 0);
    EXPECT_EQ(form.option.upper(), 2);
    EXPECT_THROW(form.option(3), std::out_of_range);
    EXPECT_THROW(form.option(-1), std::out_of_range);
}

TEST(Controls, ImageComboPicksByNameAndSelectsSilentlyFromCode) {
    TestForm form;
    ImageList pictures{{0x0000FF, 0xFF0000}};
    form.combo.setImageList(&pictures);
    form.combo.addItem(1, "赤");
    form.combo.addItem(2, "青");
    int clicks = 0;
    form.combo.onClick = [&] { ++clicks; };
    form.combo.select(2);
    EXPECT_EQ(form.combo.text(), "青");
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(form.combo.pick("赤"));
    EXPECT_EQ(form.combo.selected(), 1);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(form.combo.pick("黒"));
    EXPECT_EQ(pictures.picture(2), 0xFF0000);
    EXPECT_EQ(pictures.picture(9), kBlack);
}

TEST(Controls, UpDownStepsItsBuddyWithinTheRange) {
    TestForm form;
    form.spinner.setMin(1);
    form.spinner.setMax(3);
    int ups = 0;
    form.spinner.onUpClick = [&] { ++ups; };
    form.box.setText("2");
    form.spinner.up();
    EXPECT_EQ(form.box.text(), "3");
    form.spinner.up();
    EXPECT_EQ(form.box.text(), "3");  // stays at the top, the event still fires
    EXPECT_EQ(ups, 2);
    form.box.setText("0");
    form.spinner.down();
    EXPECT_EQ(form.box.text(), "1");
    // The step starts from the number as it stands (text reads as 0); only its result is kept
    // in the range.
    form.box.setText("abc");
    form.spinner.up();
    EXPECT_EQ(form.box.text(), "1");
    form.box.setText("7");
    form.spinner.down();
    EXPECT_EQ(form.box.text(), "3");
}

TEST(Controls, SurfaceKeepsLinesInDrawingOrder) {
    TestForm form;
    int signals = 0;
    form.surface.changed.connect([&] { ++signals; });
    form.surface.line(0, 0, 10, 0, 3, kBlack);
    form.surface.line(0, 0, 10, 0, 4, kWhite);
    ASSERT_EQ(form.surface.lines().size(), 2u);
    EXPECT_EQ(form.surface.lines()[1].color, kWhite);
    form.surface.clear();
    form.surface.clear();
    EXPECT_TRUE(form.surface.lines().empty());
    EXPECT_EQ(signals, 3);
}
