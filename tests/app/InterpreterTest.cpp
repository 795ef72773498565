// The interpreter against a real program: the main window as the program builds it, and a probe
// window registered like any later window, which shows that the runner knows no window by name.
#include <gtest/gtest.h>

#include <sstream>

#include "app/run/OutputLines.h"
#include "app/run/ScriptRunner.h"
#include "program/Program.h"
#include "ui/Buttons.h"
#include "ui/ControlArray.h"
#include "ui/Form.h"
#include "ui/HeadlessServices.h"
#include "ui/ImageCombo.h"
#include "ui/Label.h"
#include "ui/TextBox.h"
#include "ui/UpDown.h"

using namespace runner;

namespace {

// Every event writes what it saw into `log`, so that a script can read it back.
struct frmProbe : ui::Form {
    explicit frmProbe(ui::Dialogs& dialogs) : ui::Form("frmProbe") {
        setCaption("Probe");
        spinner.setBuddy(&count);
        spinner.setMax(2);
        combo.addItem(1, "赤");
        combo.addItem(2, "青");
        box.onKeyPress = [this](int& key) {
            note("key" + std::to_string(key));
            if (key == 'x') key = 0;
        };
        box.onChange = [this] { note("change:" + box.text()); };
        box.onMouseDown = [this](int button, int, int, int) { note("mouse" + std::to_string(button)); };
        combo.onClick = [this] { note("pick:" + combo.text()); };
        spinner.onUpClick = [this] { note("up"); };
        option(1).onClick = [this] { note("option1"); };
        addOperation("Add", 2, [](const std::vector<int64_t>& a) { return std::vector<int64_t>{a[0] + a[1]}; });
        addOperation("Nothing", [] {});
        addOperation("Warn", [this, &dialogs] {
            dialogs.MsgBox("気をつけて", ui::MsgIcon::Exclamation);
            dialogs.Beep();
        });
        addOperation("AskFile", [this, &dialogs] { note(dialogs.OpenFile("", "").value_or("cancelled")); });
        addOperation("AskPrinter", [this, &dialogs] { note(dialogs.PrinterDialog() ? "print" : "no print"); });
        // Unloads its own window and goes on using it: the window must outlive the call.
        addOperation("UnloadSelf", [this] {
            Unload();
            note("still here");
        });
    }
    void note(const std::string& text) { log.setCaption(log.caption() + text + ";"); }

    ui::Label log{*this, "log"};
    ui::TextBox box{*this, "box"};
    ui::TextBox count{*this, "count"};
    ui::UpDown spinner{*this, "spinner"};
    ui::ImageCombo combo{*this, "combo"};
    ui::ControlArray<ui::OptionButton> option{*this, "option", 0, 1};
    ui::CommandButton ok{*this, "ok"};
};

struct Result {
    std::vector<std::string> lines;
    int status;
};

class ScriptInterpreter : public ::testing::Test {
protected:
    ScriptInterpreter() {
        program.forms().add("frmProbe", [this] { return std::make_unique<frmProbe>(services); });
    }

    Result run(const std::string& script) {
        std::istringstream in(script);
        std::ostringstream out;
        ScriptRunner runner(program, services, out);
        Result result{{}, runner.run(in)};
        std::istringstream lines(out.str());
        for (std::string line; std::getline(lines, line);) result.lines.push_back(line);
        return result;
    }

    ui::HeadlessServices services;
    program::Program program{services.services()};
};

using Lines = std::vector<std::string>;

}  // namespace

TEST_F(ScriptInterpreter, StartsThePatternSwitchAndReadsBack) {
    Result r = run(
        "# the first pattern after start-up\n"
        "start\n"
        "\n"
        "click frmAllGamen.cmdPattern\n"
        "get frmAllGamen.lblMasuSuu.Caption\n"
        "get cmnMod01.PatternNo\n"
        "get frmAllGamen.text1(0).Visible\n"
        "get frmAllGamen.Caption\n"
        "call frmAllGamen.lblMasuSuu_CountSet\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.lines, (Lines{"{\"get\":\"frmAllGamen.lblMasuSuu.Caption\",\"value\":\"108\"}",
                              "{\"get\":\"cmnMod01.PatternNo\",\"value\":1}",
                              "{\"get\":\"frmAllGamen.text1(0).Visible\",\"value\":false}",
                              "{\"get\":\"frmAllGamen.Caption\",\"value\":\"モゼルダブル\"}",
                              "{\"call\":\"frmAllGamen.lblMasuSuu_CountSet\",\"out\":[108]}"}));
}

