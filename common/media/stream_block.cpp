#include "stream_block.h"

#include <cstring>

namespace media {
namespace {

// Layout of the 448-byte frame header (little-endian host values).
constexpr size_t kHeaderSize = 448;
constexpr size_t kCodecOffset = 0;
constexpr size_t kPayloadLengthOffset = 24;
constexpr size_t kKeyFrameOffset = 32;  // video only: 1 for a key frame

uint32_t readWord(const uint8_t* header, size_t offset) {
    uint32_t value;
    std::memcpy(&value, header + offset, sizeof value);
    return value;
}

}  // namespace

const size_t kStreamBlockHeaderSize = kHeaderSize;

bool isVideoCodec(uint32_t codec) {
    return codec == static_cast<uint32_t>(BlockCodec::H264) ||
           codec == static_cast<uint32_t>(BlockCodec::H265);
}

bool parseStreamBlock(const void* block, long length, StreamBlock* out) {
    if (block == nullptr || out == nullptr || length < static_cast<long>(kHeaderSize)) {
        return false;
    }
    const auto* header = static_cast<const uint8_t*>(block);
    const size_t payloadLength = readWord(header, kPayloadLengthOffset);
    if (payloadLength != static_cast<size_t>(length) - kHeaderSize) {
        return false;
    }
    out->codec = readWord(header, kCodecOffset);
    out->keyFrame = isVideoCodec(out->codec) && readWord(header, kKeyFrameOffset) == 1;
    out->payload = header + kHeaderSize;
    out->payloadLength = payloadLength;
    return true;
}

}  // namespace media
