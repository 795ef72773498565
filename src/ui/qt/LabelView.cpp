#include "ui/qt/LabelView.h"

#include <QFontInfo>
#include <QPainter>
#include <QSignalBlocker>
#include <QTextLayout>
#include <algorithm>

namespace ui::qt {

LabelView::LabelView(Label& model, FormRegistry& registry, Scale scale, QWidget* parent)
    : QLabel(parent), BoundTo<Label>(model, registry, scale) {
    setObjectName(ToQString(model.path()));
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
}

void LabelView::sync() {
    if (!model_) return;
    QSignalBlocker block(this);
    SyncCommon(*this, *model_, scale_);
    QString caption = ToQString(model_->caption());
    if (text() != caption) setText(caption);

    Qt::Alignment align = Qt::AlignLeft;
    if (model_->alignment() == Alignment::Right) align = Qt::AlignRight;
    if (model_->alignment() == Alignment::Center) align = Qt::AlignHCenter;
    if (alignment() != (align | Qt::AlignTop)) setAlignment(align | Qt::AlignTop);

    if (colors_.differ(model_->backColor(), model_->foreColor())) {
        bool opaque = model_->backColor() != kTransparent;
        QPalette palette = this->palette();
        if (opaque) palette.setColor(QPalette::Window, ToQColor(model_->backColor(), palette));
        palette.setColor(QPalette::WindowText, ToQColor(model_->foreColor(), palette));
        if (palette != this->palette()) setPalette(palette);
        setAutoFillBackground(opaque);
    }
    font_.apply(*this, scale_, model_->fontSize(), model_->fontBold());
}

void LabelView::paintEvent(QPaintEvent*) {
    // The background is already filled (when the label has one of its own).
    QPainter painter(this);
    const QRect area = contentsRect();
    const QFontMetricsF metrics(font());
    const qreal pitch = std::min<qreal>(metrics.lineSpacing(), QFontInfo(font()).pixelSize() * 1.2);
    // The capital height sits in the middle of each line: the CJK font's large ascent would
    // otherwise push the glyphs down and cut the last line of a label sized for two lines.
    const qreal lift = metrics.ascent() - (pitch + metrics.capHeight()) / 2;
    QTextOption option(alignment() & Qt::AlignHorizontal_Mask);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // Line breaks in a caption (CR LF or LF) start new lines of the layout.
    QString caption = text();
    caption.replace(QLatin1String("\r\n"), QString(QChar::LineSeparator));
    caption.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(caption, font(), this);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(area.width());
        line.setPosition(QPointF(0, y - lift));
        y += pitch;
    }
    layout.endLayout();
    painter.setPen(palette().color(foregroundRole()));
    layout.draw(&painter, area.topLeft());
}

}  // namespace ui::qt
