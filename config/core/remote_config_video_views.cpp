// The live previews of the video pages: the OSD, fill-light, privacy-mask and human
// detection pages each show the camera's picture in a view hosted by their frame.
#include "ShieldTaskManager.h"
#include "VideoShow.h"
#include "remote_config_dialog.h"
#include "ui_remote_config_dialog.h"
#include "zrsdk_instance.h"

void RemoteConfigDialog::createVideoViews() {
    auto* osd = new VideoShow(ui->frameOSDSetting, VideoShow::ModeOsd);
    videoViews_.insert(ui->frameOSDSetting, osd);
    connect(osd, &VideoShow::OSDDateTimePosUpdate, this,
            &RemoteConfigDialog::onOSDDateTimePosUpdate);
    connect(osd, &VideoShow::OSDTitlePosUpdate, this, &RemoteConfigDialog::onOSDTitlePosUpdate);

    auto* masks = new VideoShow(ui->frameVideoMask, VideoShow::ModeVideoMask);
    videoViews_.insert(ui->frameVideoMask, masks);
    connect(masks, &VideoShow::videoMaskValueChanged, this,
            &RemoteConfigDialog::onVideoMaskValueChanged);

    videoViews_.insert(ui->frameLightDevice,
                       new VideoShow(ui->frameLightDevice, VideoShow::ModePlain));

    auto* regions = new VideoShow(ui->frameHumanoidRecognition, VideoShow::ModeRoi);
    videoViews_.insert(ui->frameHumanoidRecognition, regions);
    connect(regions, &VideoShow::ROIValueChanged, this, &RemoteConfigDialog::onROIValueChanged);
}

// Null until the views exist: a page loaded before then shows no picture.
VideoShow* RemoteConfigDialog::videoView(QWidget* frame) const {
    return videoViews_.value(frame, nullptr);
}

// Plays the camera's stream in the frame's view. The pages that place things on the picture
// also need its size, to convert between percent and pixels; the plain view ignores it.
void RemoteConfigDialog::openPreview(QWidget* frame) {
    VideoShow* view = videoView(frame);
    if (view == nullptr) {
        return;
    }
    view->openStream(streamAuthority());
    if (frame != ui->frameLightDevice) {
        view->videoSize = session_->streamResolution(1, false);
    }
}

void RemoteConfigDialog::showOsdPreview() {
    if (VideoShow* view = videoView(ui->frameOSDSetting)) {
        view->setupOsd(QPointF(ui->dspbOSDTitlePosX->value(), ui->dspbOSDTitlePosY->value()),
                       ui->edtTitleText->text(),
                       QPointF(ui->dspbOSDDateTimePosX->value(), ui->dspbOSDDateTimePosY->value()),
                       osdPreviewFormat());
        view->setDateTimeVisible(ui->gbxOSDDateTime->isChecked());
        view->setTitleVisible(ui->ckbTitleEnabled->isChecked());
    }
}

void RemoteConfigDialog::setOsdDateTimeVisible(bool visible) {
    if (VideoShow* view = videoView(ui->frameOSDSetting)) {
        view->setDateTimeVisible(visible);
    }
}

void RemoteConfigDialog::setOsdTitleVisible(bool visible) {
    if (VideoShow* view = videoView(ui->frameOSDSetting)) {
        view->setTitleVisible(visible);
    }
}

void RemoteConfigDialog::showRegionsOnPreview() {
    if (VideoShow* view = videoView(ui->frameHumanoidRecognition)) {
        view->loadRois(taskStore_);
    }
}

void RemoteConfigDialog::clearRegionsOnPreview() {
    if (VideoShow* view = videoView(ui->frameHumanoidRecognition)) {
        view->clearRois();
    }
}
