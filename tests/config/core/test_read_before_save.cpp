// Every page of the tree that reads the camera before it saves, against a camsim camera that
// refuses that read: the page says why, its save is shut, and the camera is sent no write.
// A failed reload after a good load counts the same as a failed first load.
//
// One camsim plays a camera for every row, so that the rows share one simulator start: a
// camera of the first function refuses its read from the start, one of the reload rows only
// once the test hands it its fault after the page's good load.
#include <QAbstractButton>
#include <QLabel>
#include <QStackedWidget>
#include <QtTest>
#include <memory>
#include <vector>

#include "builtin_page_fixture.h"

namespace {

// What a slow machine still does in time: a login, a page's load.
constexpr int kLoadLimitMs = 60000;
// The JSON commands that write settings (recording, schedule, JT/T 808, RTMP).
const int kJsonWrites[] = {53, 56, 131, 151};

bool isProductCommand(const camsim::JournalEntry& entry, int command) {
    const QString target = QString::fromStdString(entry.text("target"));
    return target.compare(QString("/NetSDK/System/ProductTest?Cmd=%1").arg(command, 0, 16),
                          Qt::CaseInsensitive) == 0;
}

bool isBlock(const camsim::JournalEntry& entry, const char* method, int command) {
    const std::string bytes = pagetest::fromHex(entry.text("body_hex"));
    return entry.text("method") == method && entry.text("target") == "/NetSDK/Device/Property" &&
           bytes.size() >= pagetest::kBlockHead &&
           ((uint8_t(bytes[12]) << 8) | uint8_t(bytes[13])) == command;
}

// One camera of the shared simulator and the dialog logged into it.
struct RowCamera {
    const camsim::Simulator& sim;
    std::string id;
    std::unique_ptr<RemoteConfigDialog> dialog;

    std::vector<camsim::JournalEntry> received() const {
        return sim.journal(
            [this](const camsim::JournalEntry& entry) { return entry.text("camera") == id; });
    }
};

// How often the camera was asked for the read that the fault key ("command:N", "product:N")
// names.
size_t readsRequested(const RowCamera& camera, const QString& key) {
    const int command = key.section(':', 1).toInt();
    const bool product = key.startsWith("product:");
    size_t reads = 0;
    for (const camsim::JournalEntry& entry : camera.received()) {
        reads += (product ? isProductCommand(entry, command) : isBlock(entry, "GET", command));
    }
    return reads;
}

// Every write the camera received, as "method target" lines.
QStringList writes(const RowCamera& camera) {
    QStringList lines;
    for (const camsim::JournalEntry& entry : camera.received()) {
        bool write = entry.text("method") == "PUT";
        for (int command : kJsonWrites) {
            write = write || isProductCommand(entry, command);
        }
        if (write) {
            lines << QString::fromStdString(entry.text("method") + " " + entry.text("target"));
        }
    }
    return lines;
}

std::string refusing(const QString& key) {
    return R"({"http_status": {")" + key.toStdString() + R"(": 500}})";
}

// Opens the page of the tree title so that it loads from the camera; null when the tree
// has no such entry.
QWidget* open(RowCamera& camera, const QString& title) {
    return pagetest::openTreePage(*camera.dialog, title);
}

struct PageRow {
    const char* row;
    const char* title;
    const char* refusedRead;  // camsim's status knob key
    const char* save;         // object name of the page's save button
};

// Built-in pages: the dialog reads them each time they are opened.
const PageRow kBuiltInPages[] = {
    {"Ethernet", "以太网设置", "command:6", "btnSaveNetworkConfig"},
    {"GB28181", "28181设置", "command:22", "btnSaveGB28181Config"},
    {"OSD", "时间和标题", "command:5", "btnSaveVideoOSDConfig"},
    {"video encoder", "视频编码设置", "command:3", "btnSaveVideoEncoder"},
    {"audio capture", "音频采集设置", "command:1", "btnSaveAudioAiaoConfig"},
    {"audio decoder", "音频编码设置", "command:23", "btnSaveAudioEncoderConfig"},
    {"fill light", "补光灯设置", "command:20", "btnSaveLightDeviceConfig"},
    {"IR cut", "补光灯设置", "command:24", "btnSaveLightDeviceConfig"},
    {"arming tasks", "人形识别", "command:11", "btnSaveHumanoidRecognitionConfig"},
    {"system time", "系统时间", "command:12", "btnSaveSystemTimeConfig"},
    {"maintenance", "系统维护", "command:15", "btnSaveSystemMaintainConfig"},
};

// Widget pages: each reads the camera once, when the tree first opens it.
const PageRow kWidgetPages[] = {
    {"motion detection", "移动侦测", "command:13", "savePushButton"},
    {"cover detection", "遮挡侦测", "command:25", "savePushButton"},
    {"video capture", "视频采集设置", "command:21", "savePushButton"},
    {"JT/T 808", "JT808设置", "product:130", "savePushButton"},
    {"RTMP", "RTMP设置", "product:150", "savePushButton"},
    {"recording", "基本配置", "product:52", "savePushButton"},
    {"schedule", "定时录像", "product:55", "savePushButton"},
};

// Waits for the refused read (the reads before it are the good ones), presses the save, and
// checks that nothing was written and that the page shows why its save is shut.
void expectNothingSaved(RowCamera& camera, QWidget* shown, const QString& refusedRead,
                        size_t readsBefore, const QString& saveName) {
    QTRY_VERIFY_WITH_TIMEOUT(readsRequested(camera, refusedRead) > readsBefore, kLoadLimitMs);
    QCoreApplication::processEvents();  // a widget page ends its load
    auto* save = shown->findChild<QAbstractButton*>(saveName);
    QVERIFY(save != nullptr);
    pagetest::ModalCloser closer;
    save->click();
    QVERIFY2(writes(camera).isEmpty(), qPrintable(writes(camera).join(", ")));
    QVERIFY(!save->isEnabled());
    auto* notice = shown->findChild<QLabel*>("readFailureLabel");
    QVERIFY(notice != nullptr);
    QVERIFY(notice->isVisible());
    QVERIFY(!notice->text().isEmpty());
}

// The built-in pages first, so that a built-in row has the same index in both lists.
std::vector<PageRow> allPages() {
    std::vector<PageRow> pages(std::begin(kBuiltInPages), std::end(kBuiltInPages));
    pages.insert(pages.end(), std::begin(kWidgetPages), std::end(kWidgetPages));
    return pages;
}

void pageColumns() {
    QTest::addColumn<int>("index");
}

void addRows(const std::vector<PageRow>& rows) {
    for (size_t index = 0; index < rows.size(); ++index) {
        QTest::newRow(rows[index].row) << int(index);
    }
}

std::string readCameraId(int index) {
    return "READ" + std::to_string(index);
}

std::string reloadCameraId(int index) {
    return "RELOAD" + std::to_string(index);
}

}  // namespace

class ReadBeforeSaveTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QCOMPARE(NETSDK_Init(), 0);
        sim_.start(config(-1));
    }
    void cleanupTestCase() {
        sim_.stop();
        NETSDK_Cleanup();
    }

    void failedReadLeavesNothingToSave_data() {
        pageColumns();
        addRows(pages_);
    }
    void failedReadLeavesNothingToSave() {
        QFETCH(int, index);
        const PageRow& row = pages_[size_t(index)];
        RowCamera camera = logIn(readCameraId(index), readHost(index));
        QVERIFY(camera.dialog != nullptr);
        QWidget* shown = open(camera, row.title);
        QVERIFY(shown != nullptr);
        expectNothingSaved(camera, shown, row.refusedRead, 0, row.save);
    }

    // Only the built-in pages load again: opening a widget page a second time shows it as it
    // was.
    void failedReloadLeavesNothingToSave_data() {
        pageColumns();
        addRows(std::vector<PageRow>(std::begin(kBuiltInPages), std::end(kBuiltInPages)));
    }
    void failedReloadLeavesNothingToSave() {
        QFETCH(int, index);
        const PageRow& row = kBuiltInPages[index];
        RowCamera camera = logIn(reloadCameraId(index), reloadHost(index));
        QVERIFY(camera.dialog != nullptr);
        QWidget* shown = open(camera, row.title);
        QVERIFY(shown != nullptr);
        auto* saveButton = shown->findChild<QAbstractButton*>(row.save);
        QVERIFY(saveButton != nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(saveButton->isEnabled(), kLoadLimitMs);
        const size_t goodReads = readsRequested(camera, row.refusedRead);
        sim_.takeFaults(config(index));
        QCOMPARE(open(camera, row.title), shown);
        expectNothingSaved(camera, shown, row.refusedRead, goodReads, row.save);
    }

private:
    int readHost(int index) const { return 10 + index; }
    int reloadHost(int index) const { return 10 + int(pages_.size()) + index; }

    // Every camera of the run: the first function's refuse their reads from the start; of
    // the reload rows' only the one of refusingReload (or none for -1) refuses its read.
    std::string config(int refusingReload) const {
        std::string cameras;
        const auto add = [&](const std::string& id, int host, const std::string& faults) {
            cameras +=
                (cameras.empty() ? "" : ", ") +
                camsim::camera(id, sim_.address(host), R"("password": "pw", "faults": )" + faults);
        };
        for (size_t index = 0; index < pages_.size(); ++index) {
            add(readCameraId(int(index)), readHost(int(index)),
                refusing(pages_[index].refusedRead));
        }
        for (int index = 0; index < int(std::size(kBuiltInPages)); ++index) {
            add(reloadCameraId(index), reloadHost(index),
                index == refusingReload ? refusing(kBuiltInPages[index].refusedRead) : "{}");
        }
        return R"({"cameras": [)" + cameras + "]}";
    }

    // A dialog logged into the camera at host, shown on its first page; no dialog when the
    // login failed.
    RowCamera logIn(const std::string& id, int host) {
        RowCamera camera{sim_, id,
                         std::make_unique<RemoteConfigDialog>(
                             QString::fromStdString(sim_.address(host)), nullptr)};
        if (!camera.dialog->login("admin", "pw", 80, 1680)) {
            camera.dialog.reset();
            return camera;
        }
        camera.dialog->show();
        QCoreApplication::processEvents();  // the dialog's queued start shows its first page
        return camera;
    }

    const std::vector<PageRow> pages_ = allPages();
    camsim::Simulator sim_{camsim::Where::Loopback};
};

QTEST_MAIN(ReadBeforeSaveTest)
#include "test_read_before_save.moc"
