#include "VideoShow.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QResizeEvent>
#include <algorithm>

#include "DragWidget.h"
#include "MoveWidget.h"
#include "Overlay.h"
#include "RtspLocation.h"
#include "ShieldTaskManager.h"
#include "TrackerWidgetVideo.h"
#include "VideoMaskWidget.h"
#include "picture_geometry.h"
#include "region_colors.h"

namespace {

// Room beside a label's text, in pixels.
constexpr int kLabelPadding = 12;
constexpr int kMaskCode = 2;

// A press or release that an overlay does not take (a frame ignores the mouse, a button lets
// go of a release outside itself after a resize) would reach the tracker and draw a new
// mask or region there as a side effect of editing this one.
void keepMouseFromTracker(QWidget* overlay) {
    overlay->setAttribute(Qt::WA_NoMousePropagation);
}

}  // namespace

VideoShow::VideoShow(QWidget* host, int viewMode)
    : QObject(host), mode(viewMode), videoWidget(new TrackerWidgetVideo(host)) {
    qRegisterMetaType<VIDEO_MASK_INFO>("VIDEO_MASK_INFO");
    videoWidget->setObjectName(QStringLiteral("videoWidget"));
    auto* layout = new QHBoxLayout;
    layout->addWidget(videoWidget);
    host->setLayout(layout);
    connect(videoWidget, &TrackerWidgetVideo::mouseReleased, this, &VideoShow::onMouseReleased);
    connect(videoWidget, &TrackerWidgetVideo::videoWidgetResized, this,
            &VideoShow::onVideoWidgetResized);
    connect(videoWidget, &VideoSurface::pictureSizeChanged, this, &VideoShow::placeOverlays);
}

VideoShow::~VideoShow() {
    if (dateTimeButton) {
        dateTimeButton->deleteLater();
    }
    if (titleButton) {
        titleButton->deleteLater();
    }
    deleteMasks();
    clearRois();
    // The stream stops here, not when the host gets round to deleting the tracker.
    videoWidget->stop();
}

void VideoShow::openStream(const QString& authority) {
    if (!authority.isEmpty()) {
        videoWidget->play(rtspLocation(authority));
    }
}

// Without a picture or a resolution record the picture is taken as filling the whole view,
// so that drawn overlays still get their own positions.
QSize VideoShow::pictureSize() const {
    const QSize size = videoWidget->overlayPictureSize(videoSize);
    return size.isEmpty() ? videoWidget->size() : size;
}

QPointF VideoShow::toPercent(const QPoint& pixel) const {
    return mapWidgetToPercent(videoWidget, pictureSize(), pixel);
}

QPoint VideoShow::toPixel(const QPointF& percent) const {
    return mapPercentToWidget(videoWidget, pictureSize(), percent);
}

QRectF VideoShow::toPercent(const QRect& rect) const {
    return QRectF(toPercent(rect.topLeft()), toPercent(rect.bottomRight()));
}

QRect VideoShow::toPixel(const QRectF& percent) const {
    return QRect(toPixel(percent.topLeft()), toPixel(percent.bottomRight()));
}

QRectF VideoShow::percentRectOf(QWidget* widget) const {
    const QRect own = widget->rect();
    return QRectF(toPercent(widget->mapTo(videoWidget, own.topLeft())),
                  toPercent(widget->mapTo(videoWidget, own.bottomRight())));
}

void VideoShow::setupOsd(const QPointF& newTitlePos, const QString& title,
                         const QPointF& newDateTimePos, const QString& format) {
    titlePos = newTitlePos;
    titleText = title;
    dateTimePos = newDateTimePos;
    dateTimeFormat = format;
    placeLabel(dateTimeButton, QDateTime::currentDateTime().toString(dateTimeFormat), dateTimePos)
        ->hide();
    placeLabel(titleButton, titleText, titlePos)->hide();
}

QPushButton* VideoShow::placeLabel(QPointer<QPushButton>& label, const QString& text,
                                   const QPointF& percent) {
    if (!label) {
        label = new QPushButton(videoWidget);
        keepMouseFromTracker(label);
        auto* mover = new MoveWidget(videoWidget);
        mover->setWidget(label);
        connect(mover, &MoveWidget::widgetReleased, this, &VideoShow::onWidgetReleased);
    }
    label->setFixedWidth(label->fontMetrics().horizontalAdvance(text) + kLabelPadding);
    label->setText(text);
    label->move(toPixel(percent));
    return label;
}

void VideoShow::setDateTimeVisible(bool visible) {
    if (dateTimeButton) {
        dateTimeVisible = visible;
        dateTimeButton->setVisible(visible);
    }
}

void VideoShow::setTitleVisible(bool visible) {
    if (titleButton) {
        titleVisible = visible;
        titleButton->setVisible(visible);
    }
}

void VideoShow::deleteMasks() {
    qDeleteAll(videoMasks);  // each mask takes its drag filter with it
    videoMasks.clear();
    videoWidget->setMaskLimitReached(false);
}

