#include "param/param_table.h"

#include "netsdk.h"
#include "param/records.h"

namespace netsdk::param {
namespace {

struct Flags {
    bool get, set;
};
constexpr Flags kGetOnly{true, false};
constexpr Flags kGetSet{true, true};

constexpr ParamEntry block(int id, uint32_t hostSize, uint32_t wireSize, int command, Flags flags,
                           const RecordRules* rules) {
    return ParamEntry{id,        command, hostSize, wireSize, flags.get,
                      flags.set, false,   false,    false,    rules};
}

constexpr ParamEntry bodiless(int id) {
    return ParamEntry{id, -1, 4, 0, false, true, true, false, false, nullptr};
}

constexpr ParamEntry withGetChannelZero(ParamEntry entry) {
    entry.getChannelZero = true;
    return entry;
}

constexpr ParamEntry withReplyChannelChecked(ParamEntry entry) {
    entry.replyChannelChecked = true;
    return entry;
}

// Ids 25 to 30, 33 to 36, 39, 43 and 44 have their sizes here and get their conversion
// tables with their records.
constexpr ParamEntry kParams[] = {
    bodiless(NETSDK_PARAM_ID_FACTORY_RESET),
    bodiless(NETSDK_PARAM_ID_REBOOT),
    bodiless(NETSDK_PARAM_ID_ALARM_TONE),
    withGetChannelZero(block(20, sizeof(NETSDK_PARAM_DEVICE), 1552, 0, kGetOnly, &kDeviceRules)),
    block(21, sizeof(NETSDK_PARAM_TIME), 880, 12, kGetSet, &kTimeRules),
    block(22, sizeof(NETSDK_PARAM_MAINTAIN), 168, 15, kGetSet, &kMaintainRules),
    block(23, sizeof(NETSDK_PARAM_ID23), 4464, 18, kGetOnly, &kId23Rules),
    block(24, sizeof(NETSDK_PARAM_ID24), 48, 19, kGetOnly, &kId24Rules),
    block(25, 4552, 3564, 20, kGetSet, nullptr),
    withGetChannelZero(block(26, 176, 172, 9, kGetSet, nullptr)),
    withGetChannelZero(block(27, 12224, 11920, 10, kGetSet, nullptr)),
    withGetChannelZero(block(28, sizeof(NETSDK_PARAM_ARMING), 4464, 11, kGetSet, nullptr)),
    block(29, 4792, 4696, 13, kGetSet, nullptr),
    block(30, 3264, 3184, 4, kGetSet, nullptr),
    block(31, sizeof(NETSDK_PARAM_OSD), 5372, 5, kGetSet, &kOsdRules),
    withReplyChannelChecked(
        block(32, sizeof(NETSDK_PARAM_VIDEO_ENCODE), 1060, 3, kGetSet, &kVideoEncodeRules)),
    block(33, 3600, 3016, 21, kGetSet, nullptr),
    block(34, 920, 772, 1, kGetSet, nullptr),
    block(35, 296, 164, 2, kGetSet, nullptr),
    block(36, 296, 164, 23, kGetSet, nullptr),
    block(37, sizeof(NETSDK_PARAM_NETWORK), 3072, 6, kGetSet, &kNetworkRules),
    block(38, sizeof(NETSDK_PARAM_DNS), 24, 7, kGetSet, &kDnsRules),
    block(39, 3304, 3304, 22, kGetSet, nullptr),
    block(40, sizeof(NETSDK_PARAM_IP_ADAPTION), 20, 8, kGetSet, &kIpAdaptionRules),
    block(41, sizeof(NETSDK_PARAM_ALARM_LINKAGE), 64, 17, kGetSet, &kAlarmLinkageRules),
    block(42, sizeof(NETSDK_PARAM_USERS), 724, 14, kGetSet, &kUsersRules),
    block(43, 16, 16, 24, kGetSet, nullptr),
    block(44, 3664, 3576, 25, kGetSet, nullptr),
};

constexpr bool largestHostRecordHolds() {
    for (const ParamEntry& entry : kParams) {
        if (entry.hostSize > kLargestHostRecord) {
            return false;
        }
    }
    return true;
}
static_assert(largestHostRecordHolds());

}  // namespace

const ParamEntry* findParamById(int id) {
    for (const ParamEntry& entry : kParams) {
        if (entry.id == id) {
            return &entry;
        }
    }
    return nullptr;
}

const ParamEntry* findParamByCommand(int command) {
    for (const ParamEntry& entry : kParams) {
        if (!entry.bodiless && entry.command == command) {
            return &entry;
        }
    }
    return nullptr;
}

}  // namespace netsdk::param
