// The conversion tables of the parameter records, one RecordRules per record. The id table
// (param_table.cpp) points at them; a record without tables cannot be converted yet.
#pragma once

#include "param/field_rules.h"

namespace netsdk::param {

// Device, clock, maintenance and the small records.
extern const RecordRules kDeviceRules;
extern const RecordRules kTimeRules;
extern const RecordRules kMaintainRules;
extern const RecordRules kId23Rules;
extern const RecordRules kId24Rules;
extern const RecordRules kDnsRules;
extern const RecordRules kIpAdaptionRules;
extern const RecordRules kAlarmLinkageRules;
extern const RecordRules kUsersRules;

// Video encoding, OSD and the wired network.
extern const RecordRules kVideoEncodeRules;
extern const RecordRules kOsdRules;
extern const RecordRules kNetworkRules;

// Fill light and IR cut.
extern const RecordRules kLightRules;
extern const RecordRules kIrCutRules;

// Human, motion and cover detection.
extern const RecordRules kHumanoidRules;
extern const RecordRules kRoiRules;
extern const RecordRules kArmingRules;
extern const RecordRules kMotionRules;
extern const RecordRules kCoverDetectRules;

// GB/T 28181 registration and privacy masks.
extern const RecordRules kGb28181Rules;
extern const RecordRules kPrivacyMaskRules;

// Image sensor and audio.
extern const RecordRules kVideoCaptureRules;
extern const RecordRules kAudioCaptureRules;
extern const RecordRules kAudioCodecRules;

}  // namespace netsdk::param
