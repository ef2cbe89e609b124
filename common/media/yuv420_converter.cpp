#include "yuv420_converter.h"

#include <cstring>

namespace media {
namespace {

// Larger pictures than any camera sends are refused rather than allocated.
constexpr int kMaxPictureSide = 8192;
// Luma rows of converted pictures start on this byte boundary, as FFmpeg's own do.
constexpr int kLineAlignment = 32;

int alignUp(int value, int alignment) {
    return (value + alignment - 1) / alignment * alignment;
}

}  // namespace

bool Yuv420Converter::convert(const AVFrame& picture, DecodedFrame* out) {
    if (picture.width <= 0 || picture.height <= 0 || picture.width > kMaxPictureSide ||
        picture.height > kMaxPictureSide) {
        return false;
    }
    std::memset(out, 0, sizeof *out);
    out->width = picture.width;
    out->height = picture.height;
    out->kind = SDR_FRAME_VIDEO;
    if (!hasWantedLayout(picture)) {
        return convertWithScaler(picture, out);
    }
    for (int i = 0; i < 3; ++i) {
        out->plane[i] = picture.data[i];
        out->lineSize[i] = picture.linesize[i];
    }
    return true;
}

bool Yuv420Converter::hasWantedLayout(const AVFrame& picture) const {
    const bool planar420 =
        picture.format == AV_PIX_FMT_YUV420P || picture.format == AV_PIX_FMT_YUVJ420P;
    return planar420 && picture.data[0] && picture.data[1] && picture.data[2] &&
           picture.linesize[0] >= picture.width && picture.linesize[1] == picture.linesize[2] &&
           picture.linesize[0] == 2 * picture.linesize[1];
}

bool Yuv420Converter::convertWithScaler(const AVFrame& picture, DecodedFrame* out) {
    const int width = picture.width;
    const int height = picture.height;
    scaler_.reset(sws_getCachedContext(
        scaler_.release(), width, height, static_cast<AVPixelFormat>(picture.format), width, height,
        AV_PIX_FMT_YUV420P, SWS_BILINEAR, nullptr, nullptr, nullptr));
    if (!scaler_) {
        return false;
    }
    const int lumaLine = alignUp(width, kLineAlignment);
    const int chromaLine = lumaLine / 2;
    const int chromaRows = (height + 1) / 2;
    const size_t lumaBytes = static_cast<size_t>(lumaLine) * height;
    const size_t chromaBytes = static_cast<size_t>(chromaLine) * chromaRows;
    buffer_.resize(lumaBytes + 2 * chromaBytes);

    uint8_t* planes[4] = {buffer_.data(), buffer_.data() + lumaBytes,
                          buffer_.data() + lumaBytes + chromaBytes, nullptr};
    int lines[4] = {lumaLine, chromaLine, chromaLine, 0};
    if (sws_scale(scaler_.get(), picture.data, picture.linesize, 0, height, planes, lines) !=
        height) {
        return false;
    }
    for (int i = 0; i < 3; ++i) {
        out->plane[i] = planes[i];
        out->lineSize[i] = lines[i];
    }
    return true;
}

}  // namespace media
