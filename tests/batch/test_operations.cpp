// The device table and its batch operations against camsim in the test bed: two
// local networks (10.77.1.0/24, 10.77.2.0/24) and one that is not local
// (10.77.3.0/24, on link 1). What the cameras received is read from camsim's
// journal.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtEndian>
#include <algorithm>
#include <memory>

#include "appsettings.h"
#include "camsim_fixture.h"
#include "deviceitem.h"
#include "devicetablemodel.h"

namespace {

using camsim::JournalEntry;

constexpr int kTaskTimeoutMs = 20000;
// Wire offsets of the records a write carries, behind the 16-byte block head.
constexpr int kBlockHead = 16;
constexpr int kTimeModeWire = 8;
constexpr int kManualTimeWire = 148;
constexpr int kTitleShownWire = 156;
constexpr int kTitleTextWire = 812;
constexpr int kDateTimeShownWire = 4396;
constexpr int kDateFormatWire = 5084;
constexpr int kTimeCommand = 12;
constexpr int kOSDCommand = 5;

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// The bytes a camera received; the body text of the journal would end at a NUL.
QByteArray bodyBytes(const JournalEntry& entry) {
    return QByteArray::fromHex(QByteArray::fromStdString(entry.text("body_hex")));
}

qint32 wireWord(const QByteArray& body, int offset) {
    return qFromLittleEndian<qint32>(body.constData() + kBlockHead + offset);
}

QByteArray wireText(const QByteArray& body, int offset) {
    return QByteArray(body.constData() + kBlockHead + offset);
}

int blockCommand(const QByteArray& body) {
    return body.size() >= kBlockHead ? qFromBigEndian<quint16>(body.constData() + 12) : -1;
}

std::string camera(const char* id, const std::string& ip, const std::string& extra = "") {
    return camsim::camera(id, ip,
                          R"("hardware_version": "HW-A", "firmware_version": "1.0.0_a")" +
                              (extra.empty() ? "" : ", " + extra));
}

class OperationsTest : public testing::Test {
protected:
    void SetUp() override {
        if (!camsim::testbedPresent())
            GTEST_SKIP() << "needs the test bed (scripts/testbed-run)";
        // Every multicast call waits this long for answers.
        AppSettings::instance().setSearchTimeout(1);
        sim = std::make_unique<camsim::Simulator>(camsim::Where::CameraNetwork);
        local1 = text(camsim::testbedLocalAddress(1));
        local2 = text(camsim::testbedLocalAddress(2));
        QObject::connect(&model, &QStandardItemModel::itemChanged, [this](QStandardItem* item) {
            const QStandardItem* id = model.item(item->row(), DeviceTableModel::DeviceIdColumn);
            if (item->column() == DeviceTableModel::StatusColumn && id)
                statusTrails[id->text()] << item->text();
        });
    }

    std::string at(int host, int network = 1) const { return sim->address(host, network); }

    void startCameras(const std::vector<std::string>& cameras) {
        std::string config = R"({"cameras": [)";
        for (size_t i = 0; i < cameras.size(); ++i)
            config += (i ? ", " : "") + cameras[i];
        sim->start(config + "]}");
    }

    void search() {
        model.searchDevices({QHostAddress(local1), QHostAddress(local2)}, {local1, local2});
    }

    int row(const QString& id) const {
        const auto found = model.findItems(id, Qt::MatchExactly, DeviceTableModel::DeviceIdColumn);
        return found.isEmpty() ? -1 : found.first()->row();
    }
    QString cell(const QString& id, int column) const {
        const int r = row(id);
        return r < 0 ? QString("<no row %1>").arg(id) : model.item(r, column)->text();
    }
    QString status(const QString& id) const { return cell(id, DeviceTableModel::StatusColumn); }
    // Every status text that the row of id has shown since the search.
    QStringList trail(const QString& id) const { return statusTrails.value(id); }

    void tick(const QStringList& ids) {
        for (const QString& id : ids) {
            ASSERT_GE(row(id), 0) << qPrintable(id);
            model.item(row(id), 0)->setCheckState(Qt::Checked);
        }
    }

