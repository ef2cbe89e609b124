// Quorlin against camsim under Xvfb: the program's command line, and the real window and
// video pane playing a simulated camera, with the PTZ panel driven by mouse.
#include <QAction>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QQuickItem>
#include <QQuickWidget>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <signal.h>

#include <algorithm>
#include <memory>

#include "camsim_fixture.h"
#include "clip_blocks.h"
#include "main_window.h"
#include "net_sdk_instance.h"
#include "stream_player.h"
#include "video_renderer.h"
#include "visualizer_unit.h"

namespace {

constexpr int kHttpPort = 8081;  // not the default, so the -t port is seen in use
// How long a wait for an event may take: a program starting, answering, playing or ending
// under ThreadSanitizer on a loaded machine. Each wait ends at its event, so only a failing
// run waits this out.
constexpr int kWaitMs = 120000;
const char* const kPassword = "pw";
const clip_blocks::Rgb kLeft{200, 50, 50};
const clip_blocks::Rgb kRight{50, 100, 200};

QString quorlin() {
    return QCoreApplication::applicationDirPath() + "/Quorlin";
}

// Product tests that camsim saw, in order: "<hex command> <body>".
QStringList productTests(const camsim::Simulator& sim) {
    QStringList sent;
    for (const auto& entry : sim.journal([](const camsim::JournalEntry& e) {
             return e.text("protocol") == "http" &&
                    e.text("target").rfind("/NetSDK/System/ProductTest?Cmd=", 0) == 0;
         })) {
        const QString target = QString::fromStdString(entry.text("target"));
        sent << target.section('=', 1) + " " + QString::fromStdString(entry.text("body"));
    }
    return sent;
}

// The titles of the windows on this test's X display, as xwininfo lists them.
QString windowTitles() {
    QProcess xwininfo;
    xwininfo.start("xwininfo", {"-root", "-tree"});
    xwininfo.waitForFinished(kWaitMs);
    return QString::fromLocal8Bit(xwininfo.readAllStandardOutput());
}

std::vector<camsim::JournalEntry> streamEvents(const camsim::Simulator& sim, const char* event) {
    return sim.journal([event](const camsim::JournalEntry& e) {
        return e.text("protocol") == "stream" && e.text("event") == event;
    });
}

QQuickItem* findItem(QQuickItem* parent, const QString& name) {
    for (QQuickItem* child : parent->childItems()) {
        if (child->objectName() == name) {
            return child;
        }
        if (QQuickItem* found = findItem(child, name)) {
            return found;
        }
    }
    return nullptr;
}

bool near(QColor a, QColor b, int tolerance) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

// How the renderer shows a colour of the clip: the encoder's BT.601 studio-range YUV, put
// through the renderer's shader, which does not stretch Y to full range.
QColor shownAs(clip_blocks::Rgb c) {
    const double y = (16 + 0.257 * c.r + 0.504 * c.g + 0.098 * c.b) / 255 - 0.0625;
    const double u = (128 - 0.148 * c.r - 0.291 * c.g + 0.439 * c.b) / 255 - 0.5;
    const double v = (128 + 0.439 * c.r - 0.368 * c.g - 0.071 * c.b) / 255 - 0.5;
    auto channel = [](double x) { return std::clamp(int(x * 255 + 0.5), 0, 255); };
    return QColor(channel(y + 1.13983 * v), channel(y - 0.39465 * u - 0.58060 * v),
                  channel(y + 2.03211 * u));
}

}  // namespace

class EndToEndTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void commandLine_data();
    void commandLine();
    void programLogsInOnTheGivenPortAndPlaysTheChosenStream();
    void programEndsCleanlyOnSigterm_data();
    void programEndsCleanlyOnSigterm();
    void programEndsCleanlyOnSigint_data();
    void programEndsCleanlyOnSigint();

    void openingLogsInPlaysAndAsksForPresets();
    void highDefinitionSwitchReconnectsWithTheOtherStream();
    void panelHeldMovesSendMoveThenStop_data();
    void panelHeldMovesSendMoveThenStop();
    void panelPressedMovesSendTheirCommands_data();
    void panelPressedMovesSendTheirCommands();
    void panelPressesDraggedOffStillStop_data();
    void panelPressesDraggedOffStillStop();
    void panelPressesLeftForAnotherWindowStillStop_data();
    void panelPressesLeftForAnotherWindowStillStop();
    void panelZoomSendsItsCommands_data();
    void panelZoomSendsItsCommands();
    void panelFocusSendsItsCommands_data();
    void panelFocusSendsItsCommands();
    void panelIrisSendsItsCommands_data();
    void panelIrisSendsItsCommands();
    void panelPresetActionsSendTheirCommands_data();
    void panelPresetActionsSendTheirCommands();
    void presetRepliesFillOrEmptyTheList_data();
    void presetRepliesFillOrEmptyTheList();
    void presetRepliesThatAreNoObjectKeepTheList_data();
    void presetRepliesThatAreNoObjectKeepTheList();
    void refusedPresetChangesShowTheCamerasListAgain();
    void closingTheWindowClosesTheStream();

