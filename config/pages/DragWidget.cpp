#include "DragWidget.h"

#include <QHoverEvent>
#include <QMouseEvent>
#include <QWidget>

namespace {

// The cursor over each handle, in handle order.
const Qt::CursorShape kHandleCursors[DragWidget::Count] = {
    Qt::SizeHorCursor,   Qt::SizeHorCursor,   Qt::SizeVerCursor,   Qt::SizeVerCursor,
    Qt::SizeFDiagCursor, Qt::SizeBDiagCursor, Qt::SizeBDiagCursor, Qt::SizeFDiagCursor};

}  // namespace

DragWidget::DragWidget(QWidget* target) : QObject(target) {
    widget = target;
    if (widget != nullptr) {
        widget->setAttribute(Qt::WA_MouseTracking);
        widget->installEventFilter(this);
        widget->setAttribute(Qt::WA_Hover);
    }
}

bool DragWidget::eventFilter(QObject* watched, QEvent* event) {
    if (widget == nullptr || watched != widget) {
        return false;
    }
    switch (event->type()) {
        case QEvent::Resize:
            layOutHandles();
            break;
        case QEvent::MouseButtonPress:
            press(static_cast<QMouseEvent*>(event)->pos());
            break;
        case QEvent::HoverMove:
            hoverMove(static_cast<QHoverEvent*>(event)->pos());
            break;
        case QEvent::MouseButtonRelease:
            release(static_cast<QMouseEvent*>(event));
            break;
        default:
            break;  // mouse moves too: all tracking is done on hover moves
    }
    return false;
}

int DragWidget::handleAt(const QPoint& pos) const {
    for (int handle = 0; handle < Count; ++handle) {
        if (handleRects[handle].contains(pos)) {
            return handle;
        }
    }
    return -1;
}

void DragWidget::layOutHandles() {
    const int w = widget->width();
    const int h = widget->height();
    const int p = handleWidth;
    handleRects = {QRect(0, p, p, h - 2 * p), QRect(w - p, p, p, h - 2 * p),
                   QRect(p, 0, w - 2 * p, p), QRect(p, h - p, w - 2 * p, p),
                   QRect(0, 0, p, p),         QRect(w - p, 0, p, p),
                   QRect(0, h - p, p, p),     QRect(w - p, h - p, p, p)};
}

void DragWidget::press(const QPoint& pos) {
    lastPos = pos;
    rectAtPress = widget->geometry();
    const int handle = handleAt(lastPos);
    if (handle >= 0) {
        pressedArea[handle] = true;
    } else {
        pressed = true;
    }
}

void DragWidget::hoverMove(const QPoint& pos) {
    if (resizeEnable) {
        const int handle = handleAt(pos);
        widget->setCursor(handle >= 0 ? kHandleCursors[handle] : Qt::ArrowCursor);
    }
    const int dx = pos.x() - lastPos.x();
    const int dy = pos.y() - lastPos.y();
    if (moveEnable && pressed) {
        widget->move(widget->x() + dx, widget->y() + dy);
    }
    if (resizeEnable) {
        for (int handle = 0; handle < Count; ++handle) {
            if (pressedArea[handle]) {
                resizeBy(handle, dx, dy);
                break;
            }
        }
    }
}

// Left and top edges move the widget, so the hover position is measured against the moved
// widget and each step keeps the edge under the mouse; right and bottom edges follow from
// the geometry at the press.
void DragWidget::resizeBy(int handle, int dx, int dy) {
    const QRect& at = rectAtPress;
    const int minW = widget->minimumWidth();
    const int minH = widget->minimumHeight();
    const int w = widget->width() - dx;
    switch (handle) {
        case Left:
            if (minW <= w) {
                widget->setGeometry(widget->x() + dx, at.y(), w, at.height());
            }
            break;
        case Right:
            widget->setGeometry(at.x(), at.y(), at.width() + dx, at.height());
            break;
        case Top:
            if (minH <= widget->height() - dy) {
                widget->setGeometry(at.x(), widget->y() + dy, at.width(), widget->height() - dy);
            }
            break;
        case Bottom:
            widget->setGeometry(at.x(), at.y(), at.width(), at.height() + dy);
            break;
        case TopLeft: {
            const int h = widget->height() - dy;
            if (minW <= w) {
                widget->setGeometry(widget->x() + dx, widget->y(), w, h);
            }
            if (minH <= h) {
                widget->setGeometry(widget->x(), widget->y() + dy, w, h);
            }
            break;
        }
        case TopRight: {
            const int h = widget->height() - dy;
            if (minH <= h) {
                widget->setGeometry(widget->x(), widget->y() + dy, at.width() + dx, h);
            }
            break;
        }
        case BottomLeft: {
            const int h = at.height() + dy;
            if (minW <= w) {
                widget->setGeometry(widget->x() + dx, widget->y(), w, h);
            }
            if (minH <= h) {
                widget->setGeometry(widget->x(), widget->y(), w, h);
            }
            break;
        }
        case BottomRight:
            widget->setGeometry(widget->x(), widget->y(), at.width() + dx, at.height() + dy);
            break;
    }
}

void DragWidget::release(QMouseEvent* event) {
    widget->setCursor(Qt::ArrowCursor);
    pressed = false;
    pressedArea.fill(false);
    emit widgetReleased(widget, event);
}
