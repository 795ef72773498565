#include <gtest/gtest.h>

#include "app/run/Json.h"
#include "app/run/OutputLines.h"
#include "ui/Buttons.h"
#include "ui/ControlArray.h"
#include "ui/Form.h"
#include "ui/HeadlessServices.h"

using namespace runner;

TEST(Json, EscapesOnlyQuotesBackslashesAndControlCharacters) {
    EXPECT_EQ(JsonString("plain / text"), "\"plain / text\"");
    EXPECT_EQ(JsonString("a\"b\\c"), "\"a\\\"b\\\\c\"");
    EXPECT_EQ(JsonString("\n\r\t\b\f"), "\"\\n\\r\\t\\b\\f\"");
    EXPECT_EQ(JsonString(std::string("\x01\x1f\x00", 3)), "\"\\u0001\\u001f\\u0000\"");
    EXPECT_EQ(JsonString("\x7f"), "\"\x7f\"");
}

TEST(Json, KeepsUtf8AndReplacesInvalidBytes) {
    EXPECT_EQ(JsonString("ごめんなさいね、ﾁｪｯｸ １"), "\"ごめんなさいね、ﾁｪｯｸ １\"");
    EXPECT_EQ(JsonString("\xF0\x9F\x98\x80"), "\"\xF0\x9F\x98\x80\"");  // outside the BMP
    const std::string bad = "\xEF\xBF\xBD";
    EXPECT_EQ(JsonString("a\x80" "b"), "\"a" + bad + "b\"");           // lone continuation byte
    EXPECT_EQ(JsonString("\xE3\x81"), "\"" + bad + bad + "\"");        // cut short
    EXPECT_EQ(JsonString("\xC0\x80"), "\"" + bad + bad + "\"");        // overlong
    EXPECT_EQ(JsonString("\xED\xA0\x80"), "\"" + bad + bad + bad + "\"");  // surrogate
    EXPECT_EQ(JsonString("\xF4\x90\x80\x80"), "\"" + bad + bad + bad + bad + "\"");  // past U+10FFFF
    EXPECT_EQ(JsonString("\x83\x65\x83\x58"), "\"" + bad + "e" + bad + "X\"");  // Shift-JIS bytes
}

TEST(Json, ValuesAndObjectsKeepTheirKindAndOrder) {
    EXPECT_EQ(JsonValue(true), "true");
    EXPECT_EQ(JsonValue(int64_t{-2147483633}), "-2147483633");
    EXPECT_EQ(JsonValue(std::string("12")), "\"12\"");
    EXPECT_EQ(JsonObject().str(), "{}");
    EXPECT_EQ(JsonObject().text("z", "1").value("a", int64_t{1}).add("m", "[]").str(),
              "{\"z\":\"1\",\"a\":1,\"m\":[]}");
}

TEST(OutputLines, RecordsAsTheyAreShown) {
    using Kind = ui::Recorded::Kind;
    EXPECT_EQ(RecordLine({Kind::MsgBox, "済み", ui::MsgIcon::Exclamation, {}, {}}),
              "{\"msgbox\":\"済み\",\"icon\":\"exclamation\"}");
    EXPECT_EQ(RecordLine({Kind::MsgBox, "置き換えますか？", ui::MsgIcon::Question, {"はい", "いいえ"}, "いいえ"}),
              "{\"msgbox\":\"置き換えますか？\",\"icon\":\"question\",\"buttons\":[\"はい\",\"いいえ\"],\"answer\":\"いいえ\"}");
    EXPECT_EQ(RecordLine({Kind::Beep, "", ui::MsgIcon::None, {}, {}}), "{\"beep\":true}");
    EXPECT_EQ(RecordLine({Kind::Print, "", ui::MsgIcon::None, {"1 2", "\"x\""}, {}}),
              "{\"print\":[\"1 2\",\"\\\"x\\\"\"]}");
    EXPECT_EQ(RecordLine({Kind::Print, "", ui::MsgIcon::None, {}, {}}), "{\"print\":[]}");
    EXPECT_EQ(RecordLine({Kind::PrintForm, "frmAllGamen", ui::MsgIcon::None, {}, {}}), "{\"printform\":\"frmAllGamen\"}");
}

TEST(OutputLines, CommandLines) {
    EXPECT_EQ(GetLine("cmnMod01.KouhoTbl(3,5)", int64_t{1}), "{\"get\":\"cmnMod01.KouhoTbl(3,5)\",\"value\":1}");
    EXPECT_EQ(CallLine("f", "Op", {3, -1}), "{\"call\":\"f.Op\",\"out\":[3,-1]}");
    EXPECT_EQ(ErrorLine("no window named \"x\"", 7), "{\"error\":\"no window named \\\"x\\\"\",\"line\":7}");
    EXPECT_EQ(EndLine(), "{\"end\":true}");
}

TEST(OutputLines, DumpGivesIndexOnlyToArrayElements) {
    struct Small : ui::Form {
        Small() : ui::Form("frmSmall") {}
        ui::CommandButton ok{*this, "ok"};
        ui::ControlArray<ui::CheckBox> pick{*this, "pick", 1, 1};
    } form;
    form.ok.setCaption("OK");
    form.pick(1).setValue(1);
    EXPECT_EQ(DumpLine(form),
              "{\"dump\":\"frmSmall\",\"controls\":["
              "{\"name\":\"ok\",\"type\":\"CommandButton\",\"Visible\":true,\"Enabled\":true,\"Left\":0,\"Top\":0,"
              "\"Width\":1200,\"Height\":375,\"Caption\":\"OK\",\"BackColor\":-2147483633,"
              "\"FontSize\":9,\"ToolTip\":\"\"},"
              "{\"name\":\"pick\",\"index\":1,\"type\":\"CheckBox\",\"Visible\":true,\"Enabled\":true,\"Left\":0,"
              "\"Top\":0,\"Width\":1200,\"Height\":375,\"Caption\":\"\",\"BackColor\":-2147483633,"
              "\"FontSize\":9,\"ToolTip\":\"\",\"Value\":1}]}");
}
