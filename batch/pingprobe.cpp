#include "pingprobe.h"

#include <QDebug>
#include <QProcess>

namespace {

// iputils ping's exit codes with a count: 0 a reply came, 1 none came, others an error.
constexpr int kExitReplied = 0;
constexpr int kExitNoReply = 1;

}  // namespace

PingProbe::PingProbe(const QString& program) : program(program) {}

PingProbe::Outcome PingProbe::probe(const QHostAddress& address) {
    const QString target = address.toString();
    // -n numeric output, -c 1 one echo request, -W the reply wait in seconds.
    const QStringList arguments = {QStringLiteral("-n"),
                                   QStringLiteral("-c"),
                                   QStringLiteral("1"),
                                   QStringLiteral("-W"),
                                   QString::number(kReplyWaitMs / 1000.0, 'f', 3),
                                   target};
    QProcess ping;
    ping.setProcessChannelMode(QProcess::MergedChannels);
    ping.setStandardOutputFile(QProcess::nullDevice());
    ping.start(program, arguments);
    if (!ping.waitForStarted(kRunLimitMs)) {
        lastFailure = tr("ping could not start: %1").arg(ping.errorString());
        return Outcome::Failed;
    }
    if (!ping.waitForFinished(kRunLimitMs)) {
        ping.kill();
        ping.waitForFinished();
        lastFailure = tr("ping did not finish");
        return Outcome::Failed;
    }
    const int exitCode = ping.exitCode();
    qDebug("ping %s = %d", qUtf8Printable(target), exitCode);
    if (ping.exitStatus() != QProcess::NormalExit) {
        lastFailure = tr("ping crashed");
        return Outcome::Failed;
    }
    if (exitCode == kExitReplied)
        return Outcome::Answered;
    if (exitCode == kExitNoReply)
        return Outcome::NoReply;
    lastFailure = tr("ping exited with code %1").arg(exitCode);
    return Outcome::Failed;
}
