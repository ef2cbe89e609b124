#include "TrackerWidgetVideo.h"

#include <QMouseEvent>

TrackerWidgetVideo::TrackerWidgetVideo(QWidget* parent)
    : VideoSurface(parent), rubberBand_(new QRubberBand(QRubberBand::Rectangle, this)) {}

void TrackerWidgetVideo::mousePressEvent(QMouseEvent* event) {
    if (locked()) {
        return;
    }
    origin_ = event->pos();
    rubberBand_->setGeometry(QRect(origin_, QSize()));
    rubberBand_->show();
}

void TrackerWidgetVideo::mouseMoveEvent(QMouseEvent* event) {
    if (locked()) {
        return;
    }
    rubberBand_->setGeometry(QRect(origin_, event->pos()).normalized());
}

void TrackerWidgetVideo::mouseReleaseEvent(QMouseEvent* event) {
    if (locked()) {
        return;
    }
    rubberBand_->hide();
    emit mouseReleased(QRect(origin_, event->pos()).normalized());
}

void TrackerWidgetVideo::resizeEvent(QResizeEvent* event) {
    emit videoWidgetResized(event);
    VideoSurface::resizeEvent(event);
}
