#pragma once

#include <QPoint>
#include <QPointF>
#include <QSize>

class QWidget;

// The camera picture is drawn in a view scaled to fit, aspect ratio kept, centred (bars on
// two sides). These convert between a point in percent of the picture and a pixel of the
// view. Percents are not clamped: a point on a bar lies below 0 or above 100. An empty view
// or picture has no drawn area, and everything maps to the origin.
QPoint mapPercentToWidget(QWidget* view, const QSize& picture, const QPointF& percent);
QPointF mapWidgetToPercent(QWidget* view, const QSize& picture, const QPoint& pixel);
