// Starting Tarnwick while it runs: the second process ends at once with 0 and never opens
// the settings store or the data folder, also while the first cannot answer it.
#include <gtest/gtest.h>
#include <signal.h>

#include <QDeadlineTimer>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include "camsim_fixture.h"
#include "singleinstance.h"

namespace {

// Bounds a start that hangs; a start under AddressSanitizer took up to 8 s on a busy machine.
constexpr int kStartMs = 120000;

// Every file below folder.
QStringList filesBelow(const QString& folder) {
    QStringList files;
    QDirIterator found(folder, QDir::Files, QDirIterator::Subdirectories);
    while (found.hasNext())
        files << found.next();
    return files;
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
    // The first instance searches the test bed's camera networks: hold them meanwhile, so
    // its searches meet no other test's simulator.
    std::unique_ptr<camsim::Simulator> quietNetworks;
    if (camsim::testbedPresent())
        quietNetworks = std::make_unique<camsim::Simulator>(camsim::Where::CameraNetwork);
    QProcess first;
    first.start(TARNWICK_PROGRAM, QStringList());
    ASSERT_TRUE(first.waitForStarted(kStartMs));
    ASSERT_TRUE(waitUntilListening(kStartMs));

    // The first instance may be inside a search, which holds its event loop: the second
    // waits for the acknowledgement at most its message time-out, not the search. A first
    // instance stopped until the second has ended stands for the longest search: a second
    // that waited for it would never end.
    const struct {
        const char* name;
        bool firstAnswers;
    } cases[] = {{"first answers", true}, {"first is stopped", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // The second start finds the first through the shared runtime folder; its settings
        // and data folders are its own, so anything it wrote there would show, while the
        // first instance goes on writing its own store undisturbed.
        QTemporaryDir secondHome;
        ASSERT_TRUE(secondHome.isValid());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", secondHome.filePath("config"));
        environment.insert("XDG_DATA_HOME", secondHome.filePath("data"));
        QProcess second;
        second.setProcessEnvironment(environment);
        if (!c.firstAnswers)
            ASSERT_EQ(kill(pid_t(first.processId()), SIGSTOP), 0);
        second.start(TARNWICK_PROGRAM, QStringList());
        const bool ended = second.waitForFinished(kStartMs);
        if (!c.firstAnswers)
            kill(pid_t(first.processId()), SIGCONT);
        ASSERT_TRUE(ended);
        EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(second.exitCode(), 0);
        EXPECT_EQ(filesBelow(secondHome.path()), QStringList());
        EXPECT_EQ(first.state(), QProcess::Running);
    }

    first.kill();
    first.waitForFinished(kStartMs);
}
