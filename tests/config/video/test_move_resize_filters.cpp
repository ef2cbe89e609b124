// The move and resize filters on real widgets: handles, moves and resizes by the mouse,
// minimum sizes, the parent bounds of a moved label, and the release reports.
#include <QHoverEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "DragWidget.h"
#include "MoveWidget.h"

namespace {

// A real pointer drag: press, moves in small steps (Qt turns each into a hover move too for
// a widget with hover on), release. Positions in the widget's coordinates
// at the press; each step is measured against the widget where it then stands, as a mouse
// that stays still on the screen would be.
void drag(QWidget* widget, QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton) {
    const QPoint globalStart = widget->mapToGlobal(from);
    QTest::mousePress(widget, button, Qt::NoModifier, from);
    const int steps = 4;
    for (int step = 1; step <= steps; ++step) {
        const QPoint global = globalStart + (to - from) * step / steps;
        const QPoint local = widget->mapFromGlobal(global);
        QMouseEvent move(QEvent::MouseMove, local, global, Qt::NoButton, button, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }
    QTest::mouseRelease(widget, button, Qt::NoModifier,
                        widget->mapFromGlobal(globalStart + to - from));
}

}  // namespace

class MoveResizeFiltersTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        parent_ = new QWidget;
        parent_->resize(400, 300);
        parent_->show();
        QVERIFY(QTest::qWaitForWindowExposed(parent_));
    }
    void cleanup() { delete parent_; }

    void dragWidgetLaysOutHandlesOnResize() {
        auto* mask = new QPushButton(parent_);
        auto* filter = new DragWidget(mask);
        QVERIFY(filter->handleRect(DragWidget::Left).isEmpty());
        mask->setGeometry(50, 50, 100, 40);
        mask->show();
        QCOMPARE(filter->handleRect(DragWidget::Left), QRect(0, 8, 8, 24));
        QCOMPARE(filter->handleRect(DragWidget::Top), QRect(8, 0, 84, 8));
        QCOMPARE(filter->handleRect(DragWidget::BottomRight), QRect(92, 32, 8, 8));
        QVERIFY(mask->testAttribute(Qt::WA_Hover));
        QCOMPARE(filter->parent(), mask);
    }

    void dragWidgetMovesAndResizesByHandle_data() {
        QTest::addColumn<QPoint>("press");
        QTest::addColumn<QPoint>("offset");
        QTest::addColumn<QRect>("expected");
        // A 100 x 40 widget at (50, 50) with a 30 x 20 minimum size.
        QTest::newRow("move from the middle")
            << QPoint(50, 20) << QPoint(20, 10) << QRect(70, 60, 100, 40);
        QTest::newRow("right edge") << QPoint(96, 20) << QPoint(24, 0) << QRect(50, 50, 124, 40);
        QTest::newRow("bottom edge") << QPoint(50, 36) << QPoint(0, 16) << QRect(50, 50, 100, 56);
        QTest::newRow("left edge") << QPoint(3, 20) << QPoint(-20, 0) << QRect(30, 50, 120, 40);
        QTest::newRow("top edge") << QPoint(50, 3) << QPoint(0, 12) << QRect(50, 62, 100, 28);
        QTest::newRow("top-left corner")
            << QPoint(3, 3) << QPoint(-12, -8) << QRect(38, 42, 112, 48);
        QTest::newRow("bottom-right corner")
            << QPoint(96, 36) << QPoint(16, 8) << QRect(50, 50, 116, 48);
        QTest::newRow("left edge stops at the minimum width")
            << QPoint(3, 20) << QPoint(90, 0) << QRect(118, 50, 32, 40);
        QTest::newRow("right edge is held by the minimum width")
            << QPoint(96, 20) << QPoint(-90, 0) << QRect(50, 50, 30, 40);
    }

    void dragWidgetMovesAndResizesByHandle() {
        QFETCH(QPoint, press);
        QFETCH(QPoint, offset);
        QFETCH(QRect, expected);
        auto* mask = new QPushButton(parent_);
        mask->setMinimumSize(30, 20);
        auto* filter = new DragWidget(mask);
        mask->setGeometry(50, 50, 100, 40);
        mask->show();
        QSignalSpy released(filter, &DragWidget::widgetReleased);
        drag(mask, press, press + offset);
        QCOMPARE(mask->geometry(), expected);
        QCOMPARE(released.count(), 1);
        QCOMPARE(released.first().first().value<QWidget*>(), mask);
        QCOMPARE(mask->cursor().shape(), Qt::ArrowCursor);
    }

    void dragWidgetReportsAClickWithoutMovement() {
        auto* mask = new QPushButton(parent_);
        auto* filter = new DragWidget(mask);
        mask->setGeometry(10, 10, 100, 40);
        QSignalSpy released(filter, &DragWidget::widgetReleased);
        QTest::mouseClick(mask, Qt::LeftButton, Qt::NoModifier, QPoint(50, 20));
        QCOMPARE(released.count(), 1);
        QCOMPARE(mask->geometry(), QRect(10, 10, 100, 40));
    }

    void dragWidgetShowsTheHandleCursor() {
        auto* mask = new QPushButton(parent_);
        new DragWidget(mask);
        mask->setGeometry(10, 10, 100, 40);
        mask->show();
        const struct {
            QPoint pos;
            Qt::CursorShape shape;
        } cases[] = {{{3, 20}, Qt::SizeHorCursor},
                     {{50, 37}, Qt::SizeVerCursor},
                     {{3, 3}, Qt::SizeFDiagCursor},
                     {{97, 3}, Qt::SizeBDiagCursor},
                     {{50, 20}, Qt::ArrowCursor}};
        for (const auto& c : cases) {
            QHoverEvent hover(QEvent::HoverMove, c.pos, c.pos);
            QApplication::sendEvent(mask, &hover);
            QCOMPARE(mask->cursor().shape(), c.shape);
        }
    }

    void moveWidgetMovesWithTheLeftButtonOnly() {
        auto* label = new QPushButton(parent_);
        label->setGeometry(100, 100, 80, 24);
        MoveWidget mover;
        mover.setWidget(label);
        QSignalSpy released(&mover, &MoveWidget::widgetReleased);
        drag(label, QPoint(10, 10), QPoint(40, 30), Qt::RightButton);
        QCOMPARE(label->pos(), QPoint(100, 100));
        QCOMPARE(released.count(), 0);
        drag(label, QPoint(10, 10), QPoint(40, 30));
        QCOMPARE(label->pos(), QPoint(130, 120));
        QCOMPARE(released.count(), 1);
    }

    void moveWidgetKeepsTheWidgetInsideItsParent_data() {
        QTest::addColumn<QPoint>("offset");
        QTest::addColumn<QPoint>("expected");
        // An 80 x 24 label at (100, 100) in a 400 x 300 parent.
        QTest::newRow("far right: left edge stays 20 inside") << QPoint(400, 0) << QPoint(380, 100);
        QTest::newRow("far down: top edge stays 20 inside") << QPoint(0, 400) << QPoint(100, 280);
        QTest::newRow("far left: 20 pixels stay visible") << QPoint(-400, 0) << QPoint(-60, 100);
        QTest::newRow("far up: 20 pixels stay visible") << QPoint(0, -400) << QPoint(100, -4);
    }

    void moveWidgetKeepsTheWidgetInsideItsParent() {
        QFETCH(QPoint, offset);
        QFETCH(QPoint, expected);
        auto* label = new QPushButton(parent_);
        label->setGeometry(100, 100, 80, 24);
        MoveWidget mover;
        mover.setWidget(label);
        // Many small steps, so that the last allowed step lands on the bound.
        const QPoint grip(1, 1);
        QTest::mousePress(label, Qt::LeftButton, Qt::NoModifier, grip);
        const QPoint globalStart = label->mapToGlobal(grip);
        for (int step = 1; step <= qAbs(offset.x() + offset.y()); ++step) {
            const QPoint global = globalStart + offset * step / qAbs(offset.x() + offset.y());
            QMouseEvent move(QEvent::MouseMove, label->mapFromGlobal(global), global, Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(label, &move);
        }
        QTest::mouseRelease(label, Qt::LeftButton);
        QCOMPARE(label->pos(), expected);
    }

    void moveWidgetIgnoresASecondWidget() {
        auto* first = new QPushButton(parent_);
        auto* second = new QPushButton(parent_);
        first->setGeometry(100, 100, 80, 24);
        second->setGeometry(200, 200, 80, 24);
        MoveWidget mover;
        mover.setWidget(first);
        mover.setWidget(second);
        drag(second, QPoint(10, 10), QPoint(40, 40));
        QCOMPARE(second->pos(), QPoint(200, 200));
        drag(first, QPoint(10, 10), QPoint(40, 40));
        QCOMPARE(first->pos(), QPoint(130, 130));
    }

private:
    QWidget* parent_ = nullptr;
};

QTEST_MAIN(MoveResizeFiltersTest)
#include "test_move_resize_filters.moc"
