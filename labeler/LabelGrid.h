#pragma once

#include <QRectF>

class QGraphicsItemGroup;

// The light grey half-inch grid drawn over the page while editing. It is never written to
// documents nor rendered into printed or exported labels.
namespace LabelGrid {

// A new group of grid lines covering the scene rectangle, not yet on any scene.
QGraphicsItemGroup* build(const QRectF& sceneRect);

}  // namespace LabelGrid
