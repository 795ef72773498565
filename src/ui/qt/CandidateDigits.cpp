#include "ui/qt/CandidateDigits.h"

#include <QFont>
#include <QPainter>
#include <algorithm>

#include "ui/TextBox.h"

namespace ui::qt {

int ShownCandidates(const TextBox& model) { return model.drawsCandidates() ? model.candidates() : -1; }

int CandidatePixelSize(const QRect& area) { return std::max(6, area.height() * 2 / 5); }

void PaintCandidates(QPainter& painter, const QRect& area, int mask, const QColor& background) {
    if (mask <= 0 || area.width() < 6 || area.height() < 6) return;
    static const QColor kDarkInk(0x33, 0x3A, 0x80), kLightInk(Qt::white);
    // Relative luminance (Rec. 709 weights) decides which ink stands out.
    const double luminance = 0.2126 * background.redF() + 0.7152 * background.greenF() + 0.0722 * background.blueF();
    const QColor& ink = luminance < 0.45 ? kLightInk : kDarkInk;
    QFont font = painter.font();
    font.setPixelSize(CandidatePixelSize(area));
    font.setBold(false);
    painter.save();
    painter.setFont(font);
    painter.setPen(ink);
    const double w = area.width() / 3.0, h = area.height() / 3.0;
    for (int d = 1; d <= 9; ++d) {
        if (!(mask & (1 << d))) continue;
        const int row = (d - 1) / 3, column = (d - 1) % 3;
        QRectF place(area.left() + column * w, area.top() + row * h, w, h);
        painter.drawText(place, Qt::AlignCenter, QString(QChar(u'0' + d)));
    }
    painter.restore();
}

}  // namespace ui::qt
