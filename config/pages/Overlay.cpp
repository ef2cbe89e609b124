#include "Overlay.h"

#include <QBitmap>
#include <QPainter>

Overlay::Overlay(QWidget* parent) : Overlay(0, parent) {}

Overlay::Overlay(int overlayId, QWidget* parent) : QWidget(parent), id(overlayId) {}

void Overlay::setBorderWidth(int width) {
    if (width != borderWidth_) {
        borderWidth_ = width;
        update();
    }
}

void Overlay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QBrush(defaultColor));
}

// The mask lets only the frame (or, when filled, the whole block) show: the stroke's inner
// half lies inside the widget.
void Overlay::resizeEvent(QResizeEvent*) {
    QBitmap shape(size());
    shape.fill(Qt::color0);
    QPainter painter(&shape);
    painter.setPen(QPen(Qt::color1, borderWidth_));
    painter.setBrush(filled ? QBrush(Qt::color1) : QBrush(Qt::NoBrush));
    painter.drawRect(rect());
    painter.end();
    setMask(shape);
}
