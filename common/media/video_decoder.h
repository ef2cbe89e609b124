// Decodes one H.264 or H.265 stream, one access unit per call.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

#include "ffmpeg_handles.h"
#include "media_services.h"
#include "yuv420_converter.h"

namespace media {

using FrameSink = std::function<void(const DecodedFrame&)>;

class VideoDecoder {
public:
    explicit VideoDecoder(AVCodecID id);

    bool isOpen() const { return static_cast<bool>(context_); }

    // Decodes one access unit and hands every picture it yields to sink. Units before the
    // first key frame, and after an undecodable one until the next key frame, are dropped.
    // Returns the number of pictures delivered, or -1 when the unit was dropped or refused.
    int decode(const uint8_t* data, size_t length, bool keyFrame, const FrameSink& sink);

private:
    int deliverPictures(const FrameSink& sink);

    CodecContextPtr context_;
    FramePtr picture_;
    PacketPtr packet_;
    Yuv420Converter converter_;
    bool waitingForKeyFrame_ = true;
};

}  // namespace media
