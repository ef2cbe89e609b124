#include "video_surface.h"

#include <QExposeEvent>

namespace {

QSurfaceFormat videoFormat() {
    QSurfaceFormat format;
    // The picture covers the window in one flat layer: no depth or stencil buffer to keep.
    format.setDepthBufferSize(0);
    format.setStencilBufferSize(0);
    // Swaps wait for the display's refresh, so a picture is never shown half old, half new.
    // A 25 fps stream swaps far less often than any display refreshes: a swap never waits
    // for an earlier one, and the picture still reaches the next refresh.
    format.setSwapInterval(1);
    return format;
}

}  // namespace

VideoSurface::VideoSurface() {
    setSurfaceType(QSurface::OpenGLSurface);
    setFlag(Qt::WindowTransparentForInput);
    setFormat(videoFormat());
    context_.setFormat(videoFormat());
}

bool VideoSurface::makeCurrent() {
    if (handle() == nullptr) {
        return false;
    }
    if (!context_.isValid() && !context_.create()) {
        qWarning("No OpenGL context for the video");
        return false;
    }
    return context_.makeCurrent(this);
}

void VideoSurface::swapBuffers() {
    context_.swapBuffers(this);
}

void VideoSurface::exposeEvent(QExposeEvent* event) {
    if (isExposed()) {
        emit needsDrawing();
    }
    QWindow::exposeEvent(event);
}

void VideoSurface::resizeEvent(QResizeEvent* event) {
    if (isExposed()) {
        emit needsDrawing();
    }
    QWindow::resizeEvent(event);
}
