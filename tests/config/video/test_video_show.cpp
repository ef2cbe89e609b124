// The live view's overlay editing on real widgets, without a stream: masks and regions are
// drawn, dragged and resized with the mouse and reported in percent of the picture; limits
// lock drawing until the matching clear; OSD labels follow their percent positions.
#include <QLayout>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "Overlay.h"
#include "ShieldTaskManager.h"
#include "TrackerWidgetVideo.h"
#include "VideoMaskWidget.h"
#include "VideoShow.h"
#include "picture_geometry.h"

namespace {

// The picture's size and a view of the same shape at a quarter scale: one pixel of the view
// is a quarter percent across and half a percent down.
const QSize kPicture(1600, 800);
const QSize kView(400, 200);

void drawRect(QWidget* tracker, QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mousePress(tracker, button, Qt::NoModifier, from);
    QTest::mouseMove(tracker, (from + to) / 2);
    QTest::mouseMove(tracker, to);
    QTest::mouseRelease(tracker, button, Qt::NoModifier, to);
}

// A pointer drag on an overlay in small steps (Qt adds the hover moves), as a mouse that
// stays still on the screen while the overlay moves under it.
void dragOverlay(QWidget* widget, QPoint from, QPoint to) {
    const QPoint globalStart = widget->mapToGlobal(from);
    QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, from);
    for (int step = 1; step <= 4; ++step) {
        const QPoint global = globalStart + (to - from) * step / 4;
        const QPoint local = widget->mapFromGlobal(global);
        QMouseEvent move(QEvent::MouseMove, local, global, Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier,
                        widget->mapFromGlobal(globalStart + to - from));
}

void comparePercent(const QRectF& actual, const QRectF& expected) {
    const double tolerance = 0.01;
    QVERIFY2(qAbs(actual.x() - expected.x()) < tolerance &&
                 qAbs(actual.y() - expected.y()) < tolerance &&
                 qAbs(actual.width() - expected.width()) < tolerance &&
                 qAbs(actual.height() - expected.height()) < tolerance,
             qPrintable(QString("got %1,%2 %3x%4")
                            .arg(actual.x())
                            .arg(actual.y())
                            .arg(actual.width())
                            .arg(actual.height())));
}

}  // namespace

class VideoShowTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        host_ = new QWidget;
        host_->resize(kView);
        show_ = new VideoShow(host_, mode_);
        host_->layout()->setContentsMargins(0, 0, 0, 0);
        show_->videoSize = kPicture;
        host_->show();
        QVERIFY(QTest::qWaitForWindowExposed(host_));
        QCOMPARE(tracker()->size(), kView);
    }
    void cleanup() {
        delete show_;
        delete host_;
    }

    void masksAreDrawnInPercentAndLimitedToFour() {
        reset(VideoShow::ModeVideoMask);
        QSignalSpy changed(show_, &VideoShow::videoMaskValueChanged);
        drawRect(tracker(), QPoint(40, 30), QPoint(48, 79));  // 9 x 50 pixels: a slip
        QCOMPARE(changed.count(), 0);
        QVERIFY(!tracker()->maskLimitReached());
        drawRect(tracker(), QPoint(40, 30), QPoint(49, 39));  // 10 x 10
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.last().at(0).toInt(), 1);
        const auto info = changed.last().at(1).value<VIDEO_MASK_INFO>();
        QVERIFY(info.enable);
        QCOMPARE(info.code, 2);
        comparePercent(info.rect, QRectF(QPointF(10, 15), QPointF(12.25, 19.5)));
        for (int k = 2; k <= 4; ++k) {
            drawRect(tracker(), QPoint(60 * k, 100), QPoint(60 * k + 40, 140));
            QCOMPARE(changed.last().at(0).toInt(), k);
        }
        drawRect(tracker(), QPoint(300, 120), QPoint(380, 190));  // a fifth
        QCOMPARE(changed.count(), 4);
        QVERIFY(tracker()->maskLimitReached());
        drawRect(tracker(), QPoint(300, 120), QPoint(380, 190));
        QCOMPARE(changed.count(), 4);
        show_->clearVideoMasks();
        QCOMPARE(tracker()->findChildren<VideoMaskWidget*>().size(), 0);
        drawRect(tracker(), QPoint(300, 120), QPoint(380, 190));
        QCOMPARE(changed.count(), 5);
        QCOMPARE(changed.last().at(0).toInt(), 1);
    }

    void aMovedOrResizedMaskIsReportedInPercent() {
        reset(VideoShow::ModeVideoMask);
        drawRect(tracker(), QPoint(100, 60), QPoint(200, 120));
        auto* mask = tracker()->findChild<VideoMaskWidget*>();
        QVERIFY(mask);
        QCOMPARE(mask->text(), QString("1"));
        QCoreApplication::processEvents();
        QSignalSpy changed(show_, &VideoShow::videoMaskValueChanged);
        // A click without movement reports the mask as it stands.
        QTest::mouseClick(mask, Qt::LeftButton, Qt::NoModifier, QPoint(50, 30));
        QCOMPARE(changed.count(), 1);
        comparePercent(changed.last().at(1).value<VIDEO_MASK_INFO>().rect,
                       QRectF(QPointF(25, 30), QPointF(50, 60)));
        dragOverlay(mask, QPoint(50, 30), QPoint(90, 60));  // moved 40 right, 30 down
        comparePercent(changed.last().at(1).value<VIDEO_MASK_INFO>().rect,
                       QRectF(QPointF(35, 45), QPointF(60, 75)));
        dragOverlay(mask, QPoint(97, 57), QPoint(117, 57));  // bottom-right corner, 20 wider
        QCOMPARE(mask->geometry(), QRect(140, 90, 121, 61));
        comparePercent(changed.last().at(1).value<VIDEO_MASK_INFO>().rect,
                       QRectF(QPointF(35, 45), QPointF(65, 75)));
        comparePercent(mask->maskInfo().rect, QRectF(QPointF(35, 45), QPointF(65, 75)));
        // No mask shrinks below the smallest one that may be drawn.
        dragOverlay(mask, QPoint(117, 57), QPoint(-100, -100));
        QCOMPARE(mask->size(), QSize(VideoMaskWidget::kMinimumSide, VideoMaskWidget::kMinimumSide));
        // Editing a mask never draws another one on the picture beneath it.
        QCOMPARE(tracker()->findChildren<VideoMaskWidget*>().size(), 1);
        for (const QList<QVariant>& report : changed) {
            QCOMPARE(report.at(0).toInt(), 1);
        }
    }

    void masksFollowTheirPercentOnResize() {
        reset(VideoShow::ModeVideoMask);
        drawRect(tracker(), QPoint(100, 60), QPoint(200, 120));
        host_->resize(800, 400);
        QTRY_COMPARE(tracker()->findChild<VideoMaskWidget*>()->geometry(),
                     QRect(QPoint(200, 120), QPoint(400, 240)));
    }

    void regionsAreDrawnMovedAndLimitedToFour() {
        reset(VideoShow::ModeRoi);
        QSignalSpy changed(show_, &VideoShow::ROIValueChanged);
        QTest::mouseClick(tracker(), Qt::LeftButton, Qt::NoModifier, QPoint(40, 30));  // 1 x 1
        QCOMPARE(changed.count(), 1);
        drawRect(tracker(), QPoint(100, 60), QPoint(200, 120));
        QCOMPARE(changed.last().at(0).toInt(), 1);
        QCOMPARE(changed.last().at(1).value<QPolygonF>(),
                 QPolygonF(QRectF(QPointF(25, 30), QPointF(50, 60))));
        QCOMPARE(changed.last().at(2).value<QColor>(), QColor(Qt::magenta));
        QCOMPARE(changed.last().at(3).value<QColor>(), QColor(Qt::red));
        Overlay* region = tracker()->findChildren<Overlay*>()[1];
        dragOverlay(region, QPoint(50, 30), QPoint(90, 60));
        QCOMPARE(changed.last().at(0).toInt(), 1);
        QCOMPARE(changed.last().at(1).value<QPolygonF>(),
                 QPolygonF(QRectF(QPointF(35, 45), QPointF(60, 75))));
        drawRect(tracker(), QPoint(10, 10), QPoint(20, 20));
        drawRect(tracker(), QPoint(10, 10), QPoint(20, 20));
        QCOMPARE(changed.count(), 5);  // four drawn, one moved
        drawRect(tracker(), QPoint(10, 10), QPoint(20, 20));
        QVERIFY(tracker()->roiLimitReached());
        QCOMPARE(changed.count(), 5);
        show_->clearRois();
        QVERIFY(!tracker()->roiLimitReached());
        drawRect(tracker(), QPoint(10, 10), QPoint(20, 20));
        QCOMPARE(changed.last().at(0).toInt(), 0);
    }

    void plainAndOsdViewsAddNothing() {
        for (int mode : {VideoShow::ModePlain, VideoShow::ModeOsd}) {
            reset(mode);
            QSignalSpy masks(show_, &VideoShow::videoMaskValueChanged);
            QSignalSpy regions(show_, &VideoShow::ROIValueChanged);
            drawRect(tracker(), QPoint(40, 30), QPoint(200, 200));
            QCOMPARE(masks.count() + regions.count(), 0);
            QCOMPARE(tracker()->findChildren<QPushButton*>().size(), 0);
        }
    }

    void loadedRegionsTakeTheColourOfTheirIndex() {
        reset(VideoShow::ModeRoi);
        ShieldTaskManager manager;
        for (int i = 0; i < 5; ++i) {  // one more than may be shown
            manager.setRegion(i, QPolygonF(QRectF(QPointF(10 * i, 10), QPointF(10 * i + 20, 40))),
                              Qt::black, Qt::black);
        }
        QSignalSpy changed(show_, &VideoShow::ROIValueChanged);
        show_->loadRois(&manager);
        QCOMPARE(changed.count(), 0);
        const QList<Overlay*> regions = tracker()->findChildren<Overlay*>();
        QCOMPARE(regions.size(), 4);
        QCOMPARE(regions[2]->defaultColor, QColor(Qt::yellow));
        QCOMPARE(regions[2]->alarmColor, QColor(Qt::red));
        QCOMPARE(regions[2]->geometry(), QRect(QPoint(80, 20), QPoint(160, 80)));
        QCOMPARE(regions[2]->polygon, manager.regions()[2].polygon);
    }

    void osdLabelsSitAtTheirPercentAndReportMoves() {
        reset(VideoShow::ModeOsd);
        show_->setTitleVisible(true);  // no label yet: no lasting effect
        show_->setupOsd(QPointF(50, 50), "Gate", QPointF(10, 20), "yyyy-MM-dd");
        const QList<QPushButton*> labels = tracker()->findChildren<QPushButton*>();
        QCOMPARE(labels.size(), 2);
        QPushButton* dateTime = labels[0];
        QPushButton* title = labels[1];
        QCOMPARE(title->text(), QString("Gate"));
        QCOMPARE(dateTime->text(), QDate::currentDate().toString("yyyy-MM-dd"));
        QCOMPARE(title->pos(), QPoint(200, 100));
        QCOMPARE(dateTime->pos(), QPoint(40, 40));
        QCOMPARE(title->width(), title->fontMetrics().horizontalAdvance("Gate") + 12);
        QVERIFY(!title->isVisible());
        show_->setTitleVisible(true);
        QVERIFY(title->isVisible());
        QSignalSpy titleMoved(show_, &VideoShow::OSDTitlePosUpdate);
        dragOverlay(title, QPoint(5, 5), QPoint(45, 35));
        QCOMPARE(titleMoved.count(), 1);
        QCOMPARE(titleMoved.last().at(0).toPointF(), QPointF(60, 65));
        // A resize puts the labels back at their stored percent, with the stored visibility.
        host_->resize(800, 400);
        QTRY_COMPARE(title->pos(), QPoint(400, 200));
        QVERIFY(title->isVisible());
        QVERIFY(!dateTime->isVisible());
    }

    void percentFollowsTheLetterbox() {
        // A 1920 x 1080 picture in a 400 x 400 view: 225 pixels high, 87.5-pixel bars.
        reset(VideoShow::ModeVideoMask);
        host_->resize(400, 400);
        QTRY_COMPARE(tracker()->size(), QSize(400, 400));
        const QSize picture(1920, 1080);
        QCOMPARE(mapPercentToWidget(tracker(), picture, QPointF(0, 0)), QPoint(0, 87));
        QCOMPARE(mapPercentToWidget(tracker(), picture, QPointF(100, 100)), QPoint(400, 312));
        show_->videoSize = picture;
        QSignalSpy changed(show_, &VideoShow::videoMaskValueChanged);
        drawRect(tracker(), QPoint(0, 40), QPoint(200, 200));  // starts on the upper bar
        const QRectF rect = changed.last().at(1).value<VIDEO_MASK_INFO>().rect;
        QVERIFY(rect.y() < 0);
        QCOMPARE(rect.x(), 0.0);
    }

    void anUnknownPictureSizeTakesTheWholeView() {
        reset(VideoShow::ModeVideoMask);
        show_->videoSize = QSize();
        QSignalSpy changed(show_, &VideoShow::videoMaskValueChanged);
        drawRect(tracker(), QPoint(100, 60), QPoint(200, 120));
        comparePercent(changed.last().at(1).value<VIDEO_MASK_INFO>().rect,
                       QRectF(QPointF(25, 30), QPointF(50, 60)));
    }

private:
    TrackerWidgetVideo* tracker() const { return show_->tracker(); }

    // A fresh view of the given mode in place of the one init made.
    void reset(int mode) {
        cleanup();
        mode_ = mode;
        init();
    }

    int mode_ = VideoShow::ModePlain;
    QWidget* host_ = nullptr;
    VideoShow* show_ = nullptr;
};

QTEST_MAIN(VideoShowTest)
#include "test_video_show.moc"
