#include <gtest/gtest.h>

#include "app/run/ScriptError.h"
#include "app/run/ScriptParser.h"
#include "app/run/ScriptTokenizer.h"

using namespace runner;

namespace {

template <typename T>
T Parse(std::string_view line) {
    auto command = ParseLine(line);
    EXPECT_TRUE(command.has_value()) << line;
    EXPECT_TRUE(command && std::holds_alternative<T>(*command)) << line;
    return command && std::holds_alternative<T>(*command) ? std::get<T>(*command) : T{};
}

}  // namespace

TEST(ScriptTokenizer, SplitsWordsAndStringsWithEscapes) {
    using K = Token::Kind;
    EXPECT_EQ(Tokenize("  key\tf.c  \"a\\\"b\\\\c\\nd\\b\" "),
              (std::vector<Token>{{K::Word, "key"}, {K::Word, "f.c"}, {K::String, "a\"b\\c\nd\b"}}));
    EXPECT_EQ(Tokenize("\"\""), (std::vector<Token>{{K::String, ""}}));
    // Blanks inside parentheses stay in the word; a trailing carriage return is a blank.
    EXPECT_EQ(Tokenize("get cmnMod01.GridMasu(8, 1, 55)\r"),
              (std::vector<Token>{{K::Word, "get"}, {K::Word, "cmnMod01.GridMasu(8, 1, 55)"}}));
    // Non-ASCII text passes through untouched.
    EXPECT_EQ(Tokenize("pick a.b \"赤\"")[2].text, "赤");

    EXPECT_THROW(Tokenize("key a.b \"open"), ScriptError);
    EXPECT_THROW(Tokenize("key a.b \"ends in \\"), ScriptError);
    EXPECT_THROW(Tokenize("key a.b \"\\t\""), ScriptError);
    EXPECT_THROW(Tokenize("key a.b\"x\""), ScriptError);
    EXPECT_THROW(Tokenize("key a.b \"x\"y"), ScriptError);
}

TEST(ScriptParser, BlankAndCommentLinesAreNoCommands) {
    EXPECT_FALSE(ParseLine(""));
    EXPECT_FALSE(ParseLine("   \t\r"));
    EXPECT_FALSE(ParseLine("# click frmAllGamen.cmdEnd"));
    EXPECT_FALSE(ParseLine("   #indented"));
}

TEST(ScriptParser, IntegersInDecimalAndHex) {
    EXPECT_EQ(ParseInteger("0"), 0);
    EXPECT_EQ(ParseInteger("-42"), -42);
    EXPECT_EQ(ParseInteger("&HFF"), 255);
    EXPECT_EQ(ParseInteger("&h8000000F"), 0x8000000FLL);
    EXPECT_EQ(ParseInteger("-&H10"), -16);
    EXPECT_EQ(ParseInteger("9223372036854775807"), INT64_MAX);
    for (const char* bad : {"", "-", "+1", "--1", "1-", "12a", "0x10", "&H", "&H123456789", "&HFG", "1.5",
                            "9223372036854775808", "99999999999999999999"}) {
        EXPECT_FALSE(ParseInteger(bad)) << bad;
    }
}

TEST(ScriptParser, ControlTargetsWithAndWithoutIndex) {
    EXPECT_EQ(Parse<Click>("click frmAllGamen.cmdEnd").target, (ControlRef{"frmAllGamen", "cmdEnd", -1}));
    EXPECT_EQ(Parse<Click>("click frmAllGamen.SUUJI1(0)").target, (ControlRef{"frmAllGamen", "SUUJI1", 0}));
    EXPECT_EQ(Parse<Spin>("down f.spin( &H1F )").target.index, 31);
    EXPECT_FALSE(Parse<Spin>("down f.spin").up);

    Key key = Parse<Key>("key frmAllGamen.text1(5) \"12\\b\"");
    EXPECT_EQ(key.target, (ControlRef{"frmAllGamen", "text1", 5}));
    EXPECT_EQ(key.text, "12\b");
    EXPECT_EQ(Parse<Pick>("pick f.combo \"Red\"").entry, "Red");
    EXPECT_EQ(Parse<Mouse>("mouse f.t(3)").button, 1);
    EXPECT_EQ(Parse<Mouse>("mouse f.t(3) right").button, 2);
    EXPECT_EQ(Parse<Mouse>("mouse f.t(3) middle").button, 4);
    EXPECT_EQ(Parse<Close>("close frmKouho").form, "frmKouho");
    EXPECT_EQ(Parse<Dump>("dump frmKouho").form, "frmKouho");
}

