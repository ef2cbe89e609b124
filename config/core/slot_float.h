#pragma once

#include <cstdint>
#include <cstring>

// Positions and coordinates travel in the records' 32-bit value words as the raw bits of a
// float, not as numbers: copy the bits, never convert.
inline float floatFromWord(int32_t word) {
    float value;
    std::memcpy(&value, &word, sizeof(value));
    return value;
}

inline int32_t wordFromFloat(float value) {
    int32_t word;
    std::memcpy(&word, &value, sizeof(word));
    return word;
}
