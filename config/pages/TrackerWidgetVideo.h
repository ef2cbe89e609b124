// The live picture of a configuration page on which the user draws rectangles with a
// rubber band. While a mask or region limit is reached it ignores the mouse entirely.
#pragma once

#include <QRubberBand>

#include "VideoSurface.h"

class TrackerWidgetVideo : public VideoSurface {
    Q_OBJECT

public:
    explicit TrackerWidgetVideo(QWidget* parent = nullptr);

    bool maskLimitReached() const { return maskLimitReached_; }
    void setMaskLimitReached(bool reached) { maskLimitReached_ = reached; }
    bool roiLimitReached() const { return roiLimitReached_; }
    void setRoiLimitReached(bool reached) { roiLimitReached_ = reached; }

signals:
    // The drawn rectangle in this widget's pixels, normalized.
    void mouseReleased(QRect rect);
    // Emitted before the widget's own resize handling; rect() already has the new size.
    void videoWidgetResized(QResizeEvent* event);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool locked() const { return maskLimitReached_ || roiLimitReached_; }

    QRubberBand* rubberBand_;
    QPoint origin_;
    bool maskLimitReached_ = false;
    bool roiLimitReached_ = false;
};
