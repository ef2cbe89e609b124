// The stream port's wire format: the 20-byte head shared by requests, acknowledgements and
// frames, the 20-byte media header in front of every payload, the request builders and the
// conversion of a media header into the NETSDK_FRAME_INFO handed to the data callback.
#pragma once

#include <cstddef>
#include <cstdint>

#include "netsdk.h"

namespace netsdk::stream {

constexpr size_t kHeadSize = 20;
constexpr size_t kMediaHeaderSize = 20;
constexpr size_t kDescriptionSize = 20;
constexpr size_t kAckSize = kHeadSize + kDescriptionSize;
constexpr size_t kLiveRequestSize = 120;
constexpr size_t kPlaybackRequestSize = 192;
constexpr size_t kFileNameSize = 64;
// Head length of a live frame: the head and the media header.
constexpr uint32_t kLiveFrameLength = kHeadSize + kMediaHeaderSize;
// Head length of a playback frame before its optional extra block: head, media header and
// the frame's own description.
constexpr uint32_t kPlaybackFrameLength = kLiveFrameLength + kDescriptionSize;

enum Command : uint16_t {
    kLiveRequest = 0,
    kLiveAck = 1,
    kLiveFrame = 2,
    kPlaybackRequest = 4,
    kPlaybackAck = 5,
    kPlaybackFrame = 6,
};

// The fields of a received head.
struct Head {
    bool magicOk;
    uint32_t length;
    uint16_t command;
    uint8_t byte12;
    uint8_t byte13;
};

// The fields of a received media header.
struct MediaHeader {
    bool dollarOk;  // first byte is '$'
    uint8_t payloadType;
    bool keyFrame;
    uint64_t timestamp;
    uint32_t frameWord;
    uint32_t payloadLength;
};

Head parseHead(const uint8_t* bytes);
MediaHeader parseMediaHeader(const uint8_t* bytes);

// Fills out[kLiveRequestSize] with the live request for the low bytes of channel and stream.
void makeLiveRequest(int32_t channel, int32_t stream, uint8_t* out);

// Fills out[kPlaybackRequestSize]; the times travel as the host stores them, the file name
// NUL-padded and cut to 63 characters.
void makePlaybackRequest(int32_t channel, int32_t stream, int32_t beginTime, int32_t endTime,
                         const char* fileName, uint8_t* out);

}  // namespace netsdk::stream

// Fills the codec, timestamps, length and media words of frameHeader from a media header and
// the stream's 20-byte description. 0, or -1 for a NULL argument or an unknown payload type.
int CORE_STREAM_MakeMediaHeader(const uint8_t* description, const uint8_t* mediaHeader,
                                NETSDK_FRAME_INFO* frameHeader);
