// Reads the frame header that the SDK puts in front of every live stream block.
// This is the only place that knows the header's layout.
#pragma once

#include <cstddef>
#include <cstdint>

namespace media {

struct StreamBlock {
    uint32_t codec = 0;     // NETSDK_CODEC_*
    bool keyFrame = false;  // meaningful for video only
    const uint8_t* payload = nullptr;
    size_t payloadLength = 0;
};

// Size of the frame header (NETSDK_FRAME_INFO) in front of the payload.
extern const size_t kStreamBlockHeaderSize;

// Splits a block into header fields and payload. Refuses (returns false) a null block, one
// shorter than the header, and one whose header's payload length differs from the bytes
// that follow the header.
bool parseStreamBlock(const void* block, long length, StreamBlock* out);

bool isVideoCodec(uint32_t codec);

}  // namespace media
