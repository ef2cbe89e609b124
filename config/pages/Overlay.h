// A translucent coloured frame (or block) over the live picture: a grid cell, a region of
// interest, a detection region. Only the frame is painted; the video shows through.
#pragma once

#include <QColor>
#include <QPolygonF>
#include <QWidget>

class Overlay : public QWidget {
    Q_OBJECT

public:
    explicit Overlay(QWidget* parent = nullptr);
    Overlay(int id, QWidget* parent);

    // Repaints when the width changes; the visible frame follows at the next resize.
    void setBorderWidth(int width);
    int borderWidth() const { return borderWidth_; }

    // Read and written by the owners.
    int id = 0;
    bool filled = false;
    QColor defaultColor = Qt::red;
    QColor alarmColor = Qt::black;  // carried for the owner, not drawn
    QPolygonF polygon;              // carried for the owner, not drawn

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int borderWidth_ = 8;
};
