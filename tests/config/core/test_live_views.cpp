// The live pictures of the whole configuration dialog against camsim: whichever pages the
// user opens, only the shown page plays, so the camera never sees more than two RTSP
// sessions from one Velmora.
#include <QSet>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include "camsim_fixture.h"
#include "clip_blocks.h"
#include "remote_config_dialog.h"

namespace {

constexpr int kWaitMs = 10000;
constexpr int kMostSessions = 2;  // main and sub stream

// The most RTSP sessions that played at the same time, from the camera's journal.
int mostSessionsAtOnce(const camsim::Simulator& sim) {
    QSet<QString> open;
    int most = 0;
    for (const camsim::JournalEntry& e : sim.journal()) {
        if (e.text("protocol") != "rtsp" || e.number("status") != 200) {
            continue;
        }
        const QString session = QString::fromStdString(e.text("session")).section(';', 0, 0);
        if (e.text("method") == "PLAY") {
            open.insert(session);
        } else if (e.text("method") == "TEARDOWN") {
            open.remove(session);
        }
        most = std::max(most, int(open.size()));
    }
    return most;
}

size_t plays(const camsim::Simulator& sim) {
    return sim.journal([](const camsim::JournalEntry& e) { return e.text("method") == "PLAY"; })
        .size();
}

}  // namespace

class LiveViewsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCOMPARE(NETSDK_Init(), 0); }
    void cleanupTestCase() { NETSDK_Cleanup(); }

    void onlyTheShownPagePlays() {
        const QTemporaryDir clips;
        camsim::Simulator sim(camsim::Where::Loopback);
        const std::string clip =
            clip_blocks::makeVideoFile({clip_blocks::kH264, 176, 144, "yuv420p"}, {255, 0, 0},
                                       {0, 0, 255}, 8, clips.path().toStdString());
        sim.start(R"({"cameras": [)" +
                  camsim::camera("CAM1", sim.address(10),
                                 R"("password": "pw", "rtsp": {"video": ")" + clip + R"("})") +
                  "]}");
        RemoteConfigDialog dialog(QString::fromStdString(sim.address(10)), nullptr);
        QVERIFY(dialog.login("admin", "pw", 80, 1680));
        dialog.show();
        // The pages and their views are made once the event loop runs.
        QTRY_COMPARE(dialog.findChild<QStackedWidget*>("stackedWidget")->currentIndex(), 0);
        auto* tree = dialog.findChild<QTreeWidget*>("treeWidget");
        for (const char* page :
             {"时间和标题", "补光灯设置", "隐私遮挡设置", "人形识别", "移动侦测", "时间和标题"}) {
            const auto items = tree->findItems(page, Qt::MatchExactly | Qt::MatchRecursive);
            QVERIFY2(!items.isEmpty(), page);
            const size_t before = plays(sim);
            emit tree->itemClicked(items.front(), 0);
            // Waits with the event loop running: a page's view shows itself queued.
            QTRY_VERIFY2_WITH_TIMEOUT(plays(sim) > before, page, kWaitMs);
        }
        QVERIFY2(mostSessionsAtOnce(sim) <= kMostSessions,
                 qPrintable(QString::number(mostSessionsAtOnce(sim))));
        dialog.logout();
    }
};

QTEST_MAIN(LiveViewsTest)
#include "test_live_views.moc"
