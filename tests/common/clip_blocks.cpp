#include "clip_blocks.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>

extern "C" {
#include <libavformat/avformat.h>
}

namespace clip_blocks {
namespace {

constexpr size_t kHeaderSize = 448;

std::string scratchFolder() {
    char pattern[] = "/tmp/media-clips-XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
        throw std::runtime_error("cannot make a scratch folder");
    }
    return pattern;
}

std::string hex(Rgb c) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%02X%02X%02X", c.r, c.g, c.b);
    return text;
}

Bytes readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Splits a raw H.264 or H.265 elementary stream into access units with FFmpeg's parser.
std::vector<AccessUnit> readUnits(const std::string& path, const char* format) {
    AVFormatContext* input = nullptr;
    if (avformat_open_input(&input, path.c_str(), av_find_input_format(format), nullptr) < 0) {
        throw std::runtime_error("cannot read " + path);
    }
    std::vector<AccessUnit> units;
    AVPacket* packet = av_packet_alloc();
    while (av_read_frame(input, packet) >= 0) {
        units.push_back({Bytes(packet->data, packet->data + packet->size),
                         (packet->flags & AV_PKT_FLAG_KEY) != 0});
        av_packet_unref(packet);
    }
    av_packet_free(&packet);
    avformat_close_input(&input);
    return units;
}

}  // namespace

bool run(const std::string& command) {
    return std::system(command.c_str()) == 0;
}

std::string makeVideoFile(const VideoClip& clip, Rgb left, Rgb right, int frames,
                          const std::string& folder) {
    const int leftWidth = clip.width / 2 & ~1;
    const bool h265 = clip.codec == kH265;
    const std::string path = folder + (h265 ? "/clip.hevc" : "/clip.h264");
    const std::string size = "x" + std::to_string(clip.height) + ":r=25";
    const std::string graph = "color=c=" + hex(left) + ":s=" + std::to_string(leftWidth) + size +
                              "[a];color=c=" + hex(right) +
                              ":s=" + std::to_string(clip.width - leftWidth) + size +
                              "[b];[a][b]hstack,setsar=" + std::to_string(clip.sampleAspect);
    const std::string encoder =
        h265 ? "-c:v libx265 -x265-params "
               "keyint=4:min-keyint=4:bframes=0:repeat-headers=1:log-level=error -f hevc"
             : "-c:v libx264 -g 4 -bf 0 -x264-params repeat-headers=1 -f h264";
    const std::string command = "ffmpeg -v error -y -filter_complex '" + graph + "' -frames:v " +
                                std::to_string(frames) + " -pix_fmt " + clip.pixelFormat + " " +
                                encoder + " " + path;
    if (!run(command)) {
        throw std::runtime_error("ffmpeg failed: " + command);
    }
    return path;
}

std::vector<AccessUnit> makeVideo(const VideoClip& clip, Rgb left, Rgb right, int frames) {
    const std::string folder = scratchFolder();
    const std::string path = makeVideoFile(clip, left, right, frames, folder);
    std::vector<AccessUnit> units = readUnits(path, clip.codec == kH265 ? "hevc" : "h264");
    std::filesystem::remove_all(folder);
    return units;
}

Bytes makeTone(const std::string& format) {
    const std::string path = scratchFolder() + "/tone." + format;
    const std::string command =
        "ffmpeg -v error -y -f lavfi -i sine=frequency=440:sample_rate=8000:duration=0.2 "
        "-ac 1 -f " +
        format + " " + path;
    if (!run(command)) {
        throw std::runtime_error("ffmpeg failed: " + command);
    }
    Bytes tone = readFile(path);
    std::filesystem::remove_all(std::filesystem::path(path).parent_path());
    return tone;
}

Bytes wrapBlock(uint32_t codec, bool key, const uint8_t* payload, size_t length) {
    Bytes block(kHeaderSize + length, 0);
    const uint32_t words[][2] = {
        {0, codec}, {24, static_cast<uint32_t>(length)}, {32, static_cast<uint32_t>(key ? 1 : 0)}};
    for (const auto& word : words) {
        std::memcpy(block.data() + word[0], &word[1], sizeof word[1]);
    }
    if (length > 0) {
        std::memcpy(block.data() + kHeaderSize, payload, length);
    }
    return block;
}

Bytes wrapBlock(uint32_t codec, bool key, const Bytes& payload) {
    return wrapBlock(codec, key, payload.data(), payload.size());
}

}  // namespace clip_blocks
