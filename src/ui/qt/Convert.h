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

// Twips to pixels at the screen's logical dpi: px = twips * dpi / 1440 (15 twips a pixel at
// 96 dpi).
class Scale {
public:
    explicit Scale(double dpi = 96.0) : dpi_(dpi) {}
    static Scale Of(const QWidget& widget);  // the logical dpi of the widget's screen

    double dpi() const { return dpi_; }
    int px(int twips) const;
    int twips(double px) const;
    QRect rect(int left, int top, int width, int height) const;

private:
    double dpi_;
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