private:
    static void signalSituations();
    void endsCleanlyOnSignal(int signalNumber);
    static void panelColumns();
    void checkPanelAction();
    void checkPresetReply();
    // Starts camsim with one camera; extra is more JSON members of the camera.
    void startCamera(const std::string& extra = "");
    DeviceParams params(int stream = 0) const;
    void openWindow(int stream = 0);
    void showPanel();
    QQuickItem* panelItem(const QString& name) const;
    void mouse(const QString& item, const QString& action);
    QStringList presetList() const;
    int streamConnections() const;

    QTemporaryDir scratch_;
    std::string clip_;
    std::unique_ptr<camsim::Simulator> sim_;
    std::unique_ptr<MainWindow> window_;
    VisualizerUnit* unit_ = nullptr;
};

void EndToEndTest::initTestCase() {
    QVERIFY(scratch_.isValid());
    qputenv("XDG_CONFIG_HOME", scratch_.path().toLocal8Bit());
    QCoreApplication::setApplicationVersion("2.0.0.3");
    clip_ = clip_blocks::makeVideoFile({clip_blocks::kH264, 320, 240, "yuv420p"}, kLeft, kRight, 25,
                                       scratch_.path().toStdString());
}

void EndToEndTest::init() {
    sim_ = std::make_unique<camsim::Simulator>(camsim::Where::Loopback);
}

void EndToEndTest::cleanup() {
    window_.reset();
    sim_.reset();
}

void EndToEndTest::startCamera(const std::string& extra) {
    const std::string camera = camsim::camera(
        "CAM1", sim_->address(10),
        "\"password\": \"" + std::string(kPassword) +
            "\", \"http_port\": " + std::to_string(kHttpPort) + R"(, "stream": {"video": ")" +
            clip_ + R"(", "video_codec": "h264", "width": 320, "height": 240, "fps": 25})" +
            (extra.empty() ? "" : ", " + extra));
    // camsim's start is one more event to wait for on a loaded machine.
    sim_->start(R"({"cameras": [)" + camera + "]}", kWaitMs);
}

DeviceParams EndToEndTest::params(int stream) const {
    DeviceParams p;
    p.ip = QHostAddress(QString::fromStdString(sim_->address(10)));
    p.user = "admin";
    p.password = kPassword;
    p.port = kHttpPort;
    p.stream = stream;
    return p;
}

void EndToEndTest::openWindow(int stream) {
    window_ = std::make_unique<MainWindow>();
    window_->resize(1280, 900);
    unit_ = window_->createVisualizerUnit();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    unit_->open(params(stream));
}

void EndToEndTest::showPanel() {
    unit_->findChild<QAction*>("actionPtzControl")->setChecked(true);
    QTRY_VERIFY(unit_->findChild<QQuickWidget*>("ptzPanel")->isVisible());
}

QQuickItem* EndToEndTest::panelItem(const QString& name) const {
    QQuickItem* root = unit_->findChild<QQuickWidget*>("ptzPanel")->rootObject();
    return root->objectName() == name ? root : findItem(root, name);
}

