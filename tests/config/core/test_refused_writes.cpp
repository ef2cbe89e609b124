// Every write that the dialog's tree can make, against a camera that refuses only that write:
// the save shows "保存失败" over the page and no success wait, and a refused reboot or factory
// reset leaves the dialog open. The saves and the account writes are taken from the tree
// itself, so a page whose write button has no row here fails the test.
//
// One camsim plays a camera for every row, each refusing its own write, so that the rows
// share one simulator start.
#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QSet>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QtTest>
#include <functional>
#include <memory>

#include "builtin_page_fixture.h"
#include "ipaddress.h"

namespace {

// What a slow machine still does in time: a login, a page's load, a save.
constexpr int kLoadLimitMs = 60000;
// The buttons of the tree's pages that send a command rather than a save.
const char* const kCommandButtons[] = {"rebootPushButton", "recoveryPushButton"};
// The texts of the buttons that write one account of the camera's account record.
const char* const kAccountButtons[] = {"添加用户", "修改用户", "删除用户"};
// Every camera holds an account besides the built-in administrator, for the rows that
// modify and delete one.
constexpr const char* kSecondAccount = "guest";

// Makes the page's form sendable; waits itself for the part of the page it needs.
using Prepare = std::function<void(QWidget& page)>;
using Answers = QList<pagetest::ModalCloser::Answer>;

// camsim's loopback address is no static address to send.
void enterStaticAddress(QWidget& page) {
    page.findChild<IPAddress*>("edtIPAddress")->setIP("10.0.0.77");
    page.findChild<IPAddress*>("edtGateway")->setIP("10.0.0.1");
}

// Selects the second account once the page has listed it.
void selectSecondAccount(QWidget& page) {
    auto* table = page.findChild<QTableWidget*>("tableWidget");
    QTRY_VERIFY_WITH_TIMEOUT(!table->findItems(kSecondAccount, Qt::MatchExactly).isEmpty(),
                             kLoadLimitMs);
    table->selectRow(table->findItems(kSecondAccount, Qt::MatchExactly).front()->row());
}

// Fills the account form with a new password (and a name where it takes one) and sends it.
void fillAccountForm(QWidget* form) {
    auto* name = form->findChild<QLineEdit*>("usernameLineEdit");
    if (!name->isReadOnly()) {
        name->setText("tester");
    }
    form->findChild<QLineEdit*>("passwordLineEdit")->setText("pw2");
    form->findChild<QLineEdit*>("confirmPasswordLineEdit")->setText("pw2");
    form->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->click();
}

void confirm(QWidget* question) {
    auto* box = qobject_cast<QMessageBox*>(question);
    QVERIFY2(box != nullptr, "no question came up");
    box->button(QMessageBox::Yes)->click();
}

struct WriteRow {
    const char* row;
    const char* title;     // the tree entry
    const char* button;    // object name of the button that writes
    const char* kind;      // "block", "product" or "path": what the refused write is
    const char* key;       // its block command, product command or path
    Prepare prepare;       // makes the form sendable, or null
    Answers answers = {};  // the dialogs that the click asks before it writes, in order
};

// One write of each save, the one that camsim refuses; a save of several records refuses one.
const WriteRow kRows[] = {
    {"Ethernet", "以太网设置", "btnSaveNetworkConfig", "block", "7", enterStaticAddress},
    {"GB28181", "28181设置", "btnSaveGB28181Config", "block", "22", nullptr},
    {"OSD", "时间和标题", "btnSaveVideoOSDConfig", "block", "5", nullptr},
    {"video encoder", "视频编码设置", "btnSaveVideoEncoder", "block", "3", nullptr},
    {"audio capture", "音频采集设置", "btnSaveAudioAiaoConfig", "block", "1", nullptr},
    {"audio codecs", "音频编码设置", "btnSaveAudioEncoderConfig", "block", "23", nullptr},
    {"fill light", "补光灯设置", "btnSaveLightDeviceConfig", "block", "20", nullptr},
    {"privacy mask", "隐私遮挡设置", "btnSaveVideoMaskConfig", "block", "4", nullptr},
    {"humanoid", "人形识别", "btnSaveHumanoidRecognitionConfig", "block", "9", nullptr},
    {"system time", "系统时间", "btnSaveSystemTimeConfig", "block", "12", nullptr},
    {"maintenance", "系统维护", "btnSaveSystemMaintainConfig", "block", "15", nullptr},
    {"reboot", "系统维护", "rebootPushButton", "path", "/NetSDK/System/Reboot", nullptr},
    {"factory reset", "系统维护", "recoveryPushButton", "path", "/NetSDK/System/DefaultFactory",
     nullptr},
    {"add account", "用户管理", "addPushButton", "block", "14", nullptr, {fillAccountForm}},
    {"modify account",
     "用户管理",
     "modifyPushButton",
     "block",
     "14",
     selectSecondAccount,
     {fillAccountForm}},
    {"delete account",
     "用户管理",
     "deletePushButton",
     "block",
     "14",
     selectSecondAccount,
     {confirm}},
    {"motion detection", "移动侦测", "savePushButton", "block", "13", nullptr},
    {"cover detection", "遮挡侦测", "savePushButton", "block", "25", nullptr},
    {"video capture", "视频采集设置", "savePushButton", "block", "21", nullptr},
    {"JT/T 808", "JT808设置", "savePushButton", "product", "131", nullptr},
    {"RTMP", "RTMP设置", "savePushButton", "product", "151", nullptr},
    {"recording", "基本配置", "savePushButton", "product", "53", nullptr},
    {"schedule", "定时录像", "savePushButton", "product", "56", nullptr},
};
constexpr int kRowCount = int(sizeof(kRows) / sizeof(kRows[0]));

std::string cameraId(int row) {
    return "CAM" + std::to_string(row);
}

// The fault members that refuse the row's write alone.
std::string refusing(const WriteRow& row) {
    const std::string kind = row.kind;
    if (kind == "block") {
        return R"("http_write_status": {"command:)" + std::string(row.key) + R"(": 500})";
    }
    return R"("http_status": {")" + std::string(kind == "product" ? "product:" : "") + row.key +
           R"(": 500})";
}

