// The system time and system maintenance pages of the configuration dialog: how the camera
// keeps its clock, its weekly maintenance reboot, its identity, and the reboot and factory
// reset commands.
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDebug>
#include <QTimeZone>
#include <cmath>
#include <memory>

#include "combo_value.h"
#include "record_text.h"
#include "record_writes.h"
#include "remote_config_dialog.h"
#include "ui_remote_config_dialog.h"

namespace {

constexpr int kTimeWaitMs = 2000;
constexpr int kMaintainWaitMs = 2000;

struct TimeZoneEntry {
    const char* text;
    int offsetSeconds;  // east of Greenwich, what the camera stores
};

// The zones the page offers, in the order the combo lists them.
constexpr TimeZoneEntry kTimeZones[] = {
    {"GMT -12:00", -43200}, {"GMT -11:00", -39600}, {"GMT -10:00", -36000}, {"GMT -09:00", -32400},
    {"GMT -08:00", -28800}, {"GMT -07:00", -25200}, {"GMT -06:00", -21600}, {"GMT -05:00", -18000},
    {"GMT -04:30", -16200}, {"GMT -04:00", -14400}, {"GMT -03:30", -12600}, {"GMT -03:00", -10800},
    {"GMT -02:00", -7200},  {"GMT -01:00", -3600},  {"GMT +00:00", 0},      {"GMT +01:00", 3600},
    {"GMT +02:00", 7200},   {"GMT +03:00", 10800},  {"GMT +03:30", 12600},  {"GMT +04:00", 14400},
    {"GMT +04:30", 16200},  {"GMT +05:00", 18000},  {"GMT +05:30", 19800},  {"GMT +05:45", 20700},
    {"GMT +06:00", 21600},  {"GMT +06:30", 23400},  {"GMT +07:00", 25200},  {"GMT +08:00", 28800},
    {"GMT +09:00", 32400},  {"GMT +09:30", 34200},  {"GMT +10:00", 36000},  {"GMT +11:00", 39600},
    {"GMT +12:00", 43200},  {"GMT +13:00", 46800}};

// "GMT +08:45" for an offset that the list lacks; seconds only when there are any.
QString zoneText(int offsetSeconds) {
    const int seconds = std::abs(offsetSeconds);
    QString text = QString("GMT %1%2:%3")
                       .arg(offsetSeconds < 0 ? '-' : '+')
                       .arg(seconds / 3600, 2, 10, QChar('0'))
                       .arg(seconds / 60 % 60, 2, 10, QChar('0'));
    if (seconds % 60 != 0) {
        text += QString(":%1").arg(seconds % 60, 2, 10, QChar('0'));
    }
    return text;
}

// This computer's offset east of Greenwich as on 1 January 2001, so that summer time does
// not count.
int computerZoneOffset() {
    const QDate date(2001, 1, 1);
    const QDateTime asUtc(date, QTime(0, 0), Qt::UTC);
    const QDateTime asLocal(date, QTime(0, 0), Qt::LocalTime);
    return int(asUtc.toSecsSinceEpoch() - asLocal.toSecsSinceEpoch());
}

}  // namespace

// ---- System time ---------------------------------------------------------------------------

bool RemoteConfigDialog::loadTimePage() {
    auto record = std::make_unique<NETSDK_PARAM_TIME>();
    if (NETSDK_GetParam(login_, channel_.get(), NETSDK_PARAM_ID_TIME, record.get(),
                        int(sizeof(*record))) != 0) {
        qDebug("获取设备时间配置失败");
        return false;
    }
    showComboValue(ui->cbxSystemTimeSyncType, record->mode.value);
    // The form starts on NTP with every row shown: an NTP camera changes no index, so the
    // rows are sorted out here as well.
    on_cbxSystemTimeSyncType_currentIndexChanged(ui->cbxSystemTimeSyncType->currentIndex());
    ui->edtNTPDomain->setText(recordText(record->ntpServer));
    ui->spbNTPPort->setValue(record->ntpPort.value);
    ui->spbNTPSyncCycle->setValue(record->ntpPeriod.value);

    ui->cbxManualTimeZone->clear();
    for (const TimeZoneEntry& zone : kTimeZones) {
        ui->cbxManualTimeZone->addItem(QString::fromLatin1(zone.text), zone.offsetSeconds);
    }
    // Showing another zone would send that one back with the next save.
    showComboValue(ui->cbxManualTimeZone, record->timeZone, zoneText(record->timeZone));
    ui->dteManualUTC->setDateTime(
        QDateTime::fromSecsSinceEpoch(qint64(uint32_t(record->manualTime)), Qt::LocalTime));
    // "Same as this computer" stays ticked across reloads and keeps the mode manual: showing
    // an NTP camera under the ticked box would lock the mode and hide the box that unlocks it.
    if (ui->ckbSyncByCompute->isChecked()) {
        on_ckbSyncByCompute_stateChanged(Qt::Checked);
    }
    return true;
}

void RemoteConfigDialog::on_cbxSystemTimeSyncType_currentIndexChanged(int index) {
    const bool ntp = index == 0;
    const QWidgetList ntpRows = {ui->lblNTPDomain, ui->edtNTPDomain,    ui->lblNTPPort,
                                 ui->spbNTPPort,   ui->lblNTPSyncCycle, ui->spbNTPSyncCycle};
    const QWidgetList manualRows = {ui->lblManualTimeZone, ui->cbxManualTimeZone,
                                    ui->lblManualUTC,      ui->dteManualUTC,
                                    ui->lblSyncByCompute,  ui->ckbSyncByCompute};
    for (QWidget* row : ntpRows) {
        row->setVisible(ntp);
    }
    for (QWidget* row : manualRows) {
        row->setVisible(!ntp);
    }
}

