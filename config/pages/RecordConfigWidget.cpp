#include "RecordConfigWidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QVariantMap>

#include "DeviceSizeTable.h"
#include "control_assignment_group.h"
#include "record_writes.h"
#include "save_after_read.h"
#include "zrsdk_instance.h"

namespace {

const char* const kCardPath = "/media/sdcard";
constexpr qint64 kBytesPerMiB = 1048576;

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

QVariantMap objectOf(const QJsonDocument& document) {
    return document.object().toVariantMap();
}

}  // namespace

RecordConfigWidget::RecordConfigWidget(const QSharedPointer<ZRSDKInstance>& session,
                                       QWidget* parent)
    : QWidget(parent), session(session) {
    buildForm();
    retranslate();
    restoreGroup = new ControlAssignmentGroup(this);
    restoreGroup->addButton(resetPushButton);
    connect(savePushButton, &QPushButton::clicked, this, &RecordConfigWidget::save);
    saveRule = new SaveAfterRead({savePushButton});
    QMetaObject::invokeMethod(this, "load", Qt::QueuedConnection);
}

void RecordConfigWidget::buildForm() {
    setObjectName("RecordConfigWidget");
    resize(680, 643);
    auto* pageLayout = named(new QVBoxLayout(this), "verticalLayout_4");

    auto* policyBox = named(new QGroupBox(this), "groupBox");
    auto* policyLayout = named(new QVBoxLayout(policyBox), "verticalLayout");
    deleteOldFileRadioButton = named(new QRadioButton(policyBox), "deleteOldFileRadioButton");
    deleteOldFileRadioButton->setChecked(true);
    stopRecordRadioButton = named(new QRadioButton(policyBox), "stopRecordRadioButton");
    policyLayout->addWidget(deleteOldFileRadioButton);
    policyLayout->addWidget(stopRecordRadioButton);
    pageLayout->addWidget(policyBox);

    auto* fileBox = named(new QGroupBox(this), "groupBox_2");
    auto* fileLayout = named(new QVBoxLayout(fileBox), "verticalLayout_2");
    auto* form = named(new QFormLayout, "formLayout_2");
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    fileLayout->addLayout(form);
    singleFileDurationMinutesComboBox =
        named(new QComboBox(fileBox), "singleFileDurationMinutesComboBox");
    singleFileDurationMinutesComboBox->addItems({"5", "10", "20", "30", "40", "50", "60"});
    streamTypeComboBox = named(new QComboBox(fileBox), "streamTypeComboBox");
    streamTypeComboBox->addItems({QString(), QString()});
    mediaFormatComboBox = named(new QComboBox(fileBox), "mediaFormatComboBox");
    mediaFormatComboBox->addItem(QString());
    recordAudioCheckBox = named(new QCheckBox(fileBox), "recordAudioCheckBox");
    form->addRow(named(new QLabel(fileBox), "singleFileDurationMinutesLabel"),
                 singleFileDurationMinutesComboBox);
    form->addRow(named(new QLabel(fileBox), "streamTypeLabel"), streamTypeComboBox);
    form->addRow(named(new QLabel(fileBox), "mediaFormatLabel"), mediaFormatComboBox);
    form->addRow(named(new QLabel(fileBox), "recordAudioLabel"), recordAudioCheckBox);
    pageLayout->addWidget(fileBox);

    auto* pathBox = named(new QGroupBox(this), "groupBox_3");
    auto* pathLayout = named(new QVBoxLayout(pathBox), "verticalLayout_3");
    tableWidget = named(new DeviceSizeTable(pathBox), "tableWidget");
    pathLayout->addWidget(tableWidget);
    pageLayout->addWidget(pathBox);

    auto* buttons = named(new QFrame(this), "frame_5");
    buttons->setFrameShape(QFrame::StyledPanel);
    buttons->setFrameShadow(QFrame::Raised);
    buttons->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    auto* buttonLayout = named(new QHBoxLayout(buttons), "horizontalLayout_9");
    resetPushButton = named(new QPushButton(buttons), "resetPushButton");
    savePushButton = named(new QPushButton(buttons), "savePushButton");
    buttonLayout->addWidget(resetPushButton);
    buttonLayout->addWidget(savePushButton);
    buttonLayout->addSpacerItem(new QSpacerItem(214, 20, QSizePolicy::Expanding));
    pageLayout->addWidget(buttons);
}

void RecordConfigWidget::retranslate() {
    setWindowTitle(tr("RecordConfigWidget"));
    findChild<QGroupBox*>("groupBox")->setTitle(tr("Storage policy"));
    deleteOldFileRadioButton->setText(tr("If there is not enough space, delete the old files"));
    stopRecordRadioButton->setText(tr("If there is not enough space, stop recording"));
    findChild<QGroupBox*>("groupBox_2")->setTitle(tr("File configuration"));
    findChild<QLabel*>("singleFileDurationMinutesLabel")
        ->setText(tr("Single file duration (minutes)"));
    findChild<QLabel*>("streamTypeLabel")->setText(tr("Stream Type"));
    streamTypeComboBox->setItemText(0, tr("Main Stream"));
    streamTypeComboBox->setItemText(1, tr("Sub Stream"));
    findChild<QLabel*>("mediaFormatLabel")->setText(tr("Media Format"));
    mediaFormatComboBox->setItemText(0, tr("MP4"));
    findChild<QLabel*>("recordAudioLabel")->setText(tr("Record audio"));
    findChild<QGroupBox*>("groupBox_3")->setTitle(tr("Save path"));
    resetPushButton->setText(tr("默认参数"));
    savePushButton->setText(tr("保存"));
}

