// The fill-light page: light mode, day/night image mode with its photosensor and night
// period, the dimming of the two light sources and the IR-cut trigger, beside a live picture.
#include <QDebug>
#include <QSize>
#include <QTime>
#include <memory>

#include "combo_value.h"
#include "control_assignment_group.h"
#include "record_writes.h"
#include "remote_config_dialog.h"
#include "ui_remote_config_dialog.h"
#include "zrsdk_instance.h"

namespace {

constexpr int kLightApplyMs = 5000;

// The names of the light modes by mode value; the values between hold no mode.
const char* const kLightModeNames[] = {
    QT_TRANSLATE_NOOP("RemoteConfigDialog", "红外普通模式"),
    QT_TRANSLATE_NOOP("RemoteConfigDialog", "白光（暖光）普通模式"),
    QT_TRANSLATE_NOOP("RemoteConfigDialog", "双光源（红外、白光/暖光）普通模式"),
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    QT_TRANSLATE_NOOP("RemoteConfigDialog", "红外智能调光模式"),
    QT_TRANSLATE_NOOP("RemoteConfigDialog", "白光/暖光智能调光模式"),
    QT_TRANSLATE_NOOP("RemoteConfigDialog", "双光源（红外、白光/暖光）智能调光模式"),
};
constexpr int kLightModeCount = int(sizeof(kLightModeNames) / sizeof(kLightModeNames[0]));

// Light types of the page, in the order of the light-type combo.
enum LightType { RedLight = 0, WarmLight = 1 };
enum ImageMode { ImageAuto = 0, ImageDay = 1, ImageNight = 2, ImageTimed = 3 };
enum DimmingMode { DimmingAuto = 0, DimmingManual = 1 };

// Image mode and sensitivities travel as one bit: index i is the value 1 << (i + 1).
int32_t bitOfIndex(int index) {
    return index >= 0 && index < 30 ? int32_t(1) << (index + 1) : 0;
}

// The index of a bit value (its highest bit counts), -1 for a value without one: 0, 1 and
// negative values name no choice.
int indexOfBit(int32_t value) {
    if (value < 2) {
        return -1;
    }
    int highestBit = 0;
    for (uint32_t rest = uint32_t(value); rest > 1; rest >>= 1) {
        ++highestBit;
    }
    return highestBit - 1;
}

void setComboIndexOfBit(QComboBox* combo, int32_t value) {
    const int index = indexOfBit(value);
    if (index >= 0 && index < combo->count()) {
        combo->setCurrentIndex(index);
    }
}

void setSliderIndexOfBit(QAbstractSlider* slider, int32_t value) {
    const int index = indexOfBit(value);
    if (index >= slider->minimum() && index <= slider->maximum()) {
        slider->setValue(index);
    }
}

int secondsAfterMidnight(const QTime& time) {
    return QTime(0, 0).secsTo(time);
}

}  // namespace

// The save writes the IR cut beside the light record: the load counts only with both read.
bool RemoteConfigDialog::loadLightPage() {
    auto record = std::make_unique<NETSDK_PARAM_LIGHT>();
    if (NETSDK_GetParam(login_, channel_.get(), NETSDK_PARAM_ID_LIGHT, record.get(),
                        int(sizeof(*record))) != 0) {
        qDebug("获取灯源配置失败");
        return false;
    }
    ControlAssignmentGroup* group = restoreGroup(ui->btnRestoreDefaultLightDeviceConfig);

    int irCutDefault = -1;
    const int irCut = session_->irCutMode(&irCutDefault);
    // An unreadable IR cut keeps the choice shown; restoring it would select nothing.
    if (irCut >= 0) {
        showComboValue(ui->iRCUTComboBox, irCut);
        group->assignComboValue(ui->iRCUTComboBox, irCutDefault);
    }

    ui->cbxLightDeviceLightType->clear();
    ui->cbxLightDeviceLightType->addItem(
        tr("红光"), QSize(record->redDimming.value, record->redBrightness.value));
    ui->cbxLightDeviceLightType->addItem(
        tr("暖光"), QSize(record->warmDimming.value, record->warmBrightness.value));
    group->assignComboBox(ui->cbxLightDeviceLightType, RedLight);
    group->assignComboBox(ui->cbxLightDeviceOptType, DimmingAuto);

    fillLightModes(record->lightMode, group);

    setComboIndexOfBit(ui->cbxLightDeviceImageMode, record->imageMode.value);
    group->assignComboBox(ui->cbxLightDeviceImageMode, indexOfBit(record->imageMode.defaultValue));
    showComboValue(ui->cbxLightDeviceType, record->photosensor.value);

    setSliderIndexOfBit(ui->sldLightDeviceLightTurnOnSens, record->turnOnSensitivity.value);
    group->assignSlider(ui->sldLightDeviceLightTurnOnSens,
                        indexOfBit(record->turnOnSensitivity.defaultValue));
    setSliderIndexOfBit(ui->sldLightDeviceLightAutoAdjSens, record->adjustSensitivity.value);
    group->assignSlider(ui->sldLightDeviceLightAutoAdjSens,
                        indexOfBit(record->adjustSensitivity.defaultValue));

    ui->tmLightDeviceNightStartTime->setTime(
        QTime(0, 0).addSecs(record->nightPeriod.ranges[0].value));
    ui->tmLightDeviceNightStopTime->setTime(
        QTime(0, 0).addSecs(record->nightPeriod.ranges[1].value));

    openPreview(ui->frameLightDevice);
    return irCut >= 0;
}

