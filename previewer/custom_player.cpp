#include "custom_player.h"

#include "audio_output.h"
#include "thread_handover.h"
#include "video_renderer.h"

CustomPlayer::CustomPlayer(QObject* parent)
    : QObject(parent), decoder_(SDR_CreateMediaServices(0)), audio_(new AudioOutput) {}

CustomPlayer::~CustomPlayer() {
    stopWorker();
    clearRenderers();
    audio_.reset();
    SDR_DestroyMediaServices(decoder_);
}

void CustomPlayer::addRenderer(VideoRenderer* renderer) {
    renderers_.append(renderer);
}

bool CustomPlayer::isMuted() const {
    return audio_->isMuted();
}

bool CustomPlayer::isRunning() const {
    return worker_.activeThreadCount() > 0;
}

void CustomPlayer::play() {
    stopWorker();
    stopFlag_ = false;
    // Installed before the task starts, so its first decoded frames are not lost.
    SDR_SetDecoderCallback(decoder_, &CustomPlayer::onDecodedFrame, this);
    handover::start(worker_, [this] { run(); });
}

void CustomPlayer::setMuted(bool muted) {
    audio_->setMuted(muted);
}

void CustomPlayer::stop() {
    stopWorker();
    clearRenderers();
}

void CustomPlayer::decodeStream(const void* block, int length) {
    SDR_DecodeStream(decoder_, block, length);
}

void CustomPlayer::stopWorker() {
    if (isRunning()) {
        stopFlag_ = true;
        interruptWorker();
    }
    // Also when the task has ended on its own: what it did is this thread's from here on.
    handover::waitForDone(worker_);
}

int CustomPlayer::onDecodedFrame(int, const DecodedFrame* frame, void* user) {
    auto* self = static_cast<CustomPlayer*>(user);
    if (self->stopFlag_) {
        return 0;
    }
    if (frame->kind == SDR_FRAME_AUDIO) {
        self->audio_->enqueue(frame->plane[0], frame->lineSize[0]);
    } else if (frame->kind == SDR_FRAME_VIDEO) {
        for (const QPointer<VideoRenderer>& renderer : qAsConst(self->renderers_)) {
            if (renderer) {
                renderer->setFrame(*frame);
            }
        }
    }
    return 0;
}

void CustomPlayer::clearRenderers() {
    for (const QPointer<VideoRenderer>& renderer : qAsConst(renderers_)) {
        if (renderer) {
            renderer->clear();
        }
    }
}
