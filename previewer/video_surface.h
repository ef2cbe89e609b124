// The native window that VideoRenderer draws into, with an OpenGL context of its own. A
// picture drawn here goes to the window system as it is: unlike a QOpenGLWidget's, it is not
// drawn into a framebuffer object first and then composited, with every other widget, into
// the top-level window. The window takes no input, so clicks, double-clicks and the context
// menu reach the widgets beneath it as they would without it. Like any native window it
// covers the widgets drawn beneath it: what overlays the picture must be a native window too.
#pragma once

#include <QOpenGLContext>
#include <QWindow>

class VideoSurface : public QWindow {
    Q_OBJECT
public:
    VideoSurface();

    // Makes the context current on this window; false while the window has no native
    // surface yet or the context cannot be made.
    bool makeCurrent();
    void swapBuffers();
    QOpenGLContext* context() { return &context_; }

signals:
    // The window system shows the window anew (shown, uncovered, resized): its content must
    // be drawn again.
    void needsDrawing();

protected:
    void exposeEvent(QExposeEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QOpenGLContext context_;
};
