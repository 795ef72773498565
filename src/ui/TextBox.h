// A one-line or multi-line text box.
#pragma once

#include <functional>
#include <string>

#include "ui/CellStore.h"
#include "ui/Color.h"
#include "ui/Control.h"

namespace ui {

enum class Alignment { Left = 0, Right = 1, Center = 2 };

// Mouse buttons as the MouseDown event reports them.
enum MouseButton { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };

class TextBox : public Control {
public:
    using Control::Control;
    const char* typeName() const override { return "TextBox"; }

    const std::string& text() const { return bound(CellStore::kText) ? store_->cellText(cell_) : text_; }
    // Fires Change when the text really changes.
    void setText(const std::string& text);

    Color backColor() const { return backColor_; }
    void setBackColor(Color c) { assign(Field::BackColor, backColor_, c); }
    Color foreColor() const { return foreColor_; }
    void setForeColor(Color c) { assign(Field::ForeColor, foreColor_, c); }
    bool locked() const { return bound(CellStore::kLocked) ? store_->cellLocked(cell_) : locked_; }
    void setLocked(bool v);
    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment a) { assign(Field::Alignment, alignment_, a); }
    int fontSize() const { return fontSize_; }
    void setFontSize(int points) { assign(Field::FontSize, fontSize_, points); }
    bool fontBold() const { return fontBold_; }
    void setFontBold(bool v) { assign(Field::FontBold, fontBold_, v); }
    bool multiLine() const { return multiLine_; }
    void setMultiLine(bool v) { assign(Field::MultiLine, multiLine_, v); }

    // Pencil marks: the candidate digits of a cell (bit d for digit d, 1..9), kept beside its
    // text and drawn small while they are shown and the cell holds no character but blanks.
    int candidates() const { return bound(CellStore::kCandidates) ? store_->cellCandidates(cell_) : candidates_; }
    void setCandidates(int mask);
    bool candidatesShown() const {
        return bound(CellStore::kCandidatesShown) ? store_->cellCandidatesShown(cell_) : candidatesShown_;
    }
    void setCandidatesShown(bool v);
    // Whether the small digits are drawn now: shown, and the cell holds nothing but blanks.
    bool drawsCandidates() const { return candidatesShown() && text().find_first_not_of(' ') == std::string::npos; }
    // The candidates as the script runner writes them: the digits in ascending order ("137").
    static std::string CandidateText(int mask);

    // A drawing hint, not state (the journal and dumps leave it alone): the box lies on a
    // diagonal that is a unit, falling (top left to bottom right), rising, or both, and the
    // view draws a light line through it. Scripts read it as "Diagonals".
    enum Diagonal : int { kFalling = 1, kRising = 2 };
    int diagonals() const { return diagonals_; }
    void setDiagonals(int marks) {
        if (marks == diagonals_) return;
        diagonals_ = marks;
        changed.emit();
    }

    // Leaves the given fields (CellStore::Fields) to cell `cell` of a store, which owns them
    // from now on: the box keeps no copy of them and the journal records them with the store.
    void bindTo(CellStore& store, int cell, unsigned fields);
    // The store's cell changed in these fields: the view is told and, when the change is a
    // real edit (not an undo putting a value back), Change and CandidatesChange fire.
    void storeChanged(unsigned fields, bool fireEvents);

    std::function<void()> onChange;
    // The candidates really changed (by code or by the user).
    std::function<void()> onCandidatesChange;
    // A handler sets keyAscii to 0 to drop the key.
    std::function<void(int& keyAscii)> onKeyPress;
    // After a key that KeyPress kept has been applied to the text.
    std::function<void(int keyAscii)> onKeyUp;
    // A named key (an arrow, Home, Delete, a key with Ctrl ...) before anything else sees it;
    // a handler sets keyCode to 0 to take it (ui/Keys.h).
    std::function<void(int& keyCode, int shift)> onKeyDown;
    std::function<void(int button, int shift, int x, int y)> onMouseDown;

    std::vector<std::string> propertyNames() const override;
    PropertyValue property(std::string_view name) const override;
    void setProperty(std::string_view name, const PropertyValue& value) override;
    void captureFields(std::vector<std::pair<Field, FieldValue>>& out) const override;
    void restoreField(Field field, const FieldValue& value) override;

private:
    bool bound(unsigned field) const { return (boundFields_ & field) != 0; }

    CellStore* store_ = nullptr;
    int cell_ = 0;
    unsigned boundFields_ = 0;
    std::string text_;
    Color backColor_ = kWhite;
    Color foreColor_ = kBlack;
    bool locked_ = false;
    Alignment alignment_ = Alignment::Left;
    int fontSize_ = 9;
    bool fontBold_ = false;
    bool multiLine_ = false;
    int candidates_ = 0;
    bool candidatesShown_ = false;
    int diagonals_ = 0;
};

}  // namespace ui
