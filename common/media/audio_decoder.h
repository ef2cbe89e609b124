// Decodes G.711 A-law or µ-law into 8 kHz mono signed 16-bit samples.
#pragma once

#include <cstddef>
#include <cstdint>

#include "ffmpeg_handles.h"
#include "video_decoder.h"

namespace media {

class AudioDecoder {
public:
    explicit AudioDecoder(AVCodecID id);

    bool isOpen() const { return static_cast<bool>(context_); }

    // Decodes one block of coded samples and hands the PCM to sink.
    // Returns the number of PCM blocks delivered, or -1 when the block was refused.
    int decode(const uint8_t* data, size_t length, const FrameSink& sink);

private:
    CodecContextPtr context_;
    FramePtr samples_;
    PacketPtr packet_;
};

}  // namespace media
