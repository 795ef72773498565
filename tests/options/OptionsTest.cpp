#include "ProgramFixture.h"

namespace {
struct Options : ProgramFixture {
    Options() { start(); }
    void pick(int picker, const std::string& name) {
        ASSERT_TRUE(ui::Pick(program.forms(), options().icIro(picker), name));
    }
};
}  // namespace

TEST_F(Options, PickersShowTheDefaultsAndStoreTheChosenColour) {
    auto& o = options();
    EXPECT_EQ(o.caption(), "モゼルオプション");
    EXPECT_EQ(o.icIro(0).text(), "赤");
    EXPECT_EQ(o.icIro(2).text(), "白");
    EXPECT_EQ(o.icIro(5).text(), "水色");
    EXPECT_EQ(o.icIro(3).items().size(), 7u);
    EXPECT_EQ(o.ImageList1.picture(6), 0xFF00FF);
    pick(2, "ピンク");
    EXPECT_EQ(cmn().IroMiketei, 0xFF00FF);
    pick(4, "青");
    EXPECT_EQ(cmn().IroAuto1, 0xFF0000);
    // Closing and reopening shows the default entry again; the colour stays.
    click(o.Command1);
    EXPECT_FALSE(program.forms().isLoaded("frmOption01"));
    EXPECT_EQ(options().icIro(2).text(), "白");
    EXPECT_EQ(cmn().IroMiketei, 0xFF00FF);
}

TEST_F(Options, UnknownPickerTextStandsForBlack) {
    options().icIro(0).setText("紫");
    options().icIro_Click(0);
    EXPECT_EQ(cmn().IroGaito, 0);
    EXPECT_EQ(options::IroOfName("黄緑"), 0x00FF00);
}

TEST_F(Options, DiagonalSwitchShowsTheControlsOfBoardAndGridOne) {
    click(options().chkTaikakusen);
    for (ui::Control* c : std::initializer_list<ui::Control*>{&main().cmdNaname01, &main().cmdNaname02,
                                                               &main().txtNaname01, &main().txtNaname02,
                                                               &grid1().cmdNaname01, &grid1().cmdNaname02,
                                                               &grid1().Text6, &grid1().Text7}) {
        EXPECT_TRUE(c->visible()) << c->path();
    }
    EXPECT_FALSE(grid2().cmdNaname01.visible());
    EXPECT_FALSE(grid2().Text7.visible());
    EXPECT_TRUE(grid1().NanameMode());
    click(options().chkTaikakusen);
    EXPECT_FALSE(main().cmdNaname01.visible());
    EXPECT_FALSE(grid1().Text6.visible());
}

TEST_F(Options, ScreenDisplaySwitchWritesTheGridLabel) {
    click(options().chkGlook);
    EXPECT_EQ(grid1().lblGamenHyouji.caption(), "NoRefresh");
    click(options().chkGlook);
    EXPECT_EQ(grid1().lblGamenHyouji.caption(), "Refresh");
}

TEST_F(Options, AutomaticLevelOneDrivesTheDigitJudgeButtons) {
    auto& g = grid1();
    options().chkAutoCheck1.setValue(0);
    EXPECT_EQ(g.lblAuto.caption(), "  ");
    EXPECT_EQ(options().Check2.value(), 0);
    for (int d = 1; d <= 9; ++d) {
        EXPECT_FALSE(g.btnSuujiHantei(d).visible());
        EXPECT_TRUE(g.suuji(d).visible());
    }
    EXPECT_FALSE(g.Command41(1).visible());
    options().chkAutoCheck1.setValue(1);
    EXPECT_EQ(g.lblAuto.caption(), "自動");
    EXPECT_TRUE(g.btnSuujiHantei(9).visible());
    EXPECT_TRUE(g.Command41(1).visible());
}

TEST_F(Options, AFreshWindowRebuildsItsSwitchesFromTheOtherWindows) {
    auto& g = grid1();
    // Start-up leaves automatic level 1 on but the judge buttons hidden.
    ASSERT_EQ(g.lblAuto.caption(), "自動");
    ASSERT_FALSE(g.btnSuujiHantei(1).visible());
    click(options().chkTaikakusen);
    click(options().chkGlook);  // off
    click(options().Command1);
    ASSERT_FALSE(program.forms().isLoaded("frmOption01"));
    auto& fresh = options();
    EXPECT_EQ(fresh.chkTaikakusen.value(), 1);
    EXPECT_EQ(fresh.chkGlook.value(), 0);
    EXPECT_EQ(fresh.chkAutoCheck1.value(), 1);
    EXPECT_EQ(fresh.Check2.value(), 1);          // through chkAutoCheck1's click
    EXPECT_TRUE(g.btnSuujiHantei(1).visible());
    EXPECT_EQ(fresh.chkEndGamen.value(), 0);

    // With lblAuto reading two blanks the level stays off.
    fresh.chkAutoCheck1.setValue(0);
    click(fresh.Command1);
    EXPECT_EQ(options().chkAutoCheck1.value(), 0);
    EXPECT_EQ(options().Check2.value(), 0);
}

TEST_F(Options, ShowingAnExistingWindowChangesNothing) {
    grid1().lblGamenHyouji.setCaption("NoRefresh");  // out of step with the switch
    click(main().cmdOpt01);
    EXPECT_EQ(options().chkGlook.value(), 1);
}

TEST_F(Options, ReadingASwitchCreatesTheWindowUnseen) {
    click(options().Command1);
    grid1().lblGamenHyouji.setCaption("Refresh");
    EXPECT_EQ(options().chkGlook.value(), 1);
    EXPECT_FALSE(options().visible());
}
