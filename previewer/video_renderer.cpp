#include "video_renderer.h"

#include <QOpenGLContext>
#include <QOpenGLShaderProgram>
#include <QResizeEvent>

#include "thread_handover.h"
#include "video_surface.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <mutex>

namespace {

// Larger pictures than any camera sends are refused rather than copied.
constexpr int kMaxPictureSide = 8192;
constexpr int kMaxLineSize = 4 * kMaxPictureSide;

constexpr int kPositionAttribute = 3;
constexpr int kTextureAttribute = 4;

// A triangle strip over the whole view; texture rows run top-down like the picture's.
const GLfloat kPositions[] = {-1, -1, 1, -1, -1, 1, 1, 1};
const GLfloat kTextureCoordinates[] = {0, 1, 1, 1, 0, 0, 1, 0};

// Chroma comes from one texture: blue difference as luminance, red difference as alpha.
const char* const kFragmentShader =
    "varying vec2 textureOut; uniform sampler2D tex_y; uniform sampler2D tex_uv; void main(void) "
    "{ vec3 yuv; yuv.x = texture2D(tex_y, textureOut).r - 0.0625; yuv.yz = texture2D(tex_uv, "
    "textureOut).ra - 0.5; vec3 rgb = mat3(1.0, 1.0, 1.0, 0.0, -0.39465, 2.03211, 1.13983, "
    "-0.58060, 0.0) * yuv; gl_FragColor = vec4(rgb, 1.0); }";

const char* const kVertexShader =
    "attribute vec4 vertexIn; attribute vec2 textureIn; varying vec2 textureOut; uniform mat4 "
    "mWorld;uniform mat4 mView;uniform mat4 mProj;void main(void) { gl_Position = vertexIn * "
    "mWorld * mView  * mProj; textureOut = textureIn; }";

// The textures the shader reads, by plane: the luma as sent, and the two chroma planes
// interleaved, so that the shader fetches both with one lookup. A software rasteriser spends
// most of its time in those lookups.
struct TextureKind {
    const char* sampler;
    GLenum format;
    int bytesPerTexel;
};
constexpr int kLuma = 0;
constexpr int kChroma = 1;
const TextureKind kTextureKinds[] = {{"tex_y", GL_LUMINANCE, 1}, {"tex_uv", GL_LUMINANCE_ALPHA, 2}};

// Rows of plane index in a picture of the given height (chroma has half, rounded up).
int planeRows(int index, int height) {
    return index == 0 ? height : (height + 1) / 2;
}
int planeWidth(int index, int width) {
    return index == 0 ? width : (width + 1) / 2;
}

bool hasPossibleSizes(const DecodedFrame& frame) {
    if (frame.kind != SDR_FRAME_VIDEO || frame.width <= 0 || frame.height <= 0 ||
        frame.width > kMaxPictureSide || frame.height > kMaxPictureSide) {
        return false;
    }
    for (int i = 0; i < 3; ++i) {
        if (frame.plane[i] == nullptr || frame.lineSize[i] < planeWidth(i, frame.width) ||
            frame.lineSize[i] > kMaxLineSize) {
            return false;
        }
    }
    return true;
}

}  // namespace

VideoRenderer::VideoRenderer(QWidget* parent)
    : QWidget(parent),
      surface_(new VideoSurface),
      container_(QWidget::createWindowContainer(surface_, this)) {
    container_->setObjectName("videoSurface");
    container_->setFocusPolicy(Qt::NoFocus);
    // Native overlays make their siblings, this container among them, native too; the
    // renderer and the widgets around it need not be.
    container_->setAttribute(Qt::WA_DontCreateNativeAncestors);
    connect(surface_, &VideoSurface::needsDrawing, this, &VideoRenderer::onSurfaceNeedsDrawing);
}

VideoRenderer::~VideoRenderer() {
    releaseGlResources();
}

bool VideoRenderer::setFrame(const DecodedFrame& frame) {
    if (!hasPossibleSizes(frame)) {
        return false;
    }
    std::lock_guard<std::mutex> lock(mutex_);
    frameSize_ = QSize(frame.width, frame.height);
    copyLuma(frame);
    interleaveChroma(frame);
    scheduleRepaint();
    return true;
}

