// The video and audio encoding pages of the configuration dialog: both streams' encoders,
// the audio capture and the audio encoder and decoder.
#include <QComboBox>
#include <QDebug>
#include <QPushButton>
#include <QSpinBox>
#include <iterator>
#include <memory>

#include "combo_value.h"
#include "control_assignment_group.h"
#include "record_writes.h"
#include "remote_config_dialog.h"
#include "ui_remote_config_dialog.h"
#include "zrsdk_instance.h"

namespace {

// Time the camera needs to apply a setting before the user goes on.
constexpr int kVideoEncoderWaitMs = 15000;
constexpr int kAudioWaitMs = 3000;

// One stream's row of widgets on the video encoding page.
struct StreamWidgets {
    QComboBox* encoder;
    QComboBox* resolution;
    QComboBox* rateControl;
    QSpinBox* bitRate;
    QSpinBox* frameRate;
    QSpinBox* keyInterval;
};

StreamWidgets streamWidgets(Ui::RemoteConfigDialog& ui, int stream) {
    if (stream == 0) {
        return {ui.cbxMainStreamEncoder,         ui.cbxMainStreamResolution,
                ui.cbxMainStreamBitRateCtrlMode, ui.spbMainStreamBitRate,
                ui.spbMainStreamFrameRate,       ui.spbMainStreamKeyFrameInterval};
    }
    return {ui.cbxSubStreamEncoder, ui.cbxSubStreamResolution, ui.cbxSubStreamBitRateCtrlMode,
            ui.spbSubStreamBitRate, ui.spbSubStreamFrameRate,  ui.spbSubStreamKeyFrameInterval};
}

// Resolutions travel as width * 10000 + height.
QString resolutionText(uint32_t value) {
    return QString("%1 x %2").arg(value / 10000).arg(value % 10000);
}

}  // namespace

ControlAssignmentGroup* RemoteConfigDialog::restoreGroup(QAbstractButton* button) {
    // Each load records the defaults again; one connection is enough for every load.
    const bool firstUse = !controlGroups_.contains(button);
    ControlAssignmentGroup* group = controlGroup(button);
    if (firstUse) {
        group->addButton(button);
    }
    return group;
}

// ---- Video encoding --------------------------------------------------------------------------

void RemoteConfigDialog::fillVideoEncoderResolutions(const NETSDK_PARAM_VIDEO_ENCODE& record,
                                                     int stream) {
    const StreamWidgets widgets = streamWidgets(*ui, stream);
    ControlAssignmentGroup* group = restoreGroup(ui->btnRestoreDefaultVideoEncoder);

    showComboValue(widgets.encoder, record.encoder.value);
    group->assignComboValue(widgets.encoder, record.encoder.defaultValue);

    // The camera's count is not trusted beyond the room of the list.
    const int count =
        qBound(0, int(record.resolution.count), int(std::size(record.resolution.list)));
    widgets.resolution->clear();
    for (int i = 0; i < count; ++i) {
        const uint32_t value = uint32_t(record.resolution.list[i]);
        widgets.resolution->addItem(resolutionText(value), value);
        if (value == uint32_t(record.resolution.value)) {
            widgets.resolution->setCurrentIndex(i);
        }
        if (value == uint32_t(record.resolution.defaultValue)) {
            group->assignComboBox(widgets.resolution, i);
        }
    }

    showComboValue(widgets.rateControl, record.rateControl.value);
    group->assignComboValue(widgets.rateControl, record.rateControl.defaultValue);
    widgets.bitRate->setValue(record.bitRate.value);
    group->assignSpinBox(widgets.bitRate, record.bitRate.defaultValue);
    widgets.frameRate->setValue(record.frameRate.value);
    group->assignSpinBox(widgets.frameRate, record.frameRate.defaultValue);
    widgets.keyInterval->setValue(record.keyInterval.value);
    group->assignSpinBox(widgets.keyInterval, record.keyInterval.defaultValue);
}

bool RemoteConfigDialog::saveVideoEncoder(int stream) {
    const StreamWidgets widgets = streamWidgets(*ui, stream);
    auto record = std::make_unique<NETSDK_PARAM_VIDEO_ENCODE>();
    record->encoder.value = widgets.encoder->currentData().toInt();
    record->resolution.value = int32_t(widgets.resolution->currentData().toUInt());
    record->rateControl.value = widgets.rateControl->currentData().toInt();
    record->bitRate.value = widgets.bitRate->value();
    record->frameRate.value = widgets.frameRate->value();
    record->keyInterval.value = widgets.keyInterval->value();
    const NETSDK_CHANNEL pair = {0, stream};
    return NETSDK_SetParam(login_, &pair, NETSDK_PARAM_ID_VIDEO_ENCODE, record.get(),
                           int(sizeof(*record))) == 0;
}

void RemoteConfigDialog::on_btnSaveVideoEncoder_clicked() {
    RecordWrites writes(this);
    if (!writes.write(tr("主码流"), [this] { return saveVideoEncoder(0); }) ||
        !writes.write(tr("子码流"), [this] { return saveVideoEncoder(1); })) {
        return;
    }
    writes.waitApplied(tr("正在设置视频编码参数，请稍后..."), kVideoEncoderWaitMs);
    // The overlays of the video pages convert through the sub stream's picture size.
    session_->streamResolution(1, true);
}