// Whether the journal entry is the row's write, sent to the camera of the row.
bool isRowWrite(const camsim::JournalEntry& entry, const WriteRow& row, const std::string& id) {
    const std::string kind = row.kind;
    const QString target = QString::fromStdString(entry.text("target"));
    if (entry.text("camera") != id) {
        return false;
    }
    if (kind == "path") {
        return entry.text("method") == "PUT" && target == row.key;
    }
    if (kind == "product") {
        return target.compare(QString("/NetSDK/System/ProductTest?Cmd=%1")
                                  .arg(QString(row.key).toInt(), 0, 16),
                              Qt::CaseInsensitive) == 0;
    }
    const std::string bytes = pagetest::fromHex(entry.text("body_hex"));
    return entry.text("method") == "PUT" && target == "/NetSDK/Device/Property" &&
           bytes.size() >= pagetest::kBlockHead &&
           ((uint8_t(bytes[12]) << 8) | uint8_t(bytes[13])) == QString(row.key).toInt();
}

// Notes whether a progress dialog (a success wait) exists at any time while it lives: every
// event that reaches one passes the application's filter.
class ProgressWatch : public QObject {
public:
    ProgressWatch() { qApp->installEventFilter(this); }
    ~ProgressWatch() override { qApp->removeEventFilter(this); }
    bool seen = false;

protected:
    bool eventFilter(QObject* watched, QEvent*) override {
        seen = seen || qobject_cast<QProgressDialog*>(watched) != nullptr;
        return false;
    }
};

// The tree's entries, depth first.
QStringList treeTitles(RemoteConfigDialog& dialog) {
    QStringList titles;
    auto* tree = dialog.findChild<QTreeWidget*>("treeWidget");
    for (QTreeWidgetItemIterator item(tree); *item; ++item) {
        titles << (*item)->text(0);
    }
    return titles;
}

bool writesToCamera(const QAbstractButton* button) {
    for (const char* name : kCommandButtons) {
        if (button->objectName() == name) {
            return true;
        }
    }
    for (const char* text : kAccountButtons) {
        if (button->text() == text) {
            return true;
        }
    }
    return button->text() == "保存";
}

}  // namespace

class RefusedWritesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QCOMPARE(NETSDK_Init(), 0);
        std::string cameras;
        for (int index = 0; index <= kRowCount; ++index) {
            // The last camera refuses nothing: the tree is read from it.
            const std::string faults = index < kRowCount ? refusing(kRows[index]) : "";
            cameras +=
                (index > 0 ? ", " : "") +
                camsim::camera(
                    cameraId(index), sim_.address(10 + index),
                    R"("password": "pw", "accounts": [{"name": ")" + std::string(kSecondAccount) +
                        R"(", "password": "g", "level": 2}], "faults": {)" + faults + "}");
        }
        sim_.start(R"({"cameras": [)" + cameras + "]}");
    }
    void cleanupTestCase() {
        sim_.stop();
        NETSDK_Cleanup();
    }

    // Every save and command of every page of the tree has its row.
    void everyWriteOfTheTreeHasARow() {
        std::unique_ptr<RemoteConfigDialog> dialog = logIn(kRowCount);
        QVERIFY(dialog != nullptr);
        QSet<QString> rows;
        for (const WriteRow& row : kRows) {
            rows << QString("%1/%2").arg(row.title, row.button);
        }
        QStringList missing;
        QSet<const QAbstractButton*> seen;
        for (const QString& title : treeTitles(*dialog)) {
            QWidget* page = pagetest::openTreePage(*dialog, title);
            QVERIFY2(page != nullptr, qPrintable(title));
            for (const QAbstractButton* button : page->findChildren<QAbstractButton*>()) {
                const QString key = QString("%1/%2").arg(title, button->objectName());
                if (writesToCamera(button) && !seen.contains(button) && !rows.contains(key)) {
                    missing << key;
                }
                seen << button;
            }
        }
        QVERIFY2(missing.isEmpty(), qPrintable("no row for " + missing.join(", ")));
    }

    void refusedWriteShowsSaveFailedAndNoWait_data() {
        QTest::addColumn<int>("index");
        for (int index = 0; index < kRowCount; ++index) {
            QTest::newRow(kRows[index].row) << index;
        }
    }
    void refusedWriteShowsSaveFailedAndNoWait() {
        QFETCH(int, index);
        const WriteRow& row = kRows[index];
        std::unique_ptr<RemoteConfigDialog> dialog = logIn(index);
        QVERIFY(dialog != nullptr);
        QWidget* page = pagetest::openTreePage(*dialog, row.title);
        QVERIFY(page != nullptr);
        auto* button = page->findChild<QAbstractButton*>(row.button);
        QVERIFY(button != nullptr);
        if (row.prepare) {
            row.prepare(*page);
            if (QTest::currentTestFailed()) {
                return;
            }
        }
        // The save opens once the page has read the camera.
        QTRY_VERIFY_WITH_TIMEOUT(button->isEnabled(), kLoadLimitMs);
        pagetest::ModalCloser closer(row.answers);
        ProgressWatch progress;
        // The save runs to its end inside the click, message box included.
        button->click();
        const std::string id = cameraId(index);
        QVERIFY2(!sim_.journal([&](const camsim::JournalEntry& entry) {
                          return isRowWrite(entry, row, id);
                      })
                      .empty(),
                 "the write never reached the camera");
        QCOMPARE(closer.titles, QStringList{"保存失败"});
        QVERIFY(!progress.seen);
        QVERIFY(dialog->isVisible());
    }

private:
    // A dialog logged into the camera of this index, shown on its first page; null when the
    // login failed.
    std::unique_ptr<RemoteConfigDialog> logIn(int index) {
        auto dialog = std::make_unique<RemoteConfigDialog>(
            QString::fromStdString(sim_.address(10 + index)), nullptr);
        if (!dialog->login("admin", "pw", 80, 1680)) {
            return nullptr;
        }
        dialog->show();
        QCoreApplication::processEvents();  // the dialog's queued start shows its first page
        return dialog;
    }

    camsim::Simulator sim_{camsim::Where::Loopback};
};

QTEST_MAIN(RefusedWritesTest)
#include "test_refused_writes.moc"
