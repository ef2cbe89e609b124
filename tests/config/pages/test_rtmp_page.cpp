// The RTMP push page against camsim: load, save, restore and the refusals.
#include <QComboBox>
#include <QGroupBox>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

#include "RtmpClientWidget.h"
#include "page_camera.h"

namespace {

constexpr int kGet = 150;
constexpr int kSet = 151;
constexpr int kWaitMs = 20;

// The page on a camera, loaded.
struct Page {
    explicit Page(PageCamera& camera) : widget(camera.session().data(), nullptr) {
        widget.setSaveWaitMs(kWaitMs);
        widget.show();
        QCoreApplication::processEvents();  // runs the queued load
    }
    template <typename T>
    T* child(const char* name) {
        return requireChild<T>(&widget, name);
    }
    void click(const char* name) { child<QPushButton>(name)->click(); }

    RtmpClientWidget widget;
};

QJsonObject settings(bool enabled, int streamType, const QString& host, int port,
                     const QString& app, const QString& streamId) {
    return {{"enabled", enabled},  {"stream_type", streamType}, {"remote_host", host},
            {"remote_port", port}, {"app_name", app},           {"stream_id", streamId}};
}

}  // namespace

class RtmpPageTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCOMPARE(NETSDK_Init(), 0); }
    void cleanupTestCase() { NETSDK_Cleanup(); }

    void loadFillsTheFormAndRestoreTakesTheCameraDefaults() {
        PageCamera camera;
        camera.session()->setRtmpConfig(
            QJsonDocument(settings(true, 1, "push.example.org", 1936, "broadcast", "cam7?key=1")));
        Page page(camera);
        QVERIFY(page.widget.isEnabled());
        QVERIFY(page.child<QGroupBox>("groupBox")->isChecked());
        QCOMPARE(page.child<QComboBox>("streamTypeComboBox")->currentIndex(), 1);
        QCOMPARE(page.child<QLineEdit>("rtmpHostLineEdit")->text(), QString("push.example.org"));
        QCOMPARE(page.child<QSpinBox>("rtmpPortSpinBox")->value(), 1936);
        QCOMPARE(page.child<QLineEdit>("appNameLineEdit")->text(), QString("broadcast"));
        QCOMPARE(page.child<QLineEdit>("streamIdLineEdit")->text(), QString("cam7?key=1"));

        // camsim's defaults: off, main stream, no host, 1935, "live", no stream ID.
        page.click("resetPushButton");
        QVERIFY(!page.child<QGroupBox>("groupBox")->isChecked());
        QCOMPARE(page.child<QComboBox>("streamTypeComboBox")->currentIndex(), 0);
        QCOMPARE(page.child<QLineEdit>("rtmpHostLineEdit")->text(), QString());
        QCOMPARE(page.child<QSpinBox>("rtmpPortSpinBox")->value(), 1935);
        QCOMPARE(page.child<QLineEdit>("appNameLineEdit")->text(), QString("live"));
        QCOMPARE(page.child<QLineEdit>("streamIdLineEdit")->text(), QString());
        QCOMPARE(camera.productBodies(kSet).size(), size_t(1));  // only the test's own set
    }

    void saveSendsAllSixKeysAlsoWhenSwitchedOff() {
        PageCamera camera;
        Page page(camera);
        page.child<QComboBox>("streamTypeComboBox")->setCurrentIndex(1);
        page.child<QLineEdit>("rtmpHostLineEdit")->setText("10.1.2.3");
        page.child<QSpinBox>("rtmpPortSpinBox")->setValue(19350);
        page.child<QLineEdit>("appNameLineEdit")->setText("app");
        page.child<QLineEdit>("streamIdLineEdit")->setText("id");
        page.click("savePushButton");
        const auto sets = camera.productJson(kSet);
        QCOMPARE(sets.size(), size_t(1));
        QCOMPARE(sets[0].object(), settings(false, 1, "10.1.2.3", 19350, "app", "id"));
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }

    void cameraValuesAreHeldToTheFieldsAndAnUnknownStreamTypeGoesBackUnchanged() {
        PageCamera camera;
        camera.session()->setRtmpConfig(QJsonDocument(
            settings(true, 5, QString(300, 'h'), 0, QString(200, 'a'), QString(600, 's'))));
        Page page(camera);
        QCOMPARE(page.child<QComboBox>("streamTypeComboBox")->currentIndex(), -1);
        QCOMPARE(page.child<QSpinBox>("rtmpPortSpinBox")->value(), 1);
        page.click("savePushButton");
        const auto sets = camera.productJson(kSet);
        QCOMPARE(sets.size(), size_t(2));
        QCOMPARE(sets[1].object(),
                 settings(true, 5, QString(256, 'h'), 1, QString(128, 'a'), QString(512, 's')));
    }

    void unreadableSettingsShutTheSave() {
        PageCamera camera(R"("faults": {"http_status": {"product:150": 500}})");
        Page page(camera);
        QCOMPARE(camera.productBodies(kGet).size(), size_t(1));
        QVERIFY(!page.child<QPushButton>("savePushButton")->isEnabled());
        QVERIFY(!page.child<QLabel>("readFailureLabel")->isHidden());
        QCOMPARE(page.child<QSpinBox>("rtmpPortSpinBox")->value(), 1935);
    }

    void unreadableDefaultsLeaveRestoreWithNothingToDo() {
        PageCamera camera(R"("faults": {"http_status": {"product:152": 500}})");
        camera.session()->setRtmpConfig(
            QJsonDocument(settings(true, 1, "h.example", 1000, "a", "s")));
        Page page(camera);
        page.child<QLineEdit>("rtmpHostLineEdit")->setText("typed");
        page.click("resetPushButton");
        QCOMPARE(page.child<QLineEdit>("rtmpHostLineEdit")->text(), QString("typed"));
        QCOMPARE(page.child<QSpinBox>("rtmpPortSpinBox")->value(), 1000);
    }
};

QTEST_MAIN(RtmpPageTest)
#include "test_rtmp_page.moc"
