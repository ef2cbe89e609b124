#include "http/md5.h"

#include <algorithm>
#include <cstring>

namespace {

// Per-round left rotations and the sine-derived constants of RFC 1321, section 3.4.
constexpr uint32_t kShifts[64] = {7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22,
                                  5, 9,  14, 20, 5, 9,  14, 20, 5, 9,  14, 20, 5, 9,  14, 20,
                                  4, 11, 16, 23, 4, 11, 16, 23, 4, 11, 16, 23, 4, 11, 16, 23,
                                  6, 10, 15, 21, 6, 10, 15, 21, 6, 10, 15, 21, 6, 10, 15, 21};

constexpr uint32_t kSines[64] = {
    0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf, 0x4787c62a, 0xa8304613, 0xfd469501,
    0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122, 0xfd987193, 0xa679438e, 0x49b40821,
    0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d, 0x02441453, 0xd8a1e681, 0xe7d3fbc8,
    0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed, 0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a,
    0xfffa3942, 0x8771f681, 0x6d9d6122, 0xfde5380c, 0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70,
    0x289b7ec6, 0xeaa127fa, 0xd4ef3085, 0x04881d05, 0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665,
    0xf4292244, 0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1,
    0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82, 0xbd3af235, 0x2ad7d2bb, 0xeb86d391};

uint32_t rotateLeft(uint32_t value, uint32_t bits) {
    return (value << bits) | (value >> (32 - bits));
}

}  // namespace

Md5::Md5() : state_{0x67452301, 0xefcdab89, 0x98badcfe, 0x10325476} {}

void Md5::transform(const uint8_t block[64]) {
    uint32_t words[16];
    for (int i = 0; i < 16; ++i) {
        words[i] = static_cast<uint32_t>(block[i * 4]) |
                   static_cast<uint32_t>(block[i * 4 + 1]) << 8 |
                   static_cast<uint32_t>(block[i * 4 + 2]) << 16 |
                   static_cast<uint32_t>(block[i * 4 + 3]) << 24;
    }
    uint32_t a = state_[0], b = state_[1], c = state_[2], d = state_[3];
    for (int i = 0; i < 64; ++i) {
        uint32_t mixed;
        int word;
        if (i < 16) {
            mixed = (b & c) | (~b & d);
            word = i;
        } else if (i < 32) {
            mixed = (d & b) | (~d & c);
            word = (5 * i + 1) % 16;
        } else if (i < 48) {
            mixed = b ^ c ^ d;
            word = (3 * i + 5) % 16;
        } else {
            mixed = c ^ (b | ~d);
            word = (7 * i) % 16;
        }
        const uint32_t next = d;
        d = c;
        c = b;
        b = b + rotateLeft(a + mixed + kSines[i] + words[word], kShifts[i]);
        a = next;
    }
    state_[0] += a;
    state_[1] += b;
    state_[2] += c;
    state_[3] += d;
}

void Md5::update(const void* data, size_t length) {
    const uint8_t* bytes = static_cast<const uint8_t*>(data);
    bitCount_ += static_cast<uint64_t>(length) * 8;
    while (length > 0) {
        const size_t take = std::min(length, sizeof pending_ - pendingLength_);
        std::memcpy(pending_ + pendingLength_, bytes, take);
        pendingLength_ += take;
        bytes += take;
        length -= take;
        if (pendingLength_ == sizeof pending_) {
            transform(pending_);
            pendingLength_ = 0;
        }
    }
}

Md5::Digest Md5::finish() {
    // Padding: a one bit, zeros up to 56 bytes mod 64, then the message length in bits.
    const uint64_t bitCount = bitCount_;
    const uint8_t one = 0x80;
    update(&one, 1);
    const uint8_t zero = 0;
    while (pendingLength_ != 56) {
        update(&zero, 1);
    }
    uint8_t lengthBytes[8];
    for (int i = 0; i < 8; ++i) {
        lengthBytes[i] = static_cast<uint8_t>(bitCount >> (8 * i));
    }
    update(lengthBytes, sizeof lengthBytes);
    Digest digest;
    for (int i = 0; i < 16; ++i) {
        digest[i] = static_cast<uint8_t>(state_[i / 4] >> (8 * (i % 4)));
    }
    return digest;
}

Md5::Digest Md5::of(const void* data, size_t length) {
    Md5 md5;
    md5.update(data, length);
    return md5.finish();
}

std::string Md5::hex(const Digest& digest, bool upperCase) {
    const char* digits = upperCase ? "0123456789ABCDEF" : "0123456789abcdef";
    std::string text;
    for (uint8_t byte : digest) {
        text += digits[byte >> 4];
        text += digits[byte & 0x0f];
    }
    return text;
}
