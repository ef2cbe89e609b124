// Tables of the device, clock, maintenance, DNS, IP-adaption, alarm-linkage, user and the
// two unused records (ids 20 to 24, 38, 40, 41, 42).
#include <cstddef>

#include "netsdk.h"
#include "param/records.h"

namespace netsdk::param {
namespace {

// ---- Id 20: device (read only; host and wire share one layout) ------------------------------

static_assert(sizeof(NETSDK_PARAM_DEVICE) == 1552);
static_assert(offsetof(NETSDK_PARAM_DEVICE, hardwareVersion) == 4);
static_assert(offsetof(NETSDK_PARAM_DEVICE, text36) == 36);
static_assert(offsetof(NETSDK_PARAM_DEVICE, deviceVersion) == 52);
static_assert(offsetof(NETSDK_PARAM_DEVICE, buildTime) == 84);
static_assert(offsetof(NETSDK_PARAM_DEVICE, serialNumber) == 116);
static_assert(offsetof(NETSDK_PARAM_DEVICE, productId) == 180);
static_assert(offsetof(NETSDK_PARAM_DEVICE, words244) == 244);
static_assert(offsetof(NETSDK_PARAM_DEVICE, entries) == 264);
static_assert(offsetof(NETSDK_PARAM_DEVICE, reserved) == 1544);

constexpr FieldRule kDeviceReply[] = {
    word(0, 0),         text(4, 4, 32),      text(36, 36, 16),
    text(52, 52, 32),   text(84, 84, 32),    text(116, 116, 64),
    text(180, 180, 64), bytes(244, 244, 20), bytes(264, 264, 1280),
};
static_assert(rulesFit(kDeviceReply, 1552, 1552));

// ---- Id 21: clock -----------------------------------------------------------------------

static_assert(sizeof(NETSDK_PARAM_TIME) == 1024);
static_assert(offsetof(NETSDK_PARAM_TIME, manualTime) == 280);
static_assert(offsetof(NETSDK_PARAM_TIME, timeZone) == 284);
static_assert(offsetof(NETSDK_PARAM_TIME, ntpEnabled) == 288);
static_assert(offsetof(NETSDK_PARAM_TIME, ntpServer) == 304);
static_assert(offsetof(NETSDK_PARAM_TIME, secondServer) == 433);
static_assert(offsetof(NETSDK_PARAM_TIME, word564) == 564);
static_assert(offsetof(NETSDK_PARAM_TIME, ntpPort) == 704);
static_assert(offsetof(NETSDK_PARAM_TIME, ntpPeriod) == 864);

// The mode (the option slot's value) decides which fields travel.
constexpr uint32_t kTimeMode = 8;
constexpr int32_t kModeNtp = 0;
constexpr int32_t kModeManual = 1;

constexpr FieldRule kTimeReply[] = {
    optionSlot(0, 0),
    word(280, 148).when(kTimeMode, kModeNtp),
    word(284, 152).when(kTimeMode, kModeNtp),
    word(288, 156).when(kTimeMode, kModeNtp),
    bytes(292, 160, 12).when(kTimeMode, kModeNtp),
    text(304, 172, 129).when(kTimeMode, kModeNtp),
    text(433, 301, 129).when(kTimeMode, kModeNtp),
    word(564, 432).when(kTimeMode, kModeNtp),
    rangeSlot(704, 568).when(kTimeMode, kModeNtp),
    rangeSlot(864, 724).when(kTimeMode, kModeNtp),
    word(280, 148).when(kTimeMode, kModeManual),
    word(284, 152).when(kTimeMode, kModeManual),
};
static_assert(rulesFit(kTimeReply, 1024, 880));

constexpr FieldRule kTimeRequest[] = {
    slotValue(0, 0),
    constantWord(156, 1).when(kTimeMode, kModeNtp),
    text(304, 172, 129).when(kTimeMode, kModeNtp),
    slotValue(704, 568).when(kTimeMode, kModeNtp),
    slotValue(864, 724).when(kTimeMode, kModeNtp),
    word(280, 148).when(kTimeMode, kModeManual),
    word(284, 152).when(kTimeMode, kModeManual),
};
static_assert(rulesFit(kTimeRequest, 1024, 880));

// ---- Id 22: maintenance -------------------------------------------------------------------

static_assert(sizeof(NETSDK_PARAM_MAINTAIN) == 300);
static_assert(offsetof(NETSDK_PARAM_MAINTAIN, rebootDay) == 16);
static_assert(offsetof(NETSDK_PARAM_MAINTAIN, rebootTime) == 296);

constexpr FieldRule kMaintainReply[] = {shortSlot(0, 0), optionSlot(16, 16), word(296, 164)};
static_assert(rulesFit(kMaintainReply, 300, 168));
constexpr FieldRule kMaintainRequest[] = {slotValue(0, 0), slotValue(16, 16), word(296, 164)};
static_assert(rulesFit(kMaintainRequest, 300, 168));

// ---- Id 23 (read only): the arming layout of four tasks ------------------------------------

static_assert(sizeof(NETSDK_ARMING_TASK) == 1272);
static_assert(sizeof(NETSDK_PARAM_ID23) == 5088);
static_assert(offsetof(NETSDK_ARMING_TASK, repeatMode) == 16);
static_assert(offsetof(NETSDK_ARMING_TASK, region) == 176);
static_assert(offsetof(NETSDK_ARMING_TASK, alarmTone) == 336);
static_assert(offsetof(NETSDK_ARMING_TASK, window) == 616);

constexpr uint32_t kTaskHost = 1272;
constexpr uint32_t kTaskWire = 1116;
constexpr FieldRule kArmingReply[] = {
    shortSlot(0, 0).times(4, kTaskHost, kTaskWire),
    rangeSlot(16, 16).times(4, kTaskHost, kTaskWire),
    rangeSlot(176, 172).times(4, kTaskHost, kTaskWire),
    optionSlot(336, 328).times(4, kTaskHost, kTaskWire),
    timeSegment(616, 476).times(4, kTaskHost, kTaskWire),
};
static_assert(rulesFit(kArmingReply, 5088, 4464));

// ---- Id 24 (read only): copied as is ---------------------------------------------------------

static_assert(sizeof(NETSDK_PARAM_ID24) == 48);
constexpr FieldRule kId24Reply[] = {bytes(0, 0, 48)};
static_assert(rulesFit(kId24Reply, 48, 48));

// ---- Id 38: DNS, copied as is both ways ----------------------------------------------------

static_assert(sizeof(NETSDK_ADDRESS_ENTRY) == 12);
static_assert(sizeof(NETSDK_PARAM_DNS) == 24);
static_assert(offsetof(NETSDK_PARAM_DNS, primary.address) == 8);
static_assert(offsetof(NETSDK_PARAM_DNS, secondary.address) == 20);
constexpr FieldRule kDnsBoth[] = {bytes(0, 0, 24)};
static_assert(rulesFit(kDnsBoth, 24, 24));

// ---- Id 40: IP self-adaption ---------------------------------------------------------------

static_assert(sizeof(NETSDK_PARAM_IP_ADAPTION) == 20);
static_assert(offsetof(NETSDK_PARAM_IP_ADAPTION, word16) == 16);
constexpr FieldRule kIpAdaptionReply[] = {bytes(0, 0, 20)};
static_assert(rulesFit(kIpAdaptionReply, 20, 20));
constexpr FieldRule kIpAdaptionRequest[] = {slotValue(0, 0)};
static_assert(rulesFit(kIpAdaptionRequest, 20, 20));

// ---- Id 41: alarm linkage ------------------------------------------------------------------

static_assert(sizeof(NETSDK_PARAM_ALARM_LINKAGE) == 64);
static_assert(offsetof(NETSDK_PARAM_ALARM_LINKAGE, toneOnAlarm.value) == 24);
static_assert(offsetof(NETSDK_PARAM_ALARM_LINKAGE, lightsOnAlarm.value) == 56);
constexpr FieldRule kAlarmLinkageReply[] = {bytes(0, 0, 64)};
static_assert(rulesFit(kAlarmLinkageReply, 64, 64));
constexpr FieldRule kAlarmLinkageRequest[] = {slotValue(0, 0).times(4, 16, 16)};
static_assert(rulesFit(kAlarmLinkageRequest, 64, 64));

// ---- Id 42: users (one layout; a read brings no action and no passwords) -------------------

static_assert(sizeof(NETSDK_USER_ENTRY) == 72);
static_assert(sizeof(NETSDK_PARAM_USERS) == 724);
static_assert(offsetof(NETSDK_PARAM_USERS, users[1].name) == 76);
static_assert(offsetof(NETSDK_PARAM_USERS, users[0].password) == 36);
static_assert(offsetof(NETSDK_PARAM_USERS, users[0].flag) == 68);
static_assert(offsetof(NETSDK_PARAM_USERS, users[0].level) == 72);

constexpr uint32_t kUserStride = 72;
constexpr FieldRule kUsersReply[] = {
    text(4, 4, 32).times(10, kUserStride, kUserStride),
    bytes(68, 68, 8).times(10, kUserStride, kUserStride),  // flag and level
};
static_assert(rulesFit(kUsersReply, 724, 724));
constexpr FieldRule kUsersRequest[] = {
    word(0, 0),
    text(4, 4, 32).times(10, kUserStride, kUserStride),
    text(36, 36, 32).times(10, kUserStride, kUserStride),
    bytes(68, 68, 8).times(10, kUserStride, kUserStride),
};
static_assert(rulesFit(kUsersRequest, 724, 724));

}  // namespace

const RecordRules kDeviceRules = {ruleSet(kDeviceReply), {}};
const RecordRules kTimeRules = {ruleSet(kTimeReply), ruleSet(kTimeRequest)};
const RecordRules kMaintainRules = {ruleSet(kMaintainReply), ruleSet(kMaintainRequest)};
const RecordRules kId23Rules = {ruleSet(kArmingReply), {}};
const RecordRules kId24Rules = {ruleSet(kId24Reply), {}};
const RecordRules kDnsRules = {ruleSet(kDnsBoth), ruleSet(kDnsBoth)};
const RecordRules kIpAdaptionRules = {ruleSet(kIpAdaptionReply), ruleSet(kIpAdaptionRequest)};
const RecordRules kAlarmLinkageRules = {ruleSet(kAlarmLinkageReply), ruleSet(kAlarmLinkageRequest)};
const RecordRules kUsersRules = {ruleSet(kUsersReply), ruleSet(kUsersRequest)};

}  // namespace netsdk::param
