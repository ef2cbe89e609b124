// The main window on the real widgets, with rows put into its model by hand: the enabling
// rules, ticking, the context menu, what closing saves, and the starts of the other
// programs, which are recording fakes in the window's application folder.
#include <gtest/gtest.h>
#include <limits.h>
#include <signal.h>
#include <unistd.h>

#include <functional>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "appsettings.h"
#include "camsim_fixture.h"
#include "deviceitem.h"
#include "devicetablemodel.h"
#include "mainwindow.h"
#include "modalhelper.h"
#include "qrcodedialog.h"
#include "qtprinters.h"

namespace {

constexpr int kWaitMs = 10000;

// A program that records its arguments, one a line, into <name>.args beside it, its
// process id into <name>.pid and where its output and error output go into <name>.out;
// then ends with the code in <name>.exit, or runs on while it is there itself.
void installFake(const QString& folder, const QString& name) {
    const QString base = folder + "/" + name;
    QFile script(base);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(("#!/bin/sh\n"
                  "echo $$ > '" +
                  base +
                  ".pid'\n"
                  "out=$(readlink /proc/$$/fd/1 /proc/$$/fd/2) && echo \"$out\" > '" +
                  base +
                  ".out'\n"
                  "printf '%s\\n' \"$@\" > '" +
                  base + ".tmp' && mv '" + base + ".tmp' '" + base +
                  ".args'\n"
                  "[ -f '" +
                  base + ".exit' ] && exit $(cat '" + base +
                  ".exit')\n"
                  // Running on ends with the test's folder, so that no fake outlives
                  // the suite holding its output open.
                  "while [ -f '" +
                  base + "' ]; do sleep 0.1; done\n")
                     .toUtf8());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// Every window searches at start. In the test bed the cameras' networks are shared, so a
// window holds them (no simulator of another test runs meanwhile) while it lives.
std::unique_ptr<camsim::Simulator> holdCameraNetworks() {
    if (!camsim::testbedPresent())
        return nullptr;
    return std::make_unique<camsim::Simulator>(camsim::Where::CameraNetwork);
}

DEVICE_INFO device(const QString& id, const QString& ip) {
    DEVICE_INFO info;
    info.deviceId = id;
    info.ip = QHostAddress(ip);
    info.cloudId = "CLOUD-" + id;
    info.mac = "00:1a:2b:3c:4d:" + id.right(2);
    info.user = "admin";
    info.password = "secret";
    info.port = 80;
    info.streamPort = 1680;
    return info;
}

class UrlRecorder : public QObject {
    Q_OBJECT
public slots:
    void open(const QUrl& url) { urls.append(url); }

public:
    QList<QUrl> urls;
};

class MainWindowTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        quietNetworks = holdCameraNetworks().release();
        folder = new QTemporaryDir;
        settings = new AppSettings(folder->path());
        QSettings().clear();
        settings->setSearchTimeout(1);
        for (const char* name : {"Velmora", "Quorlin", "Sabbeth"})
            installFake(folder->path(), name);
        window = new MainWindow(*settings);
        window->show();
        settle();
    }
    static void TearDownTestSuite() {
        delete window;
        delete settings;
        delete folder;
        delete quietNetworks;
    }

    // Waits until the start-up search and login test are over: the panels are disabled
    // while the test runs and enabled again after.
    static void settle() {
        QWidget* panel = window->findChild<QWidget*>("operationFormRegion");
        ASSERT_TRUE(QTest::qWaitFor([&] { return !panel->children().isEmpty(); }, kWaitMs));
        auto* refresh = window->findChild<QPushButton*>("searchPushButton");
        ASSERT_TRUE(QTest::qWaitFor([&] { return !refresh->isEnabled(); }, kWaitMs));
        ASSERT_TRUE(QTest::qWaitFor([&] { return refresh->isEnabled(); }, kWaitMs));
    }

    void SetUp() override {
        model()->clear();
        for (const char* name : {"Velmora", "Quorlin", "Sabbeth"}) {
            for (const char* suffix : {".args", ".pid", ".exit", ".out"})
                QFile::remove(folder->filePath(QString(name) + suffix));
        }
        mainStream()->setChecked(false);
    }