void VideoShow::clearVideoMasks() {
    deleteMasks();
}

void VideoShow::clearRois() {
    qDeleteAll(rois);
    rois.clear();
    videoWidget->setRoiLimitReached(false);
}

void VideoShow::onMouseReleased(QRect rect) {
    if (mode == ModeVideoMask) {
        addVideoMaskFromRect(rect);
    } else if (mode == ModeRoi) {
        addRoiFromRect(rect);
    }
}

void VideoShow::addVideoMaskFromRect(const QRect& rect) {
    if (rect.width() < kMinimumMaskSide || rect.height() < kMinimumMaskSide) {
        return;
    }
    if (videoMasks.size() >= kMaxOverlays) {
        videoWidget->setMaskLimitReached(true);
        return;
    }
    auto* mask = new VideoMaskWidget(videoMasks.size() + 1, videoWidget);
    keepMouseFromTracker(mask);
    auto* drag = new DragWidget(mask);
    connect(drag, &DragWidget::widgetReleased, this, &VideoShow::onWidgetReleased);
    mask->setGeometry(rect);
    mask->show();
    videoMasks.append(mask);
    reportMask(mask, toPercent(rect));
}

void VideoShow::reportMask(VideoMaskWidget* mask, const QRectF& percent) {
    VIDEO_MASK_INFO info;
    info.enable = true;
    info.code = kMaskCode;
    info.rect = percent;
    mask->setMaskInfo(info);
    emit videoMaskValueChanged(mask->index(), info);
}

void VideoShow::addRoiFromRect(const QRect& rect) {
    if (rois.size() >= kMaxOverlays) {
        videoWidget->setRoiLimitReached(true);
        return;
    }
    Overlay* roi = makeRoi(rois.size(), rect);
    roi->polygon = QPolygonF(toPercent(rect));
    reportRoi(roi);
}

Overlay* VideoShow::makeRoi(int index, const QRect& geometry) {
    auto* roi = new Overlay(index, videoWidget);
    keepMouseFromTracker(roi);
    auto* mover = new MoveWidget(videoWidget);
    mover->setWidget(roi);
    // The mover belongs to the tracker; it must not outlive the frame it watches.
    connect(roi, &QObject::destroyed, mover, &QObject::deleteLater);
    connect(mover, &MoveWidget::widgetReleased, this, &VideoShow::onWidgetReleased);
    roi->setGeometry(geometry);
    roi->defaultColor = regionColors[index];
    roi->alarmColor = Qt::red;
    roi->show();
    rois.append(roi);
    return roi;
}

void VideoShow::reportRoi(Overlay* roi) {
    emit ROIValueChanged(roi->id, roi->polygon, roi->defaultColor, roi->alarmColor);
}

void VideoShow::onWidgetReleased(QWidget* widget, QMouseEvent*) {
    if (mode == ModeOsd) {
        const QPointF position = toPercent(widget->mapTo(videoWidget, QPoint(0, 0)));
        if (widget == dateTimeButton) {
            emit OSDDateTimePosUpdate(position);
        } else if (widget == titleButton) {
            emit OSDTitlePosUpdate(position);
        }
    } else if (mode == ModeVideoMask) {
        if (auto* mask = qobject_cast<VideoMaskWidget*>(widget)) {
            reportMask(mask, percentRectOf(mask));
        }
    } else if (mode == ModeRoi) {
        if (auto* roi = qobject_cast<Overlay*>(widget)) {
            roi->polygon = QPolygonF(percentRectOf(roi));
            reportRoi(roi);
        }
    }
}

void VideoShow::onVideoWidgetResized(QResizeEvent* event) {
    if (event->oldSize().isValid() || mode != ModeOsd) {
        placeOverlays();
    }
}

// Puts every overlay back at its percent position, after the view or the picture changed.
void VideoShow::placeOverlays() {
    if (mode == ModeOsd) {
        setupOsd(titlePos, titleText, dateTimePos, dateTimeFormat);
        if (dateTimeButton) {
            dateTimeButton->setVisible(dateTimeVisible);
        }
        if (titleButton) {
            titleButton->setVisible(titleVisible);
        }
    }
    if (mode == ModeVideoMask) {
        for (VideoMaskWidget* mask : videoMasks) {
            mask->setGeometry(toPixel(mask->maskInfo().rect));
        }
    }
    if (mode == ModeVideoMask || mode == ModeRoi) {
        for (Overlay* roi : rois) {
            roi->setGeometry(toPixel(roi->polygon.boundingRect()));
        }
    }
}

void VideoShow::loadRois(ShieldTaskManager* manager) {
    clearRois();
    if (manager == nullptr) {
        return;
    }
    const auto& regions = manager->regions();
    // Only four region colours exist, and only four regions fit the camera's record.
    const int count = std::min<int>(regions.size(), kMaxOverlays);
    for (int i = 0; i < count; ++i) {
        const QPolygonF polygon = regions[i].polygon;
        Overlay* roi = makeRoi(i, toPixel(polygon.boundingRect()));
        roi->polygon = polygon;
    }
}
