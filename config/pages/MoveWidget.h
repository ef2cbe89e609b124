// Lets the user move a widget with the mouse while keeping it inside its parent. The filter
// never consumes an event and reports the release that ends an accepted move.
#pragma once

#include <QObject>
#include <QPoint>

class QMouseEvent;
class QWidget;

class MoveWidget : public QObject {
    Q_OBJECT

public:
    explicit MoveWidget(QObject* parent = nullptr);

public slots:
    void setLeftButton(bool leftButton);
    void setInControl(bool inControl);
    // Takes effect only while no widget is set yet; later calls are ignored.
    void setWidget(QWidget* widget);

signals:
    void widgetReleased(QWidget* widget, QMouseEvent* event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void press(QMouseEvent* event);
    void moveTo(const QPoint& pos);
    bool keepsInside(int x, int y) const;

    QPoint lastPoint;
    bool pressed = false;
    bool leftButton = true;
    bool inControl = true;
    QWidget* widget = nullptr;
};
