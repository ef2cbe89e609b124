#include "BoxItem.h"

#include <QCursor>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QKeyEvent>
#include <QTransform>

#include "ItemNotifications.h"

namespace {
bool withinSizeRange(const QSizeF& size) {
    const auto inRange = [](double side) {
        return side >= 0.0 && side <= RecordLimits::kMaxItemSize;
    };
    return inRange(size.width()) && inRange(size.height());
}
}  // namespace

BoxItem::BoxItem(const QRect& rect, QGraphicsScene* scene) : QObject(), QGraphicsRectItem() {
    width = rect.width();
    height = rect.height();
    setFlags(ItemIsMovable | ItemIsSelectable | ItemIsFocusable | ItemSendsGeometryChanges);
    setPos(rect.center());
    setRect(QRectF(-width / 2.0, -height / 2.0, width, height));
    scene->clearSelection();
    scene->addItem(this);
    setSelected(true);
    setFocus(Qt::OtherFocusReason);
}

BoxRecord BoxItem::record() const {
    return BoxRecord{pos(), rotationAngle, width, height, zValue(), rect(), pen(), brush()};
}

void BoxItem::apply(const BoxRecord& record) {
    setPos(record.pos);
    applyAngle(record.angle);
    setZValue(record.z);
    setRectangle(record.rect);
    QGraphicsRectItem::setPen(record.pen);
    QGraphicsRectItem::setBrush(record.brush);
}

void BoxItem::setPen(const QPen& newPen) {
    if (isSelected() && newPen != pen()) {
        QGraphicsRectItem::setPen(newPen);
        emit dirty();
    }
}

void BoxItem::setBrush(const QBrush& newBrush) {
    if (isSelected() && newBrush != brush()) {
        QGraphicsRectItem::setBrush(newBrush);
        emit dirty();
    }
}

void BoxItem::setAngle(double newAngle) {
    if (isSelected() && !qFuzzyCompare(newAngle, rotationAngle)) {
        applyAngle(newAngle);
    }
}

// A resize is a change of the document like any other, so it marks the document modified.
void BoxItem::setShear(int newWidth, int newHeight) {
    if (!isSelected() || (newWidth == width && newHeight == height)) {
        return;
    }
    QRectF resized = rect();
    resized.setSize(QSizeF(newWidth, newHeight));
    setRectangle(resized);
    if (scene()) {
        scene()->update();
    }
    emit dirty();
}

QVariant BoxItem::itemChange(GraphicsItemChange change, const QVariant& value) {
    if (ItemNotifications::marksDocument(change)) {
        emit dirty();
    }
    return QGraphicsRectItem::itemChange(change, value);
}

void BoxItem::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool shift = modifiers & Qt::ShiftModifier;
    const bool ctrl = modifiers & Qt::ControlModifier;
    const int key = event->key();
    const bool arrow =
        key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
    if (!arrow || (!shift && !ctrl)) {
        QGraphicsRectItem::keyPressEvent(event);
        return;
    }
    const int step = (key == Qt::Key_Left || key == Qt::Key_Up) ? -1 : 1;
    const bool horizontal = key == Qt::Key_Left || key == Qt::Key_Right;
    QRectF adjusted = rect();
    // Shift alone resizes by the right or bottom edge; Ctrl moves the box inside the item.
    if (horizontal) {
        adjusted.adjust(ctrl ? step : 0, 0, step, 0);
    } else {
        adjusted.adjust(0, ctrl ? step : 0, 0, step);
    }
    event->accept();
    // A resize stops at the sizes the Geometry dock offers instead of turning the box inside out.
    if (!withinSizeRange(adjusted.size())) {
        return;
    }
    setRectangle(adjusted);
    emit dirty();
}

void BoxItem::mousePressEvent(QGraphicsSceneMouseEvent* event) {
    if (event->modifiers() & Qt::ShiftModifier) {
        resizing = true;
        setCursor(Qt::SizeFDiagCursor);
        return;
    }
    QGraphicsRectItem::mousePressEvent(event);
}

void BoxItem::mouseMoveEvent(QGraphicsSceneMouseEvent* event) {
    if (!resizing) {
        QGraphicsRectItem::mouseMoveEvent(event);
        return;
    }
    const QPointF delta = event->pos() - event->lastPos();
    QRectF resized = rect();
    resized.adjust(0, 0, delta.x(), delta.y());
    setRectangle(resized.normalized());
    if (scene()) {
        scene()->update();
    }
}

void BoxItem::mouseReleaseEvent(QGraphicsSceneMouseEvent* event) {
    if (!resizing) {
        QGraphicsRectItem::mouseReleaseEvent(event);
        return;
    }
    resizing = false;
    setCursor(Qt::ArrowCursor);
    emit dirty();
}

void BoxItem::setRectangle(const QRectF& newRect) {
    setRect(newRect);
    const QRect rounded = newRect.toRect();
    width = rounded.width();
    height = rounded.height();
}

// A fresh rotation replaces the previous transform instead of adding to it.
void BoxItem::applyAngle(double newAngle) {
    rotationAngle = newAngle;
    setTransform(QTransform().rotate(newAngle));
}