void RecordConfigWidget::load() {
    saveRule->load([this] { return readSettings(); });
}

bool RecordConfigWidget::readSettings() {
    const QSharedPointer<ZRSDKInstance> camera = session.toStrongRef();
    if (camera.isNull()) {
        return false;
    }
    // Each block stands alone: a reply that failed leaves its controls as they were.
    showStorage(*camera);
    const bool currentRead = showCurrentValues(*camera);
    recordDefaults(*camera);
    return currentRead;
}

void RecordConfigWidget::showStorage(ZRSDKInstance& camera) {
    const QJsonDocument reply = camera.storageInfo();
    if (reply.isEmpty()) {
        return;
    }
    const QVariantMap storage = objectOf(reply);
    const qint64 totalBytes = storage.value("total").toInt() * kBytesPerMiB;
    const qint64 freeBytes = storage.value("free").toInt() * kBytesPerMiB;
    tableWidget->addPath(kCardPath, totalBytes, freeBytes);
}

bool RecordConfigWidget::showCurrentValues(ZRSDKInstance& camera) {
    const QJsonDocument reply = camera.recordConfig(false);
    if (reply.isEmpty()) {
        return false;
    }
    const QVariantMap values = objectOf(reply);
    loadedValues = values;
    const bool overwrite = values.value("allow_overwrite").toBool();
    deleteOldFileRadioButton->setChecked(overwrite);
    stopRecordRadioButton->setChecked(!overwrite);

    singleFileDurationMinutesComboBox->clear();
    for (const QVariant& choice : values.value("max_record_time_enum").toList()) {
        singleFileDurationMinutesComboBox->addItem(choice.toString());
    }
    const int duration = singleFileDurationMinutesComboBox->findText(
        QString::number(values.value("max_record_time").toInt()));
    if (duration >= 0) {
        singleFileDurationMinutesComboBox->setCurrentIndex(duration);
    }
    streamTypeComboBox->setCurrentIndex(values.value("video_stream").toInt());
    mediaFormatComboBox->setCurrentIndex(values.value("media_format").toInt());
    recordAudioCheckBox->setChecked(values.value("with_audio").toBool());
    return true;
}

void RecordConfigWidget::recordDefaults(ZRSDKInstance& camera) {
    const QJsonDocument reply = camera.recordConfig(true);
    if (reply.isEmpty() || restoreGroup.isNull()) {
        return;
    }
    const QVariantMap defaults = objectOf(reply);
    const bool overwrite = defaults.value("allow_overwrite").toBool();
    // Both buttons of the pair are recorded: an exclusive button cannot be unchecked on its
    // own, so a default of "stop recording" must check that button.
    restoreGroup->assignButton(deleteOldFileRadioButton, overwrite);
    restoreGroup->assignButton(stopRecordRadioButton, !overwrite);
    restoreGroup->assignComboBox(singleFileDurationMinutesComboBox,
                                 singleFileDurationMinutesComboBox->findText(
                                     QString::number(defaults.value("max_record_time").toInt()),
                                     Qt::MatchExactly | Qt::MatchCaseSensitive));
    restoreGroup->assignComboBox(streamTypeComboBox, defaults.value("video_stream").toInt());
    restoreGroup->assignComboBox(mediaFormatComboBox, defaults.value("media_format").toInt());
    restoreGroup->assignCheckBox(recordAudioCheckBox, defaults.value("with_audio").toBool());
}

int RecordConfigWidget::shownOrLoaded(const QComboBox* box, const QString& key) const {
    if (box->currentIndex() >= 0) {
        return box->currentIndex();
    }
    return loadedValues.value(key, -1).toInt();
}

void RecordConfigWidget::save() {
    const QSharedPointer<ZRSDKInstance> camera = session.toStrongRef();
    if (camera.isNull()) {
        return;
    }
    QVariantMap values;
    values["allow_overwrite"] = deleteOldFileRadioButton->isChecked();
    bool isNumber = false;
    const int duration = singleFileDurationMinutesComboBox->currentText().toInt(&isNumber);
    values["max_record_time"] = isNumber ? duration : loadedValues.value("max_record_time").toInt();
    values["video_stream"] = shownOrLoaded(streamTypeComboBox, "video_stream");
    values["media_format"] = shownOrLoaded(mediaFormatComboBox, "media_format");
    values["with_audio"] = recordAudioCheckBox->isChecked();
    RecordWrites(this).write(
        [&] { return camera->setRecordConfig(QJsonDocument(QJsonObject::fromVariantMap(values))); },
        "Save record config failed!");
}
