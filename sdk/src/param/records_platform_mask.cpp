// Tables of the GB/T 28181 registration record (id 39) and the privacy-mask record (id 30).
#include <cstddef>

#include "netsdk.h"
#include "param/records.h"

namespace netsdk::param {
namespace {

// ---- Id 39: GB/T 28181; one layout for host and wire ------------------------------------------

static_assert(sizeof(NETSDK_PARAM_GB28181) == 3304);
static_assert(offsetof(NETSDK_PARAM_GB28181, enabled) == 8);
static_assert(offsetof(NETSDK_PARAM_GB28181, serverAddress) == 16);
static_assert(offsetof(NETSDK_PARAM_GB28181, serverPort) == 48);
static_assert(offsetof(NETSDK_PARAM_GB28181, serverDomain) == 84);
static_assert(offsetof(NETSDK_PARAM_GB28181, registrationSeconds) == 116);
static_assert(offsetof(NETSDK_PARAM_GB28181, userName) == 128);
static_assert(offsetof(NETSDK_PARAM_GB28181, localPort) == 224);
static_assert(offsetof(NETSDK_PARAM_GB28181, videoChannelIds) == 232);
static_assert(offsetof(NETSDK_PARAM_GB28181, audioOutputIds) == 1256);
static_assert(offsetof(NETSDK_PARAM_GB28181, alarmIds) == 2280);

constexpr uint32_t kIdText = 32;

constexpr FieldRule kGb28181Reply[] = {
    bytes(0, 0, 16),  // two open words, enabled, an open word
    text(16, 16, kIdText),
    word(48, 48),
    text(52, 52, kIdText),
    text(84, 84, kIdText),
    bytes(116, 116, 12),                                  // validity, heartbeat period and misses
    text(128, 128, kIdText).times(3, kIdText, kIdText),   // user, authentication id, password
    bytes(224, 224, 8),                                   // local port, stream
    text(232, 232, kIdText).times(96, kIdText, kIdText),  // video, audio and alarm ids
};
static_assert(rulesFit(kGb28181Reply, 3304, 3304));

// The same fields without the three open words.
constexpr FieldRule kGb28181Request[] = {
    word(8, 8),
    text(16, 16, kIdText),
    word(48, 48),
    text(52, 52, kIdText),
    text(84, 84, kIdText),
    bytes(116, 116, 12),
    text(128, 128, kIdText).times(3, kIdText, kIdText),
    bytes(224, 224, 8),
    text(232, 232, kIdText).times(96, kIdText, kIdText),
};
static_assert(rulesFit(kGb28181Request, 3304, 3304));

// ---- Id 30: four privacy masks, each a short slot and five range slots -----------------------

static_assert(sizeof(NETSDK_PRIVACY_MASK) == 816);
static_assert(sizeof(NETSDK_PARAM_PRIVACY_MASK) == 3264);
static_assert(offsetof(NETSDK_PRIVACY_MASK, width.value) == 504);
static_assert(offsetof(NETSDK_PRIVACY_MASK, height.value) == 664);

constexpr uint32_t kMaskHost = 816;
constexpr uint32_t kMaskWire = 796;
constexpr FieldRule kMaskReply[] = {
    shortSlot(0, 0).times(4, kMaskHost, kMaskWire),
    rangeSlot(16, 16)
        .times(5, kRangeSlotHostBytes, kRangeSlotWireBytes)
        .inEach(4, kMaskHost, kMaskWire),
};
static_assert(rulesFit(kMaskReply, 3264, 3184));
constexpr FieldRule kMaskRequest[] = {
    slotValue(0, 0).times(4, kMaskHost, kMaskWire),
    slotValue(16, 16)  // state, x, y, width, height
        .times(5, kRangeSlotHostBytes, kRangeSlotWireBytes)
        .inEach(4, kMaskHost, kMaskWire),
};
static_assert(rulesFit(kMaskRequest, 3264, 3184));

}  // namespace

const RecordRules kGb28181Rules = {ruleSet(kGb28181Reply), ruleSet(kGb28181Request)};
const RecordRules kPrivacyMaskRules = {ruleSet(kMaskReply), ruleSet(kMaskRequest)};

}  // namespace netsdk::param
