// Owning handles for the FFmpeg objects the decoders keep.
#pragma once

#include <memory>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libswscale/swscale.h>
}

namespace media {

struct CodecContextDeleter {
    void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
};
struct FrameDeleter {
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
struct PacketDeleter {
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct ScaleContextDeleter {
    void operator()(SwsContext* context) const { sws_freeContext(context); }
};

using CodecContextPtr = std::unique_ptr<AVCodecContext, CodecContextDeleter>;
using FramePtr = std::unique_ptr<AVFrame, FrameDeleter>;
using PacketPtr = std::unique_ptr<AVPacket, PacketDeleter>;
using ScaleContextPtr = std::unique_ptr<SwsContext, ScaleContextDeleter>;

// Opens a decoder for id, single-threaded and without output delay, with the given audio
// sample rate and channel count (ignored for video). Null when FFmpeg has no such decoder.
CodecContextPtr openDecoder(AVCodecID id, int sampleRate = 0, int channels = 0);

// The same for a stream a demuxer describes (codec, sizes and the parameter sets it
// announced). Null when FFmpeg has no such decoder or the parameters are refused.
CodecContextPtr openDecoder(const AVCodecParameters& parameters);

}  // namespace media
