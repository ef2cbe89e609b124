// The device table without cameras: rows from search records, the first answer
// per device, local and foreign networks, the SDK record conversion and the
// title cut.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <cstring>

#include "deviceitem.h"
#include "devicetablemodel.h"
#include "netsdkinstance.h"

namespace {

DEVICE_INFO device(const QString& id, const QString& ip, const QString& bind = "10.77.1.1") {
    DEVICE_INFO info;
    info.deviceId = id;
    info.ip = QHostAddress(ip);
    info.cloudId = "cloud-" + id;
    info.fullNetcom = true;
    info.lampBoard = "White Lamp";
    info.version = "1.0.0_a";
    info.osdTitle = QString::fromUtf8("Tor \xe6\x9d\xb1");
    info.mac = "00:12:ab:cd:ef:01";
    info.serialNumber = "SN-" + id;
    info.hardwareVersion = "HW-2";
    info.user = "admin";
    info.password = "secret";
    info.bindAddress = QHostAddress(bind);
    return info;
}

QStringList rowTexts(const QStandardItemModel& model, int row) {
    QStringList texts;
    for (int column = 0; column < model.columnCount(); ++column)
        texts << model.item(row, column)->text();
    return texts;
}

class DeviceTableTest : public testing::Test {
protected:
    // A table whose last search ran from the local networks 10.77.1.0/24
    // and 10.77.2.0/24.
    void SetUp() override { model.searchDevices({}, {"10.77.1.1", "10.77.2.1"}); }
    DeviceTableModel model;
};

}  // namespace

TEST_F(DeviceTableTest, HeadersAndColumnsOfAFoundDevice) {
    QStringList headers;
    for (int column = 0; column < model.columnCount(); ++column)
        headers << model.horizontalHeaderItem(column)->text();
    EXPECT_EQ(headers, (QStringList{"IP Address", "Cloud ID", "Full Netcom", "Lamp Board", "Status",
                                    "Current Version", "OSD", "MAC", "Serial Number",
                                    "Hardware Version", "Device ID"}));

    model.deviceFound(device("CAM1", "10.77.1.10"));
    ASSERT_EQ(model.rowCount(), 1);
    EXPECT_EQ(rowTexts(model, 0), (QStringList{"10.77.1.10", "cloud-CAM1", "Enable", "White Lamp",
                                               "Unknown Accessibility", "1.0.0_a",
                                               QString::fromUtf8("Tor \xe6\x9d\xb1"),
                                               "00:12:AB:CD:EF:01", "SN-CAM1", "HW-2", "CAM1"}));
    auto* first = dynamic_cast<DeviceItem*>(model.item(0, 0));
    ASSERT_TRUE(first && first->info());
    EXPECT_EQ(first->info()->mac, "00:12:ab:cd:ef:01") << "the record keeps the MAC as received";
    EXPECT_TRUE(first->isCheckable());
    EXPECT_EQ(first->checkState(), Qt::Unchecked);
    EXPECT_FALSE(model.item(0, 1)->isCheckable());
    EXPECT_EQ(model.item(0, 1)->textAlignment(), Qt::AlignCenter);
}

TEST_F(DeviceTableTest, FirstAnswerPerDeviceWins) {
    model.deviceFound(device("CAM1", "10.77.1.10", "10.77.1.1"));
    DEVICE_INFO again = device("CAM1", "10.77.2.99", "10.77.2.1");
    again.version = "9.9.9_z";
    model.deviceFound(again);
    model.deviceFound(device("CAM2", "10.77.2.10", "10.77.2.1"));
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.item(0, 0)->text(), "10.77.1.10");
    EXPECT_EQ(model.item(0, DeviceTableModel::VersionColumn)->text(), "1.0.0_a");
    EXPECT_EQ(dynamic_cast<DeviceItem*>(model.item(0, 0))->info()->bindAddress,
              QHostAddress("10.77.1.1"));
}

