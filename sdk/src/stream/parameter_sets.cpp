#include "stream/parameter_sets.h"

#include <cstring>

namespace netsdk::stream {
namespace {

enum class NalRole { kVps, kSps, kPps, kIdr, kOther, kEndOfScan };

// One NAL unit of the payload: where its start code begins and where its header byte is.
struct NalUnit {
    size_t start;
    size_t header;
};

// Finds the next start code 00 00 01 at or after from whose header byte lies inside the
// payload; a zero byte just before it belongs to the start code (the four-byte form).
bool findNalUnit(const uint8_t* payload, size_t length, size_t from, NalUnit& unit) {
    for (size_t position = from; position + 3 < length; ++position) {
        if (payload[position] == 0 && payload[position + 1] == 0 && payload[position + 2] == 1) {
            const bool longForm = position > from && payload[position - 1] == 0;
            unit = {longForm ? position - 1 : position, position + 3};
            return true;
        }
    }
    return false;
}

NalRole h264Role(const uint8_t* payload, size_t /*length*/, size_t header) {
    switch (payload[header] & 0x1F) {
        case 5:
            return NalRole::kIdr;
        case 7:
            return NalRole::kSps;
        case 8:
            return NalRole::kPps;
        default:
            return NalRole::kOther;
    }
}

NalRole h265Role(const uint8_t* payload, size_t length, size_t header) {
    // A forbidden bit or a nonzero layer id means this is no base-layer unit we understand.
    const uint8_t first = payload[header];
    if ((first & 0x81) != 0 || header + 1 >= length || (payload[header + 1] & 0xF8) != 0) {
        return NalRole::kEndOfScan;
    }
    switch ((first >> 1) & 0x3F) {
        // Every picture a decoder can start on takes the sets: IDR_W_RADL, IDR_N_LP and CRA.
        case 19:
        case 20:
        case 21:
            return NalRole::kIdr;
        case 32:
            return NalRole::kVps;
        case 33:
            return NalRole::kSps;
        case 34:
            return NalRole::kPps;
        default:
            return NalRole::kOther;
    }
}

// Where one set lies in the payload; length 0 when the frame does not carry it.
struct Span {
    size_t start = 0;
    size_t length = 0;
};

void store(const uint8_t* payload, const Span& span, ParameterSet& slot) {
    if (span.length == 0) {
        return;
    }
    if (span.length > sizeof slot.bytes) {
        slot.length = 0;  // a cut set would only mislead the decoder
        return;
    }
    std::memcpy(slot.bytes, payload + span.start, span.length);
    slot.length = static_cast<uint32_t>(span.length);
}

void copySlot(const ParameterSet& from, uint8_t* bytes, uint32_t& length) {
    length = from.length;
    std::memcpy(bytes, from.bytes, from.length);
}

}  // namespace

bool updateParameterSets(uint32_t codec, const uint8_t* payload, size_t length,
                         ParameterSets& sets) {
    const bool h265 = codec == NETSDK_CODEC_H265;
    if ((codec != NETSDK_CODEC_H264 && !h265) || payload == nullptr) {
        return false;
    }
    Span vps, sps, pps;
    Span* open = nullptr;  // the set whose end is the next start code
    NalUnit unit{};
    size_t from = 0;
    while (findNalUnit(payload, length, from, unit)) {
        if (open != nullptr) {
            open->length = unit.start - open->start;
            open = nullptr;
        }
        const NalRole role =
            h265 ? h265Role(payload, length, unit.header) : h264Role(payload, length, unit.header);
        if (role == NalRole::kEndOfScan) {
            return false;
        }
        if (role == NalRole::kIdr) {
            store(payload, vps, sets.vps);
            store(payload, sps, sets.sps);
            store(payload, pps, sets.pps);
            if (!h265) {
                sets.vps.length = 0;
            }
            return true;
        }
        Span* span = role == NalRole::kVps   ? &vps
                     : role == NalRole::kSps ? &sps
                     : role == NalRole::kPps ? &pps
                                             : nullptr;
        if (span != nullptr) {
            *span = {unit.start, 0};
            open = span;
        }
        from = unit.header;
    }
    return false;
}

void copyParameterSets(const ParameterSets& sets, NETSDK_FRAME_INFO& frameHeader) {
    copySlot(sets.vps, frameHeader.vps, frameHeader.vpsLength);
    copySlot(sets.sps, frameHeader.sps, frameHeader.spsLength);
    copySlot(sets.pps, frameHeader.pps, frameHeader.ppsLength);
}

}  // namespace netsdk::stream
