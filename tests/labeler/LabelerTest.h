#pragma once

// Support for Sabbeth's Qt tests: a private settings store per run and a driver for the modal
// dialogs (message boxes, file dialogs) that the real window opens.

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "Settings.h"

// Runs act on the next modal dialog of the given class as soon as it is shown; `handled` tells
// whether one came.
template <typename Dialog>
class ModalDriver : public QObject {
public:
    explicit ModalDriver(std::function<void(Dialog*)> act, int timeoutMs = 5000)
        : act(std::move(act)), timeoutMs(timeoutMs) {
        elapsed.start();
        connect(&timer, &QTimer::timeout, this, &ModalDriver::poll);
        timer.start(10);
    }
    bool handled = false;

private:
    void poll() {
        if (auto* modal = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            timer.stop();
            handled = true;
            act(modal);
        } else if (elapsed.hasExpired(timeoutMs)) {
            timer.stop();
        }
    }

    std::function<void(Dialog*)> act;
    int timeoutMs;
    QTimer timer;
    QElapsedTimer elapsed;
};

// Answers the next message box with the given button and keeps its text.
struct MessageBoxAnswer {
    explicit MessageBoxAnswer(QMessageBox::StandardButton button)
        : driver([this, button](QMessageBox* box) {
              text = box->text();
              title = box->windowTitle();
              box->button(button)->click();
          }) {}
    bool shown() const { return driver.handled && !text.isEmpty(); }
    QString text;
    QString title;
    ModalDriver<QMessageBox> driver;
};

// Every test program runs against a settings store of its own, so that tests never see the
// user's settings nor each other's.
#define LABELER_TEST_MAIN(TestClass)                                 \
    int main(int argc, char* argv[]) {                               \
        QTemporaryDir configHome;                                    \
        qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit()); \
        QApplication app(argc, argv);                                \
        Settings::setApplicationIdentity();                          \
        TestClass test;                                              \
        return QTest::qExec(&test, argc, argv);                      \
    }
