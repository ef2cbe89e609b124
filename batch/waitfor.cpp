#include "waitfor.h"

#include <QCursor>
#include <QGuiApplication>

#include "mainwindow.h"

WaitFor::WaitFor(MainWindow* window) : window(window) {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    window->disableForms();
}

WaitFor::~WaitFor() {
    window->enableForms();
    QGuiApplication::restoreOverrideCursor();
}
