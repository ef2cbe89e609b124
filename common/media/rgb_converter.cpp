#include "rgb_converter.h"

namespace media {
namespace {

// Larger pictures than any camera sends are refused rather than allocated.
constexpr int kMaxPictureSide = 8192;
constexpr int kBytesPerPixel = 4;
// Sample aspects beyond these are damaged stream headers rather than real pixel shapes;
// such pictures are shown with square pixels.
constexpr double kNarrowestSample = 1.0 / 8;
constexpr double kWidestSample = 8;

double sampleAspectOf(const AVFrame& picture) {
    const AVRational aspect = picture.sample_aspect_ratio;
    if (aspect.num <= 0 || aspect.den <= 0) {
        return 1.0;
    }
    const double value = av_q2d(aspect);
    return value >= kNarrowestSample && value <= kWidestSample ? value : 1.0;
}

}  // namespace

bool RgbConverter::convert(const AVFrame& picture, RgbPicture* out) {
    const int width = picture.width;
    const int height = picture.height;
    if (width <= 0 || height <= 0 || width > kMaxPictureSide || height > kMaxPictureSide ||
        picture.format < 0) {
        return false;
    }
    // AV_PIX_FMT_RGB32 is the native-order 0xAARRGGBB word; pictures without alpha get 0xff.
    scaler_.reset(sws_getCachedContext(scaler_.release(), width, height,
                                       static_cast<AVPixelFormat>(picture.format), width, height,
                                       AV_PIX_FMT_RGB32, SWS_BILINEAR, nullptr, nullptr, nullptr));
    if (!scaler_) {
        return false;
    }
    const int bytesPerLine = width * kBytesPerPixel;
    buffer_.resize(static_cast<size_t>(bytesPerLine) * height);
    uint8_t* planes[4] = {buffer_.data(), nullptr, nullptr, nullptr};
    int lines[4] = {bytesPerLine, 0, 0, 0};
    if (sws_scale(scaler_.get(), picture.data, picture.linesize, 0, height, planes, lines) !=
        height) {
        return false;
    }
    out->width = width;
    out->height = height;
    out->sampleAspect = sampleAspectOf(picture);
    out->bytesPerLine = bytesPerLine;
    out->pixels = buffer_.data();
    return true;
}

}  // namespace media
