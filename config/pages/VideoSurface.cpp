#include "VideoSurface.h"

#include <QDebug>
#include <QPainter>
#include <algorithm>
#include <cstring>
#include <mutex>

#include "rtsp_source.h"
#include "thread_handover.h"

namespace {

// The first reconnection waits this long; each further one twice as long, up to the limit,
// so that a camera that is away for long is not hammered.
constexpr int kFirstReconnectMs = 1000;
constexpr int kLongestReconnectMs = 10000;
// The status box over the picture: its margin around the text and its darkness.
constexpr int kStatusMargin = 8;
constexpr int kStatusShade = 160;

}  // namespace

VideoSurface::VideoSurface(QWidget* parent)
    : QWidget(parent), reconnectDelayMs_(kFirstReconnectMs) {
    // The widget paints every pixel itself: Qt need not clear the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    reconnect_.setSingleShot(true);
    connect(&reconnect_, &QTimer::timeout, this, &VideoSurface::start);
}

// The source is stopped (its worker joined) before the members it calls back into go away.
VideoSurface::~VideoSurface() {
    stop();
}

void VideoSurface::play(const QString& location) {
    stop();
    location_ = location;
    if (isVisible()) {
        start();
    }
}

void VideoSurface::stop() {
    pause();
    location_.clear();
    status_.clear();
    reconnectDelayMs_ = kFirstReconnectMs;
}

void VideoSurface::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!source_) {
        start();
    }
}

void VideoSurface::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    pause();
}

void VideoSurface::pause() {
    reconnect_.stop();
    source_.reset();
}

void VideoSurface::start() {
    source_.reset();
    if (location_.isEmpty()) {
        return;
    }
    const int generation = ++generation_;
    media::RtspSource::Callbacks callbacks;
    callbacks.picture = [this](const media::RgbPicture& picture) {
        takePicture(picture.pixels, picture.width, picture.height, picture.bytesPerLine,
                    picture.sampleAspect);
    };
    // Queued to the GUI thread, with this widget as context: dropped if it is gone by then.
    // The call carries its hand-over from the worker, since Qt's event queue passes it on
    // unseen by the race checker.
    callbacks.ended = [this, generation](media::StreamEnd why, const std::string& reason) {
        const QString text = QString::fromStdString(reason);
        handover::queue(this,
                        [this, generation, why, text] { onStreamEnded(generation, why, text); });
    };
    source_ = std::make_unique<media::RtspSource>(location_.toStdString(), std::move(callbacks));
}

void VideoSurface::onStreamEnded(int generation, media::StreamEnd why, const QString& reason) {
    if (generation != generation_ || !source_) {
        return;  // a source already replaced or stopped
    }
    qWarning() << "live video:" << reason;  // the reason names no credentials
    source_.reset();
    switch (why) {
        case media::StreamEnd::Refused:
            status_ = tr("用户名或密码错误，无法显示实时视频");
            break;
        case media::StreamEnd::CredentialsTooLong:
            status_ = tr("用户名和密码太长（超过%1个字符），无法显示实时视频")
                          .arg(media::RtspSource::kMaxCredentialCharacters);
            break;
        case media::StreamEnd::Lost:
            status_ = tr("正在重新连接...");
            reconnect_.start(reconnectDelayMs_);
            reconnectDelayMs_ = std::min(reconnectDelayMs_ * 2, kLongestReconnectMs);
            break;
    }
    update();
    emit streamEnded(reason);
}

void VideoSurface::onNewPicture() {
    {
        std::lock_guard<std::mutex> guard(pictureLock_);
        updatePending_ = false;
    }
    status_.clear();
    reconnectDelayMs_ = kFirstReconnectMs;
    update();
    const QSize shown = pictureSize();
    if (shown != announcedSize_) {
        announcedSize_ = shown;
        emit pictureSizeChanged(shown);
    }
}

QImage VideoSurface::currentPicture() const {
    std::lock_guard<std::mutex> guard(pictureLock_);
    return picture_.copy();
}

QSize VideoSurface::pictureSize() const {
    std::lock_guard<std::mutex> guard(pictureLock_);
    return shownSize_;
}

QSize VideoSurface::overlayPictureSize(const QSize& record) const {
    const QSize shown = pictureSize();
    return shown.isEmpty() ? record : shown;
}

// Runs on the decoding worker.
void VideoSurface::takePicture(const uchar* pixels, int width, int height, int bytesPerLine,
                               double sampleAspect) {
    bool askForUpdate = false;
    {
        std::lock_guard<std::mutex> guard(pictureLock_);
        if (picture_.size() != QSize(width, height)) {
            picture_ = QImage(width, height, QImage::Format_RGB32);
        }
        if (picture_.isNull()) {
            return;  // out of memory: skip this picture
        }
        shownSize_ = QSize(qMax(1, qRound(width * sampleAspect)), height);
        for (int row = 0; row < height; ++row) {
            memcpy(picture_.scanLine(row), pixels + row * bytesPerLine, width * 4);
        }
        askForUpdate = !updatePending_;
        updatePending_ = true;
    }
    if (askForUpdate) {
        handover::queue(this, [this] { onNewPicture(); });
    }
}

void VideoSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    {
        std::lock_guard<std::mutex> guard(pictureLock_);
        if (!picture_.isNull()) {
            // Letterboxed and centred, as the percent positions of the overlays assume.
            QSize shown = shownSize_.scaled(size(), Qt::KeepAspectRatio);
            const QRect target(
                QPoint((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(target, picture_);
        }
    }
    paintStatus(&painter);
}

void VideoSurface::paintStatus(QPainter* painter) {
    if (status_.isEmpty()) {
        return;
    }
    const QRect text = painter->fontMetrics().boundingRect(rect(), Qt::AlignCenter, status_);
    const QRect box = text.adjusted(-kStatusMargin, -kStatusMargin, kStatusMargin, kStatusMargin);
    painter->fillRect(box, QColor(0, 0, 0, kStatusShade));
    painter->setPen(Qt::white);
    painter->drawText(box, Qt::AlignCenter, status_);
}
