// The live picture with a grid of clickable cells over it, for choosing a detection area.
// Cell k lies in column k / rows and row k % rows; bit k of the selection is set when the
// cell is shown.
#pragma once

#include <QBitArray>
#include <QList>
#include <QPointer>

#include "Overlay.h"
#include "VideoSurface.h"

class GridVideoWidget : public VideoSurface {
    Q_OBJECT

public:
    explicit GridVideoWidget(QWidget* parent = nullptr);

    // Rebuilds the cells for a new shape; bits of the wrong size show every cell. The same
    // shape again changes nothing (not even the bits).
    void setGrid(int rows, int cols, const QBitArray& bits);
    // The shape through the pointers that are not null, and the bit of every shown cell.
    QBitArray selectedCells(int* rows, int* cols) const;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void resizeGrid();

private:
    int rows = 0;
    int cols = 0;
    QList<QPointer<Overlay>> cells;
};
