// The main window against simulated cameras on the test bed's two local networks (and one
// network that is not local): the start-up search and login test, every panel action
// reaching the ticked cameras and no other, and the free-address scan with a fake ping.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include "camerawindow.h"
#include "camsim_fixture.h"
#include "deviceitem.h"
#include "devicetablemodel.h"
#include "ipaddress.h"
#include "mainwindow.h"
#include "modalhelper.h"
#include "modifyipdialog.h"
#include "qtprinters.h"

namespace {

constexpr int kWaitMs = 20000;

// Camera ids and where they sit: two on network 1, one on network 2, one on network 3
// (reachable by multicast, but not in a local segment).
const char* const kCameras[] = {"CAM-A", "CAM-B", "CAM-C", "CAM-D"};

class MainWindowCamerasTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!camsim::testbedPresent())
            return;
        bed = new CameraWindow([](const camsim::Simulator& cameras) {
            return camsim::camera("CAM-A", cameras.address(10, 1), R"("uuid": "UID-A")") + "," +
                   // Refuses every login: the login test finds it not accessible.
                   camsim::camera("CAM-B", cameras.address(11, 1),
                                  R"("faults": {"http_status": {"command:0": 401}})") +
                   "," + camsim::camera("CAM-C", cameras.address(10, 2)) + "," +
                   camsim::camera("CAM-D", cameras.address(10, 3));
        });
        sim = &bed->sim;
        folder = &bed->folder;
        window = bed->window.get();
        installConverter();
    }
    static void TearDownTestSuite() { delete bed; }
    void SetUp() override {
        if (!camsim::testbedPresent())
            GTEST_SKIP() << "needs the test bed (scripts/testbed-run)";
        ASSERT_TRUE(waitIdle());
    }

    // A converter that writes a second of silence to its output (the last argument): the
    // real ffmpeg's start-up alone ran past the converter's time limit on a busy machine, and
    // its output is checked with the converter itself (batch_decodemp3).
    static void installConverter() {
        QDir(folder->path()).mkpath("ffmpeg");
        QFile converter(folder->filePath("ffmpeg/ffmpeg"));
        converter.open(QIODevice::WriteOnly);
        converter.write(
            "#!/bin/sh\nfor output; do :; done\nhead -c 16000 /dev/zero > \"$output\"\n");
        converter.close();
        converter.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    static DeviceTableModel* model() { return window->findChild<DeviceTableModel*>(); }
    template <typename T = QPushButton>
    static T* widget(const char* name) {
        return window->findChild<T*>(name);
    }
    static int rowOf(const QString& id) {
        const auto found =
            model()->findItems(id, Qt::MatchExactly, DeviceTableModel::DeviceIdColumn);
        return found.isEmpty() ? -1 : found.first()->row();
    }
    static QString status(const QString& id) {
        const int row = rowOf(id);
        return row < 0 ? QString() : model()->item(row, DeviceTableModel::StatusColumn)->text();
    }
    // The search has listed all cameras, the login test has finished and the panels are
    // usable again. A row whose address changed is of unknown access until the login test
    // that the change starts half a second later: a click before it would meet that test's
    // disabled panels.
    static bool waitIdle() {
        return QTest::qWaitFor(
            [] {
                bed->searchAgainWhenShort(4);
                // A widget of a disabled panel reads as disabled too.
                if (model()->rowCount() != 4 || !widget("searchPushButton")->isEnabled() ||
                    !widget<QLineEdit>("uploadFileLineEdit")->isEnabled())
                    return false;
                for (const char* id : kCameras) {
                    const QString text = status(id);
                    if (text == "Unknown Accessibility" || text == "Try to sign in" ||
                        static_cast<DeviceItem*>(model()->item(rowOf(id), 0))->accessible() == -1)
                        return false;
                }
                return true;
            },
            kWaitMs);
    }
    // Ticks exactly the cameras ids once the table lists them all: a search still running
    // lists its rows anew, and a tick given to a row it replaced would be lost.
    static void tick(const QStringList& ids) {
        const bool ticked = QTest::qWaitFor(
            [&ids] {
                if (!waitIdle())
                    return false;
                for (int row = 0; row < model()->rowCount(); ++row) {
                    const QString id = model()->item(row, DeviceTableModel::DeviceIdColumn)->text();
                    model()->item(row, 0)->setCheckState(ids.contains(id) ? Qt::Checked
                                                                          : Qt::Unchecked);
                }
                QApplication::processEvents();
                return checkedIds() == QSet<QString>(ids.begin(), ids.end());
            },
            kWaitMs);
        ASSERT_TRUE(ticked) << ids.join(',').toStdString();
    }
    // Clicks the button once the window is idle and the button usable, with no event in
    // between: a login test that falls due late (each Sync IP or Set IP schedules one half a
    // second on, even when it changed nothing) would otherwise meet the click with the panels
    // off, and the click would do nothing.
    static void click(const char* button) {
        ASSERT_TRUE(QTest::qWaitFor([button] { return waitIdle() && widget(button)->isEnabled(); },
                                    kWaitMs))
            << button;
        widget(button)->click();
    }
    static QSet<QString> checkedIds() {
        QSet<QString> ids;
        for (int row = 0; row < model()->rowCount(); ++row) {
            if (model()->item(row, 0)->checkState() == Qt::Checked)
                ids.insert(model()->item(row, DeviceTableModel::DeviceIdColumn)->text());
        }
        return ids;
    }
    // Cameras that received something matching since journal entry from.
    static QSet<QString> reached(size_t from,
                                 const std::function<bool(const camsim::JournalEntry&)>& match) {
        QSet<QString> ids;
        const auto entries = sim->journal();
        for (size_t i = from; i < entries.size(); ++i) {
            if (match(entries[i]))
                ids.insert(QString::fromStdString(entries[i].text("camera")));
        }
        return ids;
    }
    static bool isSetnet(const camsim::JournalEntry& entry) {
        return entry.text("protocol") == "search" && entry.text("action") == "SETNET";
    }
    // The first NIC of a SETNET body: {IP, NetMask, GateWay}.
    static QStringList sentAddress(const camsim::JournalEntry& entry) {
        cJSON* body = cJSON_Parse(entry.text("body").c_str());
        const cJSON* nic =
            cJSON_GetArrayItem(cJSON_GetObjectItem(cJSON_GetObjectItem(body, "NetWork"), "NIC"), 0);
        QStringList values;
        for (const char* key : {"IP", "NetMask", "GateWay"}) {
            const cJSON* value = cJSON_GetObjectItem(nic, key);
            values << (cJSON_IsString(value) ? value->valuestring : "");
        }
        cJSON_Delete(body);
        return values;
    }

    static CameraWindow* bed;
    static camsim::Simulator* sim;
    static QTemporaryDir* folder;
    static MainWindow* window;
};

