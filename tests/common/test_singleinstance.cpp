// The single-instance guard: first and second claims, messages, another process with
// another TMPDIR, and recovery after the first instance was killed.
#include <gtest/gtest.h>

#include <QProcess>
#include <QSignalSpy>
#include <QUuid>
#include <QtConcurrent>

#include "singleinstance.h"

namespace {

QString freshId() {
    return QUuid::createUuid().toString();
}

// Runs a second instance's blocking send on another thread while this thread's event loop
// lets the first instance answer.
bool sendFromWorker(SingleInstance& second, const QString& message, int timeoutMs) {
    QFuture<bool> sent = QtConcurrent::run([&] { return second.sendMessage(message, timeoutMs); });
    QFutureWatcher<bool> watcher;
    QSignalSpy finished(&watcher, &QFutureWatcher<bool>::finished);
    watcher.setFuture(sent);
    if (!sent.isFinished())
        finished.wait(timeoutMs + 2000);
    return sent.result();
}

// A first instance in its own process, started with a TMPDIR of its own.
struct Holder {
    QProcess process;

    explicit Holder(const QString& id) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TMPDIR", QDir::tempPath() + "/elsewhere");
        process.setProcessEnvironment(environment);
        process.start(HOLDER_PROGRAM, {id});
    }
    QString nextLine() {
        while (!process.canReadLine())
            if (!process.waitForReadyRead(5000))
                return {};
        return QString::fromUtf8(process.readLine()).trimmed();
    }
    ~Holder() {
        process.kill();
        process.waitForFinished(5000);
    }
};

}  // namespace

TEST(SingleInstance, FirstClaimRunsLaterClaimsFindItUntilItEnds) {
    const QString id = freshId();
    auto first = std::make_unique<SingleInstance>(id);
    SingleInstance second(id);
    SingleInstance unrelated(freshId());
    EXPECT_FALSE(first->isRunning());
    EXPECT_TRUE(second.isRunning());
    EXPECT_FALSE(unrelated.isRunning());
    EXPECT_EQ(second.id(), id);

    first.reset();
    EXPECT_FALSE(SingleInstance(id).isRunning());
}

TEST(SingleInstance, MessageOfSecondInstanceReachesFirst) {
    const QString id = freshId();
    SingleInstance first(id);
    SingleInstance second(id);
    QSignalSpy received(&first, &SingleInstance::messageReceived);

    EXPECT_TRUE(sendFromWorker(second, QString::fromUtf8("message from other instance. é"), 1000));
    if (received.isEmpty()) {
        ASSERT_TRUE(received.wait(2000));
    }
    ASSERT_EQ(received.size(), 1);
    EXPECT_EQ(received[0][0].toString(), QString::fromUtf8("message from other instance. é"));
}

TEST(SingleInstance, FirstInstanceHasNobodyToSendTo) {
    SingleInstance first(freshId());
    EXPECT_FALSE(first.sendMessage("hello", 100));
}

TEST(SingleInstance, OtherProcessWithOtherTmpdirIsFound) {
    const QString id = freshId();
    Holder holder(id);
    ASSERT_EQ(holder.nextLine(), "primary");

    SingleInstance second(id);
    ASSERT_TRUE(second.isRunning());
    EXPECT_TRUE(second.sendMessage("raise", 1000));
    EXPECT_EQ(holder.nextLine(), "raise");
}

TEST(SingleInstance, KilledFirstInstanceLeavesNoClaim) {
    const QString id = freshId();
    {
        Holder holder(id);
        ASSERT_EQ(holder.nextLine(), "primary");
        ASSERT_TRUE(SingleInstance(id).isRunning());
        holder.process.kill();  // SIGKILL: lock and socket files stay behind
        ASSERT_TRUE(holder.process.waitForFinished(5000));
    }
    SingleInstance successor(id);
    EXPECT_FALSE(successor.isRunning());

    // The successor listens on the place the dead one left.
    Holder latecomer(id);
    EXPECT_EQ(latecomer.nextLine(), "second");
    SingleInstance second(id);
    QSignalSpy received(&successor, &SingleInstance::messageReceived);
    EXPECT_TRUE(sendFromWorker(second, "again", 1000));
    if (received.isEmpty()) {
        EXPECT_TRUE(received.wait(2000));
    }
}
