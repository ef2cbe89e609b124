// The arming task dialog: choices from the store, the proposed times, the task it returns
// and the tone test on the camera.
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTimeEdit>
#include <QtTest>

#include "AddTaskDialog.h"
#include "ShieldTaskManager.h"
#include "page_camera.h"

Q_DECLARE_METATYPE(ShieldTask)

namespace {

ShieldTask endingAt(int region, QTime end) {
    ShieldTask task;
    task.region = region;
    task.begin = QTime(0, 0);
    task.end = end;
    task.dayMask = 127;
    return task;
}

}  // namespace

class AddTaskDialogTest : public QObject {
    Q_OBJECT

    template <typename Widget>
    Widget* child(const char* name) {
        return dialog->findChild<Widget*>(name);
    }

    void withRegions(int count, const QList<ShieldTask>& tasks) {
        for (int index = 0; index < count; ++index) {
            store.setRegion(index, QPolygonF(), Qt::blue, Qt::red);
        }
        for (const ShieldTask& task : tasks) {
            store.addTask(task);
        }
        dialog->setAreas(&store);
    }

private slots:
    void init() { dialog = new AddTaskDialog(nullptr); }
    void cleanup() {
        delete dialog;
        store.clear();
    }

    void theNextPeriodFollowsTheLastOfTheChosenRegion_data() {
        QTest::addColumn<QList<ShieldTask>>("tasks");
        QTest::addColumn<QTime>("begin");
        QTest::addColumn<QTime>("end");
        QTest::newRow("after region 1's period")
            << QList<ShieldTask>({endingAt(1, QTime(12, 0))}) << QTime(12, 0, 1) << QTime(20, 0);
        QTest::newRow("only other regions")
            << QList<ShieldTask>({endingAt(0, QTime(12, 0))}) << QTime(0, 0) << QTime(7, 59, 59);
        QTest::newRow("latest wins")
            << QList<ShieldTask>({endingAt(1, QTime(3, 0)), endingAt(1, QTime(1, 0))})
            << QTime(1, 0, 1) << QTime(9, 0);
        QTest::newRow("wraps at midnight") << QList<ShieldTask>({endingAt(1, QTime(23, 59, 59))})
                                           << QTime(0, 0) << QTime(7, 59, 59);
    }
    void theNextPeriodFollowsTheLastOfTheChosenRegion() {
        QFETCH(QList<ShieldTask>, tasks);
        QFETCH(QTime, begin);
        QFETCH(QTime, end);
        withRegions(2, tasks);
        QCOMPARE(child<QComboBox>("roiComboBox")->currentText(), QString("粉色区域"));
        QCOMPARE(child<QTimeEdit>("beginTimeEdit")->time(), begin);
        QCOMPARE(child<QTimeEdit>("endTimeEdit")->time(), end);
    }

    void theTaskIsWhatTheFormShows() {
        withRegions(3, {});
        auto* days = child<QComboBox>("weekdayComboBox");
        QCOMPARE(days->count(), 5);
        QCOMPARE(child<QComboBox>("toneTypeComboBox")->count(), 1);
        days->setCurrentText("每天");
        child<QComboBox>("roiComboBox")->setCurrentIndex(1);
        child<QSpinBox>("repeatSpinBox")->setValue(3);
        child<QTimeEdit>("endTimeEdit")->setTime(QTime(6, 30));
        const ShieldTask task = dialog->task();
        QCOMPARE(task.dayMask, 127);
        QCOMPARE(task.region, 1);
        QCOMPARE(task.repeat, 3);
        QCOMPARE(task.tone, 11u);
        QCOMPARE(task.begin, QTime(0, 0));
        QCOMPARE(task.end, QTime(6, 30));
    }

    void withoutARegionOnlyCancelRemains() {
        withRegions(0, {});
        QVERIFY(!child<QDialogButtonBox>("buttonBox")->button(QDialogButtonBox::Ok)->isEnabled());
        QCOMPARE(child<QLabel>("tipLabel")->text(),
                 QString("必须先建立一个有效的布防区域，可以在视频界面拖动鼠标建立"));
        QCOMPARE(child<QComboBox>("roiComboBox")->count(), 0);
        child<QPushButton>("alarmPushButton")->click();  // no session: nothing to reach
    }

    void theToneTestPlaysOnTheCamera() {
        PageCamera camera;
        AddTaskDialog withSession(camera.session().data());
        store.setRegion(0, QPolygonF(), Qt::blue, Qt::red);
        withSession.setAreas(&store);
        withSession.findChild<QPushButton*>("alarmPushButton")->click();
        const auto plays = camera.sim().journal([](const camsim::JournalEntry& e) {
            return e.text("target").rfind("/NetSDK/System/AlarmTone", 0) == 0;
        });
        QCOMPARE(plays.size(), size_t(1));
        // Tone type 11 is the camera's tone number 12.
        QVERIFY2(plays[0].text("target").find("Type12") != std::string::npos,
                 plays[0].text("target").c_str());
    }

private:
    ShieldTaskManager store;
    AddTaskDialog* dialog = nullptr;
};

QTEST_MAIN(AddTaskDialogTest)
#include "test_add_task_dialog.moc"
