// The alarm notification page against camsim: it subscribes once opened and lists each
// known alarm as it arrives.
#include <QDateTime>
#include <QTableWidget>
#include <QtTest>

#include "AlarmNotificationWidget.h"
#include "page_camera.h"

class AlarmNotificationWidgetTest : public QObject {
    Q_OBJECT

private slots:
    void knownAlarmsAreListedInOrder() {
        PageCamera camera(R"("alarm_events": [{"type": 512, "time": 1700000000},
            {"type": 999, "time": 1700000001}, {"type": 514, "time": 1700000002},
            {"type": 1026, "time": 1700000003}])");
        AlarmNotificationWidget page(camera.session());
        auto* table = page.findChild<QTableWidget*>("tableWidget");
        QCOMPARE(table->rowCount(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(table->rowCount(), 3, 5000);
        const QStringList types = {"Motion detection", "Humanoid detection", "Video occlusion"};
        const qint64 times[] = {1700000000, 1700000002, 1700000003};
        for (int row = 0; row < 3; ++row) {
            QCOMPARE(table->item(row, 0)->text(), QString::number(row + 1));
            QCOMPARE(table->item(row, 1)->text(),
                     QDateTime::fromSecsSinceEpoch(times[row]).toString(Qt::TextDate));
            QCOMPARE(table->item(row, 2)->text(), types[row]);
        }
    }

    void aGoneSessionSubscribesNothing() {
        PageCamera camera(R"("alarm_events": [{"type": 512, "time": 1700000000}])");
        QWeakPointer<ZRSDKInstance> weak = camera.session();
        camera.dropSession();
        AlarmNotificationWidget page(weak.toStrongRef());
        settle();
        QVERIFY(camera.sim()
                    .journal(
                        [](const camsim::JournalEntry& e) { return e.text("protocol") == "alarm"; })
                    .empty());
    }
};

QTEST_MAIN(AlarmNotificationWidgetTest)
#include "test_alarm_notification_widget.moc"