TEST_F(ScriptInterpreter, LoadedNeverCreatesAWindowButAnyOtherReferenceDoes) {
    Result r = run(
        "get frmProbe.Loaded\n"
        "get frmProbe.Caption\n"
        "get frmProbe.Loaded\n"
        "close frmProbe\n"
        "get frmProbe.Loaded\n");
    EXPECT_EQ(r.lines, (Lines{"{\"get\":\"frmProbe.Loaded\",\"value\":false}",
                              "{\"get\":\"frmProbe.Caption\",\"value\":\"Probe\"}",
                              "{\"get\":\"frmProbe.Loaded\",\"value\":true}",
                              "{\"get\":\"frmProbe.Loaded\",\"value\":false}"}));
    EXPECT_FALSE(program.forms().isLoaded("frmAllGamen"));
}

TEST_F(ScriptInterpreter, UserActionsFireTheirEvents) {
    Result r = run(
        "key frmProbe.box \"1x2\\b\\n\"\n"
        "mouse frmProbe.box right\n"
        "pick frmProbe.combo \"青\"\n"
        "up frmProbe.spinner\n"
        "up frmProbe.spinner\n"
        "up frmProbe.spinner\n"
        "click frmProbe.option(1)\n"
        "get frmProbe.log.Caption\n"
        "get frmProbe.count.Text\n"
        "get frmProbe.box.Text\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.lines, (Lines{"{\"get\":\"frmProbe.log.Caption\",\"value\":\"key49;change:1;key120;key50;change:12;"
                              "key8;change:1;key13;mouse2;pick:青;up;up;up;option1;\"}",
                              "{\"get\":\"frmProbe.count.Text\",\"value\":\"2\"}",
                              "{\"get\":\"frmProbe.box.Text\",\"value\":\"1\"}"}));
}

TEST_F(ScriptInterpreter, SetAssignsAsCodeWould) {
    Result r = run(
        "set frmProbe.box.Text \"abc\"\n"
        "set frmProbe.box.Text \"abc\"\n"
        "set frmProbe.box.Locked 1\n"
        "set frmProbe.Left &H10\n"
        "set cmnMod01.KouhoTbl(81,9) -1\n"
        "set cmnMod01.IroName(2) \"赤\"\n"
        "get frmProbe.log.Caption\n"
        "get frmProbe.box.Locked\n"
        "get frmProbe.Left\n"
        "get cmnMod01.KouhoTbl(81,9)\n"
        "get cmnMod01.IroName(2)\n");
    EXPECT_EQ(r.lines, (Lines{"{\"get\":\"frmProbe.log.Caption\",\"value\":\"change:abc;\"}",
                              "{\"get\":\"frmProbe.box.Locked\",\"value\":true}",
                              "{\"get\":\"frmProbe.Left\",\"value\":16}",
                              "{\"get\":\"cmnMod01.KouhoTbl(81,9)\",\"value\":-1}",
                              "{\"get\":\"cmnMod01.IroName(2)\",\"value\":\"赤\"}"}));
}

TEST_F(ScriptInterpreter, CallsPrintOnlyByReferenceResultsAndMessagesInOrder) {
    Result r = run(
        "call frmProbe.Nothing\n"
        "call frmProbe.Add 40 2\n"
        "get frmProbe.ok.Caption\n"
        "call frmProbe.Warn\n"
        "get frmProbe.ok.Caption\n");
    EXPECT_EQ(r.lines, (Lines{"{\"call\":\"frmProbe.Add\",\"out\":[42]}",
                              "{\"get\":\"frmProbe.ok.Caption\",\"value\":\"\"}",
                              "{\"msgbox\":\"気をつけて\",\"icon\":\"exclamation\"}",
                              "{\"beep\":true}",
                              "{\"get\":\"frmProbe.ok.Caption\",\"value\":\"\"}"}));
}

TEST_F(ScriptInterpreter, QueuedAnswersReachTheDialogs) {
    Result r = run(
        "answer open \"/data/q.dat\"\n"
        "answer open cancel\n"
        "answer print ok\n"
        "call frmProbe.AskFile\n"
        "call frmProbe.AskFile\n"
        "call frmProbe.AskFile\n"
        "call frmProbe.AskPrinter\n"
        "call frmProbe.AskPrinter\n"
        "get frmProbe.log.Caption\n");
    EXPECT_EQ(r.lines,
              (Lines{"{\"get\":\"frmProbe.log.Caption\",\"value\":\"/data/q.dat;cancelled;cancelled;print;no print;\"}"}));
}

TEST_F(ScriptInterpreter, AWindowUnloadedByACallGoesOnlyAfterIt) {
    int destroyed = 0;
    program.forms().formDestroyed.connect([&](ui::Form&) { ++destroyed; });
    run("call frmProbe.UnloadSelf\n");
    EXPECT_EQ(destroyed, 1);  // once the line has run, not later
    Result r = run("get frmProbe.Loaded\nget frmProbe.log.Caption\n");
    // The fresh window has a fresh log.
    EXPECT_EQ(r.lines, (Lines{"{\"get\":\"frmProbe.Loaded\",\"value\":false}",
                              "{\"get\":\"frmProbe.log.Caption\",\"value\":\"\"}"}));
}

