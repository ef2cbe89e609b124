// The Velmora program as Tarnwick starts it: one instance at a time, a second start only
// signals the first and ends with code 0.
#include <QProcess>
#include <QtTest>

#include "camsim_fixture.h"

class ProgramTest : public QObject {
    Q_OBJECT
private slots:
    void secondStartSignalsTheFirstAndEndsWithZero() {
        camsim::Simulator sim(camsim::Where::Loopback);
        sim.start(R"({"cameras": [)" +
                  camsim::camera("CAM1", sim.address(10), R"("password": "pw")") + "]}");
        const QString program = QString(KIT_BIN_DIR) + "/Velmora";
        const QStringList arguments{"-i", QString::fromStdString(sim.address(10)),
                                    "-u", "admin",
                                    "-p", "pw",
                                    "-s", "80",
                                    "-e", "1680"};
        QProcess first;
        first.start(program, arguments);
        QVERIFY(first.waitForStarted());
        // Logged in: the first instance read the camera's pages.
        QVERIFY(sim.waitForJournal(
            [](const camsim::JournalEntry& e) { return e.text("method") == "GET"; }, 10000));

        QProcess second;
        second.start(program, arguments);
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);

        first.terminate();
        QVERIFY(first.waitForFinished(10000));
    }
};

QTEST_MAIN(ProgramTest)
#include "test_program.moc"
