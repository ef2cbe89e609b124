// The stream port's bytes after the acknowledgement: the first byte picks live or playback
// frames, the next 20 are the acknowledgement's description, the rest is read frame by frame
// as the stream loop reads it, with every delivered block checked against the frame header
// in front of it. Parameter-set extraction also runs over the bytes as one key frame of
// each video codec.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "netsdk.h"
#include "stream/frame_reader.h"
#include "stream/parameter_sets.h"
#include "stream/stream_wire.h"

namespace {

using namespace netsdk::stream;

// Small enough for quick runs, large enough for the frames a fuzzer makes.
constexpr size_t kBufferSize = 1 << 16;

void readFrames(bool playback, const uint8_t* description, const uint8_t* wire, size_t size) {
    size_t offset = 0;
    const ExactReceive receive = [&](uint8_t* buffer, int n, int) {
        if (n < 0 || static_cast<size_t>(n) > size - offset) {
            offset = size;
            return 0;  // the camera closed the connection
        }
        std::memcpy(buffer, wire + offset, static_cast<size_t>(n));
        offset += static_cast<size_t>(n);
        return n;
    };
    const Deliver deliver = [](int, const uint8_t* block, int length) {
        NETSDK_FRAME_INFO header;
        if (length < static_cast<int>(sizeof header)) {
            std::abort();
        }
        std::memcpy(&header, block, sizeof header);
        volatile uint8_t last = block[length - 1];  // the whole block is readable
        (void)last;
        return 0;
    };
    std::vector<uint8_t> buffer(kBufferSize);
    ParameterSets sets{};
    const FrameTarget target{buffer.data(), buffer.size(), description, &sets};
    for (;;) {
        const FrameResult result = playback ? readPlaybackFrame(receive, target, deliver)
                                            : readLiveFrame(receive, target, deliver);
        if (result.outcome == FrameOutcome::kLost || result.outcome == FrameOutcome::kFormatError) {
            return;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1 + kDescriptionSize) {
        return 0;
    }
    const bool playback = (data[0] & 1) != 0;
    readFrames(playback, data + 1, data + 1 + kDescriptionSize, size - 1 - kDescriptionSize);

    for (uint32_t codec : {NETSDK_CODEC_H264, NETSDK_CODEC_H265}) {
        ParameterSets sets{};
        if (updateParameterSets(codec, data, size, sets)) {
            NETSDK_FRAME_INFO header{};
            copyParameterSets(sets, header);
        }
    }
    return 0;
}
