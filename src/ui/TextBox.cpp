#include "ui/TextBox.h"

namespace ui {

void TextBox::setText(const std::string& text) {
    // A bound cell's store tells the box (storeChanged) when the text really changed.
    if (bound(CellStore::kText)) return store_->setCellText(cell_, text);
    if (assign(Field::Text, text_, text) && onChange) onChange();
}

void TextBox::setLocked(bool v) {
    if (bound(CellStore::kLocked)) return store_->setCellLocked(cell_, v);
    assign(Field::Locked, locked_, v);
}

void TextBox::setCandidates(int mask) {
    if (bound(CellStore::kCandidates)) return store_->setCellCandidates(cell_, mask & 0x3FE);
    if (assign(Field::Candidates, candidates_, mask & 0x3FE) && onCandidatesChange) onCandidatesChange();
}

void TextBox::setCandidatesShown(bool v) {
    if (bound(CellStore::kCandidatesShown)) return store_->setCellCandidatesShown(cell_, v);
    assign(Field::CandidatesShown, candidatesShown_, v);
}

void TextBox::bindTo(CellStore& store, int cell, unsigned fields) {
    store_ = &store;
    cell_ = cell;
    boundFields_ = fields;
    changed.emit();
}

void TextBox::storeChanged(unsigned fields, bool fireEvents) {
    fields &= boundFields_;
    if (fields == 0) return;
    changed.emit();
    if (!fireEvents) return;
    if ((fields & CellStore::kText) && onChange) onChange();
    if ((fields & CellStore::kCandidates) && onCandidatesChange) onCandidatesChange();
}

void TextBox::captureFields(std::vector<std::pair<Field, FieldValue>>& out) const {
    Control::captureFields(out);
    out.emplace_back(Field::Text, ToFieldValue(text()));
    out.emplace_back(Field::BackColor, ToFieldValue(backColor_));
    out.emplace_back(Field::ForeColor, ToFieldValue(foreColor_));
    out.emplace_back(Field::Locked, ToFieldValue(locked()));
    out.emplace_back(Field::Alignment, ToFieldValue(alignment_));
    out.emplace_back(Field::FontSize, ToFieldValue(fontSize_));
    out.emplace_back(Field::FontBold, ToFieldValue(fontBold_));
    out.emplace_back(Field::MultiLine, ToFieldValue(multiLine_));
    out.emplace_back(Field::Candidates, ToFieldValue(candidates()));
    out.emplace_back(Field::CandidatesShown, ToFieldValue(candidatesShown()));
}

std::string TextBox::CandidateText(int mask) {
    std::string text;
    for (int d = 1; d <= 9; ++d) {
        if (mask & (1 << d)) text += static_cast<char>('0' + d);
    }
    return text;
}

void TextBox::restoreField(Field field, const FieldValue& value) {
    // A bound field is the store's: the store's own record puts it back.
    const unsigned storeField = field == Field::Text                ? CellStore::kText
                                : field == Field::Locked            ? CellStore::kLocked
                                : field == Field::Candidates        ? CellStore::kCandidates
                                : field == Field::CandidatesShown   ? CellStore::kCandidatesShown
                                                                    : 0u;
    if (bound(storeField)) return;
    switch (field) {
        case Field::Text: return putBack(text_, value);
        case Field::BackColor: return putBack(backColor_, value);
        case Field::ForeColor: return putBack(foreColor_, value);
        case Field::Locked: return putBack(locked_, value);
        case Field::Alignment: return putBack(alignment_, value);
        case Field::FontSize: return putBack(fontSize_, value);
        case Field::FontBold: return putBack(fontBold_, value);
        case Field::MultiLine: return putBack(multiLine_, value);
        case Field::Candidates: return putBack(candidates_, value);
        case Field::CandidatesShown: return putBack(candidatesShown_, value);
        default: return Control::restoreField(field, value);
    }
}

std::vector<std::string> TextBox::propertyNames() const {
    auto names = Control::propertyNames();
    names.insert(names.end(), {"Text", "BackColor", "ForeColor", "Locked", "Alignment", "FontSize",
                               "FontBold", "MultiLine", "Candidates", "CandidatesShown"});
    return names;
}

PropertyValue TextBox::property(std::string_view name) const {
    if (name == "Text") return text();
    if (name == "BackColor") return int64_t{backColor_};
    if (name == "ForeColor") return int64_t{foreColor_};
    if (name == "Locked") return locked();
    if (name == "Alignment") return int64_t{static_cast<int>(alignment_)};
    if (name == "FontSize") return int64_t{fontSize_};
    if (name == "FontBold") return fontBold_;
    if (name == "MultiLine") return multiLine_;
    if (name == "Candidates") return CandidateText(candidates());
    if (name == "CandidatesShown") return candidatesShown();
    if (name == "Diagonals") return int64_t{diagonals_};
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
    if (name == "Candidates") {
        // Digits 1..9 in any order, blanks allowed; anything else is refused.
        int mask = 0;
        for (char c : ToText(value)) {
            if (c == ' ') continue;
            if (c < '1' || c > '9') throw PropertyError("Candidates are digits 1..9, not \"" + ToText(value) + "\"");
            mask |= 1 << (c - '0');
        }
        return setCandidates(mask);
    }
    if (name == "CandidatesShown") return setCandidatesShown(ToBool(value));
    Control::setProperty(name, value);
}

}  // namespace ui
