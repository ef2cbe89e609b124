#include "ffmpeg_handles.h"

namespace media {

CodecContextPtr openDecoder(AVCodecID id, int sampleRate, int channels) {
    const AVCodec* codec = avcodec_find_decoder(id);
    if (codec == nullptr) {
        return nullptr;
    }
    CodecContextPtr context(avcodec_alloc_context3(codec));
    if (!context) {
        return nullptr;
    }
    // Live pictures go out as soon as they are decoded, on the caller's thread: no frame
    // threads (they delay output by one frame per thread) and no reordering delay.
    context->thread_count = 1;
    context->flags |= AV_CODEC_FLAG_LOW_DELAY;
    if (channels > 0) {
        context->sample_rate = sampleRate;
        av_channel_layout_default(&context->ch_layout, channels);
    }
    if (avcodec_open2(context.get(), codec, nullptr) < 0) {
        return nullptr;
    }
    return context;
}

}  // namespace media