    static DeviceTableModel* model() { return window->findChild<DeviceTableModel*>(); }
    static QTableView* table() { return window->findChild<QTableView*>("tableView"); }
    static QCheckBox* mainStream() { return window->findChild<QCheckBox*>("mainStreamCheckBox"); }
    template <typename T = QPushButton>
    static T* widget(const char* name) {
        return window->findChild<T*>(name);
    }

    // Adds a row; accessible is the row's login state.
    DeviceItem* addRow(DEVICE_INFO info, int accessible = 1) {
        model()->deviceFound(info);
        auto* item = static_cast<DeviceItem*>(model()->item(model()->rowCount() - 1, 0));
        item->setAccessible(accessible);
        return item;
    }
    QModelIndex viewIndex(int sourceRow) {
        return window->findChild<QSortFilterProxyModel*>()->mapFromSource(
            model()->index(sourceRow, 0));
    }
    void selectRow(int sourceRow) {
        table()->setCurrentIndex(viewIndex(sourceRow));
        table()->selectRow(viewIndex(sourceRow).row());
    }
    void doubleClick(int sourceRow) {
        const QPoint centre = table()->visualRect(viewIndex(sourceRow)).center();
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(table()->viewport(), Qt::LeftButton, {}, centre);
    }
    QAction* action(const char* name) { return window->findChild<QAction*>(name); }

    // What the fake program name was started with; empty when it was not started.
    QStringList started(const char* name, int timeoutMs = kWaitMs) {
        const QString path = folder->filePath(QString(name) + ".args");
        // Not starting at all is an outcome too: the caller compares with an empty list.
        (void)QTest::qWaitFor([&] { return QFile::exists(path); }, timeoutMs);
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
        lines.removeLast();  // after the last newline
        return lines;
    }
    void exitWith(const char* name, int code) {
        QFile file(folder->filePath(QString(name) + ".exit"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::number(code));
    }

    static camsim::Simulator* quietNetworks;
    static QTemporaryDir* folder;
    static AppSettings* settings;
    static MainWindow* window;
};

camsim::Simulator* MainWindowTest::quietNetworks = nullptr;
QTemporaryDir* MainWindowTest::folder = nullptr;
AppSettings* MainWindowTest::settings = nullptr;
MainWindow* MainWindowTest::window = nullptr;

}  // namespace

TEST_F(MainWindowTest, TitleAndStartState) {
    EXPECT_EQ(window->windowTitle(), "VARLO - V2.0.2.2");
    EXPECT_FALSE(widget("setIPPushButton")->isEnabled());
    EXPECT_TRUE(widget("searchPushButton")->isEnabled());
}

TEST_F(MainWindowTest, TickedRowsEnableTheOperations) {
    DeviceItem* first = addRow(device("D01", "10.1.1.1"));
    DeviceItem* second = addRow(device("D02", "10.1.1.2"));
    // The totals follow the ticks (and each search).
    second->setCheckState(Qt::Checked);
    second->setCheckState(Qt::Unchecked);
    QApplication::processEvents();
    EXPECT_EQ(widget<QSpinBox>("totalDeviceSpinBox")->value(), 2);
    EXPECT_EQ(widget<QSpinBox>("checkedDeviceSpinBox")->value(), 0);
    EXPECT_FALSE(widget("rebootPushButton")->isEnabled());

    second->setCheckState(Qt::PartiallyChecked);  // counts as selected
    QApplication::processEvents();
    EXPECT_EQ(widget<QSpinBox>("checkedDeviceSpinBox")->value(), 1);
    const char* operations[] = {"setIPPushButton",        "syncIPPushButton",
                                "netcomOpenPushButton",   "netcomClosePushButton",
                                "syncTimepushButton",     "rebootPushButton",
                                "recoveryPushButton",     "playCheckedDevicePushButton",
                                "setOSDPushButton",       "imageTestPushButton",
                                "labelPrintingPushButton"};
    for (const char* name : operations)
        EXPECT_TRUE(widget(name)->isEnabled()) << name;
    EXPECT_TRUE(widget<QCheckBox>("enableOSDCheckBox")->isEnabled());
    EXPECT_FALSE(widget("upgradePushButton")->isEnabled());  // no file named yet
    EXPECT_FALSE(widget("uploadPushButton")->isEnabled());

    widget<QLineEdit>("upgradeFileLineEdit")->setText("/no/such/file.rom");
    widget<QLineEdit>("uploadFileLineEdit")->setText("/no/such/file.mp3");
    QApplication::processEvents();
    EXPECT_TRUE(widget("upgradePushButton")->isEnabled());
    EXPECT_TRUE(widget("uploadPushButton")->isEnabled());

    widget("checkInversePushButton")->click();  // partly ticked becomes unticked
    EXPECT_EQ(first->checkState(), Qt::Checked);
    EXPECT_EQ(second->checkState(), Qt::Unchecked);
    widget("checkAllPushButton")->click();
    EXPECT_EQ(second->checkState(), Qt::Checked);
    QApplication::processEvents();
    EXPECT_EQ(widget<QSpinBox>("checkedDeviceSpinBox")->value(), 2);

    widget<QLineEdit>("upgradeFileLineEdit")->clear();
    widget<QLineEdit>("uploadFileLineEdit")->clear();
}