    // Runs a pool operation and waits until its last task has reported.
    void runTasks(const std::function<void()>& operation) {
        QSignalSpy finished(&model, &DeviceTableModel::allTasksFinished);
        operation();
        if (model.runningTasks() > 0) {
            ASSERT_TRUE(finished.wait(kTaskTimeoutMs));
        }
        EXPECT_EQ(model.runningTasks(), 0);
    }

    std::vector<JournalEntry> http(const std::string& cameraId) const {
        return sim->journal([&](const JournalEntry& entry) {
            return entry.text("protocol") == "http" && entry.text("camera") == cameraId;
        });
    }
    std::vector<JournalEntry> writes(const std::string& cameraId, int command) const {
        std::vector<JournalEntry> found;
        for (const JournalEntry& entry : http(cameraId))
            if (entry.text("method") == "PUT" && blockCommand(bodyBytes(entry)) == command)
                found.push_back(entry);
        return found;
    }
    std::vector<JournalEntry> multicast(const std::string& action) const {
        return sim->journal([&](const JournalEntry& entry) {
            return entry.text("protocol") == "search" && entry.text("action") == action;
        });
    }

    std::unique_ptr<camsim::Simulator> sim;
    QString local1, local2;
    DeviceTableModel model;
    QHash<QString, QStringList> statusTrails;
};

// A device that no camera plays, found from the first local network.
DEVICE_INFO ghost(const QString& id, const QString& ip, const QString& bind) {
    DEVICE_INFO info;
    info.deviceId = id;
    info.ip = QHostAddress(ip);
    info.user = "admin";
    info.bindAddress = QHostAddress(bind);
    return info;
}

}  // namespace

TEST_F(OperationsTest, SearchListsEveryCameraOnceAndTestsLogins) {
    startCameras(
        {camera("A1", at(10),
                R"("password": "pw1", "uuid": "cloud-a1", "uid": "SN-A1",
                                        "model": 1, "device_name": "Tor Nord")"),
         camera("A2", at(11), R"("faults": {"http_status": {"/NetSDK/Device/Property": 401}})"),
         camera("B1", at(10, 2)), camera("F1", at(10, 3))});
    // A refresh that arrives while the search runs is refused, not nested.
    QTimer::singleShot(0, [this] { search(); });
    search();

    ASSERT_EQ(model.rowCount(), 4);
    EXPECT_EQ(multicast("SEARCH").size(), 2u) << "one search per local address, no nested one";
    const int a1 = row("A1");
    ASSERT_GE(a1, 0);
    QStringList columns;
    for (int column = 0; column < DeviceTableModel::ColumnCount; ++column)
        columns << model.item(a1, column)->text();
    EXPECT_EQ(columns, (QStringList{text(at(10)), "cloud-a1", "Disable", "White Lamp",
                                    "Unknown Accessibility", "1.0.0_a", "Tor Nord",
                                    model.item(a1, 7)->text().toUpper(), "SN-A1", "HW-A", "A1"}));
    EXPECT_EQ(dynamic_cast<DeviceItem*>(model.item(a1, 0))->info()->bindAddress,
              QHostAddress(local1));
    EXPECT_EQ(dynamic_cast<DeviceItem*>(model.item(row("B1"), 0))->info()->bindAddress,
              QHostAddress(local2));
    EXPECT_EQ(status("F1"), "Not Accessible");

    QSignalSpy finished(&model, &DeviceTableModel::threadOperationFinished);
    runTasks([this] { model.testAccessible(); });
    EXPECT_EQ(finished.size(), 3) << "the foreign camera is not tried";
    EXPECT_EQ(trail("A1"), (QStringList{"Try to sign in", "Accessible"}));
    EXPECT_EQ(trail("A2"), (QStringList{"Try to sign in", "Not Accessible"}));
    EXPECT_EQ(status("B1"), "Accessible");
    EXPECT_EQ(status("F1"), "Not Accessible");
    EXPECT_TRUE(http("F1").empty());
    EXPECT_FALSE(http("A1").empty());
}

