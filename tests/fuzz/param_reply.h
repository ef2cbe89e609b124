// A parameter block reply as a camera sends it: the block head that answers a read of one
// parameter, then its body. Shared by the fuzz targets that feed parameter records.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "param/param_block.h"
#include "param/param_table.h"

namespace param_reply {

inline void putBig16(uint8_t* at, uint32_t value) {
    at[0] = static_cast<uint8_t>(value >> 8);
    at[1] = static_cast<uint8_t>(value);
}

// The head for entry's reply, then body (cut, or padded with zeros, to the entry's size).
inline std::vector<uint8_t> withHead(const netsdk::param::ParamEntry& entry, const uint8_t* body,
                                     size_t bodySize) {
    std::vector<uint8_t> reply(kBlockHeadBytes + entry.wireSize, 0);
    const uint8_t head[] = {'K', 'T', 'V', 'Q', 0, 0, 0, 0, 0x01, 0x03};
    std::copy(head, head + sizeof head, reply.begin());
    putBig16(reply.data() + 4, entry.wireSize >> 16);
    putBig16(reply.data() + 6, entry.wireSize);
    putBig16(reply.data() + 12, static_cast<uint32_t>(entry.command));
    std::copy(body, body + std::min<size_t>(bodySize, entry.wireSize),
              reply.begin() + kBlockHeadBytes);
    return reply;
}

}  // namespace param_reply
