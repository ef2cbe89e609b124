// The human detection page on the real dialog against camsim: detection and linkage loads,
// the order of the save's writes and where a refusal stops them.
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTableView>
#include <QtTest>

#include <limits>

#include "ShieldTaskManager.h"
#include "modalhelper.h"
#include "slot_float.h"
#include "video_page_fixture.h"

namespace {

constexpr int kWireHumanoid = 9;
constexpr int kWireLinkage = 17;
constexpr int kHumanoidWireSize = 172, kLinkageWireSize = 64;
constexpr int kHumanoidEnabled = 8, kHumanoidSensitivity = 24;
constexpr int kLinkageTone = 24, kLinkageLights = 56;
constexpr int kWireRoi = 10, kWireArming = 11;
constexpr int kRoiWireSize = 11920, kArmingWireSize = 4464;
// Region r at 2980 r; point j's x at kPointX + 312 j, its y at kPointY + 312 j.
constexpr int kRegionWire = 2980, kRegionInUse = 8, kRegionColour = 24, kRegionAlarmColour = 180,
              kRegionPoints = 336, kPointX = 492, kPointY = 648, kPointStride = 312;
// Task t at 1116 t.
constexpr int kTaskWire = 1116, kTaskInUse = 8, kTaskRepeat = 24, kTaskRegion = 180,
              kTaskTone = 336, kTaskHead = 484, kTaskBegin = 500, kTaskEnd = 656, kTaskDays = 812,
              kTaskFourth = 968;

// Accepts the next modal dialog as soon as it shows.
void acceptNextModal() {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [timer] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            dialog->accept();
            timer->deleteLater();
        }
    });
    timer->start(5);
}

// The wire commands of the blocks written, in order.
std::vector<int> writeOrder(const DialogOnCamera& camera) {
    std::vector<int> order;
    for (int command : {kWireLinkage, kWireRoi, kWireArming, kWireHumanoid}) {
        if (!camera.blocks("PUT", command).empty()) {
            order.push_back(command);
        }
    }
    return order;
}

// Four arming tasks in use, each on its own region, written to the camera before a load.
void armFourTasks(DialogOnCamera& camera) {
    NETSDK_PARAM_ARMING arming = {};
    for (int task = 0; task < 4; ++task) {
        arming.tasks[task].inUse.value = 1;
        arming.tasks[task].region.value = task;
        arming.tasks[task].window.ranges[1].value = 3600 * (task + 1);
        arming.tasks[task].window.ranges[2].value = 127;
    }
    const NETSDK_CHANNEL channel = {0, 1};
    QCOMPARE(NETSDK_SetParam(camera.dialog().loginHandle(), &channel, NETSDK_PARAM_ID_ARMING,
                             &arming, int(sizeof(arming))),
             0);
}

}  // namespace

class DetectionPageTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCOMPARE(NETSDK_Init(), 0); }
    void cleanupTestCase() { NETSDK_Cleanup(); }

    void loadShowsDetectionAndLinkage() {
        DialogOnCamera camera;
        QVERIFY(camera.loggedIn());
        camera.widget<QGroupBox>("gbxHumanoidRecognition")->setChecked(true);
        camera.showPage(RemoteConfigDialog::HumanDetectionPage);
        QVERIFY(!camera.widget<QGroupBox>("gbxHumanoidRecognition")->isChecked());
        QCOMPARE(camera.widget<QSpinBox>("spbHRSensitivity")->value(), 50);
        QCOMPARE(camera.widget<QSlider>("sldHRSensitivity")->value(), 50);
        QVERIFY(camera.widget<QCheckBox>("ckbHRAlarmLights")->isChecked());
        QVERIFY(camera.widget<QCheckBox>("ckbHRToneBroadcast")->isChecked());
    }

    void refusedLinkageEndsTheLoadAfterTheDetection() {
        DialogOnCamera camera(R"("faults": {"http_status": {"command:17": 500}})");
        camera.widget<QSpinBox>("spbHRSensitivity")->setValue(7);
        camera.showPage(RemoteConfigDialog::HumanDetectionPage);
        QCOMPARE(camera.widget<QSpinBox>("spbHRSensitivity")->value(), 50);
        QVERIFY(!camera.widget<QCheckBox>("ckbHRAlarmLights")->isChecked());
        QVERIFY(!camera.widget<QCheckBox>("ckbHRToneBroadcast")->isChecked());
    }

    void loadListsTheRegionsAndTasksInUse() {
        DialogOnCamera camera;
        camera.showPage(RemoteConfigDialog::HumanDetectionPage);
        auto* table = camera.widget<QTableView>("tbwHumanoidRecognition");
        QCOMPARE(table->model()->rowCount(), 1);
        QCOMPARE(table->model()->index(0, 2).data().toString(), QString("23:59:59"));
        QVERIFY(camera.widget<QPushButton>("btnAddShield")->isEnabled());
    }

    // A damaged region record: coordinates that are not numbers, infinite, huge or below
    // zero reach the preview held to the picture, never converted as they came.
    void regionCoordinatesOutsideThePictureAreHeldToIt() {
        DialogOnCamera camera;
        const float damaged[] = {std::numeric_limits<float>::quiet_NaN(),
                                 std::numeric_limits<float>::infinity(),
                                 -std::numeric_limits<float>::infinity(),
                                 3e38f,
                                 -7.5f,
                                 140.0f,
                                 50.0f,
                                 0.0f};
        NETSDK_PARAM_ROI roi = {};
        NETSDK_ROI_REGION& region = roi.regions[0];
        region.inUse.value = 1;
        region.pointCount.value = NETSDK_ROI_POINTS;
        for (int point = 0; point < NETSDK_ROI_POINTS; ++point) {
            region.points[point].x.value = wordFromFloat(damaged[point]);
            region.points[point].y.value = wordFromFloat(damaged[NETSDK_ROI_POINTS - 1 - point]);
        }
        const NETSDK_CHANNEL channel = {0, 1};
        QCOMPARE(NETSDK_SetParam(camera.dialog().loginHandle(), &channel, NETSDK_PARAM_ID_ROI, &roi,
                                 int(sizeof(roi))),
                 0);
        camera.showPage(RemoteConfigDialog::HumanDetectionPage);
        const auto* store = camera.dialog().findChild<ShieldTaskManager*>();
        QVERIFY(store != nullptr);
        QCOMPARE(store->regions().size(), 1);
        const QPolygonF polygon = store->regions()[0].polygon;
        QCOMPARE(polygon.size(), int(NETSDK_ROI_POINTS));
        for (const QPointF& point : polygon) {
            QVERIFY2(point.x() >= 0 && point.x() <= 100 && point.y() >= 0 && point.y() <= 100,
                     qPrintable(QString("%1, %2").arg(point.x()).arg(point.y())));
        }
        QCOMPARE(polygon[3], QPointF(100, 0));   // huge x, x below zero
        QCOMPARE(polygon[6], QPointF(50, 100));  // x inside stays, infinite y
        QCOMPARE(polygon[7], QPointF(0, 0));     // y not a number
    }

    void fourTasksDisableAddingUntilOneIsRemoved() {
        DialogOnCamera camera;
        armFourTasks(camera);
        camera.showPage(RemoteConfigDialog::HumanDetectionPage);
        auto* table = camera.widget<QTableView>("tbwHumanoidRecognition");
        auto* add = camera.widget<QPushButton>("btnAddShield");
        QCOMPARE(table->model()->rowCount(), 4);
        QVERIFY(!add->isEnabled());
        camera.widget<QPushButton>("btnRemoveShield")->click();  // nothing selected
        QCOMPARE(table->model()->rowCount(), 4);
        table->selectRow(1);
        camera.widget<QPushButton>("btnRemoveShield")->click();
        QCOMPARE(table->model()->rowCount(), 3);
        QVERIFY(add->isEnabled());
        // A reload brings the camera's four back.
        camera.showPage(RemoteConfigDialog::SystemTimePage);
        camera.showPage(RemoteConfigDialog::HumanDetectionPage);
        QCOMPARE(table->model()->rowCount(), 4);
    }

    void saveWritesLinkageRegionsTasksAndDetectionInOrder() {
        DialogOnCamera camera;
        camera.showPage(RemoteConfigDialog::HumanDetectionPage);
        camera.widget<QGroupBox>("gbxHumanoidRecognition")->setChecked(true);
        camera.widget<QSlider>("sldHRSensitivity")->setValue(77);
        camera.widget<QCheckBox>("ckbHRToneBroadcast")->setChecked(false);
        // A second region drawn on the preview: a closed rectangle of five points.
        const QPolygonF drawn(QRectF(QPointF(20, 30), QPointF(40, 60)));
        QCOMPARE(drawn.size(), 5);
        QVERIFY(QMetaObject::invokeMethod(
            &camera.dialog(), "onROIValueChanged", Q_ARG(int, 1), Q_ARG(QPolygonF, drawn),
            Q_ARG(QColor, QColor(Qt::magenta)), Q_ARG(QColor, QColor(Qt::red))));
        acceptNextModal();
        camera.widget<QPushButton>("btnAddShield")->click();
        QCOMPARE(camera.widget<QTableView>("tbwHumanoidRecognition")->model()->rowCount(), 2);
        camera.widget<QPushButton>("btnSaveHumanoidRecognitionConfig")->click();

        QCOMPARE(writeOrder(camera),
                 (std::vector<int>{kWireLinkage, kWireRoi, kWireArming, kWireHumanoid}));
        QCOMPARE(camera.written(kWireLinkage),
                 WireBody(kLinkageWireSize).word(kLinkageLights, 1).bytes());
        QCOMPARE(camera.written(kWireHumanoid), WireBody(kHumanoidWireSize)
                                                    .word(kHumanoidEnabled, 1)
                                                    .word(kHumanoidSensitivity, 77)
                                                    .bytes());
        // The camera's region 0 as loaded, then the drawn one.
        WireBody roi(kRoiWireSize);
        const QPolygonF loaded(QVector<QPointF>{{10, 10}, {90, 10}, {90, 90}, {10, 90}});
        const QList<std::pair<QPolygonF, QRgb>> regions = {{loaded, 0xFF00A0FF},
                                                           {drawn, QColor(Qt::magenta).rgb()}};
        for (int r = 0; r < regions.size(); ++r) {
            const int base = kRegionWire * r;
            roi.word(base + kRegionInUse, 1)
                .word(base + kRegionColour, qint32(regions[r].second))
                .word(base + kRegionAlarmColour, qint32(0xFFFF0000))
                .word(base + kRegionPoints, regions[r].first.size());
            for (int j = 0; j < regions[r].first.size(); ++j) {
                roi.real(base + kPointX + kPointStride * j, float(regions[r].first[j].x()))
                    .real(base + kPointY + kPointStride * j, float(regions[r].first[j].y()));
            }
        }
        QCOMPARE(camera.written(kWireRoi).toHex(), roi.bytes().toHex());
        // The camera's task, then the one added through the task dialog.
        const QByteArray arming = camera.written(kWireArming);
        QCOMPARE(wireWord(arming, kTaskInUse), 1);
        QCOMPARE(wireWord(arming, kTaskEnd), 86399);
        QCOMPARE(wireWord(arming, kTaskDays), 127);
        const int added = kTaskWire;
        QCOMPARE(wireWord(arming, added + kTaskInUse), 1);
        QVERIFY(wireWord(arming, added + kTaskRegion) < 2);
        QCOMPARE(wireWord(arming, added + kTaskHead), 1);
        QCOMPARE(wireWord(arming, added + kTaskFourth), 1);
        QCOMPARE(wireWord(arming, added + kTaskTone), 11);
        QVERIFY(wireWord(arming, added + kTaskRepeat) >= 1);
        QCOMPARE(wireWord(arming, 2 * kTaskWire + kTaskInUse), 0);
    }

    // Regions move up past unused slots when loaded; a task must keep arming its region.
    void aTaskKeepsItsRegionWhenTheRegionMovesUp() {
        DialogOnCamera camera;
        const NETSDK_CHANNEL channel = {0, 1};
        NETSDK_PARAM_ROI roi = {};
        roi.regions[2].inUse.value = 1;
        roi.regions[2].pointCount.value = 1;
        QCOMPARE(NETSDK_SetParam(camera.dialog().loginHandle(), &channel, NETSDK_PARAM_ID_ROI, &roi,
                                 int(sizeof(roi))),
                 0);
        NETSDK_PARAM_ARMING arming = {};
        arming.tasks[0].inUse.value = 1;
        arming.tasks[0].region.value = 2;
        QCOMPARE(NETSDK_SetParam(camera.dialog().loginHandle(), &channel, NETSDK_PARAM_ID_ARMING,
                                 &arming, int(sizeof(arming))),
                 0);
        camera.showPage(RemoteConfigDialog::HumanDetectionPage);
        camera.widget<QPushButton>("btnSaveHumanoidRecognitionConfig")->click();
        // The page's writes follow the two above: the region now travels in slot 0, and so
        // does the task's reference to it.
        const auto regions = camera.blocks("PUT", kWireRoi);
        const auto tasks = camera.blocks("PUT", kWireArming);
        QCOMPARE(int(regions.size()), 2);
        QCOMPARE(int(tasks.size()), 2);
        QCOMPARE(wireWord(regions[1], kRegionInUse), 1);
        QCOMPARE(wireWord(tasks[1], kTaskInUse), 1);
        QCOMPARE(wireWord(tasks[1], kTaskRegion), 0);
    }

    void resetThenSaveClearsRegionsAndTasksOnly() {
        DialogOnCamera camera;
        camera.showPage(RemoteConfigDialog::HumanDetectionPage);
        camera.widget<QSpinBox>("spbHRSensitivity")->setValue(12);
        camera.widget<QPushButton>("resetROIPushButton")->click();
        QCOMPARE(camera.widget<QTableView>("tbwHumanoidRecognition")->model()->rowCount(), 0);
        camera.widget<QPushButton>("btnSaveHumanoidRecognitionConfig")->click();
        QCOMPARE(camera.written(kWireRoi), QByteArray(kRoiWireSize, '\0'));
        QCOMPARE(camera.written(kWireArming), QByteArray(kArmingWireSize, '\0'));
        QCOMPARE(wireWord(camera.written(kWireHumanoid), kHumanoidSensitivity), 12);
    }

    // The four records go one by one: a refused one ends the save and is shown with the
    // ones written before it.
    void refusedWriteEndsTheSaveAndIsShown_data() {
        QTest::addColumn<int>("refused");
        QTest::addColumn<QList<int>>("writes");
        QTest::addColumn<QString>("message");
        QTest::newRow("linkage") << kWireLinkage << QList<int>{kWireLinkage}
                                 << "摄像机没有接受告警联动，设置未全部保存。\n"
                                    "此前已写入摄像机的：无。";
        QTest::newRow("regions") << kWireRoi << QList<int>{kWireLinkage, kWireRoi}
                                 << "摄像机没有接受布防区域，设置未全部保存。\n"
                                    "此前已写入摄像机的：告警联动。";
        QTest::newRow("tasks") << kWireArming << QList<int>{kWireLinkage, kWireRoi, kWireArming}
                               << "摄像机没有接受布防任务，设置未全部保存。\n"
                                  "此前已写入摄像机的：告警联动、布防区域。";
        QTest::newRow("detection")
            << kWireHumanoid << QList<int>{kWireLinkage, kWireRoi, kWireArming, kWireHumanoid}
            << "摄像机没有接受人形识别，设置未全部保存。\n"
               "此前已写入摄像机的：告警联动、布防区域、布防任务。";
    }
    void refusedWriteEndsTheSaveAndIsShown() {
        QFETCH(int, refused);
        DialogOnCamera camera(R"("faults": {"http_write_status": {"command:)" +
                              std::to_string(refused) + R"(": 500}})");
        camera.showPage(RemoteConfigDialog::HumanDetectionPage);
        const auto answer = answerNextModal<QMessageBox>([](QMessageBox* box) { box->accept(); });
        camera.widget<QPushButton>("btnSaveHumanoidRecognitionConfig")->click();
        QVERIFY(answer->answered);
        QCOMPARE(answer->title, QString("保存失败"));
        QTEST(answer->text, "message");
        const std::vector<int> order = writeOrder(camera);
        QTEST(QList<int>(order.begin(), order.end()), "writes");
    }
};

QTEST_MAIN(DetectionPageTest)
#include "test_detection_page.moc"
