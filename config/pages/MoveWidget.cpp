#include "MoveWidget.h"

#include <QMouseEvent>
#include <QWidget>

namespace {

// Pixels of the widget that stay inside its parent on the left and top, and how far its
// top-left corner stays inside the parent's right and bottom edges.
constexpr int kKeepInside = 20;

}  // namespace

MoveWidget::MoveWidget(QObject* parent) : QObject(parent) {}

void MoveWidget::setLeftButton(bool left) {
    leftButton = left;
}

void MoveWidget::setInControl(bool keepInside) {
    inControl = keepInside;
}

void MoveWidget::setWidget(QWidget* target) {
    if (widget == nullptr && target != nullptr) {
        widget = target;
        widget->installEventFilter(this);
    }
}

bool MoveWidget::eventFilter(QObject* watched, QEvent* event) {
    if (widget == nullptr || watched != widget) {
        return false;
    }
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            press(static_cast<QMouseEvent*>(event));
            break;
        case QEvent::MouseMove:
            if (pressed) {
                moveTo(static_cast<QMouseEvent*>(event)->pos());
            }
            break;
        case QEvent::MouseButtonRelease:
            if (pressed) {
                pressed = false;
                emit widgetReleased(widget, static_cast<QMouseEvent*>(event));
            }
            break;
        default:
            break;
    }
    return false;
}

void MoveWidget::press(QMouseEvent* event) {
    if (leftButton && event->button() != Qt::LeftButton) {
        return;
    }
    if (widget->rect().contains(event->pos())) {
        lastPoint = event->pos();
        pressed = true;
    }
}

void MoveWidget::moveTo(const QPoint& pos) {
    const int x = widget->x() + (pos.x() - lastPoint.x());
    const int y = widget->y() + (pos.y() - lastPoint.y());
    if (inControl && !keepsInside(x, y)) {
        return;
    }
    widget->move(x, y);
}

bool MoveWidget::keepsInside(int x, int y) const {
    if (widget->width() + x < kKeepInside || widget->height() + y < kKeepInside) {
        return false;
    }
    const QWidget* parent = widget->parentWidget();
    return parent == nullptr ||
           (parent->width() - x >= kKeepInside && parent->height() - y >= kKeepInside);
}