TEST_F(DeviceTableTest, DeviceOutsideLocalNetworksIsNotAccessible) {
    model.deviceFound(device("FAR", "10.77.3.10"));
    model.deviceFound(device("BAD", "not an address"));
    EXPECT_EQ(model.item(0, DeviceTableModel::StatusColumn)->text(), "Not Accessible");
    EXPECT_EQ(dynamic_cast<DeviceItem*>(model.item(0, 0))->accessible(), 0);
    EXPECT_EQ(model.item(1, 0)->text(), "");
    EXPECT_EQ(model.item(1, DeviceTableModel::StatusColumn)->text(), "Not Accessible");
}

TEST_F(DeviceTableTest, NewSearchEmptiesTheTable) {
    model.deviceFound(device("CAM1", "10.77.1.10"));
    model.item(0, 0)->setCheckState(Qt::Checked);
    model.searchDevices({}, {"10.77.1.1"});
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(model.columnCount(), int(DeviceTableModel::ColumnCount));
    model.deviceFound(device("CAM1", "10.77.1.10"));
    EXPECT_EQ(model.rowCount(), 1) << "a new search forgets the devices it had seen";
    EXPECT_EQ(model.item(0, 0)->checkState(), Qt::Unchecked);
}

TEST_F(DeviceTableTest, ProgressReportsForUnknownAddressesAreIgnored) {
    model.deviceFound(device("CAM1", "10.77.1.10"));
    model.upgradeProgress("10.77.1.99", 50);
    model.deviceIPAddressChanged("NOPE", 0);
    model.deviceNetcomChanged("NOPE", 0);
    EXPECT_EQ(model.item(0, DeviceTableModel::VersionColumn)->text(), "1.0.0_a");
    EXPECT_EQ(model.item(0, DeviceTableModel::StatusColumn)->text(), "Unknown Accessibility");
}

TEST_F(DeviceTableTest, UpgradeProgressDrawsBarThenShowsNothingPending) {
    model.deviceFound(device("CAM1", "10.77.1.10"));
    model.upgradeProgress("10.77.1.10", 42);
    EXPECT_EQ(model.item(0, DeviceTableModel::VersionColumn)->text(), "PG:42");
    model.upgradeProgress("10.77.1.10", 100);
    EXPECT_EQ(model.item(0, DeviceTableModel::StatusColumn)->text(),
              "Upgrade successfully, waiting to restart");
    EXPECT_EQ(model.item(0, DeviceTableModel::VersionColumn)->text(), "")
        << "no upgrade was started, so no version is pending";
}

TEST(NetSDKInstance, DeviceInfoOfSearchRecord) {
    NETSDK_SEARCH_DEVICE_INFO record;
    std::memset(&record, 0, sizeof record);
    std::strcpy(record.deviceId, "DEV-1");
    std::strcpy(record.deviceName, "Tor \xe6\x9d\xb1");
    std::strcpy(record.hardwareVersion, "HW-\xe9");  // Latin-1 é
    std::strcpy(record.firmwareVersion, "1.2.3_x");
    std::strcpy(record.uid, "UID-1");
    std::strcpy(record.uuid, "UUID-1");
    std::strcpy(record.user, "admin");
    std::strcpy(record.password, "pw");
    std::strcpy(record.nic[0].ip, "10.77.1.10");
    std::strcpy(record.nic[0].mac, "00:12:34:56:78:9a");
    std::strcpy(record.nic[1].ip, "10.77.9.9");
    record.httpPort = 8080;
    record.streamPort = 1681;
    record.nic[0].allNetConnect = 1;

    const DEVICE_INFO info = NetSDKInstance::deviceInfoOf(record, QHostAddress("10.77.1.1"));
    EXPECT_EQ(info.deviceId, "DEV-1");
    EXPECT_EQ(info.ip, QHostAddress("10.77.1.10"));
    EXPECT_EQ(info.cloudId, "UUID-1");
    EXPECT_TRUE(info.fullNetcom);
    EXPECT_EQ(info.version, "1.2.3_x");
    EXPECT_EQ(info.osdTitle, QString::fromUtf8("Tor \xe6\x9d\xb1"));
    EXPECT_EQ(info.mac, "00:12:34:56:78:9a");
    EXPECT_EQ(info.serialNumber, "UID-1");
    EXPECT_EQ(info.hardwareVersion, QString::fromLatin1("HW-\xe9"));
    EXPECT_EQ(info.user, "admin");
    EXPECT_EQ(info.password, "pw");
    EXPECT_EQ(info.port, 8080);
    EXPECT_EQ(info.streamPort, 1681);
    EXPECT_EQ(info.bindAddress, QHostAddress("10.77.1.1"));
    EXPECT_EQ(info.accessible, -1);

    const struct {
        int32_t model;
        int32_t netcom;
        const char* lamp;
        bool fullNetcom;
    } cases[] = {{0, 2, "Infrared Lamp", false},
                 {1, 0, "White Lamp", false},
                 {2, 1, "Dual Lamp", true},
                 {3, 1, "Lampless", true},
                 {4, 1, "", true},
                 {-1, 1, "", true}};
    for (const auto& row : cases) {
        record.model = row.model;
        record.nic[0].allNetConnect = row.netcom;
        const DEVICE_INFO kind = NetSDKInstance::deviceInfoOf(record, QHostAddress());
        EXPECT_EQ(kind.lampBoard, row.lamp) << row.model;
        EXPECT_EQ(kind.fullNetcom, row.fullNetcom) << row.netcom;
    }
}

