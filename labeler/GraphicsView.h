#pragma once

#include <QGraphicsView>

// The canvas: rubber-band selection, antialiased drawing and zooming, never wheel scrolling.
class GraphicsView : public QGraphicsView {
    Q_OBJECT

public:
    GraphicsView(QGraphicsScene* scene, QWidget* parent = nullptr);

public slots:
    void zoomIn();
    void zoomOut();
    void zoomFitView();
    // Twice the default page, so that a label is comfortable to edit from the first start;
    // larger pages scroll instead of stretching the window beyond the screen.
    QSize minimumSizeHint() const override;

protected:
    void wheelEvent(QWheelEvent* event) override;
};
