#include "RtmpClientWidget.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "control_assignment_group.h"
#include "record_writes.h"
#include "save_after_read.h"
#include "zrsdk_instance.h"

namespace {

// Field limits of the camera's push client.
constexpr int kHostMaxLength = 256;
constexpr int kAppNameMaxLength = 128;
constexpr int kStreamIdMaxLength = 512;
constexpr int kDefaultRtmpPort = 1935;

// Shows how a push URL splits into the four fields of the form.
QString helpText() {
    const QString host = QStringLiteral("push.example-live.net");
    const QString streamId = QStringLiteral("4287d428c?wsSecret=c41f0a9e2b7d5386&wsTime=5c71a");
    return RtmpClientWidget::tr(
               "以上参数的含义是什么？例如RTMP推流URL如下，以字符/拆分可以得到对应的参数。") +
           "\n\trtmp://" + host + "/live/" + streamId + "\n" +
           RtmpClientWidget::tr("1) 服务器地址") + "\n\t" + host + "\n" +
           RtmpClientWidget::tr("2) 端口号") + "\n\t" +
           RtmpClientWidget::tr("缺省时默认是1935，如果") + host +
           RtmpClientWidget::tr("后面接着 ':数字'，该数字表示端口号") + "\n" +
           RtmpClientWidget::tr("3) 应用名称") + "\n\tlive\n" + RtmpClientWidget::tr("4) 流ID") +
           "\n\t" + streamId;
}

QLabel* namedLabel(const char* objectName, const QString& text) {
    auto* label = new QLabel(text);
    label->setObjectName(objectName);
    return label;
}

}  // namespace

RtmpClientWidget::RtmpClientWidget(ZRSDKInstance* session, QWidget* parent)
    : QWidget(parent), session(session) {
    controlGroup = new ControlAssignmentGroup(this);
    buildForm();
    controlGroup->addButton(resetPushButton);
    connect(savePushButton, &QPushButton::clicked, this, &RtmpClientWidget::save);
    saveRule = new SaveAfterRead({savePushButton});
    QMetaObject::invokeMethod(this, "load", Qt::QueuedConnection);
}

void RtmpClientWidget::buildForm() {
    setObjectName("RtmpClientWidget");
    setWindowTitle(tr("RtmpClientWidget"));
    resize(772, 597);

    groupBox = new QGroupBox(tr("启用 RTMP"), this);
    groupBox->setObjectName("groupBox");
    groupBox->setCheckable(true);
    groupBox->setChecked(false);

    streamTypeComboBox = new QComboBox;
    streamTypeComboBox->setObjectName("streamTypeComboBox");
    streamTypeComboBox->addItems({tr("主码流"), tr("子码流")});
    rtmpHostLineEdit = new QLineEdit;
    rtmpHostLineEdit->setObjectName("rtmpHostLineEdit");
    rtmpHostLineEdit->setMaxLength(kHostMaxLength);
    rtmpPortSpinBox = new QSpinBox;
    rtmpPortSpinBox->setObjectName("rtmpPortSpinBox");
    rtmpPortSpinBox->setRange(1, 65535);
    rtmpPortSpinBox->setValue(kDefaultRtmpPort);
    appNameLineEdit = new QLineEdit;
    appNameLineEdit->setObjectName("appNameLineEdit");
    appNameLineEdit->setMaxLength(kAppNameMaxLength);
    streamIdLineEdit = new QLineEdit;
    streamIdLineEdit->setObjectName("streamIdLineEdit");
    streamIdLineEdit->setMaxLength(kStreamIdMaxLength);

    auto* rows = new QFormLayout;
    rows->addRow(namedLabel("Label", tr("码流类型")), streamTypeComboBox);
    rows->addRow(namedLabel("Label_2", tr("服务器地址")), rtmpHostLineEdit);
    rows->addRow(namedLabel("portLabel", tr("端口号(1-65535)")), rtmpPortSpinBox);
    rows->addRow(namedLabel("Label_3", tr("应用名称")), appNameLineEdit);
    rows->addRow(namedLabel("iDLabel", tr("流ID")), streamIdLineEdit);

    plainTextEdit = new QPlainTextEdit(helpText());
    plainTextEdit->setObjectName("plainTextEdit");
    plainTextEdit->setReadOnly(true);

    auto* groupLayout = new QVBoxLayout(groupBox);
    groupLayout->addLayout(rows);
    groupLayout->addWidget(plainTextEdit);

    auto* buttonBar = new QWidget(this);
    buttonBar->setObjectName("widget_4");
    resetPushButton = new QPushButton(tr("默认参数"), buttonBar);
    resetPushButton->setObjectName("resetPushButton");
    savePushButton = new QPushButton(tr("保存"), buttonBar);
    savePushButton->setObjectName("savePushButton");
    auto* buttons = new QHBoxLayout(buttonBar);
    buttons->addWidget(resetPushButton);
    buttons->addWidget(savePushButton);
    buttons->addStretch();

    auto* page = new QVBoxLayout(this);
    page->addWidget(groupBox);
    page->addWidget(buttonBar);
}

void RtmpClientWidget::load() {
    saveRule->load([this] { return readSettings(); });
}

bool RtmpClientWidget::readSettings() {
    const QJsonDocument current = session ? session->rtmpConfig(false) : QJsonDocument();
    if (current.isEmpty()) {
        return false;
    }
    const QVariantMap values = current.object().toVariantMap();
    loadedStreamType = values.value("stream_type");
    groupBox->setChecked(values.value("enabled").toBool());
    streamTypeComboBox->setCurrentIndex(loadedStreamType.toInt());
    rtmpHostLineEdit->setText(values.value("remote_host").toString());
    rtmpPortSpinBox->setValue(values.value("remote_port").toInt());
    appNameLineEdit->setText(values.value("app_name").toString());
    streamIdLineEdit->setText(values.value("stream_id").toString());

    const QJsonDocument defaults = session->rtmpConfig(true);
    if (defaults.isEmpty()) {
        return true;  // the restore button keeps what it had; the save needs no defaults
    }
    const QVariantMap fallback = defaults.object().toVariantMap();
    controlGroup->assignGroupBox(groupBox, fallback.value("enabled").toBool());
    controlGroup->assignComboBox(streamTypeComboBox, fallback.value("stream_type").toInt());
    controlGroup->assignLineEdit(rtmpHostLineEdit, fallback.value("remote_host").toString());
    controlGroup->assignSpinBox(rtmpPortSpinBox, fallback.value("remote_port").toInt());
    controlGroup->assignLineEdit(appNameLineEdit, fallback.value("app_name").toString());
    controlGroup->assignLineEdit(streamIdLineEdit, fallback.value("stream_id").toString());
    return true;
}

void RtmpClientWidget::save() {
    if (!session) {
        return;
    }
    // A stream type that the combo cannot show goes back as the camera gave it, not as -1.
    const int streamType = streamTypeComboBox->currentIndex();
    const QVariantMap values = {
        {"enabled", groupBox->isChecked()},
        {"stream_type", streamType >= 0 ? QVariant(streamType) : loadedStreamType},
        {"remote_host", rtmpHostLineEdit->text()},
        {"remote_port", rtmpPortSpinBox->value()},
        {"app_name", appNameLineEdit->text()},
        {"stream_id", streamIdLineEdit->text()},
    };
    RecordWrites writes(this);
    writes.write([&] { return session->setRtmpConfig(QJsonDocument::fromVariant(values)); },
                 "Save RTMP failed!");
    writes.waitApplied(tr("正在配置RTMP参数，请稍等..."), saveWaitMs);
}