// Presses ("press"), or presses and releases ("hold", "click"), the middle of a panel item;
// or presses it and drags off it, still holding the button down ("drag off") or then
// releasing it there ("drag off, release"), or activates another window while it is held
// ("switch window").
void EndToEndTest::mouse(const QString& item, const QString& action) {
    QQuickItem* target = panelItem(item);
    QVERIFY2(target, qPrintable(item));
    auto* panel = unit_->findChild<QQuickWidget*>("ptzPanel");
    const QPoint at =
        target->mapToScene(QPointF(target->width() / 2, target->height() / 2)).toPoint();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QTest::mousePress(panel, Qt::LeftButton, Qt::NoModifier, at);
    if (action.startsWith("drag off")) {
        // Sent to the panel at once, with the button down, as a drag is; QTest's move only
        // warps the pointer, whose motion would come later.
        const QPoint outside(panel->width() / 2, 2);
        QMouseEvent drag(QEvent::MouseMove, outside, panel->mapToGlobal(outside), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(panel, &drag);
        if (action == "drag off, release") {
            QTest::mouseRelease(panel, Qt::LeftButton, Qt::NoModifier, outside);
        }
    } else if (action == "switch window") {
        QWidget other;
        other.show();
        QVERIFY(QTest::qWaitForWindowExposed(&other));
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
    } else if (action != "press") {
        QTest::mouseRelease(panel, Qt::LeftButton, Qt::NoModifier, at);
    }
}

QStringList EndToEndTest::presetList() const {
    QStringList values;
    QObject* box = panelItem("presetBox");
    const int count = box->property("count").toInt();
    for (int i = 0; i < count; ++i) {
        QString text;
        QMetaObject::invokeMethod(box, "textAt", Q_RETURN_ARG(QString, text), Q_ARG(int, i));
        values << text;
    }
    return values;
}

// Established connections from here to the camera's stream port, as the kernel lists them
// (addresses as their bytes in memory, read as one host-order number).
int EndToEndTest::streamConnections() const {
    const quint32 ip = QHostAddress(QString::fromStdString(sim_->address(10))).toIPv4Address();
    const QString remote = QString("%1:%2")
                               .arg(qToBigEndian(ip), 8, 16, QChar('0'))
                               .arg(1680, 4, 16, QChar('0'))
                               .toUpper();
    QFile table("/proc/net/tcp");
    if (!table.open(QIODevice::ReadOnly)) {
        return -1;
    }
    int established = 0;
    for (const QByteArray& line : table.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        established += fields.size() > 3 && fields[2] == remote.toLatin1() && fields[3] == "01";
    }
    return established;
}

void EndToEndTest::commandLine_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("output");  // texts that must appear
    QTest::newRow("help, in English whatever the language")
        << QStringList{"--help"} << 0
        << QStringList{"IPC Previewer with PTZ Control",
                       "Open the ip address",
                       "User Name",
                       "User login password",
                       "Session port",
                       "Enable play in fullscreen",
                       "Stream id, main stream or sub stream",
                       "Enable the debug mode."};
    QTest::newRow("version") << QStringList{"--version"} << 0 << QStringList{"Quorlin 2.0.0.3"};
    QTest::newRow("bad option") << QStringList{"--bogus"} << 1
                                << QStringList{"Unknown option 'bogus'"};
    QTest::newRow("password longer than the login holds")
        << QStringList{"-i", "10.1.2.3", "-p", QString(64, 'x')} << 1
        << QStringList{"Quorlin: The password is longer than 63 bytes"};
}

void EndToEndTest::commandLine() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QStringList, output);
    {
        QSettings tarnwick(QSettings::NativeFormat, QSettings::UserScope, "Korvel", "Tarnwick");
        tarnwick.setValue("Ui/Language", QLocale(QLocale::Chinese, QLocale::China));
    }
    QProcess program;
    program.setProcessChannelMode(QProcess::MergedChannels);
    program.start(quorlin(), arguments);
    QVERIFY(program.waitForFinished(kWaitMs));
    QCOMPARE(program.exitCode(), exitCode);
    const QString text = QString::fromLocal8Bit(program.readAll());
    for (const QString& expected : output) {
        QVERIFY2(text.contains(expected), qPrintable(text));
    }
}

