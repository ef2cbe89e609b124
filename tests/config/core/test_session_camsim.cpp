// The session object against camsim on loopback: cached records, IR cut, users, the JSON
// commands, capability labels and alarms, asserted from what the camera received.
#include <QSettings>
#include <QtTest>
#include <memory>

#include "camsim_fixture.h"
#include "zrsdk_instance.h"

namespace {

// Parameter-block command codes on the wire, as the camera's journal shows them.
constexpr int kWireVideoEncode = 3;
constexpr int kWireMotion = 13;
constexpr int kWireUsers = 14;
constexpr int kWireCover = 25;

// One camsim camera with a login and a session on it.
class Camera {
public:
    explicit Camera(const std::string& extraMembers = "") : sim_(camsim::Where::Loopback) {
        const std::string members =
            std::string(R"("password": "pw")") + (extraMembers.empty() ? "" : ", " + extraMembers);
        sim_.start(R"({"cameras": [)" + camsim::camera("CAM1", sim_.address(10), members) + "]}");
        login_ = NETSDK_Login(sim_.address(10).c_str(), 80, 1680, "admin", "pw", 0);
        session_ = std::make_unique<ZRSDKInstance>(login_, &pair_, nullptr);
    }
    ~Camera() {
        // The login ends first, so no alarm reaches a freed session.
        if (login_ != nullptr) {
            NETSDK_Logout(login_);
        }
    }

    bool loggedIn() const { return login_ != nullptr; }
    ZRSDKInstance& session() { return *session_; }
    const camsim::Simulator& sim() const { return sim_; }

    // Parameter-block requests of one method for one wire command.
    std::vector<camsim::JournalEntry> blockRequests(const char* method, int command) const {
        return sim_.journal([&](const camsim::JournalEntry& e) {
            return e.text("protocol") == "http" && e.text("method") == method &&
                   e.text("target") == "/NetSDK/Device/Property" &&
                   wireCommand(e.text("body_hex")) == command;
        });
    }

    // Product-test requests of one command.
    std::vector<camsim::JournalEntry> productRequests(int command) const {
        const QString target = QString("/NetSDK/System/ProductTest?Cmd=%1").arg(command, 0, 16);
        return sim_.journal([&](const camsim::JournalEntry& e) {
            return e.text("protocol") == "http" &&
                   QString::fromStdString(e.text("target")).compare(target, Qt::CaseInsensitive) ==
                       0;
        });
    }

private:
    // The command field of a block head (bytes 12 and 13, big-endian).
    static int wireCommand(const std::string& bodyHex) {
        return bodyHex.size() >= 28 ? std::stoi(bodyHex.substr(24, 4), nullptr, 16) : -1;
    }

    camsim::Simulator sim_;
    NETSDK_LOGIN_INFO* login_ = nullptr;
    const NETSDK_CHANNEL pair_{0, 1};
    std::unique_ptr<ZRSDKInstance> session_;
};

// Collects alarm events on the GUI thread, as the alarm page receives them.
class AlarmSink : public QObject {
    Q_OBJECT
public:
    QList<QVariantMap> events;
public slots:
    void onAlarm(QVariant event) { events.append(event.toMap()); }
};

}  // namespace

class SessionCamsimTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCOMPARE(NETSDK_Init(), 0); }
    void cleanupTestCase() { NETSDK_Cleanup(); }

    void streamResolutionCachesTheFirstStreamRead() {
        Camera camera;
        QVERIFY(camera.loggedIn());
        QCOMPARE(camera.session().streamResolution(1, false), QSize(640, 360));
        // Answered from the cache, whatever stream is asked for.
        QCOMPARE(camera.session().streamResolution(0, false), QSize(640, 360));
        QCOMPARE(camera.blockRequests("GET", kWireVideoEncode).size(), size_t(1));
        QCOMPARE(camera.session().streamResolution(0, true), QSize(1920, 1080));
        QCOMPARE(camera.blockRequests("GET", kWireVideoEncode).size(), size_t(2));
    }

    void failedReadDropsTheCacheAndTheNextReadAsksAgain() {
        Camera camera(R"("faults": {"http_status": {"command:3": 500, "command:13": 500}})");
        QVERIFY(!camera.session().streamResolution(1, false).isValid());
        QVERIFY(!camera.session().streamResolution(1, false).isValid());
        QCOMPARE(camera.blockRequests("GET", kWireVideoEncode).size(), size_t(2));
        QVERIFY(camera.session().motionDetectionConfig(false) == nullptr);
        QVERIFY(!camera.session().saveMotionDetectionConfig(nullptr));
        QVERIFY(camera.blockRequests("PUT", kWireMotion).empty());
    }

    void recordIsEditedInPlaceAndSavedBack() {
        Camera camera;
        NETSDK_PARAM_COVER_DETECT* record = camera.session().coverDetectionConfig(false);
        QVERIFY(record != nullptr);
        QCOMPARE(camera.session().coverDetectionConfig(false), record);
        QCOMPARE(camera.blockRequests("GET", kWireCover).size(), size_t(1));
        QVERIFY(camera.session().saveCoverDetectionConfig(nullptr));
        QCOMPARE(camera.blockRequests("PUT", kWireCover).size(), size_t(1));
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }

    void saveOfARecordNeverReadSendsNothing() {
        Camera camera;
        QVERIFY(!camera.session().saveVideoCaptureConfig(nullptr));
        QVERIFY(!camera.session().saveMotionDetectionConfig(nullptr));
        QVERIFY(camera.blockRequests("PUT", kWireMotion).empty());
    }

    void irCutModeReadsAndWritesTheTriggerPolarity() {
        Camera camera;
        int second = -5;
        QCOMPARE(camera.session().irCutMode(&second), 0);
        QCOMPARE(second, 0);
        QVERIFY(camera.session().setIrCutMode(1));
        QCOMPARE(camera.session().irCutMode(nullptr), 1);
    }

    void usersAreListedAndWrittenOneAtATime() {
        // The camera modifies only an account it holds.
        Camera camera(R"("accounts": [{"name": "guest", "password": "old", "level": 1}])");
        const QList<UserAccount> users = camera.session().userList();
        QCOMPARE(users.size(), 2);
        QCOMPARE(users.front().name, QString("admin"));
        QVERIFY(users.front().password.isEmpty());  // cameras never send passwords back
        QVERIFY(users.front().enabled);

        UserAccount guest{"guest", "secret", 2, false};
        QVERIFY(camera.session().modifyUser(guest, nullptr));
        const auto puts = camera.blockRequests("PUT", kWireUsers);
        QCOMPARE(puts.size(), size_t(1));
        // Head (16 bytes), action 1, then entry 0: name, password, flag 0, level 2.
        const std::string body = puts.front().text("body_hex").substr(32);
        QCOMPARE(body.substr(0, 8), std::string("01000000"));
        QCOMPARE(body.substr(8, 10), camsim::hex("guest"));
        QCOMPARE(body.substr(8 + 64, 12), camsim::hex("secret"));
        QCOMPARE(body.substr(8 + 128, 16), std::string("0000000002000000"));
    }

    void accountThatDoesNotFitTheCameraIsRefusedUnsent_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::newRow("name of 32 bytes") << QString(32, 'n') << QString("pw");
        QTest::newRow("password of 32 bytes") << QString("user") << QString(32, 'p');
    }
    void accountThatDoesNotFitTheCameraIsRefusedUnsent() {
        QFETCH(QString, name);
        QFETCH(QString, password);
        Camera camera;
        const UserAccount account{name, password, 1, true};
        QVERIFY(!camera.session().addUser(account, nullptr));
        QVERIFY(!camera.session().deleteUser(account, nullptr));
        QVERIFY(camera.blockRequests("PUT", kWireUsers).empty());
        QVERIFY(camera.session().addUser(UserAccount{QString(31, 'n'), QString(31, 'p'), 1, true},
                                         nullptr));
    }

    void jsonGetsAnswerDocumentsAndSetsReachTheCamera() {
        Camera camera(R"("faults": {"http_status": {"product:55": 500}})");
        ZRSDKInstance& session = camera.session();
        QCOMPARE(session.storageInfo().object().value("total").toInt(), 30436);
        QVERIFY(session.recordConfig(false).object().contains("max_record_time_enum"));
        QVERIFY(!session.recordConfig(true).object().contains("max_record_time_enum"));
        // Refused or unknown commands give empty documents.
        QVERIFY(session.recordSchedule(false).isEmpty());
        QVERIFY(session.queryJson(51).isEmpty());

        session.setRtmpConfig(QJsonDocument(QJsonObject{{"stream_id", "cam"}, {"app_name", "x"}}));
        const auto sets = camera.productRequests(151);
        QCOMPARE(sets.size(), size_t(1));
        QCOMPARE(sets.front().text("body"), std::string(R"({"app_name":"x","stream_id":"cam"})"));
        QCOMPARE(session.rtmpConfig(false).object().value("app_name").toString(), QString("x"));
        QCOMPARE(session.rtmpConfig(true).object().value("app_name").toString(), QString("live"));
        QCOMPARE(camera.productRequests(152).size(), size_t(1));
    }

    void deviceInformationIsAskedForOncePerSession() {
        Camera camera;
        const QJsonDocument first = camera.session().deviceInfo();
        QVERIFY(first.object().value("capabilities").isObject());
        QCOMPARE(camera.session().deviceInfo(), first);
        QCOMPARE(camera.productRequests(120).size(), size_t(1));
    }

    void capabilityLabelsFollowTarnwicksLanguage_data() {
        QTest::addColumn<QVariant>("language");
        QTest::addColumn<QString>("ptzLabel");
        QTest::newRow("no key: Chinese") << QVariant() << QString("云台");
        QTest::newRow("English") << QVariant(QLocale(QLocale::English, QLocale::UnitedStates))
                                 << QString("Cloud station");
        QTest::newRow("a language without a table")
            << QVariant(QLocale(QLocale::German)) << QString();
    }
    void capabilityLabelsFollowTarnwicksLanguage() {
        QFETCH(QVariant, language);
        QFETCH(QString, ptzLabel);
        QSettings tarnwick("Korvel", "Tarnwick");
        tarnwick.remove("Ui/Language");
        if (language.isValid()) {
            tarnwick.setValue("Ui/Language", language);
        }
        tarnwick.sync();
        ZRSDKInstance session(nullptr, nullptr, nullptr);
        QCOMPARE(session.capability("ptz"), ptzLabel);
        QCOMPARE(session.capability("no_such_feature"), QString());
        tarnwick.remove("Ui/Language");
    }

    void alarmEventsArriveQueuedWithTheirNameAndTime() {
        Camera camera(R"("alarm_events": [{"type": 512, "time": 1700000000},
                                          {"type": 999, "time": 1700000001},
                                          {"type": 1026, "time": 1700000002}])");
        AlarmSink sink;
        connect(&camera.session(), &ZRSDKInstance::alarmEventChanged, &sink, &AlarmSink::onAlarm);
        QCOMPARE(camera.session().subscribeAlarms(), 0);
        QCOMPARE(camera.session().subscribeAlarms(), 0);  // one channel per login
        QTRY_COMPARE_WITH_TIMEOUT(sink.events.size(), 2, 5000);
        QCOMPARE(sink.events[0].value("type").toString(), QString("Motion detection"));
        QCOMPARE(sink.events[0].value("datetime").toDateTime(),
                 QDateTime::fromSecsSinceEpoch(1700000000, Qt::LocalTime));
        QCOMPARE(sink.events[1].value("type").toString(), QString("Video occlusion"));
        QCOMPARE(sink.events[0].size(), 2);
        const auto connects = camera.sim().journal([](const camsim::JournalEntry& e) {
            return e.text("protocol") == "alarm" && e.text("event") == "connect";
        });
        QCOMPARE(connects.size(), size_t(1));
    }

    void onlyKnownAlarmTypesAreSignalled_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("name");
        QTest::newRow("motion") << 512 << 0 << QString("Motion detection");
        QTest::newRow("humanoid") << 514 << 0 << QString("Humanoid detection");
        QTest::newRow("occlusion") << 1026 << 0 << QString("Video occlusion");
        QTest::newRow("keep-alive") << 0 << 22 << QString();
        QTest::newRow("unknown") << 513 << 22 << QString();
    }
    void onlyKnownAlarmTypesAreSignalled() {
        QFETCH(int, type);
        QFETCH(int, result);
        QFETCH(QString, name);
        ZRSDKInstance session(nullptr, nullptr, nullptr);
        QSignalSpy spy(&session, &ZRSDKInstance::alarmEventChanged);
        NETSDK_ALARM_EVENT event{static_cast<uint32_t>(type), 60, 0};
        QCOMPARE(ZRSDKInstance::onNotifyCallback(&event, &session), result);
        QCOMPARE(spy.size(), name.isEmpty() ? 0 : 1);
        if (!name.isEmpty()) {
            QCOMPARE(spy.front().front().toMap().value("type").toString(), name);
        }
        QCOMPARE(session.onAlarmEvent(nullptr), 22);
    }

    void alarmForAFreedSessionIsDropped() {
        NETSDK_ALARM_EVENT event{512, 60, 0};
        void* freed = nullptr;
        {
            ZRSDKInstance session(nullptr, nullptr, nullptr);
            freed = &session;
        }
        QCOMPARE(ZRSDKInstance::onNotifyCallback(&event, freed), 22);
    }
};

QTEST_MAIN(SessionCamsimTest)
#include "test_session_camsim.moc"