CameraWindow* MainWindowCamerasTest::bed = nullptr;
camsim::Simulator* MainWindowCamerasTest::sim = nullptr;
QTemporaryDir* MainWindowCamerasTest::folder = nullptr;
MainWindow* MainWindowCamerasTest::window = nullptr;

const QSet<QString> kTicked = {"CAM-A", "CAM-C"};

}  // namespace

TEST_F(MainWindowCamerasTest, StartUpSearchesEveryNetworkAndTestsLogins) {
    auto* segments = widget<QComboBox>("networkSegmentComboBox");
    QStringList texts;
    for (int i = 0; i < segments->count(); ++i)
        texts << segments->itemText(i);
    EXPECT_TRUE(texts.contains(QString::fromStdString(camsim::testbedLocalAddress(1))));
    EXPECT_TRUE(texts.contains(QString::fromStdString(camsim::testbedLocalAddress(2))));
    EXPECT_FALSE(texts.contains("127.0.0.1"));

    EXPECT_EQ(status("CAM-A"), "Accessible");
    EXPECT_EQ(status("CAM-B"), "Not Accessible");
    EXPECT_EQ(status("CAM-C"), "Accessible");
    EXPECT_EQ(status("CAM-D"), "Not Accessible");
    EXPECT_EQ(widget<QSpinBox>("totalDeviceSpinBox")->value(), 4);
    EXPECT_EQ(model()->item(rowOf("CAM-A"), DeviceTableModel::CloudIdColumn)->text(), "UID-A");
}

