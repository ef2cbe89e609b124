// Parameter blocks on the wire: the 16-byte big-endian head and the conversion of a
// caller's host record to and from the block body.
#pragma once

#include <cstdint>

#include "netsdk.h"

// Length of the block head in front of every block body.
constexpr int kBlockHeadBytes = 16;

// Writes the head of a GET request for ids 20 to 44 into out; returns 16, or -1.
int _MakeHeadBinary(const NETSDK_CHANNEL* pair, int id, uint8_t* out, int outSize);

// Checks a reply (head first, received bytes in all) against the request and converts its
// body into the caller's record. On any failure the record is left unchanged; 0 or -1.
int _ParseBinaryBoy(const NETSDK_CHANNEL* pair, const uint8_t* reply, int received, int id,
                    void* record, int recordSize);

// Writes head and body of a write into out. *length holds the room of out on entry and
// the bytes to send on success (0 for the bodiless writes). 0 or -1.
int _MakeBinaryBoy(const NETSDK_CHANNEL* pair, int id, const void* record, int recordSize,
                   uint8_t* out, uint32_t* length);
