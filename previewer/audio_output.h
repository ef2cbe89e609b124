// Plays one stream's decoded sound on the default sound device through SDL2's queue:
// the decoder's thread pushes PCM blocks, SDL's audio thread plays them. Muting pauses the
// device; a new output starts muted.
#pragma once

#include <cstddef>
#include <cstdint>

class AudioOutput {
public:
    AudioOutput();
    virtual ~AudioOutput();

    AudioOutput(const AudioOutput&) = delete;
    AudioOutput& operator=(const AudioOutput&) = delete;

    // True while paused, and always when no device could be opened.
    bool isMuted() const;
    void setMuted(bool muted);

    // Queues 8 kHz mono signed 16-bit samples; dropped while muted. Decoder thread.
    void enqueue(const void* data, int length);

    // Bytes waiting in the device's queue (0 without a device).
    uint32_t queuedBytes() const;

private:
    uint32_t device_ = 0;  // SDL audio device ID; 0 = no device
};
