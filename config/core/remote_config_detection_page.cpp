// The human detection page: detection on/off and sensitivity, what an alarm sets off, and
// the regions and arming tasks drawn on the live picture.
#include <QDebug>
#include <memory>

#include "AddTaskDialog.h"
#include "ShieldTaskManager.h"
#include "record_writes.h"
#include "remote_config_dialog.h"
#include "slot_float.h"
#include "ui_remote_config_dialog.h"

namespace {

// The camera applies new regions and tasks slowly.
constexpr int kDetectionApplyMs = 15000;
// The records hold this many arming tasks.
constexpr int kArmingTasks = int(sizeof(NETSDK_PARAM_ARMING::tasks) / sizeof(NETSDK_ARMING_TASK));

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

}  // namespace

bool RemoteConfigDialog::loadDetectionPage() {
    if (!loadHumanoid() || !loadAlarmLinkage()) {
        return false;
    }
    openPreview(ui->frameHumanoidRecognition);
    taskStore_->clear();
    QVector<int> regionOfSlot;
    if (!loadRegionsOfInterest(regionOfSlot) || !loadArmingTasks(regionOfSlot)) {
        return false;
    }
    updateAddShieldButton();
    return true;
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

// Regions in use, in slot order: a region after an unused slot moves up in the store, and
// regionOfSlot tells where each slot's region went (-1 for a slot not in use).
bool RemoteConfigDialog::loadRegionsOfInterest(QVector<int>& regionOfSlot) {
    const auto roi = readRecord<NETSDK_PARAM_ROI>(login_, channel_.get(), NETSDK_PARAM_ID_ROI,
                                                  "获取ROI配置失败");
    if (!roi) {
        return false;
    }
    regionOfSlot.fill(-1, NETSDK_ROI_REGIONS);
    for (int slot = 0; slot < NETSDK_ROI_REGIONS; ++slot) {
        const NETSDK_ROI_REGION& region = roi->regions[slot];
        if (region.inUse.value == 0) {
            continue;
        }
        regionOfSlot[slot] = taskStore_->regions().size();
        QPolygonF polygon;
        const int points = qBound(0, region.pointCount.value, int(NETSDK_ROI_POINTS));
        for (int point = 0; point < points; ++point) {
            polygon << QPointF(percentFromWord(region.points[point].x.value),
                               percentFromWord(region.points[point].y.value));
        }
        taskStore_->setRegion(slot, polygon, QColor(QRgb(region.normalColour.value)),
                              QColor(QRgb(region.alarmColour.value)));
    }
    showRegionsOnPreview();
    return true;
}

bool RemoteConfigDialog::loadArmingTasks(const QVector<int>& regionOfSlot) {
    const auto arming = readRecord<NETSDK_PARAM_ARMING>(login_, channel_.get(),
                                                        NETSDK_PARAM_ID_ARMING, "获取布防信息失败");
    if (!arming) {
        return false;
    }
    for (const NETSDK_ARMING_TASK& slot : arming->tasks) {
        if (slot.inUse.value == 0) {
            continue;
        }
        ShieldTask task;
        // The save writes the regions in store order, so the task follows its region there;
        // a task on a slot without a region keeps the camera's number.
        const int movedRegion = regionOfSlot.value(slot.region.value, -1);
        task.region = movedRegion >= 0 ? movedRegion : slot.region.value;
        task.repeat = slot.repeatMode.value;
        task.tone = unsigned(slot.alarmTone.value);
        task.begin = QTime(0, 0).addSecs(slot.window.ranges[0].value);
        task.end = QTime(0, 0).addSecs(slot.window.ranges[1].value);
        task.dayMask = slot.window.ranges[2].value;
        taskStore_->addTask(task);
    }
    return true;
}

void RemoteConfigDialog::updateAddShieldButton() {
    ui->btnAddShield->setEnabled(taskStore_->taskCount() < kArmingTasks);
}

void RemoteConfigDialog::onROIValueChanged(int id, QPolygonF polygon, QColor default_color,
                                           QColor alarm_color) {
    taskStore_->setRegion(id, polygon, default_color, alarm_color);
}

void RemoteConfigDialog::on_btnAddShield_clicked() {
    AddTaskDialog dialog(session_.data(), this);
    dialog.setAreas(taskStore_);
    if (dialog.exec() == QDialog::Accepted) {
        taskStore_->addTask(dialog.task());
    }
    updateAddShieldButton();
}

void RemoteConfigDialog::on_btnRemoveShield_clicked() {
    taskStore_->removeSelectedTask();
    updateAddShieldButton();
}

void RemoteConfigDialog::on_resetROIPushButton_clicked() {
    taskStore_->clear();
    updateAddShieldButton();
    clearRegionsOnPreview();
}

// The store's regions into the record's slots; regions and points beyond the record's room
// are not sent (the preview draws no more than fit).
bool RemoteConfigDialog::saveRegionsOfInterest() {
    auto roi = std::make_unique<NETSDK_PARAM_ROI>();
    const QList<ShieldRegion>& regions = taskStore_->regions();
    for (int index = 0; index < qMin(regions.size(), int(NETSDK_ROI_REGIONS)); ++index) {
        NETSDK_ROI_REGION& slot = roi->regions[index];
        const ShieldRegion& region = regions.at(index);
        slot.inUse.value = 1;
        slot.normalColour.value = int32_t(region.defaultColour.rgb());
        slot.alarmColour.value = int32_t(region.alarmColour.rgb());
        const int points = qMin(region.polygon.size(), int(NETSDK_ROI_POINTS));
        slot.pointCount.value = points;
        for (int point = 0; point < points; ++point) {
            slot.points[point].x.value = wordFromFloat(float(region.polygon.at(point).x()));
            slot.points[point].y.value = wordFromFloat(float(region.polygon.at(point).y()));
        }
    }
    return paramWrite(login_, channel_.get(), NETSDK_PARAM_ID_ROI, *roi)();
}

bool RemoteConfigDialog::saveArmingTasks() {
    auto arming = std::make_unique<NETSDK_PARAM_ARMING>();
    const QList<ShieldTask>& tasks = taskStore_->tasks();
    for (int index = 0; index < qMin(tasks.size(), kArmingTasks); ++index) {
        NETSDK_ARMING_TASK& slot = arming->tasks[index];
        const ShieldTask& task = tasks.at(index);
        slot.inUse.value = 1;
        slot.repeatMode.value = task.repeat;
        slot.region.value = task.region;
        slot.alarmTone.value = int32_t(task.tone);
        slot.window.head.value = 1;
        slot.window.ranges[0].value = QTime(0, 0).secsTo(task.begin);
        slot.window.ranges[1].value = QTime(0, 0).secsTo(task.end);
        slot.window.ranges[2].value = task.dayMask;
        slot.window.ranges[3].value = 1;
    }
    return paramWrite(login_, channel_.get(), NETSDK_PARAM_ID_ARMING, *arming)();
}

void RemoteConfigDialog::on_btnSaveHumanoidRecognitionConfig_clicked() {
    // Each record is built from the form alone; a refused write ends the save there.
    NETSDK_PARAM_ALARM_LINKAGE linkage = {};
    linkage.lightsOnAlarm.value = ui->ckbHRAlarmLights->isChecked() ? 1 : 0;
    linkage.toneOnAlarm.value = ui->ckbHRToneBroadcast->isChecked() ? 1 : 0;
    NETSDK_PARAM_HUMANOID humanoid = {};
    humanoid.enabled.value = ui->gbxHumanoidRecognition->isChecked() ? 1 : 0;
    humanoid.sensitivity.value = ui->spbHRSensitivity->value();
    RecordWrites writes(this);
    if (!writes.write(tr("告警联动"),
                      paramWrite(login_, channel_.get(), NETSDK_PARAM_ID_ALARM_LINKAGE, linkage)) ||
        !writes.write(tr("布防区域"), [this] { return saveRegionsOfInterest(); }) ||
        !writes.write(tr("布防任务"), [this] { return saveArmingTasks(); }) ||
        !writes.write(tr("人形识别"),
                      paramWrite(login_, channel_.get(), NETSDK_PARAM_ID_HUMANOID, humanoid))) {
        return;
    }
    writes.waitApplied(tr("正在设置布防区域，请等待..."), kDetectionApplyMs);
}
