// Tables of the human detection records (ids 26, 27 and 28) and the cover detection
// record (id 44).
#include <cstddef>

#include "netsdk.h"
#include "param/records.h"

namespace netsdk::param {
namespace {

constexpr uint32_t kRange = kRangeSlotHostBytes;
constexpr uint32_t kRangeWire = kRangeSlotWireBytes;

// ---- Id 26: human detection ------------------------------------------------------------------

static_assert(sizeof(NETSDK_PARAM_HUMANOID) == 176);
static_assert(offsetof(NETSDK_PARAM_HUMANOID, sensitivity.value) == 24);

constexpr FieldRule kHumanoidReply[] = {shortSlot(0, 0), rangeSlot(16, 16)};
static_assert(rulesFit(kHumanoidReply, 176, 172));
constexpr FieldRule kHumanoidRequest[] = {slotValue(0, 0), slotValue(16, 16)};
static_assert(rulesFit(kHumanoidRequest, 176, 172));

// ---- Id 27: four regions, each a short slot and 19 range slots ---------------------------------

static_assert(sizeof(NETSDK_ROI_REGION) == 3056);
static_assert(sizeof(NETSDK_PARAM_ROI) == 12224);
static_assert(offsetof(NETSDK_ROI_REGION, alarmColour.value) == 184);
static_assert(offsetof(NETSDK_ROI_REGION, pointCount.value) == 344);
static_assert(offsetof(NETSDK_ROI_REGION, points[0].x.value) == 504);
static_assert(offsetof(NETSDK_ROI_REGION, points[7].y.value) == 664 + 7 * 320);

constexpr uint32_t kRegionHost = 3056;
constexpr uint32_t kRegionWire = 2980;
constexpr uint32_t kPointCount = 344;  // in the region, host; its wire place is 336
constexpr uint32_t kPointHost = 2 * kRange;
constexpr uint32_t kPointWire = 2 * kRangeWire;

// The point count is held to the eight coordinate pairs, so no reader of the record walks
// past them whatever the camera sent.
constexpr FieldRule kRoiReply[] = {
    shortSlot(0, 0).times(4, kRegionHost, kRegionWire),
    rangeSlot(16, 16).times(19, kRange, kRangeWire).inEach(4, kRegionHost, kRegionWire),
    countWord(kPointCount, 336, NETSDK_ROI_POINTS).times(4, kRegionHost, kRegionWire),
};
static_assert(rulesFit(kRoiReply, 12224, 11920));

// Only the counted points travel; the count is held to 0..8 on the way.
constexpr FieldRule kRoiRequest[] = {
    slotValue(0, 0).times(4, kRegionHost, kRegionWire),  // in use
    slotValue(16, 16).times(2, kRange, kRangeWire).inEach(4, kRegionHost, kRegionWire),
    countWord(kPointCount, 336, NETSDK_ROI_POINTS).times(4, kRegionHost, kRegionWire),
    slotValue(496, 484)  // x of each point
        .times(NETSDK_ROI_POINTS, kPointHost, kPointWire)
        .countedBy(kPointCount, Beyond::Hold)
        .inEach(4, kRegionHost, kRegionWire),
    slotValue(656, 640)  // y of each point
        .times(NETSDK_ROI_POINTS, kPointHost, kPointWire)
        .countedBy(kPointCount, Beyond::Hold)
        .inEach(4, kRegionHost, kRegionWire),
};
static_assert(rulesFit(kRoiRequest, 12224, 11920));

// ---- Id 28: four arming tasks; a read has the layout of id 23 -------------------------------

static_assert(sizeof(NETSDK_PARAM_ARMING) == 5088);
static_assert(offsetof(NETSDK_ARMING_TASK, window.ranges[2].value) == 960);
static_assert(offsetof(NETSDK_PARAM_ARMING, tasks[3].window.ranges[3].value) == 3 * 1272 + 1120);

constexpr uint32_t kTaskHost = 1272;
constexpr uint32_t kTaskWire = 1116;
constexpr FieldRule kArmingRequest[] = {
    slotValue(0, 0).times(4, kTaskHost, kTaskWire),      // in use
    slotValue(16, 16).times(4, kTaskHost, kTaskWire),    // repeat mode
    slotValue(176, 172).times(4, kTaskHost, kTaskWire),  // region
    slotValue(336, 328).times(4, kTaskHost, kTaskWire),  // alarm tone
    slotValue(616, 476).times(4, kTaskHost, kTaskWire),  // window head
    slotValue(632, 492)                                  // start, end, days, fourth
        .times(4, kRange, kRangeWire)
        .inEach(4, kTaskHost, kTaskWire),
};
static_assert(rulesFit(kArmingRequest, 5088, 4464));

// ---- Id 44: cover detection ----------------------------------------------------------------

static_assert(sizeof(NETSDK_PARAM_COVER_DETECT) == 3664);
static_assert(offsetof(NETSDK_PARAM_COVER_DETECT, bottom.value) == 824);
static_assert(offsetof(NETSDK_PARAM_COVER_DETECT, windows[1].ranges[1].value) == 976 + 656 + 184);
static_assert(offsetof(NETSDK_PARAM_COVER_DETECT, flashLight.value) == 3608);
static_assert(offsetof(NETSDK_PARAM_COVER_DETECT, slot3648.value) == 3656);

constexpr uint32_t kWindowHost = kTimeSegmentHostBytes;
constexpr uint32_t kWindowWire = kTimeSegmentWireBytes;
constexpr FieldRule kCoverReply[] = {
    shortSlot(0, 0),
    rangeSlot(16, 16).times(6, kRange, kRangeWire),  // sensitivity, threshold, rectangle
    timeSegment(976, 952).times(4, kWindowHost, kWindowWire),
    shortSlot(3600, 3512).times(4, kShortSlotBytes, kShortSlotBytes),  // alarm actions
};
static_assert(rulesFit(kCoverReply, 3664, 3576));

constexpr FieldRule kCoverRequest[] = {
    slotValue(0, 0),
    slotValue(16, 16).times(6, kRange, kRangeWire),
    slotValue(976, 952).times(4, kWindowHost, kWindowWire),  // window in use
    slotValue(992, 968).times(4, kRange, kRangeWire).inEach(4, kWindowHost, kWindowWire),
    slotValue(3600, 3512).times(4, kShortSlotBytes, kShortSlotBytes),
};
static_assert(rulesFit(kCoverRequest, 3664, 3576));

}  // namespace

const RecordRules kHumanoidRules = {ruleSet(kHumanoidReply), ruleSet(kHumanoidRequest)};
const RecordRules kRoiRules = {ruleSet(kRoiReply), ruleSet(kRoiRequest)};
const RecordRules kArmingRules = {kId23Rules.reply, ruleSet(kArmingRequest)};
const RecordRules kCoverDetectRules = {ruleSet(kCoverReply), ruleSet(kCoverRequest)};

}  // namespace netsdk::param
