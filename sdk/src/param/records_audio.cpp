// Tables of the audio capture, encoder and decoder records (ids 34, 35 and 36).
#include <cstddef>

#include "netsdk.h"
#include "param/records.h"

namespace netsdk::param {
namespace {

// ---- Id 34: audio capture ------------------------------------------------------------------

static_assert(sizeof(NETSDK_PARAM_AUDIO_CAPTURE) == 920);
static_assert(offsetof(NETSDK_PARAM_AUDIO_CAPTURE, playbackVolume.value) == 488);
static_assert(offsetof(NETSDK_PARAM_AUDIO_CAPTURE, input.value) == 648);

constexpr FieldRule kCaptureReply[] = {
    rangeSlot(0, 0).times(4, kRangeSlotHostBytes, kRangeSlotWireBytes),  // rate, bits, volumes
    optionSlot(640, 624),                                                // input
};
static_assert(rulesFit(kCaptureReply, 920, 772));
constexpr FieldRule kCaptureRequest[] = {
    slotValue(0, 0).times(4, kRangeSlotHostBytes, kRangeSlotWireBytes),
    slotValue(640, 624),
};
static_assert(rulesFit(kCaptureRequest, 920, 772));

// ---- Ids 35 and 36: encoder and decoder share one layout ---------------------------------

static_assert(sizeof(NETSDK_PARAM_AUDIO_CODEC) == 296);
static_assert(offsetof(NETSDK_PARAM_AUDIO_CODEC, codec.value) == 24);

constexpr FieldRule kCodecReply[] = {shortSlot(0, 0), optionSlot(16, 16)};
static_assert(rulesFit(kCodecReply, 296, 164));
constexpr FieldRule kCodecRequest[] = {slotValue(0, 0), slotValue(16, 16)};
static_assert(rulesFit(kCodecRequest, 296, 164));

}  // namespace

const RecordRules kAudioCaptureRules = {ruleSet(kCaptureReply), ruleSet(kCaptureRequest)};
const RecordRules kAudioCodecRules = {ruleSet(kCodecReply), ruleSet(kCodecRequest)};

}  // namespace netsdk::param