void EndToEndTest::programLogsInOnTheGivenPortAndPlaysTheChosenStream() {
    startCamera();
    QProcess program;
    program.start(quorlin(), {"-i", QString::fromStdString(sim_->address(10)), "-t",
                              QString::number(kHttpPort), "-p", kPassword, "-s", "1"});
    QVERIFY(program.waitForStarted(kWaitMs));
    const bool requested = sim_->waitForJournal(
        [](const camsim::JournalEntry& e) { return e.text("event") == "request"; }, kWaitMs);
    const bool askedPresets = sim_->waitForJournal(
        [](const camsim::JournalEntry& e) {
            return e.text("target").find("Cmd=53") != std::string::npos;
        },
        kWaitMs);
    program.kill();
    program.waitForFinished(kWaitMs);
    QVERIFY(requested);
    QVERIFY(askedPresets);
    const auto request = streamEvents(*sim_, "request").front();
    QCOMPARE(request.number("channel"), 0.0);
    QCOMPARE(request.number("stream"), 1.0);
    // camsim serves HTTP on the -t port only; every request there carried the login.
    const std::string basic = "Basic YWRtaW46cHc=";  // admin:pw
    const auto http =
        sim_->journal([](const camsim::JournalEntry& e) { return e.text("protocol") == "http"; });
    QVERIFY(!http.empty());
    for (const auto& entry : http) {
        bool authorised = false;
        const cJSON* headers = entry.field("headers");
        const cJSON* header = nullptr;
        cJSON_ArrayForEach(header, headers) {
            authorised |=
                std::string(cJSON_GetArrayItem(header, 0)->valuestring) == "Authorization" &&
                std::string(cJSON_GetArrayItem(header, 1)->valuestring) == basic;
        }
        QVERIFY2(authorised, entry.text("target").c_str());
    }
}

// What the program is doing when the signal comes, and the camera that holds it there.
void EndToEndTest::signalSituations() {
    QTest::addColumn<QString>("camera");  // more JSON members of the camera
    // What camsim must have seen before the signal goes: count entries of protocol (and
    // event, when given).
    QTest::addColumn<QString>("protocol");
    QTest::addColumn<QString>("event");
    QTest::addColumn<int>("count");
    // Whether the window is up (its title names the camera) before the signal: not while a
    // blocking login could hold the event loop.
    QTest::addColumn<bool>("windowUp");
    // Whether the camera had a stream open, which it must see closed.
    QTest::addColumn<bool>("streaming");
    QTest::newRow("playing") << QString() << "stream"
                             << "request" << 1 << true << true;
    // Both logins, the stream's and the preset list's, wait for answers that never come.
    QTest::newRow("logging in to a silent camera") << R"("faults": {"http_silent": true})"
                                                   << "http" << QString() << 2 << false << false;
    QTest::newRow("waiting for a silent stream") << R"("faults": {"stream_silent": true})"
                                                 << "stream"
                                                 << "connect" << 1 << true << true;
}

void EndToEndTest::programEndsCleanlyOnSigterm_data() {
    signalSituations();
}

void EndToEndTest::programEndsCleanlyOnSigterm() {
    endsCleanlyOnSignal(SIGTERM);
}

void EndToEndTest::programEndsCleanlyOnSigint_data() {
    signalSituations();
}

void EndToEndTest::programEndsCleanlyOnSigint() {
    endsCleanlyOnSignal(SIGINT);
}

// Whatever the program waits for, the signal ends it: a login or a receive in progress is
// given up, then the stream is closed and the program exits. Those waits end by themselves
// after the SDK's time-outs too, and a slow machine takes as long to end the program: that the
// stop ends them at once is told without a clock by previewer_stream_stop.
void EndToEndTest::endsCleanlyOnSignal(int signalNumber) {
    QFETCH(QString, camera);
    QFETCH(QString, protocol);
    QFETCH(QString, event);
    QFETCH(int, count);
    QFETCH(bool, windowUp);
    QFETCH(bool, streaming);
    startCamera(camera.toStdString());
    QProcess program;
    program.start(quorlin(), {"-i", QString::fromStdString(sim_->address(10)), "-t",
                              QString::number(kHttpPort), "-p", kPassword});
    QVERIFY(program.waitForStarted(kWaitMs));
    const auto killIfLeft = qScopeGuard([&program] {
        program.kill();
        program.waitForFinished(kWaitMs);
    });
    const auto seen = [&](const camsim::JournalEntry& e) {
        return e.text("protocol") == protocol.toStdString() &&
               (event.isEmpty() || e.text("event") == event.toStdString());
    };
    QVERIFY(sim_->waitForJournal(seen, kWaitMs, size_t(count)));
    if (windowUp) {
        const QString title = "(" + QString::fromStdString(sim_->address(10)) + ")";
        QTRY_VERIFY_WITH_TIMEOUT(windowTitles().contains(title), kWaitMs);
    }
    QCOMPARE(program.state(), QProcess::Running);
    ::kill(pid_t(program.processId()), signalNumber);
    QVERIFY2(program.waitForFinished(kWaitMs), "still running after the signal");
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    // Only the orderly shutdown, once the window and its stream are gone, says so.
    const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
    QVERIFY2(errors.contains(QString("Quorlin: stopped on signal %1").arg(signalNumber)),
             qPrintable(errors));
    if (streaming) {
        QVERIFY(sim_->waitForJournal(
            [](const camsim::JournalEntry& e) {
                return e.text("protocol") == "stream" && e.text("event") == "closed";
            },
            kWaitMs));
    }
}

