// The system time and system maintenance pages against camsim: what they show of the
// camera, the blocks their saves send, and the reboot and factory reset that end the dialog.
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimeEdit>
#include <QtTest>
#include <ctime>

#include "builtin_page_fixture.h"

using pagetest::LoggedInDialog;

namespace {

// camsim's command codes and wire offsets of the two records.
constexpr int kTimeCommand = 12;
constexpr int kMaintainCommand = 15;
constexpr size_t kTimeMode = 8, kManualTime = 148, kTimeZone = 152, kNtpEnabled = 156,
                 kNtpServer = 172, kNtpPort = 576, kNtpPeriod = 732;
constexpr size_t kMaintainEnabled = 8, kMaintainDays = 24, kMaintainTime = 164;

void useTimeZone(const char* posixZone) {
    qputenv("TZ", posixZone);
    tzset();
}

}  // namespace

class TimePagesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCOMPARE(NETSDK_Init(), 0); }
    void cleanupTestCase() { NETSDK_Cleanup(); }
    void init() { useTimeZone("UTC"); }

    // ---- System time ----

    void ntpCameraFillsTheNtpRows() {
        LoggedInDialog page(R"("time_mode": 0, "time_zone": 0, "ntp_server": "ntp.example.org")");
        QVERIFY(page.loggedIn);
        page.show(RemoteConfigDialog::SystemTimePage);
        QCOMPARE(page.find<QComboBox>("cbxSystemTimeSyncType")->currentIndex(), 0);
        QCOMPARE(page.find<QLineEdit>("edtNTPDomain")->text(), QString("ntp.example.org"));
        QCOMPARE(page.find<QSpinBox>("spbNTPPort")->value(), 123);
        QCOMPARE(page.find<QSpinBox>("spbNTPSyncCycle")->value(), 60);
        QCOMPARE(page.find<QComboBox>("cbxManualTimeZone")->count(), 34);
        QVERIFY(!page.find<QLineEdit>("edtNTPDomain")->isHidden());
        QVERIFY(page.find<QComboBox>("cbxManualTimeZone")->isHidden());
        QVERIFY(page.find<QCheckBox>("ckbSyncByCompute")->isHidden());
    }

    void manualCameraShowsItsZoneAndTime_data() {
        QTest::addColumn<int>("zone");
        QTest::addColumn<QString>("zoneText");
        QTest::addColumn<int>("zoneCount");
        QTest::newRow("listed") << 28800 << "GMT +08:00" << 34;
        QTest::newRow("first") << -43200 << "GMT -12:00" << 34;
        // Not listed: shown as it is rather than as another zone that a save would send.
        QTest::newRow("unlisted") << 31500 << "GMT +08:45" << 35;
        QTest::newRow("a zone code, not seconds") << 8 << "GMT +00:00:08" << 35;
    }
    void manualCameraShowsItsZoneAndTime() {
        QFETCH(int, zone);
        LoggedInDialog page(R"("time_mode": 1, "time_zone": )" + std::to_string(zone));
        QVERIFY(page.loggedIn);
        const qint64 before = QDateTime::currentSecsSinceEpoch();
        page.show(RemoteConfigDialog::SystemTimePage);
        auto* zones = page.find<QComboBox>("cbxManualTimeZone");
        QCOMPARE(page.find<QComboBox>("cbxSystemTimeSyncType")->currentIndex(), 1);
        QTEST(zones->count(), "zoneCount");
        QTEST(zones->currentText(), "zoneText");
        QCOMPARE(zones->currentData().toInt(), zone);
        const qint64 shown =
            page.find<QDateTimeEdit>("dteManualUTC")->dateTime().toSecsSinceEpoch();
        QVERIFY2(qAbs(shown - before) < 5, qPrintable(QString::number(shown - before)));
        QVERIFY(page.find<QLineEdit>("edtNTPDomain")->isHidden());
        QVERIFY(!zones->isHidden());

        // The save sends the zone shown, unlisted or not.
        page.find<QPushButton>("btnSaveSystemTimeConfig")->click();
        const auto sent = page.sent(kTimeCommand);
        QCOMPARE(int(sent.size()), 1);
        QCOMPARE(sent[0].word(kTimeZone), zone);
    }

    void saveSendsTheFormInEitherMode() {
        LoggedInDialog page;
        QVERIFY(page.loggedIn);
        page.show(RemoteConfigDialog::SystemTimePage);
        page.find<QLineEdit>("edtNTPDomain")->setText("time.example");
        page.find<QSpinBox>("spbNTPPort")->setValue(1123);
        page.find<QSpinBox>("spbNTPSyncCycle")->setValue(30);
        page.find<QPushButton>("btnSaveSystemTimeConfig")->click();

        page.find<QComboBox>("cbxSystemTimeSyncType")->setCurrentIndex(1);
        auto* zones = page.find<QComboBox>("cbxManualTimeZone");
        zones->setCurrentIndex(zones->findText("GMT +05:45"));
        const QDateTime manual(QDate(2024, 2, 29), QTime(23, 59, 58), Qt::UTC);
        page.find<QDateTimeEdit>("dteManualUTC")->setDateTime(manual.toLocalTime());
        page.find<QPushButton>("btnSaveSystemTimeConfig")->click();

        const auto sent = page.sent(kTimeCommand);
        QCOMPARE(int(sent.size()), 2);
        QCOMPARE(sent[0].word(kTimeMode), 0);
        QCOMPARE(sent[0].word(kNtpEnabled), 1);
        QCOMPARE(sent[0].text(kNtpServer, 129), std::string("time.example"));
        QCOMPARE(sent[0].word(kNtpPort), 1123);
        QCOMPARE(sent[0].word(kNtpPeriod), 30);
        QCOMPARE(sent[1].word(kTimeMode), 1);
        QCOMPARE(sent[1].word(kTimeZone), 20700);
        QCOMPARE(sent[1].word(kManualTime), int32_t(manual.toSecsSinceEpoch()));
    }

    void ntpServerOutsideLatin1IsSentWithQuestionMarks() {
        LoggedInDialog page;
        QVERIFY(page.loggedIn);
        page.show(RemoteConfigDialog::SystemTimePage);
        page.find<QLineEdit>("edtNTPDomain")->setText(QString::fromUtf8("ntp.例子.cn"));
        page.find<QPushButton>("btnSaveSystemTimeConfig")->click();
        const auto sent = page.sent(kTimeCommand);
        QCOMPARE(int(sent.size()), 1);
        QCOMPARE(sent[0].text(kNtpServer, 129), std::string("ntp.??.cn"));
        // The field holds 128 characters and its zero; the form takes no more.
        QCOMPARE(page.find<QLineEdit>("edtNTPDomain")->maxLength(), 128);
    }

    void syncByComputerTakesThisComputersZone_data() {
        QTest::addColumn<QByteArray>("posixZone");
        QTest::addColumn<QString>("zoneText");
        QTest::addColumn<int>("offset");
        QTest::newRow("UTC+8") << QByteArray("CST-8") << "GMT +08:00" << 28800;
        QTest::newRow("UTC-3:30") << QByteArray("NST3:30") << "GMT -03:30" << -12600;
        // Zones the list lacks are added as they are, never sent as zone 0.
        QTest::newRow("UTC+8:45") << QByteArray("XST-8:45") << "GMT +08:45" << 31500;
        QTest::newRow("UTC+10:30") << QByteArray("LHST-10:30") << "GMT +10:30" << 37800;
        QTest::newRow("UTC-9:30") << QByteArray("MART9:30") << "GMT -09:30" << -34200;
    }
    void syncByComputerTakesThisComputersZone() {
        LoggedInDialog page;
        QVERIFY(page.loggedIn);
        page.show(RemoteConfigDialog::SystemTimePage);
        QFETCH(QByteArray, posixZone);
        useTimeZone(posixZone.constData());
        auto* mode = page.find<QComboBox>("cbxSystemTimeSyncType");
        auto* zones = page.find<QComboBox>("cbxManualTimeZone");
        auto* time = page.find<QDateTimeEdit>("dteManualUTC");
        auto* follow = page.find<QCheckBox>("ckbSyncByCompute");
        follow->setChecked(true);
        QTEST(zones->currentText(), "zoneText");
        QCOMPARE(mode->currentIndex(), 1);
        QVERIFY(qAbs(time->dateTime().secsTo(QDateTime::currentDateTime())) < 5);
        QVERIFY(!mode->isEnabled() && !zones->isEnabled() && !time->isEnabled());
        page.find<QPushButton>("btnSaveSystemTimeConfig")->click();
        const auto sent = page.sent(kTimeCommand);
        QCOMPARE(int(sent.size()), 1);
        QTEST(sent[0].word(kTimeZone), "offset");
        follow->setChecked(false);
        QVERIFY(mode->isEnabled() && zones->isEnabled() && time->isEnabled());
    }

    // A ticked "same as this computer" keeps the mode manual across a reload from an NTP
    // camera: otherwise the mode stays locked on NTP, which hides the box that unlocks it.
    void syncByComputerOutlivesAReload() {
        LoggedInDialog page(R"("time_mode": 0)");
        QVERIFY(page.loggedIn);
        page.show(RemoteConfigDialog::SystemTimePage);
        auto* mode = page.find<QComboBox>("cbxSystemTimeSyncType");
        auto* follow = page.find<QCheckBox>("ckbSyncByCompute");
        follow->setChecked(true);
        page.show(RemoteConfigDialog::SystemTimePage);
        QVERIFY(follow->isChecked());
        QCOMPARE(mode->currentIndex(), 1);
        QVERIFY(!follow->isHidden());
        QVERIFY(qAbs(page.find<QDateTimeEdit>("dteManualUTC")
                         ->dateTime()
                         .secsTo(QDateTime::currentDateTime())) < 5);
        follow->setChecked(false);
        QVERIFY(mode->isEnabled());
    }

    void failedTimeReadKeepsTheForm() {
        LoggedInDialog page(R"("faults": {"http_status": {"command:12": 500}})");
        QVERIFY(page.loggedIn);
        page.find<QLineEdit>("edtNTPDomain")->setText("kept");
        page.find<QComboBox>("cbxSystemTimeSyncType")->setCurrentIndex(1);
        page.show(RemoteConfigDialog::SystemTimePage);
        QCOMPARE(page.find<QLineEdit>("edtNTPDomain")->text(), QString("kept"));
        QCOMPARE(page.find<QComboBox>("cbxSystemTimeSyncType")->currentIndex(), 1);
        QCOMPARE(page.find<QComboBox>("cbxManualTimeZone")->count(), 0);
    }

    // ---- System maintenance ----

    void maintenancePageShowsIdentityAndSchedule_data() {
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("dayIndex");
        QTest::newRow("every day") << 128 << 7;
        QTest::newRow("Monday and Sunday: the highest bit") << 3 << 1;
        QTest::newRow("Saturday") << 64 << 6;
        QTest::newRow("none") << 0 << -1;
    }
    void maintenancePageShowsIdentityAndSchedule() {
        QFETCH(int, days);
        LoggedInDialog page(R"("hardware_version": "HW-7", "firmware_version": "FW-2.1",
            "build_time": "2024-01-02 03:04:05", "serial": "SN123", "product_id": "PID9",
            "maintain_enabled": 1, "maintain_time": 86399, "maintain_days": )" +
                            std::to_string(days));
        QVERIFY(page.loggedIn);
        page.show(RemoteConfigDialog::SystemMaintenancePage);
        QCOMPARE(page.find<QLineEdit>("hwVersionLineEdit")->text(), QString("HW-7"));
        QCOMPARE(page.find<QLineEdit>("deviceVersionLineEdit")->text(), QString("FW-2.1"));
        QCOMPARE(page.find<QLineEdit>("fwCompileTimeLineEdit")->text(),
                 QString("2024-01-02 03:04:05"));
        QCOMPARE(page.find<QLineEdit>("productSNLineEdit")->text(), QString("SN123"));
        QCOMPARE(page.find<QLineEdit>("pIDLineEdit")->text(), QString("PID9"));
        QVERIFY(page.find<QGroupBox>("gbxSystemMaintainEnable")->isChecked());
        QTEST(page.find<QComboBox>("cbxSystemMaintainWeekDay")->currentIndex(), "dayIndex");
        QCOMPARE(page.find<QTimeEdit>("tmdSystemMaintainRebootTime")->time(), QTime(23, 59, 59));

        // Saved as loaded: the day as one bit, or no day when none was named.
        page.find<QPushButton>("btnSaveSystemMaintainConfig")->click();
        const auto sent = page.sent(kMaintainCommand);
        QCOMPARE(int(sent.size()), 1);
        QFETCH(int, dayIndex);
        QCOMPARE(sent[0].word(kMaintainDays), dayIndex < 0 ? 0 : 1 << dayIndex);
        QCOMPARE(sent[0].word(kMaintainEnabled), 1);
        QCOMPARE(sent[0].word(kMaintainTime), 86399);
    }

    void maintenanceSaveSendsTheForm() {
        LoggedInDialog page;
        QVERIFY(page.loggedIn);
        page.show(RemoteConfigDialog::SystemMaintenancePage);
        page.find<QGroupBox>("gbxSystemMaintainEnable")->setChecked(false);
        page.find<QComboBox>("cbxSystemMaintainWeekDay")->setCurrentIndex(3);
        page.find<QTimeEdit>("tmdSystemMaintainRebootTime")->setTime(QTime(1, 2, 3));
        page.find<QPushButton>("btnSaveSystemMaintainConfig")->click();
        const auto sent = page.sent(kMaintainCommand);
        QCOMPARE(int(sent.size()), 1);
        QCOMPARE(sent[0].word(kMaintainEnabled), 0);
        QCOMPARE(sent[0].word(kMaintainDays), 8);
        QCOMPARE(sent[0].word(kMaintainTime), 3723);
    }

    void failedScheduleReadStillShowsTheIdentity() {
        LoggedInDialog page(R"("serial": "SN5", "faults": {"http_status": {"command:15": 500}})");
        QVERIFY(page.loggedIn);
        page.find<QComboBox>("cbxSystemMaintainWeekDay")->setCurrentIndex(2);
        page.find<QTimeEdit>("tmdSystemMaintainRebootTime")->setTime(QTime(4, 5, 6));
        page.show(RemoteConfigDialog::SystemMaintenancePage);
        QCOMPARE(page.find<QLineEdit>("productSNLineEdit")->text(), QString("SN5"));
        QCOMPARE(page.find<QComboBox>("cbxSystemMaintainWeekDay")->currentIndex(), 2);
        QCOMPARE(page.find<QTimeEdit>("tmdSystemMaintainRebootTime")->time(), QTime(4, 5, 6));
    }

    void rebootAndResetEndTheDialog_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("message");
        QTest::newRow("reboot") << "rebootPushButton"
                                << "/NetSDK/System/Reboot"
                                << "远程IPC已经重启，配置程序需要重新登录，本窗口将自动关闭！";
        QTest::newRow("factory reset")
            << "recoveryPushButton"
            << "/NetSDK/System/DefaultFactory"
            << "远程IPC已经恢复出厂设置，配置程序需要重新登录，本窗口将自动关闭！";
    }
    void rebootAndResetEndTheDialog() {
        QFETCH(QString, button);
        QFETCH(QString, path);
        LoggedInDialog page;
        QVERIFY(page.loggedIn);
        page.dialog->show();
        pagetest::ModalCloser closer;
        page.find<QPushButton>(button.toLatin1().constData())->click();
        QCOMPARE(page.requests("PUT", path.toStdString()), size_t(1));
        QCOMPARE(closer.titles, QStringList{"请重新登录"});
        QTEST(closer.texts.value(0), "message");
        QVERIFY(!page.dialog->isVisible());
    }

    void failedRebootKeepsTheDialog() {
        LoggedInDialog page(R"("faults": {"http_status": {"/NetSDK/System/Reboot": 500}})");
        QVERIFY(page.loggedIn);
        page.dialog->show();
        pagetest::ModalCloser closer;
        page.find<QPushButton>("rebootPushButton")->click();
        QCOMPARE(page.requests("PUT", "/NetSDK/System/Reboot"), size_t(1));
        // The refusal, not the call to log in again.
        QCOMPARE(closer.titles, QStringList{"保存失败"});
        QVERIFY(page.dialog->isVisible());
    }
};

QTEST_MAIN(TimePagesTest)
#include "test_time_pages.moc"
