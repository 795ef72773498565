#include "ui/qt/Convert.h"

#include <QWidget>
#include <algorithm>
#include <cmath>

namespace ui::qt {

Scale Scale::Of(const QWidget& widget) { return Scale(widget.logicalDpiX()); }

int Scale::px(int twips) const { return static_cast<int>(std::lround(twips * dpi_ * factor_ / 1440.0)); }

int Scale::twips(double px) const { return static_cast<int>(std::lround(px * 1440.0 / (dpi_ * factor_))); }

int Scale::pen(int pixels) const { return std::max(1, static_cast<int>(std::lround(pixels * factor_))); }

QFont Scale::font(int points, bool bold) const {
    QFont font = UiFont(points, bold);
    if (factor_ != 1.0) font.setPointSizeF(font.pointSizeF() * factor_);
    return font;
}

QRect Scale::rect(int left, int top, int width, int height) const {
    // Both edges are rounded, so that neighbouring controls keep their pixel gaps.
    int x = px(left);
    int y = px(top);
    return QRect(x, y, px(left + width) - x, px(top + height) - y);
}

QColor ToQColor(Color color, const QPalette& palette) {
    if (color < 0) {
        // System colour references keep their index in the low byte.
        switch (color & 0xFF) {
            case 0x05: return palette.color(QPalette::Base);           // window background
            case 0x08: return palette.color(QPalette::Text);           // window text
            case 0x0D: return palette.color(QPalette::Highlight);
            case 0x0E: return palette.color(QPalette::HighlightedText);
            case 0x12: return palette.color(QPalette::ButtonText);
            default: return palette.color(QPalette::Button);           // button face
        }
    }
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

QString ToQString(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string ToUtf8(const QString& text) { return text.toStdString(); }

QFont UiFont(int points, bool bold) {
    QFont font(kUiFontFamily);
    font.setPointSize(points > 0 ? points : 9);
    font.setBold(bold);
    return font;
}

QFont FixedFont(int points) {
    QFont font(kFixedFontFamily);
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSize(points);
    return font;
}

}  // namespace ui::qt
