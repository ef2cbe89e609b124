#include "ffmpeg_handles.h"

#include <utility>

namespace media {

namespace {

CodecContextPtr allocateContext(const AVCodec* codec) {
    if (codec == nullptr) {
        return nullptr;
    }
    return CodecContextPtr(avcodec_alloc_context3(codec));
}

CodecContextPtr openLowDelay(CodecContextPtr context) {
    // Live pictures go out as soon as they are decoded, on the caller's thread: no frame
    // threads (they delay output by one frame per thread) and no reordering delay.
    context->thread_count = 1;
    context->flags |= AV_CODEC_FLAG_LOW_DELAY;
    if (avcodec_open2(context.get(), context->codec, nullptr) < 0) {
        return nullptr;
    }
    return context;
}

}  // namespace

CodecContextPtr openDecoder(AVCodecID id, int sampleRate, int channels) {
    CodecContextPtr context = allocateContext(avcodec_find_decoder(id));
    if (!context) {
        return nullptr;
    }
    if (channels > 0) {
        context->sample_rate = sampleRate;
        av_channel_layout_default(&context->ch_layout, channels);
    }
    return openLowDelay(std::move(context));
}

CodecContextPtr openDecoder(const AVCodecParameters& parameters) {
    CodecContextPtr context = allocateContext(avcodec_find_decoder(parameters.codec_id));
    if (!context || avcodec_parameters_to_context(context.get(), &parameters) < 0) {
        return nullptr;
    }
    return openLowDelay(std::move(context));
}

}  // namespace media
