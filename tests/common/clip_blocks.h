// Test clips made at test time by the ffmpeg program, split into one access unit (or one
// block of coded sound) per stream block, and wrapped in the SDK's 448-byte frame header
// exactly as the stream client hands them over.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace clip_blocks {

// Codec words of the frame header.
constexpr uint32_t kH264 = 0;
constexpr uint32_t kH265 = 1;
constexpr uint32_t kALaw = 0x80000001;
constexpr uint32_t kMuLaw = 0x80000002;

using Bytes = std::vector<uint8_t>;

struct Rgb {
    int r, g, b;
};

struct VideoClip {
    uint32_t codec;
    int width;
    int height;
    std::string pixelFormat;  // what the encoder is given: "yuv420p", "yuv444p"
    int sampleAspect = 1;     // the width of one sample in heights of one (n:1)
};

struct AccessUnit {
    Bytes bytes;
    bool key;
};

// Encodes frames pictures of clip.width x clip.height, painted left in `left` and right in
// `right` (the left part is width / 2 rounded down to even), with a key frame every 4th,
// no B-frames and the parameter sets in front of every key frame, as cameras send.
std::vector<AccessUnit> makeVideo(const VideoClip& clip, Rgb left, Rgb right, int frames);

// The same clip as one raw Annex B file (.h264 or .hevc) in folder; returns its path.
std::string makeVideoFile(const VideoClip& clip, Rgb left, Rgb right, int frames,
                          const std::string& folder);

// 0.2 s of a 440 Hz tone, coded as raw G.711 ("alaw" or "mulaw").
Bytes makeTone(const std::string& format);

// The header words the frame header carries, followed by payload.
Bytes wrapBlock(uint32_t codec, bool key, const Bytes& payload);
Bytes wrapBlock(uint32_t codec, bool key, const uint8_t* payload, size_t length);

// Runs a shell command; false when it failed.
bool run(const std::string& command);

}  // namespace clip_blocks
