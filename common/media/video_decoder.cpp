#include "video_decoder.h"

#include <climits>
#include <cstring>

namespace media {

VideoDecoder::VideoDecoder(AVCodecID id)
    : context_(openDecoder(id)), picture_(av_frame_alloc()), packet_(av_packet_alloc()) {
    if (!picture_ || !packet_) {
        context_.reset();
    }
}

int VideoDecoder::decode(const uint8_t* data, size_t length, bool keyFrame, const FrameSink& sink) {
    if (!context_ || length == 0 || length > INT_MAX - AV_INPUT_BUFFER_PADDING_SIZE) {
        return -1;
    }
    if (waitingForKeyFrame_ && !keyFrame) {
        return -1;
    }
    // FFmpeg copies a packet that it does not own into a padded buffer of its own, so the
    // caller's block is only read, and only up to length.
    packet_->data = const_cast<uint8_t*>(data);
    packet_->size = static_cast<int>(length);
    packet_->flags = keyFrame ? AV_PKT_FLAG_KEY : 0;
    const int sent = avcodec_send_packet(context_.get(), packet_.get());
    av_packet_unref(packet_.get());
    if (sent < 0) {
        // The reference pictures may now be wrong: wait for a fresh start.
        waitingForKeyFrame_ = true;
        return -1;
    }
    waitingForKeyFrame_ = false;
    return deliverPictures(sink);
}

int VideoDecoder::deliverPictures(const FrameSink& sink) {
    int delivered = 0;
    // Bounded: one unit yields at most a few pictures; the decoder reports EAGAIN after them.
    for (int round = 0; round < 16; ++round) {
        if (avcodec_receive_frame(context_.get(), picture_.get()) < 0) {
            break;
        }
        DecodedFrame frame;
        if (converter_.convert(*picture_, &frame)) {
            sink(frame);
            ++delivered;
        }
        av_frame_unref(picture_.get());
    }
    return delivered;
}

}  // namespace media