void EndToEndTest::openingLogsInPlaysAndAsksForPresets() {
    startCamera(R"("presets": [1, 3, 9])");
    // While the preset list is fetched, the pane is disabled and the cursor busy.
    QObject watcher;
    bool disabledMeanwhile = false;
    bool busyMeanwhile = false;
    connect(NetSDKInstance::instance(), &NetSDKInstance::testResult, &watcher,
            [&](int id, int, QString) {
                disabledMeanwhile = id == 83 && !unit_->isEnabled();
                busyMeanwhile = QGuiApplication::overrideCursor() &&
                                QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
            });
    openWindow();
    QVERIFY(disabledMeanwhile);
    QVERIFY(busyMeanwhile);
    QVERIFY(unit_->isEnabled());
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    QTRY_COMPARE_WITH_TIMEOUT(
        window_->windowTitle(),
        "Quorlin - V2.0.0.3 (" + QString::fromStdString(sim_->address(10)) + ")", kWaitMs);
    QCOMPARE(productTests(*sim_), QStringList{"53 "});
    QCOMPARE(presetList(), (QStringList{"1", "3", "9"}));
    QVERIFY(sim_->waitForJournal(
        [](const camsim::JournalEntry& e) { return e.text("event") == "request"; }, kWaitMs));
    QCOMPARE(streamEvents(*sim_, "request").front().number("stream"), 0.0);

    // The streamed picture: red on the left, blue on the right.
    auto* renderer = unit_->findChild<VideoRenderer*>("videoRenderer");
    const auto picture = [renderer](double x) {
        const QImage image = renderer->grabFramebuffer();
        return image.pixelColor(int(image.width() * x), image.height() / 2);
    };
    QTRY_VERIFY_WITH_TIMEOUT(near(picture(0.25), shownAs(kLeft), 12), kWaitMs);
    QVERIFY(near(picture(0.75), shownAs(kRight), 12));
}

void EndToEndTest::highDefinitionSwitchReconnectsWithTheOtherStream() {
    startCamera();
    openWindow();
    QVERIFY(sim_->waitForJournal(
        [](const camsim::JournalEntry& e) { return e.text("event") == "request"; }, kWaitMs));
    auto* hd = unit_->findChild<QAction*>("actionHighDefinition");
    QVERIFY(hd->isChecked());
    hd->setChecked(false);
    QVERIFY(unit_->findChild<QAction*>("actionMute")->isChecked());
    QVERIFY(sim_->waitForJournal(
        [](const camsim::JournalEntry& e) {
            return e.text("event") == "request" && e.number("stream") == 1;
        },
        kWaitMs));
    QCOMPARE(productTests(*sim_), (QStringList{"53 ", "53 "}));
    QTRY_COMPARE_WITH_TIMEOUT(streamConnections(), 1, kWaitMs);
    hd->setChecked(true);
    QTRY_COMPARE_WITH_TIMEOUT(streamEvents(*sim_, "request").size(), size_t(3), kWaitMs);
    QCOMPARE(streamEvents(*sim_, "request").back().number("stream"), 0.0);

    // The old stream was closed before the new one connected.
    QCOMPARE(streamConnections(), 1);
}

// The panel's cases come in small groups: every case starts a camera and a window of its
// own, which under ThreadSanitizer on a loaded machine has taken a minute, and Qt Test gives
// one test function 300 s.
void EndToEndTest::panelColumns() {
    QTest::addColumn<QString>("item");
    // "press", "hold" (press, then release), "click", or a cancelled press (see mouse())
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>("sent");  // "<hex command> <body>" in order
}

