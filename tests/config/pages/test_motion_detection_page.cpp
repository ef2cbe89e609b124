// The motion detection page against camsim: load, save of the edited record, the cell grid
// (also when the page is not on screen), the arming periods, restore and the refusals.
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimeEdit>
#include <QtEndian>
#include <QtTest>

#include "GridVideoWidget.h"
#include "MotionDetectionWidget.h"
#include "page_camera.h"

namespace {

constexpr int kWireMotion = 13;
constexpr int kHead = 16;
constexpr int kWaitMs = 5000;

// Wire positions of the value words that the page reads and writes.
enum Wire {
    Enabled = 8,
    DaySensitivity = 24,
    DayThreshold = 180,
    NightEnabled = 336,
    NightStart = 368,
    NightEnd = 524,
    NightSensitivity = 992,
    NightThreshold = 1148,
    GridColumns = 1296,
    GridRows = 1300,
    Cells = 1304,
    Windows = 2072,
    WindowBytes = 640,
    InUse = 8,
    Begin = 24,
    End = 180,
    Days = 336,
    FlashLight = 4640,
    PromptTone = 4656,
};

int wordAt(const QByteArray& body, int offset) {
    return qFromLittleEndian<qint32>(body.constData() + kHead + offset);
}

int cellAt(const QByteArray& body, int row, int column) {
    return body.at(kHead + Cells + 32 * row + column);
}

int windowWord(const QByteArray& body, int window, int field) {
    return wordAt(body, Windows + WindowBytes * window + field);
}

// A camera grid of 3 rows and 5 columns with the cells of column 1 and of row 2 unwatched.
void setGrid3x5(NETSDK_PARAM_MOTION* record) {
    record->gridRows = 3;
    record->gridColumns = 5;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 5; ++column) {
            record->cells[row][column] = column != 1 && row != 2;
        }
    }
}

struct Page {
    explicit Page(PageCamera& camera, bool shown = true)
        : widget(camera.session().data(), nullptr) {
        if (shown) {
            widget.show();
        }
        QCoreApplication::processEvents();  // runs the queued load
    }
    template <typename T>
    T* child(const char* name) {
        return requireChild<T>(&widget, name);
    }
    GridVideoWidget* grid() { return child<QFrame>("frame")->findChild<GridVideoWidget*>(); }
    QTableWidget* table() { return child<QTableWidget>("tableWidget"); }
    QComboBox* segments() { return child<QComboBox>("segmentComboBox"); }
    void save() { child<QPushButton>("savePushButton")->click(); }
    MotionDetectionWidget widget;
};

QStringList itemTexts(const QComboBox* combo) {
    QStringList texts;
    for (int index = 0; index < combo->count(); ++index) {
        texts << combo->itemText(index);
    }
    return texts;
}

}  // namespace

class MotionDetectionPageTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCOMPARE(NETSDK_Init(), 0); }
    void cleanupTestCase() { NETSDK_Cleanup(); }

    void loadFillsTheFormAndSaveSendsItBack() {
        PageCamera camera;
        NETSDK_PARAM_MOTION* record = camera.session()->motionDetectionConfig(false);
        QVERIFY(record != nullptr);
        record->enabled.value = 1;
        record->daySensitivity.value = 61;
        record->nightEnabled.value = 1;
        record->night.ranges[0].value = 20 * 3600;
        record->night.ranges[1].value = 5 * 3600 + 30;
        record->flashLight.value = 0;
        for (NETSDK_TIME_SEGMENT& window : record->windows) {
            window.head.value = 0;
        }
        record->windows[2] = {{0, 0, 1, 0}, {{0, 0, 30600}, {0, 0, 86400 + 60}, {0, 0, 2}}};
        Page page(camera);
        QVERIFY(page.child<QGroupBox>("motionDetectionGroupBox")->isChecked());
        QCOMPARE(page.child<QSpinBox>("daySensitivitySpinBox")->value(), 61);
        QVERIFY(!page.child<QCheckBox>("alarmLightsCheckBox")->isChecked());
        QCOMPARE(page.child<QTimeEdit>("nightStartTimeEdit")->time(), QTime(20, 0));
        QCOMPARE(page.child<QTimeEdit>("nightEndTimeEdit")->time(), QTime(5, 0, 30));
        QCOMPARE(page.table()->rowCount(), 1);
        QCOMPARE(page.table()->item(0, 0)->text(), QString("周一"));
        QCOMPARE(page.table()->item(0, 2)->text(), QString("00:01:00"));
        QVERIFY(!itemTexts(page.segments()).contains("周一"));

        page.child<QSpinBox>("nightThresholdSpinBox")->setValue(12);
        page.child<QTimeEdit>("fortificationStartTimeEdit")->setTime(QTime(8, 30));
        page.segments()->setCurrentIndex(page.segments()->findText("每天"));
        page.child<QPushButton>("addPushButton")->click();
        page.save();
        const auto puts = camera.blockBodies("PUT", kWireMotion);
        QCOMPARE(puts.size(), size_t(1));
        const QByteArray& body = puts[0];
        const std::pair<int, int> expected[] = {
            {Enabled, 1},        {DaySensitivity, 61},
            {NightEnabled, 1},   {NightThreshold, 12},
            {NightStart, 72000}, {NightEnd, 18030},
            {FlashLight, 0},     {PromptTone, record->promptTone.value},
        };
        for (const auto& [offset, value] : expected) {
            QCOMPARE(wordAt(body, offset), value);
        }
        const int windows[4][4] = {
            {1, 30600, 60, 2}, {1, 30600, 86399, 127}, {0, 0, 0, 0}, {0, 0, 0, 0}};
        const int fields[] = {InUse, Begin, End, Days};
        for (int window = 0; window < 4; ++window) {
            for (int field = 0; field < 4; ++field) {
                QCOMPARE(windowWord(body, window, fields[field]), windows[window][field]);
            }
        }
    }

    void aShapeMissingFromTheListIsAddedAndItsCellsAreKept_data() {
        QTest::addColumn<bool>("shown");
        QTest::newRow("page on screen") << true;
        QTest::newRow("page not on screen") << false;
    }
    void aShapeMissingFromTheListIsAddedAndItsCellsAreKept() {
        QFETCH(bool, shown);
        PageCamera camera;
        NETSDK_PARAM_MOTION* record = camera.session()->motionDetectionConfig(false);
        setGrid3x5(record);
        Page page(camera, shown);
        auto* shapes = page.child<QComboBox>("regionComboBox");
        QCOMPARE(shapes->currentIndex(), 0);
        QCOMPARE(shapes->currentText(), QString("3 x 5"));
        QCOMPARE(shapes->count(), 79);
        int rows = 0;
        int columns = 0;
        page.grid()->selectedCells(&rows, &columns);
        QCOMPARE(rows, 3);
        QCOMPARE(columns, 5);
        page.save();
        const auto puts = camera.blockBodies("PUT", kWireMotion);
        QCOMPARE(puts.size(), size_t(1));
        QCOMPARE(wordAt(puts[0], GridRows), 3);
        QCOMPARE(wordAt(puts[0], GridColumns), 5);
        for (int row = 0; row < 3; ++row) {
            for (int column = 0; column < 5; ++column) {
                QCOMPARE(cellAt(puts[0], row, column), int(column != 1 && row != 2));
            }
        }
        // Outside the grid the record holds every cell watched.
        QCOMPARE(int(record->cells[23][31]), 1);
    }

    void aClickedCellIsSavedAsNotWatched() {
        PageCamera camera;
        NETSDK_PARAM_MOTION* record = camera.session()->motionDetectionConfig(false);
        record->gridRows = 1;
        record->gridColumns = 1;
        record->cells[0][0] = 1;
        Page page(camera);
        QCOMPARE(page.child<QComboBox>("regionComboBox")->currentText(), QString("1 x 1"));
        GridVideoWidget* grid = page.grid();
        auto* cell = grid->findChild<Overlay*>();
        QVERIFY(cell != nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(cell->pos().x() >= 0, kWaitMs);  // placed by the grid
        QTest::mouseClick(grid, Qt::LeftButton, Qt::NoModifier, cell->geometry().center());
        page.save();
        const auto puts = camera.blockBodies("PUT", kWireMotion);
        QCOMPARE(puts.size(), size_t(1));
        QCOMPARE(cellAt(puts[0], 0, 0), 0);
    }

    void periodsMoveBetweenTheListAndTheTable() {
        PageCamera camera;
        NETSDK_PARAM_MOTION* record = camera.session()->motionDetectionConfig(false);
        for (NETSDK_TIME_SEGMENT& window : record->windows) {
            window.head.value = 0;
        }
        Page page(camera);
        auto* add = page.child<QPushButton>("addPushButton");
        auto* remove = page.child<QPushButton>("removePushButton");
        QVERIFY(!remove->isEnabled());
        for (int row = 0; row < 4; ++row) {
            QVERIFY(add->isEnabled());
            page.segments()->setCurrentIndex(0);
            add->click();
        }
        QVERIFY(!add->isEnabled());
        QCOMPARE(itemTexts(page.segments()), QStringList({"周五", "周六", "周日", "每天"}));
        page.table()->selectRow(0);
        QVERIFY(remove->isEnabled());
        remove->click();
        QVERIFY(add->isEnabled());
        QCOMPARE(page.table()->rowCount(), 3);
        QCOMPARE(itemTexts(page.segments()).last(), QString("周一"));
    }

    void restorePutsTheCameraDefaultsAndSendsNothing() {
        PageCamera camera;
        NETSDK_PARAM_MOTION* record = camera.session()->motionDetectionConfig(false);
        record->dayThreshold.value = 90;
        record->dayThreshold.defaultValue = 35;
        record->night.ranges[0].defaultValue = 17 * 3600;
        record->promptTone = {0, 0, 0, 1};
        Page page(camera);
        page.child<QPushButton>("resetPushButton")->click();
        QCOMPARE(page.child<QSpinBox>("dayThresholdSpinBox")->value(), 35);
        QCOMPARE(page.child<QTimeEdit>("nightStartTimeEdit")->time(), QTime(17, 0));
        QVERIFY(page.child<QCheckBox>("toneBroadcastCheckBox")->isChecked());
        QVERIFY(camera.blockBodies("PUT", kWireMotion).empty());
    }

    void anUnreadableRecordKeepsTheFormAndSavesNothing() {
        PageCamera camera(R"("faults": {"http_status": {"command:13": 500}})");
        Page page(camera);
        QVERIFY(page.grid() != nullptr);
        QCOMPARE(page.child<QTimeEdit>("nightStartTimeEdit")->time(), QTime(18, 0));
        QCOMPARE(page.table()->rowCount(), 0);
        page.child<QSpinBox>("daySensitivitySpinBox")->setValue(7);
        page.child<QPushButton>("resetPushButton")->click();
        QCOMPARE(page.child<QSpinBox>("daySensitivitySpinBox")->value(), 7);
        QVERIFY(!page.child<QPushButton>("savePushButton")->isEnabled());
        page.save();
        QCOMPARE(camera.blockBodies("GET", kWireMotion).size(), size_t(1));
        QVERIFY(camera.blockBodies("PUT", kWireMotion).empty());
    }
};

QTEST_MAIN(MotionDetectionPageTest)
#include "test_motion_detection_page.moc"
