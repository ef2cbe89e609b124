#include "LabelGrid.h"

#include <QGraphicsItemGroup>
#include <QGraphicsLineItem>
#include <QPen>
#include <cmath>
#include <limits>

namespace LabelGrid {

namespace {
// Half an inch in points.
const int kSpacing = 36;
const QColor kLineColor(175, 175, 175, 255);
// The lines lie below every item the user can make.
const double kVerticalLineZ = std::numeric_limits<int>::min();
const double kHorizontalLineZ = -1000.0;
}  // namespace

QGraphicsItemGroup* build(const QRectF& sceneRect) {
    const QPen pen(kLineColor);
    auto* group = new QGraphicsItemGroup;
    // The lines' own z values order them within the group only; the group itself must lie under
    // the items, also when it is built again after they were placed.
    group->setZValue(kVerticalLineZ);
    const int maxX = int(std::ceil(sceneRect.width()) / kSpacing) * kSpacing;
    const int maxY = int(std::ceil(sceneRect.height()) / kSpacing) * kSpacing;
    for (int x = 0; x <= maxX; x += kSpacing) {
        auto* line = new QGraphicsLineItem(x, 0, x, maxY);
        line->setPen(pen);
        line->setZValue(kVerticalLineZ);
        group->addToGroup(line);
    }
    for (int y = 0; y <= maxY; y += kSpacing) {
        auto* line = new QGraphicsLineItem(0, y, maxX, y);
        line->setPen(pen);
        line->setZValue(kHorizontalLineZ);
        group->addToGroup(line);
    }
    return group;
}

}  // namespace LabelGrid
