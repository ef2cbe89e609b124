// Turns decoded pictures into 32-bit RGB rows for painting with a GUI toolkit.
#pragma once

#include <cstdint>
#include <vector>

#include "ffmpeg_handles.h"

namespace media {

// One picture as 32-bit words 0xffRRGGBB in native byte order (Qt's QImage::Format_RGB32),
// valid until the next conversion of the converter that made it.
struct RgbPicture {
    int width = 0;
    int height = 0;
    int bytesPerLine = 0;
    const uint8_t* pixels = nullptr;
    // The width of one pixel over its height as the stream means it shown (1 for square
    // pixels): the picture is meant to be seen width * sampleAspect wide.
    double sampleAspect = 1.0;
};

class RgbConverter {
public:
    // Converts picture into this converter's buffer. False for a picture with impossible
    // sizes or a format the scaler cannot read.
    bool convert(const AVFrame& picture, RgbPicture* out);

private:
    ScaleContextPtr scaler_;
    std::vector<uint8_t> buffer_;
};

}  // namespace media
