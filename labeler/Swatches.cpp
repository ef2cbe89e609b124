#include "Swatches.h"

#include <QPainter>
#include <QPixmapCache>

namespace {

QString cacheKey(const char* kind, int style, const QColor& color, const QSize& size) {
    return QString("%1:%2:%3:%4x%5")
        .arg(kind)
        .arg(style)
        .arg(color.name())
        .arg(size.width())
        .arg(size.height());
}

// The swatch under key from the pixmap cache, painted onto a transparent pixmap the first time.
template <typename Paint>
QPixmap cachedSwatch(const QString& key, const QSize& size, Paint paint) {
    QPixmap pixmap(size);
    if (QPixmapCache::find(key, &pixmap)) {
        return pixmap;
    }
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paint(painter);
    painter.end();
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

}  // namespace

QPixmap brushStyleSwatch(Qt::BrushStyle style, const QColor& color, const QSize& size) {
    return cachedSwatch(cacheKey("BRUSHSTYLESWATCH", style, color, size), size,
                        [&](QPainter& painter) {
                            painter.setRenderHint(QPainter::Antialiasing);
                            painter.setPen(Qt::NoPen);
                            painter.setBrush(QBrush(color, style));
                            painter.drawRect(0, 0, size.width(), size.height());
                        });
}

QPixmap penStyleSwatch(Qt::PenStyle style, const QColor& color, const QSize& size) {
    return cachedSwatch(cacheKey("PENSTYLESWATCH", style, color, size), size,
                        [&](QPainter& painter) {
                            QPen pen(style);
                            pen.setColor(color);
                            pen.setWidth(2);
                            painter.setPen(pen);
                            const int middle = size.height() / 2;
                            painter.drawLine(0, middle, size.width(), middle);
                        });
}
