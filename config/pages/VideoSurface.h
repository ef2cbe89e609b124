// A widget that plays a camera's RTSP video and paints it itself, letterboxed and centred,
// so that child widgets placed on it (overlays, masks, labels) stay on top of the picture.
//
// The stream is decoded on a worker thread; the newest picture waits in a locked slot and
// the GUI thread paints it on its next update. Older pictures that were never painted are
// simply replaced: a live view shows the newest picture, never a backlog.
//
// The stream runs only while the widget is shown: a camera allows few viewers, and a page
// nobody sees should not hold one of them. A stream that ends (camera restart, network loss,
// no picture for 5 s) is opened again by itself, after 1 s and then twice as long each time
// up to 10 s, with "reconnecting" written over the last picture; a refused password or
// credentials too long to send are shown over the picture and not tried again.
#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <mutex>

namespace media {
class RtspSource;
enum class StreamEnd;
}  // namespace media

class VideoSurface : public QWidget {
    Q_OBJECT

public:
    explicit VideoSurface(QWidget* parent = nullptr);
    ~VideoSurface() override;

    // Plays location whenever the widget is shown, replacing what played before. An empty
    // location stops playing.
    void play(const QString& location);
    void stop();

    // A copy of the newest decoded picture (null before the first one).
    QImage currentPicture() const;
    // The newest picture's size as it is shown, its width scaled by the stream's sample
    // aspect; invalid before the first picture. The letterbox and every overlay's percent
    // maths take their aspect from it.
    QSize pictureSize() const;
    // The size an overlay's percents refer to: the picture as painted, so that overlays sit
    // where the user sees them even when the stream's pictures differ from the camera's
    // resolution record; before the first picture the record stands in.
    QSize overlayPictureSize(const QSize& record) const;
    // What is written over the picture: why there is no live picture, or empty.
    QString statusText() const { return status_; }

signals:
    // The stream has ended or could not be opened; the last picture stays.
    void streamEnded(const QString& reason);
    // The shown size of the pictures has changed (the first picture, or a new format).
    void pictureSizeChanged(QSize size);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void start();
    void pause();
    void onStreamEnded(int generation, media::StreamEnd why, const QString& reason);
    void onNewPicture();
    void takePicture(const uchar* pixels, int width, int height, int bytesPerLine,
                     double sampleAspect);
    void paintStatus(QPainter* painter);

    QString location_;
    std::unique_ptr<media::RtspSource> source_;
    // Counts the sources started, so that the end of one already replaced is ignored.
    int generation_ = 0;
    QTimer reconnect_;
    int reconnectDelayMs_;
    QString status_;
    // Guards picture_, shownSize_ and updatePending_: the decoding worker writes them, the
    // GUI thread paints from the first two and clears updatePending_ once it has taken the
    // news. A standard mutex rather than a QMutex, whose locking happens inside Qt, out of
    // the race checker's sight.
    mutable std::mutex pictureLock_;
    QImage picture_;
    QSize shownSize_;
    bool updatePending_ = false;
    // The shown size last announced by pictureSizeChanged; GUI thread only.
    QSize announcedSize_;
};
