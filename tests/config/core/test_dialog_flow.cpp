// Start-up, login flow, configuration dialog frame and page manager, on the real widgets
// and against camsim on loopback. Modal dialogs are answered by a ModalAnswerer that acts
// on each modal window as it appears.
#include <QCommandLineParser>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>
#include <functional>

#include "RtspLocation.h"
#include "VideoSurface.h"
#include "camsim_fixture.h"
#include "clip_blocks.h"
#include "config_page_manager.h"
#include "control_assignment_group.h"
#include "login_dialog.h"
#include "remote_config_dialog.h"
#include "startup.h"
#include "zrsdk_instance.h"

namespace {

// Answers every modal window that opens while it lives, in order, with the next handler;
// records the class name of each window it answered.
class ModalAnswerer : public QObject {
public:
    explicit ModalAnswerer(QList<std::function<void(QWidget*)>> handlers)
        : handlers_(std::move(handlers)) {
        connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
        timer_.start(5);
    }
    QStringList answered;

private:
    void poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == last_ || handlers_.isEmpty()) {
            return;
        }
        last_ = modal;
        answered << modal->metaObject()->className();
        handlers_.takeFirst()(modal);
    }

    QTimer timer_;
    QPointer<QWidget> last_;
    QList<std::function<void(QWidget*)>> handlers_;
};

// A login dialog answer: types the credentials and presses OK.
std::function<void(QWidget*)> typeLogin(const QString& user, const QString& password) {
    return [=](QWidget* window) {
        auto* dialog = qobject_cast<LoginDialog*>(window);
        QVERIFY(dialog != nullptr);
        dialog->findChild<QLineEdit*>("userLineEdit")->setText(user);
        dialog->findChild<QLineEdit*>("passwordLineEdit")->setText(password);
        dialog->accept();
    };
}

void reject(QWidget* window) {
    if (auto* box = qobject_cast<QMessageBox*>(window)) {
        box->accept();
    } else {
        qobject_cast<QDialog*>(window)->reject();
    }
}

class Camera {
public:
    explicit Camera(const std::string& members = R"("password": "pw")")
        : sim(camsim::Where::Loopback) {
        sim.start(R"({"cameras": [)" + camsim::camera("CAM1", sim.address(10), members) + "]}");
    }
    QString ip() const { return QString::fromStdString(sim.address(10)); }
    // Login attempts the camera saw: each reads the device block.
    size_t logins() const {
        return sim
            .journal([](const camsim::JournalEntry& e) {
                return e.text("protocol") == "http" && e.text("method") == "GET";
            })
            .size();
    }
    camsim::Simulator sim;
};

QTreeWidgetItem* treeItem(RemoteConfigDialog& dialog, const QString& text) {
    auto* tree = dialog.findChild<QTreeWidget*>("treeWidget");
    const auto items = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return items.isEmpty() ? nullptr : items.front();
}

void clickTree(RemoteConfigDialog& dialog, const QString& text) {
    QTreeWidgetItem* item = treeItem(dialog, text);
    QVERIFY(item != nullptr);
    emit dialog.findChild<QTreeWidget*>("treeWidget")->itemClicked(item, 0);
}

}  // namespace

class DialogFlowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QCOMPARE(NETSDK_Init(), 0);
        QCoreApplication::setOrganizationName("Pellandor");
        QCoreApplication::setApplicationName("Velmora");
    }
    void cleanupTestCase() { NETSDK_Cleanup(); }
    void init() { QSettings().remove("LoginDialog"); }

    // ---- Command line ----

    void commandLineGivesTheFirstAttempt_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("ip");
        QTest::addColumn<int>("sessionPort");
        QTest::addColumn<int>("streamPort");
        QTest::newRow("as Tarnwick writes it")
            << QStringList{"Velmora", "-i", "10.1.2.3", "-u", "admin", "-p",
                           "x",       "-s", "8080",     "-e", "1700"}
            << "10.1.2.3" << 8080 << 1700;
        QTest::newRow("long names, defaults")
            << QStringList{"Velmora", "--ip", "10.1.2.3"} << "10.1.2.3" << 80 << 1680;
        QTest::newRow("ports not decimal: 0")
            << QStringList{"Velmora", "-i", "a;b", "-s", "http", "-e", "x"} << "a;b" << 0 << 0;
    }
    void commandLineGivesTheFirstAttempt() {
        QFETCH(QStringList, arguments);
        QCommandLineParser parser;
        const LoginOptions options = readCommandLine(parser, arguments);
        QFETCH(QString, ip);
        QFETCH(int, sessionPort);
        QFETCH(int, streamPort);
        QCOMPARE(options.ip, ip);
        QCOMPARE(options.sessionPort, sessionPort);
        QCOMPARE(options.streamPort, streamPort);
    }

    // ---- Login flow ----

    void commandLineLoginMakesTheSessionAndLoadsThePages() {
        Camera camera;
        RemoteConfigDialog dialog(camera.ip(), nullptr);
        auto* stack = dialog.findChild<QStackedWidget*>("stackedWidget");
        QCOMPARE(stack->currentIndex(), 2);
        QVERIFY(dialog.login("admin", "pw", 80, 1680));
        QCOMPARE(dialog.session()->hostAddress(), QHostAddress(camera.ip()));
        QCOMPARE(dialog.streamAuthority(), "admin:pw@" + camera.ip());
        QCOMPARE(camera.logins(), size_t(1));
        // The pages load once the event loop runs.
        QTRY_COMPARE(stack->currentIndex(), 0);
        QVERIFY(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(dialog.windowTitle().startsWith("远程配置 @" + camera.ip()));

        QWeakPointer<ZRSDKInstance> session = dialog.session();
        dialog.logout();
        QVERIFY(session.isNull());
        QVERIFY(dialog.loginHandle() == nullptr);
        dialog.logout();  // harmless twice
    }

    void refusedCommandLineFallsBackToTheLoginDialog() {
        Camera camera;
        RemoteConfigDialog dialog(camera.ip(), nullptr);
        ModalAnswerer answers({typeLogin("admin", "pw")});
        QVERIFY(dialog.login("admin", "wrong", 80, 1680));
        QCOMPARE(answers.answered, QStringList{"LoginDialog"});
        QCOMPARE(camera.logins(), size_t(2));
        QCOMPARE(dialog.session()->authenticator()->password(), QString("pw"));
        // OK saved what was typed, with the hidden ports unchanged.
        QSettings settings;
        QCOMPARE(settings.value("LoginDialog/passWord").toString(), QString("pw"));
        QCOMPARE(settings.value("LoginDialog/sessionPort").toInt(), 80);
    }

    // One text for the login, the session and the live picture, wherever it was typed.
    void nonAsciiCredentialsLogInAndPlay_data() {
        QTest::addColumn<bool>("typed");
        QTest::newRow("command line") << false;
        QTest::newRow("login dialog") << true;
    }
    void nonAsciiCredentialsLogInAndPlay() {
        QFETCH(bool, typed);
        const QString user = QStringLiteral("ÄÖ");
        const QString password = QStringLiteral("pwé");
        const QTemporaryDir clips;
        Camera camera(R"("user": "ÄÖ", "password": "pwé", "rtsp": {"video": ")" +
                      clip_blocks::makeVideoFile({clip_blocks::kH264, 176, 144, "yuv420p"},
                                                 {255, 0, 0}, {0, 0, 255}, 8,
                                                 clips.path().toStdString()) +
                      R"("})");
        RemoteConfigDialog dialog(camera.ip(), nullptr);
        // Three answers, so that a refused attempt fails the test rather than hangs it.
        ModalAnswerer answers(
            {typeLogin(user, password), typeLogin(user, password), typeLogin(user, password)});
        QVERIFY(typed ? dialog.login(QString(), QString(), 80, 1680)
                      : dialog.login(user, password, 80, 1680));
        QCOMPARE(answers.answered.size(), typed ? 1 : 0);
        QCOMPARE(camera.logins(), size_t(1));
        QCOMPARE(dialog.session()->authenticator()->user(), user);
        QCOMPARE(dialog.session()->authenticator()->password(), password);

        VideoSurface picture;
        picture.show();
        picture.play(rtspLocation(dialog.streamAuthority()));
        QTRY_VERIFY_WITH_TIMEOUT(!picture.currentPicture().isNull(), 10000);
    }

    void theSavedPasswordIsForItsOwnerOnly() {
        QFile::remove(QSettings().fileName());
        LoginDialog dialog(nullptr);
        dialog.accept();
        const QFile::Permissions others =
            QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
        const QFileInfo file(QSettings().fileName());
        QVERIFY(file.exists());
        QCOMPARE(file.permissions() & others, QFile::Permissions());
        QVERIFY(file.permissions() & QFile::WriteOwner);
    }

    void threeRefusedDialogsEndTheLogin() {
        Camera camera;
        RemoteConfigDialog dialog(camera.ip(), nullptr);
        ModalAnswerer answers(
            {typeLogin("admin", "a"), typeLogin("admin", "b"), typeLogin("admin", "c")});
        QVERIFY(!dialog.login(QString(), QString(), 80, 1680));
        QCOMPARE(answers.answered.size(), 3);
        QCOMPARE(camera.logins(), size_t(3));  // no command-line attempt without credentials
        QVERIFY(dialog.session().isNull());
    }

    void cancelEndsTheLoginAtOnce() {
        Camera camera;
        RemoteConfigDialog dialog(camera.ip(), nullptr);
        ModalAnswerer answers({reject});
        QVERIFY(!dialog.login(QString(), QString(), 80, 1680));
        QCOMPARE(camera.logins(), size_t(0));
    }

    void credentialsTooLongForTheCameraAreNotSent() {
        Camera camera;
        RemoteConfigDialog dialog(camera.ip(), nullptr);
        ModalAnswerer answers({typeLogin(QString(32, 'u'), "pw"), reject});
        QVERIFY(!dialog.login("admin", QString(64, 'p'), 80, 1680));
        QCOMPARE(answers.answered.size(), 2);
        QCOMPARE(camera.logins(), size_t(0));
        RemoteConfigDialog tooLong(QString(32, '1'), nullptr);
        QVERIFY(!tooLong.login("admin", "pw", 80, 1680));
    }

    // ---- Frame ----

    void treeSelectsBuiltInPagesAndPassesTheRestOn() {
        Camera camera;
        RemoteConfigDialog dialog(camera.ip(), nullptr);
        QVERIFY(dialog.login("admin", "pw", 80, 1680));
        auto* stack = dialog.findChild<QStackedWidget*>("stackedWidget");
        QTRY_COMPARE(stack->currentIndex(), 0);
        clickTree(dialog, "系统时间");
        QCOMPARE(stack->currentIndex(), 13);
        clickTree(dialog, "网络设置");  // a group: no page
        QCOMPARE(stack->currentIndex(), 13);
        clickTree(dialog, "人形识别");
        QCOMPARE(stack->currentIndex(), 12);
        QCOMPARE(stack->count(), 15);
    }

    void videoEncodingPageReadsBothStreams() {
        Camera camera;
        RemoteConfigDialog dialog(camera.ip(), nullptr);
        QVERIFY(dialog.login("admin", "pw", 80, 1680));
        const size_t before = camera.logins();
        dialog.loadPageData(RemoteConfigDialog::VideoEncoderPage);
        QCOMPARE(camera.logins() - before, size_t(2));
        dialog.loadPageData(99);  // a widget page: nothing to read
        dialog.loadPageData(RemoteConfigDialog::MediaStatusPage);
        QCOMPARE(camera.logins() - before, size_t(2));
    }

    void controlGroupIsOnePerButton() {
        RemoteConfigDialog dialog("10.0.0.1", nullptr);
        QPushButton first, second;
        ControlAssignmentGroup* group = dialog.controlGroup(&first);
        QCOMPARE(dialog.controlGroup(&first), group);
        QVERIFY(dialog.controlGroup(&second) != group);
        QCOMPARE(group->parent(), static_cast<QObject*>(&dialog));
    }

    // ---- Page manager ----

    void pageManagerMakesEachPageOnceAndKeepsIt() {
        auto session = QSharedPointer<ZRSDKInstance>::create(nullptr, nullptr, nullptr);
        QStackedWidget stack;
        int made = 0;
        const WidgetPageFactory factory = [&made](const QSharedPointer<ZRSDKInstance>& s,
                                                  QStackedWidget* parent) -> QWidget* {
            ++made;
            return s ? new QWidget(parent) : nullptr;
        };
        ConfigPageManager manager(
            session, &stack, {{"用户管理", factory}, {"移动侦测", factory}, {"告警通知", nullptr}});
        manager.showPage("用户管理");
        QWidget* accounts = stack.currentWidget();
        QCOMPARE(stack.count(), 1);
        manager.showPage("移动侦测");
        QCOMPARE(stack.count(), 2);
        manager.showPage("用户管理");
        QCOMPARE(stack.currentWidget(), accounts);
        QCOMPARE(made, 2);
        // Unknown titles, exact comparison, pages not built yet: nothing changes.
        manager.showPage("网络设置");
        manager.showPage("用户管理 ");
        manager.showPage("告警通知");
        QCOMPARE(stack.count(), 2);
        QCOMPARE(stack.currentWidget(), accounts);
        // The manager never keeps the session alive.
        session.reset();
        QVERIFY(manager.createPage("移动侦测") == nullptr);
        QCOMPARE(made, 2);
    }

    // ---- Start-up ----

    void missingAddressShowsHowToStartAndEndsNormally() {
        ModalAnswerer answers({reject});
        QCOMPARE(runConfiguration(LoginOptions(), nullptr), kExitNormal);
        QCOMPARE(answers.answered, QStringList{"QMessageBox"});
    }

    void failedLoginEndsWithCode13() {
        Camera camera;
        LoginOptions options;
        options.ip = camera.ip();
        options.user = "admin";
        options.password = "wrong";
        ModalAnswerer answers({reject, reject});
        QCOMPARE(runConfiguration(options, nullptr), kExitLoginFailed);
        QCOMPARE(answers.answered, (QStringList{"LoginDialog", "QMessageBox"}));
    }

    void closedDialogEndsNormallyAndLogsOut() {
        Camera camera;
        LoginOptions options;
        options.ip = camera.ip();
        options.user = "admin";
        options.password = "pw";
        QWidget* activated = nullptr;
        ModalAnswerer answers({reject});
        QCOMPARE(runConfiguration(options, [&](QWidget* dialog) { activated = dialog; }),
                 kExitNormal);
        QCOMPARE(answers.answered, QStringList{"RemoteConfigDialog"});
        QVERIFY(activated != nullptr);
    }
};

QTEST_MAIN(DialogFlowTest)
#include "test_dialog_flow.moc"
