// The media layer against clips made by ffmpeg: pictures and sound come out complete, in
// the promised layout and colours, and damaged blocks produce nothing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "clip_blocks.h"
#include "media_services.h"

namespace {

using clip_blocks::Bytes;
using clip_blocks::Rgb;

struct CapturedPicture {
    int width, height;
    int lineSize[3];
    Bytes planes[3];
};

// Collects copies of everything the decoder calls back with.
struct Capture {
    std::vector<CapturedPicture> pictures;
    Bytes pcm;
    int audioBlocks = 0;
    int calls = 0;

    static int onFrame(int, const DecodedFrame* frame, void* user) {
        auto* self = static_cast<Capture*>(user);
        ++self->calls;
        if (frame->kind == SDR_FRAME_AUDIO) {
            self->pcm.insert(self->pcm.end(), frame->plane[0],
                             frame->plane[0] + frame->lineSize[0]);
            ++self->audioBlocks;
            return 0;
        }
        CapturedPicture picture{frame->width, frame->height, {}, {}};
        for (int i = 0; i < 3; ++i) {
            picture.lineSize[i] = frame->lineSize[i];
            const int rows = i == 0 ? frame->height : (frame->height + 1) / 2;
            // Reading every row of every plane lets AddressSanitizer see a short plane.
            picture.planes[i].assign(frame->plane[i], frame->plane[i] + frame->lineSize[i] * rows);
        }
        self->pictures.push_back(std::move(picture));
        return 0;
    }
};

class MediaServicesTest : public ::testing::Test {
protected:
    void SetUp() override {
        services_ = SDR_CreateMediaServices(0);
        ASSERT_NE(services_, nullptr);
        ASSERT_EQ(SDR_SetDecoderCallback(services_, &Capture::onFrame, &capture_), 0);
    }
    void TearDown() override { SDR_DestroyMediaServices(services_); }

    int decode(const Bytes& block) {
        return SDR_DecodeStream(services_, block.data(), static_cast<int>(block.size()));
    }

    SDR_MEDIA_SERVICES* services_ = nullptr;
    Capture capture_;
};

// BT.601 studio range, as ffmpeg converts the painted colours for the encoder.
struct Yuv {
    int y, u, v;
};
Yuv toYuv(Rgb c) {
    return {static_cast<int>(16 + 0.257 * c.r + 0.504 * c.g + 0.098 * c.b + 0.5),
            static_cast<int>(128 - 0.148 * c.r - 0.291 * c.g + 0.439 * c.b + 0.5),
            static_cast<int>(128 + 0.439 * c.r - 0.368 * c.g - 0.071 * c.b + 0.5)};
}

constexpr Rgb kLeft{200, 50, 50};
constexpr Rgb kRight{50, 100, 200};
constexpr int kTolerance = 6;
// Columns this close to the colour edge may blend both colours.
constexpr int kEdgeMargin = 6;

// Counts the samples of one plane, away from the colour edge, that differ from the colour
// of their side by more than the tolerance.
int wrongSamples(const CapturedPicture& p, int plane, int leftWidth, int left, int right) {
    const int shift = plane == 0 ? 0 : 1;
    const int width = (p.width + shift) >> shift;
    const int rows = (p.height + shift) >> shift;
    const int edge = leftWidth >> shift;
    const int margin = kEdgeMargin >> shift;
    int wrong = 0;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < width; ++column) {
            if (std::abs(column - edge) < margin) {
                continue;
            }
            const int want = column < edge ? left : right;
            const int have = p.planes[plane][row * p.lineSize[plane] + column];
            wrong += std::abs(have - want) > kTolerance;
        }
    }
    return wrong;
}

struct VideoCase {
    const char* name;
    clip_blocks::VideoClip clip;
};

const VideoCase kVideoCases[] = {
    {"H.264 even 4:2:0", {clip_blocks::kH264, 320, 240, "yuv420p"}},
    {"H.264 odd 4:4:4", {clip_blocks::kH264, 321, 241, "yuv444p"}},
    {"H.265 even 4:2:0", {clip_blocks::kH265, 320, 240, "yuv420p"}},
    {"H.265 odd 4:4:4", {clip_blocks::kH265, 321, 241, "yuv444p"}},
};

