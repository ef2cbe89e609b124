// The human detection page: detection on/off and sensitivity, what an alarm sets off, and
// the regions and arming tasks drawn on the live picture.
#include <QDebug>
#include <memory>

#include "remote_config_dialog.h"
#include "ui_remote_config_dialog.h"
#include "wait_for.h"

namespace {

// The camera applies new regions and tasks slowly.
constexpr int kDetectionApplyMs = 15000;

// Reads one record into a zeroed one; null after logging the failure.
template <typename Record>
std::unique_ptr<Record> readRecord(NETSDK_LOGIN_INFO* login, const NETSDK_CHANNEL* channel,
                                   int paramId, const char* failure) {
    auto record = std::make_unique<Record>();
    if (NETSDK_GetParam(login, channel, paramId, record.get(), int(sizeof(Record))) != 0) {
        qDebug("%s", failure);
        return nullptr;
    }
    return record;
}

template <typename Record>
bool writeRecord(NETSDK_LOGIN_INFO* login, const NETSDK_CHANNEL* channel, int paramId,
                 Record* record, const char* failure) {
    if (NETSDK_SetParam(login, channel, paramId, record, int(sizeof(Record))) != 0) {
        qDebug("%s", failure);
        return false;
    }
    return true;
}

}  // namespace

void RemoteConfigDialog::loadDetectionPage() {
    if (!loadHumanoid() || !loadAlarmLinkage()) {
        return;
    }
    openPreview(ui->frameHumanoidRecognition);
}

bool RemoteConfigDialog::loadHumanoid() {
    const auto humanoid = readRecord<NETSDK_PARAM_HUMANOID>(
        login_, channel_.get(), NETSDK_PARAM_ID_HUMANOID, "获取人形侦测配置失败");
    if (!humanoid) {
        return false;
    }
    ui->gbxHumanoidRecognition->setChecked(humanoid->enabled.value != 0);
    ui->spbHRSensitivity->setValue(humanoid->sensitivity.value);
    return true;
}

bool RemoteConfigDialog::loadAlarmLinkage() {
    const auto linkage = readRecord<NETSDK_PARAM_ALARM_LINKAGE>(
        login_, channel_.get(), NETSDK_PARAM_ID_ALARM_LINKAGE, "获取告警联动配置失败");
    if (!linkage) {
        return false;
    }
    ui->ckbHRAlarmLights->setChecked(linkage->lightsOnAlarm.value != 0);
    ui->ckbHRToneBroadcast->setChecked(linkage->toneOnAlarm.value != 0);
    return true;
}

void RemoteConfigDialog::on_btnSaveHumanoidRecognitionConfig_clicked() {
    // Each record is built from the form alone; a refused write ends the save there.
    NETSDK_PARAM_ALARM_LINKAGE linkage = {};
    linkage.lightsOnAlarm.value = ui->ckbHRAlarmLights->isChecked() ? 1 : 0;
    linkage.toneOnAlarm.value = ui->ckbHRToneBroadcast->isChecked() ? 1 : 0;
    if (!writeRecord(login_, channel_.get(), NETSDK_PARAM_ID_ALARM_LINKAGE, &linkage,
                     "设置告警联动配置失败")) {
        return;
    }
    NETSDK_PARAM_HUMANOID humanoid = {};
    humanoid.enabled.value = ui->gbxHumanoidRecognition->isChecked() ? 1 : 0;
    humanoid.sensitivity.value = ui->spbHRSensitivity->value();
    if (!writeRecord(login_, channel_.get(), NETSDK_PARAM_ID_HUMANOID, &humanoid,
                     "设置人形侦测配置失败")) {
        return;
    }
    WaitFor waitFor(tr("正在设置布防区域，请等待..."), this);
    waitFor.wait(kDetectionApplyMs);
}
