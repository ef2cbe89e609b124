// The grid of detection cells and the overlay frame on real widgets: cell order and
// layout, toggling by clicks, the shape rule of setGrid, and the overlay's frame mask.
#include <QBitmap>
#include <QSignalSpy>
#include <QTest>

#include "GridVideoWidget.h"
#include "Overlay.h"

namespace {

QBitArray bitsOf(const char* pattern) {
    QBitArray bits(int(strlen(pattern)));
    for (int k = 0; k < bits.size(); ++k) {
        bits.setBit(k, pattern[k] == '1');
    }
    return bits;
}

QString patternOf(const QBitArray& bits) {
    QString text;
    for (int k = 0; k < bits.size(); ++k) {
        text += bits.testBit(k) ? '1' : '0';
    }
    return text;
}

QRect cellRect(int column, int row) {
    // 300 x 200 widget, 2 rows and 3 columns: 100 x 100 cells.
    return QRectF(column * 100.0, row * 100.0, 100, 100).adjusted(1, 1, -2, -2).toRect();
}

}  // namespace

class GridAndOverlayTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        grid_ = new GridVideoWidget;
        grid_->resize(300, 200);
        grid_->show();
        QVERIFY(QTest::qWaitForWindowExposed(grid_));
    }
    void cleanup() { delete grid_; }

    void cellsAreLaidOutColumnByColumn() {
        grid_->setGrid(2, 3, bitsOf("101101"));
        const QList<Overlay*> cells = grid_->findChildren<Overlay*>();
        QCOMPARE(cells.size(), 6);
        QTRY_COMPARE(cells[1]->geometry(), cellRect(0, 1));
        QCOMPARE(cells[2]->geometry(), cellRect(1, 0));
        QCOMPARE(cells[5]->geometry(), cellRect(2, 1));
        int rows = 0, cols = 0;
        QCOMPARE(patternOf(grid_->selectedCells(&rows, &cols)), QString("101101"));
        QCOMPARE(rows, 2);
        QCOMPARE(cols, 3);
        QCOMPARE(cells[0]->borderWidth(), 4);
    }

    void bitsOfTheWrongSizeShowEveryCell() {
        grid_->setGrid(2, 3, bitsOf("10101"));
        QCOMPARE(patternOf(grid_->selectedCells(nullptr, nullptr)), QString("111111"));
    }

    void theSameShapeKeepsTheCells() {
        grid_->setGrid(2, 3, bitsOf("111111"));
        grid_->setGrid(2, 3, bitsOf("000000"));
        QCOMPARE(patternOf(grid_->selectedCells(nullptr, nullptr)), QString("111111"));
        grid_->setGrid(3, 2, bitsOf("000000"));
        QCOMPARE(patternOf(grid_->selectedCells(nullptr, nullptr)), QString("000000"));
    }

    void impossibleShapesMakeNoCells() {
        for (const QPoint& shape : {QPoint(-2, -3), QPoint(0, 5), QPoint(100000, 100000)}) {
            grid_->setGrid(shape.x(), shape.y(), QBitArray());
            QCOMPARE(grid_->findChildren<Overlay*>().size(), 0);
        }
    }

    void clicksToggleTheCellUnderTheMouse() {
        grid_->setGrid(2, 3, bitsOf("111111"));
        QTRY_COMPARE(grid_->findChildren<Overlay*>()[1]->geometry(), cellRect(0, 1));
        QTest::mouseClick(grid_, Qt::LeftButton, Qt::NoModifier, QPoint(150, 50));
        QCOMPARE(patternOf(grid_->selectedCells(nullptr, nullptr)), QString("110111"));
        QTest::mouseClick(grid_, Qt::RightButton, Qt::NoModifier, QPoint(150, 50));
        QCOMPARE(patternOf(grid_->selectedCells(nullptr, nullptr)), QString("111111"));
        // The gap between two cells belongs to neither.
        QTest::mouseClick(grid_, Qt::LeftButton, Qt::NoModifier, QPoint(99, 50));
        QCOMPARE(patternOf(grid_->selectedCells(nullptr, nullptr)), QString("111111"));
    }

    void resizesRelayTheCellsAfterAPause() {
        grid_->setGrid(2, 3, bitsOf("111111"));
        Overlay* cell = grid_->findChildren<Overlay*>()[2];
        QTRY_COMPARE(cell->geometry(), cellRect(1, 0));
        grid_->resize(600, 400);
        QCOMPARE(cell->geometry(), cellRect(1, 0));  // not at once
        QTRY_COMPARE(cell->geometry(), QRectF(200, 0, 200, 200).adjusted(1, 1, -2, -2).toRect());
    }

    void overlayShowsOnlyItsFrameOrItsBlock() {
        Overlay frame(3, grid_);
        QCOMPARE(frame.id, 3);
        QCOMPARE(frame.defaultColor, QColor(Qt::red));
        frame.resize(100, 60);
        frame.show();
        const QRegion mask = frame.mask();
        QVERIFY(mask.contains(QPoint(1, 30)));    // inside the 4-pixel inner half of the pen
        QVERIFY(!mask.contains(QPoint(50, 30)));  // the middle lets the video through
        Overlay block(grid_);
        block.filled = true;
        block.resize(100, 60);
        block.show();
        QVERIFY(block.mask().contains(QPoint(50, 30)));
        const QImage painted = frame.grab().toImage();
        QCOMPARE(QColor(painted.pixel(1, 30)), QColor(Qt::red));
    }

private:
    GridVideoWidget* grid_ = nullptr;
};

QTEST_MAIN(GridAndOverlayTest)
#include "test_grid_and_overlay.moc"