TEST(NetSDKInstance, DeviceTextsNeverReadPastTheirField) {
    NETSDK_SEARCH_DEVICE_INFO record;
    std::memset(&record, 'A', sizeof record);
    const DEVICE_INFO info = NetSDKInstance::deviceInfoOf(record, QHostAddress());
    EXPECT_EQ(info.deviceId.size(), int(sizeof record.deviceId));
    EXPECT_EQ(info.osdTitle.size(), int(sizeof record.deviceName));
    EXPECT_EQ(info.mac.size(), int(sizeof record.nic[0].mac));
}

TEST(NetSDKInstance, TitleIsCutAtACharacterBoundary) {
    const QString threeByte = QString::fromUtf8("\xe6\x9d\xb1");  // 3 bytes in UTF-8
    const struct {
        QString title;
        int bytes;
    } cases[] = {
        {QString(128, 'a'), 128},
        {QString(129, 'a'), 128},
        {QString(127, 'a') + threeByte, 127},
        {QString(126, 'a') + threeByte, 126},
        {QString(125, 'a') + threeByte, 128},
        {threeByte.repeated(50), 126},
        {"", 0},
    };
    for (const auto& row : cases) {
        const QByteArray bytes = NetSDKInstance::titleBytes(row.title);
        EXPECT_EQ(bytes.size(), row.bytes) << row.title.size();
        EXPECT_TRUE(row.title.startsWith(QString::fromUtf8(bytes))) << "cut inside a character";
    }
}

TEST(DeviceTableTasks, BusyStateEndsAfterManyShortTasks) {
    constexpr int kRows = 200;
    DeviceTableModel model;
    model.searchDevices({}, {"127.0.0.1"});
    for (int i = 0; i < kRows; ++i) {
        // Nothing listens on the discard port: every login is refused at once.
        DEVICE_INFO info = device(QString("CAM%1").arg(i), "127.0.0.1");
        info.port = 9;
        model.deviceFound(info);
    }
    QSignalSpy reported(&model, &DeviceTableModel::threadOperationFinished);
    QSignalSpy idle(&model, &DeviceTableModel::allTasksFinished);
    model.testAccessible();
    if (idle.isEmpty()) {
        ASSERT_TRUE(idle.wait(30000));
    }
    EXPECT_EQ(reported.size(), kRows);
    EXPECT_EQ(idle.size(), 1);
    EXPECT_EQ(model.runningTasks(), 0);
    for (int row = 0; row < kRows; ++row)
        ASSERT_EQ(model.item(row, DeviceTableModel::StatusColumn)->text(), "Not Accessible");
}