// Both copies read each plane by its own line size and rows only, so no line size can make
// them read past a plane.
void VideoRenderer::copyLuma(const DecodedFrame& frame) {
    Plane& luma = planes_[kLuma];
    const int bytes = frame.lineSize[0] * planeRows(0, frame.height);
    luma.lineSize = frame.lineSize[0];
    luma.bytes.resize(bytes);
    std::memcpy(luma.bytes.data(), frame.plane[0], static_cast<size_t>(bytes));
}

void VideoRenderer::interleaveChroma(const DecodedFrame& frame) {
    Plane& chroma = planes_[kChroma];
    const int width = planeWidth(1, frame.width);
    const int rows = planeRows(1, frame.height);
    chroma.lineSize = 2 * width;
    chroma.bytes.resize(chroma.lineSize * rows);
    auto* out = reinterpret_cast<uint8_t*>(chroma.bytes.data());
    for (int row = 0; row < rows; ++row) {
        const uint8_t* blue = frame.plane[1] + static_cast<ptrdiff_t>(row) * frame.lineSize[1];
        const uint8_t* red = frame.plane[2] + static_cast<ptrdiff_t>(row) * frame.lineSize[2];
        for (int x = 0; x < width; ++x) {
            *out++ = blue[x];
            *out++ = red[x];
        }
    }
}

// Called under the lock: a picture either reaches the repaint already queued or queues its
// own, never both. The request may come from the decoder's thread: the queued call carries
// its hand-over, since Qt's event queue passes it on unseen by the race checker.
void VideoRenderer::scheduleRepaint() {
    if (!repaintQueued_) {
        repaintQueued_ = true;
        handover::queue(this, [this] { onRepaintRequest(); });
    }
}

void VideoRenderer::clear() {
    std::lock_guard<std::mutex> lock(mutex_);
    frameSize_ = QSize(0, 0);
    for (Plane& plane : planes_) {
        plane = Plane();
    }
    scheduleRepaint();
}

bool VideoRenderer::keepAspectRatio() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return keepAspectRatio_;
}

void VideoRenderer::setKeepAspectRatio(bool on) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (on == keepAspectRatio_) {
        return;
    }
    keepAspectRatio_ = on;
    // Every repaint derives the projection from the widget's own size, so a repaint is all
    // that a change needs, picture or not.
    scheduleRepaint();
}

QMatrix4x4 VideoRenderer::projectionFor(QSize widgetSize, QSize pictureSize, bool keepAspectRatio) {
    float extentX = 2;
    float extentY = 2;
    if (keepAspectRatio && !pictureSize.isEmpty() && !widgetSize.isEmpty()) {
        const float pictureRatio = float(pictureSize.width()) / pictureSize.height();
        const float widgetRatio = float(widgetSize.width()) / widgetSize.height();
        if (widgetRatio > pictureRatio) {
            extentX = 2 * widgetRatio / pictureRatio;  // bars left and right
        } else {
            extentY = 2 * pictureRatio / widgetRatio;  // bars above and below
        }
    }
    QMatrix4x4 projection;
    projection.ortho(-extentX / 2, extentX / 2, -extentY / 2, extentY / 2, -1, 1);
    return projection;
}

QImage VideoRenderer::grabFramebuffer() {
    if (!surface_->makeCurrent()) {
        return QImage();
    }
    {
        std::lock_guard<std::mutex> lock(mutex_);
        drawLocked();
    }
    return readBack();
}

QOpenGLContext* VideoRenderer::context() const {
    return surface_->context();
}

void VideoRenderer::resizeEvent(QResizeEvent* event) {
    // The surface's container covers the widget; the overlays that callers lay out on the
    // widget are native windows above it.
    container_->setGeometry(QRect(QPoint(0, 0), event->size()));
    QWidget::resizeEvent(event);
}

void VideoRenderer::onSurfaceNeedsDrawing() {
    std::lock_guard<std::mutex> lock(mutex_);
    scheduleRepaint();
}

void VideoRenderer::onRepaintRequest() {
    // A window that is not on screen (hidden, minimised) shows nothing: its next exposure
    // asks for a repaint again.
    const bool drawable = surface_->isExposed() && surface_->makeCurrent();
    {
        std::lock_guard<std::mutex> lock(mutex_);
        repaintQueued_ = false;
        if (!drawable) {
            return;
        }
        drawLocked();
    }
    surface_->swapBuffers();
    emit frameSwapped();
}

