#include "audio_decoder.h"

#include <climits>
#include <cstring>

namespace media {
namespace {

constexpr int kSampleRate = 8000;
constexpr int kChannels = 1;

}  // namespace

AudioDecoder::AudioDecoder(AVCodecID id)
    : context_(openDecoder(id, kSampleRate, kChannels)),
      samples_(av_frame_alloc()),
      packet_(av_packet_alloc()) {
    if (!samples_ || !packet_) {
        context_.reset();
    }
}

int AudioDecoder::decode(const uint8_t* data, size_t length, const FrameSink& sink) {
    if (!context_ || length == 0 || length > INT_MAX / 2) {
        return -1;
    }
    // FFmpeg copies a packet that it does not own before decoding; the block is only read.
    packet_->data = const_cast<uint8_t*>(data);
    packet_->size = static_cast<int>(length);
    const int sent = avcodec_send_packet(context_.get(), packet_.get());
    av_packet_unref(packet_.get());
    if (sent < 0) {
        return -1;
    }
    int delivered = 0;
    for (int round = 0; round < 16; ++round) {
        if (avcodec_receive_frame(context_.get(), samples_.get()) < 0) {
            break;
        }
        DecodedFrame frame;
        std::memset(&frame, 0, sizeof frame);
        frame.kind = SDR_FRAME_AUDIO;
        frame.plane[0] = samples_->data[0];
        frame.lineSize[0] = samples_->nb_samples * static_cast<int>(sizeof(int16_t));
        sink(frame);
        ++delivered;
        av_frame_unref(samples_.get());
    }
    return delivered;
}

}  // namespace media
