// The day schedule ruler: placing, drawing, dragging, stretching and merging periods.
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QtTest>

#include "TimePickerRulds.h"

using Segments = QList<TimePickerRulds::Segment>;

namespace {

constexpr int kWidth = 960;  // 90 seconds a pixel: 10 px is 15 minutes
constexpr int kHour = 3600;

void mouse(QWidget* widget, QEvent::Type type, const QPoint& position) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, position, widget->mapToGlobal(position),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// The user presses at from, moves through to and lets go there (positions in widget's own
// coordinates at the press; the label under the pointer may move meanwhile).
void drag(QWidget* widget, const QPoint& from, const QPoint& to) {
    mouse(widget, QEvent::MouseButtonPress, from);
    mouse(widget, QEvent::MouseMove, to);
    mouse(widget, QEvent::MouseButtonRelease, to);
}

// The five segment labels in slot order (the tip label is the ruler's first child).
QList<QLabel*> segmentLabels(TimePickerRulds& ruler) {
    QList<QLabel*> labels;
    for (QLabel* label : ruler.findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (label->styleSheet().contains("background-color")) {
            labels << label;
        }
    }
    return labels;
}

QLabel* tipLabel(TimePickerRulds& ruler) {
    return ruler.findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly).first();
}

}  // namespace

class TimePickerRuldsTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        host = new QWidget;
        host->resize(kWidth + 40, 200);
        ruler = new TimePickerRulds(host);
        ruler->resize(kWidth, 100);
        host->show();
    }
    void cleanup() { delete host; }

    void setSegmentsPlacesPeriodsByTheClock() {
        ruler->setSegments({{9 * kHour, 18 * kHour}});
        QCOMPARE(segmentLabels(*ruler).at(0)->geometry(), QRect(360, 0, 360, 100));
        QCOMPARE(ruler->segments(), Segments({{9 * kHour, 18 * kHour}}));
        QVERIFY(ruler->isEditable());
    }

    void pairKAlwaysUsesSlotK() {
        ruler->setSegments({{kHour, kHour}, {2 * kHour, 3 * kHour}});
        QVERIFY(segmentLabels(*ruler).at(0)->isHidden());
        QVERIFY(!segmentLabels(*ruler).at(1)->isHidden());
        QCOMPARE(ruler->segments(), Segments({{2 * kHour, 3 * kHour}}));
    }

    void periodsBeyondTheFiveSlotsOrTheDayAreCut() {
        Segments six;
        for (int k = 0; k < 6; ++k) {
            six << TimePickerRulds::Segment{k * 2 * kHour, k * 2 * kHour + kHour};
        }
        ruler->setSegments(six);
        QCOMPARE(ruler->segments(), six.mid(0, 5));
        ruler->setSegments({{-kHour, kHour}, {23 * kHour, 25 * kHour}});
        QCOMPARE(ruler->segments(), Segments({{0, kHour}, {23 * kHour, 24 * kHour}}));
    }

    // A page fills its rulers before the layout gives them their width.
    void periodsFollowTheRulerWidth() {
        ruler->resize(0, 100);
        ruler->setSegments({{6 * kHour, 12 * kHour}});
        ruler->resize(kWidth, 100);
        QCOMPARE(segmentLabels(*ruler).at(0)->geometry(), QRect(240, 0, 240, 100));
        QCOMPARE(ruler->segments(), Segments({{6 * kHour, 12 * kHour}}));
    }

    void drawingANewPeriodShowsItsTimes() {
        QSignalSpy changed(ruler, &TimePickerRulds::sliderChanged);
        mouse(ruler, QEvent::MouseButtonPress, {480, 50});
        mouse(ruler, QEvent::MouseMove, {720, 50});
        QCOMPARE(tipLabel(*ruler)->text(), QString("12:00--18:00"));
        QVERIFY(!tipLabel(*ruler)->isHidden());
        mouse(ruler, QEvent::MouseButtonRelease, {720, 50});
        QVERIFY(tipLabel(*ruler)->isHidden());
        QCOMPARE(ruler->segments(), Segments({{12 * kHour, 18 * kHour}}));
        QVERIFY(!changed.isEmpty());
    }

    // A pixel spans 90 seconds here; drawing one period must not shift another.
    void untouchedPeriodsKeepTheirExactTimes() {
        ruler->setSegments({{0, 0}, {36001, 39599}});
        drag(ruler, {100, 50}, {200, 50});
        QCOMPARE(ruler->segments(), Segments({{9000, 18000}, {36001, 39599}}));
    }

    void aDrawnPeriodGivenUpIsFreedAgain_data() {
        QTest::addColumn<QPoint>("release");
        QTest::newRow("pointer left of the press") << QPoint(400, 50);
        QTest::newRow("released above the ruler") << QPoint(600, -5);
    }
    void aDrawnPeriodGivenUpIsFreedAgain() {
        QFETCH(QPoint, release);
        mouse(ruler, QEvent::MouseButtonPress, {480, 50});
        mouse(ruler, QEvent::MouseMove, release);
        mouse(ruler, QEvent::MouseButtonRelease, release);
        QVERIFY(ruler->segments().isEmpty());
        QVERIFY(segmentLabels(*ruler).at(0)->isHidden());
    }

    void noSixthPeriodAndNoPeriodInsideAnother() {
        Segments five;
        for (int k = 0; k < 5; ++k) {
            five << TimePickerRulds::Segment{k * 4 * kHour, k * 4 * kHour + kHour};
        }
        ruler->setSegments(five);
        drag(ruler, {200, 50}, {300, 50});  // free space, but no free slot
        QCOMPARE(ruler->segments(), five);

        ruler->setSegments({{0, 4 * kHour}});
        drag(ruler, {20, 50}, {300, 50});  // a press inside the period starts nothing
        QCOMPARE(ruler->segments(), Segments({{0, 4 * kHour}}));
    }

    void droppedPeriodsMerge_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<Segments>("merged");
        // The period 06:00-12:00 lies at 240-480 px.
        QTest::newRow("reaching into its start") << 100 << 300 << Segments({{9000, 12 * kHour}});
        QTest::newRow("covering it") << 200 << 600 << Segments({{5 * kHour, 15 * kHour}});
        QTest::newRow("apart") << 600 << 700
                               << Segments({{6 * kHour, 12 * kHour}, {15 * kHour, 63000}});
    }
    void droppedPeriodsMerge() {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(Segments, merged);
        ruler->setSegments({{6 * kHour, 12 * kHour}});
        drag(ruler, {from, 50}, {to, 50});
        QCOMPARE(ruler->segments(), merged);
    }

    void aPeriodStretchedIntoAnotherTakesItsStart() {
        ruler->setSegments({{6 * kHour, 12 * kHour}, {13 * kHour, 63000}});  // 240-480, 520-700 px
        QLabel* later = segmentLabels(*ruler).at(1);
        drag(later, {2, 50}, {2 - 120, 50});  // its left edge to 400 px
        QCOMPARE(later->x(), 240);
        QCOMPARE(ruler->segments(), Segments({{6 * kHour, 63000}}));
    }

    void aPeriodDroppedInsideAnotherTakesItsExtent() {
        ruler->setSegments({{6 * kHour, 12 * kHour}, {20 * kHour, 21 * kHour}});
        QLabel* small = segmentLabels(*ruler).at(1);  // 800-840 px
        // Grab it in the middle and drop it inside the first period.
        drag(small, {20, 50}, {20 - 500, 50});
        QCOMPARE(small->x(), 240);
        QCOMPARE(ruler->segments(), Segments({{6 * kHour, 12 * kHour}}));
    }

    void aPeriodDraggedToTheEndStopsAtMidnight() {
        ruler->setSegments({{20 * kHour, 22 * kHour}});
        QLabel* label = segmentLabels(*ruler).at(0);
        mouse(label, QEvent::MouseButtonPress, {40, 50});
        mouse(label, QEvent::MouseMove, {40 + 300, 50});
        QCOMPARE(tipLabel(*ruler)->text(), QString("22:00--00:00"));
        mouse(label, QEvent::MouseButtonRelease, {40, 50});
        QCOMPARE(ruler->segments(), Segments({{22 * kHour, 24 * kHour}}));
    }

    void stretchingByTheEdges() {
        ruler->setSegments({{6 * kHour, 12 * kHour}});  // 240-480 px
        QLabel* label = segmentLabels(*ruler).at(0);
        drag(label, {236, 50}, {236 + 40, 50});  // right edge 40 px out
        QCOMPARE(ruler->segments(), Segments({{6 * kHour, 13 * kHour}}));
        drag(label, {2, 50}, {2 - 80, 50});  // left edge 80 px out
        QCOMPARE(ruler->segments(), Segments({{4 * kHour, 13 * kHour}}));
        drag(label, {label->width() - 3, 50}, {-3, 50});  // right edge onto the left one
        QVERIFY(ruler->segments().isEmpty());
        QVERIFY(label->isHidden());
    }

    void presetsLockTheRuler_data() {
        QTest::addColumn<bool>("wholeDay");
        QTest::addColumn<Segments>("preset");
        QTest::newRow("whole day") << true << Segments({{0, 24 * kHour}});
        QTest::newRow("office hours") << false << Segments({{9 * kHour, 18 * kHour}});
    }
    void presetsLockTheRuler() {
        QFETCH(bool, wholeDay);
        QFETCH(Segments, preset);
        ruler->setSegments({{kHour, 2 * kHour}, {3 * kHour, 4 * kHour}});
        wholeDay ? ruler->setWholeDay() : ruler->setDefaultSegment();
        QCOMPARE(ruler->segments(), preset);
        QVERIFY(!ruler->isEditable());
        QLabel* label = segmentLabels(*ruler).at(0);
        const QRect before = label->geometry();
        drag(label, {label->width() / 2, 50}, {label->width() / 2 - 100, 50});
        drag(ruler, {5, 50}, {30, 50});
        QCOMPARE(label->geometry(), before);
        QCOMPARE(ruler->segments(), preset);

        ruler->clearSegments();
        ruler->enableEdit();
        QVERIFY(ruler->segments().isEmpty());
        drag(ruler, {480, 50}, {720, 50});
        QCOMPARE(ruler->segments(), Segments({{12 * kHour, 18 * kHour}}));
    }

private:
    QWidget* host = nullptr;
    TimePickerRulds* ruler = nullptr;
};

QTEST_MAIN(TimePickerRuldsTest)
#include "test_time_picker_rulds.moc"
