// Conversions between the model's units and Qt's: twips and pixels, 0x00BBGGRR colours,
// UTF-8 strings, and the fonts of the whole user interface.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QString>
#include <string>

#include "ui/Color.h"

class QWidget;

namespace ui::qt {

// Twips to pixels at the screen's logical dpi, times the window's factor (the fit to the screen
// and the user's zoom): px = twips * dpi * factor / 1440 (15 twips a pixel at 96 dpi and 1).
// Fonts take the same factor, so that a window shrinks or grows as a whole.
class Scale {
public:
    explicit Scale(double dpi = 96.0, double factor = 1.0) : dpi_(dpi), factor_(factor) {}
    static Scale Of(const QWidget& widget);  // the logical dpi of the widget's screen, factor 1

    double dpi() const { return dpi_; }
    double factor() const { return factor_; }
    Scale withFactor(double factor) const { return Scale(dpi_, factor); }
    int px(int twips) const;
    int twips(double px) const;
    QRect rect(int left, int top, int width, int height) const;
    // A line width or other length in pixels at factor 1, at least one pixel.
    int pen(int pixels) const;
    // The interface font at a control's size in points, scaled by the factor.
    QFont font(int points, bool bold = false) const;

private:
    double dpi_;
    double factor_;
};

// A model colour as Qt sees it. Negative values refer to system colours (ui::kButtonFace is
// the palette's button colour); other values are 0x00BBGGRR, masked to 24 bits because shades
// computed by plain addition may carry past 0xFFFFFF.
QColor ToQColor(Color color, const QPalette& palette);

QString ToQString(const std::string& utf8);
std::string ToUtf8(const QString& text);

// The families of the user interface: one that covers Japanese, and a fixed-pitch one for
// printed text.
inline constexpr const char* kUiFontFamily = "Noto Sans CJK JP";
inline constexpr const char* kFixedFontFamily = "Noto Sans Mono CJK JP";

// The interface font at the given size in points.
QFont UiFont(int points = 9, bool bold = false);
QFont FixedFont(int points = 10);

}  // namespace ui::qt
