// Starting Tarnwick while it runs: the second process ends at once with 0 and leaves the
// settings store and the data folder as they were.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

#include "singleinstance.h"

namespace {

// Every file below the private XDG folders with a digest of its contents.
QStringList folderState() {
    QStringList state;
    for (const char* variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME"}) {
        QDirIterator files(QString::fromLocal8Bit(qgetenv(variable)), QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            file.open(QIODevice::ReadOnly);
            state << file.fileName() + " " +
                         QCryptographicHash::hash(file.readAll(), QCryptographicHash::Md5).toHex();
        }
    }
    state.sort();
    return state;
}

// The first instance listens once it holds the claim. Probing with a claim of our own
// would race with it, so look for its socket: this process's runtime folder is private.
bool waitUntilListening(int timeoutMs) {
    const QDir folder(SingleInstance::rendezvousFolder());
    QDeadlineTimer deadline(timeoutMs);
    while (folder.entryList({"*.socket"}, QDir::System).isEmpty()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(10);
    }
    return true;
}

}  // namespace

TEST(TarnwickInstance, SecondStartEndsAtOnceAndChangesNothing) {
    QProcess first;
    first.start(TARNWICK_PROGRAM, QStringList());
    ASSERT_TRUE(first.waitForStarted(5000));
    ASSERT_TRUE(waitUntilListening(30000));
    const QStringList before = folderState();

    QProcess second;
    QElapsedTimer clock;
    clock.start();
    second.start(TARNWICK_PROGRAM, QStringList());
    ASSERT_TRUE(second.waitForFinished(5000));
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(folderState(), before);
    EXPECT_EQ(first.state(), QProcess::Running);

    first.kill();
    first.waitForFinished(5000);
}
