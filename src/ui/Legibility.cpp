#include "ui/Legibility.h"

#include <cmath>
#include <initializer_list>

namespace ui {
namespace {

double Luminance(Color c) {
    auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(RedOf(c)) + 0.7152 * channel(GreenOf(c)) + 0.0722 * channel(BlueOf(c));
}

// The ink moved a fraction of the way to a target colour.
Color Mix(Color ink, Color target, double fraction) {
    auto at = [&](int from, int to) { return static_cast<int>(std::lround(from + (to - from) * fraction)); };
    return Rgb(at(RedOf(ink), RedOf(target)), at(GreenOf(ink), GreenOf(target)), at(BlueOf(ink), BlueOf(target)));
}

constexpr double kReadable = 3.0;

}  // namespace

double Contrast(Color a, Color b) {
    const double x = Luminance(a) + 0.05, y = Luminance(b) + 0.05;
    return x > y ? x / y : y / x;
}

Color LegibleOn(Color ink, Color background) {
    // System colours and values past 0xFFFFFF are the system's to draw.
    if (ink < 0 || ink > kWhite || background < 0 || background > kWhite) return ink;
    if (RedOf(ink) == GreenOf(ink) && GreenOf(ink) == BlueOf(ink)) return ink;
    if (Contrast(ink, background) >= kReadable) return ink;
    Color best = ink;
    for (int step = 1; step <= 10; ++step) {
        const double fraction = step / 10.0;
        for (Color target : {kBlack, kWhite}) {
            const Color shade = Mix(ink, target, fraction);
            if (Contrast(shade, background) >= kReadable) return shade;
            if (Contrast(shade, background) > Contrast(best, background)) best = shade;
        }
    }
    return best;
}

}  // namespace ui
