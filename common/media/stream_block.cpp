#include "stream_block.h"

#include <cstddef>
#include <cstring>

#include "netsdk.h"

namespace media {
namespace {

// Reads one 32-bit word of the frame header, which may sit at any alignment in the block.
uint32_t readWord(const uint8_t* header, size_t offset) {
    uint32_t value;
    std::memcpy(&value, header + offset, sizeof value);
    return value;
}

// media[0] of a video frame's header: 1 for a key frame.
constexpr size_t kKeyFrameOffset = offsetof(NETSDK_FRAME_INFO, media);

}  // namespace

const size_t kStreamBlockHeaderSize = sizeof(NETSDK_FRAME_INFO);

bool isVideoCodec(uint32_t codec) {
    return codec == NETSDK_CODEC_H264 || codec == NETSDK_CODEC_H265;
}

bool parseStreamBlock(const void* block, long length, StreamBlock* out) {
    if (block == nullptr || out == nullptr || length < static_cast<long>(kStreamBlockHeaderSize)) {
        return false;
    }
    const auto* header = static_cast<const uint8_t*>(block);
    const size_t payloadLength = readWord(header, offsetof(NETSDK_FRAME_INFO, length));
    if (payloadLength != static_cast<size_t>(length) - kStreamBlockHeaderSize) {
        return false;
    }
    out->codec = readWord(header, offsetof(NETSDK_FRAME_INFO, codec));
    out->keyFrame = isVideoCodec(out->codec) && readWord(header, kKeyFrameOffset) == 1;
    out->payload = header + kStreamBlockHeaderSize;
    out->payloadLength = payloadLength;
    return true;
}

}  // namespace media
