#include "SliderWidget.h"

#include <QEvent>
#include <QHoverEvent>
#include <QMouseEvent>
#include <QWidget>

SliderWidget::SliderWidget(QObject* parent) : QObject(parent) {}

void SliderWidget::setPadding(int value) {
    padding = value;
}

void SliderWidget::setMoveEnable(bool value) {
    moveEnable = value;
}

void SliderWidget::setResizeEnable(bool value) {
    resizeEnable = value;
}

void SliderWidget::setMousePressed(bool value) {
    mousePressed = value;
}

void SliderWidget::setWidget(QWidget* value) {
    widget = value;
    widget->setMouseTracking(true);
    widget->setAttribute(Qt::WA_Hover, true);
    widget->installEventFilter(this);
}

bool SliderWidget::eventFilter(QObject* watched, QEvent* event) {
    if (watched != widget || widget == nullptr || !moveEnable) {
        return false;
    }
    switch (event->type()) {
        case QEvent::Resize:
            onResize();
            break;
        case QEvent::MouseButtonPress:
            onPress(static_cast<QMouseEvent*>(event)->pos());
            break;
        case QEvent::HoverMove:
            onHoverMove(static_cast<QHoverEvent*>(event)->pos());
            break;
        case QEvent::MouseButtonRelease:
            onRelease(static_cast<QMouseEvent*>(event)->pos());
            break;
        default:
            break;
    }
    // The label and the ruler under it see every event as well.
    return false;
}

void SliderWidget::onResize() {
    const int width = widget->width();
    const int height = widget->height();
    edgeRect[LeftEdge] = QRect(0, padding, padding, height - 2 * padding);
    edgeRect[RightEdge] = QRect(width - padding, padding, padding, height - 2 * padding);
}

void SliderWidget::onPress(const QPoint& position) {
    pressPoint = position;
    pressGeometry = widget->geometry();
    if (edgeRect[LeftEdge].contains(position)) {
        edgeHeld[LeftEdge] = true;
    } else if (edgeRect[RightEdge].contains(position)) {
        edgeHeld[RightEdge] = true;
    } else {
        mousePressed = true;
    }
}

bool SliderWidget::onEdgeHandle(const QPoint& position) const {
    return edgeRect[LeftEdge].contains(position) || edgeRect[RightEdge].contains(position);
}

void SliderWidget::onHoverMove(const QPoint& position) {
    if (resizeEnable) {
        widget->setCursor(onEdgeHandle(position) ? Qt::SizeHorCursor : Qt::OpenHandCursor);
    }
    const QPoint delta = position - pressPoint;
    if (moveEnable && mousePressed) {
        moveInsideParent(delta);
        emit Slots_Move(widget);
    }
    if (resizeEnable) {
        resizeByEdge(delta);
    }
}

void SliderWidget::moveInsideParent(const QPoint& delta) {
    widget->move(widget->pos() + delta);
    const QWidget* parent = widget->parentWidget();
    if (parent == nullptr) {
        return;
    }
    QRect geometry = widget->geometry();
    if (geometry.left() <= 0) {
        geometry.moveLeft(0);
    }
    if (geometry.right() >= parent->width()) {
        geometry.moveLeft(parent->width() - geometry.width());
    }
    if (geometry.top() <= 0) {
        geometry.moveTop(0);
    }
    if (geometry.bottom() >= parent->height()) {
        geometry.moveTop(parent->height() - geometry.height());
    }
    widget->move(geometry.topLeft());
}

void SliderWidget::resizeByEdge(const QPoint& delta) {
    if (edgeHeld[LeftEdge]) {
        const int width = widget->width() - delta.x();
        if (widget->minimumWidth() > width) {
            return;
        }
        widget->setGeometry(widget->x() + delta.x(), pressGeometry.y(), width,
                            pressGeometry.height());
    } else if (edgeHeld[RightEdge]) {
        widget->setGeometry(pressGeometry.x(), pressGeometry.y(), pressGeometry.width() + delta.x(),
                            pressGeometry.height());
    } else {
        return;
    }
    emit Slots_Move(widget);
}

void SliderWidget::onRelease(const QPoint& position) {
    widget->setCursor(Qt::ArrowCursor);
    mousePressed = false;
    for (bool& held : edgeHeld) {
        held = false;
    }
    if (widget->width() == 0) {
        widget->hide();
        widget->setGeometry(0, 0, 0, widget->height());
    }
    // Dropped above the ruler: the segment is given up (the ruler frees it on Slots_Hide).
    if (position.y() <= 0) {
        widget->setGeometry(0, 0, 0, widget->height());
    }
    emit Slots_Hide(widget);
}