TEST_F(MainWindowTest, CountersShowThousandsOfRows) {
    constexpr int kRows = 1200;  // a search of a large site lists more than 999
    // The counters follow the model, shown or not. Shown, the table repaints after every
    // row, which took most of a minute under AddressSanitizer.
    window->hide();
    for (int i = 0; i < kRows; ++i)
        model()->deviceFound(device(QStringLiteral("D%1").arg(i, 4, 10, QLatin1Char('0')),
                                    QStringLiteral("10.2.%1.%2").arg(i / 250).arg(i % 250 + 1)));
    window->show();
    widget("checkAllPushButton")->click();
    QApplication::processEvents();
    EXPECT_EQ(widget<QSpinBox>("totalDeviceSpinBox")->value(), kRows);
    EXPECT_EQ(widget<QSpinBox>("checkedDeviceSpinBox")->value(), kRows);
}

TEST_F(MainWindowTest, PanelsStayDisabledWhenAPoolOperationStartsDuringAnother) {
    // Nothing answers at this address, so each login test fails at once; its report still
    // has to come through the event loop.
    addRow(device("D01", "10.1.1.1"), -1);
    QWidget* operations = window->findChild<QWidget*>("OperationForm");
    QWidget* firmware = window->findChild<QWidget*>("FirmwareUpgradeForm");
    ASSERT_TRUE(operations && firmware);
    QMetaObject::invokeMethod(window, "testDevicesAccessible", Qt::DirectConnection);
    // A search ending while the first runs starts the next login test: its guard replaces
    // the first one.
    QMetaObject::invokeMethod(window, "testDevicesAccessible", Qt::DirectConnection);
    EXPECT_FALSE(operations->isEnabled());
    EXPECT_FALSE(firmware->isEnabled());
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return operations->isEnabled() && firmware->isEnabled(); }, kWaitMs));
}

TEST_F(MainWindowTest, UploadSurvivesTheBusyStateEndingWhileItsQuestionIsOpen) {
    // A converter that writes a second of silence to the output it is given.
    QDir(folder->path()).mkpath("ffmpeg");
    QFile converter(folder->filePath("ffmpeg/ffmpeg"));
    ASSERT_TRUE(converter.open(QIODevice::WriteOnly));
    converter.write("#!/bin/sh\nfor output; do :; done\nhead -c 16000 /dev/zero > \"$output\"\n");
    converter.close();
    converter.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString mp3 = folder->filePath("large.mp3");
    QFile input(mp3);
    ASSERT_TRUE(input.open(QIODevice::WriteOnly));
    input.write(QByteArray(61441, '\x55'));  // large enough to be asked about
    input.close();

    model()->searchDevices({}, {"10.1.1.1"});  // the row's network is local
    addRow(device("D01", "10.1.1.1"))->setCheckState(Qt::Checked);
    QStringList statuses;
    const auto tracking =
        QObject::connect(model(), &QStandardItemModel::itemChanged, [&](QStandardItem* item) {
            if (item->column() == DeviceTableModel::StatusColumn)
                statuses << item->text();
        });
    widget<QLineEdit>("uploadFileLineEdit")->setText(mp3);
    QApplication::processEvents();
    // While the question is open, the late notice of an earlier operation finds the
    // window idle.
    auto question = answerNextModal<QMessageBox>([](QMessageBox* box) {
        QMetaObject::invokeMethod(window, "modelThreadFinished", Qt::DirectConnection);
        box->button(QMessageBox::Yes)->click();
    });
    widget("uploadPushButton")->click();
    ASSERT_TRUE(question->answered);
    EXPECT_TRUE(QTest::qWaitFor([&] { return statuses.contains("Upload failed"); }, kWaitMs));
    EXPECT_EQ(statuses.value(0), "Uploading audio file");
    QObject::disconnect(tracking);
    widget<QLineEdit>("uploadFileLineEdit")->clear();
}

