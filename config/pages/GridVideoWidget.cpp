#include "GridVideoWidget.h"

#include <QDebug>
#include <QMouseEvent>
#include <QTimer>

namespace {

// Cells wait off-screen until the queued layout pass places them.
const QPoint kParkedCell(-1000, -1000);
constexpr int kCellBorderWidth = 4;
// A burst of resizes (a window being dragged larger) settles before the cells follow.
constexpr int kRelayoutDelayMs = 300;
// No camera offers finer grids; larger counts are refused rather than made into widgets.
constexpr int kMaxGridSide = 64;

}  // namespace

GridVideoWidget::GridVideoWidget(QWidget* parent) : VideoSurface(parent) {}

void GridVideoWidget::setGrid(int newRows, int newCols, const QBitArray& bits) {
    if (newRows == rows && newCols == cols) {
        return;
    }
    rows = newRows;
    cols = newCols;
    for (const QPointer<Overlay>& cell : cells) {
        delete cell.data();
    }
    cells.clear();
    const bool possible = rows > 0 && cols > 0 && rows <= kMaxGridSide && cols <= kMaxGridSide;
    const int count = possible ? rows * cols : 0;
    const bool useBits = bits.size() == count;
    for (int k = 0; k < count; ++k) {
        auto* cell = new Overlay(this);
        cell->move(kParkedCell);
        cell->setBorderWidth(kCellBorderWidth);
        cell->defaultColor = Qt::red;
        cell->setVisible(!useBits || bits.testBit(k));
        cells.append(cell);
    }
    QMetaObject::invokeMethod(this, "resizeGrid", Qt::QueuedConnection);
}

QBitArray GridVideoWidget::selectedCells(int* rowCount, int* colCount) const {
    if (rowCount != nullptr) {
        *rowCount = rows;
    }
    if (colCount != nullptr) {
        *colCount = cols;
    }
    QBitArray bits(cells.size());
    for (int k = 0; k < cells.size(); ++k) {
        bits.setBit(k, cells[k] && cells[k]->isVisible());
    }
    return bits;
}

void GridVideoWidget::resizeGrid() {
    if (cols < 1 || rows < 1) {
        return;
    }
    const double cw = static_cast<double>(width()) / cols;
    const double ch = static_cast<double>(height()) / rows;
    int k = 0;
    for (int c = 0; c < cols; ++c) {
        for (int r = 0; r < rows && k < cells.size(); ++r, ++k) {
            if (cells[k]) {
                cells[k]->setGeometry(
                    QRectF(c * cw, r * ch, cw, ch).adjusted(1, 1, -2, -2).toRect());
            }
        }
    }
}

void GridVideoWidget::resizeEvent(QResizeEvent*) {
    QTimer::singleShot(kRelayoutDelayMs, this, &GridVideoWidget::resizeGrid);
}

// Hidden cells keep their geometry, so a click finds them and shows them again.
void GridVideoWidget::mouseReleaseEvent(QMouseEvent* event) {
    qDebug() << "grid click at" << event->pos();
    for (const QPointer<Overlay>& cell : cells) {
        if (cell && cell->rect().contains(cell->mapFrom(this, event->pos()))) {
            cell->setVisible(!cell->isVisible());
            return;
        }
    }
}