// With the lock held and the surface's context current.
void VideoRenderer::drawLocked() {
    if (!program_) {
        initializeGl();
    }
    const QSize pixels = pixelSize();
    glViewport(0, 0, pixels.width(), pixels.height());
    const bool picture = !frameSize_.isEmpty() && program_->isLinked();
    // Black where the picture does not cover: all of it after a stop, the bars beside a
    // kept aspect ratio. A picture over the whole widget needs no clearing.
    if (!picture || keepAspectRatio_) {
        glClear(GL_COLOR_BUFFER_BIT);
    }
    if (!picture) {
        return;
    }
    const bool allocate = textureSize_ != frameSize_;
    for (int i : {kLuma, kChroma}) {
        uploadPlane(i, planeWidth(i, frameSize_.width()), planeRows(i, frameSize_.height()),
                    allocate);
    }
    if (allocate) {
        textureSize_ = frameSize_;
        ++textureAllocations_;
    }
    program_->setUniformValue(projectionLocation_,
                              projectionFor(size(), frameSize_, keepAspectRatio_));
    glDrawArrays(GL_TRIANGLE_STRIP, 0, 4);
}

// The context draws nothing but the picture: the state set here holds for every repaint.
void VideoRenderer::initializeGl() {
    initializeOpenGLFunctions();
    glClearColor(0, 0, 0, 1);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);

    program_ = std::make_unique<QOpenGLShaderProgram>();
    program_->addShaderFromSourceCode(QOpenGLShader::Fragment, kFragmentShader);
    program_->addShaderFromSourceCode(QOpenGLShader::Vertex, kVertexShader);
    program_->bindAttributeLocation("vertexIn", kPositionAttribute);
    program_->bindAttributeLocation("textureIn", kTextureAttribute);
    if (!program_->link()) {
        qWarning("Video shaders failed: %s", qPrintable(program_->log()));
        return;
    }
    program_->bind();
    projectionLocation_ = program_->uniformLocation("mProj");
    QMatrix4x4 view;
    view.lookAt(QVector3D(0, 0, 1), QVector3D(0, 0, 0), QVector3D(0, 1, 0));
    program_->setUniformValue("mWorld", QMatrix4x4());
    program_->setUniformValue("mView", view);

    glVertexAttribPointer(kPositionAttribute, 2, GL_FLOAT, GL_FALSE, 0, kPositions);
    glEnableVertexAttribArray(kPositionAttribute);
    glVertexAttribPointer(kTextureAttribute, 2, GL_FLOAT, GL_FALSE, 0, kTextureCoordinates);
    glEnableVertexAttribArray(kTextureAttribute);

    glGenTextures(std::size(textures_), textures_);
    for (int i : {kLuma, kChroma}) {
        glActiveTexture(GL_TEXTURE0 + i);
        glBindTexture(GL_TEXTURE_2D, textures_[i]);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        program_->setUniformValue(kTextureKinds[i].sampler, i);
    }
}

// Same-size pictures reuse the textures' storage; a new size gives them new storage. Each
// texture stays bound to its own unit.
void VideoRenderer::uploadPlane(int index, int width, int rows, bool allocate) {
    const TextureKind& kind = kTextureKinds[index];
    glActiveTexture(GL_TEXTURE0 + index);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, planes_[index].lineSize / kind.bytesPerTexel);
    const uchar* bytes = reinterpret_cast<const uchar*>(planes_[index].bytes.constData());
    if (allocate) {
        glTexImage2D(GL_TEXTURE_2D, 0, kind.format, width, rows, 0, kind.format, GL_UNSIGNED_BYTE,
                     bytes);
    } else {
        glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, width, rows, kind.format, GL_UNSIGNED_BYTE, bytes);
    }
}

// The drawn picture, top row first.
QImage VideoRenderer::readBack() {
    const QSize pixels = pixelSize();
    QImage image(pixels, QImage::Format_RGBX8888);
    glReadPixels(0, 0, pixels.width(), pixels.height(), GL_RGBA, GL_UNSIGNED_BYTE, image.bits());
    return image.mirrored();
}

QSize VideoRenderer::pixelSize() const {
    return size() * devicePixelRatioF();
}

// The surface, and with it the context, goes after the renderer: the GL objects go first.
void VideoRenderer::releaseGlResources() {
    if (program_ && surface_->makeCurrent()) {
        glDeleteTextures(std::size(textures_), textures_);
        program_.reset();
        surface_->context()->doneCurrent();
    }
}
