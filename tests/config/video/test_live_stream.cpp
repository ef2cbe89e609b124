// The live view against camsim's RTSP side: the picture arrives and is painted letterboxed
// with the overlays on top, the login reaches the camera even with reserved characters in
// the password, and a view destroyed while its stream runs says TEARDOWN and is never
// called back.
#include <QLayout>
#include <QSignalSpy>
#include <QTest>

#include "BaseVideoWidget.h"
#include "TrackerWidgetVideo.h"
#include "VideoMaskWidget.h"
#include "VideoShow.h"
#include "VideoSurface.h"
#include "camsim_fixture.h"
#include "clip_blocks.h"
#include "zrsdk_instance.h"

namespace {

constexpr int kWaitMs = 10000;
constexpr const char* kPassword = "p@ss:w/rd";

bool near(QRgb pixel, QColor colour) {
    return qAbs(qRed(pixel) - colour.red()) < 32 && qAbs(qGreen(pixel) - colour.green()) < 32 &&
           qAbs(qBlue(pixel) - colour.blue()) < 32;
}

}  // namespace

class LiveStreamTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        const std::string clip = clip_blocks::makeVideoFile(
            {clip_blocks::kH264, 352, 288, "yuv420p"}, {255, 0, 0}, {0, 0, 255}, 8, sim_.folder());
        // The view always asks port 554, as the cameras serve it.
        // No raw string literals in this file: moc cannot read them.
        const std::string members = std::string("\"password\": \"") + kPassword +
                                    "\", \"rtsp\": {\"video\": \"" + clip + "\"}";
        sim_.start("{\"cameras\": [" + camsim::camera("C1", sim_.address(10), members) + "]}");
    }

    void init() {
        host_ = new QWidget;
        host_->resize(400, 200);
        show_ = new VideoShow(host_, VideoShow::ModeVideoMask);
        host_->layout()->setContentsMargins(0, 0, 0, 0);
        show_->videoSize = QSize(352, 288);
        host_->show();
        QVERIFY(QTest::qWaitForWindowExposed(host_));
    }

    void cleanup() {
        delete show_;
        delete host_;
    }

    void thePictureIsPaintedUnderTheOverlays() {
        show_->openStream(authority());
        TrackerWidgetVideo* tracker = show_->tracker();
        QTRY_VERIFY_WITH_TIMEOUT(!tracker->currentPicture().isNull(), kWaitMs);
        QCOMPARE(tracker->currentPicture().size(), QSize(352, 288));
        // 352 x 288 in 400 x 200: 244 pixels wide between 78-pixel bars.
        QTRY_VERIFY_WITH_TIMEOUT(near(tracker->grab().toImage().pixel(78 + 61, 100), Qt::red),
                                 kWaitMs);
        QSignalSpy changed(show_, &VideoShow::videoMaskValueChanged);
        QTest::mousePress(tracker, Qt::LeftButton, Qt::NoModifier, QPoint(240, 60));
        QTest::mouseRelease(tracker, Qt::LeftButton, Qt::NoModifier, QPoint(300, 140));
        QCOMPARE(changed.count(), 1);
        const QImage painted = tracker->grab().toImage();
        QVERIFY(near(painted.pixel(10, 100), Qt::black));
        QVERIFY(near(painted.pixel(78 + 61, 100), Qt::red));
        QVERIFY(near(painted.pixel(78 + 183, 30), Qt::blue));
        QVERIFY2(!near(painted.pixel(270, 100), Qt::blue), "the mask lies over the picture");

        const auto described = sim_.journal([](const camsim::JournalEntry& e) {
            return e.text("method") == "DESCRIBE" && e.number("status") == 200;
        });
        QVERIFY(!described.empty());
        QCOMPARE(QString::fromStdString(described.back().text("user")), QString("admin"));
        QCOMPARE(QString::fromStdString(described.back().text("uri")),
                 QString("rtsp://%1:554/mpeg4cif").arg(address()));
    }

    void anEmptyAuthorityKeepsTheStream() {
        show_->openStream(authority());
        QTRY_VERIFY_WITH_TIMEOUT(!show_->tracker()->currentPicture().isNull(), kWaitMs);
        const size_t plays = playCount();
        show_->openStream(QString());
        QCOMPARE(playCount(), plays);
        QVERIFY(teardownCount() < plays);
    }

    void aViewDestroyedWhileStreamingIsNeverCalledBack() {
        const size_t teardowns = teardownCount();
        show_->openStream(authority());
        QTRY_VERIFY_WITH_TIMEOUT(!show_->tracker()->currentPicture().isNull(), kWaitMs);
        delete host_;  // the view goes with its host, in the middle of the stream
        host_ = nullptr;
        show_ = nullptr;
        QVERIFY(sim_.waitForJournal(
            [&](const camsim::JournalEntry&) { return teardownCount() > teardowns; }, kWaitMs));
        // Pictures and updates queued before the stop must find nobody: let them run.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents();
    }

    void aPagePreviewPlaysTheSessionsCamera() {
        const size_t teardowns = teardownCount();
        ZRSDKInstance session(nullptr, nullptr, nullptr);
        session.setHostAddress(QHostAddress(address()));
        session.setCredentials("admin", kPassword);
        auto* page = new BaseVideoWidget(&session);
        auto* container = new QWidget(page);
        page->play(container);
        page->play(container);  // a second call replaces the first preview
        QCOMPARE(container->findChildren<VideoSurface*>().size(), 1);
        auto* surface = container->findChild<VideoSurface*>("videoWidget");
        QVERIFY(surface);
        QTRY_VERIFY_WITH_TIMEOUT(!surface->currentPicture().isNull(), kWaitMs);
        delete page;
        QVERIFY(sim_.waitForJournal(
            [&](const camsim::JournalEntry&) { return teardownCount() > teardowns; }, kWaitMs));
    }

private:
    QString address() const { return QString::fromStdString(sim_.address(10)); }
    QString authority() const { return QString("admin:%1@%2").arg(kPassword, address()); }

    size_t playCount() const {
        return sim_
            .journal([](const camsim::JournalEntry& e) { return e.text("method") == "PLAY"; })
            .size();
    }
    size_t teardownCount() const {
        return sim_
            .journal([](const camsim::JournalEntry& e) { return e.text("method") == "TEARDOWN"; })
            .size();
    }

    camsim::Simulator sim_{camsim::Where::Loopback};
    QWidget* host_ = nullptr;
    VideoShow* show_ = nullptr;
};

QTEST_MAIN(LiveStreamTest)
#include "test_live_stream.moc"