TEST_F(OperationsTest, TimeSynchronisation) {
    startCameras({camera("A1", at(10)), camera("B1", at(10, 2)),
                  camera("BAD", at(11), R"("faults": {"http_status": {"command:12": 500}})"),
                  camera("F1", at(10, 3))});
    search();
    tick({"A1", "B1", "BAD", "F1"});
    model.syncTime(QDateTime::fromSecsSinceEpoch(1700000000));

    for (const char* id : {"A1", "B1"}) {
        EXPECT_EQ(status(id), "Successfully set") << id;
        const auto written = writes(id, kTimeCommand);
        ASSERT_EQ(written.size(), 1u) << id;
        const QByteArray body = bodyBytes(written[0]);
        EXPECT_EQ(wireWord(body, kTimeModeWire), 1) << "manual time";
        EXPECT_EQ(wireWord(body, kManualTimeWire), 1700000000);
    }
    EXPECT_EQ(trail("A1"), (QStringList{"Setting the date and time", "Successfully set"}));
    EXPECT_EQ(trail("BAD"), (QStringList{"Setting the date and time", "Setting failed"}));
    EXPECT_TRUE(trail("F1").isEmpty()) << "foreign rows are skipped";
    EXPECT_TRUE(http("F1").empty());
}

TEST_F(OperationsTest, OSDTitle) {
    startCameras({camera("A1", at(10)), camera("B1", at(10, 2)),
                  camera("BAD", at(11), R"("faults": {"http_status": {"command:5": 500}})"),
                  camera("F1", at(10, 3))});
    search();
    tick({"A1", "B1", "BAD", "F1"});
    const QString title = QString::fromUtf8("Tor \xe6\x9d\xb1 3");
    runTasks([&] { model.setTitle(true, 3, title); });

    for (const char* id : {"A1", "B1"}) {
        EXPECT_EQ(status(id), "Successfully set") << id;
        EXPECT_EQ(cell(id, DeviceTableModel::OSDColumn), title);
        const auto written = writes(id, kOSDCommand);
        ASSERT_EQ(written.size(), 1u) << id;
        const QByteArray body = bodyBytes(written[0]);
        EXPECT_EQ(wireWord(body, kTitleShownWire), 1);
        EXPECT_EQ(QString::fromUtf8(wireText(body, kTitleTextWire)), title);
        EXPECT_EQ(wireWord(body, kDateTimeShownWire), 1);
        EXPECT_EQ(wireWord(body, kDateFormatWire), 3);
    }
    EXPECT_EQ(trail("A1"), (QStringList{"Setting the title", "Successfully set"}));
    EXPECT_EQ(trail("BAD"), (QStringList{"Setting the title", "Setting failed"}));
    EXPECT_EQ(cell("BAD", DeviceTableModel::OSDColumn), "IPC");
    EXPECT_TRUE(http("F1").empty());

    // Switching the OSD off sends a title of one space and both displays off.
    tick({"A1"});
    runTasks([&] { model.setTitle(false, 0, " "); });
    const QByteArray off = bodyBytes(writes("A1", kOSDCommand).back());
    EXPECT_EQ(wireWord(off, kTitleShownWire), 0);
    EXPECT_EQ(wireWord(off, kDateTimeShownWire), 0);
    EXPECT_EQ(cell("A1", DeviceTableModel::OSDColumn), " ");
}

TEST_F(OperationsTest, RebootOverHttpAndByMulticast) {
    startCameras(
        {camera("A1", at(10)), camera("F1", at(10, 3)),
         camera(
             "LOCKED", at(11),
             R"("faults": {"http_status": {"/NetSDK/Device/Property": 401}, "command_status": 1})")});
    search();
    model.deviceFound(ghost("GHOST", text(at(99, 3)), local1));
    tick({"A1", "F1", "LOCKED", "GHOST"});
    model.reboot();

    EXPECT_EQ(status("A1"), "Restart succeeded. Please wait a moment and refresh");
    const auto a1 = http("A1");
    EXPECT_TRUE(std::any_of(a1.begin(), a1.end(), [](const JournalEntry& entry) {
        return entry.text("method") == "PUT" && entry.text("target") == "/NetSDK/System/Reboot";
    }));
    // Login impossible: the multicast command, which counts only when
    // acknowledged with 0.
    EXPECT_EQ(status("F1"), "Restart succeeded. Please wait a moment and refresh");
    EXPECT_EQ(trail("LOCKED"), (QStringList{"Restarting the device", "Restart failed"}));
    EXPECT_EQ(status("GHOST"), "Restart failed");
    const auto commands = multicast("COMMAND");
    ASSERT_EQ(commands.size(), 3u);
    for (const JournalEntry& command : commands) {
        EXPECT_EQ(command.text("source"), local1.toStdString());
        EXPECT_NE(command.text("body").find("\"201\""), std::string::npos);
    }
}