TEST_F(MediaServicesTest, DecodesOnePicturePerUnitFromTheFirstKeyFrame) {
    constexpr int kFrames = 12;  // key frames at 0, 4 and 8
    for (const VideoCase& c : kVideoCases) {
        SCOPED_TRACE(c.name);
        capture_ = Capture();
        const auto units = clip_blocks::makeVideo(c.clip, kLeft, kRight, kFrames);
        ASSERT_EQ(units.size(), static_cast<size_t>(kFrames));
        ASSERT_TRUE(units[0].key && !units[1].key && units[4].key);

        // Joining after the first key frame: units 1 to 3 cannot be decoded yet.
        for (size_t i = 1; i < units.size(); ++i) {
            const int pictures =
                decode(clip_blocks::wrapBlock(c.clip.codec, units[i].key, units[i].bytes));
            EXPECT_EQ(pictures, i < 4 ? -1 : 1) << "unit " << i;
        }
        ASSERT_EQ(capture_.pictures.size(), static_cast<size_t>(kFrames - 4));

        const int leftWidth = c.clip.width / 2 & ~1;
        const Yuv left = toYuv(kLeft), right = toYuv(kRight);
        for (const CapturedPicture& p : capture_.pictures) {
            EXPECT_EQ(p.width, c.clip.width);
            EXPECT_EQ(p.height, c.clip.height);
            EXPECT_GE(p.lineSize[0], p.width);
            EXPECT_EQ(p.lineSize[1], p.lineSize[0] / 2);
            EXPECT_EQ(p.lineSize[2], p.lineSize[0] / 2);
            EXPECT_EQ(wrongSamples(p, 0, leftWidth, left.y, right.y), 0);
            EXPECT_EQ(wrongSamples(p, 1, leftWidth, left.u, right.u), 0);
            EXPECT_EQ(wrongSamples(p, 2, leftWidth, left.v, right.v), 0);
        }
        SDR_DestroyMediaServices(services_);
        services_ = SDR_CreateMediaServices(0);
        SDR_SetDecoderCallback(services_, &Capture::onFrame, &capture_);
    }
}

// G.711 decoding written out from the standard's segment rules.
int16_t fromALaw(uint8_t code) {
    code ^= 0x55;
    const int segment = (code >> 4) & 7;
    int magnitude = ((code & 0x0F) << 4) + 8;
    if (segment > 0) {
        magnitude = (magnitude + 0x100) << (segment - 1);
    }
    return static_cast<int16_t>((code & 0x80) ? magnitude : -magnitude);
}

int16_t fromMuLaw(uint8_t code) {
    code = ~code;
    const int magnitude = ((((code & 0x0F) << 3) + 0x84) << ((code >> 4) & 7)) - 0x84;
    return static_cast<int16_t>((code & 0x80) ? -magnitude : magnitude);
}

TEST_F(MediaServicesTest, DecodesG711ToTheStandardsSamples) {
    constexpr size_t kBlockBytes = 320;  // 40 ms, as cameras send
    const struct {
        const char* format;
        uint32_t codec;
        int16_t (*expand)(uint8_t);
    } cases[] = {{"alaw", clip_blocks::kALaw, fromALaw}, {"mulaw", clip_blocks::kMuLaw, fromMuLaw}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format);
        capture_ = Capture();
        const Bytes tone = clip_blocks::makeTone(c.format);
        ASSERT_GT(tone.size(), kBlockBytes);
        int blocks = 0;
        for (size_t at = 0; at < tone.size(); at += kBlockBytes, ++blocks) {
            const size_t n = std::min(kBlockBytes, tone.size() - at);
            EXPECT_EQ(decode(clip_blocks::wrapBlock(c.codec, false, tone.data() + at, n)), 1);
        }
        EXPECT_EQ(capture_.audioBlocks, blocks);
        std::vector<int16_t> want;
        for (uint8_t code : tone) {
            want.push_back(c.expand(code));
        }
        ASSERT_EQ(capture_.pcm.size(), want.size() * 2);
        std::vector<int16_t> have(want.size());
        std::memcpy(have.data(), capture_.pcm.data(), capture_.pcm.size());
        EXPECT_EQ(have, want);
    }
}