TEST_F(ScriptInterpreter, TheProgramsEndStopsTheScript) {
    Result r = run("start\nclick frmAllGamen.cmdEnd\nget frmProbe.Caption\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.lines, (Lines{"{\"end\":true}"}));

}

TEST_F(ScriptInterpreter, AnotherCopyRunningEndsAtStart) {
    Result r = run("instance-running\nstart\nget frmAllGamen.Loaded\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.lines, (Lines{"{\"msgbox\":\"ごめんなさいね、今、いそがしいの。ペッタより\",\"icon\":\"none\"}",
                              "{\"end\":true}"}));
}

TEST_F(ScriptInterpreter, AFailingLineStopsWithItsLineNumber) {
    struct Case {
        const char* line;
        const char* error;
    };
    for (const Case& c : std::initializer_list<Case>{
             {"get frmNone.Caption", "no window named frmNone"},
             {"click frmProbe.nothing", "frmProbe has no control nothing"},
             {"click frmProbe.option", "frmProbe.option is a control array: give an index, frmProbe.option(0..1)"},
             {"click frmProbe.option(2)", "index 2 outside frmProbe.option(0..1)"},
             {"click frmProbe.ok(0)", "frmProbe.ok is not a control array"},
             {"key frmProbe.ok \"1\"", "frmProbe.ok is a CommandButton, not a TextBox"},
             {"up frmProbe.box", "frmProbe.box is a TextBox, not an UpDown"},
             {"pick frmProbe.combo \"緑\"", "frmProbe.combo has no entry \"緑\""},
             {"click frmProbe.log", "Label log cannot be clicked"},
             {"get frmProbe.box.Colour", "TextBox box has no property Colour"},
             {"set frmProbe.box.Locked \"perhaps\"", "not a true/false value: \"perhaps\""},
             {"set frmProbe.Loaded false", "frmProbe.Loaded can only be read"},
             {"call frmProbe.Missing", "frmProbe has no operation Missing"},
             {"call frmProbe.Add 1", "frmProbe.Add takes 2 argument(s), got 1"},
             {"get cmnMod01.Nothing", "cmnMod01 has no variable Nothing"},
             {"get cmnMod01.KouhoTbl(82,1)", "KouhoTbl index 82 outside 0..81"},
             {"get cmnMod01.KouhoTbl(1)", "KouhoTbl takes 2 index(es)"},
             {"set cmnMod01.PatternNo 40000", "PatternNo is a 16-bit integer; 40000 is out of range"},
             {"frobnicate", "unknown command \"frobnicate\""},
         }) {
        Result r = run(std::string("# comment\n\nget frmProbe.Caption\n") + c.line + "\nget frmProbe.Caption\n");
        EXPECT_EQ(r.status, kScriptFailed) << c.line;
        EXPECT_EQ(r.lines, (Lines{"{\"get\":\"frmProbe.Caption\",\"value\":\"Probe\"}",
                                  ErrorLine(c.error, 4)}))
            << c.line;
    }
}

TEST_F(ScriptInterpreter, MessagesOfAFailingLineComeBeforeItsError) {
    Result r = run("call frmProbe.Warn\nset frmProbe.combo.SelectedItem 3\n");
    EXPECT_EQ(r.status, kScriptFailed);
    EXPECT_EQ(r.lines, (Lines{"{\"msgbox\":\"気をつけて\",\"icon\":\"exclamation\"}", "{\"beep\":true}",
                              "{\"error\":\"combo has no entry 3\",\"line\":2}"}));
}

TEST_F(ScriptInterpreter, DumpListsEveryControlOfTheWindow) {
    Result r = run("set frmProbe.count.Text \"1\"\ndump frmProbe\n");
    ASSERT_EQ(r.lines.size(), 1u);
    const std::string& dump = r.lines[0];
    EXPECT_TRUE(dump.starts_with("{\"dump\":\"frmProbe\",\"controls\":[{\"name\":\"log\",\"type\":\"Label\","));
    EXPECT_NE(dump.find("{\"name\":\"count\",\"type\":\"TextBox\",\"Visible\":true,\"Enabled\":true,\"Left\":0,"
                        "\"Top\":0,\"Width\":1200,\"Height\":375,\"Text\":\"1\","),
              std::string::npos);
    EXPECT_NE(dump.find("{\"name\":\"option\",\"index\":1,\"type\":\"OptionButton\""), std::string::npos);
    EXPECT_NE(dump.find("\"type\":\"UpDown\",\"Visible\":true,\"Enabled\":true,\"Left\":0,\"Top\":0,\"Width\":1200,"
                        "\"Height\":375,\"Min\":0,\"Max\":2}"),
              std::string::npos);
    EXPECT_TRUE(dump.ends_with("}]}"));
}