void EndToEndTest::panelHeldMovesSendMoveThenStop_data() {
    panelColumns();
    const QString stop = "51 ";
    QTest::newRow("up held") << "upButton"
                             << "hold" << QStringList{R"(50 {"direction":"up","speed":128})", stop};
    QTest::newRow("right held") << "rightButton"
                                << "hold"
                                << QStringList{R"(50 {"direction":"right","speed":128})", stop};
}

void EndToEndTest::panelHeldMovesSendMoveThenStop() {
    checkPanelAction();
}

void EndToEndTest::panelPressedMovesSendTheirCommands_data() {
    panelColumns();
    QTest::newRow("down pressed") << "downButton"
                                  << "press"
                                  << QStringList{R"(50 {"direction":"down","speed":128})"};
    QTest::newRow("left pressed") << "leftButton"
                                  << "press"
                                  << QStringList{R"(50 {"direction":"left","speed":128})"};
    QTest::newRow("centre clicked") << "centreButton"
                                    << "click" << QStringList{"52 "};
}

void EndToEndTest::panelPressedMovesSendTheirCommands() {
    checkPanelAction();
}

// Cancelled presses: the movement or the lens must stop all the same.
void EndToEndTest::panelPressesDraggedOffStillStop_data() {
    panelColumns();
    const QString stop = "51 ";
    QTest::newRow("up dragged off")
        << "upButton"
        << "drag off" << QStringList{R"(50 {"direction":"up","speed":128})", stop};
    QTest::newRow("up dragged off, then released")
        << "upButton"
        << "drag off, release" << QStringList{R"(50 {"direction":"up","speed":128})", stop};
}

void EndToEndTest::panelPressesDraggedOffStillStop() {
    checkPanelAction();
}

void EndToEndTest::panelPressesLeftForAnotherWindowStillStop_data() {
    panelColumns();
    const QString stop = "51 ";
    QTest::newRow("left, another window activated")
        << "leftButton"
        << "switch window" << QStringList{R"(50 {"direction":"left","speed":128})", stop};
    QTest::newRow("focus far, another window activated")
        << "focusRowOperator2"
        << "switch window" << QStringList{R"(55 {"operate":"focus_far"})", stop};
}

void EndToEndTest::panelPressesLeftForAnotherWindowStillStop() {
    checkPanelAction();
}

void EndToEndTest::panelZoomSendsItsCommands_data() {
    panelColumns();
    const QString stop = "51 ";
    QTest::newRow("zoom wide held") << "zoomRowOperator1"
                                    << "hold" << QStringList{R"(55 {"operate":"zoom_wide"})", stop};
    QTest::newRow("zoom tele") << "zoomRowOperator2"
                               << "press" << QStringList{R"(55 {"operate":"zoom_tele"})"};
}

void EndToEndTest::panelZoomSendsItsCommands() {
    checkPanelAction();
}

void EndToEndTest::panelFocusSendsItsCommands_data() {
    panelColumns();
    QTest::newRow("focus near") << "focusRowOperator1"
                                << "press" << QStringList{R"(55 {"operate":"focus_near"})"};
    QTest::newRow("focus far") << "focusRowOperator2"
                               << "press" << QStringList{R"(55 {"operate":"focus_far"})"};
}

void EndToEndTest::panelFocusSendsItsCommands() {
    checkPanelAction();
}

void EndToEndTest::panelIrisSendsItsCommands_data() {
    panelColumns();
    const QString stop = "51 ";
    QTest::newRow("iris close") << "irisRowOperator1"
                                << "press" << QStringList{R"(55 {"operate":"iris_close"})"};
    QTest::newRow("iris open held") << "irisRowOperator2"
                                    << "hold" << QStringList{R"(55 {"operate":"iris_open"})", stop};
}

void EndToEndTest::panelIrisSendsItsCommands() {
    checkPanelAction();
}

// The camera holds 1, 2 and 4; the user has chosen the first entry.
void EndToEndTest::panelPresetActionsSendTheirCommands_data() {
    panelColumns();
    QTest::newRow("invoke") << "invokeButton"
                            << "click" << QStringList{R"(54 {"operate":"call","preset":1})"};
    QTest::newRow("add takes the lowest free number")
        << "addButton"
        << "click" << QStringList{R"(54 {"operate":"set","preset":3})"};
    QTest::newRow("remove") << "removeButton"
                            << "click" << QStringList{R"(54 {"operate":"clear","preset":1})"};
}

