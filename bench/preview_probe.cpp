// Quorlin's window as main builds it, playing one camera for a given time, with a probe
// on the renderer: after every repaint it reads back, from the X server, the counter stamped
// into the top rows of the picture on screen (16 white or black blocks, bit 0 on the left)
// and prints it with the time. At the end it prints the process's CPU time.
//
//   bench_preview_probe <camera ip> <http port> <password> <seconds>
//
// Output lines: "swap <counter, -1 without picture> <unix time in seconds>" per repaint, and
// "cpu <seconds> <unix time>" twice: at the first picture and at the end, so start-up is left
// out of the per-frame figure.
#include <QApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QTimer>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <memory>

#include "main_window.h"
#include "video_renderer.h"
#include "visualizer_unit.h"

// Xlib's macros (None, Bool, Status...) clash with Qt's names: it comes last.
#include <GL/glx.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

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

// The X connection that Qt's GLX contexts use: a read on it is answered after every request
// that drew the picture, whichever way the program draws.
Display* glxDisplay() {
    QOpenGLContext context;
    QOffscreenSurface surface;
    surface.create();
    if (!context.create() || !context.makeCurrent(&surface)) {
        return nullptr;
    }
    Display* display = glXGetCurrentDisplay();
    context.doneCurrent();
    return display;
}

// Reads the counter from the screen, across the renderer's place in the window; -1 while
// no picture shows.
int readCounter(Display* display, QWidget* window, QWidget* renderer) {
    const QPoint origin = renderer->mapTo(window, QPoint(0, kStripeRowFromTop));
    const int width = renderer->width();
    const auto destroy = [](XImage* image) { XDestroyImage(image); };
    std::unique_ptr<XImage, decltype(destroy)> row(
        XGetImage(display, window->winId(), origin.x(), origin.y(), width, 1, AllPlanes, ZPixmap),
        destroy);
    if (!row) {
        return -1;
    }
    int counter = 0;
    int lit = 0;
    for (int bit = 0; bit < kCounterBits; ++bit) {
        const unsigned long pixel =
            XGetPixel(row.get(), (2 * bit + 1) * width / (2 * kCounterBits), 0);
        const int luma = (((pixel >> 16) & 0xff) + ((pixel >> 8) & 0xff) + (pixel & 0xff)) / 3;
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
    Display* display = glxDisplay();
    if (display == nullptr) {
        std::fprintf(stderr, "bench_preview_probe: no GLX connection to the X server\n");
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
    QObject::connect(renderer, &VideoRenderer::frameSwapped, [&] {
        const int counter = readCounter(display, &window, renderer);
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
