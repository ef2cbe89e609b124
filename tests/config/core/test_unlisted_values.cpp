// Values that a page's combo does not list, against camsim: each is shown as the camera sent
// it, and a save of the page sends it back unchanged instead of -1 or 0.
#include <QComboBox>
#include <QPushButton>
#include <QtTest>
#include <cstddef>
#include <vector>

#include "builtin_page_fixture.h"

using pagetest::LoggedInDialog;

namespace {

// One value word of a record, put on the camera before the page loads.
struct Poke {
    int paramId;
    int recordSize;
    size_t offset;  // of the value word in the record
    int stream;
};

template <typename Record>
Poke poke(int paramId, size_t offset, int stream = 1) {
    return {paramId, int(sizeof(Record)), offset, stream};
}

// Reads the record, changes the one word and writes it back.
bool putOnCamera(NETSDK_LOGIN_INFO* login, const Poke& poke, int32_t value) {
    std::vector<char> record(size_t(poke.recordSize));
    const NETSDK_CHANNEL channel = {0, poke.stream};
    if (NETSDK_GetParam(login, &channel, poke.paramId, record.data(), poke.recordSize) != 0) {
        return false;
    }
    std::memcpy(record.data() + poke.offset, &value, sizeof(value));
    return NETSDK_SetParam(login, &channel, poke.paramId, record.data(), poke.recordSize) == 0;
}

}  // namespace

Q_DECLARE_METATYPE(Poke)

class UnlistedValuesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCOMPARE(NETSDK_Init(), 0); }
    void cleanupTestCase() { NETSDK_Cleanup(); }

    void unlistedValueIsShownAndSentBackUnchanged_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<Poke>("onCamera");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("combo");
        QTest::addColumn<QString>("save");
        QTest::addColumn<int>("wireCommand");
        QTest::addColumn<int>("wireChannel");
        QTest::addColumn<int>("wireOffset");
        using Dialog = RemoteConfigDialog;
        const QString video = "btnSaveVideoEncoder", audio = "btnSaveAudioEncoderConfig",
                      light = "btnSaveLightDeviceConfig", osd = "btnSaveVideoOSDConfig";
        QTest::newRow("encoder type") << int(Dialog::VideoEncoderPage)
                                      << poke<NETSDK_PARAM_VIDEO_ENCODE>(
                                             NETSDK_PARAM_ID_VIDEO_ENCODE,
                                             offsetof(NETSDK_PARAM_VIDEO_ENCODE, encoder.value), 0)
                                      << 5 << "cbxMainStreamEncoder" << video << 3 << 0 << 8;
        QTest::newRow("rate control")
            << int(Dialog::VideoEncoderPage)
            << poke<NETSDK_PARAM_VIDEO_ENCODE>(
                   NETSDK_PARAM_ID_VIDEO_ENCODE,
                   offsetof(NETSDK_PARAM_VIDEO_ENCODE, rateControl.value), 1)
            << 7 << "cbxSubStreamBitRateCtrlMode" << video << 3 << 1 << 452;
        QTest::newRow("input mode")
            << int(Dialog::AudioCapturePage)
            << poke<NETSDK_PARAM_AUDIO_CAPTURE>(NETSDK_PARAM_ID_AUDIO_CAPTURE,
                                                offsetof(NETSDK_PARAM_AUDIO_CAPTURE, input.value))
            << 9 << "cbxAudioInputMode"
            << "btnSaveAudioAiaoConfig" << 1 << 1 << 632;
        QTest::newRow("audio encoder payload")
            << int(Dialog::AudioEncoderPage)
            << poke<NETSDK_PARAM_AUDIO_CODEC>(NETSDK_PARAM_ID_AUDIO_ENCODE,
                                              offsetof(NETSDK_PARAM_AUDIO_CODEC, codec.value))
            << 11 << "cbxAudioEncoderPayload" << audio << 2 << 1 << 24;
        QTest::newRow("audio decoder payload")
            << int(Dialog::AudioEncoderPage)
            << poke<NETSDK_PARAM_AUDIO_CODEC>(NETSDK_PARAM_ID_AUDIO_DECODE,
                                              offsetof(NETSDK_PARAM_AUDIO_CODEC, codec.value))
            << 12 << "cbxAudioDecoderPayload" << audio << 23 << 1 << 24;
        QTest::newRow("IR-cut mode")
            << int(Dialog::LightPage)
            << poke<NETSDK_PARAM_IRCUT>(NETSDK_PARAM_ID_IRCUT,
                                        offsetof(NETSDK_PARAM_IRCUT, polarity.value))
            << 3 << "iRCUTComboBox" << light << 24 << 1 << 8;
        QTest::newRow("photosensor")
            << int(Dialog::LightPage)
            << poke<NETSDK_PARAM_LIGHT>(NETSDK_PARAM_ID_LIGHT,
                                        offsetof(NETSDK_PARAM_LIGHT, photosensor.value))
            << 5 << "cbxLightDeviceType" << light << 20 << 1 << 8;
        QTest::newRow("time sync mode")
            << int(Dialog::SystemTimePage)
            << poke<NETSDK_PARAM_TIME>(NETSDK_PARAM_ID_TIME,
                                       offsetof(NETSDK_PARAM_TIME, mode.value))
            << 3 << "cbxSystemTimeSyncType"
            << "btnSaveSystemTimeConfig" << 12 << 1 << 8;
        QTest::newRow("GB28181 stream")
            << int(Dialog::Gb28181Page)
            << poke<NETSDK_PARAM_GB28181>(NETSDK_PARAM_ID_GB28181,
                                          offsetof(NETSDK_PARAM_GB28181, stream))
            << 4 << "cbxStreamIdx"
            << "btnSaveGB28181Config" << 22 << 1 << 228;
        QTest::newRow("weekday style")
            << int(Dialog::OsdPage)
            << poke<NETSDK_PARAM_OSD>(NETSDK_PARAM_ID_OSD,
                                      offsetof(NETSDK_PARAM_OSD, weekdayStyle.value))
            << 3 << "cbxDisplayChinese" << osd << 5 << 1 << 5052;
        QTest::newRow("clock format")
            << int(Dialog::OsdPage)
            << poke<NETSDK_PARAM_OSD>(NETSDK_PARAM_ID_OSD,
                                      offsetof(NETSDK_PARAM_OSD, clockFormat.value))
            << 4 << "cbxTimeFormt12HRs" << osd << 5 << 1 << 5068;
        QTest::newRow("date format")
            << int(Dialog::OsdPage)
            << poke<NETSDK_PARAM_OSD>(NETSDK_PARAM_ID_OSD,
                                      offsetof(NETSDK_PARAM_OSD, dateFormat.value))
            << 9 << "cbxOSDDateFormat" << osd << 5 << 1 << 5084;
    }
    void unlistedValueIsShownAndSentBackUnchanged() {
        QFETCH(int, page);
        QFETCH(Poke, onCamera);
        QFETCH(int, value);
        QFETCH(QString, combo);
        QFETCH(QString, save);
        QFETCH(int, wireCommand);
        QFETCH(int, wireChannel);
        QFETCH(int, wireOffset);
        LoggedInDialog camera;
        QVERIFY(camera.loggedIn);
        QVERIFY(putOnCamera(camera.dialog->loginHandle(), onCamera, value));
        const size_t before = camera.sent(wireCommand).size();
        camera.show(page);
        auto* shown = camera.dialog->findChild<QComboBox*>(combo);
        QVERIFY(shown != nullptr);
        QCOMPARE(shown->currentText(), QString::number(value));

        pagetest::ModalCloser closer;
        camera.dialog->findChild<QPushButton*>(save)->click();
        const auto sent = camera.sent(wireCommand);
        const pagetest::SentBlock* last = nullptr;
        for (size_t i = before; i < sent.size(); ++i) {
            if (sent[i].channel == wireChannel) {
                last = &sent[i];
            }
        }
        QVERIFY(last != nullptr);
        QCOMPARE(last->word(size_t(wireOffset)), value);
    }
};

QTEST_MAIN(UnlistedValuesTest)
#include "test_unlisted_values.moc"
