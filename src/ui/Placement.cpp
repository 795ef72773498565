#include "ui/Placement.h"

#include <algorithm>
#include <array>

namespace ui {
namespace {

bool Inside(const Rect& r, const Rect& area) {
    return r.left >= area.left && r.top >= area.top && r.right() <= area.right() && r.bottom() <= area.bottom();
}

// One coordinate moved as little as possible to keep [v, v + size) within [low, high); the
// low edge wins when the size does not fit.
int Within(int v, int size, int low, int high) { return std::max(low, std::min(v, high - size)); }

Rect Clamped(Rect r, const Rect& screen) {
    r.left = Within(r.left, r.width, screen.left, screen.right());
    r.top = Within(r.top, r.height, screen.top, screen.bottom());
    return r;
}

}  // namespace

long OverlapArea(const Rect& a, const Rect& b) {
    const long w = std::min(a.right(), b.right()) - std::max(a.left, b.left);
    const long h = std::min(a.bottom(), b.bottom()) - std::max(a.top, b.top);
    return w > 0 && h > 0 ? w * h : 0;
}

Point PlaceBeside(const Rect& screen, const Rect& owner, const Rect& keepClear, int width, int height) {
    // Beside the owner, level with its top (or its left edge) as far as the screen allows.
    const int alongY = Within(owner.top, height, screen.top, screen.bottom());
    const int alongX = Within(owner.left, width, screen.left, screen.right());
    const std::array<Rect, 4> beside{{
        {owner.right(), alongY, width, height},
        {owner.left - width, alongY, width, height},
        {alongX, owner.bottom(), width, height},
        {alongX, owner.top - height, width, height},
    }};
    for (const Rect& r : beside)
        if (Inside(r, screen)) return {r.left, r.top};

    // Over the owner, in the band beside the part to keep clear, at the owner's far edge when
    // the band is wider than the window, else right against the kept part.
    const std::array<Rect, 4> over{{
        {std::max(keepClear.right(), owner.right() - width), owner.top, width, height},
        {owner.left, std::max(keepClear.bottom(), owner.bottom() - height), width, height},
        {std::min(keepClear.left - width, owner.left), owner.top, width, height},
        {owner.left, std::min(keepClear.top - height, owner.top), width, height},
    }};
    Rect best{};
    long least = -1;
    for (const Rect& r : over) {
        const Rect shown = Clamped(r, screen);
        const long covered = OverlapArea(shown, keepClear);
        if (least < 0 || covered < least) {
            least = covered;
            best = shown;
        }
    }
    return {best.left, best.top};
}

}  // namespace ui