TEST_F(MainWindowCamerasTest, StartUpSearchAndItsLoginTestKeepThePanelsOff) {
    // The queued start-up search, as the constructor makes it; a refresh inside it is
    // refused. Until the search and the login test it starts have ended, no operation can
    // start: the panels are off at every new row and at every status change.
    auto* panel = window->findChild<QWidget*>("OperationForm");
    QStringList enabledAt;
    int rowsListed = 0;
    const auto listing = QObject::connect(model(), &QStandardItemModel::rowsInserted, [&] {
        if (panel->isEnabled())
            enabledAt << QStringLiteral("row %1 listed").arg(rowsListed);
        if (++rowsListed == 1)
            QMetaObject::invokeMethod(window, "load", Qt::DirectConnection);
    });
    const auto statuses =
        QObject::connect(model(), &QStandardItemModel::itemChanged, [&](QStandardItem* item) {
            if (item->column() == DeviceTableModel::StatusColumn && panel->isEnabled())
                enabledAt << QStringLiteral("row %1: %2").arg(item->row()).arg(item->text());
        });
    QMetaObject::invokeMethod(window, "load", Qt::QueuedConnection);
    const bool idle = QTest::qWaitFor([&] { return rowsListed == 4; }, kWaitMs) && waitIdle();
    QObject::disconnect(listing);
    QObject::disconnect(statuses);
    ASSERT_TRUE(idle);
    EXPECT_TRUE(enabledAt.isEmpty()) << enabledAt.join('\n').toStdString();
}

TEST_F(MainWindowCamerasTest, EveryPanelActionReachesTheTickedCameras) {
    const QString mp3 = folder->filePath("prompt.mp3");
    ASSERT_EQ(QProcess::execute("ffmpeg", {"-loglevel", "error", "-y", "-f", "lavfi", "-i",
                                           "sine=frequency=600:duration=2", "-ac", "1", mp3}),
              0);
    const QString firmware = folder->filePath("update.rom");
    {
        QByteArray image(300000, '\0');
        image.replace(1568, 6, "HW-1.0");  // the simulated cameras' hardware
        QFile file(firmware);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(image);
    }
    widget<QLineEdit>("uploadFileLineEdit")->setText(mp3);
    widget<QLineEdit>("upgradeFileLineEdit")->setText(firmware);
    tick({"CAM-A", "CAM-C"});

    const auto http = [](const char* path) {
        return [path](const camsim::JournalEntry& entry) {
            return entry.text("protocol") == "http" &&
                   (*path == 0 || entry.text("target").rfind(path, 0) == 0);
        };
    };
    const struct {
        const char* button;
        std::function<bool(const camsim::JournalEntry&)> match;
    } actions[] = {
        {"syncTimepushButton", http("/NetSDK/Device/Property")},
        {"setOSDPushButton", http("/NetSDK/Device/Property")},
        {"uploadPushButton", http("/System/OEM/UploadFile")},
        {"upgradePushButton",
         [](const camsim::JournalEntry& e) { return e.text("protocol") == "upgrade"; }},
        {"netcomOpenPushButton", isSetnet},
        {"netcomClosePushButton", isSetnet},
        {"rebootPushButton", http("/NetSDK/System/Reboot")},
        {"recoveryPushButton", http("/NetSDK/System/DefaultFactory")},
    };
    for (const auto& action : actions) {
        SCOPED_TRACE(action.button);
        const size_t from = sim->journal().size();
        click(action.button);
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return reached(from, action.match) == kTicked; }, kWaitMs))
            << "reached: "
            << QStringList(reached(from, action.match).values()).join(",").toStdString();
        ASSERT_TRUE(waitIdle());
        EXPECT_EQ(reached(from, action.match), kTicked);
    }
}

