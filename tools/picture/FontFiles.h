// The font file of a family, found through fontconfig as the desktop would find it.
#pragma once

#include <string>

namespace picture::drawing {

struct FontFile {
    std::string path;
    int index = 0;            // the face within a collection (.ttc)
    std::string family;       // as fontconfig names the face found
    bool emboldened = false;  // bold was asked and the family has no bold face: draw it thicker
};

// The face of the family (bold or regular) that fc-match finds. Throws std::runtime_error
// naming the family when no installed font belongs to it (fc-match would give another
// family's face) or when fc-match cannot be run.
FontFile FindFont(const std::string& family, bool bold);

}  // namespace picture::drawing
