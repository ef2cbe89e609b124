// Draws decoded YUV 4:2:0 pictures with OpenGL into a native window (VideoSurface) that
// covers the widget. The player hands each picture over from the decoder's thread; the
// renderer copies its planes under a lock and schedules one repaint on the GUI thread, which
// uploads them into two textures (luma, and both chroma planes in one) that the fragment
// shader turns into RGB, and hands the result to the window system. Pictures that arrive before
// that repaint overwrite each other; without a new picture nothing is repainted. Mouse and keyboard
// events reach this widget and its parents as if it drew the picture itself.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QMatrix4x4>
#include <QOpenGLFunctions>
#include <QSize>
#include <QWidget>

#include <memory>
#include <mutex>

#include "media_services.h"

class QOpenGLContext;
class QOpenGLShaderProgram;
class VideoSurface;

class VideoRenderer : public QWidget, protected QOpenGLFunctions {
    Q_OBJECT
public:
    explicit VideoRenderer(QWidget* parent = nullptr);
    ~VideoRenderer() override;

    // Copies a picture (kind SDR_FRAME_VIDEO) for the next repaint. Any thread. Returns
    // false, keeping the previous picture, for a frame whose sizes cannot be right.
    bool setFrame(const DecodedFrame& frame);
    // Forgets the picture and schedules the repaint, which is black.
    void clear();

    bool keepAspectRatio() const;
    void setKeepAspectRatio(bool on);

    // The projection that maps the picture into a widget of widgetSize: the whole widget,
    // or with keepAspectRatio the largest centred area of the picture's shape.
    static QMatrix4x4 projectionFor(QSize widgetSize, QSize pictureSize, bool keepAspectRatio);

    QSize sizeHint() const override { return QSize(320, 240); }

    // How often the textures were given storage: once per picture size, not per picture.
    int textureAllocations() const { return textureAllocations_; }

    // Draws the current picture now and returns what the window shows next, without
    // showing it yet; a null image while the window has no native surface.
    QImage grabFramebuffer();
    // The context the pictures are drawn with; it lives as long as the renderer.
    QOpenGLContext* context() const;

signals:
    // A repaint has been handed to the window system.
    void frameSwapped();

protected:
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void onRepaintRequest();
    void onSurfaceNeedsDrawing();

private:
    struct Plane {
        QByteArray bytes;
        int lineSize = 0;
    };

    void copyLuma(const DecodedFrame& frame);
    void interleaveChroma(const DecodedFrame& frame);
    void drawLocked();
    void initializeGl();
    void uploadPlane(int index, int width, int rows, bool allocate);
    QImage readBack();
    void releaseGlResources();
    void scheduleRepaint();
    QSize pixelSize() const;

    VideoSurface* surface_;  // owned by container_, which embeds it
    QWidget* container_;     // a child of this widget, covering it

    // Guards the fields below it up to the GL ones: setFrame writes them on the decoder's
    // thread while drawLocked reads them on the GUI thread. A standard mutex rather than a
    // QMutex, whose locking happens inside Qt, out of the race checker's sight.
    mutable std::mutex mutex_;
    QSize frameSize_;  // invalid or empty while there is no picture
    Plane planes_[2];  // the luma, then both chroma planes interleaved
    bool keepAspectRatio_ = false;
    // Set by scheduleRepaint when it asks the GUI thread for a repaint, cleared by the
    // repaint: however many pictures arrive meanwhile, one repaint is queued.
    bool repaintQueued_ = false;

    // GUI thread only: the objects of the surface's context (none before the first
    // drawing) and what they hold.
    std::unique_ptr<QOpenGLShaderProgram> program_;
    GLuint textures_[2] = {0, 0};  // one per plane
    QSize textureSize_;            // the picture size the textures have storage for
    int textureAllocations_ = 0;
    int projectionLocation_ = -1;
};
