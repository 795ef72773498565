#include "app/run/OutputLines.h"

#include "app/run/Json.h"
#include "ui/Control.h"
#include "ui/Form.h"
#include "ui/HeadlessServices.h"

namespace runner {

std::string RecordLine(const ui::Recorded& record) {
    using Kind = ui::Recorded::Kind;
    JsonObject line;
    switch (record.kind) {
        case Kind::MsgBox:
            line.text("msgbox", record.text).text("icon", ui::MsgIconName(record.icon));
            if (!record.lines.empty()) {
                std::vector<std::string> buttons;
                for (const auto& text : record.lines) buttons.push_back(JsonString(text));
                line.add("buttons", JsonArray(buttons)).text("answer", record.answer);
            }
            break;
        case Kind::Beep:
            line.add("beep", "true");
            break;
        case Kind::Print: {
            std::vector<std::string> lines;
            for (const auto& text : record.lines) lines.push_back(JsonString(text));
            line.add("print", JsonArray(lines));
            break;
        }
        case Kind::PrintForm:
            line.text("printform", record.text);
            break;
    }
    return line.str();
}

std::string GetLine(std::string_view written, const ui::PropertyValue& value) {
    return JsonObject().text("get", written).value("value", value).str();
}

std::string DumpLine(const ui::Form& form) {
    std::vector<std::string> controls;
    for (const ui::Control* control : form.controls()) {
        JsonObject item;
        item.text("name", control->name());
        if (control->index() >= 0) item.add("index", std::to_string(control->index()));
        item.text("type", control->typeName());
        for (const auto& name : control->propertyNames()) item.value(name, control->property(name));
        controls.push_back(item.str());
    }
    return JsonObject().text("dump", form.name()).add("controls", JsonArray(controls)).str();
}

std::string CallLine(std::string_view form, std::string_view operation, const std::vector<int64_t>& out) {
    std::vector<std::string> values;
    for (int64_t v : out) values.push_back(std::to_string(v));
    return JsonObject()
        .text("call", std::string(form) + "." + std::string(operation))
        .add("out", JsonArray(values))
        .str();
}

std::string EndLine() { return JsonObject().add("end", "true").str(); }

std::string ErrorLine(std::string_view what, int line) {
    return JsonObject().text("error", what).add("line", std::to_string(line)).str();
}

void WriteLine(std::ostream& out, const std::string& line) {
    out << line << '\n';
    out.flush();
}

}  // namespace runner
