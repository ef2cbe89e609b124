// bench/batch's program: Tarnwick's device table against N simulated cameras on the test
// bed's wide link, each answering HTTP after a fixed delay. For each N it times the login
// test, time synchronisation and the OSD title on all rows, beside N times the same
// operation on one row (the ratio says how well the batch beats one-by-one) and beside the
// ideal (for the pool operations every pool thread busy all the time: ceil(N / threads)
// times one row; for the blocking time sync N times one row; target: at most 1.2 times
// that), and it measures the memory of a table of 10,000
// rows.
//
//   bench_batch [--delay-ms MS] N...      (run by bench/batch inside the test bed)
#include <unistd.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>

#include <cmath>
#include <cstdio>
#include <functional>

#include "appsettings.h"
#include "camsim_fixture.h"
#include "deviceitem.h"
#include "devicetablemodel.h"

namespace {

// The figures; standard output carries the SDK's own log lines, which go to /dev/null.
FILE* figures = stdout;

constexpr int kMemoryRows = 10000;
constexpr int kTaskTimeoutMs = 600000;
constexpr int kCamerasPerSegment = 200;
constexpr double kIdealRatioTarget = 1.2;

// The same numbering as bench/batch, which gives the camera namespace these addresses.
QString cameraAddress(int index) {
    return QString("10.78.%1.%2")
        .arg(1 + index / kCamerasPerSegment)
        .arg(10 + index % kCamerasPerSegment);
}

// The cameras sit in 10.78.1.0/24, 10.78.2.0/24 ... of the /16 link: name those networks
// local too, as a host with addresses there would.
QStringList localAddresses(int count) {
    QStringList addresses = {QString::fromLocal8Bit(qgetenv("TESTBED_WIDE_LOCAL"))};
    for (int segment = 1; segment <= 1 + (count - 1) / kCamerasPerSegment; ++segment)
        addresses << QString("10.78.%1.1").arg(segment);
    return addresses;
}

long residentBytes() {
    QFile statm("/proc/self/statm");
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * 4096 : -1;
}

void waitForTasks(DeviceTableModel& model) {
    QSignalSpy idle(&model, &DeviceTableModel::allTasksFinished);
    if (model.runningTasks() > 0)
        idle.wait(kTaskTimeoutMs);
}

void checkOnly(DeviceTableModel& model, int rows) {
    for (int row = 0; row < model.rowCount(); ++row)
        model.item(row, 0)->setCheckState(row < rows ? Qt::Checked : Qt::Unchecked);
}

// Seconds that operation takes on the first rows rows.
double timeOn(DeviceTableModel& model, int rows, const std::function<void()>& operation) {
    checkOnly(model, rows);
    QElapsedTimer clock;
    clock.start();
    operation();
    waitForTasks(model);
    return clock.elapsed() / 1000.0;
}

// The login test runs on rows whose accessibility is unknown, checked or not.
void forgetAccessibility(DeviceTableModel& model, int rows) {
    for (int row = 0; row < model.rowCount(); ++row)
        dynamic_cast<DeviceItem*>(model.item(row, 0))->setAccessible(row < rows ? -1 : 1);
}

void benchCameras(int count, int delayMs) {
    camsim::Simulator sim(camsim::Where::CameraNetwork);
    std::string config = R"({"cameras": [)";
    for (int i = 0; i < count; ++i) {
        config +=
            (i ? ", " : "") +
            camsim::camera("BENCH" + std::to_string(i), cameraAddress(i).toStdString(),
                           R"("faults": {"http_delay": )" + std::to_string(delayMs / 1000.0) + "}");
    }
    sim.start(config + "]}", 120000);

    DeviceTableModel model;
    const QStringList locals = localAddresses(count);
    model.searchDevices({QHostAddress(locals.first())}, locals);
    const int found = model.rowCount();

    const auto loginTest = [&] { model.testAccessible(); };
    forgetAccessibility(model, 1);
    const double loginOne = timeOn(model, 0, loginTest);
    forgetAccessibility(model, found);
    const double loginAll = timeOn(model, 0, loginTest);

    const auto sync = [&] { model.syncTime(QDateTime::currentDateTime()); };
    const double syncOne = timeOn(model, 1, sync);
    const double syncAll = timeOn(model, found, sync);

    const auto title = [&] { model.setTitle(true, 0, "bench"); };
    const double titleOne = timeOn(model, 1, title);
    const double titleAll = timeOn(model, found, title);

    std::fprintf(figures, "%5d cameras (%d found, %d ms delay)\n", count, found, delayMs);
    // Time sync is a blocking row operation: it walks the rows one after another on the
    // window's thread, so its ideal is N times one row, not the pool's.
    const struct {
        const char* name;
        double one, all;
        bool pooled;
    } rows[] = {{"login test", loginOne, loginAll, true},
                {"time sync", syncOne, syncAll, false},
                {"OSD title", titleOne, titleAll, true}};
    // The model's task pool keeps Qt's default size, one thread per processor.
    const int poolRounds = int(std::ceil(double(found) / QThread::idealThreadCount()));
    for (const auto& row : rows) {
        const int rounds = row.pooled ? poolRounds : found;
        const double toIdeal = row.all / (rounds * row.one);
        std::fprintf(figures,
                     "      %-11s all rows %8.3f s   %d x one row %8.3f s   ratio %5.2f   "
                     "ideal %8.3f s   ratio to ideal %5.2f %s\n",
                     row.name, row.all, found, found * row.one, row.all / (found * row.one),
                     rounds * row.one, toIdeal, toIdeal <= kIdealRatioTarget ? "met" : "MISSED");
    }
    std::fflush(figures);
}

void benchMemory() {
    const long before = residentBytes();
    {
        DeviceTableModel model;
        model.searchDevices({}, {"10.0.0.1"});
        for (int i = 0; i < kMemoryRows; ++i) {
            DEVICE_INFO info;
            info.deviceId = QString("DEVICE-%1").arg(i, 8, 10, QChar('0'));
            info.ip = QHostAddress(QString("10.0.%1.%2").arg(i / 250).arg(2 + i % 250));
            info.cloudId = "CLOUD-" + info.deviceId;
            info.version = "1.2.3_release";
            info.osdTitle = "IPC";
            info.mac = "00:12:34:56:78:9a";
            info.serialNumber = "SERIAL-" + info.deviceId;
            info.hardwareVersion = "HW-1.0";
            info.user = "admin";
            model.deviceFound(info);
        }
        const long after = residentBytes();
        std::fprintf(figures, "model of %d rows: %.1f MiB resident, %ld bytes per row\n",
                     kMemoryRows, (after - before) / 1048576.0, (after - before) / kMemoryRows);
    }
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // The log lines of thousands of operations would drown the figures.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QStringList arguments = application.arguments().mid(1);
    int delayMs = 50;
    if (arguments.size() >= 2 && arguments[0] == "--delay-ms") {
        delayMs = arguments[1].toInt();
        arguments = arguments.mid(2);
    }
    if (!camsim::testbedPresent()) {
        std::fprintf(stderr, "bench_batch: run it through bench/batch (needs the test bed)\n");
        return 2;
    }
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
    AppSettings::instance().setSearchTimeout(2);
    figures = fdopen(dup(STDOUT_FILENO), "w");
    if (!figures || !std::freopen("/dev/null", "w", stdout))
        return 2;
    for (const QString& count : arguments)
        benchCameras(count.toInt(), delayMs);
    benchMemory();
    return 0;
}
