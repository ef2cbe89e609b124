// Starting Tarnwick while it runs: the second process ends at once with 0 and leaves the
// settings store and the data folder as they were.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

#include "camsim_fixture.h"
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

// The first instance claims the rendezvous before it opens its settings and copies the
// label template: the state to compare against is the one after that start-up.
bool waitUntilStartedUp(int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (folderState().filter(QStringLiteral("4x2.tmq")).isEmpty() ||
           folderState().filter(QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"))).isEmpty()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(10);
    }
    return true;
}

}  // namespace

TEST(TarnwickInstance, SecondStartEndsAtOnceAndChangesNothing) {
    // The first instance searches the test bed's camera networks: hold them meanwhile, so
    // its searches meet no other test's simulator.
    std::unique_ptr<camsim::Simulator> quietNetworks;
    if (camsim::testbedPresent())
        quietNetworks = std::make_unique<camsim::Simulator>(camsim::Where::CameraNetwork);
    QProcess first;
    first.start(TARNWICK_PROGRAM, QStringList());
    ASSERT_TRUE(first.waitForStarted(5000));
    ASSERT_TRUE(waitUntilListening(30000));
    ASSERT_TRUE(waitUntilStartedUp(30000));
    const QStringList before = folderState();

    QProcess second;
    QElapsedTimer clock;
    clock.start();
    second.start(TARNWICK_PROGRAM, QStringList());
    ASSERT_TRUE(second.waitForFinished(5000));
    // The first instance may be inside a search, which holds its event loop: the second
    // waits for the acknowledgement at most its 1 s message time-out, not the search.
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(folderState(), before);
    EXPECT_EQ(first.state(), QProcess::Running);

    first.kill();
    first.waitForFinished(5000);
}
