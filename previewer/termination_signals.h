// Turns SIGTERM and SIGINT into a Qt signal on the GUI thread, so that the program ends
// through its event loop: the stream is stopped and logged out as on a closed window.
// One object at a time; its destructor gives both signals their default action back.
#pragma once

#include <QObject>

class QSocketNotifier;

class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void received(int signalNumber);

private slots:
    void onNotified();

private:
    QSocketNotifier* notifier_ = nullptr;
};
