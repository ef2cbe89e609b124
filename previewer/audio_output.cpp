#include "audio_output.h"

#include <QDebug>

#include <SDL.h>

namespace {

// The format the decoder's sound blocks have.
constexpr int kSampleRate = 8000;
constexpr int kSamplesPerBuffer = 320;  // 40 ms
// A backlog of two seconds means playback fell behind the camera: drop it all rather
// than lag further.
constexpr uint32_t kMaxQueuedBytes = 32767;

// Starts SDL's audio before main and ends it after main returns, for the whole process.
class AudioSubsystem {
public:
    AudioSubsystem() : started_(startAudio()) {}
    ~AudioSubsystem() {
        if (started_) {
            SDL_Quit();
        }
    }

private:
    static bool startAudio() {
        // SDL's own handlers would turn SIGTERM and SIGINT into SDL events that nobody
        // reads: the program handles them itself.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        return SDL_Init(SDL_INIT_AUDIO) >= 0;
    }

    bool started_;
};

const AudioSubsystem audioSubsystem;

}  // namespace

AudioOutput::AudioOutput() {
    SDL_AudioSpec wanted{};
    wanted.freq = kSampleRate;
    wanted.format = AUDIO_S16LSB;
    wanted.channels = 1;
    wanted.silence = 0;
    wanted.samples = kSamplesPerBuffer;
    wanted.callback = nullptr;  // queue mode
    device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (device_ == 0) {
        qDebug() << QString::asprintf("Open Audio device failed by %s", SDL_GetError());
    }
}

AudioOutput::~AudioOutput() {
    if (device_ != 0) {
        SDL_CloseAudioDevice(device_);
        device_ = 0;
    }
}

bool AudioOutput::isMuted() const {
    return device_ == 0 || SDL_GetAudioDeviceStatus(device_) == SDL_AUDIO_PAUSED;
}

void AudioOutput::setMuted(bool muted) {
    if (device_ != 0) {
        SDL_PauseAudioDevice(device_, muted ? 1 : 0);
    }
}

void AudioOutput::enqueue(const void* data, int length) {
    if (isMuted() || data == nullptr || length <= 0) {
        return;
    }
    SDL_QueueAudio(device_, data, static_cast<Uint32>(length));
    const Uint32 queued = SDL_GetQueuedAudioSize(device_);
    if (queued > kMaxQueuedBytes) {
        qDebug() << "音频队列堆积 " << queued << " 现在清空";
        SDL_ClearQueuedAudio(device_);
    }
}

uint32_t AudioOutput::queuedBytes() const {
    return device_ == 0 ? 0 : SDL_GetQueuedAudioSize(device_);
}
