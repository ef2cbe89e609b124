#pragma once

#include <QPen>
#include <QPointer>
#include <QWidget>

class QComboBox;
class QSpinBox;

// The "Pen (Outline)" dock: outline width and style of the selected boxes.
class PenWidget : public QWidget {
    Q_OBJECT

public:
    explicit PenWidget(QWidget* parent = nullptr);

    QPen pen() const { return currentPen; }

signals:
    // A user edit: the dock's whole pen, with the chosen width or style.
    void penChanged(const QPen& pen);

public slots:
    // Shows the pen of a selected item. Never emits penChanged: a width or style the controls
    // cannot show (fractional, wider than the box allows, not in the list) must not come back
    // altered onto the item.
    void setPen(const QPen& pen);

private slots:
    void updateWidth(int value);
    void updateLineStyle(int index);

private:
    QPointer<QSpinBox> widthSpinBox;
    QPointer<QComboBox> styleComboBox;
    QPen currentPen;
};
