#pragma once

#include <QColor>
#include <QPixmap>
#include <QSize>
#include <Qt>

// Small pictures of brush and pen styles for the style lists of the property docks. Each picture
// is drawn once per style, colour and size and then taken from the application's pixmap cache.
namespace Swatches {

// Every entry of the dock style lists is this large.
const QSize kSize(24, 24);

}  // namespace Swatches

QPixmap brushStyleSwatch(Qt::BrushStyle style, const QColor& color, const QSize& size);
QPixmap penStyleSwatch(Qt::PenStyle style, const QColor& color, const QSize& size);
