#pragma once

#include <QtGlobal>
#include <cmath>
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

// A position word in percent of the picture, held to 0..100 before anything converts it to
// pixels: a value that is not a number (a damaged record) counts as 0, an infinite or huge
// one as the nearer edge.
inline double percentFromWord(int32_t word) {
    const float value = floatFromWord(word);
    return std::isnan(value) ? 0.0 : qBound(0.0, double(value), 100.0);
}
