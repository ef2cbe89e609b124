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

constexpr ParamEntry kParams[] = {
    bodiless(NETSDK_PARAM_ID_FACTORY_RESET),
    bodiless(NETSDK_PARAM_ID_REBOOT),
    bodiless(NETSDK_PARAM_ID_ALARM_TONE),
    withGetChannelZero(block(20, sizeof(NETSDK_PARAM_DEVICE), 1552, 0, kGetOnly, &kDeviceRules)),
    block(21, sizeof(NETSDK_PARAM_TIME), 880, 12, kGetSet, &kTimeRules),
    block(22, sizeof(NETSDK_PARAM_MAINTAIN), 168, 15, kGetSet, &kMaintainRules),
    block(23, sizeof(NETSDK_PARAM_ID23), 4464, 18, kGetOnly, &kId23Rules),
    block(24, sizeof(NETSDK_PARAM_ID24), 48, 19, kGetOnly, &kId24Rules),
    block(25, sizeof(NETSDK_PARAM_LIGHT), 3564, 20, kGetSet, &kLightRules),
    withGetChannelZero(block(26, sizeof(NETSDK_PARAM_HUMANOID), 172, 9, kGetSet, &kHumanoidRules)),
    withGetChannelZero(block(27, sizeof(NETSDK_PARAM_ROI), 11920, 10, kGetSet, &kRoiRules)),
    withGetChannelZero(block(28, sizeof(NETSDK_PARAM_ARMING), 4464, 11, kGetSet, &kArmingRules)),
    block(29, sizeof(NETSDK_PARAM_MOTION), 4696, 13, kGetSet, &kMotionRules),
    block(30, sizeof(NETSDK_PARAM_PRIVACY_MASK), 3184, 4, kGetSet, &kPrivacyMaskRules),
    block(31, sizeof(NETSDK_PARAM_OSD), 5372, 5, kGetSet, &kOsdRules),
    withReplyChannelChecked(
        block(32, sizeof(NETSDK_PARAM_VIDEO_ENCODE), 1060, 3, kGetSet, &kVideoEncodeRules)),
    block(33, sizeof(NETSDK_PARAM_VIDEO_CAPTURE), 3016, 21, kGetSet, &kVideoCaptureRules),
    block(34, sizeof(NETSDK_PARAM_AUDIO_CAPTURE), 772, 1, kGetSet, &kAudioCaptureRules),
    block(35, sizeof(NETSDK_PARAM_AUDIO_ENCODE), 164, 2, kGetSet, &kAudioCodecRules),
    block(36, sizeof(NETSDK_PARAM_AUDIO_DECODE), 164, 23, kGetSet, &kAudioCodecRules),
    block(37, sizeof(NETSDK_PARAM_NETWORK), 3072, 6, kGetSet, &kNetworkRules),
    block(38, sizeof(NETSDK_PARAM_DNS), 24, 7, kGetSet, &kDnsRules),
    block(39, sizeof(NETSDK_PARAM_GB28181), 3304, 22, kGetSet, &kGb28181Rules),
    block(40, sizeof(NETSDK_PARAM_IP_ADAPTION), 20, 8, kGetSet, &kIpAdaptionRules),
    block(41, sizeof(NETSDK_PARAM_ALARM_LINKAGE), 64, 17, kGetSet, &kAlarmLinkageRules),
    block(42, sizeof(NETSDK_PARAM_USERS), 724, 14, kGetSet, &kUsersRules),
    block(43, sizeof(NETSDK_PARAM_IRCUT), 16, 24, kGetSet, &kIrCutRules),
    block(44, sizeof(NETSDK_PARAM_COVER_DETECT), 3576, 25, kGetSet, &kCoverDetectRules),
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