// The modes the camera offers, in its order, each with its value as item data.
void RemoteConfigDialog::fillLightModes(const NETSDK_OPTION_SLOT& modes,
                                        ControlAssignmentGroup* group) {
    QComboBox* combo = ui->cbxLightDeviceLightMode;
    combo->clear();
    const int count = qBound(0, modes.count, 32);
    int current = -1;
    int preset = -1;
    for (int index = 0; index < count; ++index) {
        const int mode = modes.list[index];
        // A mode this program has no name for is still offered, with an empty name.
        const bool named = mode >= 0 && mode < kLightModeCount;
        combo->addItem(named ? tr(kLightModeNames[mode]) : QString(), mode);
        if (current < 0 && mode == modes.value) {
            current = index;
        }
        if (preset < 0 && mode == modes.defaultValue) {
            preset = index;
        }
    }
    combo->setCurrentIndex(current);
    group->assignComboBox(combo, preset);
}

void RemoteConfigDialog::on_cbxLightDeviceImageMode_currentIndexChanged(int index) {
    ui->cbxLightDeviceType->setEnabled(index == ImageAuto);
    ui->sldLightDeviceLightTurnOnSens->setEnabled(index == ImageAuto);
    ui->sldLightDeviceLightAutoAdjSens->setEnabled(index != ImageDay);
    const bool timed = index == ImageTimed;
    ui->lblLightDeviceNightStartTime->setVisible(timed);
    ui->tmLightDeviceNightStartTime->setVisible(timed);
    ui->lblLightDeviceNightStopTime->setVisible(timed);
    ui->tmLightDeviceNightStopTime->setVisible(timed);
}

void RemoteConfigDialog::on_cbxLightDeviceLightMode_currentIndexChanged(int index) {
    QComboBox* lightType = ui->cbxLightDeviceLightType;
    lightType->setEnabled(false);
    switch (ui->cbxLightDeviceLightMode->itemData(index).toInt()) {
        case 0:
        case 16:
            lightType->setCurrentIndex(RedLight);
            break;
        case 1:
        case 17:
            lightType->setCurrentIndex(WarmLight);
            break;
        case 2:
        case 18:
            lightType->setEnabled(true);  // both lights: the user picks which to adjust
            break;
        default:
            break;
    }
}

void RemoteConfigDialog::on_cbxLightDeviceLightType_currentIndexChanged(int index) {
    if (index < 0) {
        return;
    }
    const QSize pair = ui->cbxLightDeviceLightType->itemData(index).toSize();
    ui->cbxLightDeviceOptType->setCurrentIndex(pair.width());
    ui->sldLightDeviceDutyRatio->setValue(pair.height());
}

void RemoteConfigDialog::on_cbxLightDeviceOptType_currentIndexChanged(int index) {
    const bool manual = index == DimmingManual;
    ui->lblLightDeviceDutyRatio->setVisible(manual);
    ui->sldLightDeviceDutyRatio->setVisible(manual);
    const int lightType = ui->cbxLightDeviceLightType->currentIndex();
    const QSize pair = ui->cbxLightDeviceLightType->itemData(lightType).toSize();
    setLightPair(lightType, index, pair.height());
}

void RemoteConfigDialog::on_sldLightDeviceDutyRatio_valueChanged(int value) {
    const int lightType = ui->cbxLightDeviceLightType->currentIndex();
    const QSize pair = ui->cbxLightDeviceLightType->itemData(lightType).toSize();
    setLightPair(lightType, pair.width(), value);
    ui->lblLightDeviceDutyRatio->setText(tr("光照亮度(%1%)").arg(value));
}

// Each light keeps its own dimming mode and brightness in its item until the save.
void RemoteConfigDialog::setLightPair(int lightType, int dimming, int brightness) {
    if (lightType >= 0) {
        ui->cbxLightDeviceLightType->setItemData(lightType, QSize(dimming, brightness));
    }
}

void RemoteConfigDialog::on_btnSaveLightDeviceConfig_clicked() {
    RecordWrites writes(this);
    // The light record does not depend on the IR-cut polarity: it goes even when the camera
    // refused the polarity.
    writes.write(tr("IRCUT触发"), [this] {
        return session_->setIrCutMode(ui->iRCUTComboBox->currentData().toInt());
    });
    const QSize red = ui->cbxLightDeviceLightType->itemData(RedLight).toSize();
    const QSize warm = ui->cbxLightDeviceLightType->itemData(WarmLight).toSize();
    auto record = std::make_unique<NETSDK_PARAM_LIGHT>();
    record->redDimming.value = red.width();
    record->redBrightness.value = red.height();
    record->warmDimming.value = warm.width();
    record->warmBrightness.value = warm.height();
    record->lightMode.value = ui->cbxLightDeviceLightMode->currentData().toInt();
    record->imageMode.value = bitOfIndex(ui->cbxLightDeviceImageMode->currentIndex());
    record->photosensor.value = ui->cbxLightDeviceType->currentData().toInt();
    record->turnOnSensitivity.value = bitOfIndex(ui->sldLightDeviceLightTurnOnSens->value());
    record->adjustSensitivity.value = bitOfIndex(ui->sldLightDeviceLightAutoAdjSens->value());
    record->nightPeriod.ranges[0].value =
        secondsAfterMidnight(ui->tmLightDeviceNightStartTime->time());
    record->nightPeriod.ranges[1].value =
        secondsAfterMidnight(ui->tmLightDeviceNightStopTime->time());
    if (!writes.write(tr("补光灯"),
                      paramWrite(login_, channel_.get(), NETSDK_PARAM_ID_LIGHT, *record))) {
        return;
    }
    writes.waitApplied(tr("正在提交灯光设置，请稍后..."), kLightApplyMs);
}
