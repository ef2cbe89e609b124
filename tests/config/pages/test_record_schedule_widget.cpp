// The record schedule page against camsim: the schedule fills the seven rulers, saves send
// every day, presets and the camera's defaults change only the page.
#include <QGroupBox>
#include <QPushButton>
#include <QtTest>

#include "RecordScheduleWidget.h"
#include "TimePickerRulds.h"
#include "page_camera.h"

using Segments = QList<TimePickerRulds::Segment>;

namespace {

constexpr int kScheduleSet = 56;

const std::string kMondayOnly =
    R"("product_settings": {"schedule": {"enabled": true,
        "monday": [{"start_time": 3600, "duration": 7200}]}})";

std::string everyDay(const std::string& periods, bool enabled = true) {
    std::string text = std::string(R"({"enabled":)") + (enabled ? "true" : "false");
    for (const char* day :
         {"friday", "monday", "saturday", "sunday", "thursday", "tuesday", "wednesday"}) {
        text += std::string(",\"") + day + "\":" + periods;
    }
    return text + "}";
}

}  // namespace

class RecordScheduleWidgetTest : public QObject {
    Q_OBJECT

    void open(const std::string& cameraMembers = "") {
        camera.reset(new PageCamera(cameraMembers));
        page.reset(new RecordScheduleWidget(camera->session()));
        page->resize(1000, 800);
        page->show();
        settle();
    }

    TimePickerRulds* ruler(int day) {
        for (TimePickerRulds* candidate : page->findChildren<TimePickerRulds*>()) {
            if (candidate->weekday() == day) {
                return candidate;
            }
        }
        qFatal("no ruler for day %d", day);
    }

    void click(const char* button) {
        QPushButton* target = page->findChild<QPushButton*>(button);
        QVERIFY(target != nullptr);
        target->click();
    }

    std::string saved() {
        click("savePushButton");
        const auto bodies = camera->productBodies(kScheduleSet);
        return bodies.empty() ? "" : bodies.back();
    }

private slots:
    void cleanup() {
        page.reset();
        camera.reset();
    }

    void loadShowsEachDayOnItsRuler() {
        open(kMondayOnly);
        QCOMPARE(page->findChildren<TimePickerRulds*>().size(), 7);
        QVERIFY(page->findChild<QGroupBox*>("groupBox")->isChecked());
        QCOMPARE(ruler(1)->segments(), Segments({{3600, 10800}}));
        for (int day : {0, 2, 3, 4, 5, 6}) {
            QVERIFY(ruler(day)->segments().isEmpty());
        }
        QCOMPARE(saved(), std::string(R"({"enabled":true,"friday":[],)"
                                      R"("monday":[{"duration":7200,"start_time":3600}],)"
                                      R"("saturday":[],"sunday":[],"thursday":[],"tuesday":[],)"
                                      R"("wednesday":[]})"));
    }

    void periodsOfNoLengthAreNeitherShownNorSent() {
        open(R"("product_settings": {"schedule": {"enabled": false, "sunday": [
                {"start_time": 100, "duration": 0}, {"start_time": 7200, "duration": 60}]}})");
        QVERIFY(!page->findChild<QGroupBox*>("groupBox")->isChecked());
        QCOMPARE(ruler(0)->segments(), Segments({{7200, 7260}}));
        QVERIFY(saved().find(R"("sunday":[{"duration":60,"start_time":7200}])") !=
                std::string::npos);
    }

    void presetsFillEveryDay_data() {
        QTest::addColumn<QString>("preset");
        QTest::addColumn<QString>("sent");
        QTest::newRow("whole day")
            << "fullTimePushButton"
            << QString::fromStdString(everyDay(R"([{"duration":86400,"start_time":0}])"));
        QTest::newRow("office hours, weekend too")
            << "weekdayPushButton"
            << QString::fromStdString(everyDay(R"([{"duration":32400,"start_time":32400}])"));
        QTest::newRow("custom empties")
            << "customPushButton" << QString::fromStdString(everyDay("[]"));
    }
    void presetsFillEveryDay() {
        QFETCH(QString, preset);
        QFETCH(QString, sent);
        open(kMondayOnly);
        click(preset.toLatin1());
        QVERIFY(camera->productBodies(kScheduleSet).empty());
        QCOMPARE(QString::fromStdString(saved()), sent);
        QCOMPARE(ruler(3)->isEditable(), preset == "customPushButton");
    }

    void periodsAreSentInSlotOrder() {
        open(R"("product_settings": {"schedule": {"enabled": true, "tuesday": [
                {"start_time": 0, "duration": 0}, {"start_time": 36000, "duration": 3600}]}})");
        // A period drawn later lands in the free slot 0, before the loaded one.
        TimePickerRulds* tuesday = ruler(2);
        const int x = tuesday->width() / 24;  // 01:00
        QTest::mousePress(tuesday, Qt::LeftButton, Qt::NoModifier, {x, 20});
        QMouseEvent move(QEvent::MouseMove, QPoint(2 * x, 20), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(tuesday, &move);
        QTest::mouseRelease(tuesday, Qt::LeftButton, Qt::NoModifier, {2 * x, 20});
        const Segments shown = tuesday->segments();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown.at(1), TimePickerRulds::Segment(36000, 39600));
        const std::string body = saved();
        QVERIFY(body.find(R"("tuesday":[{"duration":)" +
                          std::to_string(shown.at(0).second - shown.at(0).first) +
                          R"(,"start_time":)" + std::to_string(shown.at(0).first) +
                          R"(},{"duration":3600,"start_time":36000}])") != std::string::npos);
    }

    void resetShowsTheDefaultsWithoutSending() {
        open(kMondayOnly + R"(, "product_defaults": {"schedule": {"enabled": false,
                "saturday": [{"start_time": 0, "duration": 600}]}})");
        click("resetPushButton");
        QVERIFY(!page->findChild<QGroupBox*>("groupBox")->isChecked());
        QVERIFY(ruler(1)->segments().isEmpty());
        QCOMPARE(ruler(6)->segments(), Segments({{0, 600}}));
        QVERIFY(camera->productBodies(kScheduleSet).empty());
    }

    void refusedReadsKeepThePage() {
        open(R"("faults": {"http_status": {"product:55": 500, "product:57": 500}})");
        auto* scheduleOn = page->findChild<QGroupBox*>("groupBox");
        QVERIFY(!scheduleOn->isChecked());
        QVERIFY(!ruler(4)->isEnabled());  // the switch governs rulers and presets
        scheduleOn->setChecked(true);
        click("fullTimePushButton");
        click("resetPushButton");
        QCOMPARE(ruler(4)->segments(), Segments({{0, 86400}}));
    }

private:
    QScopedPointer<PageCamera> camera;
    QScopedPointer<RecordScheduleWidget> page;
};

QTEST_MAIN(RecordScheduleWidgetTest)
#include "test_record_schedule_widget.moc"
