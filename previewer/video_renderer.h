// Draws decoded YUV 4:2:0 pictures with OpenGL. The player hands each picture over from
// the decoder's thread; the renderer copies its planes under a lock and schedules one
// repaint on the GUI thread, which uploads the planes into three luminance textures that the
// fragment shader turns into RGB. Pictures that arrive before that repaint overwrite each
// other; without a new picture nothing is repainted.
#pragma once

#include <QByteArray>
#include <QMatrix4x4>
#include <QMutex>
#include <QOpenGLFunctions>
#include <QOpenGLWidget>
#include <QSize>

#include "media_services.h"

class QOpenGLShaderProgram;

class VideoRenderer : public QOpenGLWidget, protected QOpenGLFunctions {
    Q_OBJECT
public:
    explicit VideoRenderer(QWidget* parent = nullptr);
    ~VideoRenderer() override;

    // Copies a picture (kind SDR_FRAME_VIDEO) for the next repaint. Any thread. Returns
    // false, keeping the previous picture, for a frame whose sizes cannot be right.
    bool setFrame(const DecodedFrame& frame);
    // Forgets the picture, so the next repaint is black. The caller schedules the repaint.
    void clear();

    bool keepAspectRatio() const;
    void setKeepAspectRatio(bool on);

    // The projection that maps the picture into a widget of widgetSize: the whole widget,
    // or with keepAspectRatio the largest centred area of the picture's shape.
    static QMatrix4x4 projectionFor(QSize widgetSize, QSize pictureSize, bool keepAspectRatio);

    QSize sizeHint() const override { return QSize(320, 240); }

    // How often the textures were given storage: once per picture size, not per picture.
    int textureAllocations() const { return textureAllocations_; }

protected:
    void initializeGL() override;
    void paintGL() override;

private slots:
    void onContextDestroyed();

private:
    struct Plane {
        QByteArray bytes;
        int lineSize = 0;
    };

    void uploadPlane(int index, int width, int rows, bool allocate);
    void releaseGlResources();
    void scheduleRepaint();

    // Guards the fields below it up to the GL ones: setFrame writes them on the decoder's
    // thread while paintGL reads them on the GUI thread.
    mutable QMutex mutex_;
    QSize frameSize_;  // invalid or empty while there is no picture
    Plane planes_[3];
    bool keepAspectRatio_ = false;
    // Set by setFrame when it asks the GUI thread for a repaint, cleared by the repaint:
    // however many pictures arrive meanwhile, one repaint is queued.
    bool repaintQueued_ = false;

    QOpenGLShaderProgram* program_ = nullptr;
    GLuint textures_[3] = {0, 0, 0};
    QSize textureSize_;  // the picture size the textures have storage for; GUI thread
    int textureAllocations_ = 0;
    int samplerLocations_[3] = {-1, -1, -1};
    int worldLocation_ = -1;
    int viewLocation_ = -1;
    int projectionLocation_ = -1;
    QMatrix4x4 world_;
    QMatrix4x4 view_;
};
