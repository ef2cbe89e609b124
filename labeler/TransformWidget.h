#pragma once

#include <QPointer>
#include <QWidget>

class QDoubleSpinBox;
class QSpinBox;

// The "Geometry" dock: angle, width and height of the selected boxes and QR codes. Width and
// height carry the item property names shearHorizontal and shearVertical.
class TransformWidget : public QWidget {
    Q_OBJECT

public:
    explicit TransformWidget(QWidget* parent = nullptr);

    // Show a selected item's values without emitting anything, so that loading a selection
    // never changes an item.
    void setAngle(double angle);
    void setShear(int shearHorizontal, int shearVertical);

signals:
    void angleChanged(double angle);
    void shearChanged(int shearHorizontal, int shearVertical);

private slots:
    void updateShear();

private:
    QSpinBox* createSizeSpinBox(const QString& objectName, const QString& suffix);

    QPointer<QDoubleSpinBox> angleSpinBox;
    QPointer<QSpinBox> shearHorizontalSpinBox;
    QPointer<QSpinBox> shearVerticalSpinBox;
};