TEST_F(MainWindowTest, OsdButtonSaysSetOrClear) {
    addRow(device("D01", "10.1.1.1"))->setCheckState(Qt::Checked);
    QApplication::processEvents();
    auto* enable = widget<QCheckBox>("enableOSDCheckBox");
    enable->setChecked(true);
    EXPECT_EQ(widget("setOSDPushButton")->text(), "Set");
    enable->setChecked(false);
    EXPECT_EQ(widget("setOSDPushButton")->text(), "Clear");
}

TEST_F(MainWindowTest, ContextMenuFollowsAccessAndCloudId) {
    const struct {
        int accessible;
        const char* cloudId;
        bool access;
        bool qr;
    } cases[] = {{1, "CLOUD", true, true},
                 {0, "CLOUD", false, true},
                 {-1, "", false, false},
                 {1, "", true, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.accessible);
        SCOPED_TRACE(c.cloudId);
        model()->clear();
        DEVICE_INFO info = device("D01", "10.1.1.1");
        info.cloudId = c.cloudId;
        addRow(info, c.accessible);
        QApplication::processEvents();

        // The menu opens on the right press; read it as shown, then close it.
        QMap<QString, bool> shown;
        QTimer reader;
        QObject::connect(&reader, &QTimer::timeout, [&] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                for (QAction* entry : menu->actions())
                    shown.insert(entry->text(), entry->isEnabled());
                menu->close();
            }
        });
        reader.start(5);
        const QPoint centre = table()->visualRect(viewIndex(0)).center();
        const QPoint inWindow = table()->viewport()->mapTo(window, centre);
        QTest::mousePress(window->windowHandle(), Qt::RightButton, {}, inWindow);
        QTest::mouseRelease(window->windowHandle(), Qt::RightButton, {}, inWindow);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !shown.isEmpty(); }, kWaitMs));

        ASSERT_EQ(shown.keys(),
                  QStringList({"Open Browser", "Remote Configuration", "View", "View QR Codes"}));
        EXPECT_EQ(shown["View"], c.access);
        EXPECT_EQ(shown["Remote Configuration"], c.access);
        EXPECT_EQ(shown["Open Browser"], c.access);
        EXPECT_EQ(shown["View QR Codes"], c.qr);
    }
}

TEST_F(MainWindowTest, DoubleClickStartsThePlayerOnAccessibleRows) {
    DEVICE_INFO info = device("D01", "10.1.1.5");
    info.password = "";  // kept as an empty argument
    info.port = 8080;
    addRow(info, 1);
    addRow(device("D02", "10.1.1.6"), 0);
    addRow(device("D03", "10.1.1.7"), -1);

    doubleClick(1);
    doubleClick(2);
    EXPECT_TRUE(started("Quorlin", 300).isEmpty());  // nothing for rows not accessible

    doubleClick(0);
    EXPECT_EQ(started("Quorlin"),
              QStringList({"-i", "10.1.1.5", "-u", "admin", "-p", "", "-s", "1", "-t", "8080"}));

    QFile::remove(folder->filePath("Quorlin.args"));
    mainStream()->setChecked(true);
    selectRow(0);
    action("viewAction")->trigger();
    EXPECT_EQ(started("Quorlin"),
              QStringList({"-i", "10.1.1.5", "-u", "admin", "-p", "", "-s", "0", "-t", "8080"}));
}

TEST_F(MainWindowTest, ImageTestAndPlayUseTheFirstTickedRowInModelOrder) {
    for (const char* button : {"imageTestPushButton", "playCheckedDevicePushButton"}) {
        SCOPED_TRACE(button);
        model()->clear();
        addRow(device("D01", "10.1.1.30"), 0);
        addRow(device("D02", "10.1.1.200"), 0)->setCheckState(Qt::Checked);
        addRow(device("D03", "10.1.1.4"), 0)->setCheckState(Qt::Checked);
        table()->sortByColumn(0, Qt::AscendingOrder);  // the view shows .4 first
        QApplication::processEvents();
        ASSERT_TRUE(widget(button)->isEnabled());
        QFile::remove(folder->filePath("Quorlin.args"));
        widget(button)->click();
        EXPECT_EQ(started("Quorlin"), QStringList({"-i", "10.1.1.200", "-u", "admin", "-p",
                                                   "secret", "-s", "0", "-t", "80", "-f"}));
    }
}

