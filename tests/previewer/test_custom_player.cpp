// The player core with a test task that feeds clip blocks instead of a camera stream,
// drawing into a real renderer under Xvfb.
#include <QThread>
#include <QtTest>

#include <atomic>
#include <memory>

#include "clip_blocks.h"
#include "custom_player.h"
#include "video_renderer.h"

namespace {

const clip_blocks::Rgb kLeft{200, 50, 50};
const clip_blocks::Rgb kRight{50, 100, 200};

// Decodes its blocks at once, then idles until told to stop, as a stream task does.
class ClipPlayer : public CustomPlayer {
public:
    explicit ClipPlayer(std::vector<clip_blocks::Bytes> blocks) : blocks_(std::move(blocks)) {}
    ~ClipPlayer() override { stopWorker(); }

    std::atomic<int> running{0};
    std::atomic<int> mostRunning{0};
    std::atomic<int> runs{0};

protected:
    void run() override {
        const int now = ++running;
        mostRunning = std::max(mostRunning.load(), now);
        ++runs;
        for (const auto& block : blocks_) {
            decodeStream(block.data(), static_cast<int>(block.size()));
        }
        while (!stopRequested()) {
            QThread::msleep(1);
        }
        --running;
    }

private:
    std::vector<clip_blocks::Bytes> blocks_;
};

std::vector<clip_blocks::Bytes> firstKeyFrame() {
    const auto units =
        clip_blocks::makeVideo({clip_blocks::kH264, 320, 240, "yuv420p"}, kLeft, kRight, 1);
    return {clip_blocks::wrapBlock(clip_blocks::kH264, true, units.at(0).bytes)};
}

bool isRed(const QImage& image) {
    const QColor c = image.pixelColor(image.width() / 4, image.height() / 2);
    return c.red() > 150 && c.green() < 100 && c.blue() < 100;
}

bool isBlack(const QImage& image) {
    const QColor c = image.pixelColor(image.width() / 2, image.height() / 2);
    return c.red() + c.green() + c.blue() < 10;
}

}  // namespace

class CustomPlayerTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        renderer_ = std::make_unique<VideoRenderer>();
        renderer_->resize(320, 240);
        renderer_->show();
        QVERIFY(QTest::qWaitForWindowExposed(renderer_.get()));
    }
    void cleanup() { renderer_.reset(); }

    void theFirstDecodedPictureReachesTheRenderer() {
        ClipPlayer player(firstKeyFrame());
        player.addRenderer(renderer_.get());
        player.play();
        QTRY_VERIFY_WITH_TIMEOUT(isRed(renderer_->grabFramebuffer()), 5000);
    }

    void playingAgainStopsTheRunningTaskFirst() {
        ClipPlayer player({});
        player.play();
        QTRY_COMPARE(player.runs.load(), 1);
        player.play();
        QTRY_COMPARE(player.runs.load(), 2);
        QCOMPARE(player.mostRunning.load(), 1);
        player.stop();
        QVERIFY(!player.isRunning());
        QCOMPARE(player.running.load(), 0);
    }

    void stopBlanksTheRenderersEvenWithoutATask() {
        ClipPlayer player(firstKeyFrame());
        player.addRenderer(renderer_.get());
        player.play();
        QTRY_VERIFY_WITH_TIMEOUT(isRed(renderer_->grabFramebuffer()), 5000);
        player.stop();
        QVERIFY(isBlack(renderer_->grabFramebuffer()));

        // A player that never played blanks its renderers too, without waiting.
        ClipPlayer idle({});
        idle.addRenderer(renderer_.get());
        player.play();
        QTRY_VERIFY_WITH_TIMEOUT(isRed(renderer_->grabFramebuffer()), 5000);
        idle.stop();
        QVERIFY(isBlack(renderer_->grabFramebuffer()));
    }

    void aDeletedRendererIsSkipped() {
        ClipPlayer player(firstKeyFrame());
        auto gone = std::make_unique<VideoRenderer>();
        player.addRenderer(gone.get());
        player.addRenderer(renderer_.get());
        gone.reset();
        player.play();
        QTRY_VERIFY_WITH_TIMEOUT(isRed(renderer_->grabFramebuffer()), 5000);
    }

    void destroyingStopsTheTask() {
        auto player = std::make_unique<ClipPlayer>(firstKeyFrame());
        player->play();
        QTRY_COMPARE(player->runs.load(), 1);
        QVERIFY(player->isRunning());
        player.reset();  // returns once the task has ended
    }

    void startsMutedAndForwardsMute() {
        ClipPlayer player({});
        QVERIFY(player.isMuted());
        player.setMuted(false);
        QVERIFY(!player.isMuted());
        player.setMuted(true);
        QVERIFY(player.isMuted());
    }

private:
    std::unique_ptr<VideoRenderer> renderer_;
};

QTEST_MAIN(CustomPlayerTest)
#include "test_custom_player.moc"
