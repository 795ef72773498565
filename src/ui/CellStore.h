// Cells whose state another object owns. A text box bound to a store shows and edits the
// store's cell for the fields it is bound to; the owner tells the box when the cell changed.
#pragma once

#include <string>

namespace ui {

class CellStore {
public:
    // The fields a text box may leave to a store.
    enum Fields : unsigned {
        kText = 1,
        kLocked = 2,
        kCandidates = 4,
        kCandidatesShown = 8,
        kAllFields = 15,
    };

    virtual ~CellStore() = default;
    virtual const std::string& cellText(int cell) const = 0;
    virtual void setCellText(int cell, const std::string& text) = 0;
    virtual bool cellLocked(int cell) const = 0;
    virtual void setCellLocked(int cell, bool locked) = 0;
    // Bit d for digit d (1..9).
    virtual int cellCandidates(int cell) const = 0;
    virtual void setCellCandidates(int cell, int mask) = 0;
    virtual bool cellCandidatesShown(int cell) const = 0;
    virtual void setCellCandidatesShown(int cell, bool shown) = 0;
};

}  // namespace ui
