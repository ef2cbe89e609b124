// The OSD page: the date-time stamp and the channel titles that the camera burns into its
// video, with a live preview on which the user drags both into place.
#include <QDebug>
#include <memory>

#include "combo_value.h"
#include "control_assignment_group.h"
#include "record_writes.h"
#include "remote_config_dialog.h"
#include "slot_float.h"
#include "ui_remote_config_dialog.h"

namespace {

constexpr int kOsdTitles = 4;
constexpr int kOsdApplyMs = 3000;

// The title text field.
constexpr int kTitleField = int(sizeof(NETSDK_OSD_TITLE::text));

// A text field read up to its terminator, never past the field when the camera sent none.
QString fieldText(const char* field, int size) {
    return QString::fromUtf8(field, int(qstrnlen(field, size)));
}

std::unique_ptr<NETSDK_PARAM_OSD> readOsd(NETSDK_LOGIN_INFO* login, const NETSDK_CHANNEL* channel) {
    auto record = std::make_unique<NETSDK_PARAM_OSD>();
    if (NETSDK_GetParam(login, channel, NETSDK_PARAM_ID_OSD, record.get(), int(sizeof(*record))) !=
        0) {
        qDebug("获取OSD配置信息失败");
        return nullptr;
    }
    return record;
}

}  // namespace

bool RemoteConfigDialog::loadOSDPage() {
    const auto record = readOsd(login_, channel_.get());
    if (!record) {
        return false;
    }
    ControlAssignmentGroup* group = restoreGroup(ui->btnRestoreDefaultVideoOSDConfig);

    ui->gbxOSDDateTime->setChecked(record->dateTimeShown.value != 0);
    group->assignGroupBox(ui->gbxOSDDateTime, record->dateTimeShown.defaultValue != 0);
    ui->dspbOSDDateTimePosX->setValue(percentFromWord(record->dateTimeX.value));
    group->assignDoubleSpinBox(ui->dspbOSDDateTimePosX,
                               percentFromWord(record->dateTimeX.defaultValue));
    ui->dspbOSDDateTimePosY->setValue(percentFromWord(record->dateTimeY.value));
    group->assignDoubleSpinBox(ui->dspbOSDDateTimePosY,
                               percentFromWord(record->dateTimeY.defaultValue));
    ui->ckbDisplayWeekday->setCheckState(record->weekdayShown.value != 0 ? Qt::Checked
                                                                         : Qt::Unchecked);
    group->assignCheckBox(ui->ckbDisplayWeekday, record->weekdayShown.defaultValue != 0);
    showComboValue(ui->cbxDisplayChinese, record->weekdayStyle.value);
    group->assignComboValue(ui->cbxDisplayChinese, record->weekdayStyle.defaultValue);
    showComboValue(ui->cbxTimeFormt12HRs, record->clockFormat.value);
    group->assignComboValue(ui->cbxTimeFormt12HRs, record->clockFormat.defaultValue);
    showComboValue(ui->cbxOSDDateFormat, record->dateFormat.value);
    group->assignComboValue(ui->cbxOSDDateFormat, record->dateFormat.defaultValue);

    const NETSDK_OSD_TITLE& title = record->titles[0];
    showOsdTitle(title);
    group->assignCheckBox(ui->ckbTitleEnabled, title.shown.defaultValue != 0);
    group->assignDoubleSpinBox(ui->dspbOSDTitlePosX, percentFromWord(title.x.defaultValue));
    group->assignDoubleSpinBox(ui->dspbOSDTitlePosY, percentFromWord(title.y.defaultValue));
    // The record holds no default title: a restore leaves the title as it is.

    // Only the first channel's title is edited here; the choice is shown, not offered.
    ui->cbxTitleChannel->setCurrentIndex(0);
    ui->cbxTitleChannel->setEnabled(false);

    openPreview(ui->frameOSDSetting);
    showOsdPreview();
    return true;
}

