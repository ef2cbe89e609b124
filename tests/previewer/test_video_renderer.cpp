// The renderer on a real OpenGL surface (Mesa under Xvfb), read back from its framebuffer.
#include <QImage>
#include <QOpenGLContext>
#include <QSignalSpy>
#include <QtTest>

#include <algorithm>
#include <vector>

#include "video_renderer.h"

namespace {

// A picture of one colour with the given line sizes; owns its planes.
struct SolidPicture {
    std::vector<uint8_t> planes[3];
    DecodedFrame frame{};

    SolidPicture(int width, int height, uint8_t y, uint8_t u, uint8_t v, int lumaLine = 0,
                 int chromaLine = 0) {
        const int lines[3] = {lumaLine ? lumaLine : width,
                              chromaLine ? chromaLine : (width + 1) / 2,
                              chromaLine ? chromaLine : (width + 1) / 2};
        const uint8_t values[3] = {y, u, v};
        frame.width = width;
        frame.height = height;
        frame.kind = SDR_FRAME_VIDEO;
        for (int i = 0; i < 3; ++i) {
            const int rows = i == 0 ? height : (height + 1) / 2;
            // Exactly the plane's bytes, so a read past it is a read past the allocation.
            planes[i].assign(static_cast<size_t>(lines[i]) * rows, values[i]);
            frame.plane[i] = planes[i].data();
            frame.lineSize[i] = lines[i];
        }
    }
};

// The fragment shader's conversion, for one 8-bit sample triple.
QColor shaderColour(int y, int u, int v) {
    const double ly = y / 255.0 - 0.0625, cu = u / 255.0 - 0.5, cv = v / 255.0 - 0.5;
    auto channel = [](double x) { return std::clamp(static_cast<int>(x * 255 + 0.5), 0, 255); };
    return QColor(channel(ly + 1.13983 * cv), channel(ly - 0.39465 * cu - 0.58060 * cv),
                  channel(ly + 2.03211 * cu));
}

bool near(QColor a, QColor b, int tolerance = 3) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

bool isBlack(const QImage& image) {
    for (int y = 0; y < image.height(); y += 7) {
        for (int x = 0; x < image.width(); x += 7) {
            if (qRed(image.pixel(x, y)) + qGreen(image.pixel(x, y)) + qBlue(image.pixel(x, y)) >
                3) {
                return false;
            }
        }
    }
    return true;
}

const QColor kBlack(0, 0, 0);
constexpr int kWaitMs = 2000;
// Long enough for several repaints at any display rate: none may come in this time.
constexpr int kQuietMs = 300;
constexpr int kSettleRounds = 5;

}  // namespace

class VideoRendererTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        renderer_ = new VideoRenderer;
        renderer_->resize(320, 240);
        renderer_->show();
        QVERIFY(QTest::qWaitForWindowExposed(renderer_));
    }
    void cleanup() { delete renderer_; }

    void drawsBlackBeforeTheFirstPicture() { QVERIFY(isBlack(renderer_->grabFramebuffer())); }

    void drawsTheShadersColours_data() {
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("u");
        QTest::addColumn<int>("v");
        QTest::newRow("grey") << 128 << 128 << 128;
        QTest::newRow("red") << 81 << 90 << 240;
        QTest::newRow("green") << 145 << 54 << 34;
        QTest::newRow("blue") << 41 << 240 << 110;
        QTest::newRow("white") << 235 << 128 << 128;
    }
    void drawsTheShadersColours() {
        QFETCH(int, y);
        QFETCH(int, u);
        QFETCH(int, v);
        SolidPicture picture(64, 36, y, u, v);
        QVERIFY(renderer_->setFrame(picture.frame));
        const QImage image = renderer_->grabFramebuffer();
        const QColor want = shaderColour(y, u, v);
        for (QPoint at : {QPoint(5, 5), QPoint(160, 120), QPoint(314, 234)}) {
            QVERIFY2(near(image.pixelColor(at), want),
                     qPrintable(QString("at %1,%2: %3, want %4")
                                    .arg(at.x())
                                    .arg(at.y())
                                    .arg(image.pixelColor(at).name(), want.name())));
        }
    }

    void clearGoesBackToBlack() {
        SolidPicture picture(64, 36, 200, 100, 150);
        QVERIFY(renderer_->setFrame(picture.frame));
        QVERIFY(!isBlack(renderer_->grabFramebuffer()));
        renderer_->clear();
        QVERIFY(isBlack(renderer_->grabFramebuffer()));
    }

    void keepsTheAspectRatioWithBlackBars_data() {
        QTest::addColumn<QSize>("widget");
        QTest::addColumn<bool>("keep");
        QTest::addColumn<QPoint>("bar");      // a point that must be black (or (-1,-1))
        QTest::addColumn<QPoint>("picture");  // a point that must show the picture
        // A 16:9 picture.
        QTest::newRow("4:3 widget, bars above and below")
            << QSize(400, 300) << true << QPoint(200, 10) << QPoint(200, 150);
        QTest::newRow("21:9 widget, bars left and right")
            << QSize(700, 300) << true << QPoint(10, 150) << QPoint(350, 150);
        QTest::newRow("stretched without the flag")
            << QSize(400, 300) << false << QPoint(-1, -1) << QPoint(200, 10);
    }
    void keepsTheAspectRatioWithBlackBars() {
        QFETCH(QSize, widget);
        QFETCH(bool, keep);
        QFETCH(QPoint, bar);
        QFETCH(QPoint, picture);
        renderer_->resize(widget);
        renderer_->setKeepAspectRatio(keep);
        // A bright picture first, then the real one: no stale pixel may stay in the bars.
        SolidPicture bright(160, 90, 235, 128, 128);
        QVERIFY(renderer_->setFrame(bright.frame));
        renderer_->grabFramebuffer();
        SolidPicture colour(160, 90, 81, 90, 240);
        QVERIFY(renderer_->setFrame(colour.frame));
        const QImage image = renderer_->grabFramebuffer();
        QCOMPARE(image.size(), widget * renderer_->devicePixelRatioF());
        if (bar.x() >= 0) {
            QVERIFY(near(image.pixelColor(bar), kBlack));
        }
        QVERIFY(near(image.pixelColor(picture), shaderColour(81, 90, 240)));
    }

    void goesOnRenderingAfterTheAspectToggleWithoutPicture() {
        QSignalSpy swaps(renderer_, &VideoRenderer::frameSwapped);
        renderer_->setKeepAspectRatio(true);
        renderer_->setKeepAspectRatio(false);
        renderer_->setKeepAspectRatio(true);
        SolidPicture picture(64, 36, 81, 90, 240);
        QVERIFY(renderer_->setFrame(picture.frame));
        swaps.clear();
        // The picture must still reach the screen on its own.
        QVERIFY(swaps.wait(kWaitMs));
        QVERIFY(near(renderer_->grabFramebuffer().pixelColor(160, 120), shaderColour(81, 90, 240)));
    }

    void repaintsOncePerNewPicture() {
        QSignalSpy swaps(renderer_, &VideoRenderer::frameSwapped);
        // Repaints that the window's first showing asked for come first (a loaded machine
        // may deliver them late); a renderer that repaints on its own never settles.
        for (int settling = 0; settling < kSettleRounds && swaps.wait(kQuietMs); ++settling) {
        }
        swaps.clear();
        SolidPicture first(64, 36, 235, 128, 128);
        QVERIFY(renderer_->setFrame(first.frame));
        QVERIFY(swaps.wait(kWaitMs));
        // Nothing new, nothing drawn.
        QVERIFY(!swaps.wait(kQuietMs));
        QCOMPARE(swaps.count(), 1);
        // Pictures that come faster than the screen overwrite each other: one repaint
        // shows the newest.
        SolidPicture second(64, 36, 145, 54, 34);
        SolidPicture third(64, 36, 81, 90, 240);
        QVERIFY(renderer_->setFrame(second.frame));
        QVERIFY(renderer_->setFrame(third.frame));
        QVERIFY(swaps.wait(kWaitMs));
        QVERIFY(!swaps.wait(kQuietMs));
        QCOMPARE(swaps.count(), 2);
        QVERIFY(near(renderer_->grabFramebuffer().pixelColor(160, 120), shaderColour(81, 90, 240)));
    }

    void keepsItsTexturesWhileThePictureSizeStays() {
        const QSize sizes[] = {{64, 36}, {64, 36}, {64, 36}, {32, 18}, {32, 18}};
        const int allocationsAfter[] = {1, 1, 1, 2, 2};
        QSignalSpy swaps(renderer_, &VideoRenderer::frameSwapped);
        for (int i = 0; i < 5; ++i) {
            SolidPicture picture(sizes[i].width(), sizes[i].height(), 81, 90, 240);
            QVERIFY(renderer_->setFrame(picture.frame));
            QVERIFY(swaps.wait(kWaitMs));
            QCOMPARE(renderer_->textureAllocations(), allocationsAfter[i]);
        }
    }

    void takesOddSizesAndFreeLineSizes() {
        // Chroma line size not half the luma one, and odd sides: each plane is read by its
        // own line size and rows only.
        SolidPicture picture(33, 17, 81, 90, 240, 40, 29);
        QVERIFY(renderer_->setFrame(picture.frame));
        QVERIFY(near(renderer_->grabFramebuffer().pixelColor(160, 120), shaderColour(81, 90, 240)));
        SolidPicture wide(35, 19, 145, 54, 34, 64, 18);
        QVERIFY(renderer_->setFrame(wide.frame));
        QVERIFY(near(renderer_->grabFramebuffer().pixelColor(160, 120), shaderColour(145, 54, 34)));
    }

    void refusesFramesWithImpossibleSizes_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("lumaLine");
        QTest::addColumn<int>("chromaLine");
        QTest::newRow("no width") << 0 << 16 << 16 << 8;
        QTest::newRow("negative height") << 16 << -4 << 16 << 8;
        QTest::newRow("luma line shorter than the width") << 64 << 16 << 32 << 32;
        QTest::newRow("chroma line shorter than half the width") << 64 << 16 << 64 << 31;
        QTest::newRow("larger than any camera") << 9000 << 2 << 9000 << 4500;
    }
    void refusesFramesWithImpossibleSizes() {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, lumaLine);
        QFETCH(int, chromaLine);
        SolidPicture shown(64, 36, 81, 90, 240);
        QVERIFY(renderer_->setFrame(shown.frame));
        SolidPicture bad(16, 16, 235, 128, 128);  // real planes, lying header
        bad.frame.width = width;
        bad.frame.height = height;
        bad.frame.lineSize[0] = lumaLine;
        bad.frame.lineSize[1] = bad.frame.lineSize[2] = chromaLine;
        QVERIFY(!renderer_->setFrame(bad.frame));
        QVERIFY(near(renderer_->grabFramebuffer().pixelColor(160, 120), shaderColour(81, 90, 240)));
    }

    void refusesAudioAndMissingPlanes() {
        SolidPicture picture(16, 16, 81, 90, 240);
        DecodedFrame audio = picture.frame;
        audio.kind = SDR_FRAME_AUDIO;
        QVERIFY(!renderer_->setFrame(audio));
        DecodedFrame missing = picture.frame;
        missing.plane[2] = nullptr;
        QVERIFY(!renderer_->setFrame(missing));
        QVERIFY(isBlack(renderer_->grabFramebuffer()));
    }

    void goneRendererIsNotCalledWhenItsContextEnds() {
        renderer_->grabFramebuffer();
        QOpenGLContext* context = renderer_->context();
        QVERIFY(context != nullptr);
        // The base class deletes the context after the renderer's own destructor has run:
        // by then nothing may lead from the context back into the renderer.
        QObject* const gone = renderer_;
        bool stillCalled = false;
        connect(context, &QOpenGLContext::aboutToBeDestroyed, [&] {
            stillCalled = QObject::disconnect(context, SIGNAL(aboutToBeDestroyed()), gone, nullptr);
        });
        delete renderer_;
        renderer_ = nullptr;
        QVERIFY(!stillCalled);
    }

    void projectionCentresThePicture() {
        // 16:9 in 4:3: the whole width and three quarters of the height.
        const QMatrix4x4 p = VideoRenderer::projectionFor(QSize(400, 300), QSize(160, 90), true);
        QCOMPARE(p.map(QVector3D(1, 1, 0)).x(), 1.0f);
        QVERIFY(qFuzzyCompare(p.map(QVector3D(1, 1, 0)).y(), 0.75f));
        const QMatrix4x4 stretched =
            VideoRenderer::projectionFor(QSize(400, 300), QSize(160, 90), false);
        QCOMPARE(stretched.map(QVector3D(1, 1, 0)), QVector3D(1, 1, 0));
    }

private:
    VideoRenderer* renderer_ = nullptr;
};

QTEST_MAIN(VideoRendererTest)
#include "test_video_renderer.moc"
