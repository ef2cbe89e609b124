// The cover detection page against camsim: load, save of the edited record, the region frame
// over the preview, the arming rows, restore and the refusals.
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGroupBox>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtEndian>
#include <QtTest>
#include <cstring>
#include <limits>

#include "AddTaskDialog.h"
#include "CoverDetectionWidget.h"
#include "Overlay.h"
#include "VideoSurface.h"
#include "clip_blocks.h"
#include "modalhelper.h"
#include "page_camera.h"
#include "picture_geometry.h"

namespace {

constexpr int kWireCover = 25;
constexpr int kHead = 16;
constexpr int kWaitMs = 5000;

// Wire positions of the value words that the page reads and writes.
enum Wire {
    Enabled = 8,
    Sensitivity = 24,
    Threshold = 180,
    Left = 336,
    Top = 492,
    Right = 648,
    Bottom = 804,
    Windows = 952,
    WindowBytes = 640,
    InUse = 8,
    Begin = 24,
    End = 180,
    Days = 336,
    Fourth = 492,
    FlashLight = 3520,
    PromptTone = 3536,
};

int wordAt(const QByteArray& body, int offset) {
    return qFromLittleEndian<qint32>(body.constData() + kHead + offset);
}

float floatAt(const QByteArray& body, int offset) {
    const qint32 word = wordAt(body, offset);
    float value = 0;
    std::memcpy(&value, &word, sizeof value);
    return value;
}

int windowWord(const QByteArray& body, int window, int field) {
    return wordAt(body, Windows + WindowBytes * window + field);
}

void setPercent(NETSDK_RANGE_SLOT& slot, float percent) {
    std::memcpy(&slot.value, &percent, sizeof percent);
}

void arm(NETSDK_TIME_SEGMENT& window, int inUse, int begin, int end, int days) {
    window.head.value = inUse;
    window.ranges[0].value = begin;
    window.ranges[1].value = end;
    window.ranges[2].value = days;
    window.ranges[3].value = 1;
}

// The camera's region: 25 % to 75 % across, 20 % to 60 % down.
void placeRegion(NETSDK_PARAM_COVER_DETECT* record) {
    setPercent(record->left, 25);
    setPercent(record->top, 20);
    setPercent(record->right, 75);
    setPercent(record->bottom, 60);
}

struct Page {
    explicit Page(PageCamera& camera) : widget(camera.session().data(), nullptr) {
        widget.show();
        QCoreApplication::processEvents();  // runs the queued load
    }
    template <typename T>
    T* child(const char* name = nullptr) {
        return requireChild<T>(&widget, name);
    }
    QTableWidget* table() { return child<QTableWidget>("tableWidget"); }
    void save() { child<QPushButton>("savePushButton")->click(); }
    // The region frame on the preview's video, or null.
    Overlay* regionFrame() {
        auto* video = child<QFrame>("videoFrame")->findChild<VideoSurface*>();
        return video != nullptr ? video->findChild<Overlay*>() : nullptr;
    }
    CoverDetectionWidget widget;
};

}  // namespace

class CoverDetectionPageTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCOMPARE(NETSDK_Init(), 0); }
    void cleanupTestCase() { NETSDK_Cleanup(); }

    void loadFillsTheFormAndSaveSendsItBack() {
        PageCamera camera;
        NETSDK_PARAM_COVER_DETECT* record = camera.session()->coverDetectionConfig(false);
        QVERIFY(record != nullptr);
        record->enabled.value = 1;
        record->sensitivity.value = 4;
        record->threshold.value = 70;
        record->flashLight.value = 0;
        record->promptTone.value = 1;
        arm(record->windows[0], 0, 0, 60, 127);  // not in use: a gap
        arm(record->windows[1], 1, 30600, 86400 + 3600, 2);
        arm(record->windows[2], -1, 0, 60, 127);
        arm(record->windows[3], 1, 0, 7200, 127);
        Page page(camera);
        QVERIFY(page.child<QGroupBox>("coverDetectionGroupBox")->isChecked());
        QCOMPARE(page.child<QSlider>("sensLevelSlider")->value(), 4);
        QCOMPARE(page.child<QSpinBox>("sensLevelSpinBox")->value(), 4);
        QCOMPARE(page.child<QSpinBox>("sensLevelSpinBox_3")->value(), 70);
        QVERIFY(!page.child<QCheckBox>("alarmLightsCheckBox")->isChecked());
        QCOMPARE(page.table()->rowCount(), 2);
        QCOMPARE(page.table()->item(0, 0)->text(), QString("蓝色区域"));
        QCOMPARE(page.table()->item(0, 1)->text(), QString("08:30:00"));
        QCOMPARE(page.table()->item(0, 2)->text(), QString("01:00:00"));

        page.child<QSlider>("thresholdSlider")->setValue(20);
        page.child<QCheckBox>("toneBroadcastCheckBox")->setChecked(false);
        page.save();
        const auto puts = camera.blockBodies("PUT", kWireCover);
        QCOMPARE(puts.size(), size_t(1));
        const QByteArray& body = puts[0];
        QCOMPARE(wordAt(body, Enabled), 1);
        QCOMPARE(wordAt(body, Sensitivity), 4);
        QCOMPARE(wordAt(body, Threshold), 20);
        QCOMPARE(wordAt(body, FlashLight), 0);
        QCOMPARE(wordAt(body, PromptTone), 0);
        // The shown rows fill the entries from the first on; the rest go out as zeros.
        const int expected[4][5] = {
            {1, 30600, 3600, 2, 0}, {1, 0, 7200, 127, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}};
        const int fields[] = {InUse, Begin, End, Days, Fourth};
        for (int window = 0; window < 4; ++window) {
            for (int field = 0; field < 5; ++field) {
                QCOMPARE(windowWord(body, window, fields[field]), expected[window][field]);
            }
        }
    }

    void theRegionFrameSitsOnThePictureAndDraggingItOffIsClamped() {
        PageCamera camera;
        placeRegion(camera.session()->coverDetectionConfig(false));
        Page page(camera);
        Overlay* frame = page.regionFrame();
        QVERIFY(frame != nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(frame->isVisible(), kWaitMs);
        QWidget* video = frame->parentWidget();
        const QSize picture = camera.session()->streamResolution(1, false);
        QCOMPARE(frame->geometry().topLeft(), mapPercentToWidget(video, picture, {25, 20}));
        QCOMPARE(frame->geometry().bottomRight(), mapPercentToWidget(video, picture, {75, 60}));

        // Drag the frame far to the left and down, past the picture's edges.
        const QPoint grip = frame->rect().center();
        QTest::mousePress(frame, Qt::LeftButton, Qt::NoModifier, grip);
        QMouseEvent drag(QEvent::MouseMove, grip + QPoint(-2000, 2000), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(frame, &drag);
        QTest::mouseRelease(frame, Qt::LeftButton, Qt::NoModifier, frame->rect().center());
        page.save();
        const auto puts = camera.blockBodies("PUT", kWireCover);
        QCOMPARE(puts.size(), size_t(1));
        for (int edge : {Left, Top, Right, Bottom}) {
            const float value = floatAt(puts[0], edge);
            QVERIFY2(value >= 0 && value <= 100, qPrintable(QString::number(value)));
        }
        QCOMPARE(floatAt(puts[0], Left), 0.0f);
        QCOMPARE(floatAt(puts[0], Bottom), 100.0f);
    }

    // A damaged record: edges that are not numbers, infinite or huge put the frame on the
    // picture's edge, and a save sends them back held to the picture, never as they came.
    void regionEdgesOutsideThePictureAreHeldToIt_data() {
        QTest::addColumn<float>("received");
        QTest::addColumn<float>("held");
        QTest::newRow("not a number") << std::numeric_limits<float>::quiet_NaN() << 0.0f;
        QTest::newRow("infinite") << std::numeric_limits<float>::infinity() << 100.0f;
        QTest::newRow("minus infinite") << -std::numeric_limits<float>::infinity() << 0.0f;
        QTest::newRow("huge") << 3e38f << 100.0f;
    }
    void regionEdgesOutsideThePictureAreHeldToIt() {
        QFETCH(float, received);
        QFETCH(float, held);
        PageCamera camera;
        NETSDK_PARAM_COVER_DETECT* record = camera.session()->coverDetectionConfig(false);
        QVERIFY(record != nullptr);
        for (NETSDK_RANGE_SLOT* edge :
             {&record->left, &record->top, &record->right, &record->bottom}) {
            setPercent(*edge, received);
        }
        Page page(camera);
        Overlay* frame = page.regionFrame();
        QVERIFY(frame != nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(frame->isVisible(), kWaitMs);
        const QPoint corner =
            mapPercentToWidget(frame->parentWidget(), camera.session()->streamResolution(1, false),
                               {double(held), double(held)});
        QCOMPARE(frame->geometry().topLeft(), corner);
        QCOMPARE(frame->geometry().bottomRight(), corner);

        page.save();
        const auto puts = camera.blockBodies("PUT", kWireCover);
        QCOMPARE(puts.size(), size_t(1));
        for (int edge : {Left, Top, Right, Bottom}) {
            const float sent = floatAt(puts[0], edge);
            QVERIFY2(sent == held,
                     qPrintable(QString("edge %1: %2, not %3").arg(edge).arg(sent).arg(held)));
        }
    }

    // The stream's pictures (352 x 288 in samples twice as wide as high, so painted 704 x 288)
    // differ from the sub stream's resolution record (640 x 360): the frame sits on the
    // picture as painted, and a drag is read back in the percents of that picture.
    void theRegionFollowsThePictureAsPainted() {
        QTemporaryDir folder;
        const std::string clip =
            clip_blocks::makeVideoFile({clip_blocks::kH264, 352, 288, "yuv420p", 2}, {255, 0, 0},
                                       {0, 0, 255}, 8, folder.path().toStdString());
        PageCamera camera(R"("rtsp": {"video": ")" + clip + R"("})");
        QCOMPARE(camera.session()->streamResolution(1, false), QSize(640, 360));
        placeRegion(camera.session()->coverDetectionConfig(false));
        Page page(camera);
        auto* video = page.child<QFrame>("videoFrame")->findChild<VideoSurface*>();
        QVERIFY(video != nullptr);
        const QSize painted(704, 288);
        QTRY_COMPARE_WITH_TIMEOUT(video->pictureSize(), painted, kWaitMs);
        Overlay* frame = page.regionFrame();
        QVERIFY(frame != nullptr);
        QTRY_COMPARE_WITH_TIMEOUT(frame->geometry().topLeft(),
                                  mapPercentToWidget(video, painted, {25, 20}), kWaitMs);
        QCOMPARE(frame->geometry().bottomRight(), mapPercentToWidget(video, painted, {75, 60}));

        // A tenth of the painted picture's width to the right.
        const int tenth = (mapPercentToWidget(video, painted, {100, 0}).x() -
                           mapPercentToWidget(video, painted, {0, 0}).x()) /
                          10;
        const QPoint grip = frame->rect().center();
        QTest::mousePress(frame, Qt::LeftButton, Qt::NoModifier, grip);
        QMouseEvent drag(QEvent::MouseMove, grip + QPoint(tenth, 0), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(frame, &drag);
        QTest::mouseRelease(frame, Qt::LeftButton, Qt::NoModifier, frame->rect().center());
        page.save();
        const auto puts = camera.blockBodies("PUT", kWireCover);
        QCOMPARE(puts.size(), size_t(1));
        const struct {
            int edge;
            float percent;
        } expected[] = {{Left, 35}, {Top, 20}, {Right, 85}, {Bottom, 60}};
        for (const auto& row : expected) {
            const float sent = floatAt(puts[0], row.edge);
            QVERIFY2(qAbs(sent - row.percent) < 1,
                     qPrintable(
                         QString("edge %1: %2, not %3").arg(row.edge).arg(sent).arg(row.percent)));
        }
    }

    // The sub stream's size is unreadable: the frame shows the camera's region, a drag does
    // not change it, and a save sends it as read.
    void withoutAPictureSizeTheRegionIsShownButNotEditable() {
        PageCamera camera(R"("faults": {"http_status": {"command:3": 500}})");
        QVERIFY(!camera.session()->streamResolution(1, false).isValid());
        placeRegion(camera.session()->coverDetectionConfig(false));
        Page page(camera);
        Overlay* frame = page.regionFrame();
        QVERIFY(frame != nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(frame->isVisible(), kWaitMs);
        const QRect placed = frame->geometry();
        QVERIFY(!placed.isEmpty());

        const QPoint grip = frame->rect().center();
        QTest::mousePress(frame, Qt::LeftButton, Qt::NoModifier, grip);
        QMouseEvent drag(QEvent::MouseMove, grip + QPoint(-20, 20), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(frame, &drag);
        QTest::mouseRelease(frame, Qt::LeftButton, Qt::NoModifier, frame->rect().center());
        QCOMPARE(frame->geometry(), placed);
        page.save();
        const auto puts = camera.blockBodies("PUT", kWireCover);
        QCOMPARE(puts.size(), size_t(1));
        QCOMPARE(floatAt(puts[0], Left), 25.0f);
        QCOMPARE(floatAt(puts[0], Top), 20.0f);
        QCOMPARE(floatAt(puts[0], Right), 75.0f);
        QCOMPARE(floatAt(puts[0], Bottom), 60.0f);
    }

    void rowsComeFromTheDialogUpToFour() {
        PageCamera camera;
        NETSDK_PARAM_COVER_DETECT* record = camera.session()->coverDetectionConfig(false);
        for (int window = 0; window < 3; ++window) {
            arm(record->windows[window], 1, 3600 * window, 3600 * window + 60, 127);
        }
        Page page(camera);
        auto* add = page.child<QToolButton>("addToolButton");
        auto* remove = page.child<QToolButton>("removeToolButton");
        QVERIFY(add->isEnabled());
        QVERIFY(!remove->isEnabled());
        const auto answer = answerNextModal<AddTaskDialog>([](AddTaskDialog* dialog) {
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        add->click();
        QVERIFY(answer->answered);
        QCOMPARE(page.table()->rowCount(), 4);
        QVERIFY(!add->isEnabled());
        page.table()->selectRow(0);
        QVERIFY(remove->isEnabled());
        remove->click();
        QCOMPARE(page.table()->rowCount(), 3);
        QVERIFY(add->isEnabled());
    }

    void restorePutsTheCameraDefaultsAndSendsNothing() {
        PageCamera camera;
        NETSDK_PARAM_COVER_DETECT* record = camera.session()->coverDetectionConfig(false);
        record->enabled = {0, 0, 1, 0};
        record->sensitivity.value = 5;
        record->sensitivity.defaultValue = 2;
        record->threshold.value = 90;
        record->threshold.defaultValue = 30;
        record->flashLight = {0, 0, 0, 1};
        Page page(camera);
        page.child<QPushButton>("resetPushButton")->click();
        QVERIFY(!page.child<QGroupBox>("coverDetectionGroupBox")->isChecked());
        QCOMPARE(page.child<QSlider>("sensLevelSlider")->value(), 2);
        QCOMPARE(page.child<QSpinBox>("sensLevelSpinBox_3")->value(), 30);
        QVERIFY(page.child<QCheckBox>("alarmLightsCheckBox")->isChecked());
        QVERIFY(camera.blockBodies("PUT", kWireCover).empty());
    }

    void anUnreadableRecordKeepsTheFormAndSavesNothing() {
        PageCamera camera(R"("faults": {"http_status": {"command:25": 500}})");
        Page page(camera);
        QVERIFY(page.child<QFrame>("videoFrame")->findChild<VideoSurface*>() != nullptr);
        QVERIFY(page.child<QFrame>("videoFrame")->findChild<Overlay*>() == nullptr);
        QCOMPARE(page.table()->rowCount(), 0);
        page.child<QSlider>("sensLevelSlider")->setValue(3);
        page.child<QPushButton>("resetPushButton")->click();
        QCOMPARE(page.child<QSlider>("sensLevelSlider")->value(), 3);
        QVERIFY(!page.child<QPushButton>("savePushButton")->isEnabled());
        page.save();
        QCOMPARE(camera.blockBodies("GET", kWireCover).size(), size_t(1));
        QVERIFY(camera.blockBodies("PUT", kWireCover).empty());
    }
};

QTEST_MAIN(CoverDetectionPageTest)
#include "test_cover_detection_page.moc"