void RemoteConfigDialog::showOsdTitle(const NETSDK_OSD_TITLE& title) {
    ui->ckbTitleEnabled->setCheckState(title.shown.value != 0 ? Qt::Checked : Qt::Unchecked);
    ui->dspbOSDTitlePosX->setValue(percentFromWord(title.x.value));
    ui->dspbOSDTitlePosY->setValue(percentFromWord(title.y.value));
    ui->edtTitleText->setText(fieldText(title.text, kTitleField));
}

// The preview draws the date-time overlay with a Qt format made from the form: the date part
// of the chosen format ("YYYY-MM-DD" becomes "yyyy-MM-dd"), the clock and the weekday.
QString RemoteConfigDialog::osdPreviewFormat() const {
    QString format = ui->cbxOSDDateFormat->currentText().split(' ').first().toLower();
    format.replace('m', 'M');
    format += ui->cbxTimeFormt12HRs->currentIndex() == 0 ? " hh:mm:ss" : " H:mm:ss";
    if (ui->ckbDisplayWeekday->isChecked()) {
        format += " dddd";
    }
    return format;
}

void RemoteConfigDialog::on_cbxTitleChannel_currentIndexChanged(int index) {
    if (index < 0 || index >= kOsdTitles) {
        return;
    }
    const auto record = readOsd(login_, channel_.get());
    if (record) {
        showOsdTitle(record->titles[index]);
    }
}

void RemoteConfigDialog::on_ckbTitleEnabled_stateChanged(int state) {
    const bool enabled = state != 0;
    ui->dspbOSDTitlePosX->setEnabled(enabled);
    ui->dspbOSDTitlePosY->setEnabled(enabled);
    ui->edtTitleText->setEnabled(enabled);
    setOsdTitleVisible(enabled);
}

void RemoteConfigDialog::on_gbxOSDDateTime_toggled(bool checked) {
    setOsdDateTimeVisible(checked);
}

void RemoteConfigDialog::onOSDDateTimePosUpdate(QPointF position) {
    ui->dspbOSDDateTimePosX->setValue(position.x());
    ui->dspbOSDDateTimePosY->setValue(position.y());
}

void RemoteConfigDialog::onOSDTitlePosUpdate(QPointF position) {
    ui->dspbOSDTitlePosX->setValue(position.x());
    ui->dspbOSDTitlePosY->setValue(position.y());
}

void RemoteConfigDialog::on_btnSaveVideoOSDConfig_clicked() {
    // Built from the form alone: the other channels' titles and every default go out as 0.
    auto record = std::make_unique<NETSDK_PARAM_OSD>();
    record->dateTimeShown.value = ui->gbxOSDDateTime->isChecked() ? 1 : 0;
    record->dateTimeX.value = wordFromFloat(float(ui->dspbOSDDateTimePosX->value()));
    record->dateTimeY.value = wordFromFloat(float(ui->dspbOSDDateTimePosY->value()));
    record->weekdayShown.value = ui->ckbDisplayWeekday->checkState() == Qt::Checked ? 1 : 0;
    record->weekdayStyle.value = ui->cbxDisplayChinese->currentData().toInt();
    record->clockFormat.value = ui->cbxTimeFormt12HRs->currentData().toInt();
    record->dateFormat.value = ui->cbxOSDDateFormat->currentData().toInt();

    const int channel = qBound(0, ui->cbxTitleChannel->currentIndex(), kOsdTitles - 1);
    NETSDK_OSD_TITLE& title = record->titles[channel];
    title.shown.value = ui->ckbTitleEnabled->checkState() == Qt::Checked ? 1 : 0;
    title.x.value = wordFromFloat(float(ui->dspbOSDTitlePosX->value()));
    title.y.value = wordFromFloat(float(ui->dspbOSDTitlePosY->value()));
    // The form's 32 characters fit the field in UTF-8; the bound keeps the terminator anyway.
    qstrncpy(title.text, ui->edtTitleText->text().toUtf8().constData(), sizeof(title.text));

    RecordWrites writes(this);
    if (!writes.write(paramWrite(login_, channel_.get(), NETSDK_PARAM_ID_OSD, *record),
                      "设置OSD参数失败")) {
        return;
    }
    writes.waitApplied(tr("正在设置OSD参数，请稍后..."), kOsdApplyMs);
    showOsdPreview();
}
