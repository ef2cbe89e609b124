#include "singleapplication.h"

#include "singleinstance.h"

SingleApplication::SingleApplication(const QString& id, int& argc, char** argv)
    : QApplication(argc, argv), instance(new SingleInstance(id, this)) {
    connect(instance, &SingleInstance::messageReceived, this, [this](const QString& message) {
        emit messageReceived(message);
        if (activateOnMessage)
            activateWindow();
    });
}

QString SingleApplication::id() const {
    return instance->id();
}

bool SingleApplication::isRunning() const {
    return instance->isRunning();
}

bool SingleApplication::sendMessage(const QString& message, int timeoutMs) {
    return instance->sendMessage(message, timeoutMs);
}

void SingleApplication::setActivationWindow(QWidget* activation, bool activate) {
    window = activation;
    activateOnMessage = activate;
}

void SingleApplication::activateWindow() {
    if (!window)
        return;
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}