TEST_F(MainWindowCamerasTest, SetIpSendsTheDialogsAddresses) {
    tick({"CAM-A", "CAM-C"});
    const size_t from = sim->journal().size();
    auto answer = answerNextModal<ModifyIPDialog>([](ModifyIPDialog* dialog) {
        dialog->findChild<IPAddress*>("ipLineEdit")->setIP("10.77.1.60");
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    click("setIPPushButton");
    ASSERT_TRUE(answer->answered);
    ASSERT_TRUE(QTest::qWaitFor([&] { return reached(from, isSetnet) == kTicked; }, kWaitMs));
    QMap<QString, QStringList> sent;
    const auto entries = sim->journal();
    for (size_t i = from; i < entries.size(); ++i) {
        if (isSetnet(entries[i]))
            sent.insert(QString::fromStdString(entries[i].text("camera")), sentAddress(entries[i]));
    }
    // The first ticked row prefills the dialog; addresses count up in row order.
    EXPECT_EQ(sent.value("CAM-A"), QStringList({"10.77.1.60", "255.255.255.0", "10.77.1.1"}));
    EXPECT_EQ(sent.value("CAM-C"), QStringList({"10.77.1.61", "255.255.255.0", "10.77.1.1"}));
    ASSERT_TRUE(waitIdle());
}

TEST_F(MainWindowCamerasTest, SetIpRefusesAddressesThatWouldStrandACamera) {
    const struct {
        const char* ip;
        const char* mask;
        const char* gateway;
        bool sameIP;
        const char* says;  // part of the warning
    } cases[] = {
        {"10.77.1.0", "255.255.255.0", "10.77.1.1", false, "network address"},
        {"10.77.1.255", "255.255.255.0", "10.77.1.1", true, "broadcast address"},
        {"10.77.1.127", "255.255.255.128", "10.77.1.1", false, "broadcast address"},
        {"0.0.0.0", "255.255.255.0", "10.77.1.1", true, "cannot be given to a device"},
        {"224.0.0.60", "255.255.255.0", "224.0.0.1", false, "cannot be given to a device"},
        {"127.0.0.60", "255.0.0.0", "127.0.0.1", false, "cannot be given to a device"},
        {"10.77.1.60", "255.0.255.0", "10.77.1.1", false, "not a valid subnet mask"},
        {"10.77.1.60", "0.0.0.0", "10.77.1.1", true, "not a valid subnet mask"},
        {"10.77.1.60", "255.255.255.0", "10.77.2.1", false, "gateway 10.77.2.1 is not"},
        {"10.77.1.60", "255.255.255.0", "10.77.1.255", false, "gateway 10.77.1.255 is not"},
        {"10.77.1.60", "255.255.255.0", "10.77.1.61", false,
         "gateway 10.77.1.61 would be the address of a ticked device"},
        // Three ticked devices, and fewer addresses before the subnet's broadcast address.
        {"10.77.1.254", "255.255.255.0", "10.77.1.1", false, "only 1 of the 3"},
        {"10.77.1.125", "255.255.255.128", "10.77.1.1", false, "only 2 of the 3"},
    };
    tick({"CAM-A", "CAM-B", "CAM-C"});
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.ip) + " " + c.mask + " " + c.gateway);
        const size_t from = sim->journal().size();
        auto dialog = answerNextModal<ModifyIPDialog>([&c](ModifyIPDialog* modify) {
            modify->findChild<QRadioButton*>(c.sameIP ? "sameIPRadioButton" : "startIPRadioButton")
                ->setChecked(true);
            modify->findChild<IPAddress*>("ipLineEdit")->setIP(c.ip);
            modify->findChild<IPAddress*>("subnetMaskLineEdit")->setIP(c.mask);
            modify->findChild<IPAddress*>("gatewayLineEdit")->setIP(c.gateway);
            modify->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        auto warning = answerNextModal<QMessageBox>(
            [](QMessageBox* box) { box->button(QMessageBox::Ok)->click(); });
        click("setIPPushButton");
        ASSERT_TRUE(dialog->answered);
        EXPECT_TRUE(warning->answered);
        EXPECT_TRUE(warning->text.contains(c.says)) << warning->text.toStdString();
        EXPECT_TRUE(warning->text.contains("No device was changed")) << warning->text.toStdString();
        ASSERT_TRUE(waitIdle());
        EXPECT_TRUE(reached(from, isSetnet).isEmpty());
        for (const char* id : {"CAM-A", "CAM-B", "CAM-C"})
            EXPECT_NE(status(id), "Setting IP address") << id;
    }
}

namespace {

// A ping that answers for the hosts listed in answer.txt, fails with exit code 2 for the
// host in error.txt, stays silent for the rest, and logs every target it was asked about.
class FakePing {
public:
    FakePing() {
        const QString script = folder.filePath("ping");
        QFile file(script);
        file.open(QIODevice::WriteOnly);
        // Shell built-ins only: a scan runs it up to 253 times, and each program more it
        // started took its share of the probe's time limit on a busy machine.
        file.write(("#!/bin/sh\n"
                    "for target; do :; done\n"
                    "echo \"$*\" >> '" +
                    folder.filePath("log") +
                    "'\n"
                    "host=${target##*.}\n"
                    "listed() { while read -r line; do [ \"$line\" = \"$host\" ] && return 0; "
                    "done < \"$1\"; return 1; } 2>/dev/null\n"
                    "listed '" +
                    folder.filePath("error.txt") +
                    "' && exit 2\n"
                    "listed '" +
                    folder.filePath("answer.txt") +
                    "' && exit 0\n"
                    "exit 1\n")
                       .toUtf8());
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        savedPath = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(folder.path()) + ":" + savedPath);
    }
    ~FakePing() { qputenv("PATH", savedPath); }

    void answerFor(const QList<int>& hosts) { writeHosts("answer.txt", hosts); }
    void failAt(int host) { writeHosts("error.txt", {host}); }
    // The command lines, one per ping.
    QStringList calls() const {
        QFile file(folder.filePath("log"));
        file.open(QIODevice::ReadOnly);
        return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    }
    QList<int> hostsTried() const {
        QList<int> hosts;
        for (const QString& call : calls())
            hosts << call.section('.', -1).toInt();
        return hosts;
    }

private:
    void writeHosts(const char* name, const QList<int>& hosts) {
        QFile file(folder.filePath(name));
        file.open(QIODevice::WriteOnly);
        for (int host : hosts)
            file.write(QByteArray::number(host) + "\n");
    }

    QTemporaryDir folder;
    QByteArray savedPath;
};

}  // namespace

