// A widget that plays a camera's RTSP video and paints it itself, letterboxed and centred,
// so that child widgets placed on it (overlays, masks, labels) stay on top of the picture.
//
// The stream is decoded on a worker thread; the newest picture waits in a locked slot and
// the GUI thread paints it on its next update. Older pictures that were never painted are
// simply replaced: a live view shows the newest picture, never a backlog.
#pragma once

#include <QImage>
#include <QMutex>
#include <QWidget>
#include <memory>

namespace media {
class RtspSource;
}

class VideoSurface : public QWidget {
    Q_OBJECT

public:
    explicit VideoSurface(QWidget* parent = nullptr);
    ~VideoSurface() override;

    // Plays location, replacing what played before. An empty location stops playing.
    void play(const QString& location);
    void stop();

    // A copy of the newest decoded picture (null before the first one).
    QImage currentPicture() const;

signals:
    // The stream has ended or could not be opened; the last picture stays.
    void streamEnded(const QString& reason);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void takePicture(const uchar* pixels, int width, int height, int bytesPerLine);

    std::unique_ptr<media::RtspSource> source_;
    // Guards picture_ and updatePending_: the decoding worker writes them, the GUI thread
    // paints from them.
    mutable QMutex pictureLock_;
    QImage picture_;
    bool updatePending_ = false;
};
