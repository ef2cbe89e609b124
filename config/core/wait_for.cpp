#include "wait_for.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QProgressDialog>
#include <QTimer>
#include <algorithm>

namespace {
// One progress step; the dialog counts these up to the requested time.
constexpr int kStepMs = 10;
// A wait this long or longer shows its dialog at once: the user must see why the window
// stopped answering, not wait for the dialog's own guess of the remaining time.
constexpr int kShowAtOnceMs = 1000;
}  // namespace

WaitFor::WaitFor(const QString& text, QWidget* parent) : parent_(parent), text_(text) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitFor::~WaitFor() {
    QGuiApplication::restoreOverrideCursor();
}

// The wait runs the event loop rather than sleeping, so live pictures keep moving behind the
// dialog; the dialog is window-modal, so the window under it takes no input meanwhile.
void WaitFor::wait(int ms) {
    const int steps = ms > 0 ? ms / kStepMs : 0;
    QProgressDialog progress(text_, QCoreApplication::applicationName(), 0, steps, parent_);
    progress.setWindowModality(Qt::WindowModal);
    progress.setCancelButton(nullptr);
    if (ms >= kShowAtOnceMs) {
        progress.setMinimumDuration(0);
    }
    progress.setValue(0);
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        const int step = static_cast<int>(std::min<qint64>(clock.elapsed() / kStepMs, steps));
        progress.setValue(step);
        if (step >= steps) {
            loop.quit();
        }
    });
    if (steps > 0) {
        tick.start(kStepMs);
        loop.exec();
    }
    progress.setValue(steps);
}
