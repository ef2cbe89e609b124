#include "picture_geometry.h"

#include <QWidget>

namespace {

// Where the picture lands in a view of width x height: its drawn size and its offset.
struct DrawnArea {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
};

bool drawable(const QWidget* view, const QSize& picture) {
    return view != nullptr && picture.width() > 0 && picture.height() > 0 && view->width() > 0 &&
           view->height() > 0;
}

DrawnArea drawnArea(const QWidget* view, const QSize& picture) {
    const double viewWidth = view->width();
    const double viewHeight = view->height();
    const double pictureAspect = double(picture.width()) / picture.height();
    DrawnArea area;
    if (viewWidth / viewHeight >= pictureAspect) {  // bars left and right
        area.width = viewHeight * pictureAspect;
        area.height = viewHeight;
        area.x = (viewWidth - area.width) * 0.5;
    } else {  // bars above and below
        area.width = viewWidth;
        area.height = viewWidth / pictureAspect;
        area.y = (viewHeight - area.height) * 0.5;
    }
    return area;
}

}  // namespace

QPoint mapPercentToWidget(QWidget* view, const QSize& picture, const QPointF& percent) {
    if (!drawable(view, picture)) {
        return QPoint();
    }
    const DrawnArea area = drawnArea(view, picture);
    // Truncation toward zero, as int conversion does.
    return QPoint(int(percent.x() * area.width / 100 + area.x),
                  int(percent.y() * area.height / 100 + area.y));
}

QPointF mapWidgetToPercent(QWidget* view, const QSize& picture, const QPoint& pixel) {
    if (!drawable(view, picture)) {
        return QPointF();
    }
    const DrawnArea area = drawnArea(view, picture);
    return QPointF((pixel.x() - area.x) * 100 / area.width,
                   (pixel.y() - area.y) * 100 / area.height);
}
