// The video capture page against camsim: load, save of exactly the edited fields, restore,
// the strength rows and the refusals.
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QtEndian>
#include <QtTest>

#include "VideoISPConfigWidget.h"
#include "VideoSurface.h"
#include "page_camera.h"

namespace {

constexpr int kWireCapture = 21;
constexpr int kHead = 16;

// Wire positions of the value words that the page writes.
enum Wire {
    Brightness = 8,
    Saturation = 164,
    Sharpness = 320,
    Contrast = 476,
    Backlight = 788,
    VideoStandard = 944,
    HorizontalFlip = 1092,
    VerticalFlip = 1108,
    PreventExposure = 1124,
    AeSensitivity = 1140,
    AeTolerance = 1296,
    WdrEnabled = 1944,
    WdrAutomatic = 1960,
    WdrStrength = 1976,
    DenoiseEnabled = 2320,
    DenoiseAutomatic = 2336,
    DenoiseStrength = 2352,
};

int wordAt(const QByteArray& body, int offset) {
    return qFromLittleEndian<qint32>(body.constData() + kHead + offset);
}

struct Page {
    explicit Page(PageCamera& camera) : widget(camera.session().data(), nullptr) {
        widget.show();
        QCoreApplication::processEvents();  // runs the queued load
    }
    template <typename T>
    T* child(const char* name) {
        return requireChild<T>(&widget, name);
    }
    VideoISPConfigWidget widget;
};

}  // namespace

class VideoIspPageTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCOMPARE(NETSDK_Init(), 0); }
    void cleanupTestCase() { NETSDK_Cleanup(); }

    void modesLoadFromTheEnableAndAutomaticFlags_data() {
        QTest::addColumn<int>("enabled");
        QTest::addColumn<int>("automatic");
        QTest::addColumn<int>("index");
        QTest::newRow("off") << 0 << 1 << 0;
        QTest::newRow("automatic, any nonzero flag") << 1 << 7 << 1;
        QTest::newRow("manual") << 1 << 0 << 2;
    }
    void modesLoadFromTheEnableAndAutomaticFlags() {
        QFETCH(int, enabled);
        QFETCH(int, automatic);
        QFETCH(int, index);
        PageCamera camera;
        NETSDK_PARAM_VIDEO_CAPTURE* record = camera.session()->videoCaptureConfig(false);
        QVERIFY(record != nullptr);
        record->wdrEnabled.value = record->noiseReduction.value = enabled;
        record->wdrStrengthOff.value = record->noiseStrengthOff.value = automatic;
        record->wdrStrength.value = 77;
        record->noiseStrength.value = 88;
        Page page(camera);
        QCOMPARE(page.child<QComboBox>("cbxAdvancedAttrImageWdr")->currentIndex(), index);
        QCOMPARE(page.child<QComboBox>("threeDimDenoiseComboBox")->currentIndex(), index);
        QCOMPARE(page.child<QSlider>("imageWdrSlider")->isVisible(), index == 2);
        QCOMPARE(page.child<QLabel>("threeDimDenoiseLabel")->isVisible(), index == 2);
        QCOMPARE(page.child<QSpinBox>("imageWdrSpinBox")->value(), 77);
        QCOMPARE(page.child<QSpinBox>("threeDimDenoiseSpinBox")->value(), 88);
        QVERIFY(page.child<QFrame>("frameVideoISP")->findChild<VideoSurface*>() != nullptr);
    }

    void saveWritesTheFormIntoTheRecord() {
        PageCamera camera;
        NETSDK_PARAM_VIDEO_CAPTURE* record = camera.session()->videoCaptureConfig(false);
        record->horizontalFlip.value = 5;
        record->wdrStrength.value = 40;
        record->noiseStrength.value = 41;
        Page page(camera);
        QVERIFY(page.child<QCheckBox>("ckbHFlip")->isChecked());
        page.child<QSpinBox>("spbBrightness")->setValue(11);
        page.child<QSlider>("horizontalSlider_5")->setValue(12);  // contrast, through the slider
        page.child<QSpinBox>("spbSaturation")->setValue(13);
        page.child<QSpinBox>("spbSharpness")->setValue(14);
        page.child<QSpinBox>("spbBacklight")->setValue(15);
        page.child<QComboBox>("cbxVideoStandard")->setCurrentIndex(1);
        page.child<QCheckBox>("ckbVFlip")->setChecked(true);
        page.child<QSpinBox>("spbAEStep")->setValue(200);
        page.child<QSpinBox>("spbAETolerance")->setValue(201);
        page.child<QComboBox>("cbxAdvancedAttrImageWdr")->setCurrentIndex(2);
        page.child<QSpinBox>("imageWdrSpinBox")->setValue(99);
        page.child<QComboBox>("threeDimDenoiseComboBox")->setCurrentIndex(0);
        page.child<QSpinBox>("threeDimDenoiseSpinBox")->setValue(98);  // not sent when off
        page.child<QComboBox>("ComboBox_16")->setCurrentIndex(2);      // saves nothing
        page.child<QPushButton>("savePushButton")->click();

        const auto puts = camera.blockBodies("PUT", kWireCapture);
        QCOMPARE(puts.size(), size_t(1));
        const QByteArray& body = puts[0];
        const std::pair<int, int> expected[] = {
            {Brightness, 11},      {Contrast, 12},       {Saturation, 13},    {Sharpness, 14},
            {Backlight, 15},       {VideoStandard, 60},  {HorizontalFlip, 1}, {VerticalFlip, 1},
            {PreventExposure, 0},  {AeSensitivity, 200}, {AeTolerance, 201},  {WdrEnabled, 1},
            {WdrAutomatic, 0},     {WdrStrength, 99},    {DenoiseEnabled, 0}, {DenoiseAutomatic, 0},
            {DenoiseStrength, 41},
        };
        for (const auto& [offset, value] : expected) {
            QCOMPARE(wordAt(body, offset), value);
        }
    }

    void restorePutsTheCameraDefaultsAndAutomaticModes() {
        PageCamera camera;
        NETSDK_PARAM_VIDEO_CAPTURE* record = camera.session()->videoCaptureConfig(false);
        record->brightness.value = 90;
        record->brightness.defaultValue = 45;
        record->videoStandard.value = 60;
        record->videoStandard.defaultValue = 50;
        record->verticalFlip.value = 1;
        record->verticalFlip.defaultValue = 0;
        record->wdrEnabled.value = 1;
        record->wdrStrengthOff.value = 0;
        Page page(camera);
        QCOMPARE(page.child<QSpinBox>("spbBrightness")->value(), 90);
        QCOMPARE(page.child<QComboBox>("cbxVideoStandard")->currentText(), QString("NTSC"));
        page.child<QPushButton>("resetPushButton")->click();
        QCOMPARE(page.child<QSpinBox>("spbBrightness")->value(), 45);
        QCOMPARE(page.child<QSlider>("horizontalSlider_4")->value(), 45);
        QCOMPARE(page.child<QComboBox>("cbxVideoStandard")->currentText(), QString("PAL"));
        QVERIFY(!page.child<QCheckBox>("ckbVFlip")->isChecked());
        QCOMPARE(page.child<QComboBox>("cbxAdvancedAttrImageWdr")->currentIndex(), 1);
        QVERIFY(!page.child<QSlider>("imageWdrSlider")->isVisible());
        QVERIFY(camera.blockBodies("PUT", kWireCapture).empty());
    }

    void anUnknownVideoStandardShowsNoneAndIsKept() {
        PageCamera camera;
        NETSDK_PARAM_VIDEO_CAPTURE* record = camera.session()->videoCaptureConfig(false);
        record->videoStandard.value = 55;
        Page page(camera);
        QCOMPARE(page.child<QComboBox>("cbxVideoStandard")->currentIndex(), -1);
        page.child<QPushButton>("savePushButton")->click();
        const auto puts = camera.blockBodies("PUT", kWireCapture);
        QCOMPARE(puts.size(), size_t(1));
        QCOMPARE(wordAt(puts[0], VideoStandard), 55);
    }

    void anUnreadableRecordLeavesThePageAsBuiltAndSavesNothing() {
        PageCamera camera(R"("faults": {"http_status": {"command:21": 500}})");
        Page page(camera);
        QCOMPARE(page.child<QComboBox>("cbxVideoStandard")->count(), 0);
        QCOMPARE(page.child<QSpinBox>("spbBrightness")->value(), 0);
        QVERIFY(page.child<QFrame>("frameVideoISP")->findChild<VideoSurface*>() == nullptr);
        QVERIFY(!page.child<QPushButton>("savePushButton")->isEnabled());
        page.child<QPushButton>("savePushButton")->click();
        QCOMPARE(camera.blockBodies("GET", kWireCapture).size(), size_t(1));
        QVERIFY(camera.blockBodies("PUT", kWireCapture).empty());
    }
};

QTEST_MAIN(VideoIspPageTest)
#include "test_video_isp_page.moc"
