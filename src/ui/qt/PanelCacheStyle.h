// The style of the line edits: the application's style, except that a line edit's panel (its
// base fill and rounded frame) is drawn once per look and then copied. A board repaints
// hundreds of cells per command, and drawing the antialiased frame was most of that time.
//
// A look is the panel's size, state, frame, direction, device pixel ratio and the colours of
// its palette group; the copy is pixel for pixel what the style draws. Anything the copy
// could not reproduce exactly (a transformed or translucent painter, a textured palette) is
// drawn by the style itself.
#pragma once

#include <QProxyStyle>

namespace ui::qt {

class PanelCacheStyle : public QProxyStyle {
public:
    // The one instance the line edits share (made on first use; lives as long as the
    // application).
    static PanelCacheStyle* instance();
    // Tests compare the copies against the style's own drawing.
    static void setCaching(bool on);
    static bool caching();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

private:
    PanelCacheStyle();
};

}  // namespace ui::qt