void EndToEndTest::panelPresetActionsSendTheirCommands() {
    checkPanelAction();
}

// One row of the panel's groups: the action on a camera that holds presets 1, 2 and 4, with
// the first one chosen.
void EndToEndTest::checkPanelAction() {
    QFETCH(QString, item);
    QFETCH(QString, action);
    QFETCH(QStringList, sent);
    startCamera(R"("presets": [1, 2, 4])");
    openWindow();
    showPanel();
    QCOMPARE(presetList(), (QStringList{"1", "2", "4"}));
    panelItem("presetBox")->setProperty("currentIndex", 0);
    mouse(item, action);
    // productTest is synchronous: the camera has the command once the mouse event returns.
    QCOMPARE(productTests(*sim_), QStringList{"53 "} + sent);
}

// The replies come in two groups, each within Qt Test's time for one test function on a
// loaded machine.
void EndToEndTest::presetRepliesFillOrEmptyTheList_data() {
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("a list") << R"({"list":[1,3,9]})" << QStringList{"1", "3", "9"};
    QTest::newRow("an empty list") << R"({"list":[]})" << QStringList();
    QTest::newRow("an object without a list") << R"({"result":0})" << QStringList();
    QTest::newRow("a list that is no array") << R"({"list":5})" << QStringList();
}

void EndToEndTest::presetRepliesFillOrEmptyTheList() {
    checkPresetReply();
}

// The list shown before the reply is kept.
void EndToEndTest::presetRepliesThatAreNoObjectKeepTheList_data() {
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QStringList>("shown");
    const QStringList before{"7"};
    QTest::newRow("not JSON") << "presets: 1, 3" << before;
    QTest::newRow("not an object") << "[1,3]" << before;
    QTest::newRow("an empty object") << "{}" << before;
}

void EndToEndTest::presetRepliesThatAreNoObjectKeepTheList() {
    checkPresetReply();
}

// One row of the reply groups: the preset list shown after the camera's reply, where the
// panel showed 7 before.
void EndToEndTest::checkPresetReply() {
    QFETCH(QString, reply);
    QFETCH(QStringList, shown);
    startCamera(R"("faults": {"preset_list_reply": )" +
                QJsonDocument(QJsonArray{reply})
                    .toJson(QJsonDocument::Compact)
                    .mid(1)
                    .chopped(1)
                    .toStdString() +
                "}");
    window_ = std::make_unique<MainWindow>();
    unit_ = window_->createVisualizerUnit();
    QQuickItem* root = unit_->findChild<QQuickWidget*>("ptzPanel")->rootObject();
    QMetaObject::invokeMethod(root, "setPresetList", Q_ARG(QVariant, QVariantList{7}));
    unit_->open(params());
    QCOMPARE(presetList(), shown);
}

void EndToEndTest::refusedPresetChangesShowTheCamerasListAgain() {
    startCamera(R"("presets": [1, 2], "faults": {"http_status": {"product:84": 500}})");
    openWindow();
    showPanel();
    mouse("addButton", "click");
    QCOMPARE(productTests(*sim_),
             (QStringList{"53 ", R"(54 {"operate":"set","preset":3})", "53 "}));
    QCOMPARE(presetList(), (QStringList{"1", "2"}));
    panelItem("presetBox")->setProperty("currentIndex", 0);
    mouse("removeButton", "click");  // removes 1, which the camera refuses
    QCOMPARE(productTests(*sim_).mid(3),
             (QStringList{R"(54 {"operate":"clear","preset":1})", "53 "}));
    QCOMPARE(presetList(), (QStringList{"1", "2"}));
}

void EndToEndTest::closingTheWindowClosesTheStream() {
    startCamera();
    openWindow();
    QVERIFY(sim_->waitForJournal(
        [](const camsim::JournalEntry& e) { return e.text("event") == "request"; }, kWaitMs));
    QCOMPARE(streamConnections(), 1);
    window_->close();
    window_.reset();
    QCOMPARE(streamConnections(), 0);
    QVERIFY(sim_->waitForJournal(
        [](const camsim::JournalEntry& e) { return e.text("event") == "closed"; }, kWaitMs));
    QCOMPARE(streamEvents(*sim_, "connect").size(), size_t(1));
}

QTEST_MAIN(EndToEndTest)
#include "test_end_to_end.moc"