Bytes garbage(size_t n) {
    Bytes bytes(n);
    uint32_t state = 12345;
    for (auto& b : bytes) {
        state = state * 1103515245 + 12345;
        b = static_cast<uint8_t>(state >> 16);
    }
    return bytes;
}

// Random bytes cut by start codes, so the decoder parses them as units of every type.
Bytes garbageUnits(size_t n) {
    Bytes bytes = garbage(n);
    for (size_t at = 0; at + 4 < n; at += 97) {
        bytes[at] = 0;
        bytes[at + 1] = 0;
        bytes[at + 2] = 1;
    }
    return bytes;
}

Bytes withLengthWord(Bytes block, uint32_t length) {
    std::memcpy(block.data() + 24, &length, sizeof length);
    return block;
}

TEST_F(MediaServicesTest, RefusesDamagedBlocksWithoutCallingBack) {
    const auto units =
        clip_blocks::makeVideo({clip_blocks::kH264, 160, 120, "yuv420p"}, kLeft, kRight, 1);
    ASSERT_EQ(units.size(), 1u);
    const Bytes& key = units[0].bytes;
    const Bytes good = clip_blocks::wrapBlock(clip_blocks::kALaw, false, garbage(320));
    const Bytes shortBlock(good.begin(), good.begin() + 447);
    const struct {
        const char* name;
        Bytes block;
    } cases[] = {
        {"shorter than the header", shortBlock},
        {"header only", clip_blocks::wrapBlock(clip_blocks::kALaw, false, Bytes())},
        {"length beyond the block", withLengthWord(good, 321)},
        {"length short of the block", withLengthWord(good, 319)},
        {"length near 2^32", withLengthWord(good, 0xFFFFFFF0u)},
        {"unknown codec", clip_blocks::wrapBlock(7, false, garbage(320))},
        {"unsupported audio codec", clip_blocks::wrapBlock(0x80000003u, false, garbage(320))},
        {"garbage H.264 key frame",
         clip_blocks::wrapBlock(clip_blocks::kH264, true, garbage(4000))},
        {"garbage H.265 key frame",
         clip_blocks::wrapBlock(clip_blocks::kH265, true, garbage(4000))},
        {"H.264 units of garbage",
         clip_blocks::wrapBlock(clip_blocks::kH264, true, garbageUnits(4000))},
        {"H.265 units of garbage",
         clip_blocks::wrapBlock(clip_blocks::kH265, true, garbageUnits(4000))},
        {"key frame cut short",
         clip_blocks::wrapBlock(clip_blocks::kH264, true, key.data(), key.size() / 3)},
        {"garbage H.264 after garbage",
         clip_blocks::wrapBlock(clip_blocks::kH264, false, garbage(999))},
    };
    for (const auto& c : cases) {
        EXPECT_LE(decode(c.block), 0) << c.name;
    }
    EXPECT_EQ(SDR_DecodeStream(services_, nullptr, 1000), -1);
    EXPECT_EQ(SDR_DecodeStream(services_, good.data(), -1), -1);
    EXPECT_EQ(SDR_DecodeStream(nullptr, good.data(), static_cast<int>(good.size())), -1);
    EXPECT_EQ(capture_.calls, 0);
}

TEST_F(MediaServicesTest, RecoversAtTheNextKeyFrameAfterGarbage) {
    const auto units =
        clip_blocks::makeVideo({clip_blocks::kH264, 160, 120, "yuv420p"}, kLeft, kRight, 8);
    decode(clip_blocks::wrapBlock(clip_blocks::kH264, true, garbage(4000)));
    for (const auto& unit : units) {
        decode(clip_blocks::wrapBlock(clip_blocks::kH264, unit.key, unit.bytes));
    }
    EXPECT_EQ(capture_.pictures.size(), units.size());
}

TEST(MediaServicesHandle, RefusesNullHandlesAndUnknownFlags) {
    EXPECT_EQ(SDR_CreateMediaServices(1), nullptr);
    EXPECT_EQ(SDR_SetDecoderCallback(nullptr, nullptr, nullptr), -1);
    SDR_DestroyMediaServices(nullptr);
}

}  // namespace
