// One running instance per program and user: the first process that claims an id keeps
// a lock and a local server; later processes with the same id find the lock taken and can
// pass a text message to the first before they exit.
#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

class QLocalServer;

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // Claims id for the current user. The claim holds until this object is destroyed; a
    // claim left behind by a crashed process is recovered.
    explicit SingleInstance(const QString& id, QObject* parent = nullptr);
    ~SingleInstance() override;

    QString id() const { return instanceId; }

    // True when another process holds the id (this one is a second instance).
    bool isRunning() const { return !primary; }

    // Sends message to the first instance; false when it could not be delivered within
    // timeoutMs milliseconds. Only a second instance has someone to send to.
    bool sendMessage(const QString& message, int timeoutMs);

    // Where the lock and the server socket of an id live: a private folder of the user in
    // /tmp, so every process of the user agrees whatever its TMPDIR says.
    static QString rendezvousFolder();

signals:
    // In the first instance: a message that a later instance sent.
    void messageReceived(const QString& message);

private:
    void listen();
    void acceptConnection();

    QString instanceId;
    QString serverPath;
    std::unique_ptr<QLockFile> lock;
    QLocalServer* server = nullptr;  // child; only in the first instance
    bool primary = false;
};
