// A text box's candidates drawn small in three rows of three (1 2 3 / 4 5 6 / 7 8 9), each
// digit in its own place so that the eye finds a digit where it always stands.
#pragma once

#include <QColor>
#include <QRect>

class QPainter;

namespace ui {
class TextBox;
}

namespace ui::qt {

// What a box draws now: its candidates, or -1 when it draws none (a view repaints when this
// changes).
int ShownCandidates(const TextBox& model);

// The candidates' font size in pixels for the area they share: two fifths of its height, so
// that a digit's ink nearly fills its third and the digits grow with the zoom.
int CandidatePixelSize(const QRect& area);

// In a dark slate on a light background (white and the light judgement colours), in white on a
// dark one (the judgements' blue), so that both the colour and the digits can be read.
void PaintCandidates(QPainter& painter, const QRect& area, int mask, const QColor& background);

}  // namespace ui::qt
