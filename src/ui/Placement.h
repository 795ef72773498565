// Where a window that accompanies another stands (the hint beside the board): plain arithmetic
// on rectangles in screen pixels, applied by the window view.
#pragma once

namespace ui {

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool operator==(const Rect&) const = default;
};

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

// The area two rectangles share (0 when they do not meet).
long OverlapArea(const Rect& a, const Rect& b);

// The top-left corner of a window frame of width x height that accompanies `owner` (its frame)
// on `screen` (the free area) and must leave `keepClear` (a part of the owner) visible. Beside
// the owner where the screen has room for it, right first, then left, below and above; else
// over the owner, on the side of `keepClear` where it covers the least of it (right, below,
// left, above on a tie), pushed away from it to the owner's far edge. Always inside the screen
// when it fits there.
Point PlaceBeside(const Rect& screen, const Rect& owner, const Rect& keepClear, int width, int height);

}  // namespace ui
