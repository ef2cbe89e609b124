#pragma once

#include <QGraphicsItem>

namespace ItemNotifications {

// The moves and transforms of a label item that change the document.
inline bool marksDocument(QGraphicsItem::GraphicsItemChange change) {
    return change == QGraphicsItem::ItemPositionChange ||
           change == QGraphicsItem::ItemTransformChange ||
           change == QGraphicsItem::ItemPositionHasChanged ||
           change == QGraphicsItem::ItemTransformHasChanged;
}

}  // namespace ItemNotifications
