#include "stream/stream_wire.h"

#include <cstddef>
#include <cstring>

#include "big_endian.h"
#include "log.h"

// The frame header is handed to decoders that read it by offset: its layout is fixed.
static_assert(sizeof(NETSDK_FRAME_INFO) == 448, "frame header must be 448 bytes");
static_assert(offsetof(NETSDK_FRAME_INFO, codec) == 0);
static_assert(offsetof(NETSDK_FRAME_INFO, timestamp) == 8);
static_assert(offsetof(NETSDK_FRAME_INFO, timestamp2) == 16);
static_assert(offsetof(NETSDK_FRAME_INFO, length) == 24);
static_assert(offsetof(NETSDK_FRAME_INFO, media) == 32);
static_assert(offsetof(NETSDK_FRAME_INFO, vps) == 52);
static_assert(offsetof(NETSDK_FRAME_INFO, vpsLength) == 180);
static_assert(offsetof(NETSDK_FRAME_INFO, pps) == 184);
static_assert(offsetof(NETSDK_FRAME_INFO, ppsLength) == 312);
static_assert(offsetof(NETSDK_FRAME_INFO, sps) == 316);
static_assert(offsetof(NETSDK_FRAME_INFO, spsLength) == 444);
static_assert(sizeof(NETSDK_PLAYBACK_INFO) == 80);

namespace netsdk::stream {
namespace {

constexpr uint8_t kMagic[4] = {'K', 'T', 'V', 'Q'};
constexpr uint16_t kRequestVersion = 0x0100;

void writeRequestHead(uint8_t* out, uint32_t length, Command command, uint8_t mode) {
    std::memcpy(out, kMagic, sizeof kMagic);
    writeBig32(out + 4, length);
    writeBig16(out + 8, kRequestVersion);
    writeBig16(out + 10, command);
    out[12] = mode;
    out[13] = mode;
}

// Payload types of the media header and the codec words they become.
struct PayloadKind {
    uint8_t payloadType;
    uint32_t codec;
    enum { kVideo, kG711, kBare } words;
};

constexpr PayloadKind kPayloadKinds[] = {
    {96, NETSDK_CODEC_H264, PayloadKind::kVideo},      {97, NETSDK_CODEC_H265, PayloadKind::kVideo},
    {8, NETSDK_CODEC_G711A, PayloadKind::kG711},       {0, NETSDK_CODEC_G711U, PayloadKind::kG711},
    {104, NETSDK_CODEC_AUDIO_104, PayloadKind::kBare},
};

const PayloadKind* findPayloadKind(uint8_t payloadType) {
    for (const PayloadKind& kind : kPayloadKinds) {
        if (kind.payloadType == payloadType) {
            return &kind;
        }
    }
    return nullptr;
}

}  // namespace

Head parseHead(const uint8_t* bytes) {
    Head head{};
    head.magicOk = std::memcmp(bytes, kMagic, sizeof kMagic) == 0;
    head.length = readBig32(bytes + 4);
    head.command = static_cast<uint16_t>(bytes[10] << 8 | bytes[11]);
    head.byte12 = bytes[12];
    head.byte13 = bytes[13];
    return head;
}

MediaHeader parseMediaHeader(const uint8_t* bytes) {
    MediaHeader header{};
    header.dollarOk = bytes[0] == '$';
    header.payloadType = bytes[2];
    header.keyFrame = bytes[3] == 1;
    header.timestamp = readBig64(bytes + 4);
    header.frameWord = readBig32(bytes + 12);
    header.payloadLength = readBig32(bytes + 16);
    return header;
}

void makeLiveRequest(int32_t channel, int32_t stream, uint8_t* out) {
    std::memset(out, 0, kLiveRequestSize);
    writeRequestHead(out, kLiveRequestSize, kLiveRequest, 0);
    out[20] = static_cast<uint8_t>(channel);
    out[21] = static_cast<uint8_t>(stream);
}

void makePlaybackRequest(int32_t channel, int32_t stream, int32_t beginTime, int32_t endTime,
                         const char* fileName, uint8_t* out) {
    std::memset(out, 0, kPlaybackRequestSize);
    makeLiveRequest(channel, stream, out);
    writeRequestHead(out, kPlaybackRequestSize, kPlaybackRequest, 1);
    std::memcpy(out + 120, &beginTime, sizeof beginTime);
    std::memcpy(out + 124, &endTime, sizeof endTime);
    if (fileName != nullptr) {
        std::strncpy(reinterpret_cast<char*>(out + 128), fileName, kFileNameSize - 1);
    }
}

}  // namespace netsdk::stream

int CORE_STREAM_MakeMediaHeader(const uint8_t* description, const uint8_t* mediaHeader,
                                NETSDK_FRAME_INFO* frameHeader) {
    using namespace netsdk::stream;
    using netsdk::readBig32;
    if (description == nullptr || mediaHeader == nullptr || frameHeader == nullptr) {
        SDK_LOG_NULL();
        return -1;
    }
    const MediaHeader media = parseMediaHeader(mediaHeader);
    const PayloadKind* kind = findPayloadKind(media.payloadType);
    if (kind == nullptr) {
        SDK_LOG_RESULT(media.payloadType);
        return -1;
    }
    frameHeader->codec = kind->codec;
    frameHeader->timestamp = media.timestamp;
    frameHeader->timestamp2 = media.timestamp;
    frameHeader->length = media.payloadLength;
    if (kind->words == PayloadKind::kVideo) {
        frameHeader->media[0] = media.keyFrame ? 1 : 0;
        frameHeader->media[1] = media.frameWord;
        frameHeader->media[2] = readBig32(description + 8);
        frameHeader->media[3] = readBig32(description + 12);
        frameHeader->media[4] = readBig32(description + 16);
    } else if (kind->words == PayloadKind::kG711) {
        frameHeader->media[0] = readBig32(description + 4);
        frameHeader->media[1] = description[3];
        frameHeader->media[2] = description[2];
    }
    return 0;
}
