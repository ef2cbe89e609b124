// The video and audio encoding pages against camsim: what they show of the camera, the
// blocks their saves send, and the restore buttons.
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

#include "builtin_page_fixture.h"
#include "zrsdk_instance.h"

using pagetest::LoggedInDialog;

namespace {

// camsim's command codes and wire offsets of the records.
constexpr int kVideoCommand = 3;
constexpr size_t kEncoder = 8, kResolution = 304, kRateControl = 452, kBitRate = 600,
                 kFrameRate = 756, kKeyInterval = 912;
constexpr int kCaptureCommand = 1;
constexpr size_t kSampleRate = 8, kSampleBits = 164, kCaptureVolume = 320, kPlaybackVolume = 476,
                 kInputMode = 632;
constexpr int kEncoderCommand = 2, kDecoderCommand = 23;
constexpr size_t kCodecEnabled = 8, kCodecPayload = 24;

struct StreamNames {
    const char* encoder;
    const char* resolution;
    const char* rateControl;
    const char* bitRate;
    const char* frameRate;
    const char* keyInterval;
};
constexpr StreamNames kMain = {"cbxMainStreamEncoder",         "cbxMainStreamResolution",
                               "cbxMainStreamBitRateCtrlMode", "spbMainStreamBitRate",
                               "spbMainStreamFrameRate",       "spbMainStreamKeyFrameInterval"};
constexpr StreamNames kSub = {"cbxSubStreamEncoder",         "cbxSubStreamResolution",
                              "cbxSubStreamBitRateCtrlMode", "spbSubStreamBitRate",
                              "spbSubStreamFrameRate",       "spbSubStreamKeyFrameInterval"};

QStringList items(QComboBox* combo) {
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i) {
        texts << combo->itemText(i);
    }
    return texts;
}

}  // namespace

class EncodingPagesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCOMPARE(NETSDK_Init(), 0); }
    void cleanupTestCase() { NETSDK_Cleanup(); }

    // ---- Video encoding ----

    void videoPageShowsBothStreams() {
        LoggedInDialog page;
        QVERIFY(page.loggedIn);
        page.show(RemoteConfigDialog::VideoEncoderPage);
        struct Expected {
            StreamNames names;
            QStringList resolutions;
            int bitRate, frameRate;
        };
        for (const Expected& stream : {Expected{kMain, {"1920 x 1080", "1280 x 720"}, 4096, 25},
                                       Expected{kSub, {"640 x 360", "352 x 288"}, 512, 15}}) {
            auto* resolution = page.find<QComboBox>(stream.names.resolution);
            QCOMPARE(items(resolution), stream.resolutions);
            QCOMPARE(resolution->currentIndex(), 0);
            QCOMPARE(page.find<QComboBox>(stream.names.encoder)->currentText(), QString("H.264"));
            QCOMPARE(page.find<QComboBox>(stream.names.rateControl)->currentText(), QString("CBR"));
            QCOMPARE(page.find<QSpinBox>(stream.names.bitRate)->value(), stream.bitRate);
            QCOMPARE(page.find<QSpinBox>(stream.names.frameRate)->value(), stream.frameRate);
            QCOMPARE(page.find<QSpinBox>(stream.names.keyInterval)->value(), 50);
        }
    }

    void videoSaveSendsEachStreamFromTheForm() {
        LoggedInDialog page;
        QVERIFY(page.loggedIn);
        page.show(RemoteConfigDialog::VideoEncoderPage);
        page.find<QComboBox>(kMain.encoder)->setCurrentIndex(1);
        page.find<QComboBox>(kMain.resolution)->setCurrentIndex(1);
        page.find<QComboBox>(kMain.rateControl)->setCurrentIndex(1);
        page.find<QSpinBox>(kMain.bitRate)->setValue(2048);
        page.find<QSpinBox>(kMain.frameRate)->setValue(20);
        page.find<QSpinBox>(kMain.keyInterval)->setValue(40);
        page.find<QComboBox>(kSub.resolution)->setCurrentIndex(1);
        page.find<QSpinBox>(kSub.bitRate)->setValue(256);
        QCOMPARE(page.dialog->session()->streamResolution(1, false), QSize(640, 360));
        page.find<QPushButton>("btnSaveVideoEncoder")->click();
        // The overlays convert with the sub stream's new size from now on.
        QCOMPARE(page.dialog->session()->streamResolution(1, false), QSize(352, 288));

        const auto sent = page.sent(kVideoCommand);
        QCOMPARE(int(sent.size()), 2);
        QCOMPARE(sent[0].channel, 0);
        QCOMPARE(sent[0].word(kEncoder), 2);
        QCOMPARE(sent[0].word(kResolution), 12800720);  // the item's number, not its text
        QCOMPARE(sent[0].word(kRateControl), 1);
        QCOMPARE(sent[0].word(kBitRate), 2048);
        QCOMPARE(sent[0].word(kFrameRate), 20);
        QCOMPARE(sent[0].word(kKeyInterval), 40);
        QCOMPARE(sent[1].channel, 1);
        QCOMPARE(sent[1].word(kEncoder), 1);
        QCOMPARE(sent[1].word(kResolution), 3520288);
        QCOMPARE(sent[1].word(kBitRate), 256);
        QCOMPARE(sent[1].word(kFrameRate), 15);
    }

    void videoRestorePutsTheDefaultsBackUntilTheNextLoad() {
        LoggedInDialog page;
        QVERIFY(page.loggedIn);
        page.show(RemoteConfigDialog::VideoEncoderPage);
        page.show(RemoteConfigDialog::VideoEncoderPage);  // a second load must not restore twice
        page.find<QComboBox>(kMain.resolution)->setCurrentIndex(1);
        page.find<QSpinBox>(kMain.bitRate)->setValue(1000);
        page.find<QSpinBox>(kSub.keyInterval)->setValue(7);
        page.find<QComboBox>(kSub.encoder)->setCurrentIndex(1);
        page.find<QPushButton>("btnRestoreDefaultVideoEncoder")->click();
        QCOMPARE(page.find<QComboBox>(kMain.resolution)->currentIndex(), 0);
        QCOMPARE(page.find<QSpinBox>(kMain.bitRate)->value(), 4096);
        QCOMPARE(page.find<QSpinBox>(kSub.keyInterval)->value(), 50);
        QCOMPARE(page.find<QComboBox>(kSub.encoder)->currentIndex(), 0);
        QVERIFY(page.sent(kVideoCommand).empty());
    }

    void failedMainStreamReadKeepsBothStreams() {
        LoggedInDialog page(R"("faults": {"http_status": {"command:3": 500}})");
        QVERIFY(page.loggedIn);
        page.find<QSpinBox>(kMain.bitRate)->setValue(3000);
        page.find<QSpinBox>(kSub.bitRate)->setValue(300);
        page.show(RemoteConfigDialog::VideoEncoderPage);
        QCOMPARE(page.find<QSpinBox>(kMain.bitRate)->value(), 3000);
        QCOMPARE(page.find<QSpinBox>(kSub.bitRate)->value(), 300);
        QCOMPARE(page.find<QComboBox>(kSub.resolution)->count(), 0);
        QCOMPARE(page.requests("GET", "/NetSDK/Device/Property"), size_t(2));  // login, main
    }

    // ---- Audio capture ----

    void audioCaptureShowsAndSendsTheCamerasRate_data() {
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("rateIndex");
        QTest::newRow("8000") << 8000 << 0;
        QTest::newRow("32000") << 32000 << 2;
        // Not offered: shown as it is, so that a save of the volumes keeps it.
        QTest::newRow("48000") << 48000 << 3;
    }
    void audioCaptureShowsAndSendsTheCamerasRate() {
        QFETCH(int, rate);
        LoggedInDialog page(R"("audio_sample_rate": )" + std::to_string(rate));
        QVERIFY(page.loggedIn);
        page.show(RemoteConfigDialog::AudioCapturePage);
        auto* rates = page.find<QComboBox>("cbxAudioSampleRate");
        QTEST(rates->currentIndex(), "rateIndex");
        QCOMPARE(rates->currentText(), QString::number(rate));
        QCOMPARE(page.find<QComboBox>("cbxAudioSampleBitWidth")->currentText(), QString("16"));
        QCOMPARE(page.find<QSpinBox>("spbAudioInputVolume")->value(), 80);
        QCOMPARE(page.find<QSpinBox>("spbAudioOutputVolume")->value(), 80);
        QCOMPARE(page.find<QComboBox>("cbxAudioInputMode")->currentText(), QString("Auto"));
        QVERIFY(!rates->isEnabled());

        page.find<QSpinBox>("spbAudioInputVolume")->setValue(33);
        page.find<QSpinBox>("spbAudioOutputVolume")->setValue(66);
        page.find<QPushButton>("btnSaveAudioAiaoConfig")->click();
        const auto sent = page.sent(kCaptureCommand);
        QCOMPARE(int(sent.size()), 1);
        QCOMPARE(sent[0].word(kSampleRate), rate);
        QCOMPARE(sent[0].word(kSampleBits), 16);
        QCOMPARE(sent[0].word(kCaptureVolume), 33);
        QCOMPARE(sent[0].word(kPlaybackVolume), 66);
        QCOMPARE(sent[0].word(kInputMode), 0);
    }

    void failedCaptureReadKeepsTheForm() {
        LoggedInDialog page(R"("faults": {"http_status": {"command:1": 500}})");
        QVERIFY(page.loggedIn);
        page.find<QSpinBox>("spbAudioInputVolume")->setValue(12);
        page.show(RemoteConfigDialog::AudioCapturePage);
        QCOMPARE(page.find<QSpinBox>("spbAudioInputVolume")->value(), 12);
    }

    // ---- Audio encoder and decoder ----

    void audioCodecPageLoadsSavesAndRestores() {
        LoggedInDialog page;
        QVERIFY(page.loggedIn);
        auto* encoderOn = page.find<QCheckBox>("ckbAudioEncoderEnabled");
        auto* encoderPayload = page.find<QComboBox>("cbxAudioEncoderPayload");
        auto* decoderOn = page.find<QCheckBox>("ckbAudioDecoderEnabled");
        auto* decoderPayload = page.find<QComboBox>("cbxAudioDecoderPayload");
        encoderOn->setChecked(false);
        encoderPayload->setCurrentIndex(1);
        decoderOn->setChecked(false);
        decoderPayload->setCurrentIndex(2);
        page.show(RemoteConfigDialog::AudioEncoderPage);
        QVERIFY(encoderOn->isChecked() && decoderOn->isChecked());
        QCOMPARE(encoderPayload->currentText(), QString("G711A"));
        QCOMPARE(decoderPayload->currentIndex(), 0);
        QVERIFY(decoderPayload->isHidden());

        // Unticked, the payload greys out but is still sent.
        encoderOn->setChecked(false);
        QVERIFY(!encoderPayload->isEnabled());
        encoderPayload->setCurrentIndex(1);
        decoderPayload->setCurrentIndex(2);
        page.find<QPushButton>("btnSaveAudioEncoderConfig")->click();
        const auto encoder = page.sent(kEncoderCommand);
        const auto decoder = page.sent(kDecoderCommand);
        QCOMPARE(int(encoder.size()), 1);
        QCOMPARE(int(decoder.size()), 1);
        QCOMPARE(encoder[0].word(kCodecEnabled), 0);
        QCOMPARE(encoder[0].word(kCodecPayload), 1);
        QCOMPARE(decoder[0].word(kCodecEnabled), 1);
        QCOMPARE(decoder[0].word(kCodecPayload), 2);

        page.find<QPushButton>("btnRestoreDefaultAudioEncoderConfig")->click();
        QVERIFY(encoderOn->isChecked() && encoderPayload->isEnabled());
        QCOMPARE(encoderPayload->currentIndex(), 0);
        QCOMPARE(decoderPayload->currentIndex(), 0);
    }

    void failedDecoderWriteShowsNoWaitAndKeepsTheEncoderWritten() {
        LoggedInDialog page;
        QVERIFY(page.loggedIn);
        page.show(RemoteConfigDialog::AudioEncoderPage);
        page.restartCamera(R"("faults": {"http_status": {"command:23": 500}})");
        QElapsedTimer elapsed;
        elapsed.start();
        page.find<QPushButton>("btnSaveAudioEncoderConfig")->click();
        QVERIFY(elapsed.elapsed() < 2000);
        QCOMPARE(int(page.sent(kEncoderCommand).size()), 1);
        QCOMPARE(page.requests("PUT", "/NetSDK/Device/Property"), size_t(2));
    }

    void mediaStatusPageHoldsFixedTexts() {
        LoggedInDialog page;
        QVERIFY(page.loggedIn);
        page.show(RemoteConfigDialog::MediaStatusPage);
        auto* table = page.find<QTableWidget>("tableWidget");
        QCOMPARE(table->rowCount(), 6);
        QCOMPARE(table->columnCount(), 2);
        QCOMPARE(table->item(0, 0)->text(), QString("2304 x 1296"));
        QCOMPARE(table->item(4, 1)->text(), QString("500"));
    }
};

QTEST_MAIN(EncodingPagesTest)
#include "test_encoding_pages.moc"
