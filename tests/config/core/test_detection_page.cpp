// The human detection page on the real dialog against camsim: detection and linkage loads,
// the order of the save's writes and where a refusal stops them.
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QtTest>

#include "video_page_fixture.h"

namespace {

constexpr int kWireHumanoid = 9;
constexpr int kWireLinkage = 17;
constexpr int kHumanoidWireSize = 172, kLinkageWireSize = 64;
constexpr int kHumanoidEnabled = 8, kHumanoidSensitivity = 24;
constexpr int kLinkageTone = 24, kLinkageLights = 56;

}  // namespace

class DetectionPageTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCOMPARE(NETSDK_Init(), 0); }
    void cleanupTestCase() { NETSDK_Cleanup(); }

    void loadShowsDetectionAndLinkage() {
        DialogOnCamera camera;
        QVERIFY(camera.loggedIn());
        camera.widget<QGroupBox>("gbxHumanoidRecognition")->setChecked(true);
        camera.showPage(RemoteConfigDialog::HumanDetectionPage);
        QVERIFY(!camera.widget<QGroupBox>("gbxHumanoidRecognition")->isChecked());
        QCOMPARE(camera.widget<QSpinBox>("spbHRSensitivity")->value(), 50);
        QCOMPARE(camera.widget<QSlider>("sldHRSensitivity")->value(), 50);
        QVERIFY(camera.widget<QCheckBox>("ckbHRAlarmLights")->isChecked());
        QVERIFY(camera.widget<QCheckBox>("ckbHRToneBroadcast")->isChecked());
    }

    void refusedLinkageEndsTheLoadAfterTheDetection() {
        DialogOnCamera camera(R"("faults": {"http_status": {"command:17": 500}})");
        camera.widget<QSpinBox>("spbHRSensitivity")->setValue(7);
        camera.showPage(RemoteConfigDialog::HumanDetectionPage);
        QCOMPARE(camera.widget<QSpinBox>("spbHRSensitivity")->value(), 50);
        QVERIFY(!camera.widget<QCheckBox>("ckbHRAlarmLights")->isChecked());
        QVERIFY(!camera.widget<QCheckBox>("ckbHRToneBroadcast")->isChecked());
    }

    void saveWritesLinkageThenDetection() {
        DialogOnCamera camera;
        camera.showPage(RemoteConfigDialog::HumanDetectionPage);
        camera.widget<QGroupBox>("gbxHumanoidRecognition")->setChecked(true);
        camera.widget<QSlider>("sldHRSensitivity")->setValue(77);
        camera.widget<QCheckBox>("ckbHRToneBroadcast")->setChecked(false);
        camera.widget<QPushButton>("btnSaveHumanoidRecognitionConfig")->click();
        QCOMPARE(camera.written(kWireLinkage),
                 WireBody(kLinkageWireSize).word(kLinkageLights, 1).bytes());
        QCOMPARE(camera.written(kWireHumanoid), WireBody(kHumanoidWireSize)
                                                    .word(kHumanoidEnabled, 1)
                                                    .word(kHumanoidSensitivity, 77)
                                                    .bytes());
    }

    void refusedLinkageWriteEndsTheSave() {
        DialogOnCamera camera(R"("faults": {"http_status": {"command:17": 500}})");
        camera.widget<QPushButton>("btnSaveHumanoidRecognitionConfig")->click();
        QCOMPARE(camera.blocks("PUT", kWireLinkage).size(), size_t(1));
        QVERIFY(camera.blocks("PUT", kWireHumanoid).empty());
    }
};

QTEST_MAIN(DetectionPageTest)
#include "test_detection_page.moc"
