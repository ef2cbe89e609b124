// The SDR_* calls over one MediaServices object per handle: it reads each block's header,
// keeps one decoder for the stream's current video codec and one for its audio codec, and
// passes every decoded frame to the installed callback.
#include "media_services.h"

#include <memory>
#include <new>

#include "audio_decoder.h"
#include "netsdk.h"
#include "stream_block.h"
#include "video_decoder.h"

struct SDR_MEDIA_SERVICES {
    SDR_DecoderCallback callback = nullptr;
    void* user = nullptr;
    uint32_t videoCodec = 0;
    std::unique_ptr<media::VideoDecoder> video;
    uint32_t audioCodec = 0;
    std::unique_ptr<media::AudioDecoder> audio;
};

namespace {

// The decoder for each codec word of the frame header; other codecs are not decoded.
struct CodecRow {
    uint32_t codec;
    AVCodecID decoder;
};
constexpr CodecRow kCodecs[] = {
    {NETSDK_CODEC_H264, AV_CODEC_ID_H264},
    {NETSDK_CODEC_H265, AV_CODEC_ID_HEVC},
    {NETSDK_CODEC_G711A, AV_CODEC_ID_PCM_ALAW},
    {NETSDK_CODEC_G711U, AV_CODEC_ID_PCM_MULAW},
};

AVCodecID ffmpegCodecFor(uint32_t codec) {
    for (const CodecRow& row : kCodecs) {
        if (row.codec == codec) {
            return row.decoder;
        }
    }
    return AV_CODEC_ID_NONE;
}

// The decoder for codec, made anew when the stream switches codec.
template <typename Decoder>
Decoder* decoderFor(std::unique_ptr<Decoder>& current, uint32_t& currentCodec, uint32_t codec) {
    if (!current || currentCodec != codec) {
        current = std::make_unique<Decoder>(ffmpegCodecFor(codec));
        currentCodec = codec;
    }
    return current->isOpen() ? current.get() : nullptr;
}

}  // namespace

extern "C" {

SDR_MEDIA_SERVICES* SDR_CreateMediaServices(int flags) {
    if (flags != 0) {
        return nullptr;
    }
    return new (std::nothrow) SDR_MEDIA_SERVICES;
}

int SDR_SetDecoderCallback(SDR_MEDIA_SERVICES* services, SDR_DecoderCallback callback, void* user) {
    if (services == nullptr) {
        return -1;
    }
    services->callback = callback;
    services->user = user;
    return 0;
}

int SDR_DecodeStream(SDR_MEDIA_SERVICES* services, const void* block, int length) {
    media::StreamBlock parsed;
    if (services == nullptr || !media::parseStreamBlock(block, length, &parsed) ||
        ffmpegCodecFor(parsed.codec) == AV_CODEC_ID_NONE) {
        return -1;
    }
    const SDR_DecoderCallback callback = services->callback;
    void* const user = services->user;
    const int codec = static_cast<int>(parsed.codec);
    const media::FrameSink sink = [callback, user, codec](const DecodedFrame& frame) {
        if (callback != nullptr) {
            callback(codec, &frame, user);
        }
    };
    if (media::isVideoCodec(parsed.codec)) {
        auto* decoder = decoderFor(services->video, services->videoCodec, parsed.codec);
        return decoder
                   ? decoder->decode(parsed.payload, parsed.payloadLength, parsed.keyFrame, sink)
                   : -1;
    }
    auto* decoder = decoderFor(services->audio, services->audioCodec, parsed.codec);
    return decoder ? decoder->decode(parsed.payload, parsed.payloadLength, sink) : -1;
}

void SDR_DestroyMediaServices(SDR_MEDIA_SERVICES* services) {
    delete services;
}

}  // extern "C"
