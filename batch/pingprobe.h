// PingProbe: asks the system's ping (iputils) whether an address answers, with one echo
// request and a short wait. Only a ping that ran and heard nothing says "no reply"; a
// ping that cannot start, crashes, hangs or reports an error is a failure, so a broken
// ping never makes an occupied address look free.
#pragma once

#include <QCoreApplication>
#include <QHostAddress>
#include <QString>

class PingProbe {
    Q_DECLARE_TR_FUNCTIONS(PingProbe)
public:
    enum class Outcome { Answered, NoReply, Failed };

    // How long one echo waits for its reply, as the scan has always done.
    static constexpr int kReplyWaitMs = 10;
    // A ping still running after this is treated as broken.
    static constexpr int kRunLimitMs = 5000;

    explicit PingProbe(const QString& program = QStringLiteral("ping"));

    Outcome probe(const QHostAddress& address);
    // What went wrong with the last failed probe, for the user (translated).
    QString failure() const { return lastFailure; }

private:
    QString program;
    QString lastFailure;
};
