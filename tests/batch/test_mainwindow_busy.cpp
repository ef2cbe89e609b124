// The main window's busy state against thirty slow simulated cameras: an operation that
// falls due while another runs must not bring the panels back before both have ended.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include "camerawindow.h"
#include "deviceitem.h"
#include "devicetablemodel.h"
#include "qtprinters.h"

namespace {

// The first search and login test of thirty slow cameras; under AddressSanitizer with its
// full stack unwinding on every allocation, this took over thirty seconds on a busy machine.
constexpr int kWaitMs = 90000;
constexpr int kCameraCount = 30;
// Every answer waits this long, so time synchronisation of all rows, one after the other,
// lasts far longer than a login test, whose rows run side by side.
// Thirty answers to one search can take a while on a busy machine.
constexpr int kSearchSeconds = 3;
constexpr const char* kSlowAnswers = R"("faults": {"http_delay": 0.05})";

class MainWindowBusyTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!camsim::testbedPresent())
            return;
        bed = new CameraWindow(
            [](const camsim::Simulator& cameras) {
                std::string list;
                for (int i = 0; i < kCameraCount; ++i) {
                    list +=
                        (i == 0 ? "" : ",") + camsim::camera("SLOW-" + std::to_string(i),
                                                             cameras.address(10 + i), kSlowAnswers);
                }
                return list;
            },
            kSearchSeconds);
        window = bed->window.get();
    }
    static void TearDownTestSuite() { delete bed; }
    void SetUp() override {
        if (!camsim::testbedPresent())
            GTEST_SKIP() << "needs the test bed (scripts/testbed-run)";
        ASSERT_TRUE(QTest::qWaitFor(
            [] {
                bed->searchAgainWhenShort(kCameraCount);
                return idle();
            },
            kWaitMs));
    }

    static DeviceTableModel* model() { return window->findChild<DeviceTableModel*>(); }
    static QWidget* panel() { return window->findChild<QWidget*>("OperationForm"); }
    static DeviceItem* device(int row) { return static_cast<DeviceItem*>(model()->item(row, 0)); }
    // Every camera listed and its login tried, and the panels usable.
    static bool idle() {
        if (model()->rowCount() != kCameraCount || !panel()->isEnabled())
            return false;
        for (int row = 0; row < kCameraCount; ++row) {
            if (device(row)->accessible() == -1)
                return false;
        }
        return true;
    }

    static CameraWindow* bed;
    static MainWindow* window;
};

CameraWindow* MainWindowBusyTest::bed = nullptr;
MainWindow* MainWindowBusyTest::window = nullptr;

}  // namespace

TEST_F(MainWindowBusyTest, LoginTestFallingDueDuringTimeSyncKeepsThePanelsOff) {
    for (int row = 0; row < kCameraCount; ++row) {
        device(row)->setCheckState(Qt::Checked);
        // As after an IP change: the login test that follows has every row to try.
        device(row)->setAccessible(-1);
    }
    QApplication::processEvents();

    int syncRowsDone = 0;
    int loginsDoneDuringSync = 0;
    QStringList enabledAt;
    const auto watching =
        QObject::connect(model(), &QStandardItemModel::itemChanged, [&](QStandardItem* item) {
            if (item->column() != DeviceTableModel::StatusColumn)
                return;
            const QString text = item->text();
            if (panel()->isEnabled())
                enabledAt << QStringLiteral("row %1: %2").arg(item->row()).arg(text);
            if (text == "Setting the date and time" && syncRowsDone == 0 && item->row() == 0) {
                // The login test that an IP change schedules falls due now.
                QMetaObject::invokeMethod(window, "testDevicesAccessible", Qt::QueuedConnection);
            }
            if (text == "Successfully set" || text == "Setting failed")
                ++syncRowsDone;
            if ((text == "Accessible" || text == "Not Accessible") && syncRowsDone < kCameraCount)
                ++loginsDoneDuringSync;
        });
    window->findChild<QPushButton*>("syncTimepushButton")->click();
    QObject::disconnect(watching);

    EXPECT_EQ(syncRowsDone, kCameraCount);
    ASSERT_EQ(loginsDoneDuringSync, kCameraCount) << "the login test ran inside time sync";
    EXPECT_TRUE(enabledAt.isEmpty()) << enabledAt.join('\n').toStdString();
    EXPECT_TRUE(QTest::qWaitFor([] { return idle(); }, kWaitMs));
}
