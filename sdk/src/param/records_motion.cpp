// Table of the motion detection record (id 29): reordered night slots, the cell grid and
// four arming windows.
#include <cstddef>

#include "netsdk.h"
#include "param/records.h"

namespace netsdk::param {
namespace {

static_assert(sizeof(NETSDK_PARAM_MOTION) == 4792);
static_assert(offsetof(NETSDK_PARAM_MOTION, nightEnabled.value) == 344);
static_assert(offsetof(NETSDK_PARAM_MOTION, nightSensitivity.value) == 360);
static_assert(offsetof(NETSDK_PARAM_MOTION, night.ranges[0].value) == 696);
static_assert(offsetof(NETSDK_PARAM_MOTION, gridColumns) == 1328);
static_assert(offsetof(NETSDK_PARAM_MOTION, gridRows) == 1332);
static_assert(offsetof(NETSDK_PARAM_MOTION, cells) == 1336);
static_assert(offsetof(NETSDK_PARAM_MOTION, windows[3].ranges[2].value) == 2104 + 3 * 656 + 344);
static_assert(offsetof(NETSDK_PARAM_MOTION, flashLight.value) == 4736);
static_assert(offsetof(NETSDK_PARAM_MOTION, slot4776.value) == 4784);

constexpr uint32_t kColumnsHost = 1328;
constexpr uint32_t kRowsHost = 1332;
constexpr uint32_t kCellsHost = 1336;
constexpr uint32_t kCellsWire = 1304;
constexpr uint32_t kRowBytes = NETSDK_MOTION_GRID_COLUMNS;
constexpr uint32_t kCellBytes = NETSDK_MOTION_GRID_ROWS * kRowBytes;
constexpr uint32_t kWindowHost = kTimeSegmentHostBytes;
constexpr uint32_t kWindowWire = kTimeSegmentWireBytes;
constexpr uint32_t kRange = kRangeSlotHostBytes;
constexpr uint32_t kRangeWire = kRangeSlotWireBytes;

// A read holds the grid counts to the 24 x 32 cells, so no reader walks past them.
constexpr FieldRule kMotionReply[] = {
    shortSlot(0, 0),                                   // on
    rangeSlot(16, 16).times(2, kRange, kRangeWire),    // day sensitivity, threshold
    shortSlot(336, 328),                               // night parameters on
    rangeSlot(352, 984).times(2, kRange, kRangeWire),  // night sensitivity, threshold
    timeSegment(672, 344),                             // night start and end
    countWord(kColumnsHost, 1296, NETSDK_MOTION_GRID_COLUMNS),
    countWord(kRowsHost, 1300, NETSDK_MOTION_GRID_ROWS),
    bytes(kCellsHost, kCellsWire, kCellBytes),
    timeSegment(2104, 2072).times(4, kWindowHost, kWindowWire),
    shortSlot(4728, 4632).times(4, kShortSlotBytes, kShortSlotBytes),  // alarm actions
};
static_assert(rulesFit(kMotionReply, 4792, 4696));

// A write sends the cells inside the grid only, and refuses counts that leave the cells.
constexpr FieldRule kMotionRequest[] = {
    slotValue(0, 0),
    slotValue(16, 16).times(2, kRange, kRangeWire),
    slotValue(336, 328),
    slotValue(352, 984).times(2, kRange, kRangeWire),
    slotValue(688, 360).times(2, kRange, kRangeWire),  // night start and end
    word(kColumnsHost, 1296),
    word(kRowsHost, 1300),
    bytes(kCellsHost, kCellsWire, kRowBytes)
        .times(NETSDK_MOTION_GRID_ROWS, kRowBytes, kRowBytes)
        .countedBy(kRowsHost, Beyond::Refuse)
        .widthFrom(kColumnsHost, Beyond::Refuse),
    slotValue(2104, 2072).times(4, kWindowHost, kWindowWire),  // window in use
    slotValue(2120, 2088).times(4, kRange, kRangeWire).inEach(4, kWindowHost, kWindowWire),
    slotValue(4728, 4632).times(4, kShortSlotBytes, kShortSlotBytes),
};
static_assert(rulesFit(kMotionRequest, 4792, 4696));

}  // namespace

const RecordRules kMotionRules = {ruleSet(kMotionReply), ruleSet(kMotionRequest)};

}  // namespace netsdk::param
