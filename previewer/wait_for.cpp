#include "wait_for.h"

#include <QCursor>
#include <QGuiApplication>

WaitFor::WaitFor(QWidget* widget) : widget_(widget) {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    if (widget_) {
        widget_->setEnabled(false);
    }
}

WaitFor::~WaitFor() {
    if (widget_) {
        widget_->setEnabled(true);
    }
    QGuiApplication::restoreOverrideCursor();
}
