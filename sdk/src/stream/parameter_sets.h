// The parameter sets (VPS, SPS, PPS) of a stream: taken from each video key frame and copied
// into its frame header, so a decoder can start on any key frame.
#pragma once

#include <cstddef>
#include <cstdint>

#include "netsdk.h"

namespace netsdk::stream {

// One stored set, from its start code up to the next start code.
struct ParameterSet {
    uint8_t bytes[128];
    uint32_t length;  // 0: nothing stored
};

// The last sets seen on one stream.
struct ParameterSets {
    ParameterSet vps;
    ParameterSet sps;
    ParameterSet pps;
};

// Scans an Annex B key frame of codec NETSDK_CODEC_H264 or NETSDK_CODEC_H265 up to its IDR
// picture (for H.265 also a CRA picture) and stores each set found on the way in sets; a set larger
// than its slot is not stored and empties the slot instead. Sets the frame does not carry stay as
// they were. Returns true when an IDR picture ended the scan; false leaves sets unchanged.
bool updateParameterSets(uint32_t codec, const uint8_t* payload, size_t length,
                         ParameterSets& sets);

// Copies the stored sets into the frame header's slots.
void copyParameterSets(const ParameterSets& sets, NETSDK_FRAME_INFO& frameHeader);

}  // namespace netsdk::stream