TEST_F(OperationsTest, FactoryReset) {
    startCameras({camera("A1", at(10)),
                  camera("BAD", at(11),
                         R"("faults": {"http_status": {"/NetSDK/System/DefaultFactory": 500}})"),
                  camera("F1", at(10, 3))});
    search();
    tick({"A1", "BAD", "F1"});
    model.restore();
    EXPECT_EQ(status("A1"), "Restore succeeded. Please wait a moment and refresh");
    EXPECT_EQ(http("A1").back().text("target"), "/NetSDK/System/DefaultFactory");
    EXPECT_EQ(trail("BAD"), (QStringList{"Restoring settings", "Restore failed"}));
    EXPECT_EQ(status("F1"), "Not Accessible");
    EXPECT_TRUE(http("F1").empty());
}

TEST_F(OperationsTest, AudioUpload) {
    startCameras(
        {camera("A1", at(10)),
         camera("BAD", at(11), R"("faults": {"http_status": {"/System/OEM/UploadFile": 500}})")});
    search();
    tick({"A1", "BAD"});
    QTemporaryDir folder;
    const QString prompt = folder.filePath("prompt.pcm");
    QFile file(prompt);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(8000, '\x55'));
    file.close();

    runTasks([&] { model.uploadAudio(prompt); });
    EXPECT_EQ(trail("A1"), (QStringList{"Uploading audio file", "Upload successfully"}));
    EXPECT_EQ(trail("BAD"), (QStringList{"Uploading audio file", "Upload failed"}));
    const JournalEntry upload = http("A1").back();
    EXPECT_EQ(upload.text("method"), "POST");
    EXPECT_EQ(upload.text("target").rfind("/System/OEM/UploadFile", 0), 0u);
    EXPECT_TRUE(bodyBytes(upload).contains("prompt"));
    EXPECT_FALSE(bodyBytes(upload).contains("prompt.pcm"));

    // An empty file is refused before any traffic.
    const size_t before = http("A1").size();
    const QString empty = folder.filePath("empty.pcm");
    QFile(empty).open(QIODevice::WriteOnly);
    runTasks([&] { model.uploadAudio(empty); });
    EXPECT_EQ(status("A1"), "Upload failed");
    EXPECT_EQ(http("A1").size(), before);
}

namespace {

// A firmware file for the hardware given (bytes as they stand in the header).
QString firmwareFile(const QTemporaryDir& folder, const QByteArray& hardware) {
    QByteArray header(0x40000, '\0');
    const qint32 numbers[] = {qToLittleEndian(1), qToLittleEndian(2), qToLittleEndian(3)};
    header.replace(192, sizeof numbers, reinterpret_cast<const char*>(numbers), sizeof numbers);
    header.replace(204, 3, "abc");
    header.replace(1568, hardware.size(), hardware);
    const QString path = folder.filePath("firmware.rom");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(header + QByteArray(4096, '\x7f'));
    return path;
}

// The first interface of a SETNET body.
QJsonObject setnetInterface(const JournalEntry& entry) {
    const QJsonObject body =
        QJsonDocument::fromJson(QByteArray::fromStdString(entry.text("body"))).object();
    return body["NetWork"].toObject()["NIC"].toArray().first().toObject();
}

}  // namespace

