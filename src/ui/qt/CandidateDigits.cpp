#include "ui/qt/CandidateDigits.h"

#include <QFont>
#include <QPainter>
#include <algorithm>

#include "ui/TextBox.h"

namespace ui::qt {

int ShownCandidates(const TextBox& model) { return model.drawsCandidates() ? model.candidates() : -1; }

void PaintCandidates(QPainter& painter, const QRect& area, int mask) {
    if (mask <= 0 || area.width() < 6 || area.height() < 6) return;
    // Dark slate: readable on white and on every judgement colour behind it.
    static const QColor kInk(0x33, 0x3A, 0x80);
    QFont font = painter.font();
    font.setPixelSize(std::max(6, area.height() * 3 / 10));
    font.setBold(false);
    painter.save();
    painter.setFont(font);
    painter.setPen(kInk);
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
