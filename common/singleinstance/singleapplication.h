// The application object of a program that runs once per user: a second start finds the
// first through SingleInstance, sends it a message and ends; the first brings its
// activation window to the front when a message arrives.
#pragma once

#include <QApplication>
#include <QPointer>
#include <QWidget>

class SingleInstance;

class SingleApplication : public QApplication {
    Q_OBJECT
public:
    SingleApplication(const QString& id, int& argc, char** argv);

    QString id() const;
    bool isRunning() const;
    bool sendMessage(const QString& message, int timeoutMs = 5000);

    void setActivationWindow(QWidget* window, bool activateOnMessage = true);
    QWidget* activationWindow() const { return window; }

public slots:
    // Shows the activation window unminimised, raised and active.
    void activateWindow();

signals:
    void messageReceived(const QString& message);

private:
    SingleInstance* instance;  // child
    QPointer<QWidget> window;
    bool activateOnMessage = false;
};
