// Which shade a coloured text is drawn in so that it reads on its background.
#pragma once

#include "ui/Color.h"

namespace ui {

// The contrast of two colours as the web's accessibility rules measure it: 1 (equal) to 21
// (black on white).
double Contrast(Color a, Color b);

// The text colour drawn on a background: a coloured ink that reads on it (contrast 3 or
// more) as it is; one that does not, a darker or lighter shade of itself, whichever reaches
// 3 first (and the better one when neither does). Black, white and greys stay as they are,
// so that plain texts keep their look; so do system colours.
Color LegibleOn(Color ink, Color background);

}  // namespace ui