TEST_F(OperationsTest, FirmwareUpgradeWithProgressAndFailures) {
    const char* accent = R"("hardware_version": "HW-\u00e9")";
    startCameras(
        {camsim::camera("A1", at(10),
                        std::string(accent) + R"(, "upgrade_progress": [30, 60, 100])"),
         camera("A2", at(11)),
         camsim::camera("EARLY", at(12),
                        std::string(accent) + R"(, "faults": {"upgrade_close_early": true})"),
         camera("F1", at(10, 3))});
    search();
    // A device that answers the search but whose upgrade port refuses the
    // connection.
    DEVICE_INFO refused = ghost("REFUSED", text(at(99)), local1);
    refused.hardwareVersion = QString::fromLatin1("HW-\xc3\xa9");
    model.deviceFound(refused);
    tick({"A1", "A2", "EARLY", "F1", "REFUSED"});
    QStringList versionCells;
    QObject::connect(&model, &QStandardItemModel::itemChanged, [&](QStandardItem* item) {
        if (item->column() == DeviceTableModel::VersionColumn && item->row() == row("A1"))
            versionCells << item->text();
    });

    QTemporaryDir folder;
    // The header's hardware text is UTF-8, as the camera's search answer is.
    runTasks([&] { model.upgradeFirmware(firmwareFile(folder, "HW-\xc3\xa9")); });

    EXPECT_EQ(trail("A1"),
              (QStringList{"Upgrade to 1.2.3_abc", "Upgrade successfully, waiting to restart"}));
    EXPECT_EQ(versionCells, (QStringList{"PG:30", "PG:60", "PG:100", "1.2.3_abc"}));
    EXPECT_EQ(status("A2"), text(at(11)) + " hardware mismatch, unable to upgrade!");
    EXPECT_EQ(trail("EARLY"), (QStringList{"Upgrade to 1.2.3_abc", "Upgrade failed"}));
    EXPECT_EQ(cell("EARLY", DeviceTableModel::VersionColumn), "FW-1.0.0");
    EXPECT_EQ(status("REFUSED"), "Upgrade failed");
    EXPECT_EQ(status("F1"), "Not Accessible");
    const auto heads = sim->journal([](const JournalEntry& entry) {
        return entry.text("protocol") == "upgrade" && entry.text("event") == "file";
    });
    ASSERT_EQ(heads.size(), 2u);
    for (const JournalEntry& file : heads)
        EXPECT_EQ(file.number("received"), 0x40000 + 4096);
}

TEST_F(OperationsTest, SetIPNumbersAddressesAndGroupsByLocalAddress) {
    startCameras({camera("A1", at(10)), camera("A2", at(11)), camera("B1", at(10, 2)),
                  camera("NO", at(12), R"("faults": {"setnet_status": 1})")});
    search();
    model.deviceFound(ghost("GHOST", text(at(98)), local1));
    tick({"A1", "A2", "B1", "NO", "GHOST"});
    QStringList order;  // ticked rows in row order get consecutive addresses
    for (int r = 0; r < model.rowCount(); ++r)
        order << model.item(r, DeviceTableModel::DeviceIdColumn)->text();

    const IPSetting start{QHostAddress("192.168.1.250"), QHostAddress("255.255.255.0"),
                          QHostAddress("192.168.1.1"), false};
    EXPECT_EQ(model.setIPs(start), "");

    QHash<QString, IPSetting> expected;
    IPSetting next = start;
    for (const QString& id : order) {
        expected.insert(id, next);
        next.ip = QHostAddress(next.ip.toIPv4Address() + 1);
    }
    const auto requests = multicast("SETNET");
    ASSERT_EQ(requests.size(), 5u);
    QHash<QString, QSet<QString>> clientsByBind;
    for (const JournalEntry& request : requests) {
        const QString id = text(request.text("head", "Objective"));
        const QJsonObject nic = setnetInterface(request);
        EXPECT_EQ(nic["IP"].toString(), expected[id].ip.toString()) << qPrintable(id);
        EXPECT_EQ(nic["GateWay"].toString(), expected[id].gateway.toString()) << qPrintable(id);
        EXPECT_EQ(nic["NetMask"].toString(), "255.255.255.0");
        clientsByBind[text(request.text("source"))] << text(request.text("head", "DeviceID"));
    }
    EXPECT_EQ(clientsByBind.value(local1).size(), 1) << "one call for the first network";
    EXPECT_EQ(clientsByBind.value(local2).size(), 1) << "one call for the second network";

    for (const char* id : {"A1", "A2", "B1"}) {
        EXPECT_EQ(status(id), "Successfully set") << id;
        EXPECT_EQ(cell(id, 0), expected[id].ip.toString());
        EXPECT_EQ(dynamic_cast<DeviceItem*>(model.item(row(id), 0))->accessible(), -1);
    }
    EXPECT_EQ(trail("A1"), (QStringList{"Setting IP address", "Successfully set"}));
    EXPECT_EQ(trail("NO"), (QStringList{"Setting IP address", "Setting failed"}));
    EXPECT_EQ(trail("GHOST"), (QStringList{"Setting IP address", "Setting failed"}))
        << "no acknowledgement";
    EXPECT_EQ(cell("GHOST", 0), text(at(98)));
}