TEST_F(MainWindowTest, RemoteConfigurationReportsLoginFailure) {
    DEVICE_INFO info = device("D01", "10.1.1.9");
    info.port = 8081;
    info.streamPort = 1690;
    addRow(info);
    selectRow(0);
    const QString statusBefore = model()->item(0, DeviceTableModel::StatusColumn)->text();

    exitWith("Velmora", 0);
    action("remoteConfigAction")->trigger();
    EXPECT_EQ(started("Velmora"), QStringList({"-i", "10.1.1.9", "-u", "admin", "-p", "secret",
                                               "-s", "8081", "-e", "1690"}));
    EXPECT_EQ(model()->item(0, DeviceTableModel::StatusColumn)->text(), statusBefore);

    exitWith("Velmora", 13);
    action("remoteConfigAction")->trigger();
    EXPECT_EQ(model()->item(0, DeviceTableModel::StatusColumn)->text(),
              "Logon failed, please change the IP address to the same network segment on the "
              "host");
}

TEST_F(MainWindowTest, ProgramsWriteWhereTarnwickWritesAndAreFreedWhenDone) {
    // Where this process's own output and error output go.
    const auto target = [](const char* link) {
        char buffer[PATH_MAX];
        const ssize_t length = readlink(link, buffer, sizeof buffer);
        return length < 0 ? QString() : QString::fromLocal8Bit(buffer, int(length));
    };
    const QStringList ownOutput = {target("/proc/self/fd/1"), target("/proc/self/fd/2")};
    addRow(device("D01", "10.1.1.15"))->setCheckState(Qt::Checked);
    selectRow(0);
    QApplication::processEvents();
    // Every process object left belongs to a program that still runs.
    const auto finishedFreed = [] {
        for (const QProcess* process : window->findChildren<QProcess*>()) {
            if (process->state() == QProcess::NotRunning)
                return false;
        }
        return true;
    };
    const struct {
        const char* program;
        std::function<void()> start;
    } cases[] = {
        {"Velmora", [this] { action("remoteConfigAction")->trigger(); }},
        {"Quorlin", [] { widget("imageTestPushButton")->click(); }},
        {"Sabbeth", [] { widget("labelPrintingPushButton")->click(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.program);
        exitWith(c.program, 0);
        c.start();
        ASSERT_FALSE(started(c.program).isEmpty());
        QFile out(folder->filePath(QString(c.program) + ".out"));
        ASSERT_TRUE(out.open(QIODevice::ReadOnly));
        EXPECT_EQ(QString::fromUtf8(out.readAll()).split('\n', Qt::SkipEmptyParts), ownOutput);
        EXPECT_TRUE(QTest::qWaitFor(finishedFreed, kWaitMs));
    }
}

TEST_F(MainWindowTest, LabelPrintingAsksWithoutCloudId) {
    QSettings().setValue("Print/TemplateFile", "/data/4x2.tmq");
    addRow(device("D01", "10.1.1.11"))->setCheckState(Qt::Checked);
    QApplication::processEvents();
    widget("labelPrintingPushButton")->click();
    EXPECT_EQ(started("Sabbeth"), QStringList({"--code", "CLOUD-D01", "--serial", "CLOUD-D01",
                                               "--config", "/data/4x2.tmq"}));

    model()->clear();
    QFile::remove(folder->filePath("Sabbeth.args"));
    DEVICE_INFO bare = device("D02", "10.1.1.12");
    bare.cloudId.clear();
    addRow(bare)->setCheckState(Qt::Checked);
    QApplication::processEvents();
    auto declined = answerNextModal<QMessageBox>(
        [](QMessageBox* box) { box->button(QMessageBox::No)->click(); });
    widget("labelPrintingPushButton")->click();
    ASSERT_TRUE(declined->answered);
    EXPECT_TRUE(declined->text.startsWith("10.1.1.12 dose not contain a valid cloud ID"));
    EXPECT_TRUE(started("Sabbeth", 300).isEmpty());

    auto accepted = answerNextModal<QMessageBox>(
        [](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
    widget("labelPrintingPushButton")->click();
    EXPECT_EQ(started("Sabbeth"),
              QStringList({"--code", "", "--serial", "", "--config", "/data/4x2.tmq"}));
}

TEST_F(MainWindowTest, BrowserOpensTheBareAddress) {
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler("http", &recorder, "open");
    DEVICE_INFO info = device("D01", "10.1.1.13");
    info.port = 8080;
    addRow(info);
    selectRow(0);
    action("browserAction")->trigger();
    QDesktopServices::unsetUrlHandler("http");
    EXPECT_EQ(recorder.urls, QList<QUrl>({QUrl("http://10.1.1.13")}));
}

TEST_F(MainWindowTest, QrCodeShowsTheMacWithoutColons) {
    addRow(device("D01", "10.1.1.14"));  // MAC shown as 00:1A:2B:3C:4D:01
    selectRow(0);
    QImage shown;
    auto dialog = answerNextModal<QrcodeDialog>([&](QrcodeDialog* qr) {
        shown = qr->findChild<QLabel*>("qrLabel")->pixmap(Qt::ReturnByValue).toImage();
        qr->reject();
    });
    action("qrCodeAction")->trigger();
    ASSERT_TRUE(dialog->answered);
    EXPECT_EQ(shown, QrcodeDialog::makeQRCode("001A2B3C4D01").toImage());
}

TEST_F(MainWindowTest, ClosingSavesWindowAndStreamChoice) {
    mainStream()->setChecked(true);
    window->close();
    QSettings store;
    EXPECT_TRUE(store.value("MainStreamPlay").toBool());
    EXPECT_FALSE(store.value("MainWindow/geometry").toByteArray().isEmpty());
    EXPECT_TRUE(store.contains("MainWindow/windowState"));
    window->show();
}

// Its own window: Velmora and Sabbeth, which may hold unsaved work, run on when it closes;
// Quorlin ends with it.
TEST(MainWindowLifetimeTest, OnlyThePlayerEndsWithTheWindow) {
    const auto quietNetworks = holdCameraNetworks();
    QTemporaryDir folder;
    for (const char* name : {"Velmora", "Quorlin", "Sabbeth"})
        installFake(folder.path(), name);
    AppSettings settings(folder.path());
    settings.setSearchTimeout(1);
    const auto pidOf = [&folder](const char* name) {
        QFile record(folder.filePath(QString(name) + ".pid"));
        // The record is there once the program has started.
        if (!QTest::qWaitFor([&] { return record.size() > 0; }, kWaitMs) ||
            !record.open(QIODevice::ReadOnly))
            return pid_t(0);
        return pid_t(record.readAll().trimmed().toLongLong());
    };
    QMap<QString, pid_t> pids;
    {
        MainWindow window(settings);
        auto* model = window.findChild<DeviceTableModel*>();
        auto* refresh = window.findChild<QPushButton*>("searchPushButton");
        ASSERT_TRUE(QTest::qWaitFor([&] { return !refresh->isEnabled(); }, kWaitMs));
        ASSERT_TRUE(QTest::qWaitFor([&] { return refresh->isEnabled(); }, kWaitMs));
        model->clear();
        model->deviceFound(device("D01", "10.1.1.20"));
        model->item(0, 0)->setCheckState(Qt::Checked);
        QApplication::processEvents();
        auto* table = window.findChild<QTableView*>("tableView");
        table->setCurrentIndex(table->model()->index(0, 0));
        table->selectRow(0);
        window.findChild<QAction*>("remoteConfigAction")->trigger();  // runs on after 2 s
        window.findChild<QPushButton*>("imageTestPushButton")->click();
        window.findChild<QPushButton*>("labelPrintingPushButton")->click();
        for (const char* name : {"Velmora", "Quorlin", "Sabbeth"}) {
            pids.insert(name, pidOf(name));
            ASSERT_GT(pids[name], 0) << name;
            EXPECT_EQ(kill(pids[name], 0), 0) << name;
        }
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return kill(pids["Quorlin"], 0) != 0; }, kWaitMs));
    for (const char* name : {"Velmora", "Sabbeth"}) {
        EXPECT_EQ(kill(pids[name], 0), 0) << name << " ended with the window";
        kill(pids[name], SIGKILL);
    }
}

#include "test_mainwindow.moc"
