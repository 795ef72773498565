#include "ui/qt/PanelCacheStyle.h"

#include <QApplication>
#include <QHash>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPointer>
#include <QStyleFactory>
#include <QStyleOptionFrame>
#include <vector>

namespace ui::qt {
namespace {

bool cachingOn = true;

// Enough for every cell size and colour of the program's windows; when full it starts over.
constexpr qsizetype kMaxLooks = 512;

// Everything of a panel option that the style's drawing depends on, as one key.
QByteArray LookOf(const QStyleOptionFrame& option, qreal dpr, bool* cacheable) {
    std::vector<quint32> words;
    words.reserve(8 + QPalette::NColorRoles);
    words.push_back(static_cast<quint32>(option.rect.width()));
    words.push_back(static_cast<quint32>(option.rect.height()));
    words.push_back(static_cast<quint32>(option.state.toInt()));
    words.push_back(static_cast<quint32>(option.direction));
    words.push_back(static_cast<quint32>(option.lineWidth));
    words.push_back(static_cast<quint32>(option.midLineWidth));
    words.push_back(static_cast<quint32>(option.features.toInt()));
    words.push_back(static_cast<quint32>(option.frameShape));
    words.push_back(static_cast<quint32>(dpr * 1000));
    const QPalette& palette = option.palette;
    words.push_back(static_cast<quint32>(palette.currentColorGroup()));
    *cacheable = true;
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const QBrush& brush = palette.brush(static_cast<QPalette::ColorRole>(role));
        if (brush.style() != Qt::SolidPattern && brush.style() != Qt::NoBrush) *cacheable = false;
        words.push_back(brush.style() == Qt::NoBrush ? 0u : brush.color().rgba());
        words.push_back(static_cast<quint32>(brush.style()));
    }
    return QByteArray(reinterpret_cast<const char*>(words.data()),
                      static_cast<qsizetype>(words.size() * sizeof(quint32)));
}

// A painter whose drawing of a copy is a plain blend at whole pixels, as the style's own
// drawing there would be.
bool PlainPainter(const QPainter& painter) {
    return painter.transform().type() <= QTransform::TxTranslate && painter.transform().dx() == int(painter.transform().dx()) &&
           painter.transform().dy() == int(painter.transform().dy()) && painter.opacity() == 1.0 &&
           painter.compositionMode() == QPainter::CompositionMode_SourceOver && painter.device() != nullptr;
}

}  // namespace

PanelCacheStyle::PanelCacheStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

PanelCacheStyle* PanelCacheStyle::instance() {
    static QPointer<PanelCacheStyle> style;
    if (!style) {
        style = new PanelCacheStyle;
        style->setParent(qApp);
    }
    return style;
}

void PanelCacheStyle::setCaching(bool on) { cachingOn = on; }
bool PanelCacheStyle::caching() { return cachingOn; }

void PanelCacheStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                    const QWidget* widget) const {
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    if (element != PE_PanelLineEdit || !frame || !cachingOn || !PlainPainter(*painter) || option->rect.isEmpty()) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const qreal dpr = painter->device()->devicePixelRatio();
    bool cacheable = false;
    QByteArray look = LookOf(*frame, dpr, &cacheable);
    if (!cacheable) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    static QHash<QByteArray, QImage> looks;
    auto found = looks.constFind(look);
    if (found == looks.constEnd()) {
        QImage image(option->rect.size() * dpr, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(dpr);
        image.fill(Qt::transparent);
        QStyleOptionFrame at00 = *frame;
        at00.rect.moveTo(0, 0);
        QPainter imagePainter(&image);
        imagePainter.setRenderHints(painter->renderHints());
        QProxyStyle::drawPrimitive(element, &at00, &imagePainter, widget);
        imagePainter.end();
        if (looks.size() >= kMaxLooks) looks.clear();
        found = looks.insert(look, image);
    }
    painter->drawImage(option->rect.topLeft(), *found);
}

}  // namespace ui::qt
