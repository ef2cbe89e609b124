// The privacy mask page on the real dialog against camsim: masks come from the preview,
// never from the camera, and a save first clears the camera's masks, then sends the list.
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include "VideoMaskInfo.h"
#include "modalhelper.h"
#include "video_page_fixture.h"

namespace {

constexpr int kWireMask = 4;
constexpr int kMaskWireSize = 3184;
// Mask m at 796 m.
constexpr int kMaskWire = 796, kMaskEnabled = 8, kMaskState = 24, kMaskX = 180, kMaskY = 336,
              kMaskWidth = 492, kMaskHeight = 648;

VIDEO_MASK_INFO drawnMask(const QRectF& rect) {
    VIDEO_MASK_INFO mask;
    mask.enable = true;
    mask.code = 2;
    mask.rect = rect;
    return mask;
}

// As the preview reports a drawn or moved mask.
void reportMask(DialogOnCamera& camera, int id, const QRectF& rect) {
    QVERIFY(QMetaObject::invokeMethod(&camera.dialog(), "onVideoMaskValueChanged", Q_ARG(int, id),
                                      Q_ARG(VIDEO_MASK_INFO, drawnMask(rect))));
}

}  // namespace

class MaskPageTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCOMPARE(NETSDK_Init(), 0); }
    void cleanupTestCase() { NETSDK_Cleanup(); }

    void drawnMasksAreListedAndShown() {
        DialogOnCamera camera;
        QVERIFY(camera.loggedIn());
        camera.showPage(RemoteConfigDialog::VideoMaskPage);
        auto* list = camera.widget<QComboBox>("cbxVideoMaskChannel");
        QCOMPARE(list->count(), 4);
        QCOMPARE(list->itemText(3), QString("4"));
        QCOMPARE(list->currentIndex(), 0);
        QVERIFY(!camera.widget<QCheckBox>("ckbVideoMaskEnable")->isChecked());

        reportMask(camera, 1, QRectF(10, 20, 30, 40));
        reportMask(camera, 2, QRectF(50, 50, 20, 10));
        QCOMPARE(list->currentIndex(), 1);
        QCOMPARE(camera.widget<QDoubleSpinBox>("spbVideoMaskPosX")->value(), 50.0);
        QVERIFY(camera.widget<QCheckBox>("ckbVideoMaskEnable")->isChecked());
        // Moving mask 1 selects it again, with its new place.
        reportMask(camera, 1, QRectF(15, 20, 30, 40));
        QCOMPARE(list->currentIndex(), 0);
        QCOMPARE(camera.widget<QDoubleSpinBox>("spbVideoMaskPosX")->value(), 15.0);
        QCOMPARE(camera.widget<QDoubleSpinBox>("spbVideoMaskHeight")->value(), 40.0);
        // Typing into a field moves nothing.
        camera.widget<QDoubleSpinBox>("spbVideoMaskPosX")->setValue(70);
        QCOMPARE(list->itemData(0).value<VIDEO_MASK_INFO>().rect.x(), 15.0);
    }

    void saveClearsTheCameraThenSendsTheDrawnMasks() {
        DialogOnCamera camera;
        camera.showPage(RemoteConfigDialog::VideoMaskPage);
        reportMask(camera, 1, QRectF(10, 20, 30, 40));
        reportMask(camera, 2, QRectF(50.5, 60, 20, 10.25));
        // Unticking only greys out the fields: the mask is still sent as enabled.
        camera.widget<QCheckBox>("ckbVideoMaskEnable")->setChecked(false);
        QVERIFY(!camera.widget<QDoubleSpinBox>("spbVideoMaskWidth")->isEnabled());
        camera.widget<QPushButton>("btnSaveVideoMaskConfig")->click();

        const auto sent = camera.blocks("PUT", kWireMask);
        QCOMPARE(sent.size(), size_t(2));
        QCOMPARE(sent[0], QByteArray(kMaskWireSize, '\0'));
        WireBody expected(kMaskWireSize);
        const QRectF rects[] = {QRectF(10, 20, 30, 40), QRectF(50.5, 60, 20, 10.25)};
        for (int m = 0; m < 2; ++m) {
            const int base = kMaskWire * m;
            expected.word(base + kMaskEnabled, 1)
                .word(base + kMaskState, 2)
                .real(base + kMaskX, float(rects[m].x()))
                .real(base + kMaskY, float(rects[m].y()))
                .real(base + kMaskWidth, float(rects[m].width()))
                .real(base + kMaskHeight, float(rects[m].height()));
        }
        QCOMPARE(sent[1].toHex(), expected.bytes().toHex());
    }

    void cleanForgetsTheDrawnMasks() {
        DialogOnCamera camera;
        camera.showPage(RemoteConfigDialog::VideoMaskPage);
        reportMask(camera, 1, QRectF(10, 20, 30, 40));
        camera.widget<QPushButton>("btnCleanVideoMaskConfig")->click();
        QVERIFY(camera.blocks("PUT", kWireMask).empty());
        camera.widget<QPushButton>("btnSaveVideoMaskConfig")->click();
        const auto sent = camera.blocks("PUT", kWireMask);
        QCOMPARE(sent.size(), size_t(2));
        QCOMPARE(sent[1], QByteArray(kMaskWireSize, '\0'));
    }

    void refusedClearingSendsNoMasksAndIsShown() {
        DialogOnCamera camera(R"("faults": {"http_write_status": {"command:4": 500}})");
        camera.showPage(RemoteConfigDialog::VideoMaskPage);
        reportMask(camera, 1, QRectF(10, 20, 30, 40));
        const auto answer = answerNextModal<QMessageBox>([](QMessageBox* box) { box->accept(); });
        camera.widget<QPushButton>("btnSaveVideoMaskConfig")->click();
        QCOMPARE(camera.blocks("PUT", kWireMask).size(), size_t(1));
        QVERIFY(answer->answered);
        QCOMPARE(answer->title, QString("保存失败"));
        QCOMPARE(answer->text,
                 QString("摄像机没有接受清除隐私遮挡，设置未全部保存。\n此前已写入摄像机的：无。"));
    }
};

QTEST_MAIN(MaskPageTest)
#include "test_mask_page.moc"
