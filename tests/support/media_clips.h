// Media clips for stream tests, made at test time by the ffmpeg program: short test-pattern
// video as raw Annex B H.264 or H.265 and a tone as raw G.711 A-law or mu-law.
//
//   const std::string clip = mediaclips::make(folder, mediaclips::Kind::H264Cif);
//   std::string bytes = mediaclips::read(clip);
#pragma once

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

namespace mediaclips {

enum class Kind { H264Cif, H264Hd, H265Cif, Alaw, Ulaw };

struct Recipe {
    const char* fileName;
    const char* ffmpegArguments;  // input and encoder; the output file is appended
};

// One row per kind. IDR key frames every 25 pictures, no B-frames (cameras send none).
inline Recipe recipe(Kind kind) {
    switch (kind) {
        case Kind::H264Cif:
            return {"cif.h264",
                    "-f lavfi -i testsrc2=size=352x288:rate=25 -t 2 -c:v libx264 -g 25 -bf 0 "
                    "-pix_fmt yuv420p -f h264"};
        case Kind::H264Hd:
            return {"hd.h264",
                    "-f lavfi -i testsrc2=size=1920x1080:rate=25 -t 4 -c:v libx264 -g 25 -bf 0 "
                    "-preset veryfast -b:v 4M -pix_fmt yuv420p -f h264"};
        case Kind::H265Cif:
            return {"cif.h265",
                    "-f lavfi -i testsrc2=size=352x288:rate=25 -t 2 -c:v libx265 -g 25 -bf 0 "
                    "-x265-params log-level=error:open-gop=0 -pix_fmt yuv420p -f hevc"};
        case Kind::Alaw:
            return {"tone.alaw",
                    "-f lavfi -i sine=frequency=440:sample_rate=8000 -t 1 -ac 1 -ar 8000 -f alaw"};
        case Kind::Ulaw:
            return {"tone.ulaw",
                    "-f lavfi -i sine=frequency=440:sample_rate=8000 -t 1 -ac 1 -ar 8000 -f mulaw"};
    }
    throw std::logic_error("unknown clip kind");
}

// Makes the clip in folder (once; a second call finds it) and returns its path.
inline std::string make(const std::string& folder, Kind kind) {
    const Recipe chosen = recipe(kind);
    const std::string path = folder + "/" + chosen.fileName;
    if (std::ifstream(path).good()) {
        return path;
    }
    const std::string command = std::string("ffmpeg -nostdin -loglevel error -y ") +
                                chosen.ffmpegArguments + " '" + path + "'";
    if (std::system(command.c_str()) != 0) {
        throw std::runtime_error("ffmpeg could not make " + path);
    }
    return path;
}

inline std::string read(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

}  // namespace mediaclips
