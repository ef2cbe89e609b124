// The fill-light page on the real dialog against camsim: what a load shows, how the controls
// follow each other, and the exact record a save sends.
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QTimeEdit>
#include <QtTest>

#include "modalhelper.h"
#include "video_page_fixture.h"

namespace {

// Wire commands and offsets of the fill-light and IR-cut blocks.
constexpr int kWireLight = 20;
constexpr int kWireIrCut = 24;
constexpr int kLightWireSize = 3564;
constexpr int kPhotosensor = 8, kImageMode = 156, kLightMode = 304, kTurnOnSens = 452,
              kAdjustSens = 600, kRedDimming = 1700, kRedBrightness = 1848, kWarmDimming = 2316,
              kWarmBrightness = 2464, kNightStart = 2948, kNightEnd = 3104;

}  // namespace

class LightPageTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCOMPARE(NETSDK_Init(), 0); }
    void cleanupTestCase() { NETSDK_Cleanup(); }

    void loadShowsTheCameraSettings() {
        DialogOnCamera camera;
        QVERIFY(camera.loggedIn());
        camera.showPage(RemoteConfigDialog::LightPage);
        auto* modes = camera.widget<QComboBox>("cbxLightDeviceLightMode");
        QCOMPARE(modes->count(), 6);
        QCOMPARE(modes->itemText(5), QString("双光源（红外、白光/暖光）智能调光模式"));
        QCOMPARE(modes->itemData(5).toInt(), 18);
        QCOMPARE(modes->currentData().toInt(), 0);
        QCOMPARE(camera.widget<QComboBox>("cbxLightDeviceImageMode")->currentIndex(), 0);
        QCOMPARE(camera.widget<QSlider>("sldLightDeviceLightTurnOnSens")->value(), 1);
        QCOMPARE(camera.widget<QSlider>("sldLightDeviceLightAutoAdjSens")->value(), 1);
        QCOMPARE(camera.widget<QTimeEdit>("tmLightDeviceNightStartTime")->time(), QTime(18, 0));
        QCOMPARE(camera.widget<QTimeEdit>("tmLightDeviceNightStopTime")->time(), QTime(6, 0));
        // Night times only for the timed image mode.
        QVERIFY(camera.widget<QTimeEdit>("tmLightDeviceNightStartTime")->isHidden());
        // Infrared mode: the red light is chosen and locked, in automatic dimming.
        auto* lightType = camera.widget<QComboBox>("cbxLightDeviceLightType");
        QCOMPARE(lightType->count(), 2);
        QCOMPARE(lightType->itemText(0), QString("红光"));
        QCOMPARE(lightType->currentIndex(), 0);
        QVERIFY(!lightType->isEnabled());
        QCOMPARE(lightType->itemData(0).toSize(), QSize(0, 80));
        QCOMPARE(lightType->itemData(1).toSize(), QSize(0, 60));
        QVERIFY(camera.widget<QSlider>("sldLightDeviceDutyRatio")->isHidden());
        QCOMPARE(camera.widget<QComboBox>("iRCUTComboBox")->currentIndex(), 0);
    }

    void controlsFollowTheImageMode() {
        DialogOnCamera camera;
        camera.showPage(RemoteConfigDialog::LightPage);
        auto* imageMode = camera.widget<QComboBox>("cbxLightDeviceImageMode");
        auto* photosensor = camera.widget<QComboBox>("cbxLightDeviceType");
        auto* turnOn = camera.widget<QSlider>("sldLightDeviceLightTurnOnSens");
        auto* adjust = camera.widget<QSlider>("sldLightDeviceLightAutoAdjSens");
        auto* nightStart = camera.widget<QTimeEdit>("tmLightDeviceNightStartTime");
        auto* nightLabel = camera.widget<QLabel>("lblLightDeviceNightStopTime");
        struct Row {
            int mode;
            bool sensorAndTurnOn, adjustable, nightShown;
        };
        for (const Row& row : {Row{3, false, true, true}, Row{1, false, false, false},
                               Row{2, false, true, false}, Row{0, true, true, false}}) {
            imageMode->setCurrentIndex(row.mode);
            QCOMPARE(photosensor->isEnabled(), row.sensorAndTurnOn);
            QCOMPARE(turnOn->isEnabled(), row.sensorAndTurnOn);
            QCOMPARE(adjust->isEnabled(), row.adjustable);
            QCOMPARE(!nightStart->isHidden(), row.nightShown);
            QCOMPARE(!nightLabel->isHidden(), row.nightShown);
        }
    }

    void smartModesLockTheirLight() {
        DialogOnCamera camera(R"("light_modes": [16, 17])");
        camera.showPage(RemoteConfigDialog::LightPage);
        auto* modes = camera.widget<QComboBox>("cbxLightDeviceLightMode");
        auto* lightType = camera.widget<QComboBox>("cbxLightDeviceLightType");
        QCOMPARE(modes->count(), 2);
        modes->setCurrentIndex(1);
        QCOMPARE(lightType->currentIndex(), 1);
        QVERIFY(!lightType->isEnabled());
        // Both lights: the user picks which one to adjust.
        DialogOnCamera dual(R"("light_modes": [2, 18])");
        dual.showPage(RemoteConfigDialog::LightPage);
        QVERIFY(dual.widget<QComboBox>("cbxLightDeviceLightType")->isEnabled());
    }

    void eachLightKeepsItsOwnDimmingAndTheSaveSendsBoth() {
        DialogOnCamera camera(R"("light_modes": [2, 18])");
        QCOMPARE(camera.widget<QLabel>("lblLightDeviceDutyRatio")->text(),
                 QString("光照亮度(0-100)"));
        camera.showPage(RemoteConfigDialog::LightPage);
        auto* lightType = camera.widget<QComboBox>("cbxLightDeviceLightType");
        auto* dimming = camera.widget<QComboBox>("cbxLightDeviceOptType");
        auto* brightness = camera.widget<QSlider>("sldLightDeviceDutyRatio");
        dimming->setCurrentIndex(1);
        QVERIFY(!brightness->isHidden());
        brightness->setValue(30);
        QCOMPARE(camera.widget<QLabel>("lblLightDeviceDutyRatio")->text(),
                 QString("光照亮度(30%)"));
        lightType->setCurrentIndex(1);
        QCOMPARE(dimming->currentIndex(), 0);
        QCOMPARE(brightness->value(), 60);
        dimming->setCurrentIndex(1);
        brightness->setValue(70);
        lightType->setCurrentIndex(0);
        QCOMPARE(dimming->currentIndex(), 1);
        QCOMPARE(brightness->value(), 30);

        camera.widget<QComboBox>("cbxLightDeviceLightMode")->setCurrentIndex(1);
        camera.widget<QComboBox>("cbxLightDeviceImageMode")->setCurrentIndex(2);
        camera.widget<QComboBox>("cbxLightDeviceType")->setCurrentIndex(1);
        camera.widget<QSlider>("sldLightDeviceLightTurnOnSens")->setValue(0);
        camera.widget<QSlider>("sldLightDeviceLightAutoAdjSens")->setValue(2);
        camera.widget<QTimeEdit>("tmLightDeviceNightStartTime")->setTime(QTime(22, 30));
        camera.widget<QTimeEdit>("tmLightDeviceNightStopTime")->setTime(QTime(5, 0, 15));
        camera.widget<QComboBox>("iRCUTComboBox")->setCurrentIndex(1);
        camera.widget<QPushButton>("btnSaveLightDeviceConfig")->click();

        const QByteArray expected = WireBody(kLightWireSize)
                                        .word(kPhotosensor, 1)
                                        .word(kImageMode, 8)
                                        .word(kLightMode, 18)
                                        .word(kTurnOnSens, 2)
                                        .word(kAdjustSens, 8)
                                        .word(kRedDimming, 1)
                                        .word(kRedBrightness, 30)
                                        .word(kWarmDimming, 1)
                                        .word(kWarmBrightness, 70)
                                        .word(kNightStart, 81000)
                                        .word(kNightEnd, 5 * 3600 + 15)
                                        .bytes();
        QCOMPARE(camera.written(kWireLight), expected);
        QCOMPARE(wireWord(camera.written(kWireIrCut), 8), 1);
    }

    void restorePutsTheDefaultsBack() {
        DialogOnCamera camera;
        camera.showPage(RemoteConfigDialog::LightPage);
        camera.widget<QComboBox>("cbxLightDeviceLightMode")->setCurrentIndex(4);
        camera.widget<QComboBox>("cbxLightDeviceImageMode")->setCurrentIndex(3);
        camera.widget<QSlider>("sldLightDeviceLightTurnOnSens")->setValue(2);
        camera.widget<QComboBox>("iRCUTComboBox")->setCurrentIndex(1);
        camera.widget<QPushButton>("btnRestoreDefaultLightDeviceConfig")->click();
        QCOMPARE(camera.widget<QComboBox>("cbxLightDeviceLightMode")->currentData().toInt(), 0);
        QCOMPARE(camera.widget<QComboBox>("cbxLightDeviceImageMode")->currentIndex(), 0);
        QCOMPARE(camera.widget<QSlider>("sldLightDeviceLightTurnOnSens")->value(), 1);
        QCOMPARE(camera.widget<QComboBox>("iRCUTComboBox")->currentIndex(), 0);
        QVERIFY(camera.widget<QTimeEdit>("tmLightDeviceNightStartTime")->isHidden());
        QVERIFY(camera.blocks("PUT", kWireLight).empty());
    }

    void failedReadKeepsTheFormAndSendsNothing() {
        DialogOnCamera camera(R"("faults": {"http_status": {"command:20": 500}})");
        auto* imageMode = camera.widget<QComboBox>("cbxLightDeviceImageMode");
        imageMode->setCurrentIndex(3);
        camera.widget<QTimeEdit>("tmLightDeviceNightStartTime")->setTime(QTime(21, 0));
        camera.showPage(RemoteConfigDialog::LightPage);
        QCOMPARE(imageMode->currentIndex(), 3);
        QCOMPARE(camera.widget<QTimeEdit>("tmLightDeviceNightStartTime")->time(), QTime(21, 0));
        QCOMPARE(camera.widget<QComboBox>("cbxLightDeviceLightType")->itemText(0), QString("红外"));
        camera.widget<QPushButton>("btnSaveLightDeviceConfig")->click();
        QVERIFY(camera.blocks("PUT", kWireLight).empty());
    }

    void failedWriteIsNotRetried() {
        DialogOnCamera camera;
        camera.showPage(RemoteConfigDialog::LightPage);
        camera.restartCamera(R"("faults": {"http_status": {"command:20": 500}})");
        const auto answer = answerNextModal<QMessageBox>([](QMessageBox* box) { box->accept(); });
        camera.widget<QPushButton>("btnSaveLightDeviceConfig")->click();
        QCOMPARE(camera.blocks("PUT", kWireLight).size(), size_t(1));
        QVERIFY(answer->answered);
    }

    // The IR-cut polarity goes first, and a camera that refuses it still gets the light.
    // Each refusal is shown with what the camera had taken before it.
    void refusedWriteIsShown_data() {
        QTest::addColumn<int>("refused");
        QTest::addColumn<QString>("message");
        QTest::newRow("IR-cut") << kWireIrCut
                                << "摄像机没有接受IRCUT触发，设置未全部保存。\n"
                                   "此前已写入摄像机的：无。";
        QTest::newRow("light") << kWireLight
                               << "摄像机没有接受补光灯，设置未全部保存。\n"
                                  "此前已写入摄像机的：IRCUT触发。";
    }
    void refusedWriteIsShown() {
        QFETCH(int, refused);
        DialogOnCamera camera(R"("faults": {"http_write_status": {"command:)" +
                              std::to_string(refused) + R"(": 500}})");
        camera.showPage(RemoteConfigDialog::LightPage);
        const auto answer = answerNextModal<QMessageBox>([](QMessageBox* box) { box->accept(); });
        camera.widget<QPushButton>("btnSaveLightDeviceConfig")->click();
        QVERIFY(answer->answered);
        QCOMPARE(answer->title, QString("保存失败"));
        QTEST(answer->text, "message");
        QCOMPARE(camera.blocks("PUT", kWireIrCut).size(), size_t(1));
        QCOMPARE(camera.blocks("PUT", kWireLight).size(), size_t(1));
    }

    // Values that name no choice (a bit value of 0, a mode without a name) leave the
    // control as it was instead of choosing an arbitrary entry.
    void valuesWithoutAChoiceAreNotGuessed() {
        DialogOnCamera camera(R"("light_modes": [40, 16])");
        NETSDK_PARAM_LIGHT broken = {};
        broken.imageMode.value = 0;
        broken.turnOnSensitivity.value = 0;
        broken.lightMode.value = 40;
        auto* login = camera.dialog().loginHandle();
        const NETSDK_CHANNEL channel = {0, 1};
        QCOMPARE(
            NETSDK_SetParam(login, &channel, NETSDK_PARAM_ID_LIGHT, &broken, int(sizeof(broken))),
            0);
        camera.widget<QComboBox>("cbxLightDeviceImageMode")->setCurrentIndex(2);
        camera.widget<QSlider>("sldLightDeviceLightTurnOnSens")->setValue(2);
        camera.showPage(RemoteConfigDialog::LightPage);
        QCOMPARE(camera.widget<QComboBox>("cbxLightDeviceImageMode")->currentIndex(), 2);
        QCOMPARE(camera.widget<QSlider>("sldLightDeviceLightTurnOnSens")->value(), 2);
        auto* modes = camera.widget<QComboBox>("cbxLightDeviceLightMode");
        QCOMPARE(modes->count(), 2);
        QCOMPARE(modes->currentData().toInt(), 40);
        QCOMPARE(modes->currentText(), QString());
    }
};

QTEST_MAIN(LightPageTest)
#include "test_light_page.moc"
