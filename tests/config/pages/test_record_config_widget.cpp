// The record configuration page against camsim: loads fill the form and the storage table,
// saves send exactly the page's values, refused reads keep the form, restore shows defaults.
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "DeviceSizeTable.h"
#include "RecordConfigWidget.h"
#include "page_camera.h"

namespace {

constexpr int kStorage = 50, kRecordSet = 53;

QStringList items(const QComboBox* box) {
    QStringList texts;
    for (int index = 0; index < box->count(); ++index) {
        texts << box->itemText(index);
    }
    return texts;
}

}  // namespace

class RecordConfigWidgetTest : public QObject {
    Q_OBJECT

    template <typename Widget>
    Widget* child(const char* name) {
        Widget* widget = page->findChild<Widget*>(name);
        if (widget == nullptr) {
            qFatal("no %s", name);
        }
        return widget;
    }

    void open(const std::string& cameraMembers = "") {
        camera.reset(new PageCamera(cameraMembers));
        page.reset(new RecordConfigWidget(camera->session()));
        settle();
    }

    std::string saved() {
        child<QPushButton>("savePushButton")->click();
        const auto bodies = camera->productBodies(kRecordSet);
        return bodies.empty() ? "" : bodies.back();
    }

private slots:
    void cleanup() {
        page.reset();
        camera.reset();
    }

    void loadFillsTheFormAndTheCardRow() {
        open(R"("storage": {"total": 4096, "free": 1024},
                "record_time_choices": [5, "10", 15],
                "product_settings": {"record": {"allow_overwrite": false, "max_record_time": 15,
                    "video_stream": 1, "media_format": 0, "with_audio": false}})");
        auto* durations = child<QComboBox>("singleFileDurationMinutesComboBox");
        QCOMPARE(items(durations), QStringList({"5", "10", "15"}));
        QCOMPARE(durations->currentText(), QString("15"));
        QVERIFY(child<QRadioButton>("stopRecordRadioButton")->isChecked());
        QVERIFY(!child<QRadioButton>("deleteOldFileRadioButton")->isChecked());
        QCOMPARE(child<QComboBox>("streamTypeComboBox")->currentIndex(), 1);
        QVERIFY(!child<QCheckBox>("recordAudioCheckBox")->isChecked());

        auto* table = child<DeviceSizeTable>("tableWidget");
        QCOMPARE(table->rowCount(), 1);
        QCOMPARE(table->item(0, 0)->text(), QString("/media/sdcard"));
        QCOMPARE(table->item(0, 3)->text(), QString("4.0G"));
        QCOMPARE(table->item(0, 2)->text(), QString("1.0G"));

        QCOMPARE(saved(), std::string(R"({"allow_overwrite":false,"max_record_time":15,)"
                                      R"("media_format":0,"video_stream":1,"with_audio":false})"));
    }

    void aSaveSendsTheUsersChoices() {
        open();
        child<QRadioButton>("stopRecordRadioButton")->setChecked(true);
        child<QComboBox>("singleFileDurationMinutesComboBox")->setCurrentText("60");
        child<QComboBox>("streamTypeComboBox")->setCurrentIndex(1);
        child<QCheckBox>("recordAudioCheckBox")->setChecked(false);
        QCOMPARE(saved(), std::string(R"({"allow_overwrite":false,"max_record_time":60,)"
                                      R"("media_format":0,"video_stream":1,"with_audio":false})"));
    }

    void anUnlistedDurationKeepsTheFirstChoice() {
        open(R"("product_settings": {"record": {"max_record_time": 7}})");
        QCOMPARE(child<QComboBox>("singleFileDurationMinutesComboBox")->currentText(),
                 QString("5"));
    }

    // Values the form has no item for go back as the camera gave them, not as -1 or 0.
    void valuesTheFormCannotShowGoBackUnchanged() {
        open(R"("record_time_choices": null,
                "product_settings": {"record": {"allow_overwrite": true, "max_record_time": 25,
                    "video_stream": 2, "media_format": 3, "with_audio": true}})");
        QCOMPARE(child<QComboBox>("singleFileDurationMinutesComboBox")->count(), 0);
        QCOMPARE(child<QComboBox>("streamTypeComboBox")->currentIndex(), -1);
        QCOMPARE(saved(), std::string(R"({"allow_overwrite":true,"max_record_time":25,)"
                                      R"("media_format":3,"video_stream":2,"with_audio":true})"));
    }

    void refusedReadsKeepTheForm() {
        open(R"("faults": {"http_status": {"product:50": 500, "product:52": 500}})");
        QCOMPARE(child<DeviceSizeTable>("tableWidget")->rowCount(), 0);
        QCOMPARE(items(child<QComboBox>("singleFileDurationMinutesComboBox")),
                 QStringList({"5", "10", "20", "30", "40", "50", "60"}));
        QVERIFY(child<QRadioButton>("deleteOldFileRadioButton")->isChecked());
        // The defaults still came: the restore shows them.
        child<QPushButton>("resetPushButton")->click();
        QCOMPARE(child<QComboBox>("singleFileDurationMinutesComboBox")->currentText(),
                 QString("10"));
    }

    void restoreShowsTheDefaultsWithoutSending() {
        open(R"("product_settings": {"record": {"allow_overwrite": true, "max_record_time": 60,
                    "video_stream": 1, "media_format": 0, "with_audio": true}},
                "product_defaults": {"record": {"allow_overwrite": false, "max_record_time": 5,
                    "video_stream": 0, "media_format": 0, "with_audio": false}})");
        child<QPushButton>("resetPushButton")->click();
        QVERIFY(child<QRadioButton>("stopRecordRadioButton")->isChecked());
        QCOMPARE(child<QComboBox>("singleFileDurationMinutesComboBox")->currentText(),
                 QString("5"));
        QCOMPARE(child<QComboBox>("streamTypeComboBox")->currentIndex(), 0);
        QVERIFY(!child<QCheckBox>("recordAudioCheckBox")->isChecked());
        QVERIFY(camera->productBodies(kRecordSet).empty());
    }

    void aDefaultDurationNotListedRestoresNoSelection() {
        open(R"("product_defaults": {"record": {"max_record_time": 45}})");
        child<QPushButton>("resetPushButton")->click();
        QCOMPARE(child<QComboBox>("singleFileDurationMinutesComboBox")->currentIndex(), -1);
    }

    void refusedDefaultsMakeRestoreDoNothing() {
        open(R"("faults": {"http_status": {"product:54": 500}})");
        auto* durations = child<QComboBox>("singleFileDurationMinutesComboBox");
        durations->setCurrentText("60");
        child<QPushButton>("resetPushButton")->click();
        QCOMPARE(durations->currentText(), QString("60"));
    }

    void aGoneSessionSendsNothing() {
        camera.reset(new PageCamera);
        page.reset(new RecordConfigWidget(camera->session()));
        camera->dropSession();
        settle();
        child<QPushButton>("savePushButton")->click();
        QVERIFY(camera->productBodies(kStorage).empty());
        QVERIFY(camera->productBodies(kRecordSet).empty());
    }

private:
    QScopedPointer<PageCamera> camera;
    QScopedPointer<RecordConfigWidget> page;
};

QTEST_MAIN(RecordConfigWidgetTest)
#include "test_record_config_widget.moc"
