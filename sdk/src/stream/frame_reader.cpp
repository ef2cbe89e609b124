#include "stream/frame_reader.h"

#include <cstring>

#include "log.h"
#include "stream/stream_wire.h"

namespace netsdk::stream {
namespace {

constexpr size_t kFrameHeaderSize = sizeof(NETSDK_FRAME_INFO);

// Reads one fixed part of a frame: a closed or failed connection is lost.
bool readPart(const ExactReceive& receive, uint8_t* buffer, size_t n) {
    return receive(buffer, static_cast<int>(n), kFrameReadTimeoutMs) == static_cast<int>(n);
}

// The part that follows the two heads in both frame kinds: payload, frame header, delivery.
FrameResult readPayloadAndDeliver(const ExactReceive& receive, const FrameTarget& target,
                                  const uint8_t* description, const uint8_t* mediaBytes, int kind,
                                  const Deliver& deliver) {
    const MediaHeader media = parseMediaHeader(mediaBytes);
    // In 64 bits, so a length near 2^32 cannot wrap past the check.
    if (static_cast<uint64_t>(media.payloadLength) + kFrameHeaderSize > target.bufferSize) {
        SDK_LOG_RESULT(media.payloadLength);
        return {FrameOutcome::kFormatError, 0};
    }
    uint8_t* payload = target.buffer + kFrameHeaderSize;
    if (!readPart(receive, payload, media.payloadLength)) {
        return {FrameOutcome::kLost, 0};
    }
    NETSDK_FRAME_INFO frameHeader{};
    const int made = CORE_STREAM_MakeMediaHeader(description, mediaBytes, &frameHeader);
    if (made != 0) {
        SDK_LOG_RESULT(made);
        return {FrameOutcome::kSkipped, 0};
    }
    if (!deliver) {
        return {FrameOutcome::kDelivered, 0};
    }
    const bool video =
        frameHeader.codec == NETSDK_CODEC_H264 || frameHeader.codec == NETSDK_CODEC_H265;
    if (video && media.keyFrame) {
        if (updateParameterSets(frameHeader.codec, payload, media.payloadLength, *target.sets)) {
            copyParameterSets(*target.sets, frameHeader);
        } else {
            SDK_LOG_TEXT("Key frame without IDR picture, sent without parameter sets");
        }
    }
    std::memcpy(target.buffer, &frameHeader, kFrameHeaderSize);
    const int length = static_cast<int>(media.payloadLength + kFrameHeaderSize);
    return {FrameOutcome::kDelivered, deliver(kind, target.buffer, length)};
}

// Reads the head and checks what every frame head must hold. Returns false with result
// set when the frame ends here.
bool readHead(const ExactReceive& receive, uint16_t command, Head& head, FrameResult& result) {
    uint8_t bytes[kHeadSize];
    if (!readPart(receive, bytes, sizeof bytes)) {
        result = {FrameOutcome::kLost, 0};
        return false;
    }
    head = parseHead(bytes);
    if (!head.magicOk) {
        SDK_LOG_TEXT("Bad magic in frame head");
        result = {FrameOutcome::kFormatError, 0};
        return false;
    }
    if (head.command != command) {
        // Heads of other commands stand alone on the wire: skipping the 20 bytes keeps step.
        SDK_LOG_RESULT(head.command);
        result = {FrameOutcome::kSkipped, 0};
        return false;
    }
    return true;
}

bool readMediaHeader(const ExactReceive& receive, uint8_t* bytes, FrameResult& result) {
    if (!readPart(receive, bytes, kMediaHeaderSize)) {
        result = {FrameOutcome::kLost, 0};
        return false;
    }
    if (bytes[0] != '$') {
        SDK_LOG_RESULT(bytes[0]);
        result = {FrameOutcome::kFormatError, 0};
        return false;
    }
    return true;
}

}  // namespace

FrameResult readLiveFrame(const ExactReceive& receive, const FrameTarget& target,
                          const Deliver& deliver) {
    Head head{};
    FrameResult result{};
    if (!readHead(receive, kLiveFrame, head, result)) {
        return result;
    }
    if (head.length != kLiveFrameLength) {
        SDK_LOG_RESULT(head.length);
        return {FrameOutcome::kFormatError, 0};
    }
    uint8_t media[kMediaHeaderSize];
    if (!readMediaHeader(receive, media, result)) {
        return result;
    }
    return readPayloadAndDeliver(receive, target, target.description, media, NETSDK_FRAME_LIVE,
                                 deliver);
}

FrameResult readPlaybackFrame(const ExactReceive& receive, const FrameTarget& target,
                              const Deliver& deliver) {
    Head head{};
    FrameResult result{};
    if (!readHead(receive, kPlaybackFrame, head, result)) {
        return result;
    }
    if (head.length < kPlaybackFrameLength) {
        SDK_LOG_RESULT(head.length);
        return {FrameOutcome::kFormatError, 0};
    }
    uint8_t media[kMediaHeaderSize];
    uint8_t description[kDescriptionSize];
    if (!readMediaHeader(receive, media, result)) {
        return result;
    }
    if (!readPart(receive, description, sizeof description)) {
        return {FrameOutcome::kLost, 0};
    }
    if (head.byte12 != 0 && head.byte13 > 1) {
        const uint32_t extra = head.length - kPlaybackFrameLength;
        if (extra > kMaxPlaybackExtra || extra + kFrameHeaderSize > target.bufferSize) {
            SDK_LOG_RESULT(extra);
            return {FrameOutcome::kFormatError, 0};
        }
        // Dropped: the payload read overwrites it.
        if (!readPart(receive, target.buffer + kFrameHeaderSize, extra)) {
            return {FrameOutcome::kLost, 0};
        }
    }
    return readPayloadAndDeliver(receive, target, description, media, NETSDK_FRAME_PLAYBACK,
                                 deliver);
}

}  // namespace netsdk::stream
