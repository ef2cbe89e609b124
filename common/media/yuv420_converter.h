// Hands decoded pictures on in the layout the renderers rely on: 8-bit YUV 4:2:0 whose
// chroma line size is exactly half the luma line size.
#pragma once

#include <vector>

#include "ffmpeg_handles.h"
#include "media_services.h"

namespace media {

class Yuv420Converter {
public:
    // Fills out from picture, pointing into the picture itself when it already has the
    // layout and into this converter's buffer otherwise (valid until the next call).
    // Returns false for a picture with impossible sizes or one that cannot be converted.
    bool convert(const AVFrame& picture, DecodedFrame* out);

private:
    bool hasWantedLayout(const AVFrame& picture) const;
    bool convertWithScaler(const AVFrame& picture, DecodedFrame* out);

    ScaleContextPtr scaler_;
    std::vector<uint8_t> buffer_;
};

}  // namespace media
