// Tables of the fill-light and IR-cut records (ids 25 and 43).
#include <cstddef>

#include "netsdk.h"
#include "param/records.h"

namespace netsdk::param {
namespace {

// ---- Id 25: fill light ------------------------------------------------------------------------

static_assert(sizeof(NETSDK_PARAM_LIGHT) == 4552);
static_assert(offsetof(NETSDK_PARAM_LIGHT, imageMode.defaultValue) == 292);
static_assert(offsetof(NETSDK_PARAM_LIGHT, lightMode.value) == 568);
static_assert(offsetof(NETSDK_PARAM_LIGHT, lightMode.count) == 576);
static_assert(offsetof(NETSDK_PARAM_LIGHT, adjustSensitivity.defaultValue) == 1132);
static_assert(offsetof(NETSDK_PARAM_LIGHT, slot1400.value) == 1408);
static_assert(offsetof(NETSDK_PARAM_LIGHT, redDimming.value) == 2384);
static_assert(offsetof(NETSDK_PARAM_LIGHT, redBrightness.value) == 2664);
static_assert(offsetof(NETSDK_PARAM_LIGHT, warmDimming.value) == 3144);
static_assert(offsetof(NETSDK_PARAM_LIGHT, warmBrightness.value) == 3424);
static_assert(offsetof(NETSDK_PARAM_LIGHT, nightPeriod.ranges[0].value) == 3920);
static_assert(offsetof(NETSDK_PARAM_LIGHT, nightPeriod.ranges[1].value) == 4080);

constexpr uint32_t kOption = kOptionSlotHostBytes;
constexpr uint32_t kOptionWire = kOptionSlotWireBytes;
constexpr uint32_t kRange = kRangeSlotHostBytes;
constexpr uint32_t kRangeWire = kRangeSlotWireBytes;

constexpr FieldRule kLightReply[] = {
    optionSlot(0, 0).times(5, kOption, kOptionWire),  // sensor, modes, sensitivities
    shortSlot(1400, 740),
    rangeSlot(1416, 756).times(6, kRange, kRangeWire),
    optionSlot(2376, 1692),                              // red dimming
    rangeSlot(2656, 1840).times(3, kRange, kRangeWire),  // red brightness, two open
    optionSlot(3136, 2308),                              // warm dimming
    rangeSlot(3416, 2456).times(3, kRange, kRangeWire),  // warm brightness, two open
    timeSegment(3896, 2924),                             // night period
};
static_assert(rulesFit(kLightReply, 4552, 3564));

// The 25 value words, each from its host slot to its wire slot.
constexpr FieldRule kLightRequest[] = {
    slotValue(0, 0).times(5, kOption, kOptionWire),  // sensor, modes, sensitivities
    slotValue(1400, 740),
    slotValue(1416, 756).times(6, kRange, kRangeWire),
    slotValue(2376, 1692),                               // red dimming
    slotValue(2656, 1840).times(3, kRange, kRangeWire),  // red brightness, two open
    slotValue(3136, 2308),                               // warm dimming
    slotValue(3416, 2456).times(3, kRange, kRangeWire),  // warm brightness, two open
    slotValue(3896, 2924),                               // night period: head
    slotValue(3912, 2940).times(4, kRange, kRangeWire),  // start, end, two open
};
static_assert(rulesFit(kLightRequest, 4552, 3564));

// ---- Id 43: IR cut; only the polarity travels ------------------------------------------------

static_assert(sizeof(NETSDK_PARAM_IRCUT) == 16);
static_assert(offsetof(NETSDK_PARAM_IRCUT, polarity.value) == 8);
constexpr FieldRule kIrCutBoth[] = {slotValue(0, 0)};
static_assert(rulesFit(kIrCutBoth, 16, 16));

}  // namespace

const RecordRules kLightRules = {ruleSet(kLightReply), ruleSet(kLightRequest)};
const RecordRules kIrCutRules = {ruleSet(kIrCutBoth), ruleSet(kIrCutBoth)};

}  // namespace netsdk::param
