// Tables of the video encoder, OSD and wired network records (ids 32, 31 and 37).
#include <cstddef>

#include "netsdk.h"
#include "param/records.h"

namespace netsdk::param {
namespace {

// ---- Id 32: video encoder of one stream ------------------------------------------------------

static_assert(sizeof(NETSDK_SHORT_SLOT) == 16);
static_assert(sizeof(NETSDK_OPTION_SLOT) == 280);
static_assert(offsetof(NETSDK_OPTION_SLOT, count) == 16);
static_assert(offsetof(NETSDK_OPTION_SLOT, reserved) == 276);
static_assert(sizeof(NETSDK_RANGE_SLOT) == 160);
static_assert(offsetof(NETSDK_RANGE_SLOT, count) == 24);
static_assert(offsetof(NETSDK_RANGE_SLOT, reserved) == 156);
static_assert(sizeof(NETSDK_TIME_SEGMENT) == 656);

static_assert(sizeof(NETSDK_PARAM_VIDEO_ENCODE) == 1600);
static_assert(offsetof(NETSDK_PARAM_VIDEO_ENCODE, resolution.value) == 568);
static_assert(offsetof(NETSDK_PARAM_VIDEO_ENCODE, bitRate.value) == 1128);
static_assert(offsetof(NETSDK_PARAM_VIDEO_ENCODE, keyInterval.value) == 1448);

constexpr FieldRule kVideoEncodeReply[] = {
    optionSlot(0, 0).times(4, kOptionSlotHostBytes, kOptionSlotWireBytes),
    rangeSlot(1120, 592).times(3, kRangeSlotHostBytes, kRangeSlotWireBytes),
};
static_assert(rulesFit(kVideoEncodeReply, 1600, 1060));
constexpr FieldRule kVideoEncodeRequest[] = {
    slotValue(0, 0).times(4, kOptionSlotHostBytes, kOptionSlotWireBytes),
    slotValue(1120, 592).times(3, kRangeSlotHostBytes, kRangeSlotWireBytes),
};
static_assert(rulesFit(kVideoEncodeRequest, 1600, 1060));

// ---- Id 31: OSD -------------------------------------------------------------------------

static_assert(sizeof(NETSDK_OSD_TITLE) == 1080);
static_assert(sizeof(NETSDK_PARAM_OSD) == 5864);
static_assert(offsetof(NETSDK_PARAM_OSD, titles[0].shown.value) == 288);
static_assert(offsetof(NETSDK_PARAM_OSD, titles[0].x.value) == 304);
static_assert(offsetof(NETSDK_PARAM_OSD, titles[0].y.value) == 464);
static_assert(offsetof(NETSDK_PARAM_OSD, titles[0].slot336.value) == 624);
static_assert(offsetof(NETSDK_PARAM_OSD, titles[0].slot496.value) == 784);
static_assert(offsetof(NETSDK_PARAM_OSD, titles[0].slot656.value) == 944);
static_assert(offsetof(NETSDK_PARAM_OSD, titles[0].text) == 960);
static_assert(offsetof(NETSDK_PARAM_OSD, titles[3].text) == 960 + 3 * 1080);
static_assert(offsetof(NETSDK_PARAM_OSD, dateTimeShown.value) == 4608);
static_assert(offsetof(NETSDK_PARAM_OSD, dateTimeX.value) == 4624);
static_assert(offsetof(NETSDK_PARAM_OSD, dateTimeY.value) == 4784);
static_assert(offsetof(NETSDK_PARAM_OSD, weekdayShown.value) == 5264);
static_assert(offsetof(NETSDK_PARAM_OSD, weekdayStyle.value) == 5280);
static_assert(offsetof(NETSDK_PARAM_OSD, clockFormat.value) == 5296);
static_assert(offsetof(NETSDK_PARAM_OSD, dateFormat.value) == 5312);
static_assert(offsetof(NETSDK_PARAM_OSD, slot5584.value) == 5592);

// Title k starts at host 280 + 1080k and wire 148 + 1060k: a short slot, four range slots,
// a short slot and the text.
constexpr uint32_t kTitleHost = 1080;
constexpr uint32_t kTitleWire = 1060;
constexpr FieldRule kOsdReply[] = {
    optionSlot(0, 0),
    shortSlot(280, 148).times(4, kTitleHost, kTitleWire),
    rangeSlot(296, 164).times(4, kTitleHost, kTitleWire),
    rangeSlot(456, 320).times(4, kTitleHost, kTitleWire),
    rangeSlot(616, 476).times(4, kTitleHost, kTitleWire),
    rangeSlot(776, 632).times(4, kTitleHost, kTitleWire),
    shortSlot(936, 788).times(4, kTitleHost, kTitleWire),
    text(960, 812, 129).times(4, kTitleHost, kTitleWire),
    shortSlot(4600, 4388),
    rangeSlot(4616, 4404).times(4, kRangeSlotHostBytes, kRangeSlotWireBytes),
    shortSlot(5256, 5028).times(3, kShortSlotBytes, kShortSlotBytes),
    optionSlot(5304, 5076).times(2, kOptionSlotHostBytes, kOptionSlotWireBytes),
};
static_assert(rulesFit(kOsdReply, 5864, 5372));

constexpr FieldRule kOsdRequest[] = {
    slotValue(280, 148).times(4, kTitleHost, kTitleWire),  // shown
    slotValue(296, 164).times(4, kTitleHost, kTitleWire),  // x
    slotValue(456, 320).times(4, kTitleHost, kTitleWire),  // y
    slotValue(616, 476).times(4, kTitleHost, kTitleWire),
    slotValue(776, 632).times(4, kTitleHost, kTitleWire),
    slotValue(936, 788).times(4, kTitleHost, kTitleWire),
    text(960, 812, 129).times(4, kTitleHost, kTitleWire),
    slotValue(4600, 4388),                                                       // shown
    slotValue(4616, 4404).times(4, kRangeSlotHostBytes, kRangeSlotWireBytes),    // x, y, ...
    slotValue(5256, 5028).times(3, kShortSlotBytes, kShortSlotBytes),            // weekday, clock
    slotValue(5304, 5076).times(2, kOptionSlotHostBytes, kOptionSlotWireBytes),  // date
};
static_assert(rulesFit(kOsdRequest, 5864, 5372));

// ---- Id 37: wired network ----------------------------------------------------------------

static_assert(sizeof(NETSDK_NETWORK_ENTRY) == 176);
static_assert(sizeof(NETSDK_PARAM_NETWORK) == 3652);
static_assert(offsetof(NETSDK_PARAM_NETWORK, text137) == 137);
static_assert(offsetof(NETSDK_PARAM_NETWORK, word268) == 268);
static_assert(offsetof(NETSDK_PARAM_NETWORK, word408) == 408);
static_assert(offsetof(NETSDK_PARAM_NETWORK, text545) == 545);
static_assert(offsetof(NETSDK_PARAM_NETWORK, word676) == 676);
static_assert(offsetof(NETSDK_PARAM_NETWORK, word816) == 816);
static_assert(offsetof(NETSDK_PARAM_NETWORK, dhcp) == 824);
static_assert(offsetof(NETSDK_PARAM_NETWORK, mac) == 840);
static_assert(offsetof(NETSDK_PARAM_NETWORK, ip.address) == 856);
static_assert(offsetof(NETSDK_PARAM_NETWORK, mask.address) == 868);
static_assert(offsetof(NETSDK_PARAM_NETWORK, gateway.address) == 880);
static_assert(offsetof(NETSDK_PARAM_NETWORK, slot896) == 896);
static_assert(offsetof(NETSDK_PARAM_NETWORK, text1176) == 1176);
static_assert(offsetof(NETSDK_PARAM_NETWORK, word1240) == 1240);
static_assert(offsetof(NETSDK_PARAM_NETWORK, slot1244.count) == 1260);
static_assert(offsetof(NETSDK_PARAM_NETWORK, word2232) == 2232);
static_assert(offsetof(NETSDK_PARAM_NETWORK, entries[1].slot) == 2240 + 176 + 16);
static_assert(offsetof(NETSDK_PARAM_NETWORK, word3648) == 3648);

constexpr uint32_t kEntryHost = 176;
constexpr uint32_t kEntryWire = 172;
// The option slot at host 1244 has no known wire place: it stays zero.
constexpr FieldRule kNetworkReply[] = {
    bytes(0, 0, 8),
    text(8, 8, 129),
    text(137, 137, 129),
    word(268, 268),
    bytes(408, 404, 8),
    text(416, 412, 129),
    text(545, 541, 129),
    word(676, 672),
    bytes(816, 808, 24),  // six words, the DHCP flag among them
    bytes(840, 832, 6),   // MAC address
    bytes(848, 840, 48),  // address, mask, gateway and a fourth entry
    optionSlot(896, 888),
    text(1176, 1036, 32),
    text(1208, 1068, 32),
    word(1240, 1100),
    bytes(2232, 1684, 8),
    bytes(2240, 1692, 14).times(8, kEntryHost, kEntryWire),
    rangeSlot(2256, 1708).times(8, kEntryHost, kEntryWire),
    word(3648, 3068),
};
static_assert(rulesFit(kNetworkReply, 3652, 3072));

// A write never sends the MAC address.
constexpr FieldRule kNetworkRequest[] = {
    word(824, 816),       // DHCP
    bytes(848, 840, 36),  // address, mask and gateway entries, whole
};
static_assert(rulesFit(kNetworkRequest, 3652, 3072));

}  // namespace

const RecordRules kVideoEncodeRules = {ruleSet(kVideoEncodeReply), ruleSet(kVideoEncodeRequest)};
const RecordRules kOsdRules = {ruleSet(kOsdReply), ruleSet(kOsdRequest)};
const RecordRules kNetworkRules = {ruleSet(kNetworkReply), ruleSet(kNetworkRequest)};

}  // namespace netsdk::param
