// A player: receives one stream on a thread of its own pool (run, in a subclass), hands
// every block to the media layer, and passes decoded pictures to its renderers and sound to its
// audio output. One task runs at a time; a stop flag ends it and silences the decoder.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QThreadPool>

#include <atomic>
#include <memory>

#include "media_services.h"

class AudioOutput;
class VideoRenderer;

class CustomPlayer : public QObject {
    Q_OBJECT
public:
    explicit CustomPlayer(QObject* parent = nullptr);
    ~CustomPlayer() override;

    // Renderers are added before play(); the decoder reads the list without a lock.
    void addRenderer(VideoRenderer* renderer);
    bool isMuted() const;
    bool isRunning() const;

public slots:
    // Stops a running task, then starts run() anew on the player's pool.
    void play();
    void setMuted(bool muted);
    // Ends the task, waiting for it, and blanks the renderers.
    void stop();

protected:
    // The task's body, on a pool thread; returns when the stream has ended.
    virtual void run() = 0;

    // Hands one stream block to the decoder. Pool thread.
    void decodeStream(const void* block, int length);
    bool stopRequested() const { return stopFlag_; }
    // Sets the stop flag, interrupts the task and waits for it. Subclasses call it in their
    // destructor, so the task never runs into a half-destroyed player.
    void stopWorker();
    // Called on the stopping thread once the stop flag is set: ends whatever the task waits
    // for, so that the stop need not wait on the camera. The flag alone is seen between waits.
    virtual void interruptWorker() {}

private:
    static int onDecodedFrame(int codec, const DecodedFrame* frame, void* user);
    void clearRenderers();

    SDR_MEDIA_SERVICES* decoder_;
    // Runs the one task; its hand-overs go through thread_handover.h, which the race checker
    // sees, unlike the pool's own locks.
    QThreadPool worker_;
    // Set by the GUI thread before it waits for the task; read by the task and the decoder.
    std::atomic<bool> stopFlag_{false};
    QList<QPointer<VideoRenderer>> renderers_;
    std::unique_ptr<AudioOutput> audio_;
};
