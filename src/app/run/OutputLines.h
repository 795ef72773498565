// The lines the runner prints, one JSON object each.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Property.h"

namespace ui {
class Form;
struct Recorded;
}  // namespace ui

namespace runner {

// {"msgbox":"TEXT","icon":"none"}, {"beep":true}, {"print":[...]} or {"printform":"FORM"}.
std::string RecordLine(const ui::Recorded& record);
// {"get":"TARGET.Property","value":V}, the target as the script wrote it.
std::string GetLine(std::string_view written, const ui::PropertyValue& value);
// {"dump":"FORM","controls":[{"name":..,"index":..,"type":..,"Prop":value,...},...]}; "index"
// only for elements of control arrays.
std::string DumpLine(const ui::Form& form);
// {"call":"FORM.OPERATION","out":[...]}: the operation's by-reference results.
std::string CallLine(std::string_view form, std::string_view operation, const std::vector<int64_t>& out);
std::string EndLine();
std::string ErrorLine(std::string_view what, int line);

// Writes the line and flushes, so that a reader sees each line as it happens.
void WriteLine(std::ostream& out, const std::string& line);

}  // namespace runner
