// Every page of the tree that reads the camera before it saves, against a camsim camera that
// refuses that read: the page says why, its save is shut, and the camera is sent no write.
// A failed reload after a good load counts the same as a failed first load.
#include <QAbstractButton>
#include <QLabel>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QtTest>

#include "builtin_page_fixture.h"

using pagetest::LoggedInDialog;

namespace {

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

// Whether the camera was asked for the read that the fault key ("command:N", "product:N") names.
bool readRequested(const LoggedInDialog& page, const QString& key) {
    const int command = key.section(':', 1).toInt();
    const bool product = key.startsWith("product:");
    return !page.sim
                .journal([&](const camsim::JournalEntry& entry) {
                    return product ? isProductCommand(entry, command)
                                   : isBlock(entry, "GET", command);
                })
                .empty();
}

// Every write the camera received, as "method target" lines.
QStringList writes(const LoggedInDialog& page) {
    QStringList lines;
    for (const camsim::JournalEntry& entry : page.sim.journal()) {
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
    return R"("faults": {"http_status": {")" + key.toStdString() + R"(": 500}})";
}

// Opens the page of the tree title so that it loads from the camera; null when the tree
// has no such entry.
QWidget* open(LoggedInDialog& page, const QString& title) {
    return pagetest::openTreePage(*page.dialog, title);
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

void pageColumns() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("refusedRead");
    QTest::addColumn<QString>("save");
}

template <size_t N>
void addRows(const PageRow (&rows)[N]) {
    for (const PageRow& row : rows) {
        QTest::newRow(row.row) << QString(row.title) << QString(row.refusedRead)
                               << QString(row.save);
    }
}

// Waits for the refused read, presses the save, and checks that nothing was written and
// that the page shows why its save is shut.
void expectNothingSaved(LoggedInDialog& page, QWidget* shown, const QString& refusedRead,
                        const QString& saveName) {
    QTRY_VERIFY_WITH_TIMEOUT(readRequested(page, refusedRead), 5000);
    QCoreApplication::processEvents();  // a widget page ends its load
    auto* save = shown->findChild<QAbstractButton*>(saveName);
    QVERIFY(save != nullptr);
    pagetest::ModalCloser closer;
    save->click();
    QVERIFY2(writes(page).isEmpty(), qPrintable(writes(page).join(", ")));
    QVERIFY(!save->isEnabled());
    auto* notice = shown->findChild<QLabel*>("readFailureLabel");
    QVERIFY(notice != nullptr);
    QVERIFY(notice->isVisible());
    QVERIFY(!notice->text().isEmpty());
}

}  // namespace

class ReadBeforeSaveTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCOMPARE(NETSDK_Init(), 0); }
    void cleanupTestCase() { NETSDK_Cleanup(); }

    void failedReadLeavesNothingToSave_data() {
        pageColumns();
        addRows(kBuiltInPages);
        addRows(kWidgetPages);
    }
    void failedReadLeavesNothingToSave() {
        QFETCH(QString, title);
        QFETCH(QString, refusedRead);
        QFETCH(QString, save);
        LoggedInDialog page(refusing(refusedRead));
        QVERIFY(page.loggedIn);
        page.dialog->show();
        QCoreApplication::processEvents();  // the dialog's queued start shows its first page
        QWidget* shown = open(page, title);
        QVERIFY(shown != nullptr);
        expectNothingSaved(page, shown, refusedRead, save);
    }

    // Only the built-in pages load again: opening a widget page a second time shows it as it
    // was.
    void failedReloadLeavesNothingToSave_data() {
        pageColumns();
        addRows(kBuiltInPages);
    }
    void failedReloadLeavesNothingToSave() {
        QFETCH(QString, title);
        QFETCH(QString, refusedRead);
        QFETCH(QString, save);
        LoggedInDialog page;
        QVERIFY(page.loggedIn);
        page.dialog->show();
        QCoreApplication::processEvents();  // the dialog's queued start shows its first page
        QWidget* shown = open(page, title);
        QVERIFY(shown != nullptr);
        auto* saveButton = shown->findChild<QAbstractButton*>(save);
        QVERIFY(saveButton != nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(saveButton->isEnabled(), 5000);
        page.restartCamera(refusing(refusedRead));
        QCOMPARE(open(page, title), shown);
        expectNothingSaved(page, shown, refusedRead, save);
    }
};

QTEST_MAIN(ReadBeforeSaveTest)
#include "test_read_before_save.moc"
