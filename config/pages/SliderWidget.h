#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>

class QWidget;

// Event filter that lets the user move a segment label of a day ruler and stretch it by its
// left or right edge. It reports every drag step (Slots_Move) and the release (Slots_Hide);
// the ruler merges and frees segments on the release.
class SliderWidget : public QObject {
    Q_OBJECT

public:
    explicit SliderWidget(QObject* parent = nullptr);

    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void Slots_Move(QWidget* widget);
    void Slots_Hide(QWidget* widget);

public slots:
    void setPadding(int padding);
    void setMoveEnable(bool moveEnable);
    void setResizeEnable(bool resizeEnable);
    void setMousePressed(bool mousePressed);
    // Installs the filter on widget and turns on its mouse tracking and hover events.
    void setWidget(QWidget* widget);

private:
    // Edges that can be held; only the left and right ones of a segment are used.
    enum Edge { LeftEdge, RightEdge, EdgeCount = 8 };

    void onResize();
    void onPress(const QPoint& position);
    void onHoverMove(const QPoint& position);
    void onRelease(const QPoint& position);
    void moveInsideParent(const QPoint& delta);
    void resizeByEdge(const QPoint& delta);
    bool onEdgeHandle(const QPoint& position) const;

    int padding = 8;  // width of an edge handle and its inset from the top and bottom
    bool moveEnable = true;
    bool resizeEnable = true;
    QWidget* widget = nullptr;
    bool mousePressed = false;  // the press landed inside, away from the edges
    QPoint pressPoint;          // in widget coordinates
    QRect pressGeometry;
    bool edgeHeld[EdgeCount] = {};
    QRect edgeRect[EdgeCount];
};
