// Live stream blocks as the previewer hands them to the media layer: the input is a run of
// blocks, each a frame header and the payload whose length that header announces (the last
// block takes what is left, so a wrong length reaches the header check). Every block goes
// through one decoder, as a stream does, so parameter sets, key frames and codec switches
// carry over from block to block; every picture and block of sound it delivers is read whole,
// in the layout media_services.h promises.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "media_services.h"
#include "netsdk.h"
#include "stream_block.h"

namespace {

struct ServicesDeleter {
    void operator()(SDR_MEDIA_SERVICES* services) const { SDR_DestroyMediaServices(services); }
};

size_t sumOf(const uint8_t* bytes, size_t length) {
    volatile size_t sum = 0;
    for (size_t i = 0; i < length; ++i) {
        sum = sum + bytes[i];
    }
    return sum;
}

// Plane 0 holds height rows of lineSize[0] bytes, planes 1 and 2 hold (height + 1) / 2 rows
// of lineSize[0] / 2 bytes; sound is lineSize[0] bytes of plane 0.
void readFrame(const DecodedFrame& frame) {
    if (frame.kind == SDR_FRAME_AUDIO) {
        sumOf(frame.plane[0], static_cast<size_t>(frame.lineSize[0]));
        return;
    }
    if (frame.width <= 0 || frame.height <= 0 || frame.lineSize[0] < frame.width ||
        frame.lineSize[1] != frame.lineSize[0] / 2 || frame.lineSize[2] != frame.lineSize[1]) {
        std::abort();
    }
    const size_t chromaRows = static_cast<size_t>(frame.height + 1) / 2;
    sumOf(frame.plane[0], static_cast<size_t>(frame.lineSize[0]) * frame.height);
    sumOf(frame.plane[1], static_cast<size_t>(frame.lineSize[1]) * chromaRows);
    sumOf(frame.plane[2], static_cast<size_t>(frame.lineSize[2]) * chromaRows);
}

int onFrame(int, const DecodedFrame* frame, void*) {
    readFrame(*frame);
    return 0;
}

// The header split on its own: the payload it points to lies inside the block.
void checkSplit(const uint8_t* block, size_t length) {
    media::StreamBlock parsed;
    if (!media::parseStreamBlock(block, static_cast<long>(length), &parsed)) {
        return;
    }
    if (parsed.payload < block || parsed.payload + parsed.payloadLength > block + length) {
        std::abort();
    }
}

// The bytes of the block that starts at data: its header and the payload it announces, or
// everything left when that is less.
size_t blockLength(const uint8_t* data, size_t left) {
    if (left < media::kStreamBlockHeaderSize) {
        return left;
    }
    uint32_t payloadLength;
    std::memcpy(&payloadLength, data + offsetof(NETSDK_FRAME_INFO, length), sizeof payloadLength);
    const size_t rest = left - media::kStreamBlockHeaderSize;
    return media::kStreamBlockHeaderSize + (payloadLength < rest ? payloadLength : rest);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::unique_ptr<SDR_MEDIA_SERVICES, ServicesDeleter> services(SDR_CreateMediaServices(0));
    if (!services) {
        std::abort();
    }
    SDR_SetDecoderCallback(services.get(), onFrame, nullptr);
    while (size > 0) {
        const size_t length = blockLength(data, size);
        checkSplit(data, length);
        SDR_DecodeStream(services.get(), data, static_cast<int>(length));
        data += length;
        size -= length;
    }
    return 0;
}
