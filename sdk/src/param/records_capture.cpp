// Table of the video capture record (id 33), whose wire body orders several slots
// differently from the host record.
#include <cstddef>

#include "netsdk.h"
#include "param/records.h"
#include "param/slot_places.h"

namespace netsdk::param {
namespace {

static_assert(sizeof(NETSDK_PARAM_VIDEO_CAPTURE) == 3600);
static_assert(offsetof(NETSDK_PARAM_VIDEO_CAPTURE, videoStandard.value) == 968);
static_assert(offsetof(NETSDK_PARAM_VIDEO_CAPTURE, slot1288.value) == 1296);
static_assert(offsetof(NETSDK_PARAM_VIDEO_CAPTURE, aeSensitivity.value) == 1576);
static_assert(offsetof(NETSDK_PARAM_VIDEO_CAPTURE, wdrEnabled.value) == 2840);
static_assert(offsetof(NETSDK_PARAM_VIDEO_CAPTURE, wdrStrength.value) == 2872);
static_assert(offsetof(NETSDK_PARAM_VIDEO_CAPTURE, noiseReduction.value) == 3224);
static_assert(offsetof(NETSDK_PARAM_VIDEO_CAPTURE, noiseStrength.value) == 3256);
static_assert(offsetof(NETSDK_PARAM_VIDEO_CAPTURE, slot3440.value) == 3448);

constexpr SlotForm S = SlotForm::Short;
constexpr SlotForm O = SlotForm::Option;
constexpr SlotForm R = SlotForm::Range;

// In host order; the wire column jumps where the camera keeps a slot elsewhere.
constexpr SlotPlace kCaptureSlots[] = {
    {R, 0, 0},        // brightness
    {R, 160, 156},    // saturation
    {R, 320, 312},    // sharpness
    {R, 480, 468},    // contrast
    {R, 640, 624},    // meaning open
    {R, 800, 780},    // backlight
    {O, 960, 936},    // video standard
    {S, 1240, 1084},  // horizontal flip
    {S, 1256, 1100},  // vertical flip
    {S, 1272, 1116},  // prevent over-exposure
    {O, 1288, 1444},  // meaning open
    {R, 1568, 1132},  // AE sensitivity
    {R, 1728, 1288},  // AE tolerance
    {S, 1888, 1592},  // meaning open
    {S, 1904, 1608},  // meaning open
    {R, 1920, 1624},  // meaning open
    {R, 2080, 1780},  // meaning open
    {O, 2240, 2500},  // meaning open
    {S, 2520, 2648},  // meaning open
    {S, 2536, 2664},  // meaning open
    {O, 2552, 2868},  // meaning open
    {S, 2832, 1936},  // wide dynamic range on
    {S, 2848, 1952},  // its strength switch
    {R, 2864, 1968},  // its strength
    {S, 3024, 2124},  // meaning open
    {S, 3040, 2140},  // meaning open
    {R, 3056, 2156},  // meaning open
    {S, 3216, 2312},  // 3D noise reduction on
    {S, 3232, 2328},  // its strength switch
    {R, 3248, 2344},  // its strength
    {S, 3408, 2680},  // meaning open
    {S, 3424, 2696},  // meaning open
    {R, 3440, 2712},  // meaning open
};
static_assert(slotsTile(kCaptureSlots, 3600, 3016));

constexpr auto kCaptureReply = slotReplyRules(kCaptureSlots);
constexpr auto kCaptureRequest = slotValueRules(kCaptureSlots);
static_assert(rulesFit(kCaptureReply, 3600, 3016));
static_assert(rulesFit(kCaptureRequest, 3600, 3016));

}  // namespace

const RecordRules kVideoCaptureRules = {ruleSet(kCaptureReply), ruleSet(kCaptureRequest)};

}  // namespace netsdk::param
