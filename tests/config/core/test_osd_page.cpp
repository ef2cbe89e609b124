// The OSD page on the real dialog against camsim: the load, the title channels, the boxes
// that grey out the title, the restore button and the exact record a save sends.
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <limits>

#include "slot_float.h"
#include "video_page_fixture.h"

namespace {

constexpr int kWireOsd = 5;
constexpr int kOsdWireSize = 5372;
// Title k at 1060 k from these; the date-time words are absolute.
constexpr int kTitleWire = 1060;
constexpr int kTitleShown = 156, kTitleX = 172, kTitleY = 328, kTitleText = 812;
constexpr int kDateShown = 4396, kDateX = 4412, kDateY = 4568, kWeekdayShown = 5036,
              kWeekdayStyle = 5052, kClockFormat = 5068, kDateFormat = 5084;

}  // namespace

class OsdPageTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCOMPARE(NETSDK_Init(), 0); }
    void cleanupTestCase() { NETSDK_Cleanup(); }

    void loadShowsTheDateTimeAndTheFirstTitle() {
        DialogOnCamera camera(R"("device_name": "门口摄像机")");
        QVERIFY(camera.loggedIn());
        camera.showPage(RemoteConfigDialog::OsdPage);
        QVERIFY(camera.widget<QGroupBox>("gbxOSDDateTime")->isChecked());
        QCOMPARE(camera.widget<QDoubleSpinBox>("dspbOSDDateTimePosX")->value(), 60.0);
        QCOMPARE(camera.widget<QDoubleSpinBox>("dspbOSDDateTimePosY")->value(), 5.0);
        QVERIFY(camera.widget<QCheckBox>("ckbDisplayWeekday")->isChecked());
        QCOMPARE(camera.widget<QComboBox>("cbxOSDDateFormat")->currentIndex(), 0);
        QVERIFY(camera.widget<QCheckBox>("ckbTitleEnabled")->isChecked());
        QCOMPARE(camera.widget<QDoubleSpinBox>("dspbOSDTitlePosX")->value(), 5.0);
        QCOMPARE(camera.widget<QDoubleSpinBox>("dspbOSDTitlePosY")->value(), 10.0);
        QCOMPARE(camera.widget<QLineEdit>("edtTitleText")->text(), QString("门口摄像机"));
        auto* channel = camera.widget<QComboBox>("cbxTitleChannel");
        QCOMPARE(channel->currentIndex(), 0);
        QVERIFY(!channel->isEnabled());
    }

    void anotherChannelShowsItsOwnTitle() {
        DialogOnCamera camera;
        camera.showPage(RemoteConfigDialog::OsdPage);
        camera.widget<QComboBox>("cbxTitleChannel")->setCurrentIndex(2);
        QVERIFY(!camera.widget<QCheckBox>("ckbTitleEnabled")->isChecked());
        QCOMPARE(camera.widget<QDoubleSpinBox>("dspbOSDTitlePosY")->value(), 30.0);
        QCOMPARE(camera.widget<QLineEdit>("edtTitleText")->text(), QString());
    }

    void untickedTitleGreysOutItsFields() {
        DialogOnCamera camera;
        camera.showPage(RemoteConfigDialog::OsdPage);
        auto* enabled = camera.widget<QCheckBox>("ckbTitleEnabled");
        enabled->setChecked(false);
        for (const char* name : {"dspbOSDTitlePosX", "dspbOSDTitlePosY", "edtTitleText"}) {
            QVERIFY2(!camera.widget<QWidget>(name)->isEnabled(), name);
        }
        enabled->setChecked(true);
        QVERIFY(camera.widget<QWidget>("edtTitleText")->isEnabled());
        QVERIFY(camera.blocks("PUT", kWireOsd).empty());
    }

    void saveSendsTheFormAsTitleOneWithTheOthersEmpty() {
        DialogOnCamera camera;
        camera.showPage(RemoteConfigDialog::OsdPage);
        // Positions come from dragging the preview's overlays.
        QVERIFY(QMetaObject::invokeMethod(&camera.dialog(), "onOSDTitlePosUpdate",
                                          Q_ARG(QPointF, QPointF(12.5, 80.25))));
        QVERIFY(QMetaObject::invokeMethod(&camera.dialog(), "onOSDDateTimePosUpdate",
                                          Q_ARG(QPointF, QPointF(1.5, 2.75))));
        camera.widget<QLineEdit>("edtTitleText")->setText("Gate 北");
        camera.widget<QCheckBox>("ckbDisplayWeekday")->setChecked(false);
        camera.widget<QComboBox>("cbxDisplayChinese")->setCurrentIndex(1);
        camera.widget<QComboBox>("cbxTimeFormt12HRs")->setCurrentIndex(1);
        camera.widget<QComboBox>("cbxOSDDateFormat")->setCurrentIndex(3);
        camera.widget<QPushButton>("btnSaveVideoOSDConfig")->click();

        const QByteArray expected = WireBody(kOsdWireSize)
                                        .word(kTitleShown, 1)
                                        .real(kTitleX, 12.5f)
                                        .real(kTitleY, 80.25f)
                                        .text(kTitleText, QString("Gate 北").toUtf8())
                                        .word(kDateShown, 1)
                                        .real(kDateX, 1.5f)
                                        .real(kDateY, 2.75f)
                                        .word(kWeekdayShown, 0)
                                        .word(kWeekdayStyle, 1)
                                        .word(kClockFormat, 1)
                                        .word(kDateFormat, 3)
                                        .bytes();
        const QByteArray sent = camera.written(kWireOsd);
        QCOMPARE(sent.toHex(), expected.toHex());
        QCOMPARE(wireWord(sent, kTitleShown + 2 * kTitleWire), 0);
    }

    void restorePutsTheDefaultsIntoTheForm() {
        DialogOnCamera camera;
        camera.showPage(RemoteConfigDialog::OsdPage);
        QVERIFY(QMetaObject::invokeMethod(&camera.dialog(), "onOSDTitlePosUpdate",
                                          Q_ARG(QPointF, QPointF(40, 40))));
        camera.widget<QGroupBox>("gbxOSDDateTime")->setChecked(false);
        camera.widget<QComboBox>("cbxOSDDateFormat")->setCurrentIndex(5);
        camera.widget<QPushButton>("btnRestoreDefaultVideoOSDConfig")->click();
        // camsim's defaults: the date-time shown, the title's default position 0.
        QVERIFY(camera.widget<QGroupBox>("gbxOSDDateTime")->isChecked());
        QCOMPARE(camera.widget<QComboBox>("cbxOSDDateFormat")->currentIndex(), 0);
        QCOMPARE(camera.widget<QDoubleSpinBox>("dspbOSDTitlePosX")->value(), 0.0);
        QVERIFY(camera.blocks("PUT", kWireOsd).empty());
    }

    // The record holds no default title: a restore leaves the title, so a save keeps it.
    void restoreLeavesTheTitleAndSaveKeepsIt() {
        DialogOnCamera camera(R"("device_name": "门口摄像机")");
        camera.showPage(RemoteConfigDialog::OsdPage);
        camera.widget<QPushButton>("btnRestoreDefaultVideoOSDConfig")->click();
        QCOMPARE(camera.widget<QLineEdit>("edtTitleText")->text(), QString("门口摄像机"));
        camera.widget<QPushButton>("btnSaveVideoOSDConfig")->click();
        const QByteArray title = QString("门口摄像机").toUtf8();
        QCOMPARE(camera.written(kWireOsd).mid(kTitleText, title.size() + 1), title + '\0');
    }

    // The preview shows the stamp as the camera will: its format follows the form.
    void previewDrawsTheStampInTheChosenFormat() {
        DialogOnCamera camera;
        // Once the pages are loaded each video page's frame hosts its live view.
        for (const char* frame : {"frameOSDSetting", "frameVideoMask", "frameLightDevice",
                                  "frameHumanoidRecognition"}) {
            QVERIFY2(camera.widget<QWidget>(frame)->layout() != nullptr, frame);
        }
        camera.showPage(RemoteConfigDialog::OsdPage);
        camera.widget<QComboBox>("cbxOSDDateFormat")->setCurrentIndex(3);
        camera.widget<QComboBox>("cbxTimeFormt12HRs")->setCurrentIndex(1);
        camera.widget<QCheckBox>("ckbDisplayWeekday")->setChecked(false);
        camera.widget<QLineEdit>("edtTitleText")->setText("Yard");
        camera.widget<QPushButton>("btnSaveVideoOSDConfig")->click();
        QStringList labels;
        for (auto* label :
             camera.widget<QWidget>("frameOSDSetting")->findChildren<QPushButton*>()) {
            labels << label->text();
        }
        QVERIFY2(labels.contains("Yard"), qPrintable(labels.join('|')));
        const QRegularExpression stamp(R"(^\d{4}/\d{2}/\d{2} \d{1,2}:\d{2}:\d{2}$)");
        QVERIFY2(!labels.filter(stamp).isEmpty(), qPrintable(labels.join('|')));
    }

    // A damaged record: positions that are not numbers, infinite or huge show
    // held to the picture, and a save sends them back held, never as they came.
    void positionsOutsideThePictureAreHeldToIt_data() {
        QTest::addColumn<float>("received");
        QTest::addColumn<float>("held");
        QTest::newRow("not a number") << std::numeric_limits<float>::quiet_NaN() << 0.0f;
        QTest::newRow("infinite") << std::numeric_limits<float>::infinity() << 100.0f;
        QTest::newRow("minus infinite") << -std::numeric_limits<float>::infinity() << 0.0f;
        QTest::newRow("huge") << 3e38f << 100.0f;
    }
    void positionsOutsideThePictureAreHeldToIt() {
        QFETCH(float, received);
        QFETCH(float, held);
        DialogOnCamera camera;
        const NETSDK_CHANNEL channel = {0, 1};
        NETSDK_PARAM_OSD osd = {};
        QCOMPARE(NETSDK_GetParam(camera.dialog().loginHandle(), &channel, NETSDK_PARAM_ID_OSD, &osd,
                                 int(sizeof(osd))),
                 0);
        for (NETSDK_RANGE_SLOT* position :
             {&osd.dateTimeX, &osd.dateTimeY, &osd.titles[0].x, &osd.titles[0].y}) {
            position->value = wordFromFloat(received);
        }
        QCOMPARE(NETSDK_SetParam(camera.dialog().loginHandle(), &channel, NETSDK_PARAM_ID_OSD, &osd,
                                 int(sizeof(osd))),
                 0);
        camera.showPage(RemoteConfigDialog::OsdPage);
        for (const char* name : {"dspbOSDDateTimePosX", "dspbOSDDateTimePosY", "dspbOSDTitlePosX",
                                 "dspbOSDTitlePosY"}) {
            const double shown = camera.widget<QDoubleSpinBox>(name)->value();
            QVERIFY2(shown == double(held), qPrintable(QString("%1: %2").arg(name).arg(shown)));
        }
        camera.widget<QPushButton>("btnSaveVideoOSDConfig")->click();
        const auto writes = camera.blocks("PUT", kWireOsd);
        QCOMPARE(writes.size(), size_t(2));  // the damaged record, then the save
        const QByteArray& sent = writes.back();
        for (int offset : {kDateX, kDateY, kTitleX, kTitleY}) {
            const float value = floatFromWord(wireWord(sent, offset));
            QVERIFY2(value == held,
                     qPrintable(QString("offset %1: %2, not %3").arg(offset).arg(value).arg(held)));
        }
    }

    void failedReadKeepsTheForm() {
        DialogOnCamera camera(R"("faults": {"http_status": {"command:5": 500}})");
        camera.widget<QLineEdit>("edtTitleText")->setText("kept");
        camera.widget<QDoubleSpinBox>("dspbOSDTitlePosX")->setValue(33);
        camera.showPage(RemoteConfigDialog::OsdPage);
        QCOMPARE(camera.widget<QLineEdit>("edtTitleText")->text(), QString("kept"));
        QCOMPARE(camera.widget<QDoubleSpinBox>("dspbOSDTitlePosX")->value(), 33.0);
        QVERIFY(camera.widget<QComboBox>("cbxTitleChannel")->isEnabled());
    }
};

QTEST_MAIN(OsdPageTest)
#include "test_osd_page.moc"