// ---- Audio capture -----------------------------------------------------------------------------

void RemoteConfigDialog::showAudioCapture(const NETSDK_PARAM_AUDIO_CAPTURE& record) {
    // The sample rate and width are shown, not edited, yet the save sends what they show.
    showComboValue(ui->cbxAudioSampleRate, record.sampleRate.value);
    showComboValue(ui->cbxAudioSampleBitWidth, record.sampleBits.value);
    ui->spbAudioInputVolume->setValue(record.captureVolume.value);
    ui->spbAudioOutputVolume->setValue(record.playbackVolume.value);
    showComboValue(ui->cbxAudioInputMode, record.input.value);
}

void RemoteConfigDialog::on_btnSaveAudioAiaoConfig_clicked() {
    auto record = std::make_unique<NETSDK_PARAM_AUDIO_CAPTURE>();
    record->sampleRate.value = ui->cbxAudioSampleRate->currentData().toInt();
    record->sampleBits.value = ui->cbxAudioSampleBitWidth->currentData().toInt();
    record->captureVolume.value = ui->spbAudioInputVolume->value();
    record->playbackVolume.value = ui->spbAudioOutputVolume->value();
    record->input.value = ui->cbxAudioInputMode->currentData().toInt();
    RecordWrites writes(this);
    writes.write(paramWrite(login_, channel_.get(), NETSDK_PARAM_ID_AUDIO_CAPTURE, *record),
                 "设置音频采集参数失败");
    writes.waitApplied(tr("正在设置音频采集参数，请稍后..."), kAudioWaitMs);
}

// ---- Audio encoder and decoder -------------------------------------------------------------

bool RemoteConfigDialog::loadAudioPage() {
    auto record = std::make_unique<NETSDK_PARAM_AUDIO_CODEC>();
    if (NETSDK_GetParam(login_, channel_.get(), NETSDK_PARAM_ID_AUDIO_ENCODE, record.get(),
                        int(sizeof(*record))) != 0) {
        qDebug("获取音频编码器配置失败");
        return false;
    }
    ControlAssignmentGroup* group = restoreGroup(ui->btnRestoreDefaultAudioEncoderConfig);
    ui->ckbAudioEncoderEnabled->setCheckState(record->enabled.value != 0 ? Qt::Checked
                                                                         : Qt::Unchecked);
    group->assignCheckBox(ui->ckbAudioEncoderEnabled, record->enabled.defaultValue != 0);
    showComboValue(ui->cbxAudioEncoderPayload, record->codec.value);
    group->assignComboValue(ui->cbxAudioEncoderPayload, record->codec.defaultValue);
    // The decoder's payload is kept for the save but not offered for editing.
    ui->cbxAudioDecoderPayload->hide();

    *record = {};
    if (NETSDK_GetParam(login_, channel_.get(), NETSDK_PARAM_ID_AUDIO_DECODE, record.get(),
                        int(sizeof(*record))) != 0) {
        qDebug("获取音频解码器配置失败");
        return false;
    }
    ui->ckbAudioDecoderEnabled->setCheckState(record->enabled.value != 0 ? Qt::Checked
                                                                         : Qt::Unchecked);
    group->assignCheckBox(ui->ckbAudioDecoderEnabled, record->enabled.defaultValue != 0);
    showComboValue(ui->cbxAudioDecoderPayload, record->codec.value);
    group->assignComboValue(ui->cbxAudioDecoderPayload, record->codec.defaultValue);
    return true;
}

void RemoteConfigDialog::on_ckbAudioEncoderEnabled_stateChanged(int state) {
    ui->cbxAudioEncoderPayload->setEnabled(state != 0);
}

void RemoteConfigDialog::on_ckbAudioDecoderEnabled_stateChanged(int state) {
    ui->cbxAudioDecoderPayload->setEnabled(state != 0);
}

bool RemoteConfigDialog::saveAudioCodec(int id, bool enabled, int payload) {
    auto record = std::make_unique<NETSDK_PARAM_AUDIO_CODEC>();
    record->enabled.value = enabled ? 1 : 0;
    record->codec.value = payload;
    return paramWrite(login_, channel_.get(), id, *record)();
}

void RemoteConfigDialog::on_btnSaveAudioEncoderConfig_clicked() {
    RecordWrites writes(this);
    if (!writes.write(tr("音频编码器"),
                      [this] {
                          return saveAudioCodec(NETSDK_PARAM_ID_AUDIO_ENCODE,
                                                ui->ckbAudioEncoderEnabled->isChecked(),
                                                ui->cbxAudioEncoderPayload->currentData().toInt());
                      }) ||
        !writes.write(tr("音频解码器"), [this] {
            return saveAudioCodec(NETSDK_PARAM_ID_AUDIO_DECODE,
                                  ui->ckbAudioDecoderEnabled->isChecked(),
                                  ui->cbxAudioDecoderPayload->currentData().toInt());
        })) {
        return;
    }
    writes.waitApplied(tr("正在配置音频编解码器参数，请稍后..."), kAudioWaitMs);
}
