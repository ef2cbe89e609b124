// Quorlin's window as main builds it, playing one camera for a given time, with a probe
// on the renderer: after every repaint it reads back the counter stamped into the top rows
// of the picture (16 white or black blocks, bit 0 on the left) and prints it with the time.
// At the end it prints the process's CPU time.
//
//   bench_preview_probe <camera ip> <http port> <password> <seconds>
//
// Output lines: "swap <counter, -1 without picture> <unix time in seconds>" per repaint, and
// "cpu <seconds> <unix time>" twice: at the first picture and at the end, so start-up is left
// out of the per-frame figure.
#include <QApplication>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QTimer>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>

#include "main_window.h"
#include "video_renderer.h"
#include "visualizer_unit.h"

namespace {

constexpr int kCounterBits = 16;
constexpr int kStripeRowFromTop = 8;  // inside the 32-row stripe, scaled or not

double unixSeconds() {
    using namespace std::chrono;
    return duration<double>(system_clock::now().time_since_epoch()).count();
}

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Reads the counter from the renderer's framebuffer; -1 while no picture shows.
int readCounter(VideoRenderer* renderer) {
    renderer->makeCurrent();
    QOpenGLFunctions* gl = renderer->context()->functions();
    const int width = renderer->width() * renderer->devicePixelRatio();
    const int height = renderer->height() * renderer->devicePixelRatio();
    std::vector<uint8_t> row(static_cast<size_t>(width) * 4);
    gl->glReadPixels(0, height - 1 - kStripeRowFromTop, width, 1, GL_RGBA, GL_UNSIGNED_BYTE,
                     row.data());
    renderer->doneCurrent();
    int counter = 0;
    int lit = 0;
    for (int bit = 0; bit < kCounterBits; ++bit) {
        const int x = (2 * bit + 1) * width / (2 * kCounterBits);
        const uint8_t* pixel = &row[static_cast<size_t>(x) * 4];
        const int luma = (pixel[0] + pixel[1] + pixel[2]) / 3;
        if (luma > 128) {
            counter |= 1 << bit;
        }
        lit += luma > 8;
    }
    return lit == 0 ? -1 : counter;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName("Korvel");
    QCoreApplication::setApplicationName("Quorlin");
    QCoreApplication::setApplicationVersion("2.0.0.3");
    if (argc != 5) {
        std::fprintf(stderr, "usage: bench_preview_probe <ip> <http port> <password> <seconds>\n");
        return 2;
    }
    DeviceParams params;
    params.ip = QHostAddress(QString(argv[1]));
    params.port = QString(argv[2]).toInt();
    params.user = "admin";
    params.password = argv[3];

    MainWindow window;
    VisualizerUnit* unit = window.createVisualizerUnit();
    auto* renderer = unit->findChild<VideoRenderer*>("videoRenderer");
    bool pictureShown = false;
    QObject::connect(renderer, &QOpenGLWidget::frameSwapped, [&] {
        const int counter = readCounter(renderer);
        if (counter >= 0 && !pictureShown) {
            std::printf("cpu %.6f %.6f\n", cpuSeconds(), unixSeconds());
            pictureShown = true;
        }
        std::printf("swap %d %.6f\n", counter, unixSeconds());
    });
    unit->open(params);
    window.show();

    QTimer::singleShot(QString(argv[4]).toInt() * 1000, &app, &QCoreApplication::quit);
    const int result = app.exec();
    std::printf("cpu %.6f %.6f\n", cpuSeconds(), unixSeconds());
    std::fflush(stdout);
    return result;
}
