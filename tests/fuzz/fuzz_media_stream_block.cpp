// A block of the SDK's live stream as the media layer takes it apart before decoding: the
// frame header read, and the payload it points to read whole.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "stream_block.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    media::StreamBlock block;
    if (!media::parseStreamBlock(data, static_cast<long>(size), &block)) {
        return 0;
    }
    const uint8_t* end = data + size;
    if (block.payload < data || block.payload + block.payloadLength > end) {
        std::abort();
    }
    volatile uint32_t sum = 0;
    for (size_t i = 0; i < block.payloadLength; ++i) {
        sum = sum + block.payload[i];
    }
    media::isVideoCodec(block.codec);
    return 0;
}
