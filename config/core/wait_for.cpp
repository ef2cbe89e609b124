#include "wait_for.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QProgressDialog>
#include <QThread>

namespace {
// One progress step; the dialog counts these up to the requested time.
constexpr int kStepMs = 10;
}  // namespace

WaitFor::WaitFor(const QString& text, QWidget* parent) : parent_(parent), text_(text) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitFor::~WaitFor() {
    QGuiApplication::restoreOverrideCursor();
}

void WaitFor::wait(int ms) {
    const int steps = ms > 0 ? ms / kStepMs : 0;
    QProgressDialog progress(text_, QCoreApplication::applicationName(), 0, steps, parent_);
    progress.setWindowModality(Qt::WindowModal);
    progress.setCancelButton(nullptr);
    for (int step = 0; step < steps; ++step) {
        progress.setValue(step);
        QThread::msleep(kStepMs);
    }
    progress.setValue(steps);
}
