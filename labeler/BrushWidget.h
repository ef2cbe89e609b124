#pragma once

#include <QBrush>
#include <QPointer>
#include <QWidget>

class QComboBox;

// The "Brush (Fill)" dock: the fill style of the selected boxes.
class BrushWidget : public QWidget {
    Q_OBJECT

public:
    explicit BrushWidget(QWidget* parent = nullptr);

    QBrush brush() const { return currentBrush; }

signals:
    // A user edit: the dock's whole brush, with the chosen style.
    void brushChanged(const QBrush& brush);

public slots:
    // Shows the brush of a selected item. Never emits brushChanged: loading a selection must not
    // change the item, even when its style is not in the list.
    void setBrush(const QBrush& brush);

private slots:
    void updateStyle(int index);

private:
    QBrush currentBrush;
    QPointer<QComboBox> styleComboBox;
};
