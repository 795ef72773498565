#include "ui/Label.h"

namespace ui {

void Label::setCaption(const std::string& caption) {
    if (assign(Field::Caption, caption_, caption) && onChange) onChange();
}

void Label::captureFields(std::vector<std::pair<Field, FieldValue>>& out) const {
    Control::captureFields(out);
    out.emplace_back(Field::Caption, ToFieldValue(caption_));
    out.emplace_back(Field::BackColor, ToFieldValue(backColor_));
    out.emplace_back(Field::ForeColor, ToFieldValue(foreColor_));
    out.emplace_back(Field::Alignment, ToFieldValue(alignment_));
    out.emplace_back(Field::FontSize, ToFieldValue(fontSize_));
    out.emplace_back(Field::FontBold, ToFieldValue(fontBold_));
}

void Label::restoreField(Field field, const FieldValue& value) {
    switch (field) {
        case Field::Caption: return putBack(caption_, value);
        case Field::BackColor: return putBack(backColor_, value);
        case Field::ForeColor: return putBack(foreColor_, value);
        case Field::Alignment: return putBack(alignment_, value);
        case Field::FontSize: return putBack(fontSize_, value);
        case Field::FontBold: return putBack(fontBold_, value);
        default: return Control::restoreField(field, value);
    }
}

std::vector<std::string> Label::propertyNames() const {
    auto names = Control::propertyNames();
    names.insert(names.end(), {"Caption", "BackColor", "ForeColor", "Alignment", "FontSize", "FontBold"});
    return names;
}

PropertyValue Label::property(std::string_view name) const {
    if (name == "Caption") return caption_;
    if (name == "BackColor") return int64_t{backColor_};
    if (name == "ForeColor") return int64_t{foreColor_};
    if (name == "Alignment") return int64_t{static_cast<int>(alignment_)};
    if (name == "FontSize") return int64_t{fontSize_};
    if (name == "FontBold") return fontBold_;
    return Control::property(name);
}

void Label::setProperty(std::string_view name, const PropertyValue& value) {
    if (name == "Caption") return setCaption(ToText(value));
    if (name == "BackColor") return setBackColor(ToColor(value));
    if (name == "ForeColor") return setForeColor(ToColor(value));
    if (name == "Alignment") {
        auto a = ToInteger(value);
        if (a < 0 || a > 2) throw PropertyError("Alignment must be 0, 1 or 2");
        return setAlignment(static_cast<Alignment>(a));
    }
    if (name == "FontSize") return setFontSize(ToInt32(value));
    if (name == "FontBold") return setFontBold(ToBool(value));
    Control::setProperty(name, value);
}

}  // namespace ui