TEST_F(MainWindowCamerasTest, SyncIpGivesTheFirstFreeAddressesInOrder) {
    FakePing ping;
    ping.answerFor({2, 3, 4});
    tick({"CAM-A", "CAM-C"});
    widget<QComboBox>("networkSegmentComboBox")
        ->setCurrentText(QString::fromStdString(camsim::testbedLocalAddress(1)));
    const size_t from = sim->journal().size();
    click("syncIPPushButton");

    EXPECT_EQ(ping.hostsTried(), QList<int>({2, 3, 4, 5, 6}));
    EXPECT_EQ(ping.calls().value(0), "-n -c 1 -W 0.010 10.77.1.2");
    ASSERT_TRUE(QTest::qWaitFor([&] { return reached(from, isSetnet) == kTicked; }, kWaitMs));
    const auto entries = sim->journal();
    for (size_t i = from; i < entries.size(); ++i) {
        if (!isSetnet(entries[i]))
            continue;
        const QString id = QString::fromStdString(entries[i].text("camera"));
        EXPECT_EQ(sentAddress(entries[i]), QStringList({id == "CAM-A" ? "10.77.1.5" : "10.77.1.6",
                                                        "255.255.255.0", "10.77.1.1"}))
            << id.toStdString();
    }
    ASSERT_TRUE(waitIdle());
}

TEST_F(MainWindowCamerasTest, SyncIpTriesOnlyDotTwoToDot254) {
    FakePing ping;
    QList<int> everyHost;
    for (int host = 0; host <= 255; ++host)
        everyHost << host;
    ping.answerFor(everyHost);  // a full segment
    tick({"CAM-A"});
    const size_t from = sim->journal().size();
    click("syncIPPushButton");

    QList<int> expected;
    for (int host = 2; host <= 254; ++host)
        expected << host;
    EXPECT_EQ(ping.hostsTried(), expected);
    ASSERT_TRUE(waitIdle());
    EXPECT_TRUE(reached(from, isSetnet).isEmpty());
}

TEST_F(MainWindowCamerasTest, SyncIpStopsAndChangesNothingWhenPingFails) {
    const struct {
        const char* name;
        std::function<void(FakePing&)> arrange;
        QList<int> tried;
    } cases[] = {
        {"ping reports an error", [](FakePing& ping) { ping.failAt(3); }, {2, 3}},
        {"ping is missing", [](FakePing&) { qputenv("PATH", "/nonexistent"); }, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakePing ping;
        c.arrange(ping);
        tick({"CAM-A", "CAM-C"});
        const size_t from = sim->journal().size();
        auto warning = answerNextModal<QMessageBox>(
            [](QMessageBox* box) { box->button(QMessageBox::Ok)->click(); });
        click("syncIPPushButton");
        EXPECT_TRUE(warning->answered);
        EXPECT_TRUE(warning->text.contains("No device was changed")) << warning->text.toStdString();
        EXPECT_EQ(ping.hostsTried(), c.tried);
        ASSERT_TRUE(waitIdle());
        EXPECT_TRUE(reached(from, isSetnet).isEmpty());
    }
}
