// Reading and writing the big-endian words of the cameras' binary heads (stream port,
// upgrade port), whatever the host's own order.
#pragma once

#include <cstdint>

namespace netsdk {

inline uint32_t readBig32(const uint8_t* bytes) {
    return static_cast<uint32_t>(bytes[0]) << 24 | static_cast<uint32_t>(bytes[1]) << 16 |
           static_cast<uint32_t>(bytes[2]) << 8 | bytes[3];
}

inline uint64_t readBig64(const uint8_t* bytes) {
    return static_cast<uint64_t>(readBig32(bytes)) << 32 | readBig32(bytes + 4);
}

inline void writeBig16(uint8_t* bytes, uint16_t value) {
    bytes[0] = static_cast<uint8_t>(value >> 8);
    bytes[1] = static_cast<uint8_t>(value);
}

inline void writeBig32(uint8_t* bytes, uint32_t value) {
    bytes[0] = static_cast<uint8_t>(value >> 24);
    bytes[1] = static_cast<uint8_t>(value >> 16);
    bytes[2] = static_cast<uint8_t>(value >> 8);
    bytes[3] = static_cast<uint8_t>(value);
}

}  // namespace netsdk
