#include "base64.h"

#include <cstdint>

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int sextetOf(char c) {
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+')
        return 62;
    if (c == '/')
        return 63;
    return -1;
}

}  // namespace

extern "C" int Base64_Encode(char* out, const char* data, int length) {
    if (out == nullptr || (data == nullptr && length > 0) || length < 0) {
        return -1;
    }
    const auto* bytes = reinterpret_cast<const uint8_t*>(data);
    int written = 0;
    for (int i = 0; i < length; i += 3) {
        const int remaining = length - i;
        uint32_t group = static_cast<uint32_t>(bytes[i]) << 16;
        if (remaining > 1)
            group |= static_cast<uint32_t>(bytes[i + 1]) << 8;
        if (remaining > 2)
            group |= bytes[i + 2];
        out[written++] = kAlphabet[(group >> 18) & 63];
        out[written++] = kAlphabet[(group >> 12) & 63];
        out[written++] = remaining > 1 ? kAlphabet[(group >> 6) & 63] : '=';
        out[written++] = remaining > 2 ? kAlphabet[group & 63] : '=';
    }
    out[written] = '\0';
    return written;
}

extern "C" int Base64_Decode(char* out, const char* text, int length) {
    if (out == nullptr || (text == nullptr && length > 0) || length < 0) {
        return -1;
    }
    uint32_t group = 0;
    int sextets = 0;
    int written = 0;
    for (int i = 0; i < length && text[i] != '\0' && text[i] != '='; ++i) {
        const int value = sextetOf(text[i]);
        if (value < 0) {
            return -1;
        }
        group = (group << 6) | static_cast<uint32_t>(value);
        if (++sextets == 4) {
            out[written++] = static_cast<char>((group >> 16) & 0xFF);
            out[written++] = static_cast<char>((group >> 8) & 0xFF);
            out[written++] = static_cast<char>(group & 0xFF);
            group = 0;
            sextets = 0;
        }
    }
    if (sextets == 1) {
        return -1;  // A lone sextet cannot carry a whole byte.
    }
    if (sextets >= 2) {
        group <<= 6 * (4 - sextets);
        out[written++] = static_cast<char>((group >> 16) & 0xFF);
        if (sextets == 3)
            out[written++] = static_cast<char>((group >> 8) & 0xFF);
    }
    return written;
}