TEST(ScriptParser, PropertyReferencesOfWindowsControlsAndTheSharedModule) {
    PropertyRef window = Parse<Get>("get frmAllGamen.Caption").ref;
    EXPECT_EQ(window.kind, PropertyRef::Kind::Window);
    EXPECT_EQ(window.form, "frmAllGamen");
    EXPECT_EQ(window.name, "Caption");

    PropertyRef control = Parse<Get>("get frmAllGamen.text1(5).Text").ref;
    EXPECT_EQ(control.kind, PropertyRef::Kind::Control);
    EXPECT_EQ(control.control, (ControlRef{"frmAllGamen", "text1", 5}));
    EXPECT_EQ(control.name, "Text");
    EXPECT_EQ(control.written, "frmAllGamen.text1(5).Text");

    PropertyRef shared = Parse<Get>("get cmnMod01.KouhoTbl(3, 5)").ref;
    EXPECT_EQ(shared.kind, PropertyRef::Kind::Shared);
    EXPECT_EQ(shared.name, "KouhoTbl");
    EXPECT_EQ(shared.indexes, (std::vector<int>{3, 5}));
    EXPECT_EQ(shared.written, "cmnMod01.KouhoTbl(3, 5)");
    EXPECT_TRUE(Parse<Get>("get cmnMod01.PatternNo").ref.indexes.empty());
    EXPECT_EQ(Parse<Get>("get cmnMod01.GridMasu(8,1,55)").ref.indexes, (std::vector<int>{8, 1, 55}));
}

TEST(ScriptParser, SetValuesAnswersAndCalls) {
    EXPECT_EQ(Parse<Set>("set f.t.Text \"7\"").value, ui::PropertyValue(std::string("7")));
    EXPECT_EQ(Parse<Set>("set f.t.Left -120").value, ui::PropertyValue(int64_t{-120}));
    EXPECT_EQ(Parse<Set>("set f.t.BackColor &HFFFF").value, ui::PropertyValue(int64_t{0xFFFF}));
    EXPECT_EQ(Parse<Set>("set f.t.Visible false").value, ui::PropertyValue(false));
    EXPECT_EQ(Parse<Set>("set cmnMod01.PatternNo True").value, ui::PropertyValue(true));

    EXPECT_EQ(Parse<AnswerOpen>("answer open \"/tmp/a b.dat\"").path, "/tmp/a b.dat");
    EXPECT_EQ(Parse<AnswerOpen>("answer open cancel").path, std::nullopt);
    EXPECT_EQ(Parse<AnswerOpen>("answer open \"cancel\"").path, "cancel");
    EXPECT_TRUE(Parse<AnswerPrint>("answer print ok").ok);
    EXPECT_FALSE(Parse<AnswerPrint>("answer print cancel").ok);

    Call call = Parse<Call>("call frmMozelAuto.GaitoSpace 3 -1 &H10");
    EXPECT_EQ(call.form, "frmMozelAuto");
    EXPECT_EQ(call.operation, "GaitoSpace");
    EXPECT_EQ(call.args, (std::vector<int64_t>{3, -1, 16}));
    EXPECT_TRUE(Parse<Call>("call frmAllGamen.PLine").args.empty());
    Parse<InstanceRunning>("instance-running");
    Parse<Start>("start");
}

TEST(ScriptParser, MalformedLinesAreRejected) {
    for (const char* bad : {
             "launch",                              // unknown command
             "\"start\"",                           // a string is no command
             "Start",                               // commands are lower case
             "start now",                           // too many arguments
             "click",                               // too few
             "click frmAllGamen",                   // no control
             "click frmAllGamen.cmdEnd.Caption",    // a property where a control belongs
             "click frmAllGamen(1).cmdEnd",         // a window has no index
             "click frmAllGamen.text1(1,2)",        // one index for a control
             "click frmAllGamen.text1(-1)",         // negative index
             "click frmAllGamen.text1()",           // empty index
             "click frmAllGamen.text1(x)",          // not a number
             "click frmAllGamen.text1(5",           // unclosed
             "click frmAllGamen.text1(99999999999)",  // beyond int
             "click 1frm.cmd",                      // not a name
             "click frm..cmd",                      // empty name
             "click frm.cmd # trailing comment",    // comments take whole lines
             "key frm.box abc",                     // text must be quoted
             "pick frm.combo",                      // no entry
             "mouse frm.box up",                    // no such button
             "close frm.cmd",                       // a window, not a control
             "dump",                                // no window
             "get frmAllGamen",                     // no property
             "get frmAllGamen.Caption(1)",          // a property has no index
             "get a.b.c.d",                         // too deep
             "get cmnMod01.GridMasu(1,2,3,4)",      // at most three indexes
             "get cmnMod01(1).PatternNo",           // the module has no index
             "set frm.t.Text",                      // no value
             "set frm.t.Text maybe",                // not a value
             "set frm.t.Text \"a\" \"b\"",          // two values
             "answer open",                         // no answer
             "answer open later",                   // not cancel
             "answer print \"ok\"",                 // ok is a word
             "answer save ok",                      // no such dialog
             "call frmAllGamen",                    // no operation
             "call frmAllGamen.PLine x",            // arguments are integers
             "call frmAllGamen.PLine \"1\"",
         }) {
        EXPECT_THROW(ParseLine(bad), ScriptError) << bad;
    }
}
