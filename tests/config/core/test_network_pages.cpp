// The network status and Ethernet pages against camsim: what they show of the camera, the
// three blocks the save sends in order, and the end of the dialog after a save.
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QtTest>

#include "builtin_page_fixture.h"
#include "ipaddress.h"
#include "zrsdk_instance.h"

using pagetest::LoggedInDialog;

namespace {

// camsim's command codes and wire offsets of the three records.
constexpr int kNetworkCommand = 6, kDnsCommand = 7, kAdaptionCommand = 8;
constexpr size_t kDhcp = 816, kIp = 848, kMask = 860, kGateway = 872;
constexpr size_t kDns1 = 8, kDns2 = 20, kAdaption = 8;

std::string dotted(const pagetest::SentBlock& block, size_t offset) {
    if (offset + 4 > block.body.size()) {
        return "<outside>";
    }
    const auto byte = [&](size_t i) { return std::to_string(uint8_t(block.body[offset + i])); };
    return byte(0) + "." + byte(1) + "." + byte(2) + "." + byte(3);
}

bool sameIcon(const QIcon& icon, QStyle::StandardPixmap standard, QStyle* style) {
    return icon.pixmap(16).toImage() == style->standardIcon(standard).pixmap(16).toImage();
}

}  // namespace

class NetworkPagesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCOMPARE(NETSDK_Init(), 0); }
    void cleanupTestCase() { NETSDK_Cleanup(); }

    void bothPagesShowTheWiredInterface() {
        LoggedInDialog page(R"("dns1": "1.2.3.4", "dns2": "5.6.7.8", "nics": [{"ip": "10.0.0.9",
            "mask": "255.255.0.0", "gateway": "10.0.0.1", "mac": "00:1A:2b:3C:4d:5E", "dhcp": 1}])");
        QVERIFY(page.loggedIn);
        page.show(RemoteConfigDialog::EthernetPage);
        QCOMPARE(page.find<QLineEdit>("fixed_edtHwAddr")->text(), QString("00:1a:2b:3c:4d:5e"));
        QCOMPARE(page.find<QLineEdit>("edtHwAddr")->text(), QString("00:1a:2b:3c:4d:5e"));
        QCOMPARE(page.find<QLineEdit>("fixed_edtEnableDHCP")->text(), QString("DHCP"));
        QCOMPARE(page.find<QLineEdit>("fixed_edtIPAddress")->text(), QString("10.0.0.9"));
        QCOMPARE(page.find<IPAddress>("edtIPAddress")->getIP(), QString("10.0.0.9"));
        QCOMPARE(page.find<IPAddress>("edtNetMask")->getIP(), QString("255.255.0.0"));
        QCOMPARE(page.find<QLineEdit>("fixed_edtGateway")->text(), QString("10.0.0.1"));
        QCOMPARE(page.find<IPAddress>("edtDNS1")->getIP(), QString("1.2.3.4"));
        QCOMPARE(page.find<QLineEdit>("fixed_edtDNS2")->text(), QString("5.6.7.8"));
        QCOMPARE(page.find<QLineEdit>("fixed_edtNetIpAdaption")->text(), QString("Yes"));
        QVERIFY(page.find<QCheckBox>("ckxNetIpAdaption")->isChecked());
        // DHCP on: the address rows are the camera's business, also while loading.
        QVERIFY(page.find<QCheckBox>("ckxDHCP")->isChecked());
        QVERIFY(!page.find<IPAddress>("edtIPAddress")->isEnabled());
        QVERIFY(!page.find<QCheckBox>("ckxNetIpAdaption")->isEnabled());
        page.find<QCheckBox>("ckxDHCP")->setChecked(false);
        QVERIFY(page.find<IPAddress>("edtDNS2")->isEnabled());
        QVERIFY(page.find<QCheckBox>("ckxNetIpAdaption")->isEnabled());
    }

    void statusPageListsEveryCapability() {
        LoggedInDialog page;
        QVERIFY(page.loggedIn);
        page.show(RemoteConfigDialog::NetworkStatusPage);
        QVERIFY(!page.find<QGroupBox>("capabilityGroupBox")->isHidden());
        auto* list = page.find<QListWidget>("capabilityListWidget");
        // camsim: audio, humanoid, ptz, sdcard on; wifi off, listed all the same.
        QCOMPARE(list->count(), 5);
        QCOMPARE(list->item(4)->text(), page.dialog->session()->capability("wifi"));
        QStyle* style = page.dialog->style();
        QVERIFY(sameIcon(list->item(0)->icon(), QStyle::SP_DialogApplyButton, style));
        QVERIFY(sameIcon(list->item(4)->icon(), QStyle::SP_DialogCancelButton, style));
        page.show(RemoteConfigDialog::NetworkStatusPage);
        QCOMPARE(list->count(), 5);
    }

    void noDeviceInformationHidesTheCapabilities() {
        LoggedInDialog page(R"("faults": {"http_status": {"product:120": 404}})");
        QVERIFY(page.loggedIn);
        page.show(RemoteConfigDialog::NetworkStatusPage);
        QVERIFY(page.find<QGroupBox>("capabilityGroupBox")->isHidden());
        QVERIFY(!page.find<QLineEdit>("fixed_edtIPAddress")->text().isEmpty());
    }

    void failedDnsReadKeepsTheLaterWidgets() {
        LoggedInDialog page(R"("faults": {"http_status": {"command:7": 500}})");
        QVERIFY(page.loggedIn);
        page.find<QLineEdit>("fixed_edtDNS1")->setText("kept");
        page.find<QLineEdit>("fixed_edtNetIpAdaption")->setText("kept");
        page.show(RemoteConfigDialog::EthernetPage);
        QVERIFY(!page.find<QLineEdit>("fixed_edtIPAddress")->text().isEmpty());
        QCOMPARE(page.find<QLineEdit>("fixed_edtDNS1")->text(), QString("kept"));
        QCOMPARE(page.find<QLineEdit>("fixed_edtNetIpAdaption")->text(), QString("kept"));
    }

    void saveSendsDnsAdaptionAndNetworkThenEndsTheDialog() {
        LoggedInDialog page;
        QVERIFY(page.loggedIn);
        page.dialog->show();
        page.show(RemoteConfigDialog::EthernetPage);
        page.find<IPAddress>("edtIPAddress")->setIP("10.0.0.77");
        page.find<IPAddress>("edtNetMask")->setIP("255.255.255.128");
        page.find<IPAddress>("edtGateway")->setIP("10.0.0.1");
        page.find<IPAddress>("edtDNS1")->setIP("9.9.9.9");
        page.find<IPAddress>("edtDNS2")->clear();  // no dots to parse: 0.0.0.0
        page.find<QCheckBox>("ckxNetIpAdaption")->setChecked(false);
        pagetest::ModalCloser closer;
        page.find<QPushButton>("btnSaveNetworkConfig")->click();

        const auto dns = page.sent(kDnsCommand);
        const auto adaption = page.sent(kAdaptionCommand);
        const auto network = page.sent(kNetworkCommand);
        QCOMPARE(int(dns.size()), 1);
        QCOMPARE(dotted(dns[0], kDns1), std::string("9.9.9.9"));
        QCOMPARE(dotted(dns[0], kDns2), std::string("0.0.0.0"));
        QCOMPARE(int(adaption.size()), 1);
        QCOMPARE(adaption[0].word(kAdaption), 0);
        QCOMPARE(int(network.size()), 1);
        QCOMPARE(network[0].word(kDhcp), 0);
        QCOMPARE(dotted(network[0], kIp), std::string("10.0.0.77"));
        QCOMPARE(dotted(network[0], kMask), std::string("255.255.255.128"));
        QCOMPARE(dotted(network[0], kGateway), std::string("10.0.0.1"));
        QCOMPARE(closer.titles, QStringList{"请重新登录"});
        QCOMPARE(closer.texts.value(0),
                 QString("远程IPC的地址已经设置成功，配置程序需要重新登录，本窗口将自动关闭！"));
        QVERIFY(!page.dialog->isVisible());
    }

    // The camera takes the records one by one: a refused one ends the save, and the user
    // learns which one it was and which ones the camera had already taken.
    void refusedWriteIsShownWithTheRecordsWritten_data() {
        QTest::addColumn<int>("refused");
        QTest::addColumn<QList<int>>("writes");
        QTest::addColumn<QString>("message");
        QTest::newRow("DNS") << kDnsCommand << QList<int>{kDnsCommand}
                             << "摄像机没有接受DNS，设置未全部保存。\n此前已写入摄像机的：无。";
        QTest::newRow("IP adaption")
            << kAdaptionCommand << QList<int>{kDnsCommand, kAdaptionCommand}
            << "摄像机没有接受IP自适应，设置未全部保存。\n此前已写入摄像机的：DNS。";
        QTest::newRow("network")
            << kNetworkCommand << QList<int>{kDnsCommand, kAdaptionCommand, kNetworkCommand}
            << "摄像机没有接受网络参数，设置未全部保存。\n此前已写入摄像机的：DNS、IP自适应。";
    }
    void refusedWriteIsShownWithTheRecordsWritten() {
        QFETCH(int, refused);
        LoggedInDialog page(R"("faults": {"http_write_status": {"command:)" +
                            std::to_string(refused) + R"(": 500}})");
        QVERIFY(page.loggedIn);
        page.dialog->show();
        page.show(RemoteConfigDialog::EthernetPage);
        // camsim's loopback address is no static address to send.
        page.find<IPAddress>("edtIPAddress")->setIP("10.0.0.77");
        page.find<IPAddress>("edtGateway")->setIP("10.0.0.1");
        pagetest::ModalCloser closer;
        page.find<QPushButton>("btnSaveNetworkConfig")->click();
        QTRY_COMPARE_WITH_TIMEOUT(closer.titles, QStringList{"保存失败"}, 2000);
        QTEST(closer.texts.value(0), "message");
        QTEST(page.writtenCommands(), "writes");
        QVERIFY(page.dialog->isVisible());
    }

    // A save writes all three records from the form: after a failed read it would send
    // zeros, which cut a real camera off the LAN.
    void failedReadLeavesNothingToSave_data() {
        QTest::addColumn<int>("command");
        QTest::newRow("network") << kNetworkCommand;
        QTest::newRow("DNS") << kDnsCommand;
        QTest::newRow("IP adaption") << kAdaptionCommand;
    }
    void failedReadLeavesNothingToSave() {
        QFETCH(int, command);
        LoggedInDialog page(R"("faults": {"http_status": {"command:)" + std::to_string(command) +
                            R"(": 500}})");
        QVERIFY(page.loggedIn);
        page.dialog->show();
        page.show(RemoteConfigDialog::EthernetPage);
        pagetest::ModalCloser closer;
        auto* save = page.find<QPushButton>("btnSaveNetworkConfig");
        QVERIFY(!save->isEnabled());
        save->click();
        QCOMPARE(page.requests("PUT", "/NetSDK/Device/Property"), size_t(0));
        QVERIFY(closer.texts.isEmpty());
        QVERIFY(page.dialog->isVisible());
    }

    void wrongStaticAddressIsNamedAndNothingSent_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("gateway");
        QTest::addColumn<QString>("field");
        QTest::newRow("address empty") << ""
                                       << "255.255.255.0"
                                       << ""
                                       << "IP地址";
        QTest::newRow("address multicast") << "224.0.0.5"
                                           << "255.255.255.0"
                                           << ""
                                           << "IP地址";
        QTest::newRow("address loopback") << "127.0.0.77"
                                          << "255.255.255.0"
                                          << ""
                                          << "IP地址";
        QTest::newRow("mask with a gap") << "10.0.0.9"
                                         << "255.0.255.0"
                                         << ""
                                         << "子网掩码";
        QTest::newRow("gateway outside") << "10.0.0.9"
                                         << "255.255.255.0"
                                         << "10.0.1.1"
                                         << "网关";
    }
    void wrongStaticAddressIsNamedAndNothingSent() {
        QFETCH(QString, address);
        QFETCH(QString, mask);
        QFETCH(QString, gateway);
        QFETCH(QString, field);
        LoggedInDialog page;
        QVERIFY(page.loggedIn);
        page.dialog->show();
        page.show(RemoteConfigDialog::EthernetPage);
        page.find<QCheckBox>("ckxDHCP")->setChecked(false);
        for (const auto& [name, text] : {std::pair<const char*, QString>{"edtIPAddress", address},
                                         {"edtNetMask", mask},
                                         {"edtGateway", gateway}}) {
            auto* editor = page.find<IPAddress>(name);
            editor->clear();
            editor->setIP(text);
        }
        pagetest::ModalCloser closer;
        page.find<QPushButton>("btnSaveNetworkConfig")->click();
        QCOMPARE(page.requests("PUT", "/NetSDK/Device/Property"), size_t(0));
        QCOMPARE(closer.texts.size(), 1);
        QVERIFY2(closer.texts[0].startsWith(field), qPrintable(closer.texts[0]));
        QVERIFY(page.dialog->isVisible());
    }
};

QTEST_MAIN(NetworkPagesTest)
#include "test_network_pages.moc"
