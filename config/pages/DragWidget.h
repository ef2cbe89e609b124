// Lets the user move a widget with the mouse and resize it by eight border handles. The
// filter lives as the widget's child, never consumes an event, and reports every release.
#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <array>

class QMouseEvent;
class QWidget;

class DragWidget : public QObject {
    Q_OBJECT

public:
    // Handles in the order every hit test walks them; the first hit wins.
    enum Handle { Left, Right, Top, Bottom, TopLeft, TopRight, BottomLeft, BottomRight, Count };

    explicit DragWidget(QWidget* target);

    // The handle rectangles in the widget's coordinates (empty before its first resize).
    QRect handleRect(int handle) const { return handleRects[handle]; }

signals:
    void widgetReleased(QWidget* widget, QMouseEvent* event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int handleAt(const QPoint& pos) const;
    void layOutHandles();
    void press(const QPoint& pos);
    void hoverMove(const QPoint& pos);
    void resizeBy(int handle, int dx, int dy);
    void release(QMouseEvent* event);

    int handleWidth = 8;
    bool moveEnable = true;
    bool resizeEnable = true;
    QWidget* widget = nullptr;
    bool pressed = false;
    QPoint lastPos;
    QRect rectAtPress;
    std::array<bool, Count> pressedArea{};
    std::array<QRect, Count> handleRects{};
};