TEST_F(OperationsTest, FreeAddressListShorterThanTickedRows) {
    startCameras({camera("A1", at(10)), camera("A2", at(11))});
    search();
    tick({"A1", "A2"});
    const int first = row("A1") < row("A2") ? row("A1") : row("A2");
    const QString firstId = model.item(first, DeviceTableModel::DeviceIdColumn)->text();
    const QString secondId = firstId == "A1" ? "A2" : "A1";
    model.syncIPs({{QHostAddress("10.77.1.50"), QHostAddress("255.255.255.0"),
                    QHostAddress("10.77.1.1"), false}});
    EXPECT_EQ(cell(firstId, 0), "10.77.1.50");
    EXPECT_EQ(status(firstId), "Successfully set");
    EXPECT_EQ(status(secondId), "Unknown Accessibility");
    EXPECT_EQ(multicast("SETNET").size(), 1u);
}

TEST_F(OperationsTest, FullNetcomOnAndOff) {
    startCameras({camera("A1", at(10)), camera("B1", at(10, 2)),
                  camera("NO", at(12), R"("faults": {"setnet_status": 1})")});
    search();
    tick({"A1", "B1", "NO"});
    for (bool on : {true, false}) {
        const size_t before = multicast("SETNET").size();
        model.setFullNetcom(on);
        const auto requests = multicast("SETNET");
        ASSERT_EQ(requests.size(), before + 3);
        for (size_t i = before; i < requests.size(); ++i)
            EXPECT_EQ(setnetInterface(requests[i])["AllNetConnect"], QJsonValue(on));
        for (const char* id : {"A1", "B1"}) {
            EXPECT_EQ(status(id), "Successfully set") << id;
            EXPECT_EQ(cell(id, DeviceTableModel::FullNetcomColumn), on ? "Enable" : "Disable");
        }
        EXPECT_EQ(trail("NO").mid(trail("NO").size() - 2),
                  (QStringList{"Setting full netcom", "Setting failed"}));
        EXPECT_EQ(cell("NO", DeviceTableModel::FullNetcomColumn), "Disable");
    }
}

TEST_F(OperationsTest, ModelDestroyedDuringUpgradeWaitsForIt) {
    startCameras({camera(
        "A1", at(10),
        R"("upgrade_progress": [10, {"percent": 50, "delay": 0.5}, {"percent": 100, "delay": 0.5}])")});
    auto owned = std::make_unique<DeviceTableModel>();
    owned->searchDevices({QHostAddress(local1)}, {local1});
    ASSERT_EQ(owned->rowCount(), 1);
    owned->item(0, 0)->setCheckState(Qt::Checked);
    QTemporaryDir folder;
    owned->upgradeFirmware(firmwareFile(folder, "HW-A"));
    ASSERT_TRUE(sim->waitForJournal(
        [](const JournalEntry& entry) { return entry.text("event") == "file"; }, 10000));

    owned.reset();  // the window closes while the camera still reports progress
    const auto progress = sim->journal([](const JournalEntry& entry) {
        return entry.text("protocol") == "upgrade" && entry.text("event") == "progress";
    });
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.back().number("percent"), 100) << "the upgrade ran to its end";
}
