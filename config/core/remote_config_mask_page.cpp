// The privacy mask page: up to four rectangles drawn on the live picture, which the camera
// blacks out of its video. Masks are never read back: a save replaces whatever the camera had.
#include <memory>

#include "VideoShow.h"
#include "record_writes.h"
#include "remote_config_dialog.h"
#include "slot_float.h"
#include "ui_remote_config_dialog.h"

namespace {

constexpr int kMasks = int(sizeof(NETSDK_PARAM_PRIVACY_MASK::masks) / sizeof(NETSDK_PRIVACY_MASK));
constexpr int kMaskApplyMs = 3000;

// The mask an item holds; anything else there counts as an empty slot.
VIDEO_MASK_INFO maskOf(const QVariant& data) {
    return data.canConvert<VIDEO_MASK_INFO>() ? data.value<VIDEO_MASK_INFO>() : VIDEO_MASK_INFO();
}

}  // namespace

bool RemoteConfigDialog::loadRegions() {
    openPreview(ui->frameVideoMask);
    if (VideoShow* view = videoView(ui->frameVideoMask)) {
        view->clearVideoMasks();
    }
    resetMaskList();
    return true;
}

// Items "1" to "4", each with an empty mask; the first one is shown.
void RemoteConfigDialog::resetMaskList() {
    QComboBox* list = ui->cbxVideoMaskChannel;
    list->clear();
    for (int number = 1; number <= kMasks; ++number) {
        list->addItem(QString::asprintf("%d", number), QVariant::fromValue(VIDEO_MASK_INFO()));
    }
}

void RemoteConfigDialog::onVideoMaskValueChanged(int id, VIDEO_MASK_INFO info) {
    const int index = id - 1;
    if (index < 0 || index >= ui->cbxVideoMaskChannel->count()) {
        return;
    }
    ui->cbxVideoMaskChannel->setItemData(index, QVariant::fromValue(info));
    // Selecting it anew shows the mask even when it was already the one shown.
    ui->cbxVideoMaskChannel->setCurrentIndex(-1);
    ui->cbxVideoMaskChannel->setCurrentIndex(index);
}

void RemoteConfigDialog::on_cbxVideoMaskChannel_currentIndexChanged(int index) {
    if (index < 0) {
        return;
    }
    const VIDEO_MASK_INFO mask = maskOf(ui->cbxVideoMaskChannel->itemData(index));
    ui->ckbVideoMaskEnable->setChecked(mask.enable);
    ui->panVideoMaskColor->setStyleSheet("background-color:black;");
    ui->spbVideoMaskPosX->setValue(mask.rect.x());
    ui->spbVideoMaskPosY->setValue(mask.rect.y());
    ui->spbVideoMaskWidth->setValue(mask.rect.width());
    ui->spbVideoMaskHeight->setValue(mask.rect.height());
}

void RemoteConfigDialog::on_ckbVideoMaskEnable_stateChanged(int state) {
    const bool enabled = state != 0;
    for (QWidget* field :
         {static_cast<QWidget*>(ui->panVideoMaskColor), static_cast<QWidget*>(ui->spbVideoMaskPosX),
          static_cast<QWidget*>(ui->spbVideoMaskPosY), static_cast<QWidget*>(ui->spbVideoMaskWidth),
          static_cast<QWidget*>(ui->spbVideoMaskHeight)}) {
        field->setEnabled(enabled);
    }
}

void RemoteConfigDialog::on_btnCleanVideoMaskConfig_clicked() {
    if (VideoShow* view = videoView(ui->frameVideoMask)) {
        view->clearVideoMasks();
    }
    resetMaskList();
}

void RemoteConfigDialog::on_btnSaveVideoMaskConfig_clicked() {
    const auto cleared = std::make_unique<NETSDK_PARAM_PRIVACY_MASK>();
    auto record = std::make_unique<NETSDK_PARAM_PRIVACY_MASK>();
    for (int index = 0; index < qMin(kMasks, ui->cbxVideoMaskChannel->count()); ++index) {
        const VIDEO_MASK_INFO mask = maskOf(ui->cbxVideoMaskChannel->itemData(index));
        NETSDK_PRIVACY_MASK& slot = record->masks[index];
        slot.enabled.value = mask.enable ? 1 : 0;
        slot.state.value = mask.code;
        slot.x.value = wordFromFloat(float(mask.rect.x()));
        slot.y.value = wordFromFloat(float(mask.rect.y()));
        slot.width.value = wordFromFloat(float(mask.rect.width()));
        slot.height.value = wordFromFloat(float(mask.rect.height()));
    }
    // The camera's masks are cleared first, so that only the ones drawn now remain.
    RecordWrites writes(this);
    if (!writes.write(tr("清除隐私遮挡"),
                      paramWrite(login_, channel_.get(), NETSDK_PARAM_ID_PRIVACY_MASK, *cleared)) ||
        !writes.write(tr("隐私遮挡"),
                      paramWrite(login_, channel_.get(), NETSDK_PARAM_ID_PRIVACY_MASK, *record))) {
        return;
    }
    writes.waitApplied(tr("正在提交隐私区域设置，请稍后..."), kMaskApplyMs);
}