void RemoteConfigDialog::on_ckbSyncByCompute_stateChanged(int state) {
    const bool followComputer = state != 0;
    if (followComputer) {
        const int offset = computerZoneOffset();
        showComboValue(ui->cbxManualTimeZone, offset, zoneText(offset));
        ui->dteManualUTC->setDateTime(QDateTime::currentDateTime());
        ui->cbxSystemTimeSyncType->setCurrentIndex(1);
    }
    ui->cbxSystemTimeSyncType->setEnabled(!followComputer);
    ui->cbxManualTimeZone->setEnabled(!followComputer);
    ui->dteManualUTC->setEnabled(!followComputer);
}

void RemoteConfigDialog::on_btnSaveSystemTimeConfig_clicked() {
    auto record = std::make_unique<NETSDK_PARAM_TIME>();
    const int mode = ui->cbxSystemTimeSyncType->currentData().toInt();
    record->mode.value = mode;
    record->ntpEnabled = mode == 0 ? 1 : 0;
    if (!copyRecordText(record->ntpServer, sizeof(record->ntpServer),
                        ui->edtNTPDomain->text().toLatin1())) {
        qDebug("设置设备时间失败");
        return;
    }
    record->ntpPort.value = ui->spbNTPPort->value();
    record->ntpPeriod.value = ui->spbNTPSyncCycle->value();
    record->timeZone = ui->cbxManualTimeZone->currentData().toInt();
    record->manualTime = int32_t(ui->dteManualUTC->dateTime().toSecsSinceEpoch());
    RecordWrites writes(this);
    writes.write(paramWrite(login_, channel_.get(), NETSDK_PARAM_ID_TIME, *record),
                 "设置设备时间失败");
    writes.waitApplied(tr("正在设置IPC的时间，请稍后..."), kTimeWaitMs);
}

// ---- System maintenance ----------------------------------------------------------------------

// The identity is only shown; the save writes the maintenance schedule alone.
bool RemoteConfigDialog::loadDevicePage() {
    auto device = std::make_unique<NETSDK_PARAM_DEVICE>();
    if (NETSDK_GetParam(login_, channel_.get(), NETSDK_PARAM_ID_DEVICE, device.get(),
                        int(sizeof(*device))) != 0) {
        qDebug("获取设备信息失败");
    } else {
        ui->hwVersionLineEdit->setText(recordText(device->hardwareVersion));
        ui->deviceVersionLineEdit->setText(recordText(device->deviceVersion));
        ui->fwCompileTimeLineEdit->setText(recordText(device->buildTime));
        ui->productSNLineEdit->setText(recordText(device->serialNumber));
        ui->pIDLineEdit->setText(recordText(device->productId));
    }

    auto maintain = std::make_unique<NETSDK_PARAM_MAINTAIN>();
    if (NETSDK_GetParam(login_, channel_.get(), NETSDK_PARAM_ID_MAINTAIN, maintain.get(),
                        int(sizeof(*maintain))) != 0) {
        qDebug("获取定时维护配置失败");
        return false;
    }
    ui->gbxSystemMaintainEnable->setChecked(maintain->rebootEnabled.value != 0);
    // The highest day bit picks the entry; no bit picks none.
    const uint32_t days = uint32_t(maintain->rebootDay.value);
    ui->cbxSystemMaintainWeekDay->setCurrentIndex(days == 0 ? -1 : int(std::log2(days)));
    ui->tmdSystemMaintainRebootTime->setTime(QTime(0, 0).addSecs(maintain->rebootTime));
    return true;
}

void RemoteConfigDialog::on_btnSaveSystemMaintainConfig_clicked() {
    auto record = std::make_unique<NETSDK_PARAM_MAINTAIN>();
    record->rebootEnabled.value = ui->gbxSystemMaintainEnable->isChecked() ? 1 : 0;
    // With no day chosen (a camera that named none) none is sent back.
    const int day = ui->cbxSystemMaintainWeekDay->currentIndex();
    record->rebootDay.value = day < 0 ? 0 : 1 << day;
    record->rebootTime = QTime(0, 0).secsTo(ui->tmdSystemMaintainRebootTime->time());
    RecordWrites writes(this);
    writes.write(paramWrite(login_, channel_.get(), NETSDK_PARAM_ID_MAINTAIN, *record),
                 "设置定时维护配置失败");
    writes.waitApplied(tr("正在提交定期维护信息，请稍后..."), kMaintainWaitMs);
}

void RemoteConfigDialog::sendDeviceCommand(int id, const char* failure, const QString& message) {
    const int32_t value = 1;
    if (RecordWrites(this).write(paramWrite(login_, channel_.get(), id, value), failure)) {
        closeForNewLogin(message);
    }
}

void RemoteConfigDialog::on_rebootPushButton_clicked() {
    sendDeviceCommand(NETSDK_PARAM_ID_REBOOT, "设置重启失败",
                      tr("远程IPC已经重启，配置程序需要重新登录，本窗口将自动关闭！"));
}

void RemoteConfigDialog::on_recoveryPushButton_clicked() {
    sendDeviceCommand(NETSDK_PARAM_ID_FACTORY_RESET, "恢复出厂设置失败",
                      tr("远程IPC已经恢复出厂设置，配置程序需要重新登录，本窗口将自动关闭！"));
}
