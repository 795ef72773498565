#include <gtest/gtest.h>

#include <stdexcept>

#include "TestForm.h"
#include "ui/Layout.h"

using namespace ui;

TEST(Layout, EachKindOfControlTakesItsCaptionBoundsAndFontSize) {
    TestForm form;
    const LayoutRow rows[] = {
        {&form.box, "12", 10, 20, 300, 400, 16},
        {&form.label, "難易度", 11, 21, 301, 401},
        {&form.check, "候補", 12, 22, 302, 402, 8},
        {&form.option(2), "空白", 13, 23, 303, 403},
        {&form.button, "戻る", 14, 24, 304, 404, 12},
        {&form.combo, "赤", 15, 25, 305, 405},
        {&form.spinner, "", 16, 26, 306, 406},
    };
    LayOut(rows);
    EXPECT_EQ(form.box.text(), "12");
    EXPECT_EQ(form.box.fontSize(), 16);
    EXPECT_EQ(form.label.caption(), "難易度");
    EXPECT_EQ(form.label.fontSize(), 9);  // no size in the row keeps the control's own
    EXPECT_EQ(form.check.caption(), "候補");
    EXPECT_EQ(form.check.fontSize(), 8);
    EXPECT_EQ(form.option(2).caption(), "空白");
    EXPECT_EQ(form.option(1).caption(), "");
    EXPECT_EQ(form.button.caption(), "戻る");
    EXPECT_EQ(form.combo.text(), "赤");
    for (const LayoutRow& row : rows) {
        SCOPED_TRACE(row.control->path());
        EXPECT_EQ(row.control->left(), row.left);
        EXPECT_EQ(row.control->top(), row.top);
        EXPECT_EQ(row.control->width(), row.width);
        EXPECT_EQ(row.control->height(), row.height);
    }
}

TEST(Layout, AnEmptyCaptionLeavesWhatTheControlShows) {
    TestForm form;
    form.box.setText("typed");
    form.label.setCaption("set elsewhere");
    int changes = 0;
    form.box.onChange = [&] { ++changes; };
    const LayoutRow rows[] = {{&form.box, "", 1, 2, 3, 4}, {&form.label, "", 5, 6, 7, 8}};
    LayOut(rows);
    EXPECT_EQ(form.box.text(), "typed");
    EXPECT_EQ(form.label.caption(), "set elsewhere");
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(form.label.left(), 5);
}

TEST(Layout, ACaptionOrSizeTheControlCannotShowIsAnError) {
    TestForm form;
    const LayoutRow spinnerCaption[] = {{&form.spinner, "1", 0, 0, 10, 10}};
    try {
        LayOut(spinnerCaption);
        FAIL() << "a spinner took a caption";
    } catch (const std::logic_error& e) {
        EXPECT_NE(std::string(e.what()).find("spinner"), std::string::npos) << e.what();
    }
    const LayoutRow surfaceCaption[] = {{&form.surface, "x", 0, 0, 10, 10}};
    EXPECT_THROW(LayOut(surfaceCaption), std::logic_error);
    const LayoutRow comboSize[] = {{&form.combo, "", 0, 0, 10, 10, 12}};
    EXPECT_THROW(LayOut(comboSize), std::logic_error);
}

TEST(Layout, BackColorReachesLabelsButtonsChecksAndBoxes) {
    TestForm form;
    SetBackColor({&form.label, &form.button, &form.check, &form.option(0), &form.box}, 0x80FF80);
    EXPECT_EQ(form.label.backColor(), 0x80FF80);
    EXPECT_EQ(form.button.backColor(), 0x80FF80);
    EXPECT_EQ(form.check.backColor(), 0x80FF80);
    EXPECT_EQ(form.option(0).backColor(), 0x80FF80);
    EXPECT_EQ(form.box.backColor(), 0x80FF80);
    EXPECT_NE(form.option(1).backColor(), 0x80FF80);
    EXPECT_THROW(SetBackColor({&form.spinner}, kWhite), std::logic_error);
}
