#include "GraphicsView.h"

#include <QWheelEvent>
#include <cmath>

namespace {
const double kZoomStep = 1.1;
// One wheel notch (120 eighths of a degree) scales by the square root of this base.
const double kWheelZoomBase = 4.0 / 3.0;
const double kWheelDeltaPerPower = 240.0;
// The default page, 288 pt square, at twice its size.
const QSize kMinimumSize(576, 576);
}  // namespace

GraphicsView::GraphicsView(QGraphicsScene* scene, QWidget* parent) : QGraphicsView(scene, parent) {
    setDragMode(QGraphicsView::RubberBandDrag);
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
}

void GraphicsView::zoomIn() {
    scale(kZoomStep, kZoomStep);
}

void GraphicsView::zoomOut() {
    scale(1 / kZoomStep, 1 / kZoomStep);
}

void GraphicsView::zoomFitView() {
    fitInView(sceneRect(), Qt::KeepAspectRatio);
}

QSize GraphicsView::minimumSizeHint() const {
    return kMinimumSize;
}

void GraphicsView::wheelEvent(QWheelEvent* event) {
    const double factor = std::pow(kWheelZoomBase, -event->angleDelta().y() / kWheelDeltaPerPower);
    scale(factor, factor);
    event->accept();
}
