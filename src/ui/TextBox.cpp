#include "ui/TextBox.h"

namespace ui {

void TextBox::setText(const std::string& text) {
    if (assign(text_, text) && onChange) onChange();
}

std::vector<std::string> TextBox::propertyNames() const {
    auto names = Control::propertyNames();
    names.insert(names.end(), {"Text", "BackColor", "ForeColor", "Locked", "Alignment", "FontSize",
                               "FontBold", "MultiLine"});
    return names;
}

PropertyValue TextBox::property(std::string_view name) const {
    if (name == "Text") return text_;
    if (name == "BackColor") return int64_t{backColor_};
    if (name == "ForeColor") return int64_t{foreColor_};
    if (name == "Locked") return locked_;
    if (name == "Alignment") return int64_t{static_cast<int>(alignment_)};
    if (name == "FontSize") return int64_t{fontSize_};
    if (name == "FontBold") return fontBold_;
    if (name == "MultiLine") return multiLine_;
    return Control::property(name);
}

void TextBox::setProperty(std::string_view name, const PropertyValue& value) {
    if (name == "Text") return setText(ToText(value));
    if (name == "BackColor") return setBackColor(ToColor(value));
    if (name == "ForeColor") return setForeColor(ToColor(value));
    if (name == "Locked") return setLocked(ToBool(value));
    if (name == "Alignment") {
        auto a = ToInteger(value);
        if (a < 0 || a > 2) throw PropertyError("Alignment must be 0, 1 or 2");
        return setAlignment(static_cast<Alignment>(a));
    }
    if (name == "FontSize") return setFontSize(ToInt32(value));
    if (name == "FontBold") return setFontBold(ToBool(value));
    if (name == "MultiLine") return setMultiLine(ToBool(value));
    Control::setProperty(name, value);
}

}  // namespace ui
