// The GB/T 28181 page against camsim: what it shows of the camera, the block its save
// sends, and the password check that stops a save.
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

#include "builtin_page_fixture.h"

using pagetest::LoggedInDialog;

namespace {

// camsim's command code and wire offsets of the record.
constexpr int kGbCommand = 22;
constexpr size_t kEnabled = 8, kServerHost = 16, kServerPort = 48, kServerId = 52,
                 kServerDomain = 84, kExpires = 116, kKeepAlive = 120, kKeepAliveNum = 124,
                 kUserName = 128, kDeviceId = 160, kPassword = 192, kLocalPort = 224, kStream = 228,
                 kVideoIds = 232, kAudioIds = 232 + 1024, kAlarmIds = 232 + 2048;

}  // namespace

class PlatformPagesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCOMPARE(NETSDK_Init(), 0); }
    void cleanupTestCase() { NETSDK_Cleanup(); }

    void gb28181PageShowsTheCamerasRegistration() {
        LoggedInDialog page(R"("gb28181_server": "192.168.1.200")");
        QVERIFY(page.loggedIn);
        page.show(RemoteConfigDialog::Gb28181Page);
        QCOMPARE(page.find<QGroupBox>("gbxEnableGB28181")->isChecked(), false);  // camsim: off
        QCOMPARE(page.find<QLineEdit>("edtServerHost")->text(), QString("192.168.1.200"));
        QCOMPARE(page.find<QSpinBox>("spbServerPort")->value(), 5060);
        QCOMPARE(page.find<QLineEdit>("edtServerID")->text(), QString("34020000002000000001"));
        QCOMPARE(page.find<QLineEdit>("edtServerName")->text(), QString("3402000000"));
        QCOMPARE(page.find<QSpinBox>("spbExpires")->value(), 3600);
        QCOMPARE(page.find<QSpinBox>("spbKeepAlive")->value(), 60);
        QCOMPARE(page.find<QSpinBox>("spbKeepAliveNum")->value(), 3);
        QCOMPARE(page.find<QLineEdit>("edtPasswd")->text(), QString("12345678"));
        QCOMPARE(page.find<QLineEdit>("edtPasswdConfirm")->text(), QString("12345678"));
        QCOMPARE(page.find<QSpinBox>("spbDevPort")->value(), 5060);
        QCOMPARE(page.find<QComboBox>("cbxStreamIdx")->currentIndex(), 0);
        QCOMPARE(page.find<QLineEdit>("edtVideoID")->text(), QString("34020000001310000001"));
    }

    void gb28181SaveSendsTheForm() {
        LoggedInDialog page;
        QVERIFY(page.loggedIn);
        page.show(RemoteConfigDialog::Gb28181Page);
        page.find<QGroupBox>("gbxEnableGB28181")->setChecked(false);
        page.find<QLineEdit>("edtServerHost")->setText("10.1.2.3");
        page.find<QSpinBox>("spbServerPort")->setValue(5070);
        page.find<QLineEdit>("edtServerID")->setText("SERVER");
        page.find<QLineEdit>("edtServerName")->setText("DOMAIN");
        page.find<QSpinBox>("spbExpires")->setValue(7200);
        page.find<QSpinBox>("spbKeepAlive")->setValue(30);
        page.find<QSpinBox>("spbKeepAliveNum")->setValue(9);
        page.find<QLineEdit>("edtDevName")->setText("user");
        page.find<QLineEdit>("edtDevID")->setText("auth");
        page.find<QLineEdit>("edtPasswd")->clear();  // two empty fields match
        page.find<QLineEdit>("edtPasswdConfirm")->clear();
        page.find<QSpinBox>("spbDevPort")->setValue(5080);
        page.find<QComboBox>("cbxStreamIdx")->setCurrentIndex(1);
        page.find<QLineEdit>("edtVideoID")->setText(QString(31, 'v'));
        page.find<QLineEdit>("edtAudioID")->setText("audio");
        page.find<QLineEdit>("edtAlarmID")->setText("alarm");
        page.find<QPushButton>("btnSaveGB28181Config")->click();

        const auto sent = page.sent(kGbCommand);
        QCOMPARE(int(sent.size()), 1);
        const pagetest::SentBlock& block = sent[0];
        QCOMPARE(block.word(kEnabled), 0);
        QCOMPARE(block.text(kServerHost, 32), std::string("10.1.2.3"));
        QCOMPARE(block.word(kServerPort), 5070);
        QCOMPARE(block.text(kServerId, 32), std::string("SERVER"));
        QCOMPARE(block.text(kServerDomain, 32), std::string("DOMAIN"));
        QCOMPARE(block.word(kExpires), 7200);
        QCOMPARE(block.word(kKeepAlive), 30);
        QCOMPARE(block.word(kKeepAliveNum), 9);
        QCOMPARE(block.text(kUserName, 32), std::string("user"));
        QCOMPARE(block.text(kDeviceId, 32), std::string("auth"));
        QCOMPARE(block.text(kPassword, 32), std::string(""));
        QCOMPARE(block.word(kLocalPort), 5080);
        QCOMPARE(block.word(kStream), 1);
        QCOMPARE(block.text(kVideoIds, 32), std::string(31, 'v'));
        QCOMPARE(block.text(kAudioIds, 32), std::string("audio"));
        QCOMPARE(block.text(kAlarmIds, 32), std::string("alarm"));
    }

    void emptyServerAddressIsSentBackEmpty() {
        // The address field's input mask shows its dots even when nothing was entered.
        LoggedInDialog page;
        QVERIFY(page.loggedIn);
        page.show(RemoteConfigDialog::Gb28181Page);
        page.find<QPushButton>("btnSaveGB28181Config")->click();
        const auto sent = page.sent(kGbCommand);
        QCOMPARE(int(sent.size()), 1);
        QCOMPARE(sent[0].text(kServerHost, 32), std::string(""));
    }

    void textsLongerThanTheirFieldsCannotBeTyped() {
        LoggedInDialog page;
        QVERIFY(page.loggedIn);
        // The three ID fields carry one channel's ID in a 32-byte string each.
        for (const char* name :
             {"edtServerID", "edtServerName", "edtDevName", "edtDevID", "edtPasswd",
              "edtPasswdConfirm", "edtVideoID", "edtAudioID", "edtAlarmID"}) {
            QCOMPARE(page.find<QLineEdit>(name)->maxLength(), 31);
        }
    }

    void differingPasswordsStopTheSave() {
        LoggedInDialog page;
        QVERIFY(page.loggedIn);
        QCoreApplication::processEvents();  // the dialog's queued start shows its first page
        page.show(RemoteConfigDialog::Gb28181Page);
        page.find<QGroupBox>("gbxEnableGB28181")->setChecked(true);  // camsim's is off
        page.find<QLineEdit>("edtPasswd")->setText("secret");
        page.find<QLineEdit>("edtPasswdConfirm")->setText("secreT");
        pagetest::ModalCloser closer;
        page.find<QPushButton>("btnSaveGB28181Config")->click();
        QCOMPARE(closer.titles, QStringList{"密码校验"});
        QCOMPARE(closer.texts.value(0), QString("两次密码输入不一致，请重新输入密码，确保一致！"));
        QVERIFY(page.sent(kGbCommand).empty());
        QCOMPARE(page.dialog->focusWidget(), page.find<QLineEdit>("edtPasswd"));
    }

    void failedReadKeepsTheForm() {
        LoggedInDialog page(R"("faults": {"http_status": {"command:22": 500}})");
        QVERIFY(page.loggedIn);
        page.find<QLineEdit>("edtServerID")->setText("kept");
        page.find<QSpinBox>("spbKeepAlive")->setValue(99);
        page.show(RemoteConfigDialog::Gb28181Page);
        QCOMPARE(page.find<QLineEdit>("edtServerID")->text(), QString("kept"));
        QCOMPARE(page.find<QSpinBox>("spbKeepAlive")->value(), 99);
    }
};

QTEST_MAIN(PlatformPagesTest)
#include "test_platform_pages.moc"
