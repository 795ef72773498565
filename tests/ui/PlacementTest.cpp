// Where the hint window stands: beside its owner where the screen has room, else over the
// owner away from the part it must leave visible.
#include <gtest/gtest.h>

#include "ui/Placement.h"

namespace {

struct Case {
    const char* what;
    ui::Rect screen, owner, keepClear;
    int width, height;
    ui::Point expected;
};

TEST(Placement, BesideTheOwnerElseOverItAwayFromWhatItMustShow) {
    const ui::Rect laptop{0, 0, 1366, 728};
    const Case cases[] = {
        {"right of the owner, level with its top", laptop, {0, 0, 700, 728}, {62, 86, 540, 540}, 380, 330, {700, 0}},
        {"right, moved up to stay on the screen", laptop, {0, 500, 700, 200}, {62, 510, 540, 150}, 380, 330, {700, 398}},
        {"left when the right has no room", laptop, {600, 100, 700, 600}, {660, 180, 540, 540}, 380, 330, {220, 100}},
        {"below a wide owner", {0, 0, 1366, 768}, {0, 0, 1366, 300}, {60, 20, 600, 260}, 380, 330, {0, 300}},
        {"above a wide owner at the bottom", {0, 0, 1366, 768}, {100, 400, 1266, 368}, {160, 420, 300, 300}, 380, 330, {100, 70}},
        {"over the owner, at its right edge past the board", laptop, {0, 0, 1366, 728}, {60, 60, 900, 600}, 380, 330, {986, 0}},
        {"over the owner, right against a board that leaves a narrow band", {0, 0, 1500, 728}, {0, 0, 1200, 728}, {0, 0, 1000, 728}, 380, 330, {1000, 0}},
        {"over the owner, below a board that spans it", {0, 0, 1000, 728}, {0, 0, 1000, 728}, {0, 0, 1000, 380}, 380, 330, {0, 398}},
        {"over the owner, a board on its right", {0, 0, 1000, 728}, {0, 0, 1000, 728}, {400, 0, 600, 728}, 380, 330, {0, 398}},
        {"no free side: the least of the board covered", {0, 0, 800, 600}, {0, 0, 800, 600}, {100, 100, 600, 400}, 500, 500, {300, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ui::Point at = ui::PlaceBeside(c.screen, c.owner, c.keepClear, c.width, c.height);
        EXPECT_EQ(at.x, c.expected.x);
        EXPECT_EQ(at.y, c.expected.y);
    }
}

}  // namespace
