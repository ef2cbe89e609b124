#include "VideoSurface.h"

#include <QDebug>
#include <QPainter>
#include <cstring>

#include "rtsp_source.h"

VideoSurface::VideoSurface(QWidget* parent) : QWidget(parent) {
    // The widget paints every pixel itself: Qt need not clear the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

// The source is stopped (its worker joined) before the members it calls back into go away.
VideoSurface::~VideoSurface() {
    stop();
}

void VideoSurface::play(const QString& location) {
    stop();
    if (location.isEmpty()) {
        return;
    }
    media::RtspSource::Callbacks callbacks;
    callbacks.picture = [this](const media::RgbPicture& picture) {
        takePicture(picture.pixels, picture.width, picture.height, picture.bytesPerLine);
    };
    // Queued to the GUI thread, with this widget as context: dropped if it is gone by then.
    callbacks.ended = [this](const std::string& reason) {
        const QString text = QString::fromStdString(reason);
        QMetaObject::invokeMethod(
            this,
            [this, text] {
                qWarning() << "live video:" << text;  // the reason names no credentials
                emit streamEnded(text);
            },
            Qt::QueuedConnection);
    };
    source_ = std::make_unique<media::RtspSource>(location.toStdString(), std::move(callbacks));
}

void VideoSurface::stop() {
    source_.reset();
}

QImage VideoSurface::currentPicture() const {
    QMutexLocker guard(&pictureLock_);
    return picture_.copy();
}

// Runs on the decoding worker.
void VideoSurface::takePicture(const uchar* pixels, int width, int height, int bytesPerLine) {
    bool askForUpdate = false;
    {
        QMutexLocker guard(&pictureLock_);
        if (picture_.size() != QSize(width, height)) {
            picture_ = QImage(width, height, QImage::Format_RGB32);
        }
        if (picture_.isNull()) {
            return;  // out of memory: skip this picture
        }
        for (int row = 0; row < height; ++row) {
            memcpy(picture_.scanLine(row), pixels + row * bytesPerLine, width * 4);
        }
        askForUpdate = !updatePending_;
        updatePending_ = true;
    }
    if (askForUpdate) {
        QMetaObject::invokeMethod(this, qOverload<>(&QWidget::update), Qt::QueuedConnection);
    }
}

void VideoSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    QMutexLocker guard(&pictureLock_);
    updatePending_ = false;
    if (picture_.isNull()) {
        return;
    }
    // Letterboxed and centred, as the percent positions of the overlays assume.
    QSize shown = picture_.size().scaled(size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - shown.width()) / 2, (height() - shown.height()) / 2),
                       shown);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, picture_);
}
